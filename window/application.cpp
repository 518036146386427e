// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/application.h"

#include <QtCore/QString>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace morvane {

namespace {

struct HeldMessage {
  QtMsgType type;
  std::string category;
  QString text;
};

// Qt's message handler is a plain function, so what it holds lives here, and only while the
// application is being made.
std::vector<HeldMessage> held_messages;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    held_messages.push_back(
        {type, context.category != nullptr ? context.category : "default", text});
    return;
  }
  // The one fatal message Qt gives while it starts: no platform plugin, which on Linux means
  // no display server it could reach. Its own text blames the installation and aborts.
  std::fputs(
      "morvane: no display could be opened: set DISPLAY to an X server or WAYLAND_DISPLAY to a "
      "Wayland compositor, or use morvane-cli on the command line\n",
      stderr);
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv) {
  const QtMessageHandler previous = qInstallMessageHandler(HoldMessage);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  for (const HeldMessage& message : held_messages) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
    if (previous != nullptr) {
      previous(message.type, context, message.text);
    } else {
      qt_message_output(message.type, context, message.text);
    }
  }
  held_messages.clear();
  return application;
}

}  // namespace morvane
