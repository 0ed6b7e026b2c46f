// Speed of the calculation layer, in ns per call, with Google Benchmark:
// the LED calculation, both number-text directions and the typed-value
// conversion driven through the core's window model. A plain std::to_chars
// of the same doubles runs alongside as the limit NumberToText is held to.
// Every benchmark is repeated and its median taken; the table rows are
// printed at the end in run.sh's format.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <string_view>

#include "bench/bench_support.h"
#include "core/colour_window_model.h"
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
  return 0;
}
