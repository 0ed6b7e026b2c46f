#include "widgets/dis_rclick.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>

#include "widgets/event_hook.h"

namespace kalvane {
namespace {

// One filter for the whole module, owned by the application.
EventHook& RightClickHook() {
  static QPointer<EventHook> hook;
  if (!hook)
    hook = new EventHook(&NoRightClickProc, QCoreApplication::instance());
  return *hook;
}

}  // namespace

void HookRightClick(QWidget* window) {
  RightClickHook().Hook(window);
}

void UnhookRightClick(QWidget* window) {
  RightClickHook().Unhook(window);
}

bool IsRightClickHooked(const QWidget* window) {
  return RightClickHook().IsHooked(window);
}

bool NoRightClickProc(QObject*, QEvent* message) {
  switch (message->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      return static_cast<const QMouseEvent*>(message)->button() == Qt::RightButton;
    case QEvent::ContextMenu:
      // Qt asks for the menu in an event of its own, apart from the press.
      return true;
    default:
      return false;
  }
}

}  // namespace kalvane
