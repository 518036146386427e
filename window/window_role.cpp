// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_role.h"

#include <QtGui/QAccessible>
#include <QtWidgets/QAccessibleWidget>
#include <QtWidgets/QWidget>

#include "morvane/frm_amain.h"

namespace morvane {

namespace {

// Qt asks each factory with the class names of the object, most derived first; answering for
// frmAmain's own name leaves every other widget to Qt's factories.
QAccessibleInterface* WindowInterface(const QString& class_name, QObject* object) {
  if (object == nullptr || !object->isWidgetType() ||
      class_name != QLatin1String(frmAmain::staticMetaObject.className())) {
    return nullptr;
  }
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

void AnnounceAsWindow() {
  // Qt keeps one entry per factory, so a second window adds nothing.
  QAccessible::installFactory(&WindowInterface);
}

}  // namespace morvane
