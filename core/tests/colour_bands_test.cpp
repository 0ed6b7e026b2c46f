#include "core/colour_bands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "core/number_text.h"
#include "core/tests/row_name.h"

namespace kalvane {
namespace {

using Kind = WindowKind;
using Unit = ResistanceUnit;

// The Persian unit suffixes, with their leading space.
const std::string kFaOhm = " اهم";
const std::string kFaKilo = " کيلو اهم";
const std::string kFaMega = " مگا اهم";

struct DecodeRow {
  const char* name;
  Kind kind;
  BandPositions positions;
  const char* valueText;  // in Ohm
  const char* shown;      // the scaled number
  Unit unit;
};

void PrintTo(const DecodeRow& row, std::ostream* os) {
  *os << row.name;
}

class BandsToResistanceTest : public testing::TestWithParam<DecodeRow> {};

TEST_P(BandsToResistanceTest, GivesTheValueAndBothCaptions) {
  const DecodeRow& row = GetParam();
  std::optional<BandValue> value = DecodeBands(row.kind, row.positions);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->text, row.valueText);
  EXPECT_EQ(value->ohms, TextToNumber(row.valueText));

  FormattedResistance f = FormatResistance(value->text);
  EXPECT_EQ(f.scaledText, row.shown);
  EXPECT_EQ(f.unit, row.unit);
  const char* english = row.unit == Unit::Ohm    ? " Ohm"
                        : row.unit == Unit::Kilo ? " K Ohm"
                                                 : " M Ohm";
  const std::string& persian = row.unit == Unit::Ohm    ? kFaOhm
                               : row.unit == Unit::Kilo ? kFaKilo
                                                        : kFaMega;
  EXPECT_EQ(f.englishCaption, std::string(row.shown) + english);
  EXPECT_EQ(f.persianCaption, row.shown + persian);
}

// Positions: first digit p1 (digit p1 + 1), digits, multiplier (0 is Silver
// /100, 1 Gold /10, 2 Black x1 ... 8 Blue x1000000), tolerance.
INSTANTIATE_TEST_SUITE_P(
    FourBand, BandsToResistanceTest,
    testing::Values(
        DecodeRow{"DefaultsBrownBlackGold", Kind::FourBand, {0, 0, 1, 1}, "1", "1", Unit::Ohm},
        DecodeRow{
            "SmallestBrownBlackSilver", Kind::FourBand, {0, 0, 0, 0}, "0.1", "0.1", Unit::Ohm},
        DecodeRow{"YellowVioletSilver", Kind::FourBand, {3, 7, 0, 0}, "0.47", "0.47", Unit::Ohm},
        DecodeRow{"YellowVioletGold", Kind::FourBand, {3, 7, 1, 0}, "4.7", "4.7", Unit::Ohm},
        DecodeRow{"JustBelowKilo", Kind::FourBand, {8, 9, 3, 0}, "990", "990", Unit::Ohm},
        DecodeRow{"ExactlyOneKilo", Kind::FourBand, {0, 0, 4, 0}, "1000", "1", Unit::Kilo},
        DecodeRow{"YellowVioletRed", Kind::FourBand, {3, 7, 4, 0}, "4700", "4.7", Unit::Kilo},
        DecodeRow{"JustBelowMega", Kind::FourBand, {8, 9, 6, 0}, "990000", "990", Unit::Kilo},
        DecodeRow{"ExactlyOneMega", Kind::FourBand, {0, 0, 7, 0}, "1000000", "1", Unit::Mega},
        DecodeRow{
            "LargestWhiteWhiteBlue", Kind::FourBand, {8, 9, 8, 6}, "99000000", "99", Unit::Mega}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    FiveBand, BandsToResistanceTest,
    testing::Values(
        DecodeRow{"DefaultsAllZero", Kind::FiveBand, {0, 0, 0, 0, 0}, "1", "1", Unit::Ohm},
        DecodeRow{
            "YellowWhiteWhiteSilver", Kind::FiveBand, {3, 9, 9, 0, 0}, "4.99", "4.99", Unit::Ohm},
        DecodeRow{"JustBelowKilo", Kind::FiveBand, {8, 9, 9, 2, 0}, "999", "999", Unit::Ohm},
        DecodeRow{
            "BrownBlackBlackOrange", Kind::FiveBand, {0, 0, 0, 5, 0}, "100000", "100", Unit::Kilo},
        DecodeRow{
            "WhiteWhiteWhiteOrange", Kind::FiveBand, {8, 9, 9, 5, 0}, "999000", "999", Unit::Kilo},
        DecodeRow{
            "BrownBlackBlackYellow", Kind::FiveBand, {0, 0, 0, 6, 0}, "1000000", "1", Unit::Mega},
        DecodeRow{"KiloWithDecimals", Kind::FiveBand, {0, 2, 3, 3, 0}, "1230", "1.23", Unit::Kilo},
        DecodeRow{"LargestWhiteWhiteWhiteBlue",
                  Kind::FiveBand,
                  {8, 9, 9, 8, 4},
                  "999000000",
                  "999",
                  Unit::Mega}),
    RowName{});

// Every combination of both windows: the value text is plain decimal
// notation of the exact value, and the caption's number times its unit gives
// the value back.
TEST(BandsToResistanceTest, EveryCombinationScalesExactly) {
  for (Kind kind : {Kind::FourBand, Kind::FiveBand}) {
    const ColourWindowLayout& layout = LayoutOf(kind);
    int thirdCount = layout.digitBandCount == 3 ? 10 : 1;
    for (int p1 = 0; p1 < 9; ++p1) {
      for (int p2 = 0; p2 < 10; ++p2) {
        for (int p3 = 0; p3 < thirdCount; ++p3) {
          for (int pm = 0; pm < 9; ++pm) {
            BandPositions positions{p1, p2, layout.digitBandCount == 3 ? p3 : pm, pm, 0};
            long long digits = (p1 + 1) * 10 + p2;
            if (layout.digitBandCount == 3)
              digits = digits * 10 + p3;
            double expected = static_cast<double>(digits) * std::pow(10.0, pm - 2);
            std::optional<BandValue> value = DecodeBands(kind, positions);
            ASSERT_TRUE(value);
            SCOPED_TRACE(value->text);
            EXPECT_EQ(value->text.find('E'), std::string::npos);
            EXPECT_NEAR(value->ohms, expected, expected * 1e-14);
            FormattedResistance f = FormatResistance(value->text);
            double divisor = f.unit == Unit::Ohm ? 1 : f.unit == Unit::Kilo ? 1e3 : 1e6;
            double shown = TextToNumber(f.scaledText);
            EXPECT_LT(shown, 1000);
            if (f.unit != Unit::Ohm) {
              EXPECT_GE(shown, 1);
            }
            EXPECT_NEAR(shown * divisor, value->ohms, value->ohms * 1e-14);
          }
        }
      }
    }
  }
}

TEST(BandsToResistanceTest, OnlyDigitAndMultiplierBandsCount) {
  // The tolerance band is not read, not even when it lies outside its list.
  EXPECT_EQ(DecodeBands(Kind::FourBand, {3, 7, 4, 99, 0})->text, "4700");
  EXPECT_FALSE(DecodeBands(Kind::FourBand, {9, 0, 1, 1, 0}));   // no tenth first digit
  EXPECT_FALSE(DecodeBands(Kind::FourBand, {0, 10, 1, 1, 0}));  // no eleventh digit
  EXPECT_FALSE(DecodeBands(Kind::FiveBand, {0, 0, 0, 9, 0}));   // no tenth multiplier
  EXPECT_FALSE(DecodeBands(Kind::FiveBand, {-1, 0, 0, 0, 0}));
}

struct ToleranceRow {
  const char* name;
  Kind kind;
  std::vector<const char*> captions;  // by position
};

void PrintTo(const ToleranceRow& row, std::ostream* os) {
  *os << row.name;
}

class ToleranceLabelTest : public testing::TestWithParam<ToleranceRow> {};

TEST_P(ToleranceLabelTest, ReadsThePositionsOfTheWindowsList) {
  const ToleranceRow& row = GetParam();
  ColourWindowState state(row.kind);
  state.ConvertDat();
  for (std::size_t p = 0; p < row.captions.size(); ++p) {
    EXPECT_EQ(state.ToleranceLabelText(static_cast<int>(p)), row.captions[p]) << p;
  }
  EXPECT_FALSE(state.ToleranceLabelText(static_cast<int>(row.captions.size())));
  EXPECT_FALSE(state.ToleranceLabelText(-1));
}

INSTANTIATE_TEST_SUITE_P(Windows, ToleranceLabelTest,
                         testing::Values(ToleranceRow{"FourBandSilverFirstRedAfterBrown",
                                                      Kind::FourBand,
                                                      {"±10%", "±5%", "±1%", "±2%", "±0.5%",
                                                       "±0.25%", "±0.1%"}},
                                         ToleranceRow{"FiveBandBrownFirst",
                                                      Kind::FiveBand,
                                                      {"±1%", "±2%", "±0.5%", "±0.25%", "±0.1%"}}),
                         RowName{});

TEST(ColourWindowStateTest, ConvertDatCountsAndKeepsTheToleranceTexts) {
  ColourWindowState state(Kind::FourBand);
  EXPECT_EQ(state.ComputeCount(), 0);
  EXPECT_EQ(state.ToleranceLabelText(1), "±5%");  // usable before the first computation
  state.ConvertDat();
  EXPECT_EQ(state.ComputeCount(), 1);
  state.ConvertDat();
  EXPECT_EQ(state.ComputeCount(), 2);
  ASSERT_EQ(state.ToleranceTexts().size(), 7u);
  EXPECT_EQ(state.ToleranceTexts()[3], "2");
}

}  // namespace
}  // namespace kalvane
