// The divider / regulator window's state: what its boxes take, what they
// read as, and that the pairs always belong to what the boxes hold.
#include "core/divider_model.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kalvane {
namespace {

using Box = DividerModel::Box;
using Mode = DividerModel::Mode;
using Problem = DividerModel::Problem;
using InputProblem = DividerModel::InputProblem;

TEST(DividerModelTest, OpensWithFiveToThreePointThreeVolts) {
  const DividerModel model;
  EXPECT_EQ(model.CurrentMode(), Mode::Divider);
  EXPECT_EQ(model.Series(), StandardSeries::E24);
  ASSERT_NE(model.Pairs(), nullptr);
  ASSERT_EQ(model.Pairs()->size(), kDividerResultCount);
  const DividerPair& best = model.Pairs()->front();
  EXPECT_LT(std::abs(best.error), 0.005);
  EXPECT_GE(best.r1 + best.r2, 1000);
  EXPECT_LE(best.r1 + best.r2, 1e6);
  EXPECT_EQ(model.WantedVout(), 3.3);
}

struct ProblemRow {
  const char* name;
  Mode mode;
  std::vector<std::pair<Box, const char*>> edits;
  InputProblem expected;
};

class DividerProblemTest : public testing::TestWithParam<ProblemRow> {};

TEST_P(DividerProblemTest, BadInputNamesItsBoxAndLeavesNoPair) {
  const ProblemRow& row = GetParam();
  DividerModel model;
  model.SetMode(row.mode);
  for (const auto& [box, text] : row.edits)
    model.Edit(box, text);
  ASSERT_TRUE(std::holds_alternative<InputProblem>(model.Result()));
  EXPECT_EQ(std::get<InputProblem>(model.Result()), row.expected);
  EXPECT_EQ(model.Pairs(), nullptr);
  EXPECT_EQ(model.WantedVout(), std::nullopt);
}

const ProblemRow kProblems[] = {
    {"EmptyVin", Mode::Divider, {{Box::Vin, ""}}, {Problem::Empty, Box::Vin}},
    {"BlankTarget", Mode::Divider, {{Box::Target, "  "}}, {Problem::Empty, Box::Target}},
    {"VinWithAUnit", Mode::Divider, {{Box::Vin, "5V"}}, {Problem::NotANumber, Box::Vin}},
    {"ZeroVin", Mode::Divider, {{Box::Vin, "0"}}, {Problem::NotAboveZero, Box::Vin}},
    {"NegativeTarget", Mode::Divider, {{Box::Target, "-1"}}, {Problem::NotAboveZero, Box::Target}},
    {"VoutAtVin", Mode::Divider, {{Box::Target, "5"}}, {Problem::ImpossibleTarget, Box::Target}},
    {"VoutAboveVin",
     Mode::Divider,
     {{Box::Target, "12"}},
     {Problem::ImpossibleTarget, Box::Target}},
    {"AnUnreadableBoxBeforeAnImpossibleTarget",
     Mode::Divider,
     {{Box::Target, "12"}, {Box::TotalMax, "1x"}},
     {Problem::UnknownUnit, Box::TotalMax}},
    {"LoadOfZero", Mode::Divider, {{Box::Load, "0"}}, {Problem::OutOfRange, Box::Load}},
    {"LoadNotAResistance", Mode::Divider, {{Box::Load, "1.2.3"}}, {Problem::NotANumber, Box::Load}},
    {"TotalRangeUpsideDown",
     Mode::Divider,
     {{Box::TotalMin, "1M"}, {Box::TotalMax, "1k"}},
     {Problem::RangeEmpty, Box::TotalMax}},
    {"TotalRangeBelowTwoOhm",
     Mode::Divider,
     {{Box::TotalMin, "0"}, {Box::TotalMax, "1.5"}},
     {Problem::NoValueLeft, Box::TotalMin}},
    {"BadThirdExclusion",
     Mode::Divider,
     {{Box::Exclusions, "1k, 2k2 3q"}},
     {Problem::BadExclusion, Box::Exclusions, 3}},
    {"RegulatorBelowVref",
     Mode::Regulator,
     {{Box::RegulatorVout, "1.2"}},
     {Problem::ImpossibleTarget, Box::RegulatorVout}},
    {"VrefZero", Mode::Regulator, {{Box::Vref, "0"}}, {Problem::NotAboveZero, Box::Vref}},
    {"NegativeIadj", Mode::Regulator, {{Box::Iadj, "-5"}}, {Problem::OutOfRange, Box::Iadj}},
    {"EmptyIadj", Mode::Regulator, {{Box::Iadj, ""}}, {Problem::Empty, Box::Iadj}},
    {"ToleranceOfAHundred",
     Mode::Regulator,
     {{Box::VrefTolerance, "100"}},
     {Problem::OutOfRange, Box::VrefTolerance}},
    {"R2RangeUpsideDown",
     Mode::Regulator,
     {{Box::R2Min, "10k"}, {Box::R2Max, "1k"}},
     {Problem::RangeEmpty, Box::R2Max}},
    {"NoE24ValueInR1Range",
     Mode::Regulator,
     {{Box::R1Min, "101"}, {Box::R1Max, "109"}},
     {Problem::NoValueLeft, Box::R1Min}},
    {"NoE24ValueInR2Range",
     Mode::Regulator,
     {{Box::R2Min, "101"}, {Box::R2Max, "109"}},
     {Problem::NoValueLeft, Box::R2Min}},
    {"ExcludingTheOnlyR1",
     Mode::Regulator,
     {{Box::R1Min, "240"}, {Box::R1Max, "240"}, {Box::Exclusions, "240"}},
     {Problem::NoValueLeft, Box::R1Min}},
};
INSTANTIATE_TEST_SUITE_P(Problems, DividerProblemTest, testing::ValuesIn(kProblems),
                         [](const testing::TestParamInfo<ProblemRow>& row) {
                           return std::string(row.param.name);
                         });

TEST(DividerModelTest, BoxesTakeAsciiPersianDigitsAndTheArabicSeparators) {
  DividerModel model;
  EXPECT_EQ(model.KeyInsertion(Box::Vin, "V", 0), "V");  // named by the message, not refused
  EXPECT_EQ(model.KeyInsertion(Box::Vin, "۱۲", 0), "12");
  EXPECT_EQ(model.KeyInsertion(Box::Vin, "ب", 0), std::nullopt);
  EXPECT_EQ(model.KeyInsertion(Box::Exclusions, "،", 0), ",");
  EXPECT_EQ(model.PasteInsertion(Box::Target, "\u200f3\u066b3" + std::string(1 << 20, '0'), 3),
            "3.30000000");
  model.Edit(Box::Vin, "۱۲٫۵");
  EXPECT_EQ(model.Text(Box::Vin), "12.5");
  model.Edit(Box::Exclusions, "۴k۷؛ ۱۰k");
  EXPECT_EQ(model.Text(Box::Exclusions), "4k7; 10k");
  model.Edit(Box::TotalMax, "1000000000000000");
  EXPECT_EQ(model.Text(Box::TotalMax), "100000000000");
  EXPECT_EQ(DividerModel::LengthLimit(Box::TotalMax), 12u);
}

TEST(DividerModelTest, EveryChangeSearchesAgain) {
  DividerModel model;
  const double firstR1 = model.Pairs()->front().r1;
  const double firstR2 = model.Pairs()->front().r2;
  model.Select(3);
  EXPECT_EQ(model.SelectedRow(), 3u);
  model.Select(99);
  EXPECT_EQ(model.SelectedRow(), 3u);

  // The best pair left out: it never comes back while excluded.
  model.Edit(Box::Exclusions, std::to_string(static_cast<long>(firstR1)));
  EXPECT_EQ(model.SelectedRow(), 0u);
  for (const DividerPair& pair : *model.Pairs())
    EXPECT_TRUE(pair.r1 != firstR1 && pair.r2 != firstR1);
  model.Edit(Box::Exclusions, "");
  EXPECT_EQ(model.Pairs()->front().r2, firstR2);

  // A ratio of Vin: 0.5 of 5 V is exact under any series.
  model.SetTargetKind(DividerModel::TargetKind::Ratio);
  model.Edit(Box::Target, "0.5");
  EXPECT_EQ(model.WantedVout(), 2.5);
  EXPECT_EQ(model.Pairs()->front().error, 0);
  model.Edit(Box::Target, "1");
  EXPECT_EQ(std::get<InputProblem>(model.Result()),
            (InputProblem{Problem::ImpossibleTarget, Box::Target}));

  // The regulator keeps its own boxes; the divider's texts wait.
  model.SetMode(Mode::Regulator);
  ASSERT_NE(model.Pairs(), nullptr);
  EXPECT_EQ(model.WantedVout(), 5);
  EXPECT_EQ(model.Text(Box::Target), "1");
  EXPECT_EQ(model.ShownBoxes().front(), Box::RegulatorVout);
  for (const DividerPair& pair : *model.Pairs()) {
    EXPECT_TRUE(pair.r1 >= 100 && pair.r1 <= 1000);
    EXPECT_TRUE(pair.r2 >= 100 && pair.r2 <= 100000);
    EXPECT_LT(pair.voutLow, pair.vout);
    EXPECT_GT(pair.voutHigh, pair.vout);
  }
  const double e24Error = std::abs(model.Pairs()->front().error);
  model.SetSeries(StandardSeries::E192);
  EXPECT_LE(std::abs(model.Pairs()->front().error), e24Error);
  // E192's 0.5 % parts and the 4 % reference.
  const DividerPair& best = model.Pairs()->front();
  EXPECT_DOUBLE_EQ(
      best.voutHigh,
      EvaluateRegulator({5, 1.25, 50e-6, 0, 0, 0, 0}, best.r1, best.r2, 0.005, 0.04).voutHigh);
}

}  // namespace
}  // namespace kalvane
