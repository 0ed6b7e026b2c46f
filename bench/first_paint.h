// Tells when a window has been shown and painted: the first paint event that
// reaches any widget of a window arms a queued call, which runs once that
// whole paint pass (the window and all its children) has finished. It
// watches through an application-wide event filter and changes nothing it
// sees. RunFirstOpen, built on it, times a window's first opening the same
// way in the program and in its floor.
#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace kalvane::bench {

class FirstPaintWatch : public QObject {
 public:
  // `painted(window)` runs once per window that `wanted(window)` accepts,
  // after its first paint pass. Installed on the application at once.
  FirstPaintWatch(std::function<bool(QWidget*)> wanted, std::function<void(QWidget*)> painted,
                  QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<bool(QWidget*)> wanted_;
  std::function<void(QWidget*)> painted_;
  QList<QWidget*> seen_;
};

// Shows `mainWindow` and, once it has been painted, triggers its menu entry
// named `action` (a modal window opens; the call returns when it closes) and
// prints "MEASURE ns=..." with the time from the trigger until the window it
// opened was painted, or with `census` that window's census. An empty
// `action` prints the census of the main window itself. Returns the exit code
// of the event loop, 1 when there is no such entry.
int RunFirstOpen(QWidget& mainWindow, const std::string& action, bool census);

// The menu entries that open a window, in the order the start-up probe
// opens them (KALVANE_BENCH_PROBE=windows). Each program the probe is linked
// into names its own: the program its shelf's, the floor its floors'.
std::vector<std::string> ProbedWindowEntries();

}  // namespace kalvane::bench
