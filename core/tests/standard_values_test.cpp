#include "core/standard_values.h"

#include <gtest/gtest.h>

#include "core/tests/row_name.h"

#include <cmath>
#include <limits>
#include <string>

#include "core/number_text.h"

namespace kalvane {
namespace {

TEST(StandardValueTable, HoldsSevenE24DecadesAndTenMegohm) {
  const auto& table = StandardValueTable();
  ASSERT_EQ(table.size(), 169u);
  EXPECT_EQ(table[0].text, "1.0");
  EXPECT_EQ(table[7].text, "2.0");
  EXPECT_EQ(table[23].text, "9.1");
  EXPECT_EQ(table[24].text, "10");
  EXPECT_EQ(table[48].text, "100");
  EXPECT_EQ(table[144].text, "1000000");
  EXPECT_EQ(table[167].text, "9100000");
  EXPECT_EQ(table[168].text, "10000000");
}

TEST(StandardValueTable, IsStrictlyAscendingAndValuesReadFromTexts) {
  const auto& table = StandardValueTable();
  for (std::size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(table[i].text);
    EXPECT_EQ(table[i].ohms, TextToNumber(table[i].text));
    if (i > 0) {
      EXPECT_LT(table[i - 1].ohms, table[i].ohms);
    }
    // One decimal below 10, whole numbers from 10 up.
    bool hasPoint = table[i].text.find('.') != std::string_view::npos;
    EXPECT_EQ(hasPoint, table[i].ohms < 10);
  }
}

TEST(StandardValueTable, EachDecadeRepeatsTheE24Mantissas) {
  const auto& table = StandardValueTable();
  for (std::size_t i = 24; i < 168; ++i) {
    SCOPED_TRACE(table[i].text);
    EXPECT_DOUBLE_EQ(table[i].ohms, table[i - 24].ohms * 10);
  }
}

using enum StandardSeries;

// Every series table: seven decades of its mantissas from 1 Ohm, then 10 MOhm,
// values read from texts that carry the series' significant digits.
TEST(StandardSeriesTable, HoldsSevenDecadesOfItsMantissasAndTenMegohm) {
  for (StandardSeries series : kStandardSeries) {
    SCOPED_TRACE(SeriesName(series));
    const auto mantissas = SeriesMantissas(series);
    const auto table = StandardSeriesTable(series);
    EXPECT_EQ(SeriesName(series), "E" + std::to_string(mantissas.size()));
    ASSERT_EQ(table.size(), mantissas.size() * 7 + 1);
    EXPECT_EQ(table.back().text, "10000000");
    const int digits = mantissas[0] < 100 ? 2 : 3;
    for (std::size_t i = 0; i + 1 < table.size(); ++i) {
      SCOPED_TRACE(table[i].text);
      const int mantissa = mantissas[i % mantissas.size()];
      const int decade = static_cast<int>(i / mantissas.size());
      EXPECT_EQ(table[i].ohms, TextToNumber(table[i].text));
      EXPECT_DOUBLE_EQ(table[i].ohms, mantissa * std::pow(10.0, decade - (digits - 1)));
      std::string shown(table[i].text);
      const bool hasPoint = std::erase(shown, '.') == 1;
      EXPECT_EQ(hasPoint, decade < digits - 1);
      EXPECT_EQ(shown.substr(0, static_cast<std::size_t>(digits)), std::to_string(mantissa));
      EXPECT_LT(table[i].ohms, table[i + 1].ohms);
    }
  }
}

// Each finer series interleaves one value between two of the coarser one,
// as IEC 60063 builds them: E6, E12, E24 and E48, E96, E192.
TEST(StandardSeriesTable, CoarserSeriesIsEverySecondValueOfTheFiner) {
  const std::pair<StandardSeries, StandardSeries> pairs[] = {
      {E6, E12}, {E12, E24}, {E48, E96}, {E96, E192}};
  for (auto [coarse, fine] : pairs) {
    SCOPED_TRACE(SeriesName(coarse));
    const auto c = SeriesMantissas(coarse);
    const auto f = SeriesMantissas(fine);
    ASSERT_EQ(f.size(), 2 * c.size());
    for (std::size_t i = 0; i < c.size(); ++i)
      EXPECT_EQ(c[i], f[2 * i]) << i;
  }
}

// The three-digit series follow the rule 10^(i/n) rounded to three digits,
// but for E192's 920 where the rule gives 919; a typo lands further away.
TEST(StandardSeriesTable, ThreeDigitMantissasLieOnTheGeometricSequence) {
  for (StandardSeries series : {E48, E96, E192}) {
    const auto m = SeriesMantissas(series);
    for (std::size_t i = 0; i < m.size(); ++i) {
      const double exact =
          100 * std::pow(10.0, static_cast<double>(i) / static_cast<double>(m.size()));
      EXPECT_LE(std::abs(m[i] - exact), 1.0) << SeriesName(series) << " " << m[i];
    }
  }
}

struct SearchRow {
  const char* name;
  double r;
  const char* larger;   // nullptr: none
  const char* smaller;  // nullptr: none
  StandardSeries series = E24;
};

class StandardSearchTest : public testing::TestWithParam<SearchRow> {};

TEST_P(StandardSearchTest, FindsNearestEntriesAroundR) {
  const SearchRow& row = GetParam();
  auto larger = FindLargerStandard(row.r, row.series);
  auto smaller = FindSmallerStandard(row.r, row.series);
  if (row.larger) {
    ASSERT_TRUE(larger.has_value());
    EXPECT_EQ(larger->text, row.larger);
  } else {
    EXPECT_FALSE(larger.has_value());
  }
  if (row.smaller) {
    ASSERT_TRUE(smaller.has_value());
    EXPECT_EQ(smaller->text, row.smaller);
  } else {
    EXPECT_FALSE(smaller.has_value());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, StandardSearchTest,
    testing::Values(SearchRow{"BetweenEntries", 50, "51", "47"},
                    SearchRow{"ExactMatchIsBoth", 47, "47", "47"},
                    SearchRow{"SmallestEntry", 1.0, "1.0", "1.0"},
                    SearchRow{"BelowTable", 0.5, "1.0", nullptr},
                    SearchRow{"Negative", -3, "1.0", nullptr}, SearchRow{"Zero", 0, "1.0", nullptr},
                    SearchRow{"AcrossDecadeUp", 9.15, "10", "9.1"},
                    SearchRow{"JustBelowDecade", 99.99, "100", "91"},
                    SearchRow{"LargestEntry", 10000000, "10000000", "10000000"},
                    SearchRow{"AboveTable", 10000001, nullptr, "10000000"}),
    RowName());

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    OtherSeries, StandardSearchTest,
    testing::Values(SearchRow{"E6BetweenEntries", 50, "68", "47", E6},
                    SearchRow{"E6AcrossDecade", 9.9, "10", "6.8", E6},
                    SearchRow{"E6BelowTable", 0.5, "1.0", nullptr, E6},
                    SearchRow{"E6BelowTopEntry", 6800001, "10000000", "6800000", E6},
                    SearchRow{"E96ExactMatchIsBoth", 4750, "4750", "4750", E96},
                    SearchRow{"E96BetweenEntries", 4800, "4870", "4750", E96},
                    SearchRow{"E96AcrossDecade", 9.8, "10.0", "9.76", E96},
                    SearchRow{"E96Zero", 0, "1.00", nullptr, E96},
                    SearchRow{"E96AboveTable", 10000001, nullptr, "10000000", E96},
                    SearchRow{"E192OffGeometricValue", 919, "920", "909", E192},
                    SearchRow{"E192JustBelowDecade", 99, "100", "98.8", E192},
                    SearchRow{"E192NotANumber", kNaN, nullptr, nullptr, E192}),
    RowName());

TEST(StandardCaption, JoinsTextOhmWordAndTagWithOneAndTwoSpaces) {
  StandardValue entry{"51", 51};
  EXPECT_EQ(StandardCaption(entry, "Ohm", "(Larger)"), "51 Ohm  (Larger)");
  EXPECT_EQ(StandardCaption(StandardValue{"47", 47}, "اهم", "(کوچکتر)"), "47 اهم  (کوچکتر)");
}

}  // namespace
}  // namespace kalvane
