// The floor program: the main window's floor, whose menus open the floors of
// the secondary windows, as a plain Qt program without the program's code.
//   kalvane_floor                     runs like the program (with
//                                     KALVANE_BENCH_PROBE set, the start-up
//                                     probe reports as it does for the program)
//   kalvane_floor first-open WHAT     times the first opening of WHAT (Res4Col,
//                                     Res5Col, Res6Col, ResSmd, LedArr, ResDiv, About) as
//                                     gui_bench does for the program
//   kalvane_floor census WHAT         the census of a window (Main or WHAT)
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <cstdio>
#include <cstring>
#include <string>

#include "bench/first_paint.h"
#include "bench/floor/floor_support.h"

// The floor's menu entries that open a window: a list of the floor's own,
// kept apart from the program's on purpose.
std::vector<std::string> kalvane::bench::ProbedWindowEntries() {
  return {"Res4Col", "Res5Col", "Res6Col", "ResSmd", "About"};
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kalvane::floor::SetUpApplication(app);
  QMainWindow window;
  kalvane::floor::BuildMainWindowFloor(window);
  if (argc == 1) {
    window.show();
    return app.exec();
  }
  if (argc == 3 &&
      (std::strcmp(argv[1], "first-open") == 0 || std::strcmp(argv[1], "census") == 0)) {
    const bool census = std::strcmp(argv[1], "census") == 0;
    const std::string what = argv[2];
    return kalvane::bench::RunFirstOpen(window, census && what == "Main" ? "" : what, census);
  }
  std::fprintf(stderr, "usage: kalvane_floor [first-open|census WHAT]\n");
  return 2;
}
