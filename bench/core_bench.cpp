// Speed of the calculation layer, in ns per call, with Google Benchmark:
// the LED calculation, both number-text directions and the typed-value
// conversion driven through the core's window model. A plain std::to_chars
// of the same doubles runs alongside as the limit NumberToText is held to.
// Every benchmark is repeated and its median taken; the table rows are
// printed at the end in run.sh's format. The divider / regulator window's
// search is timed per keystroke instead, over random targets at E192, as
// median, 95th percentile and worst.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <string_view>

#include "bench/bench_support.h"
#include "core/colour_window_model.h"
#include "core/divider_model.h"
#include "core/led_circuit.h"
#include "core/number_text.h"

namespace {

using namespace kalvane;

// Values of the kind the panel writes: results, rounded intermediates,
// both notations, a long mantissa.
constexpr std::array kValues = {50.0,   220.0, 2.2,   0.02,    47000.0,    0.0001,
                                1.5e16, 1e-5,  -0.25, 1.0 / 3, 89000000.0, 123.456789012345};
constexpr std::array<std::string_view, 12> kTexts = {"12",       "5",
                                                     "2.2",      "20",
                                                     "0.0001",   "1.5E+16",
                                                     "1E-05",    "  -0.25",
                                                     "47000",    "0.333333333333333",
                                                     "89000000", "123.456789012345"};

void BM_ToChars(benchmark::State& state) {
  std::array<char, 64> buffer{};
  for (auto _ : state) {
    for (double value : kValues) {
      auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
      benchmark::DoNotOptimize(result.ptr);
      benchmark::ClobberMemory();
    }
  }
  state.counters["calls"] = static_cast<double>(kValues.size());
}
BENCHMARK(BM_ToChars);

void BM_NumberToText(benchmark::State& state) {
  for (auto _ : state) {
    for (double value : kValues) {
      std::string text = NumberToText(value);
      benchmark::DoNotOptimize(text.data());
      benchmark::ClobberMemory();
    }
  }
  state.counters["calls"] = static_cast<double>(kValues.size());
}
BENCHMARK(BM_NumberToText);

void BM_TextToNumber(benchmark::State& state) {
  for (auto _ : state) {
    for (std::string_view text : kTexts) {
      double value = TextToNumber(text);
      benchmark::DoNotOptimize(value);
    }
  }
  state.counters["calls"] = static_cast<double>(kTexts.size());
}
BENCHMARK(BM_TextToNumber);

struct LedCase {
  LedArrangement arrangement;
  LedCalcMode mode;
  std::string_view vtdc, count, vLed, aLed;
};
// The designed example in every mode, in series and in parallel.
constexpr std::array<LedCase, 6> kLedCases = {{
    {LedArrangement::Series, LedCalcMode::Resis, "12", "5", "2.2", "20"},
    {LedArrangement::Series, LedCalcMode::Volt, "12", "5", "50", "20"},
    {LedArrangement::Series, LedCalcMode::Amp, "12", "5", "2.2", "50"},
    {LedArrangement::Parallel, LedCalcMode::Resis, "12", "5", "2.2", "20"},
    {LedArrangement::Parallel, LedCalcMode::Volt, "12", "5", "50", "20"},
    {LedArrangement::Parallel, LedCalcMode::Amp, "12", "5", "2.2", "50"},
}};

void BM_CalculateLedCircuit(benchmark::State& state) {
  const LanguageWords& words = kPersianWords;
  for (auto _ : state) {
    for (const LedCase& c : kLedCases) {
      LedCalcResult result =
          CalculateLedCircuit(c.arrangement, c.mode, c.vtdc, c.count, c.vLed, c.aLed, words);
      benchmark::DoNotOptimize(result);
      benchmark::ClobberMemory();
    }
  }
  state.counters["calls"] = static_cast<double>(kLedCases.size());
}
BENCHMARK(BM_CalculateLedCircuit);

// The worked key sequences of each window, each typed into an emptied box
// with 1 Ohm selected.
constexpr std::array<std::string_view, 7> kFourBandSequences = {"4",   "47",  "470", "47000000",
                                                                "475", "4.7", "0.47"};
constexpr std::array<std::string_view, 6> kFiveBandSequences = {"4",    "47",   "470",
                                                                "4705", "4.75", "47.5"};

// One call is one change of the box's text, which runs ApplyTypedValue and
// everything it nests: the typed keys and the two resets before each sequence.
template <typename Sequences>
void TypeSequences(benchmark::State& state, WindowKind kind, const Sequences& sequences) {
  ColourWindowModel window(kind);
  double changes = 0;
  for (std::string_view keys : sequences)
    changes += 2 + static_cast<double>(keys.size());
  for (auto _ : state) {
    for (std::string_view keys : sequences) {
      window.SetText("1");
      window.SetText("");
      for (char key : keys)
        window.Type(key);
    }
    benchmark::DoNotOptimize(window.Positions());
  }
  state.counters["calls"] = changes;
}
void BM_ApplyTypedValue4(benchmark::State& state) {
  TypeSequences(state, WindowKind::FourBand, kFourBandSequences);
}
void BM_ApplyTypedValue5(benchmark::State& state) {
  TypeSequences(state, WindowKind::FiveBand, kFiveBandSequences);
}
BENCHMARK(BM_ApplyTypedValue4);
BENCHMARK(BM_ApplyTypedValue5);

// Keeps the median of every benchmark, in CPU ns per call.
class MedianCollector : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> nsPerCall;

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
      if (!median && !single)
        continue;
      const auto calls = run.counters.find("calls");
      // CPU time: the machines these run on are shared, and the code under
      // test is single-threaded.
      const double perIteration =
          run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
      nsPerCall[run.run_name.function_name] =
          perIteration / (calls == run.counters.end() ? 1.0 : calls->second.value);
    }
  }
};

// This thread's CPU time in ns: like the benchmarks above, the keystrokes
// are timed in CPU time, so that other work on a shared machine does not
// count as theirs.
std::int64_t ThreadCpuNs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// One keystroke of the divider / regulator window at E192: the model reads
// the box and searches again. The ranges are as wide as the series, so
// every R1 meets every R2 (the most work a keystroke can cause); each
// target is a log-uniform random output written to four digits.
void PrintDividerKeystrokeRows() {
  constexpr int kTargets = 1000;
  constexpr double kLimitMs = 5.0;
  using Box = DividerModel::Box;
  for (const bool regulator : {false, true}) {
    DividerModel model;
    model.SetSeries(StandardSeries::E192);
    const Box box = regulator ? Box::RegulatorVout : Box::Target;
    if (regulator) {
      model.SetMode(DividerModel::Mode::Regulator);
      for (const auto& [range, text] : {std::pair{Box::R1Min, "1"},
                                        {Box::R1Max, "10M"},
                                        {Box::R2Min, "1"},
                                        {Box::R2Max, "10M"}})
        model.Edit(range, text);
    } else {
      model.Edit(Box::Vin, "24");
      model.Edit(Box::TotalMin, "1");
      model.Edit(Box::TotalMax, "20M");
    }
    std::mt19937 random(regulator ? 317 : 24);
    std::uniform_real_distribution<double> exponent(std::log(regulator ? 1.3 : 0.01),
                                                    std::log(regulator ? 40.0 : 23.9));
    std::vector<double> ms;
    std::size_t found = 0;
    for (int i = 0; i < kTargets; ++i) {
      char text[32];
      const auto end = std::to_chars(text, text + sizeof text, std::exp(exponent(random)),
                                     std::chars_format::general, 4)
                           .ptr;
      const std::int64_t start = ThreadCpuNs();
      model.Edit(box, std::string_view(text, static_cast<std::size_t>(end - text)));
      ms.push_back(static_cast<double>(ThreadCpuNs() - start) / 1e6);
      found += model.Pairs() ? model.Pairs()->size() : 0;
    }
    if (found != kTargets * kDividerResultCount)
      std::fprintf(stderr, "core_bench: a divider search found too few pairs\n");
    std::sort(ms.begin(), ms.end());
    const double median = bench::Median(ms);
    const double p95 = ms[ms.size() * 95 / 100];
    bench::PrintRow(std::string("Core: ") + (regulator ? "regulator" : "divider") +
                        " search at E192, one keystroke, CPU (median / p95 / worst of " +
                        std::to_string(kTargets) + " targets)",
                    bench::Fixed(median, 3) + " / " + bench::Fixed(p95, 3) + " / " +
                        bench::Fixed(ms.back(), 3) + " ms",
                    "worst <= " + bench::Fixed(kLimitMs, 0) + " ms",
                    bench::Verdict(ms.back(), kLimitMs));
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 2;
  MedianCollector collector;
  // The benchmark's own report goes to stderr; stdout carries only the rows.
  collector.SetOutputStream(&std::cerr);
  collector.SetErrorStream(&std::cerr);
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::Shutdown();

  using kalvane::bench::Fixed;
  using kalvane::bench::PrintRow;
  auto& ns = collector.nsPerCall;
  if (!ns.count("BM_ToChars") || !ns.count("BM_NumberToText")) {
    std::fprintf(stderr, "core_bench: a benchmark did not run\n");
    return 1;
  }
  const double limit = ns["BM_ToChars"];
  const double ratio = ns["BM_NumberToText"] / limit;
  PrintRow("Core: NumberToText / std::to_chars(double)",
           Fixed(ratio, 2) + " x (" + Fixed(ns["BM_NumberToText"], 1) + " ns vs " +
               Fixed(limit, 1) + " ns)",
           "<= 3 x", kalvane::bench::Verdict(ratio, 3.0));
  auto info = [&](const char* figure, const char* name) {
    if (ns.count(name))
      PrintRow(figure, Fixed(ns[name], 1) + " ns/call", "-", "info");
  };
  info("Core: TextToNumber", "BM_TextToNumber");
  info("Core: CalculateLedCircuit", "BM_CalculateLedCircuit");
  info("Core: ApplyTypedValue, 4-band (ColourWindowModel)", "BM_ApplyTypedValue4");
  info("Core: ApplyTypedValue, 5-band (ColourWindowModel)", "BM_ApplyTypedValue5");
  PrintDividerKeystrokeRows();
  return 0;
}
