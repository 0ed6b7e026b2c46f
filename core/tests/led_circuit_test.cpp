#include "core/led_circuit.h"

#include <gtest/gtest.h>

#include "core/tests/row_name.h"

#include <ostream>

namespace kalvane {
namespace {

using Arr = LedArrangement;
using Mode = LedCalcMode;
using Outcome = LedCalcOutcome;

const LanguageWords& kEnglish = kEnglishWords;
const LanguageWords& kPersian = kPersianWords;

// One calculation and every text it must return; nullptr marks an absent text.
struct CircuitRow {
  const char* name;
  Arr arrangement;
  Mode mode;
  const char* vtdc;
  const char* ledCount;
  const char* vLed;
  const char* aLed;
  Outcome outcome;
  const char* resis = nullptr;
  const char* wat = nullptr;
  const char* rating = nullptr;
  const char* larger = nullptr;
  const char* smaller = nullptr;
  const char* diagram = nullptr;
  bool persian = false;
};

void PrintTo(const CircuitRow& row, std::ostream* os) {
  *os << row.name;
}

void ExpectText(const std::optional<std::string>& actual, const char* expected, const char* field) {
  SCOPED_TRACE(field);
  if (expected) {
    ASSERT_TRUE(actual.has_value());
    EXPECT_EQ(*actual, expected);
  } else {
    EXPECT_FALSE(actual.has_value()) << "unexpected text: " << *actual;
  }
}

void ExpectResult(const CircuitRow& row) {
  LedCalcResult r = CalculateLedCircuit(row.arrangement, row.mode, row.vtdc, row.ledCount, row.vLed,
                                        row.aLed, row.persian ? kPersian : kEnglish);
  EXPECT_EQ(r.outcome, row.outcome);
  ExpectText(r.resisText, row.resis, "resisText");
  ExpectText(r.watText, row.wat, "watText");
  ExpectText(r.ratingText, row.rating, "ratingText");
  ExpectText(r.largerText, row.larger, "largerText");
  ExpectText(r.smallerText, row.smaller, "smallerText");
  ExpectText(r.diagramText, row.diagram, "diagramText");
}

class LedCircuitTest : public testing::TestWithParam<CircuitRow> {};
TEST_P(LedCircuitTest, ReturnsEveryResultText) {
  ExpectResult(GetParam());
}

// The designed examples, digit for digit.
INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, LedCircuitTest,
    testing::Values(
        CircuitRow{"SeriesResisDefaults", Arr::Series, Mode::Resis, "12", "5", "2.2", "20",
                   Outcome::Done, "50", "220", "1/4 W", "51 Ohm  (Larger)", "47 Ohm  (Smaller)",
                   "R : 50 Ohm"},
        CircuitRow{"SeriesResisDefaultsPersian", Arr::Series, Mode::Resis, "12", "5", "2.2", "20",
                   Outcome::Done, "50", "220", "1/4 وات", "51 اهم  (بزرگتر)", "47 اهم  (کوچکتر)",
                   "R : 50 Ohm", true},
        // The larger standard value is shown as the resistor (R is 98); the
        // captions are filled from R as in series.
        CircuitRow{"ParallelResisShowsLargerStandard", Arr::Parallel, Mode::Resis, "12", "5", "2.2",
                   "20", Outcome::Done, "100", "220", "1 W", "100 Ohm  (Larger)",
                   "91 Ohm  (Smaller)", "R : 100 Ohm"},
        CircuitRow{"SeriesVolt", Arr::Series, Mode::Volt, "12", "5", "50", "20", Outcome::Done,
                   "2.2", "220", "1/4 W", nullptr, nullptr, "R : 50 Ohm"},
        CircuitRow{"SeriesAmp", Arr::Series, Mode::Amp, "12", "5", "2.2", "50", Outcome::Done, "20",
                   "220", "1/4 W", nullptr, nullptr, "R : 50 Ohm"},
        CircuitRow{"ParallelVolt", Arr::Parallel, Mode::Volt, "12", "5", "50", "20", Outcome::Done,
                   "7", "700", "1/2 W", nullptr, nullptr, "R : 50 Ohm"},
        CircuitRow{"ParallelAmp", Arr::Parallel, Mode::Amp, "12", "5", "2.2", "50", Outcome::Done,
                   "39.2", "431.2", "2 W", nullptr, nullptr, "R : 50 Ohm"},
        CircuitRow{"ParallelAmpPersian", Arr::Parallel, Mode::Amp, "12", "5", "2.2", "50",
                   Outcome::Done, "39.2", "431.2", "2 وات", nullptr, nullptr, "R : 50 Ohm", true},
        CircuitRow{"ExactTableEntryIsBothNeighbours", Arr::Series, Mode::Resis, "10", "1", "0.6",
                   "200", Outcome::Done, "47", "120", "2 W", "47 Ohm  (Larger)",
                   "47 Ohm  (Smaller)", "R : 47 Ohm"},
        CircuitRow{"BelowTableHasNoSmaller", Arr::Series, Mode::Resis, "3", "1", "2.9", "200",
                   Outcome::Done, "0.5", "580", "1/4 W", "1.0 Ohm  (Larger)", nullptr,
                   "R : 0.5 Ohm"},
        CircuitRow{"AboveTableHasNoLarger", Arr::Series, Mode::Resis, "100", "5", "2.2", "0.001",
                   Outcome::Done, "89000000", "0.011", "1/4 W", nullptr, "10000000 Ohm  (Smaller)",
                   "R : 89000000 Ohm"},
        CircuitRow{"NegativeResistorCarriedThrough", Arr::Series, Mode::Resis, "5", "3", "2.2",
                   "20", Outcome::Done, "-80", "132", "1/4 W", "1.0 Ohm  (Larger)", nullptr,
                   "R : -80 Ohm"},
        CircuitRow{"ResistorExactlyAsTypedInDiagram", Arr::Series, Mode::Volt, "12", "5", "50.",
                   "20", Outcome::Done, "2.2", "220", "1/4 W", nullptr, nullptr, "R : 50. Ohm"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    LimitCheck, LedCircuitTest,
    testing::Values(
        CircuitRow{"SeriesVoltZeroIsBelowLimit", Arr::Series, Mode::Volt, "12", "5", "600", "20",
                   Outcome::BelowLimit, "Error", "Error", "Error"},
        CircuitRow{"SeriesVoltBelowLimitPersian", Arr::Series, Mode::Volt, "12", "5", "600", "20",
                   Outcome::BelowLimit, "خطا", "خطا", "خطا", nullptr, nullptr, nullptr, true},
        CircuitRow{"SeriesAmpExactlyAtLimitPasses", Arr::Series, Mode::Amp, "12", "5", "2.2",
                   "1000", Outcome::Done, "1", "11", "1/4 W", nullptr, nullptr, "R : 1000 Ohm"},
        CircuitRow{"ParallelAmpNegativeIsBelowLimit", Arr::Parallel, Mode::Amp, "2", "5", "3", "50",
                   Outcome::BelowLimit, "Error", "Error", "Error"},
        CircuitRow{"ParallelVoltNegativeIsBelowLimit", Arr::Parallel, Mode::Volt, "12", "5", "5000",
                   "20", Outcome::BelowLimit, "Error", "Error", "Error"},
        // The resistor modes have no limit check.
        CircuitRow{"ResisModeHasNoLimit", Arr::Series, Mode::Resis, "11", "5", "2.2", "20",
                   Outcome::Done, "0", "220", "1/4 W", "1.0 Ohm  (Larger)", nullptr, "R : 0 Ohm"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Validation, LedCircuitTest,
    testing::Values(CircuitRow{"EmptySupply", Arr::Series, Mode::Resis, "", "5", "2.2", "20",
                               Outcome::InvalidInput},
                    CircuitRow{"EmptyCurrent", Arr::Parallel, Mode::Amp, "12", "5", "2.2", "",
                               Outcome::InvalidInput},
                    CircuitRow{"LonePointCount", Arr::Series, Mode::Volt, "12", ".", "50", "20",
                               Outcome::InvalidInput},
                    // Not wholly a number: refused instead of computed from its leading part.
                    CircuitRow{"SecondPoint", Arr::Series, Mode::Resis, "1.2.3", "5", "2.2", "20",
                               Outcome::InvalidInput},
                    CircuitRow{"TrailingLetter", Arr::Series, Mode::Resis, "12a", "5", "2.2", "20",
                               Outcome::InvalidInput},
                    CircuitRow{"PastedWord", Arr::Parallel, Mode::Resis, "12", "5", "abc", "20",
                               Outcome::InvalidInput},
                    CircuitRow{"PointAfterDigitsIsANumber", Arr::Series, Mode::Resis, "12.", "5",
                               "2.2", "20", Outcome::Done, "50", "220", "1/4 W", "51 Ohm  (Larger)",
                               "47 Ohm  (Smaller)", "R : 50 Ohm"},
                    CircuitRow{"PointBeforeDigitsIsANumber", Arr::Series, Mode::Resis, "12", "5",
                               "2.2", ".5", Outcome::Done, "2000", "5.5", "1/4 W",
                               "2000 Ohm  (Larger)", "2000 Ohm  (Smaller)", "R : 2000 Ohm"},
                    CircuitRow{"BlanksAroundANumber", Arr::Series, Mode::Resis, " 12 ", "5", "2.2",
                               "20", Outcome::Done, "50", "220", "1/4 W", "51 Ohm  (Larger)",
                               "47 Ohm  (Smaller)", "R : 50 Ohm"}),
    RowName());

// A zero divisor or an overflow has no finite answer: the fields get the
// error word, never "inf" or "nan".
INSTANTIATE_TEST_SUITE_P(
    NoFiniteResult, LedCircuitTest,
    testing::Values(CircuitRow{"SeriesResisZeroCurrent", Arr::Series, Mode::Resis, "12", "5", "2.2",
                               "0", Outcome::NoResult, "Error", "Error", "Error"},
                    CircuitRow{"ParallelResisZeroCount", Arr::Parallel, Mode::Resis, "12", "0",
                               "2.2", "20", Outcome::NoResult, "Error", "Error", "Error"},
                    CircuitRow{"SeriesVoltZeroCount", Arr::Series, Mode::Volt, "12", "0", "50",
                               "20", Outcome::NoResult, "Error", "Error", "Error"},
                    CircuitRow{"SeriesVoltZeroCountZeroDrop", Arr::Series, Mode::Volt, "1", "0",
                               "50", "20", Outcome::NoResult, "Error", "Error", "Error"},
                    CircuitRow{"ParallelAmpZeroCount", Arr::Parallel, Mode::Amp, "12", "0", "2.2",
                               "50", Outcome::NoResult, "Error", "Error", "Error"},
                    CircuitRow{"SeriesAmpZeroResistor", Arr::Series, Mode::Amp, "12", "5", "2.2",
                               "0", Outcome::NoResult, "Error", "Error", "Error"},
                    CircuitRow{"ParallelAmpZeroResistor", Arr::Parallel, Mode::Amp, "12", "5",
                               "2.2", "0", Outcome::NoResult, "خطا", "خطا", "خطا", nullptr, nullptr,
                               nullptr, true},
                    CircuitRow{"PastedHugeValueOverflows", Arr::Series, Mode::Resis, "12", "5",
                               "1e308", "20", Outcome::NoResult, "Error", "Error", "Error"},
                    CircuitRow{"OverflowAfterTheLimitCheck", Arr::Series, Mode::Volt, "12", "5",
                               "1e-300", "1e300", Outcome::NoResult, "Error", "Error", "Error"},
                    CircuitRow{"TextBeyondDoubleRange", Arr::Parallel, Mode::Volt, "1e999", "5",
                               "50", "20", Outcome::NoResult, "Error", "Error", "Error"}),
    RowName());

// Where the designed steps would leave an older result on screen.
INSTANTIATE_TEST_SUITE_P(
    NoStaleResults, LedCircuitTest,
    testing::Values(CircuitRow{"ParallelAboveTableShowsComputedR", Arr::Parallel, Mode::Resis,
                               "100", "1", "2", "0.001", Outcome::Done, "98000000", "0.002",
                               "1/4 W", nullptr, "10000000 Ohm  (Smaller)", "R : 98000000 Ohm"},
                    CircuitRow{"PowerAboveTenWattsSaysSo", Arr::Series, Mode::Resis, "12", "1", "2",
                               "2000", Outcome::Done, "5", "4000", "> 10 W", "5.1 Ohm  (Larger)",
                               "4.7 Ohm  (Smaller)", "R : 5 Ohm"},
                    CircuitRow{"PowerAboveTenWattsPersian", Arr::Parallel, Mode::Amp, "24", "10",
                               "2", "1", Outcome::Done, "2200", "44000", "> 10 وات", nullptr,
                               nullptr, "R : 1 Ohm", true}),
    RowName());

// The chosen series gives the rows and, in parallel, the resistor to buy.
struct SeriesRow {
  const char* name;
  Arr arrangement;
  const char* vtdc;
  const char* ledCount;
  const char* vLed;
  const char* aLed;
  StandardSeries series;
  const char* resis;
  const char* larger;
  const char* smaller;
};

void PrintTo(const SeriesRow& row, std::ostream* os) {
  *os << row.name;
}

class LedSeriesTest : public testing::TestWithParam<SeriesRow> {};
TEST_P(LedSeriesTest, LooksUpTheRowsInTheChosenSeries) {
  const SeriesRow& row = GetParam();
  LedCalcResult r = CalculateLedCircuit(row.arrangement, Mode::Resis, row.vtdc, row.ledCount,
                                        row.vLed, row.aLed, kEnglish, row.series);
  EXPECT_EQ(r.outcome, Outcome::Done);
  ExpectText(r.resisText, row.resis, "resisText");
  ExpectText(r.largerText, row.larger, "largerText");
  ExpectText(r.smallerText, row.smaller, "smallerText");
  ExpectText(r.diagramText, ("R : " + std::string(row.resis) + " Ohm").c_str(), "diagramText");
}

INSTANTIATE_TEST_SUITE_P(
    Series, LedSeriesTest,
    testing::Values(SeriesRow{"E96Series", Arr::Series, "12", "5", "2.2", "20", StandardSeries::E96,
                              "50", "51.1 Ohm  (Larger)", "49.9 Ohm  (Smaller)"},
                    SeriesRow{"E12ExactEntry", Arr::Series, "10", "1", "0.6", "200",
                              StandardSeries::E12, "47", "47 Ohm  (Larger)", "47 Ohm  (Smaller)"},
                    SeriesRow{"E96BelowTable", Arr::Series, "3", "1", "2.9", "200",
                              StandardSeries::E96, "0.5", "1.00 Ohm  (Larger)", nullptr},
                    SeriesRow{"E192AboveTable", Arr::Series, "100", "5", "2.2", "0.001",
                              StandardSeries::E192, "89000000", nullptr, "10000000 Ohm  (Smaller)"},
                    SeriesRow{"E192ParallelBuysLarger", Arr::Parallel, "12", "5", "2.2", "20",
                              StandardSeries::E192, "98.8", "98.8 Ohm  (Larger)",
                              "97.6 Ohm  (Smaller)"},
                    SeriesRow{"E6ParallelAboveTable", Arr::Parallel, "100", "1", "2", "0.001",
                              StandardSeries::E6, "98000000", nullptr, "10000000 Ohm  (Smaller)"}),
    RowName());

// Switching the series after a calculation rebuilds exactly what a new
// calculation in that series would show, and nothing else.
TEST(WithStandardSeries, MatchesACalculationInTheNewSeries) {
  const char* inputs[][4] = {{"12", "5", "2.2", "20"},   {"3", "1", "2.9", "200"},
                             {"100", "1", "2", "0.001"}, {"12", "5", "50", "20"},
                             {"12", "5", "2.2", "0"},    {"12", "", "2.2", "20"}};
  for (const auto& in : inputs) {
    for (Arr arr : {Arr::Series, Arr::Parallel}) {
      for (Mode mode : {Mode::Resis, Mode::Volt, Mode::Amp}) {
        for (const LanguageWords* words : {&kEnglish, &kPersian}) {
          const LedCalcResult e24 =
              CalculateLedCircuit(arr, mode, in[0], in[1], in[2], in[3], *words);
          EXPECT_EQ(e24.standardLookupOhms.has_value(),
                    mode == Mode::Resis && e24.outcome == Outcome::Done);
          for (StandardSeries series : kStandardSeries) {
            SCOPED_TRACE(std::string(in[0]) + " " + std::string(SeriesName(series)));
            EXPECT_EQ(WithStandardSeries(e24, series, *words),
                      CalculateLedCircuit(arr, mode, in[0], in[1], in[2], in[3], *words, series));
          }
        }
      }
    }
  }
}

TEST(LanguageWords, PersianTextsUseArabicYehAndKeheh) {
  // invalidInputMessage is written with U+064A, never the Farsi yeh U+06CC; the
  // smaller tag starts with keheh U+06A9.
  EXPECT_NE(kPersianWords.invalidInputMessage.find("\u064A"), std::string_view::npos);
  EXPECT_EQ(kPersianWords.invalidInputMessage.find("\u06CC"), std::string_view::npos);
  EXPECT_EQ(kPersianWords.smallerTag.substr(0, 3), "(\u06A9");
  EXPECT_EQ(kPersianWords.invalidInputMessage,
            "!\u0645\u0642\u0627\u062F\u064A\u0631 \u0648\u0627\u0631"
            "\u062F \u0634\u062F\u0647 \u0627\u0634\u0628\u0627\u0647 "
            "\u0645\u064A\u0628\u0627\u0634\u062F");
  EXPECT_EQ(ProgLangText(kPersianWords.language), "Persian");
  EXPECT_EQ(ProgLangText(kEnglishWords.language), "English");
}

}  // namespace
}  // namespace kalvane
