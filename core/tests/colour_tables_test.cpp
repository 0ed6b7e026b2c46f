#include "core/colour_tables.h"
#include "core/temperature_coefficient.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/tests/row_name.h"

namespace kalvane {
namespace {

using enum BandColour;

struct RgbRow {
  const char* name;
  int r, g, b;
  std::uint32_t value;
};

void PrintTo(const RgbRow& row, std::ostream* os) {
  *os << row.name;
}

class RgbTest : public testing::TestWithParam<RgbRow> {};

TEST_P(RgbTest, PacksClampedComponentsAsBgr) {
  const RgbRow& row = GetParam();
  Colour c = Rgb(row.r, row.g, row.b);
  EXPECT_EQ(c.value, row.value);
  EXPECT_EQ(c, (Colour{row.value}));
}

INSTANTIATE_TEST_SUITE_P(Components, RgbTest,
                         testing::Values(RgbRow{"RedIsTheLowByte", 165, 42, 7, 0x00072AA5u},
                                         RgbRow{"AboveTopClampsTo255", 300, 10, 2, 0x00020AFFu},
                                         RgbRow{"AllAboveTop", 256, 1000, 65536, 0x00FFFFFFu},
                                         RgbRow{"NegativeStaysInItsByte", -1, 128, -300,
                                                0x00008000u}),
                         RowName{});

// Code points of a UTF-8 text.
std::vector<char32_t> CodePoints(std::string_view text) {
  std::vector<char32_t> points;
  for (std::size_t i = 0; i < text.size();) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    char32_t point = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < text.size(); ++k) {
      point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
    }
    points.push_back(point);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return points;
}

constexpr BandList kAllLists[] = {BandList::FirstDigit, BandList::Digit,
                                  BandList::Multiplier, BandList::Tolerance4,
                                  BandList::Tolerance5, BandList::TemperatureCoefficient};

// What the item text of a position must read, built from the colour's names
// and the position's meaning, so a mistyped row or a misplaced colour shows.
std::string ExpectedPrefix(BandList list, int position) {
  BandColour colour = *ColourAt(list, position);
  switch (list) {
    case BandList::FirstDigit:
    case BandList::Digit:
      return std::to_string(*DigitAt(list, position)) + "-";
    case BandList::Multiplier:
      if (position == 0)
        return "100/ ";
      if (position == 1)
        return "10/ ";
      return "x1" + std::string(static_cast<std::size_t>(position - 2), '0') + " ";
    case BandList::Tolerance4:
    case BandList::Tolerance5:
      return "±" + std::string(InfoOf(colour).tolerance) + "% ";
    case BandList::TemperatureCoefficient:
      return std::string(TemperatureCoefficientItems()[static_cast<std::size_t>(position)]
                             .ppmPerKelvin) +
             " ppm/K ";
  }
  return {};
}

TEST(BandListTest, EveryItemTextIsItsMeaningAndItsColourName) {
  for (BandList list : kAllLists) {
    for (int p = 0; p < static_cast<int>(ItemsOf(list).size()); ++p) {
      SCOPED_TRACE(testing::Message() << "list " << static_cast<int>(list) << " position " << p);
      const BandListItem& item = ItemsOf(list)[static_cast<std::size_t>(p)];
      const BandColourInfo& info = InfoOf(item.colour);
      std::string prefix = ExpectedPrefix(list, p);
      EXPECT_EQ(item.english, prefix + std::string(info.englishName));
      EXPECT_EQ(item.persian, prefix + std::string(info.persianName));
    }
  }
}

TEST(BandListTest, PersianTextsUseArabicYehAndNoArabicKaf) {
  for (BandList list : kAllLists) {
    for (const BandListItem& item : ItemsOf(list)) {
      for (char32_t point : CodePoints(item.persian)) {
        EXPECT_NE(point, U'\u06CC') << item.english << ": Farsi yeh instead of U+064A";
        EXPECT_NE(point, U'\u0643') << item.english << ": Arabic kaf instead of keheh";
      }
    }
  }
  EXPECT_EQ(CodePoints(InfoOf(Gray).persianName)[2], U'\u06A9');
}

struct ListRow {
  const char* name;
  BandList list;
  std::vector<BandColour> colours;
};

void PrintTo(const ListRow& row, std::ostream* os) {
  *os << row.name;
}

class BandListOrderTest : public testing::TestWithParam<ListRow> {};

TEST_P(BandListOrderTest, HoldsItsColoursInListOrder) {
  const ListRow& row = GetParam();
  std::vector<BandColour> actual;
  for (const BandListItem& item : ItemsOf(row.list))
    actual.push_back(item.colour);
  EXPECT_EQ(actual, row.colours);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, BandListOrderTest,
    testing::Values(ListRow{"FirstDigitHasNoBlack",
                            BandList::FirstDigit,
                            {Brown, Red, Orange, Yellow, Green, Blue, Violet, Gray, White}},
                    ListRow{"Digit",
                            BandList::Digit,
                            {Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Gray, White}},
                    ListRow{"MultiplierSilverToBlue",
                            BandList::Multiplier,
                            {Silver, Gold, Black, Brown, Red, Orange, Yellow, Green, Blue}},
                    // Not sorted by value: Brown (1 %) comes before Red (2 %).
                    ListRow{"Tolerance4BrownBeforeRed",
                            BandList::Tolerance4,
                            {Silver, Gold, Brown, Red, Green, Blue, Violet}},
                    ListRow{"Tolerance5StartsWithBrown",
                            BandList::Tolerance5,
                            {Brown, Red, Green, Blue, Violet}}),
    RowName{});

struct ToleranceRow {
  const char* name;
  WindowKind kind;
  std::vector<std::string_view> values;
};

void PrintTo(const ToleranceRow& row, std::ostream* os) {
  *os << row.name;
}

class ToleranceValuesTest : public testing::TestWithParam<ToleranceRow> {};

TEST_P(ToleranceValuesTest, MatchTheColoursOfTheWindowsList) {
  const ToleranceRow& row = GetParam();
  std::span<const std::string_view> values = ToleranceValuesOf(row.kind);
  EXPECT_EQ(std::vector<std::string_view>(values.begin(), values.end()), row.values);
  BandList list = *ListOf(row.kind, LayoutOf(row.kind).toleranceBand);
  ASSERT_EQ(ItemsOf(list).size(), values.size());
  for (std::size_t p = 0; p < values.size(); ++p) {
    EXPECT_EQ(InfoOf(ItemsOf(list)[p].colour).tolerance, values[p]) << "position " << p;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ToleranceValuesTest,
    testing::Values(
        ToleranceRow{"FourBand", WindowKind::FourBand, {"10", "5", "1", "2", "0.5", "0.25", "0.1"}},
        ToleranceRow{"FiveBand", WindowKind::FiveBand, {"1", "2", "0.5", "0.25", "0.1"}}),
    RowName{});

TEST(BandListTest, SilverIsSpelledSeliverInEnglish) {
  EXPECT_EQ(ItemsOf(BandList::Multiplier)[0].english, "100/ Seliver");
  EXPECT_EQ(ItemsOf(BandList::Tolerance4)[0].english, "±10% Seliver");
  EXPECT_EQ(ItemsOf(BandList::Multiplier)[0].persian,
            "100/ " + std::string(InfoOf(Silver).persianName));
}

TEST(BandColourTest, TextIsWhiteExactlyOnTheDarkColours) {
  for (std::size_t i = 0; i < kBandColourCount; ++i) {
    BandColour colour = static_cast<BandColour>(i);
    bool dark = colour == Black || colour == Brown || colour == Green || colour == Blue;
    EXPECT_EQ(InfoOf(colour).text, dark ? Rgb(255, 255, 255) : Rgb(0, 0, 0))
        << InfoOf(colour).englishName;
  }
  EXPECT_EQ(InfoOf(Blue).back, Rgb(0, 0, 255));
  EXPECT_EQ(InfoOf(Brown).back, Rgb(165, 42, 42));
}

TEST(LookupTest, InverseLookupsUndoTheForwardOnes) {
  for (int d = 1; d <= 9; ++d) {
    EXPECT_EQ(DigitAt(BandList::FirstDigit, *FirstDigitPosition(d)), d);
  }
  for (int d = 0; d <= 9; ++d)
    EXPECT_EQ(DigitAt(BandList::Digit, *DigitPosition(d)), d);
  for (int e = -2; e <= 6; ++e) {
    double expected = e < 0 ? (e == -1 ? 47.0 / 10 : 47.0 / 100) : 47.0;
    for (int k = 0; k < e; ++k)
      expected *= 10;
    EXPECT_EQ(ApplyMultiplier(*MultiplierPosition(e), 47), expected) << "exponent " << e;
  }
}

TEST(LookupTest, ValuesWithoutAPositionHaveNone) {
  EXPECT_FALSE(FirstDigitPosition(0));
  EXPECT_FALSE(DigitPosition(10));
  EXPECT_FALSE(DigitPosition(-1));
  EXPECT_FALSE(MultiplierPosition(-3));
  EXPECT_FALSE(MultiplierPosition(7));
  EXPECT_FALSE(ColourAt(BandList::FirstDigit, 9));
  EXPECT_FALSE(ColourAt(BandList::Tolerance5, -1));
  EXPECT_FALSE(DigitAt(BandList::Multiplier, 2));
  EXPECT_FALSE(ApplyMultiplier(9, 1));
}

struct LayoutRow {
  const char* name;
  WindowKind kind;
  std::vector<BandList> lists;
  std::vector<int> defaults;
  std::size_t entryLimit;
};

void PrintTo(const LayoutRow& row, std::ostream* os) {
  *os << row.name;
}

class LayoutTest : public testing::TestWithParam<LayoutRow> {};

TEST_P(LayoutTest, DescribesEachBandOfTheWindow) {
  const LayoutRow& row = GetParam();
  const ColourWindowLayout& layout = LayoutOf(row.kind);
  ASSERT_EQ(layout.bandCount, static_cast<int>(row.lists.size()));
  for (int band = 0; band < layout.bandCount; ++band) {
    EXPECT_EQ(ListOf(row.kind, band), row.lists[static_cast<std::size_t>(band)]) << band;
    EXPECT_EQ(layout.defaultPositions[static_cast<std::size_t>(band)],
              row.defaults[static_cast<std::size_t>(band)]);
  }
  EXPECT_FALSE(ListOf(row.kind, layout.bandCount));
  EXPECT_FALSE(ListOf(row.kind, -1));
  EXPECT_EQ(ListOf(row.kind, layout.multiplierBand), BandList::Multiplier);
  EXPECT_EQ(layout.digitBandCount, layout.multiplierBand);
  EXPECT_EQ(layout.toleranceBand, layout.bandCount - 1);
  EXPECT_EQ(layout.entryLengthLimit, row.entryLimit);
  EXPECT_TRUE(AreValidPositions(row.kind, layout.defaultPositions));
}

using enum BandList;
INSTANTIATE_TEST_SUITE_P(Windows, LayoutTest,
                         testing::Values(LayoutRow{"FourBand",
                                                   WindowKind::FourBand,
                                                   {FirstDigit, Digit, Multiplier, Tolerance4},
                                                   {0, 0, 1, 1},
                                                   8},
                                         LayoutRow{
                                             "FiveBand",
                                             WindowKind::FiveBand,
                                             {FirstDigit, Digit, Digit, Multiplier, Tolerance5},
                                             {0, 0, 0, 0, 0},
                                             9}),
                         RowName{});

TEST(LayoutTest, PositionsOutsideTheirListAreInvalid) {
  EXPECT_FALSE(AreValidPositions(WindowKind::FourBand, {9, 0, 1, 1, 0}));
  EXPECT_FALSE(AreValidPositions(WindowKind::FourBand, {0, 0, 1, 7, 0}));
  EXPECT_FALSE(AreValidPositions(WindowKind::FiveBand, {0, 0, 0, 0, 5}));
  EXPECT_TRUE(AreValidPositions(WindowKind::FourBand, {8, 9, 8, 6, -1}));  // fifth unused
}

}  // namespace
}  // namespace kalvane
