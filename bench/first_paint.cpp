#include "bench/first_paint.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "bench/bench_support.h"
#include "bench/census.h"

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

int RunFirstOpen(QWidget& mainWindow, const std::string& action, bool census) {
  QAction* entry = nullptr;
  if (!action.empty()) {
    entry = mainWindow.findChild<QAction*>(QString::fromStdString(action));
    if (!entry) {
      std::fprintf(stderr, "no menu entry %s\n", action.c_str());
      return 1;
    }
  }
  std::int64_t start = 0;
  bool mainPainted = false;
  FirstPaintWatch watch([](QWidget* window) { return window->isVisible(); },
                        [&](QWidget* window) {
                          if (!mainPainted) {
                            mainPainted = true;
                            if (!entry) {
                              PrintCensus(mainWindow);
                              QCoreApplication::exit(0);
                              return;
                            }
                            QTimer::singleShot(0, [&] {
                              start = MonotonicNs();
                              entry->trigger();  // returns when the modal window has closed
                              QCoreApplication::exit(0);
                            });
                          } else if (window != &mainWindow) {
                            const std::int64_t painted = MonotonicNs();
                            if (census) {
                              PrintCensus(*window);
                            } else {
                              std::printf("MEASURE ns=%lld\n",
                                          static_cast<long long>(painted - start));
                              std::fflush(stdout);
                            }
                            window->close();
                          }
                        });
  mainWindow.show();
  return QApplication::exec();
}

}  // namespace kalvane::bench
