#include "widgets/event_hook.h"

#include <QWidget>

namespace kalvane {

EventHook::EventHook(Procedure procedure, QObject* parent)
    : QObject(parent), procedure_(procedure) {}

void EventHook::Hook(QWidget* widget) {
  if (!widget || hooked_.contains(widget))
    return;
  hooked_.insert(widget);
  connect(widget, &QObject::destroyed, this, [this](QObject* gone) { hooked_.remove(gone); });
  widget->installEventFilter(this);
}

void EventHook::Unhook(QWidget* widget) {
  if (!widget || !hooked_.remove(widget))
    return;
  widget->removeEventFilter(this);
  disconnect(widget, &QObject::destroyed, this, nullptr);
}

bool EventHook::IsHooked(const QWidget* widget) const {
  return hooked_.contains(widget);
}

bool EventHook::eventFilter(QObject* watched, QEvent* event) {
  return hooked_.contains(watched) && procedure_(watched, event);
}

}  // namespace kalvane
