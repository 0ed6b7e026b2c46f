// The yardstick for start-up and memory: the smallest Qt Widgets program
// with one window, a QLabel, shown modeless as the real program shows its
// main window.
#include <QApplication>
#include <QLabel>

#include "bench/first_paint.h"

// It has no menus, so no window for the probe to open.
std::vector<std::string> kalvane::bench::ProbedWindowEntries() {
  return {};
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("Kalvane"));
  label.show();
  return app.exec();
}
