// The network finder against a plain enumeration of every network: on small
// value sets, for many targets, with and without exclusions, the lists of
// every count must be the same network for network.
#include "core/network_finder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <tuple>

#include "core/tests/network_finder_brute_force.h"
#include "core/tests/row_name.h"

namespace kalvane {
namespace {

std::vector<double> SeriesUpTo(StandardSeries series, double highest) {
  std::vector<double> ohms;
  for (const StandardValue& entry : StandardSeriesTable(series)) {
    if (entry.ohms <= highest)
      ohms.push_back(entry.ohms);
  }
  return ohms;
}

// Targets spread evenly in logarithm from `low` to `high`, then the
// values themselves, half of them and sums of two of them: targets the
// networks hit exactly, where ties are decided.
std::vector<double> TargetsFor(const std::vector<double>& values, double low, double high,
                               int spread) {
  std::vector<double> targets;
  std::mt19937 random(7);
  std::uniform_real_distribution<double> exponent(std::log10(low), std::log10(high));
  for (int k = 0; k < spread; ++k)
    targets.push_back(std::pow(10.0, exponent(random)));
  for (std::size_t k = 0; k<values.size(); k += values.size()> 20 ? 8 : 4) {
    targets.push_back(values[k]);
    targets.push_back(values[k] / 2);
    targets.push_back(values[k] + values[(k * 7 + 1) % values.size()]);
  }
  return targets;
}

std::string Describe(const std::vector<CountResult>& counts) {
  std::string out;
  for (const CountResult& count : counts) {
    out += "k=" + std::to_string(count.count) + ":";
    for (const Network& n : count.networks) {
      out += " [" + std::to_string(static_cast<int>(n.shape));
      for (int r = 0; r < ResistorCount(n.shape); ++r)
        out += " " + std::to_string(n.ohms[static_cast<std::size_t>(r)]);
      out += " = " + std::to_string(n.value) + "]";
    }
    out += "\n";
  }
  return out;
}

struct SetRow {
  std::string name;
  std::vector<double> values;
  std::vector<std::uint8_t> excluded;  // empty, or one flag a value
  int targets;                         // log-uniform targets besides the exact hits
};

class AgainstEnumerationTest : public testing::TestWithParam<SetRow> {};

TEST_P(AgainstEnumerationTest, EveryListIsTheEnumerations) {
  const SetRow& row = GetParam();
  const ResistorSet set(row.values);
  const double low = row.values.front() / 4, high = row.values.back() * 5;
  for (double target : TargetsFor(row.values, low, high, row.targets)) {
    const auto found = FindNetworks(set, row.excluded, target, 4);
    ASSERT_TRUE(found.has_value());
    const std::vector<CountResult> expected =
        test::EnumerateNetworks(row.values, row.excluded, target, 4);
    ASSERT_EQ(*found, expected) << "target " << target << "\nfound:\n"
                                << Describe(*found) << "enumerated:\n"
                                << Describe(expected);
  }
}

std::vector<std::uint8_t> Excluding(const std::vector<double>& values,
                                    std::initializer_list<double> gone) {
  std::vector<std::uint8_t> flags(values.size(), 0);
  for (std::size_t k = 0; k < values.size(); ++k)
    flags[k] = std::find(gone.begin(), gone.end(), values[k]) != gone.end() ? 1 : 0;
  return flags;
}

const std::vector<double> kE6ThreeDecades = SeriesUpTo(StandardSeries::E6, 1000);
const std::vector<double> kE12TwoDecades = SeriesUpTo(StandardSeries::E12, 100);

INSTANTIATE_TEST_SUITE_P(Sets, AgainstEnumerationTest,
                         testing::Values(SetRow{"E6ThreeDecades", kE6ThreeDecades, {}, 24},
                                         SetRow{"E6ThreeDecadesWithoutSome", kE6ThreeDecades,
                                                Excluding(kE6ThreeDecades, {1.0, 4.7, 100, 680}),
                                                12},
                                         SetRow{"E12TwoDecades", kE12TwoDecades, {}, 4},
                                         // Values that make many networks equal: ties are decided
                                         // by the number of distinct values, then the order.
                                         SetRow{"PowersOfTwo", {1, 2, 4, 8}, {}, 40},
                                         SetRow{"OneValue", {1000}, {}, 20},
                                         SetRow{"FarApart", {0.001, 1, 1e9}, {}, 20}),
                         RowName{});

TEST(NetworkFinderTest, ShapesCountOneTwoFourAndTenArrangements) {
  std::array<int, 5> shapes{};
  for (std::size_t s = 0; s < kNetworkShapeCount; ++s)
    ++shapes[static_cast<std::size_t>(ResistorCount(static_cast<NetworkShape>(s)))];
  EXPECT_EQ(shapes, (std::array<int, 5>{0, 1, 2, 4, 10}));
}

TEST(NetworkFinderTest, ExactHitsReportZeroErrorAndFewestValues) {
  const ResistorSet set(SeriesUpTo(StandardSeries::E24, 100000));
  // 3.3k is one resistor; two of them in series make 6.6k exactly.
  const auto found = FindNetworks(set, {}, 6600, 3);
  ASSERT_TRUE(found && found->size() == 3);
  const Network& two = (*found)[1].networks.front();
  EXPECT_EQ(two.error, 0);
  EXPECT_EQ(two.distinctValues, 1);
  EXPECT_EQ(two.shape, NetworkShape::Series2);
  EXPECT_EQ(two.ohms[0], 3300);
  for (const CountResult& count : *found) {
    EXPECT_LE(count.networks.size(), kNetworksPerCount);
    for (std::size_t k = 1; k < count.networks.size(); ++k)
      EXPECT_GE(std::abs(count.networks[k].error), std::abs(count.networks[k - 1].error));
  }
}

TEST(NetworkFinderTest, ANewerRequestStopsTheSearch) {
  const ResistorSet set(SeriesUpTo(StandardSeries::E24, 1e7));
  std::atomic<std::uint64_t> latest{2};
  EXPECT_FALSE(FindNetworks(set, {}, 4321, 4, SearchStop{&latest, 1}).has_value());
  EXPECT_TRUE(FindNetworks(set, {}, 4321, 4, SearchStop{&latest, 2}).has_value());
}

TEST(NetworkFinderTest, EveryValueExcludedLeavesEveryCountEmpty) {
  const std::vector<double> values = {10, 22, 47};
  const ResistorSet set(values);
  const auto found = FindNetworks(set, std::vector<std::uint8_t>(3, 1), 30, 4);
  ASSERT_TRUE(found && found->size() == 4);
  for (const CountResult& count : *found)
    EXPECT_TRUE(count.networks.empty());
}

TEST(NetworkFinderTest, StockSetsMergeDuplicatesAndAreKept) {
  const auto first = ResistorSet::ForValues({220, 100, 220, 47});
  EXPECT_EQ(std::vector<double>(first->Values().begin(), first->Values().end()),
            (std::vector<double>{47, 100, 220}));
  EXPECT_EQ(ResistorSet::ForValues({47, 100, 220}), first);
}

TEST(NetworkFinderTest, SeriesTablesAreBuiltOnFirstUseOnly) {
  EXPECT_FALSE(ResistorSet::SeriesBuilt(StandardSeries::E12));
  const auto set = ResistorSet::ForSeries(StandardSeries::E12);
  EXPECT_TRUE(ResistorSet::SeriesBuilt(StandardSeries::E12));
  EXPECT_EQ(set->Values().size(), 12u * 7 + 1);
  EXPECT_EQ(set->Pairs().size(), set->Values().size() * (set->Values().size() + 1));
  EXPECT_EQ(ResistorSet::ForSeries(StandardSeries::E12), set);
}

}  // namespace
}  // namespace kalvane

namespace kalvane {
namespace {

// The tree of a shape, valued in plain arithmetic, gives the shape's value:
// the drawing and the formula the window shows are the network searched.
long double TreeValue(const NetworkPart& part, const std::array<double, 4>& ohms) {
  if (part.kind == NetworkPart::Kind::Resistor)
    return ohms[static_cast<std::size_t>(part.resistor)];
  long double sum = 0;
  for (const NetworkPart& child : part.parts) {
    const long double value = TreeValue(child, ohms);
    sum += part.kind == NetworkPart::Kind::Series ? value : 1 / value;
  }
  return part.kind == NetworkPart::Kind::Series ? sum : 1 / sum;
}

int Leaves(const NetworkPart& part) {
  int leaves = part.kind == NetworkPart::Kind::Resistor ? 1 : 0;
  for (const NetworkPart& child : part.parts) {
    EXPECT_TRUE(child.kind != part.kind);
    leaves += Leaves(child);
  }
  return leaves;
}

TEST(NetworkFinderTest, EachShapesTreeIsItsFormula) {
  const std::array<double, 4> ohms = {10, 22, 47, 100};
  for (std::size_t s = 0; s < kNetworkShapeCount; ++s) {
    const auto shape = static_cast<NetworkShape>(s);
    const NetworkPart tree = ArrangementOf(shape);
    EXPECT_EQ(Leaves(tree), ResistorCount(shape)) << s;
    EXPECT_NEAR(static_cast<double>(TreeValue(tree, ohms)), NetworkValue(shape, ohms), 1e-9) << s;
  }
}

}  // namespace
}  // namespace kalvane
