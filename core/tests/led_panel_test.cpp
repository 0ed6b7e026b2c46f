// The LED panel's state machine, driven as the window drives it: the
// calculation button over a few circuits, the spin buttons, the mode and
// arrangement choices, typed texts and a change of standard series.
#include "core/led_panel.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/tests/row_name.h"

namespace kalvane {
namespace {

using In = LedInput;
using Field = LedResult;
using Pic = DiagramPicture;

const LanguageWords& kFa = kPersianWords;
const std::string kFaOhm = " اهم  ";
const std::string kLarger = "(بزرگتر)";
const std::string kSmaller = "(کوچکتر)";

void Calculate(LedPanel& panel, bool expectMessage = false) {
  const LedPanel::Calculation calculation = panel.Calculate(kFa);
  EXPECT_EQ(calculation.invalidMessage, expectMessage);
  panel.Show(calculation);
}

void SetInputs(LedPanel& panel, const std::vector<std::string>& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i)
    panel.EditInput(kLedInputs[i], texts[i]);
}

// One press of the calculation button on the inputs given, and what the
// fields and the diagram show afterwards.
struct CalcRow {
  const char* name;
  LedArrangement arrangement;
  LedCalcMode mode;
  std::vector<std::string> inputs;
  bool message;
  std::string solved, rating, larger, smaller;
  Pic picture;
  int shownNames;
  std::string lastName;
};

void PrintTo(const CalcRow& row, std::ostream* os) {
  *os << row.name;
}

class CalculateTest : public testing::TestWithParam<CalcRow> {};

TEST_P(CalculateTest, WritesTheResultsAndRefreshesTheDiagram) {
  const CalcRow& row = GetParam();
  LedPanel panel;
  panel.ChooseMode(row.mode);
  panel.ChooseArrangement(row.arrangement);
  SetInputs(panel, row.inputs);
  Calculate(panel, row.message);
  // "" leaves a field unchecked, "-" means it must be empty.
  auto expect = [&](Field field, const std::string& text) {
    if (text.empty())
      return;
    EXPECT_EQ(panel.Result(field), text == "-" ? "" : text);
  };
  expect(Field::SolvedValue, row.solved);
  expect(Field::PowerRating, row.rating);
  expect(Field::LargerStandard, row.larger);
  expect(Field::SmallerStandard, row.smaller);
  EXPECT_EQ(panel.Result(Field::DiagramSupply), "VCC : " + row.inputs[0] + "V");
  EXPECT_EQ(panel.CircuitDiagram().picture, row.picture);
  EXPECT_EQ(panel.CircuitDiagram().shownLedNames, row.shownNames);
  EXPECT_EQ(panel.CircuitDiagram().lastLedName, row.lastName);
}

const auto kSeries = LedArrangement::Series;
const auto kParallel = LedArrangement::Parallel;
const auto kResis = LedCalcMode::Resis;

INSTANTIATE_TEST_SUITE_P(Circuits, CalculateTest,
                         testing::Values(CalcRow{"Defaults",
                                                 kSeries,
                                                 kResis,
                                                 {"12", "5", "2.2", "20"},
                                                 false,
                                                 "50",
                                                 "1/4 وات",
                                                 "51" + kFaOhm + kLarger,
                                                 "47" + kFaOhm + kSmaller,
                                                 Pic::SeriesMany,
                                                 3,
                                                 "D5"},
                                         CalcRow{"OneLed",
                                                 kSeries,
                                                 kResis,
                                                 {"12", "1", "2", "20"},
                                                 false,
                                                 "500",
                                                 "",
                                                 "",
                                                 "",
                                                 Pic::Series1,
                                                 0,
                                                 "D5"},
                                         CalcRow{"TwoLeds",
                                                 kSeries,
                                                 kResis,
                                                 {"12", "2", "2", "20"},
                                                 false,
                                                 "400",
                                                 "",
                                                 "",
                                                 "",
                                                 Pic::Series2,
                                                 1,
                                                 "D5"},
                                         CalcRow{"ThreeLedsInParallel",
                                                 kParallel,
                                                 kResis,
                                                 {"12", "3", "2", "20"},
                                                 false,
                                                 "180",
                                                 "",
                                                 "",
                                                 "",
                                                 Pic::Parallel3,
                                                 2,
                                                 "D5"},
                                         CalcRow{"TwelveLedsNameTheLast",
                                                 kSeries,
                                                 kResis,
                                                 {"40", "12", "3", "20"},
                                                 false,
                                                 "200",
                                                 "",
                                                 "",
                                                 "",
                                                 Pic::SeriesMany,
                                                 3,
                                                 "D12"},
                                         CalcRow{"ParallelBuysTheLargerValue",
                                                 kParallel,
                                                 kResis,
                                                 {"12", "5", "2.2", "20"},
                                                 false,
                                                 "100",
                                                 "1 وات",
                                                 "",
                                                 "91" + kFaOhm + kSmaller,
                                                 Pic::ParallelMany,
                                                 3,
                                                 "D5"},
                                         CalcRow{"EmptyBoxChangesNoResult",
                                                 kSeries,
                                                 kResis,
                                                 {"9", "5", "2.2", ""},
                                                 true,
                                                 "50",
                                                 "1/4 وات",
                                                 "51" + kFaOhm + kLarger,
                                                 "",
                                                 Pic::SeriesMany,
                                                 3,
                                                 "D5"},
                                         CalcRow{"BelowTheTableHasNoSmallerValue",
                                                 kSeries,
                                                 kResis,
                                                 {"3", "1", "2.9", "200"},
                                                 false,
                                                 "0.5",
                                                 "",
                                                 "1.0" + kFaOhm + kLarger,
                                                 "-",
                                                 Pic::Series1,
                                                 0,
                                                 "D5"},
                                         CalcRow{"AboveTheTableHasNoLargerValue",
                                                 kSeries,
                                                 kResis,
                                                 {"100", "5", "2.2", "0.001"},
                                                 false,
                                                 "",
                                                 "",
                                                 "-",
                                                 "10000000" + kFaOhm + kSmaller,
                                                 Pic::SeriesMany,
                                                 3,
                                                 "D5"},
                                         CalcRow{"NoFiniteResistorHasNeither",
                                                 kSeries,
                                                 kResis,
                                                 {"12", "5", "2.2", "0"},
                                                 true,
                                                 "خطا",
                                                 "خطا",
                                                 "-",
                                                 "-",
                                                 Pic::SeriesMany,
                                                 3,
                                                 "D5"},
                                         CalcRow{"VoltageBelowTheLimit",
                                                 kSeries,
                                                 LedCalcMode::Volt,
                                                 {"12", "5", "600", "20"},
                                                 true,
                                                 "خطا",
                                                 "خطا",
                                                 "",
                                                 "",
                                                 Pic::SeriesMany,
                                                 3,
                                                 "D5"},
                                         CalcRow{"ZeroCountLeavesTheDiagram",
                                                 kSeries,
                                                 kResis,
                                                 {"12", "0", "2.2", "20"},
                                                 false,
                                                 "600",
                                                 "",
                                                 "",
                                                 "",
                                                 Pic::SeriesMany,
                                                 3,
                                                 "D5"}),
                         RowName{});

TEST(LedPanelTest, AnInvalidInputChangesNoResult) {
  LedPanel panel;
  SetInputs(panel, {"12", "2", "2.2", "20"});
  Calculate(panel);
  const LedPanel before = panel;
  panel.EditInput(In::Fourth, ".");
  Calculate(panel, true);
  for (Field field : {Field::SolvedValue, Field::BranchLight, Field::PowerRating,
                      Field::LargerStandard, Field::SmallerStandard, Field::DiagramResistor})
    EXPECT_EQ(panel.Result(field), before.Result(field));
}

// A spin button's clicks on a box, and the box and its down button after each.
struct SpinRow {
  const char* name;
  LedInput input;
  std::string start;
  std::string clicks;  // U up, D down
  std::vector<std::string> texts;
  std::vector<bool> greyed;
};

void PrintTo(const SpinRow& row, std::ostream* os) {
  *os << row.name;
}

class SpinTest : public testing::TestWithParam<SpinRow> {};

TEST_P(SpinTest, StepsAndGreysOutAtTheLimit) {
  const SpinRow& row = GetParam();
  LedPanel panel;
  panel.EditInput(row.input, row.start);
  for (std::size_t i = 0; i < row.clicks.size(); ++i) {
    SCOPED_TRACE(i);
    if (row.clicks[i] == 'U') {
      panel.SpinUp(row.input);
    } else {
      panel.SpinDown(row.input);
    }
    EXPECT_EQ(panel.Input(row.input), row.texts[i]);
    EXPECT_EQ(panel.IsDownGreyed(row.input), row.greyed[i]);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, SpinTest,
    testing::Values(SpinRow{"SupplyDownToZeroAndBack",
                            In::Supply,
                            "0.2",
                            "DDU",
                            {"0.1", "0", "0.1"},
                            {false, true, false}},
                    SpinRow{"CountGreysAtOne", In::Count, "2", "D", {"1"}, {true}},
                    SpinRow{"SupplyBelowZeroLosesTheMinus", In::Supply, "0", "D", {"0.1"}, {false}},
                    SpinRow{"CountBelowZeroLosesTheMinus", In::Count, "0", "D", {"1"}, {true}},
                    SpinRow{"VoltageKeepsTheMinus", In::Third, "0", "D", {"-0.1"}, {false}},
                    SpinRow{
                        "CurrentKeepsTheMinus", In::Fourth, "0", "DU", {"-1", "0"}, {false, false}},
                    SpinRow{"UpHasNoLimit", In::Fourth, "99999", "U", {"100000"}, {false}}),
    RowName{});

TEST(LedPanelTest, OnlyTheSpinButtonsChangeTheGreying) {
  LedPanel panel;
  panel.EditInput(In::Fourth, "1");
  panel.SpinDown(In::Fourth);
  ASSERT_TRUE(panel.IsDownGreyed(In::Fourth));
  panel.EditInput(In::Fourth, "30");
  panel.ChooseMode(LedCalcMode::Amp);
  EXPECT_TRUE(panel.IsDownGreyed(In::Fourth));
}

TEST(LedPanelTest, ModeButtonsLoadTheirExampleAndKeepTheRest) {
  LedPanel panel;
  SetInputs(panel, {"3", "5", "7", "20"});
  Calculate(panel);
  const std::string rating = panel.Result(Field::PowerRating);
  panel.ChooseMode(LedCalcMode::Volt);
  EXPECT_EQ(panel.Input(In::Supply), "12");
  EXPECT_EQ(panel.Input(In::Third), "50");
  EXPECT_EQ(panel.Result(Field::SolvedValue), "2.2");
  EXPECT_EQ(panel.Result(Field::BranchLight), "220");
  EXPECT_EQ(panel.Result(Field::PowerRating), rating);
  EXPECT_FALSE(panel.StandardRowsShown());
  panel.ChooseMode(LedCalcMode::Amp);
  EXPECT_EQ(panel.Input(In::Fourth), "50");
  EXPECT_EQ(panel.Result(Field::SolvedValue), "20");
}

TEST(LedPanelTest, AnArrangementLaysOutTheDiagramOnly) {
  LedPanel panel;
  panel.EditInput(In::Count, "");
  panel.ChooseArrangement(LedArrangement::Parallel);
  EXPECT_TRUE(panel.CircuitDiagram().parallelLayout);
  EXPECT_EQ(panel.CircuitDiagram().picture, Pic::SeriesMany);  // no count, no new picture
  panel.EditInput(In::Count, "12");
  panel.ChooseArrangement(LedArrangement::Parallel);
  EXPECT_EQ(panel.CircuitDiagram().picture, Pic::ParallelMany);
  EXPECT_EQ(panel.CircuitDiagram().lastLedName, "D5");  // named only by a calculation
  EXPECT_EQ(panel.Result(Field::SolvedValue), "50");
  panel.ChooseArrangement(std::nullopt);
  EXPECT_TRUE(panel.CircuitDiagram().parallelLayout);
  Calculate(panel);  // only the inputs are checked
  EXPECT_EQ(panel.Result(Field::SolvedValue), "50");
}

struct EditRow {
  const char* name;
  LedInput input;
  LedCalcMode mode;
  std::string typed;
  std::string kept;
  int limit;
};

void PrintTo(const EditRow& row, std::ostream* os) {
  *os << row.name;
}

class EditTest : public testing::TestWithParam<EditRow> {};

TEST_P(EditTest, KeepsWhatTheBoxTakesAndLimitsWhatFollows) {
  const EditRow& row = GetParam();
  LedPanel panel;
  panel.ChooseMode(row.mode);
  EXPECT_EQ(panel.EditInput(row.input, row.typed), row.kept != row.typed);
  EXPECT_EQ(panel.Input(row.input), row.kept);
  EXPECT_EQ(panel.LengthLimit(row.input), row.limit);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, EditTest,
    testing::Values(
        EditRow{"SupplyDropsLetters", In::Supply, kResis, "1a2", "12", 3},
        EditRow{"SupplyPointOpensFive", In::Supply, kResis, "12.", "12.", 5},
        EditRow{"CountDropsThePoint", In::Count, kResis, "1.2", "12", 3},
        EditRow{"PersianDigitsReadAsAscii", In::Count, kResis, "۱۲", "12", 3},
        EditRow{"VoltageKeepsLetters", In::Third, kResis, "e5", "e5", 3},
        EditRow{"VoltModeResistorTakesSeven", In::Third, LedCalcMode::Volt, "47", "47", 7},
        EditRow{"VoltModeResistorEndsAtAPoint", In::Third, LedCalcMode::Volt, "47.", "47.", 1},
        EditRow{"CurrentTakesFiveEitherWay", In::Fourth, kResis, "2.5", "2.5", 5},
        EditRow{"AmpModeResistorEndsAtAPoint", In::Fourth, LedCalcMode::Amp, "4.", "4.", 1}),
    RowName{});

TEST(LedPanelTest, ASeriesChangeRebuildsTheRowsOfTheShownCalculation) {
  LedPanel panel;
  Calculate(panel);
  const std::string light = panel.Result(Field::BranchLight);
  panel.ChooseSeries(StandardSeries::E96, kFa);
  EXPECT_EQ(panel.Result(Field::LargerStandard), "51.1" + kFaOhm + kLarger);
  EXPECT_EQ(panel.Result(Field::SmallerStandard), "49.9" + kFaOhm + kSmaller);
  EXPECT_EQ(panel.Result(Field::BranchLight), light);

  panel.ChooseArrangement(LedArrangement::Parallel);
  Calculate(panel);
  panel.ChooseSeries(StandardSeries::E6, kFa);
  EXPECT_EQ(panel.Result(Field::SolvedValue), "100");
  EXPECT_EQ(panel.Result(Field::DiagramResistor), "R : 100 Ohm");
  panel.ChooseSeries(StandardSeries::E12, kFa);  // the resistor to buy follows the series
  EXPECT_EQ(panel.Result(Field::SolvedValue), "100");
  EXPECT_EQ(panel.Result(Field::SmallerStandard), "82" + kFaOhm + kSmaller);

  panel.ChooseMode(LedCalcMode::Resis);  // the fields show the example now
  const std::string larger = panel.Result(Field::LargerStandard);
  panel.ChooseSeries(StandardSeries::E192, kFa);
  EXPECT_EQ(panel.Result(Field::LargerStandard), larger);
  EXPECT_EQ(panel.Series(), StandardSeries::E192);
}

// The boxes' key and paste rules, in the panel's resistor mode unless a row
// says otherwise; `start` is the box's text and `selected` how many of its
// characters the key or paste replaces.
struct EntryRow {
  const char* name;
  LedCalcMode mode;
  In input;
  std::string start;
  std::size_t selected;
  std::string key;                   // typed
  std::optional<std::string> typed;  // what it inserts, none when refused
  std::string clipboard;             // pasted
  std::string pasted;                // what it inserts
};

void PrintTo(const EntryRow& row, std::ostream* os) {
  *os << row.name;
}

class EntryRulesTest : public testing::TestWithParam<EntryRow> {};

TEST_P(EntryRulesTest, KeysAndPastesStayWithinTheBox) {
  const EntryRow& row = GetParam();
  LedPanel panel;
  panel.ChooseMode(row.mode);
  panel.EditInput(row.input, row.start);
  EXPECT_EQ(panel.KeyInsertion(row.input, row.key, row.selected), row.typed);
  EXPECT_EQ(panel.PasteInsertion(row.input, row.clipboard, row.selected), row.pasted);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, EntryRulesTest,
    testing::Values(
        EntryRow{"SupplyTakesDigitsAsAscii", kResis, In::Supply, "1", 0, "۲", "2", "x۳y4", "34"},
        EntryRow{"SupplyFullAtThreeDigits", kResis, In::Supply, "123", 0, "4", {}, "5", ""},
        EntryRow{"SupplyPointOpensFive", kResis, In::Supply, "12.3", 0, "4", "4", "4567", "4"},
        EntryRow{"SelectionMakesRoom", kResis, In::Supply, "123", 2, "45", "45", "4567", "45"},
        EntryRow{
            "CountDropsThePointAndMarks", kResis, In::Count, "", 0, ".", {}, "\u200f1.2", "12"},
        EntryRow{"VoltageKeepsLettersOfAPaste", kResis, In::Third, "", 0, "e", {}, "e5\n6", "e5 "},
        EntryRow{"VoltageLosesMarksOfAPaste", kResis, In::Third, "", 0, "1", "1", "\u200f1.8",
                 "1.8"},
        EntryRow{"ResistorTakesSevenDigits", LedCalcMode::Volt, In::Third, "123456", 0, "7", "7",
                 "789", "7"},
        EntryRow{
            "ResistorEndsAtItsPoint", LedCalcMode::Volt, In::Third, "47.", 0, "5", {}, "5", ""},
        EntryRow{"CurrentCountsCharactersNotBytes", kResis, In::Fourth, "۱\U0001F600", 0, "3", "3",
                 "\U0001F600\U0001F600\U0001F600\U0001F600", "\U0001F600\U0001F600\U0001F600"}),
    RowName{});

// A switch leaves what a calculation in the new language writes, except
// the error word, which stays as written.
TEST(LedPanelTest, ALanguageSwitchWritesTheNewLanguagesWords) {
  for (LedArrangement arrangement : {LedArrangement::Series, LedArrangement::Parallel}) {
    LedPanel persian, english;
    for (LedPanel* panel : {&persian, &english}) {
      panel->ChooseArrangement(arrangement);
      SetInputs(*panel, {"12", "3", "2.2", "20"});
    }
    persian.Show(persian.Calculate(kPersianWords));
    english.Show(english.Calculate(kEnglishWords));
    persian.ChangeLanguage(kPersianWords, kEnglishWords);
    EXPECT_EQ(persian.Arrangement(), LedArrangement::Series);
    for (Field field :
         {Field::PowerRating, Field::LargerStandard, Field::SmallerStandard, Field::SolvedValue}) {
      EXPECT_EQ(persian.Result(field), english.Result(field));
    }
  }
}

// Every occurrence is exchanged, also one that is not the unit.
TEST(LedPanelTest, UnitWordsAreExchangedInPlace) {
  LedPanel panel;
  panel.ReplaceInResult(Field::PowerRating, "1/4", "W 1/4");
  panel.ReplaceInResult(Field::PowerRating, "وات", "W");
  panel.ReplaceInResult(Field::LargerStandard, "اهم", "Ohm");
  EXPECT_EQ(panel.Result(Field::PowerRating), "W 1/4 W");
  EXPECT_EQ(panel.Result(Field::LargerStandard), "51 Ohm  " + kLarger);
  panel.ReplaceInResult(Field::PowerRating, "W", "وات");
  EXPECT_EQ(panel.Result(Field::PowerRating), "وات 1/4 وات");
}

}  // namespace
}  // namespace kalvane
