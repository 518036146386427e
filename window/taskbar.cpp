// SPDX-License-Identifier: GPL-3.0-or-later
#include "taskbar.h"

#include <QtGui/QGuiApplication>
#include <QtWidgets/QWidget>

#ifdef MORVANE_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string_view>
#endif

namespace morvane {

#ifdef MORVANE_HAVE_XCB
namespace {

xcb_intern_atom_cookie_t RequestAtom(xcb_connection_t* connection, std::string_view name) {
  return xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.data());
}

xcb_atom_t AtomReply(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie) {
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

}  // namespace
#endif

void KeepOutOfTaskbar(QWidget& window) {
#ifdef MORVANE_HAVE_XCB
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr) return;
  xcb_connection_t* connection = x11->connection();
  // Both requests go out before either reply is awaited: one round trip to the server.
  const xcb_intern_atom_cookie_t state_cookie = RequestAtom(connection, "_NET_WM_STATE");
  const xcb_intern_atom_cookie_t skip_cookie =
      RequestAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
  const xcb_atom_t state = AtomReply(connection, state_cookie);
  const xcb_atom_t skip_taskbar = AtomReply(connection, skip_cookie);
  if (state == XCB_ATOM_NONE || skip_taskbar == XCB_ATOM_NONE) return;
  const auto native = static_cast<xcb_window_t>(window.winId());
  xcb_change_property(connection, XCB_PROP_MODE_APPEND, native, state, XCB_ATOM_ATOM, 32, 1,
                      &skip_taskbar);
  xcb_flush(connection);
#else
  static_cast<void>(window);
#endif
}

}  // namespace morvane
