// The measurements that need a fresh process per sample: start-up, peak
// memory, the first opening of each window and the first language switch.
// Each figure is measured side by side with its yardstick in the same run,
// the two alternating sample by sample, and compared as a ratio of medians.
// Children run offscreen and report through one "PROBE ..." or
// "MEASURE ..." line on stdout; this program only spawns, times and compares.
//
//   process_bench startup|switch|memory PROGRAM MINIMAL FLOOR GUI_BENCH RUNS
//     startup  start-up against the minimal program, and the first opening
//              of each window against an empty QDialog
//     switch   the first language switch of a fresh process
//     memory   peak memory after start and after every window was opened,
//              against the minimal program
// PROGRAM, MINIMAL and FLOOR are the probe builds of the program, of the
// minimal Qt program and of the Qt floor (qt_floor_main.cpp, reported for
// information only), GUI_BENCH the gui_bench executable; RUNS samples of
// each (at least 15) follow one untimed warm-up.
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"

extern char** environ;

namespace {

using namespace kalvane::bench;

constexpr double kStartupLimit = 1.25;
constexpr double kFirstOpenLimit = 1.5;
constexpr double kMemoryLimit = 1.3;
constexpr double kSwitchLimitMs = 20.0;

// A child that has not reported by then is stopped and its sample lost.
constexpr std::int64_t kChildTimeoutNs = 60'000'000'000;

struct ChildReport {
  std::int64_t spawnedNs = 0;               // just before the process was created
  std::map<std::string, long long> fields;  // the key=value pairs of its line
};

// Reads " key=value key=value" into `fields`; values are integers.
void ParseFields(const std::string& text, std::map<std::string, long long>& fields) {
  std::istringstream words(text);
  std::string word;
  while (words >> word) {
    const std::size_t equals = word.find('=');
    if (equals != std::string::npos)
      fields[word.substr(0, equals)] = std::atoll(word.c_str() + equals + 1);
  }
}

// Runs `argv` with `extraEnv` added to this process's environment and reads
// stdout up to the first line that starts with `tag`. Nothing on failure.
std::optional<ChildReport> Run(const std::vector<std::string>& argv,
                               const std::vector<std::string>& extraEnv, const std::string& tag) {
  std::vector<std::string> envText(extraEnv);
  for (char** e = environ; *e; ++e)
    envText.emplace_back(*e);
  std::vector<char*> env, args;
  for (std::string& s : envText)
    env.push_back(s.data());
  env.push_back(nullptr);
  std::vector<std::string> argText(argv);
  for (std::string& s : argText)
    args.push_back(s.data());
  args.push_back(nullptr);

  int pipeEnds[2];
  if (pipe(pipeEnds) != 0)
    return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);

  ChildReport report;
  pid_t pid = 0;
  report.spawnedNs = MonotonicNs();
  const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), env.data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  if (spawned != 0) {
    close(pipeEnds[0]);
    std::fprintf(stderr, "process_bench: cannot start %s\n", argv[0].c_str());
    return std::nullopt;
  }
  // Read lines until the report, giving up on a child that hangs.
  const std::int64_t deadline = report.spawnedNs + kChildTimeoutNs;
  std::string pending;
  bool found = false;
  while (!found) {
    const std::int64_t left = deadline - MonotonicNs();
    pollfd readable{pipeEnds[0], POLLIN, 0};
    if (left <= 0 || poll(&readable, 1, static_cast<int>(left / 1'000'000) + 1) <= 0) {
      std::fprintf(stderr, "process_bench: %s hung, stopped\n", argv[0].c_str());
      kill(pid, SIGKILL);
      break;
    }
    char chunk[512];
    const ssize_t got = read(pipeEnds[0], chunk, sizeof chunk);
    if (got <= 0)
      break;  // the child closed its output
    pending.append(chunk, static_cast<std::size_t>(got));
    for (std::size_t end; !found && (end = pending.find('\n')) != std::string::npos;
         pending.erase(0, end + 1)) {
      const std::string text = pending.substr(0, end);
      if (text.rfind(tag, 0) != 0)
        continue;
      found = true;
      ParseFields(text.substr(tag.size()), report.fields);
    }
  }
  close(pipeEnds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!found) {
    std::fprintf(stderr, "process_bench: %s reported nothing\n", argv[0].c_str());
    return std::nullopt;
  }
  return report;
}

const std::string kOffscreen = "QT_QPA_PLATFORM=offscreen";

struct Samples {
  std::vector<double> values;
  bool failed = false;
  void Add(const std::optional<double>& value) {
    if (value) {
      values.push_back(*value);
    } else {
      failed = true;
    }
  }
  double MedianValue() const { return Median(values); }
};

// ms from spawn to the first paint, and the peak memory in kB at that time.
std::optional<std::pair<double, double>> Probe(const std::string& program, const char* mode) {
  auto report = Run({program}, {kOffscreen, std::string("KALVANE_BENCH_PROBE=") + mode}, "PROBE");
  if (!report || !report->fields.count("painted_ns"))
    return std::nullopt;
  return std::pair{static_cast<double>(report->fields["painted_ns"] - report->spawnedNs) / 1e6,
                   static_cast<double>(report->fields["peak_kb"])};
}

std::optional<double> Measure(const std::vector<std::string>& argv, const char* field = "ns") {
  auto report = Run(argv, {kOffscreen}, "MEASURE");
  if (!report || !report->fields.count(field))
    return std::nullopt;
  return static_cast<double>(report->fields[field]) / 1e6;
}

void PrintRatio(const std::string& figure, const Samples& measured, const Samples& yardstick,
                const std::string& unit, double limit) {
  if (measured.failed || yardstick.failed || yardstick.MedianValue() <= 0) {
    PrintRow(figure, "not measured", "<= " + Fixed(limit, 2) + " x", "FAIL");
    return;
  }
  const double ratio = measured.MedianValue() / yardstick.MedianValue();
  PrintRow(figure,
           Fixed(ratio, 2) + " x (" + Fixed(measured.MedianValue(), 1) + " " + unit + " vs " +
               Fixed(yardstick.MedianValue(), 1) + " " + unit + ")",
           "<= " + Fixed(limit, 2) + " x", Verdict(ratio, limit));
}

struct Programs {
  std::string program, minimal, floor, gui;
  int runs = 15;
};

struct ThreeWay {
  Samples program, minimal, floor;
};

// Samples of `probe` for the program, the minimal program and the floor,
// the three taking turns at going first.
template <typename Probe>
ThreeWay Alternate(const Programs& p, Probe probe) {
  ThreeWay samples;
  const std::pair<const std::string*, Samples*> order[] = {
      {&p.program, &samples.program}, {&p.minimal, &samples.minimal}, {&p.floor, &samples.floor}};
  for (int i = 0; i < p.runs; ++i) {
    for (std::size_t turn = 0; turn < std::size(order); ++turn) {
      const auto& [exe, target] = order[(turn + static_cast<std::size_t>(i)) % std::size(order)];
      target->Add(probe(*exe));
    }
  }
  return samples;
}

// The floor against the minimal program: how much of the limit Qt itself
// takes for the first window's frame.
void PrintFloor(const std::string& figure, const ThreeWay& samples, const std::string& unit) {
  if (samples.floor.failed || samples.minimal.failed || samples.minimal.MedianValue() <= 0) {
    PrintRow(figure, "not measured", "-", "info");
    return;
  }
  PrintRow(figure,
           Fixed(samples.floor.MedianValue() / samples.minimal.MedianValue(), 2) + " x (" +
               Fixed(samples.floor.MedianValue(), 1) + " " + unit + ")",
           "-", "info");
}

void RunStartup(const Programs& p) {
  for (const std::string* exe : {&p.program, &p.minimal, &p.floor})
    Probe(*exe, "start");
  const ThreeWay startup = Alternate(p, [](const std::string& exe) {
    const auto sample = Probe(exe, "start");
    return sample ? std::optional<double>(sample->first) : std::nullopt;
  });
  PrintRatio("Start-up to main window painted / minimal Qt program", startup.program,
             startup.minimal, "ms", kStartupLimit);
  PrintFloor("Start-up of the Qt floor (menu bar, Persian and bold text) / minimal", startup, "ms");

  // Each window in turn, the yardstick among them, each in a fresh process.
  const std::vector<std::string> windows = {"EmptyDialog", "Res4Col", "Res5Col", "About",
                                            "SelectorsDialog"};
  Measure({p.gui, "first-open", "EmptyDialog"});
  std::map<std::string, Samples> opens;
  for (int i = 0; i < p.runs; ++i) {
    for (std::size_t w = 0; w < windows.size(); ++w) {
      const std::string& what = windows[(w + static_cast<std::size_t>(i)) % windows.size()];
      opens[what].Add(Measure({p.gui, "first-open", what}));
    }
  }
  const std::pair<const char*, const char*> figures[] = {
      {"Res4Col", "First open of Calc4Band / empty QDialog"},
      {"Res5Col", "First open of Calc5Band / empty QDialog"},
      {"About", "First open of AA (About) / empty QDialog"}};
  for (const auto& [what, figure] : figures)
    PrintRatio(figure, opens[what], opens["EmptyDialog"], "ms", kFirstOpenLimit);
  const Samples& selectors = opens["SelectorsDialog"];
  const Samples& empty = opens["EmptyDialog"];
  PrintRow("First open of a QDialog with only Calc4Band's 8 band lists / empty QDialog",
           selectors.failed || empty.failed || empty.MedianValue() <= 0
               ? "not measured"
               : Fixed(selectors.MedianValue() / empty.MedianValue(), 2) + " x (" +
                     Fixed(selectors.MedianValue(), 1) + " ms)",
           "-", "info");
}

void RunSwitch(const Programs& p) {
  Measure({p.gui, "first-switch"});
  Samples settled, painted;
  for (int i = 0; i < p.runs; ++i) {
    auto report = Run({p.gui, "first-switch"}, {kOffscreen}, "MEASURE");
    const bool ok = report && report->fields.count("ns") && report->fields.count("painted_ns");
    settled.Add(ok ? std::optional<double>(static_cast<double>(report->fields["ns"]) / 1e6)
                   : std::nullopt);
    painted.Add(ok ? std::optional<double>(static_cast<double>(report->fields["painted_ns"]) / 1e6)
                   : std::nullopt);
  }
  const double ms = settled.MedianValue();
  PrintRow("Language switch, first in a fresh process",
           settled.failed ? "not measured" : Fixed(ms, 2) + " ms",
           "<= " + Fixed(kSwitchLimitMs, 0) + " ms",
           settled.failed ? "FAIL" : Verdict(ms, kSwitchLimitMs));
  PrintRow("Language switch, first in a fresh process, with repaint",
           painted.failed ? "not measured" : Fixed(painted.MedianValue(), 2) + " ms", "-", "info");
}

void RunMemory(const Programs& p) {
  for (const char* mode : {"start", "windows"}) {
    Probe(p.program, mode);
    const ThreeWay memory = Alternate(p, [mode](const std::string& exe) {
      const auto sample = Probe(exe, mode);
      return sample ? std::optional<double>(sample->second / 1024) : std::nullopt;
    });
    const bool start = std::strcmp(mode, "start") == 0;
    PrintRatio(start ? "Peak memory after start / minimal Qt program"
                     : "Peak memory after every window opened / minimal Qt program",
               memory.program, memory.minimal, "MB", kMemoryLimit);
    if (start)
      PrintFloor("Peak memory of the Qt floor / minimal", memory, "MB");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr,
                 "usage: process_bench startup|switch|memory PROGRAM MINIMAL FLOOR GUI_BENCH "
                 "RUNS\n");
    return 2;
  }
  const std::string mode = argv[1];
  const Programs programs{argv[2], argv[3], argv[4], argv[5], std::max(15, std::atoi(argv[6]))};
  if (mode == "startup") {
    RunStartup(programs);
  } else if (mode == "switch") {
    RunSwitch(programs);
  } else if (mode == "memory") {
    RunMemory(programs);
  } else {
    std::fprintf(stderr, "process_bench: unknown mode %s\n", mode.c_str());
    return 2;
  }
  return 0;
}
