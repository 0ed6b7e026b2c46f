// The divider and regulator searches: what one pair gives, worked by hand,
// and the best dozen against a plain ranking of every pair.
#include "core/divider_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/standard_values.h"

namespace kalvane {
namespace {

std::vector<double> SeriesOhms(StandardSeries series, double low, double high) {
  std::vector<double> values;
  for (const StandardValue& entry : StandardSeriesTable(series))
    if (entry.ohms >= low && entry.ohms <= high)
      values.push_back(entry.ohms);
  return values;
}

// Every pair the ranges allow, ranked, the first dozen kept.
template <typename Allowed, typename Evaluate>
std::vector<DividerPair> RankEveryPair(const std::vector<double>& values, double wanted,
                                       Allowed allowed, Evaluate evaluate) {
  std::vector<DividerPair> all;
  for (double r1 : values)
    for (double r2 : values)
      if (allowed(r1, r2))
        all.push_back(evaluate(r1, r2));
  std::sort(all.begin(), all.end(), [wanted](const DividerPair& a, const DividerPair& b) {
    return RanksBefore(a, b, wanted);
  });
  all.resize(std::min(all.size(), kDividerResultCount));
  return all;
}

void ExpectSamePairs(const std::vector<DividerPair>& found, const std::vector<DividerPair>& every,
                     const std::string& what) {
  ASSERT_EQ(found.size(), every.size()) << what;
  for (std::size_t i = 0; i < found.size(); ++i) {
    EXPECT_EQ(found[i].r1, every[i].r1) << what << " row " << i;
    EXPECT_EQ(found[i].r2, every[i].r2) << what << " row " << i;
  }
}

TEST(DividerSearchTest, OnePairGivesWhatTheCircuitGives) {
  struct Row {
    const char* name;
    DividerPair pair;
    DividerPair expected;
  };
  const DividerTarget fiveToThree{5, 3.3, 0, 1e9, 0};
  const DividerTarget loaded{5, 3.3, 0, 1e9, 2000};
  const RegulatorTarget lm{5, 1.25, 50e-6, 0, 1e9, 0, 1e9};
  const RegulatorTarget feedback{3.3, 0.8, 0, 0, 1e9, 0, 1e9};
  const Row rows[] = {
      {"divider 1k over 2k, 5 %",
       EvaluateDivider(fiveToThree, 1000, 2000, 0.05),
       {1000, 2000, 5.0 * 2 / 3, 5.0 * 2 / 3 / 3.3 - 1, 5.0 / 3000, 5.0 * 1900 / 2950,
        5.0 * 2100 / 3050}},
      {"a 2k load halves R2",
       EvaluateDivider(loaded, 1000, 2000, 0),
       {1000, 2000, 2.5, 2.5 / 3.3 - 1, 2.5e-3, 2.5, 2.5}},
      {"adjust pin 240 and 720, 1 % and 4 %",
       EvaluateRegulator(lm, 240, 720, 0.01, 0.04),
       {240, 720, 5.036, 5.036 / 5 - 1, 1.25 / 240, 1.2 * (1 + 712.8 / 242.4) + 50e-6 * 712.8,
        1.3 * (1 + 727.2 / 237.6) + 50e-6 * 727.2}},
      {"feedback pin without current",
       EvaluateRegulator(feedback, 10000, 31600, 0, 0),
       {10000, 31600, 0.8 * 4.16, 0.8 * 4.16 / 3.3 - 1, 0.8e-4, 0.8 * 4.16, 0.8 * 4.16}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.pair.r1, row.expected.r1);
    EXPECT_EQ(row.pair.r2, row.expected.r2);
    EXPECT_NEAR(row.pair.vout, row.expected.vout, 1e-12);
    EXPECT_NEAR(row.pair.error, row.expected.error, 1e-12);
    EXPECT_NEAR(row.pair.current, row.expected.current, 1e-15);
    EXPECT_NEAR(row.pair.voutLow, row.expected.voutLow, 1e-12);
    EXPECT_NEAR(row.pair.voutHigh, row.expected.voutHigh, 1e-12);
  }
}

TEST(DividerSearchTest, ExactRatiosTieAndTheLighterDividerWins) {
  // 5 V to 2.5 V: every R1 = R2 is exact; the lightest that fits comes first.
  const std::vector<double> e6 = SeriesOhms(StandardSeries::E6, 1, 1e7);
  const auto pairs = FindDividerPairs({5, 2.5, 1000, 1e6, 0}, e6, 0.2);
  ASSERT_EQ(pairs.size(), kDividerResultCount);
  const double expectedR1[] = {470000, 330000, 220000, 150000, 100000, 68000, 47000, 33000};
  for (std::size_t i = 0; i < std::size(expectedR1); ++i) {
    EXPECT_EQ(pairs[i].r1, expectedR1[i]) << i;
    EXPECT_EQ(pairs[i].r2, expectedR1[i]) << i;
    EXPECT_EQ(pairs[i].error, 0) << i;
  }
  for (std::size_t i = 1; i < pairs.size(); ++i)
    EXPECT_TRUE(RanksBefore(pairs[i - 1], pairs[i], 2.5)) << i;
}

TEST(DividerSearchTest, RangesThatHoldNoPairGiveNone) {
  const std::vector<double> e12 = SeriesOhms(StandardSeries::E12, 1, 1e7);
  EXPECT_TRUE(FindDividerPairs({5, 3.3, 1, 1.5, 0}, e12, 0.1).empty());  // below 1 + 1
  EXPECT_TRUE(FindDividerPairs({5, 3.3, 3e7, 4e7, 0}, e12, 0.1).empty());
  EXPECT_TRUE(FindRegulatorPairs({5, 1.25, 0, 160, 170, 1, 1e7}, e12, 0.1, 0).empty());
  EXPECT_TRUE(FindDividerPairs({5, 3.3, 0, 1e9, 0}, {}, 0.1).empty());
  // Three values, nine pairs: all of them, ranked.
  const std::vector<double> three = {100, 200, 300};
  EXPECT_EQ(FindDividerPairs({5, 3.3, 0, 1e9, 0}, three, 0.1).size(), 9u);
}

// The searches against ranking every pair, over random targets, loads,
// ranges and random subsets of small series.
TEST(DividerSearchTest, TheBestDozenIsTheBestOfEveryPair) {
  std::mt19937 random(19);
  const auto uniform = [&random](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  };
  const auto logUniform = [&](double low, double high) {
    return std::exp(uniform(std::log(low), std::log(high)));
  };
  const StandardSeries small[] = {StandardSeries::E6, StandardSeries::E12, StandardSeries::E24};
  for (int round = 0; round < 400; ++round) {
    std::vector<double> values;
    const StandardSeries series = small[round % 3];
    const double keep = round % 4 == 0 ? 1.0 : uniform(0.2, 1.0);
    for (double v : SeriesOhms(series, 1, 1e7))
      if (uniform(0, 1) < keep)
        values.push_back(v);
    const std::string what = "round " + std::to_string(round);

    DividerTarget divider;
    divider.vin = logUniform(0.5, 50);
    divider.vout = divider.vin * uniform(0.01, 0.99);
    divider.totalMin = round % 5 == 0 ? 0 : logUniform(1, 1e5);
    divider.totalMax = divider.totalMin * logUniform(1, 1e4);
    divider.load = round % 3 == 0 ? logUniform(10, 1e7) : 0;
    ExpectSamePairs(
        FindDividerPairs(divider, values, 0.05),
        RankEveryPair(
            values, divider.vout,
            [&](double r1, double r2) {
              return r1 + r2 >= divider.totalMin && r1 + r2 <= divider.totalMax;
            },
            [&](double r1, double r2) { return EvaluateDivider(divider, r1, r2, 0.05); }),
        what + " divider");

    RegulatorTarget regulator;
    regulator.vref = uniform(0.5, 2.5);
    regulator.vout = regulator.vref * logUniform(1.01, 30);
    regulator.iadj = round % 2 == 0 ? 0 : uniform(0, 100e-6);
    regulator.r1Min = logUniform(1, 1e5);
    regulator.r1Max = regulator.r1Min * logUniform(1, 100);
    regulator.r2Min = logUniform(1, 1e5);
    regulator.r2Max = regulator.r2Min * logUniform(1, 1e3);
    ExpectSamePairs(
        FindRegulatorPairs(regulator, values, 0.05, 0.04),
        RankEveryPair(
            values, regulator.vout,
            [&](double r1, double r2) {
              return r1 >= regulator.r1Min && r1 <= regulator.r1Max && r2 >= regulator.r2Min &&
                     r2 <= regulator.r2Max;
            },
            [&](double r1, double r2) { return EvaluateRegulator(regulator, r1, r2, 0.05, 0.04); }),
        what + " regulator");
  }
}

}  // namespace
}  // namespace kalvane
