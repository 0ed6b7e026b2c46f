// The LED array designer's arithmetic: worked designs, the problems that
// stop one, and the rounding of the shown numbers.
#include "core/led_array.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "core/tests/row_name.h"

namespace kalvane {
namespace {

using Field = LedArrayField;
using Error = LedArrayError;
using Warning = LedArrayWarning;

// The boxes in field order: supply, tolerance, count, Vf typical, minimum,
// maximum, mA, per string, headroom.
LedArrayTexts Texts(const char* supply, const char* tolerance, const char* count, const char* vf,
                    const char* vfMin, const char* vfMax, const char* milliamps,
                    const char* perString = "", const char* headroom = "1") {
  return {supply, tolerance, count, vf, vfMin, vfMax, milliamps, perString, headroom};
}

// One kind of string as the window shows it.
struct Kind {
  int strings;
  int leds;
  const char* exact;
  const char* resistor;
  const char* milliamps;
  const char* lowest;
  const char* highest;
};

struct DesignRow {
  const char* name;
  LedArrayTexts texts;
  bool automatic;
  StandardSeries series;
  std::vector<Kind> kinds;
  std::vector<Warning> warnings;
  const char* totalMilliamps;
  const char* efficiency;
};

void PrintTo(const DesignRow& row, std::ostream* os) {
  *os << row.name;
}

class WorkedDesignTest : public testing::TestWithParam<DesignRow> {};

TEST_P(WorkedDesignTest, GivesItsStringsAndTotals) {
  const DesignRow& row = GetParam();
  const LedArrayResult result = DesignLedArray(row.texts, row.automatic, row.series);
  ASSERT_TRUE(std::holds_alternative<LedArrayDesign>(result));
  const LedArrayDesign& design = std::get<LedArrayDesign>(result);
  ASSERT_EQ(design.kinds.size(), row.kinds.size());
  for (std::size_t i = 0; i < row.kinds.size(); ++i) {
    SCOPED_TRACE(i);
    const LedStringDesign& kind = design.kinds[i];
    const Kind& want = row.kinds[i];
    EXPECT_EQ(kind.strings, want.strings);
    EXPECT_EQ(kind.leds, want.leds);
    EXPECT_EQ(ShortNumberText(kind.exactOhms), want.exact);
    EXPECT_EQ(kind.resistor.text, want.resistor);
    EXPECT_EQ(ShortNumberText(kind.currentMilliamps), want.milliamps);
    EXPECT_EQ(ShortNumberText(kind.lowestMilliamps), want.lowest);
    EXPECT_EQ(ShortNumberText(kind.highestMilliamps), want.highest);
  }
  EXPECT_EQ(design.ledsPerString, row.kinds.front().leds);
  EXPECT_EQ(design.warnings, row.warnings);
  EXPECT_EQ(ShortNumberText(design.totalMilliamps), row.totalMilliamps);
  EXPECT_EQ(ShortNumberText(design.efficiencyPercent, 3), row.efficiency);
}

constexpr auto E24 = StandardSeries::E24;

INSTANTIATE_TEST_SUITE_P(Strings, WorkedDesignTest,
                         testing::Values(
                             // 12 - 3 x 3.1 = 2.7 V keeps 1 V; four LEDs would need 12.4 V.
                             DesignRow{"EvenSplit",
                                       Texts("12", "0", "24", "3.1", "", "", "20"),
                                       true,
                                       E24,
                                       {{8, 3, "135", "150", "18", "17.14", "18.95"}},
                                       {},
                                       "144",
                                       "77.5"},
                             DesignRow{"RemainderStringHasItsOwnResistor",
                                       Texts("12", "0", "25", "3.1", "", "", "20"),
                                       true,
                                       E24,
                                       {{8, 3, "135", "150", "18", "17.14", "18.95"},
                                        {1, 1, "445", "470", "18.94", "18.03", "19.93"}},
                                       {},
                                       "162.9",
                                       "71.5"},
                             // 10.3 - 3 x 3.1 is 1 V exactly once rounded: three LEDs still fit.
                             DesignRow{"AutomaticAtTheHeadroomLimit",
                                       Texts("10.3", "0", "6", "3.1", "", "", "20"),
                                       true,
                                       E24,
                                       {{2, 3, "50", "51", "19.61", "18.67", "20.64"}},
                                       {},
                                       "39.22",
                                       "90.3"},
                             DesignRow{"AutomaticJustPastTheHeadroomLimit",
                                       Texts("10.3", "0", "6", "3.1", "", "", "20", "", "1.01"),
                                       true,
                                       E24,
                                       {{3, 2, "205", "220", "18.64", "17.75", "19.62"}},
                                       {},
                                       "55.91",
                                       "60.2"},
                             // The exact value is a member: the wanted current, not above it.
                             DesignRow{"ZeroToleranceExactMember",
                                       Texts("12", "0", "6", "3", "", "", "20", "3"),
                                       false,
                                       E24,
                                       {{2, 3, "150", "150", "20", "19.05", "21.05"}},
                                       {},
                                       "40",
                                       "75"},
                             // The worst case is taken at 10.8 V and 3.3 V per LED: two per string.
                             DesignRow{"SupplyAndForwardSpreadShortenTheStrings",
                                       Texts("12", "10", "24", "3.1", "2.9", "3.3", "20"),
                                       true,
                                       E24,
                                       {{12, 2, "290", "300", "19.33", "13.33", "25.96"}},
                                       {Warning::WorstCaseAboveWanted},
                                       "232",
                                       "51.7"},
                             DesignRow{"NoCountKeepsTheHeadroomOneLedEach",
                                       Texts("5", "0", "2", "3.1", "", "", "20", "", "2"),
                                       true,
                                       E24,
                                       {{2, 1, "95", "100", "19", "18.1", "20"}},
                                       {Warning::HeadroomBelowMargin},
                                       "38",
                                       "62"},
                             DesignRow{"FixedCountBelowTheHeadroom",
                                       Texts("12", "0", "6", "3.1", "", "", "20", "3", "3"),
                                       false,
                                       E24,
                                       {{2, 3, "135", "150", "18", "17.14", "18.95"}},
                                       {Warning::HeadroomBelowMargin},
                                       "36",
                                       "77.5"},
                             DesignRow{"CoarseSeriesWidensTheRange",
                                       Texts("12", "0", "24", "3.1", "", "", "20"),
                                       true,
                                       StandardSeries::E6,
                                       {{8, 3, "135", "150", "18", "15", "22.5"}},
                                       {Warning::WorstCaseAboveWanted},
                                       "144",
                                       "77.5"},
                             DesignRow{"TenWattsOverflowTheRatings",
                                       Texts("1000", "0", "1", "1", "", "", "1000"),
                                       true,
                                       E24,
                                       {{1, 1, "999", "1000", "999", "951.4", "1052"}},
                                       {Warning::PowerAboveRatings},
                                       "999",
                                       "0.1"}),
                         RowName());

struct ProblemRow {
  const char* name;
  LedArrayTexts texts;
  bool automatic;
  LedArrayProblem problem;
};

void PrintTo(const ProblemRow& row, std::ostream* os) {
  *os << row.name;
}

class ProblemTest : public testing::TestWithParam<ProblemRow> {};

TEST_P(ProblemTest, NamesWhatStopsTheDesign) {
  const ProblemRow& row = GetParam();
  const LedArrayResult result = DesignLedArray(row.texts, row.automatic, E24);
  ASSERT_TRUE(std::holds_alternative<LedArrayProblem>(result));
  EXPECT_EQ(std::get<LedArrayProblem>(result), row.problem);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ProblemTest,
    testing::Values(ProblemRow{"EmptySupply",
                               Texts("", "0", "24", "3.1", "", "", "20"),
                               true,
                               {Error::Empty, Field::Supply}},
                    ProblemRow{"FirstBoxInOrderIsNamed",
                               Texts("12", "", "", "", "", "", ""),
                               true,
                               {Error::Empty, Field::SupplyTolerance}},
                    ProblemRow{"TwoPoints",
                               Texts("12", "0", "24", "3.1.1", "", "", "20"),
                               true,
                               {Error::NotANumber, Field::ForwardTypical}},
                    ProblemRow{"BarePoint",
                               Texts("12", "0", "24", "3.1", ".", "", "20"),
                               true,
                               {Error::NotANumber, Field::ForwardMin}},
                    ProblemRow{"FractionalCount",
                               Texts("12", "0", "2.5", "3.1", "", "", "20"),
                               true,
                               {Error::NotWhole, Field::LedCount}},
                    ProblemRow{"ZeroSupply",
                               Texts("0", "0", "24", "3.1", "", "", "20"),
                               true,
                               {Error::OutOfRange, Field::Supply}},
                    ProblemRow{"ToleranceAboveFifty",
                               Texts("12", "60", "24", "3.1", "", "", "20"),
                               true,
                               {Error::OutOfRange, Field::SupplyTolerance}},
                    ProblemRow{"ZeroCurrent",
                               Texts("12", "0", "24", "3.1", "", "", "0"),
                               true,
                               {Error::OutOfRange, Field::Current}},
                    ProblemRow{"ZeroLeds",
                               Texts("12", "0", "0", "3.1", "", "", "20"),
                               true,
                               {Error::OutOfRange, Field::LedCount}},
                    ProblemRow{"MinimumAboveTypical",
                               Texts("12", "0", "24", "3.1", "3.2", "", "20"),
                               true,
                               {Error::ForwardOrder, Field::ForwardMin}},
                    ProblemRow{"MaximumBelowTypical",
                               Texts("12", "0", "24", "3.1", "", "3", "20"),
                               true,
                               {Error::ForwardOrder, Field::ForwardMax}},
                    ProblemRow{"LongerStringThanLeds",
                               Texts("12", "0", "24", "3.1", "", "", "20", "30"),
                               false,
                               {Error::PerStringAboveCount, Field::PerString}},
                    ProblemRow{"SupplyTooLowForOneLed",
                               Texts("3", "0", "24", "3.1", "", "", "20"),
                               true,
                               {Error::SupplyBelowOneLed, std::nullopt}},
                    ProblemRow{"SupplyEqualToOneLed",
                               Texts("3.1", "0", "24", "3.1", "", "", "20"),
                               true,
                               {Error::SupplyBelowOneLed, std::nullopt}},
                    ProblemRow{"FixedStringAboveTheSupply",
                               Texts("12", "0", "24", "3.1", "", "", "20", "4"),
                               false,
                               {Error::SupplyBelowString, std::nullopt}},
                    ProblemRow{"ResistorAboveTenMegohm",
                               Texts("1000", "0", "1", "1", "", "", "0.01"),
                               true,
                               {Error::ResistorAboveSeries, std::nullopt}}),
    RowName());

TEST(LedArrayTest, AutomaticModeIgnoresTheCountBox) {
  EXPECT_TRUE(std::holds_alternative<LedArrayDesign>(
      DesignLedArray(Texts("12", "0", "24", "3.1", "", "", "20", "x"), true, E24)));
}

TEST(LedArrayTest, RatingBasisCarriesTheSixtyPercentMargin) {
  const auto design =
      std::get<LedArrayDesign>(DesignLedArray(Texts("12", "0", "3", "3", "", "", "20"), true, E24));
  // Three LEDs drop 9 V; 3 V over 150 Ohm is 60 mW, rated against 100 mW.
  EXPECT_EQ(ShortNumberText(design.kinds[0].resistorWatts), "0.06");
  EXPECT_EQ(ShortNumberText(design.kinds[0].ratingBasisWatts), "0.1");
}

TEST(LedArrayTest, ShortNumberTextRoundsToSignificantDigits) {
  EXPECT_EQ(ShortNumberText(18.947368421), "18.95");
  EXPECT_EQ(ShortNumberText(0.0486), "0.0486");
  EXPECT_EQ(ShortNumberText(123456), "123500");
  EXPECT_EQ(ShortNumberText(1e-7), "1E-07");
  EXPECT_EQ(ShortNumberText(77.51, 3), "77.5");
  EXPECT_EQ(ShortNumberText(1.0 / 0.0), "");
}

}  // namespace
}  // namespace kalvane
