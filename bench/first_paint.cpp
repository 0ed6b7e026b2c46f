#include "bench/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace kalvane::bench {

FirstPaintWatch::FirstPaintWatch(std::function<bool(QWidget*)> wanted,
                                 std::function<void(QWidget*)> painted, QObject* parent)
    : QObject(parent), wanted_(std::move(wanted)), painted_(std::move(painted)) {
  QCoreApplication::instance()->installEventFilter(this);
}

bool FirstPaintWatch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Paint || !watched->isWidgetType())
    return false;
  QWidget* window = static_cast<QWidget*>(watched)->window();
  if (seen_.contains(window) || !wanted_(window))
    return false;
  seen_.append(window);
  // A later window may be created at the same address.
  connect(window, &QObject::destroyed, this, [this, window] { seen_.removeAll(window); });
  // Queued: runs after the paint pass this event belongs to has finished.
  QTimer::singleShot(0, this, [this, guarded = QPointer<QWidget>(window)] {
    if (guarded)
      painted_(guarded);
  });
  return false;
}

}  // namespace kalvane::bench
