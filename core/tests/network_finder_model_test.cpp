#include "core/network_finder_model.h"

#include <gtest/gtest.h>

#include <string>

#include "core/tests/row_name.h"

namespace kalvane {
namespace {

using Model = NetworkFinderModel;
using Box = Model::Box;
using Problem = Model::Problem;

// Runs the pending search, as the window's worker does, and hands it in.
void Settle(Model& model) {
  ASSERT_TRUE(model.Pending().has_value());
  const Model::Request request = *model.Pending();
  auto results = Model::Run(request);
  ASSERT_TRUE(results.has_value());
  ASSERT_TRUE(model.Deliver(request.generation, std::move(*results)));
}

struct InputRow {
  std::string name;
  std::string target;
  std::string list;
  Model::ListMode mode;
  std::optional<Problem> problem;  // none: a search is asked for
  std::size_t entry = 0;
};

class InputTest : public testing::TestWithParam<InputRow> {};

TEST_P(InputTest, BadInputNamesItsProblemAndAsksForNoSearch) {
  const InputRow& row = GetParam();
  Model model;
  model.SelectMode(row.mode);
  model.Edit(Box::List, row.list);
  model.Edit(Box::Target, row.target);
  EXPECT_EQ(model.Error().has_value(), row.problem.has_value());
  EXPECT_EQ(model.Pending().has_value(), !row.problem.has_value());
  EXPECT_FALSE(model.Results().has_value());
  if (row.problem) {
    ASSERT_TRUE(model.Error());
    EXPECT_EQ(model.Error()->problem, *row.problem);
    EXPECT_EQ(model.Error()->entry, row.entry);
  }
}

const auto kExclude = Model::ListMode::Exclude;
const auto kStock = Model::ListMode::StockOnly;

INSTANTIATE_TEST_SUITE_P(
    Inputs, InputTest,
    testing::Values(InputRow{"Plain", "3k3", "", kExclude, std::nullopt},
                    InputRow{"Blank", "  ", "", kExclude, Problem::EmptyTarget},
                    InputRow{"Letters", "abc", "", kExclude, Problem::TargetNotAResistance},
                    InputRow{"UnknownUnit", "4m7", "", kExclude, Problem::TargetUnknownUnit},
                    InputRow{"Zero", "0", "", kExclude, Problem::TargetOutOfRange},
                    InputRow{"Huge", "9999999999999", "", kExclude, Problem::TargetOutOfRange},
                    // The target's fault is named before the list's.
                    InputRow{"TargetFirst", "x", "1k y", kExclude, Problem::TargetNotAResistance},
                    InputRow{"BadFifthEntry", "1k", "1k 2k2 4,7,x", kStock, Problem::BadListEntry,
                             5},
                    InputRow{"EmptyStock", "1k", " ", kStock, Problem::NoValueLeft},
                    InputRow{"StockOfOne", "1k", "470", kStock, std::nullopt}),
    RowName{});

TEST(NetworkFinderModelTest, OpensWithAnExampleWaitingForItsSearch) {
  Model model;
  EXPECT_EQ(model.Text(Box::Target), "1234");
  EXPECT_EQ(model.Series(), StandardSeries::E24);
  EXPECT_EQ(model.MaxCount(), 4);
  Settle(model);
  ASSERT_TRUE(model.Results());
  EXPECT_EQ(model.Results()->size(), 4u);
  EXPECT_FALSE(ResistorSet::SeriesBuilt(StandardSeries::E192));
}

TEST(NetworkFinderModelTest, AResultForOlderInputsNeverReplacesNewerOnes) {
  Model model;
  const Model::Request older = *model.Pending();
  model.Edit(Box::Target, "4k7");
  const Model::Request newer = *model.Pending();
  EXPECT_GT(newer.generation, older.generation);
  // The older search finishes last: it is refused, and nothing shows.
  EXPECT_TRUE(model.Deliver(newer.generation, *Model::Run(newer)));
  EXPECT_FALSE(model.Deliver(older.generation, *Model::Run(older)));
  ASSERT_TRUE(model.Results());
  EXPECT_EQ((*model.Results())[0].networks.front().value, 4700);
  // A new edit drops what was shown until its own search is in.
  model.Edit(Box::Target, "4k");
  EXPECT_FALSE(model.Results());
  EXPECT_FALSE(model.Deliver(newer.generation, *Model::Run(newer)));
}

TEST(NetworkFinderModelTest, ANewerRequestStopsAnOlderSearch) {
  Model model;
  const Model::Request older = *model.Pending();
  model.Edit(Box::Target, "22k");
  std::atomic<std::uint64_t> latest{model.Generation()};
  EXPECT_FALSE(Model::Run(older, SearchStop{&latest, older.generation}).has_value());
}

struct TypedRow {
  std::string name;
  Box box;
  std::string typed;
  std::string kept;
};

class TypedTest : public testing::TestWithParam<TypedRow> {};

TEST_P(TypedTest, BoxesKeepAsciiWithinTheirLimit) {
  Model model;
  model.Edit(GetParam().box, GetParam().typed);
  EXPECT_EQ(model.Text(GetParam().box), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Typing, TypedTest,
    testing::Values(TypedRow{"PersianDigits", Box::Target, "۳k۳", "3k3"},
                    TypedRow{"ArabicDecimalSeparator", Box::Target, "٤٫٧k", "4.7k"},
                    TypedRow{"CutToTheLimit", Box::Target, "1234567890123", "123456789012"},
                    TypedRow{"ArabicCommaInTheList", Box::List, "۱k، ۲k۲؛ 47", "1k, 2k2; 47"},
                    TypedRow{"LineBreaksInTheList", Box::List, "1k\n2k\t3k", "1k 2k 3k"}),
    RowName{});

TEST(NetworkFinderModelTest, KeysAndPastesFollowTheBoxRules) {
  Model model;
  model.Edit(Box::Target, "");
  EXPECT_EQ(model.KeyInsertion(Box::Target, "۵", 0), "5");
  EXPECT_EQ(model.KeyInsertion(Box::List, "،", 0), ",");
  EXPECT_EQ(model.PasteInsertion(Box::Target, "\u200f12k\u200f", 0), "12k");
  EXPECT_EQ(model.PasteInsertion(Box::List, std::string(400, '1'), 0).size(), Model::kListLimit);
}

TEST(NetworkFinderModelTest, LeftOutValuesAreNeverUsed) {
  Model model;
  model.Edit(Box::Target, "1k2");
  model.Edit(Box::List, "1k2, 1k3");
  Settle(model);
  for (const CountResult& count : *model.Results()) {
    for (const Network& network : count.networks) {
      for (int r = 0; r < ResistorCount(network.shape); ++r) {
        EXPECT_NE(network.ohms[static_cast<std::size_t>(r)], 1200);
        EXPECT_NE(network.ohms[static_cast<std::size_t>(r)], 1300);
      }
    }
  }
  EXPECT_TRUE(model.NotInSeries().empty());
  model.Edit(Box::List, "1k2 4k8");
  EXPECT_EQ(model.NotInSeries(), std::vector<std::string>{"4800"});
}

TEST(NetworkFinderModelTest, EveryValueLeftOutIsNamed) {
  Model model;
  model.SelectSeries(StandardSeries::E6);
  std::string all;
  for (const StandardValue& value : StandardSeriesTable(StandardSeries::E6))
    all += std::string(value.text) + " ";
  model.SelectMode(Model::ListMode::Exclude);
  model.Edit(Box::List, all.substr(0, Model::kListLimit));
  ASSERT_TRUE(model.Error());
  EXPECT_EQ(model.Error()->problem, Problem::NoValueLeft);
}

TEST(NetworkFinderModelTest, StockListsUseOnlyTheirValues) {
  Model model;
  model.SelectMode(Model::ListMode::StockOnly);
  model.Edit(Box::List, "100 220");
  model.Edit(Box::Target, "160");
  Settle(model);
  // 100 and 220 are both 60 off: the tie goes to the lower value.
  const auto& counts = *model.Results();
  EXPECT_EQ(counts[0].networks.front().value, 100);
  EXPECT_EQ(counts[0].networks[1].value, 220);
  EXPECT_EQ(counts[1].networks.front().value, 200);
}

struct HintRow {
  std::string name;
  std::string target;
  StandardSeries series;
  int maxCount;
  std::optional<int> hint;
};

class HintTest : public testing::TestWithParam<HintRow> {};

TEST_P(HintTest, ASmallerCountWellInsideTheToleranceIsNamed) {
  Model model;
  model.SelectSeries(GetParam().series);
  model.SelectMaxCount(GetParam().maxCount);
  model.Edit(Box::Target, GetParam().target);
  Settle(model);
  EXPECT_EQ(model.HintCount(), GetParam().hint);
}

INSTANTIATE_TEST_SUITE_P(
    Hints, HintTest,
    testing::Values(HintRow{"OneResistorExact", "4k7", StandardSeries::E24, 4, 1},
                    HintRow{"NothingBelowTheLargestCount", "4k7", StandardSeries::E24, 1,
                            std::nullopt},
                    // 1234: 1.2k is 2.8 % off, beyond a tenth of 5 %; two
                    // resistors come within 0.5 %.
                    HintRow{"TwoWithinATenthOfE24", "1234", StandardSeries::E24, 4, 2}),
    RowName{});

TEST(NetworkFinderModelTest, PickingARunnerUpIsKeptUntilTheNextResult) {
  Model model;
  Settle(model);
  model.Pick(3, 2);
  EXPECT_EQ(model.Picked(3), 2u);
  model.Pick(3, 9);
  EXPECT_EQ(model.Picked(3), 2u);
  model.SelectMaxCount(3);
  Settle(model);
  EXPECT_EQ(model.Picked(3), 0u);
}

}  // namespace
}  // namespace kalvane
