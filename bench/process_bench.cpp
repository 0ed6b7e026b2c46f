// The measurements that need a fresh process per sample: start-up, the first
// opening of each window, the first language switch and peak memory. Each
// figure is measured side by side with its yardstick in the same run, the
// two alternating sample by sample, and compared as a ratio of medians. The
// programs run on the display users run, X11 through Qt's xcb plugin, each
// on an Xvfb of its own (x_display.h); the language switch and the memory
// against the one-label program run offscreen, as they always have.
//
//   process_bench census|startup|opens|switch|memory NAME=PATH... runs=N
//     census   each window's census (census.h) against its floor's, offscreen
//     startup  from exec until the first window is mapped (and, for
//              information, until its first frame has reached the server),
//              measured from outside: the program against its main-window
//              floor and against the peer, the one-label program beside them
//     opens    the first opening of each secondary window in a running
//              process, against the same window's floor in a running floor
//     switch   the first language switch of a fresh process
//     memory   peak memory after start and after every window was opened,
//              against the floor doing the same, and after start against the
//              one-label program
// NAME is one of program (the shipped program), probe (the program with the
// start-up probe), floor, minimal (the one-label program), peer and gui
// (gui_bench). Every figure takes N samples (at least 15) of each side after
// one untimed warm-up.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "bench/x_display.h"

extern char** environ;

namespace {

using namespace kalvane::bench;

constexpr double kStartupFloorLimit = 1.05;
constexpr double kStartupPeerLimit = 0.5;
constexpr double kFirstOpenLimit = 1.10;
constexpr double kMemoryFloorLimit = 1.05;
constexpr double kMemoryMinimalLimit = 1.3;
constexpr double kSwitchLimitMs = 20.0;

// A child that has not reported by then is stopped and its sample lost.
constexpr std::int64_t kChildTimeoutNs = 60'000'000'000;

struct Programs {
  std::map<std::string, std::string> paths;
  int runs = 15;
  const std::string& operator[](const std::string& name) const { return paths.at(name); }
};

// The environment every child gets before this process's own: a home of its
// own for the run (so the peer keeps its settings there, not in the user's),
// and the platform.
std::vector<std::string> g_baseEnv;

std::vector<std::string> Environment(const std::vector<std::string>& extra) {
  std::vector<std::string> env(extra);
  env.insert(env.end(), g_baseEnv.begin(), g_baseEnv.end());
  for (char** e = environ; *e; ++e)
    env.emplace_back(*e);
  return env;
}

// Starts `argv` with `env`, its stdout into `stdoutFd` (or /dev/null when -1)
// and its stderr into /dev/null. -1 on failure.
pid_t Spawn(const std::vector<std::string>& argv, std::vector<std::string> env, int stdoutFd,
            int closeFd) {
  std::vector<char*> envp, args;
  for (std::string& s : env)
    envp.push_back(s.data());
  envp.push_back(nullptr);
  std::vector<std::string> argText(argv);
  for (std::string& s : argText)
    args.push_back(s.data());
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (stdoutFd >= 0) {
    posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, stdoutFd);
  } else {
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  }
  if (closeFd >= 0)
    posix_spawn_file_actions_addclose(&actions, closeFd);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    std::fprintf(stderr, "process_bench: cannot start %s\n", argv[0].c_str());
    return -1;
  }
  return pid;
}

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

// Runs `argv` with `extraEnv` and reads its stdout up to the first line that
// starts with `tag`. Nothing on failure.
std::optional<ChildReport> Run(const std::vector<std::string>& argv,
                               const std::vector<std::string>& extraEnv, const std::string& tag) {
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0)
    return std::nullopt;
  const std::vector<std::string> env = Environment(extraEnv);
  ChildReport report;
  report.spawnedNs = MonotonicNs();
  const pid_t pid = Spawn(argv, env, pipeEnds[1], pipeEnds[0]);
  close(pipeEnds[1]);
  if (pid < 0) {
    close(pipeEnds[0]);
    return std::nullopt;
  }
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

// One X display per program, started when the program first needs one.
class Displays {
 public:
  XDisplay& For(const std::string& program) {
    auto& display = displays_[program];
    if (!display)
      display = std::make_unique<XDisplay>();
    return *display;
  }
  std::vector<std::string> XcbEnv(const std::string& program) {
    return {"DISPLAY=" + For(program).Name(), "QT_QPA_PLATFORM=xcb"};
  }

 private:
  std::map<std::string, std::unique_ptr<XDisplay>> displays_;
};
Displays g_displays;

const std::vector<std::string> kOffscreen = {"QT_QPA_PLATFORM=offscreen"};

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
  bool Usable() const { return !failed && MedianValue() > 0; }
};

// From exec of `program` until its first window is mapped, and until that
// window's first frame, in ms; the program is then ended.
struct StartSample {
  double mappedMs = 0, paintedMs = 0;
};
std::optional<StartSample> StartOnX(const std::string& name, const std::string& path) {
  XDisplay& display = g_displays.For(name);
  if (!display.IsReady()) {
    std::fprintf(stderr, "process_bench: no X display for %s\n", name.c_str());
    return std::nullopt;
  }
  display.Drain();
  const std::vector<std::string> env = Environment(g_displays.XcbEnv(name));
  const std::int64_t spawned = MonotonicNs();
  const pid_t pid = Spawn({path}, env, -1, -1);
  if (pid < 0)
    return std::nullopt;
  const auto window = display.WaitForWindow(spawned + kChildTimeoutNs, true);
  kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!window || window->paintedNs == 0) {
    std::fprintf(stderr, "process_bench: %s showed no window\n", path.c_str());
    return std::nullopt;
  }
  display.WaitForDestroy(window->id, MonotonicNs() + 5'000'000'000);
  return StartSample{static_cast<double>(window->mappedNs - spawned) / 1e6,
                     static_cast<double>(window->paintedNs - spawned) / 1e6};
}

std::string Ratio(const Samples& measured, const Samples& yardstick, const std::string& unit) {
  return Fixed(measured.MedianValue() / yardstick.MedianValue(), 2) + " x (" +
         Fixed(measured.MedianValue(), 1) + " " + unit + " vs " +
         Fixed(yardstick.MedianValue(), 1) + " " + unit + ")";
}

void PrintRatio(const std::string& figure, const Samples& measured, const Samples& yardstick,
                const std::string& unit, double limit) {
  const std::string target = "<= " + Fixed(limit, 2) + " x";
  if (!measured.Usable() || !yardstick.Usable()) {
    PrintRow(figure, "not measured", target, "FAIL");
    return;
  }
  PrintRow(figure, Ratio(measured, yardstick, unit), target,
           Verdict(measured.MedianValue() / yardstick.MedianValue(), limit));
}

void PrintInfoRatio(const std::string& figure, const Samples& measured, const Samples& yardstick,
                    const std::string& unit) {
  PrintRow(
      figure,
      measured.Usable() && yardstick.Usable() ? Ratio(measured, yardstick, unit) : "not measured",
      "-", "info");
}

// `runs` rounds over `names`, the first of each round moving on by one, so
// that no side always goes first.
void Alternate(const std::vector<std::string>& names, int runs,
               const std::function<void(const std::string&)>& sample) {
  for (int i = 0; i < runs; ++i) {
    for (std::size_t turn = 0; turn < names.size(); ++turn)
      sample(names[(turn + static_cast<std::size_t>(i)) % names.size()]);
  }
}

void RunStartup(const Programs& p) {
  const std::vector<std::string> names = {"program", "floor", "minimal", "peer"};
  for (const std::string& name : names)
    StartOnX(name, p[name]);  // warm-up
  std::map<std::string, Samples> mapped, painted;
  Alternate(names, p.runs, [&](const std::string& name) {
    const auto sample = StartOnX(name, p[name]);
    mapped[name].Add(sample ? std::optional(sample->mappedMs) : std::nullopt);
    painted[name].Add(sample ? std::optional(sample->paintedMs) : std::nullopt);
  });
  PrintRatio("Start-up, xcb, exec to main window mapped / main-window floor", mapped["program"],
             mapped["floor"], "ms", kStartupFloorLimit);
  PrintRatio("Start-up, xcb, exec to main window mapped / SpeedCrunch", mapped["program"],
             mapped["peer"], "ms", kStartupPeerLimit);
  PrintInfoRatio("Start-up, xcb, exec to first frame drawn / main-window floor", painted["program"],
                 painted["floor"], "ms");
  PrintInfoRatio("Start-up, xcb, exec to first frame drawn / SpeedCrunch", painted["program"],
                 painted["peer"], "ms");
  PrintInfoRatio("Start-up, xcb, main-window floor mapped / one-label Qt program", mapped["floor"],
                 mapped["minimal"], "ms");
}

std::optional<double> Measure(const std::vector<std::string>& argv,
                              const std::vector<std::string>& env, const char* field = "ns") {
  auto report = Run(argv, env, "MEASURE");
  if (!report || !report->fields.count(field))
    return std::nullopt;
  return static_cast<double>(report->fields[field]) / 1e6;
}

void RunOpens(const Programs& p) {
  const std::pair<const char*, const char*> windows[] = {
      {"Res4Col", "Calc4Band"}, {"Res5Col", "Calc5Band"},  {"Res6Col", "Calc6Band"},
      {"ResSmd", "SmdCode"},    {"ResDiv", "DividerCalc"}, {"About", "AA (About)"}};
  for (const auto& [action, figure] : windows) {
    for (const char* side : {"gui", "floor"})
      Measure({p[side], "first-open", action}, g_displays.XcbEnv(side));
    std::map<std::string, Samples> opens;
    Alternate({"gui", "floor"}, p.runs, [&](const std::string& side) {
      opens[side].Add(Measure({p[side], "first-open", action}, g_displays.XcbEnv(side)));
    });
    PrintRatio(std::string("First open, xcb, of ") + figure + " / its floor", opens["gui"],
               opens["floor"], "ms", kFirstOpenLimit);
  }
}

// The census lines of `window` printed by `program`, or nothing.
std::optional<std::vector<std::string>> CensusOf(const std::string& program,
                                                 const std::string& window) {
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0)
    return std::nullopt;
  const pid_t pid =
      Spawn({program, "census", window}, Environment(kOffscreen), pipeEnds[1], pipeEnds[0]);
  close(pipeEnds[1]);
  std::string text;
  char chunk[4096];
  for (ssize_t got; pid >= 0 && (got = read(pipeEnds[0], chunk, sizeof chunk)) > 0;)
    text.append(chunk, static_cast<std::size_t>(got));
  close(pipeEnds[0]);
  int status = 0;
  if (pid >= 0)
    waitpid(pid, &status, 0);
  std::vector<std::string> lines;
  std::istringstream stream(text);
  bool ended = false;
  for (std::string line; std::getline(stream, line);) {
    if (line == "CENSUS-END")
      ended = true;
    else if (line.rfind("CENSUS", 0) == 0)
      lines.push_back(line);
  }
  if (!ended)
    return std::nullopt;
  return lines;
}

void RunCensus(const Programs& p) {
  for (const char* window :
       {"Main", "Res4Col", "Res5Col", "Res6Col", "ResSmd", "ResDiv", "About"}) {
    const auto program = CensusOf(p["gui"], window);
    const auto floor = CensusOf(p["floor"], window);
    std::string value = "not taken";
    if (program && floor) {
      std::size_t widgets = 0;
      std::vector<std::string> differing;  // the names of the widgets that differ
      bool pixels = false;
      for (const std::string& line : *program) {
        const bool same = std::find(floor->begin(), floor->end(), line) != floor->end();
        if (line.rfind("CENSUS-PIXELS", 0) == 0) {
          pixels = same;
          continue;
        }
        ++widgets;
        if (!same) {
          std::istringstream words(line);
          std::string tag, kind, name;
          words >> tag >> kind >> name;
          differing.push_back(name);
          std::fprintf(stderr, "census %s: the floor has no %s\n", window, line.c_str());
        }
      }
      std::string names;
      for (const std::string& name : differing)
        names += (names.empty() ? "" : " ") + name;
      value = std::to_string(widgets) + " widgets, " +
              (differing.empty() && program->size() == floor->size()
                   ? std::string("all the same")
                   : std::to_string(differing.size()) + " differ (" + names + ")") +
              (pixels ? "; pixels the same" : "; pixels differ");
    }
    PrintRow(std::string("Census of ") + window + " against its floor", value, "-", "info");
  }
}

void RunSwitch(const Programs& p) {
  Measure({p["gui"], "first-switch"}, kOffscreen);
  Samples settled, painted;
  for (int i = 0; i < p.runs; ++i) {
    auto report = Run({p["gui"], "first-switch"}, kOffscreen, "MEASURE");
    const bool ok = report && report->fields.count("ns") && report->fields.count("painted_ns");
    settled.Add(ok ? std::optional(static_cast<double>(report->fields["ns"]) / 1e6) : std::nullopt);
    painted.Add(ok ? std::optional(static_cast<double>(report->fields["painted_ns"]) / 1e6)
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

// Peak resident memory in MB of `program` run with the start-up probe in
// `mode` ("start" or "windows").
std::optional<double> PeakMb(const std::string& program, const std::vector<std::string>& env,
                             const char* mode) {
  std::vector<std::string> withProbe(env);
  withProbe.push_back(std::string("KALVANE_BENCH_PROBE=") + mode);
  auto report = Run({program}, withProbe, "PROBE");
  if (!report || !report->fields.count("peak_kb"))
    return std::nullopt;
  return static_cast<double>(report->fields["peak_kb"]) / 1024;
}

void RunMemory(const Programs& p) {
  // The yardstick as it has always been: offscreen, after start.
  {
    PeakMb(p["probe"], kOffscreen, "start");
    std::map<std::string, Samples> memory;
    Alternate({"probe", "minimal"}, p.runs, [&](const std::string& side) {
      memory[side].Add(PeakMb(p[side], kOffscreen, "start"));
    });
    PrintRatio("Peak memory after start, offscreen / one-label Qt program", memory["probe"],
               memory["minimal"], "MB", kMemoryMinimalLimit);
  }
  for (const char* mode : {"start", "windows"}) {
    for (const char* side : {"probe", "floor"})
      PeakMb(p[side], g_displays.XcbEnv(side), mode);
    std::map<std::string, Samples> memory;
    Alternate({"probe", "floor"}, p.runs, [&](const std::string& side) {
      memory[side].Add(PeakMb(p[side], g_displays.XcbEnv(side), mode));
    });
    PrintRatio(std::strcmp(mode, "start") == 0
                   ? "Peak memory after start, xcb / main-window floor"
                   : "Peak memory after every window opened, xcb / the floors",
               memory["probe"], memory["floor"], "MB", kMemoryFloorLimit);
  }
}

// A home of its own for the run's children, removed at the end.
class RunHome {
 public:
  RunHome() {
    char pattern[] = "/tmp/kalvane-bench-XXXXXX";
    if (mkdtemp(pattern)) {
      path_ = pattern;
      g_baseEnv = {"HOME=" + path_, "XDG_CONFIG_HOME=" + path_ + "/config",
                   "XDG_DATA_HOME=" + path_ + "/data", "XDG_CACHE_HOME=" + path_ + "/cache",
                   "XDG_RUNTIME_DIR=" + path_};
    }
  }
  ~RunHome() {
    if (!path_.empty())
      std::system(("rm -rf '" + path_ + "'").c_str());
  }

 private:
  std::string path_;
};

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  Programs programs;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    const std::size_t equals = arg.find('=');
    if (equals == std::string::npos)
      continue;
    if (arg.substr(0, equals) == "runs") {
      programs.runs = std::max(15, std::atoi(arg.c_str() + equals + 1));
    } else {
      programs.paths[arg.substr(0, equals)] = arg.substr(equals + 1);
    }
  }
  const std::map<std::string, std::vector<std::string>> needs = {
      {"census", {"gui", "floor"}},
      {"startup", {"program", "floor", "minimal", "peer"}},
      {"opens", {"gui", "floor"}},
      {"switch", {"gui"}},
      {"memory", {"probe", "floor", "minimal"}}};
  const auto wanted = needs.find(mode);
  if (wanted == needs.end()) {
    std::fprintf(stderr,
                 "usage: process_bench census|startup|opens|switch|memory NAME=PATH... "
                 "runs=N\n");
    return 2;
  }
  for (const std::string& name : wanted->second) {
    if (!programs.paths.count(name)) {
      std::fprintf(stderr, "process_bench: %s needs %s=PATH\n", mode.c_str(), name.c_str());
      return 2;
    }
  }
  RunHome home;
  if (mode == "census") {
    RunCensus(programs);
  } else if (mode == "startup") {
    RunStartup(programs);
  } else if (mode == "opens") {
    RunOpens(programs);
  } else if (mode == "switch") {
    RunSwitch(programs);
  } else {
    RunMemory(programs);
  }
  return 0;
}
