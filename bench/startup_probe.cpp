// Linked only into the benchmark's copies of the program, of the minimal Qt
// program and of the floor, never into the shipped program. With KALVANE_BENCH_PROBE set
// it reports, on stdout, when the first window was shown and painted and the
// peak resident memory at that moment, and then ends the process:
//   KALVANE_BENCH_PROBE=start    right after the first window's first paint
//   KALVANE_BENCH_PROBE=windows  after that, once every window of the main
//                                window's menus has been opened and painted
// Without the variable the program runs as it always does.
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/bench_support.h"
#include "bench/first_paint.h"

namespace {

using kalvane::bench::FirstPaintWatch;

struct Probe {
  bool openWindows = false;
  std::int64_t paintedNs = 0;
  QPointer<QWidget> mainWindow;
  std::vector<std::string> actions;  // the menu entries that open a window
  std::size_t nextAction = 0;
};
Probe probe;

[[noreturn]] void ReportAndExit() {
  std::printf("PROBE painted_ns=%lld peak_kb=%ld\n", static_cast<long long>(probe.paintedNs),
              kalvane::bench::PeakResidentKb());
  std::fflush(stdout);
  std::_Exit(0);
}

// Opens the next window through its menu entry; the entry returns once the
// modal window has been closed again.
void OpenNextWindow() {
  while (probe.mainWindow && probe.nextAction < probe.actions.size()) {
    const std::string& name = probe.actions[probe.nextAction++];
    if (auto* action = probe.mainWindow->findChild<QAction*>(QString::fromStdString(name))) {
      action->trigger();
      QTimer::singleShot(0, OpenNextWindow);
      return;
    }
  }
  ReportAndExit();
}

void StartProbe() {
  const char* mode = std::getenv("KALVANE_BENCH_PROBE");
  if (!mode)
    return;
  probe.openWindows = std::strcmp(mode, "windows") == 0;
  if (probe.openWindows)
    probe.actions = kalvane::bench::ProbedWindowEntries();
  new FirstPaintWatch([](QWidget* window) { return window->isVisible(); },
                      [](QWidget* window) {
                        if (!probe.mainWindow) {
                          probe.paintedNs = kalvane::bench::MonotonicNs();
                          probe.mainWindow = window;
                          if (!probe.openWindows)
                            ReportAndExit();
                          OpenNextWindow();
                        } else if (window != probe.mainWindow) {
                          window->close();  // a window the menu opened
                        }
                      },
                      QCoreApplication::instance());
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(StartProbe)
