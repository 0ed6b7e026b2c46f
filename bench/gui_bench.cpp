// The real windows, timed as a user drives them.
//   gui_bench actions            per-action costs in one process: a key typed
//                                into each typed-value box (ResisEnter of the
//                                three colour windows, CodeEnter and
//                                ValueEnter of the SMD window, TargetEnter and
//                                RegVoutEnter of the divider / regulator
//                                window at E192, TargetEnter and ListEnter of
//                                the network finder; every step of the worked
//                                sequences), a Calc click and language
//                                switches; prints table rows
//   gui_bench first-open WHAT    in a fresh process, with the main window
//                                shown and painted: opening WHAT (the menu
//                                entry's name of a window of the shelf, e.g.
//                                Res4Col) until it is shown and painted
//   gui_bench census WHAT        the same, printing the census of the window
//                                opened (Main: of the main window) instead
//                                of a time, for comparing it with its floor
//   gui_bench first-switch       in a fresh process: the first switch to
//                                English, which also loads both colour
//                                windows hidden
//   gui_bench windows            lists the shelf's windows: WINDOW, the menu
//                                entry's name and the window's name
// Each action is timed twice: until its handlers have returned (the bands,
// labels and results are settled, which is what the limits are for) and, for
// information, until the repaint that follows has been done too.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "bench/first_paint.h"
#include "ui/colour_code_window.h"
#include "ui/led_array_window.h"
#include "ui/divider_window.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/network_finder_window.h"
#include "ui/smd_code_window.h"
#include "ui/window_shelf.h"

namespace {

using namespace kalvane;
using namespace kalvane::bench;

constexpr int kRepetitions = 21;
constexpr double kKeyLimitMs = 1.0;
constexpr double kCalcLimitMs = 1.0;
constexpr double kSwitchLimitMs = 20.0;

// One action's two times, in ms: handlers returned, and repainted too.
struct Timing {
  double settledMs = 0;
  double paintedMs = 0;
};

Timing Time(const std::function<void()>& action) {
  const std::int64_t start = MonotonicNs();
  action();
  const std::int64_t settled = MonotonicNs();
  QCoreApplication::processEvents();
  const std::int64_t painted = MonotonicNs();
  return {static_cast<double>(settled - start) / 1e6, static_cast<double>(painted - start) / 1e6};
}

// Samples of several named steps; the worst step is the one with the
// largest median.
class Steps {
 public:
  void Add(const std::string& step, Timing timing) {
    settled_[step].push_back(timing.settledMs);
    painted_[step].push_back(timing.paintedMs);
  }
  // The step with the largest median of `which`, and that median.
  std::pair<std::string, double> Worst(bool painted) const {
    std::pair<std::string, double> worst{"", -1};
    for (const auto& [step, samples] : painted ? painted_ : settled_) {
      const double median = Median(samples);
      if (median > worst.second)
        worst = {step, median};
    }
    return worst;
  }

 private:
  std::map<std::string, std::vector<double>> settled_;
  std::map<std::string, std::vector<double>> painted_;
};

void PrintWorst(const std::string& figure, const Steps& steps, double limitMs) {
  const auto [settledStep, settled] = steps.Worst(false);
  const auto [paintedStep, painted] = steps.Worst(true);
  const std::string target = "<= " + Fixed(limitMs, 0) + " ms";
  PrintRow(figure, Fixed(settled, 3) + " ms (" + settledStep + ")", target,
           Verdict(settled, limitMs));
  // The limits are for the settled state; the repaint Qt does next is shown
  // beside it.
  PrintRow(figure + ", with repaint", Fixed(painted, 3) + " ms (" + paintedStep + ")", "-", "info");
}

void ShowAndSettle(QWidget& window) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window))
    std::fprintf(stderr, "gui_bench: %s was not exposed\n", qPrintable(window.objectName()));
  QCoreApplication::processEvents();
}

// Every step of the worked sequences, typed key by key into `box` emptied
// (for a colour window with 1 Ohm selected), repeated; the steps of one
// round follow each other as a user types them.
Steps TypeWorkedSequences(QLineEdit* box, const std::vector<const char*>& sequences) {
  Steps steps;
  for (int round = 0; round < kRepetitions; ++round) {
    for (const char* keys : sequences) {
      box->setText(QStringLiteral("1"));
      box->clear();
      QCoreApplication::processEvents();
      for (std::size_t i = 0; keys[i] != '\0'; ++i) {
        const char key = keys[i];
        const std::string step = std::string(keys, i) + "[" + key + "]";
        steps.Add(step, Time([&] { QTest::keyClick(box, key); }));
      }
    }
  }
  return steps;
}

QLineEdit* BoxOf(QWidget& window, const char* name) {
  return window.findChild<QLineEdit*>(QLatin1String(name));
}

// The LED array designer's boxes, key by key, each in a fresh window with
// the worked example; every key designs the array again and redraws it.
void TypeInLedArray() {
  const std::pair<const char*, std::vector<const char*>> boxes[] = {
      {"ArrSupply", {"12", "24.5", "5", "230"}},
      {"ArrCount", {"25", "100", "7", "1000"}},
      {"ArrVfMax", {"3.3", "3.45"}},
      {"ArrCurrent", {"20", "350", "0.5"}},
  };
  for (const auto& [name, sequences] : boxes) {
    LedArrayWindow window(Language::Persian, StandardSeries::E24);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    ShowAndSettle(window);
    PrintWorst(std::string("Key in ") + name + ", LED array, worst step",
               TypeWorkedSequences(BoxOf(window, name), sequences), kKeyLimitMs);
    window.close();
  }
}

int RunActions() {
  MainWindow main;
  ShowAndSettle(main);

  {
    const std::pair<ColourCodeWindow*, std::vector<const char*>> colourWindows[] = {
        {&main.Window<ColourCodeWindow>(kFourBandItem),
         {"4", "47", "470", "47000000", "475", "4.7", "0.47"}},
        {&main.Window<ColourCodeWindow>(kFiveBandItem), {"4", "47", "470", "4705", "4.75", "47.5"}},
        {&main.Window<ColourCodeWindow>(kSixBandItem), {"4", "47", "470", "4705", "4.75", "47.5"}},
    };
    for (const auto& [window, sequences] : colourWindows) {
      ShowAndSettle(*window);
      PrintWorst("Key in ResisEnter, " + std::to_string(window->BandCount()) + "-band, worst step",
                 TypeWorkedSequences(BoxOf(*window, "ResisEnter"), sequences), kKeyLimitMs);
      window->close();
    }
    SmdCodeWindow& smd = main.Window<SmdCodeWindow>(kSmdItem);
    ShowAndSettle(smd);
    PrintWorst("Key in CodeEnter, SMD, worst step",
               TypeWorkedSequences(BoxOf(smd, "CodeEnter"), {"472", "4701", "4R7", "01C", "R47"}),
               kKeyLimitMs);
    PrintWorst("Key in ValueEnter, SMD, worst step",
               TypeWorkedSequences(BoxOf(smd, "ValueEnter"), {"4.75k", "4k7", "470", "0.1"}),
               kKeyLimitMs);
    smd.close();
    QCoreApplication::processEvents();

    // The divider / regulator window under its largest series: every key
    // searches all of E192 again.
    auto* divider = new DividerWindow(main.CurrentLanguage(), StandardSeries::E192, &main);
    ShowAndSettle(*divider);
    PrintWorst("Key in TargetEnter, divider at E192, worst step",
               TypeWorkedSequences(BoxOf(*divider, "TargetEnter"), {"3.3", "1.8", "4.75"}),
               kKeyLimitMs);
    divider->findChild<QRadioButton*>(QStringLiteral("ModeRegulator"))->click();
    QCoreApplication::processEvents();
    PrintWorst("Key in RegVoutEnter, regulator at E192, worst step",
               TypeWorkedSequences(BoxOf(*divider, "RegVoutEnter"), {"5", "3.3", "12"}),
               kKeyLimitMs);
    divider->close();
    QCoreApplication::processEvents();
  }
  TypeInLedArray();

  // The network finder, built directly: a key runs the model and hands the
  // search to its thread, so the key's time holds no search. Under E192 the
  // list box's key also checks every entry against every value.
  {
    auto* finder = new NetworkFinderWindow(Language::English, StandardSeries::E192, &main);
    ShowAndSettle(*finder);
    PrintWorst("Key in TargetEnter, network finder (E192), worst step",
               TypeWorkedSequences(BoxOf(*finder, "TargetEnter"), {"3.3k", "4k75", "1M", "12.5"}),
               kKeyLimitMs);
    PrintWorst("Key in ListEnter, network finder (E192), worst step",
               TypeWorkedSequences(BoxOf(*finder, "ListEnter"), {"1k 4.7k 10k 22k 47k"}),
               kKeyLimitMs);
    finder->close();
    QCoreApplication::processEvents();
  }

  // Calc in every mode and arrangement, the LED count changing between
  // clicks so that every click writes new results and a new diagram.
  {
    auto* calc = main.findChild<QPushButton*>(QStringLiteral("Calc"));
    auto* serMov = main.findChild<QComboBox*>(QStringLiteral("SerMov"));
    auto* ledCount = main.findChild<QLineEdit*>(QStringLiteral("LedCount"));
    Steps steps;
    for (int round = 0; round < kRepetitions; ++round) {
      for (int arrangement : {0, 1}) {
        for (const char* mode : {"Resis", "Volt", "Amp"}) {
          serMov->setCurrentIndex(arrangement);
          main.findChild<QRadioButton*>(QLatin1String(mode))->click();
          ledCount->setText(round % 2 == 0 ? QStringLiteral("3") : QStringLiteral("5"));
          QCoreApplication::processEvents();
          const std::string step = std::string(arrangement == 0 ? "series " : "parallel ") + mode;
          steps.Add(step, Time([&] { QTest::mouseClick(calc, Qt::LeftButton); }));
        }
      }
    }
    PrintWorst("Calc click, worst mode", steps, kCalcLimitMs);
  }

  // Switches in a process whose pictures and fonts are warm: the first one
  // of a main window (it loads both colour windows), back, and a later one.
  {
    Steps steps;
    for (int round = 0; round < kRepetitions; ++round) {
      MainWindow fresh;
      ShowAndSettle(fresh);
      steps.Add("first, to English", Time([&] { fresh.EnglishAction()->trigger(); }));
      steps.Add("back to Persian", Time([&] { fresh.PersianAction()->trigger(); }));
      steps.Add("later, to English", Time([&] { fresh.EnglishAction()->trigger(); }));
    }
    PrintWorst("Language switch, warm process, worst", steps, kSwitchLimitMs);
  }
  return 0;
}

int RunFirstSwitch() {
  MainWindow main;
  ShowAndSettle(main);
  const Timing timing = Time([&] { main.EnglishAction()->trigger(); });
  std::printf("MEASURE ns=%lld painted_ns=%lld\n", static_cast<long long>(timing.settledMs * 1e6),
              static_cast<long long>(timing.paintedMs * 1e6));
  std::fflush(stdout);
  return 0;
}

// One line per window of the shelf: WINDOW, the menu entry that opens it
// and the window's name.
int ListWindows() {
  for (const ShelfWindow& shelved : WindowShelf()) {
    const std::unique_ptr<QDialog> window(
        shelved.build({Language::Persian, StandardSeries::E24, nullptr}));
    std::printf("WINDOW %s %s\n", std::string(shelved.item->name).c_str(),
                window->objectName().toStdString().c_str());
  }
  std::fflush(stdout);
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: gui_bench actions | first-open ENTRY | census Main|ENTRY | first-switch | "
               "windows\n(ENTRY: the menu entry of a window, as gui_bench windows lists them)\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ApplyApplicationLook(app);
  if (argc == 2 && std::strcmp(argv[1], "actions") == 0)
    return RunActions();
  if (argc == 2 && std::strcmp(argv[1], "first-switch") == 0)
    return RunFirstSwitch();
  if (argc == 3 &&
      (std::strcmp(argv[1], "first-open") == 0 || std::strcmp(argv[1], "census") == 0)) {
    const bool census = std::strcmp(argv[1], "census") == 0;
    const std::string what = argv[2];
    MainWindow main;
    if (census && what == "Main")
      return RunFirstOpen(main, "", true);
    if (FindOnShelf(what))
      return RunFirstOpen(main, what, census);
  }
  if (argc == 2 && std::strcmp(argv[1], "windows") == 0)
    return ListWindows();
  return Usage();
}
