#include "core/standard_values.h"

#include <gtest/gtest.h>

#include "core/tests/row_name.h"

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

struct SearchRow {
  const char* name;
  double r;
  const char* larger;   // nullptr: none
  const char* smaller;  // nullptr: none
};

class StandardSearchTest : public testing::TestWithParam<SearchRow> {};

TEST_P(StandardSearchTest, FindsNearestEntriesAroundR) {
  const SearchRow& row = GetParam();
  auto larger = FindLargerStandard(row.r);
  auto smaller = FindSmallerStandard(row.r);
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

TEST(StandardCaption, JoinsTextOhmWordAndTagWithOneAndTwoSpaces) {
  StandardValue entry{"51", 51};
  EXPECT_EQ(StandardCaption(entry, "Ohm", "(Larger)"), "51 Ohm  (Larger)");
  EXPECT_EQ(StandardCaption(StandardValue{"47", 47}, "اهم", "(کوچکتر)"), "47 اهم  (کوچکتر)");
}

}  // namespace
}  // namespace kalvane
