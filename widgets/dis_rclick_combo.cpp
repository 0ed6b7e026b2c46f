#include "widgets/dis_rclick_combo.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>

#include "widgets/event_hook.h"

namespace kalvane {
namespace {

// One filter for the whole module, owned by the application.
EventHook& ContextMenuHook() {
  static QPointer<EventHook> hook;
  if (!hook)
    hook = new EventHook(&NoContextMenuProc, QCoreApplication::instance());
  return *hook;
}

}  // namespace

QString WindowClassName(const QWidget* window) {
  if (!window)
    return {};
  return QString::fromLatin1(window->metaObject()->className());
}

QWidget* FindEditChild(QComboBox* combo) {
  if (!combo)
    return nullptr;
  for (QObject* child : combo->children()) {
    if (auto* edit = qobject_cast<QLineEdit*>(child))
      return edit;
  }
  return combo;  // a select-only list: the requests come to the list itself
}

bool NoContextMenuProc(QObject*, QEvent* message) {
  return message->type() == QEvent::ContextMenu;
}

void HookNoContextMenu(QWidget* editPart) {
  ContextMenuHook().Hook(editPart);
}

void UnhookNoContextMenu(QWidget* editPart) {
  ContextMenuHook().Unhook(editPart);
}

bool IsNoContextMenuHooked(const QWidget* editPart) {
  return ContextMenuHook().IsHooked(editPart);
}

}  // namespace kalvane
