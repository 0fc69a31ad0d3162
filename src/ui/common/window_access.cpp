#include "ui/common/window_access.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QMainWindow>
#include <QMenu>
#include <QWidget>

namespace zenpa::ui {
namespace {

// A window of this program (its class is not one of Qt's, which come with
// their own interfaces) that is not a main window, dialog or menu.
bool OwnPlainWindow(const QString &key, QObject *object) {
  auto *widget = qobject_cast<QWidget *>(object);
  if (!widget || !widget->isWindow() || key != QLatin1String(object->metaObject()->className()))
    return false;
  if (key.startsWith(QLatin1Char('Q')))
    return false;
  return !qobject_cast<QMainWindow *>(object) && !qobject_cast<QDialog *>(object) &&
         !qobject_cast<QMenu *>(object);
}

QAccessibleInterface *WindowInterface(const QString &key, QObject *object) {
  if (!OwnPlainWindow(key, object))
    return nullptr;
  return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
}

} // namespace

void ExposeOwnWindowsAsWindows() {
  static const bool installed = [] {
    QAccessible::installFactory(WindowInterface);
    return true;
  }();
  (void)installed;
}

} // namespace zenpa::ui
