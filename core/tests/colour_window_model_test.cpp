#include "core/colour_window_model.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "core/temperature_coefficient.h"
#include "core/tests/row_name.h"

namespace kalvane {
namespace {

using Kind = WindowKind;
using enum BandColour;

const std::string kFaOhm = " اهم";
const std::string kFaKilo = " کيلو اهم";

// The colours the digit and multiplier bands show.
std::vector<BandColour> ValueBands(const ColourWindowModel& w) {
  std::vector<BandColour> colours;
  const ColourWindowLayout& layout = LayoutOf(w.Kind());
  for (int band = 0; band <= layout.multiplierBand; ++band) {
    colours.push_back(
        *ColourAt(*ListOf(w.Kind(), band), w.Positions()[static_cast<std::size_t>(band)]));
  }
  return colours;
}

// What must hold after every event, whatever the input.
void ExpectConsistent(const ColourWindowModel& w) {
  ASSERT_FALSE(w.DepthLimitReached());
  ASSERT_TRUE(AreValidPositions(w.Kind(), w.Positions()));
  const ColourWindowLayout& layout = LayoutOf(w.Kind());
  for (int band = 0; band < layout.bandCount; ++band) {
    std::size_t b = static_cast<std::size_t>(band);
    ASSERT_EQ(w.EnglishPositions()[b], w.Positions()[b]) << "band " << band;
  }
  ASSERT_LE(w.Text().size(), layout.entryLengthLimit);
  ASSERT_LE(w.Caret(), w.Text().size());
  FormattedResistance shown = FormatResistance(DecodeBands(w.Kind(), w.Positions())->text);
  ASSERT_EQ(w.ResistanceCaptionEnglish(), shown.englishCaption);
  ASSERT_EQ(w.ResistanceCaptionPersian(), shown.persianCaption);
  ASSERT_EQ(w.ToleranceCaption(),
            w.State().ToleranceLabelText(w.Positions()[std::size_t(layout.toleranceBand)]));
  if (layout.temperatureCoefficientBand >= 0) {
    const int position = w.Positions()[std::size_t(layout.temperatureCoefficientBand)];
    ASSERT_EQ(
        w.TemperatureCoefficientCaption(),
        std::string(TemperatureCoefficientItems()[std::size_t(position)].ppmPerKelvin) + " ppm/K");
  }
}

struct OpeningRow {
  const char* name;
  Kind kind;
  std::vector<BandColour> bands;  // the tolerance band last
  const char* tolerance;
};

void PrintTo(const OpeningRow& row, std::ostream* os) {
  *os << row.name;
}

class OpeningTest : public testing::TestWithParam<OpeningRow> {};

TEST_P(OpeningTest, ShowsTheDefaults) {
  const OpeningRow& row = GetParam();
  ColourWindowModel w(row.kind);
  ExpectConsistent(w);
  const ColourWindowLayout& layout = LayoutOf(row.kind);
  std::vector<BandColour> bands = ValueBands(w);
  bands.push_back(*ColourAt(*ListOf(row.kind, layout.toleranceBand),
                            w.Positions()[std::size_t(layout.toleranceBand)]));
  EXPECT_EQ(bands, row.bands);
  EXPECT_EQ(w.Text(), "1");
  EXPECT_EQ(w.ResistanceCaptionEnglish(), "1 Ohm");
  EXPECT_EQ(w.ResistanceCaptionPersian(), "1" + kFaOhm);
  EXPECT_EQ(w.ToleranceCaption(), row.tolerance);
  EXPECT_GT(w.State().ComputeCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, OpeningTest,
    testing::Values(
        OpeningRow{"FourBand", Kind::FourBand, {Brown, Black, Gold, Gold}, "±5%"},
        OpeningRow{"FiveBand", Kind::FiveBand, {Brown, Black, Black, Silver, Brown}, "±1%"},
        OpeningRow{"SixBand", Kind::SixBand, {Brown, Black, Black, Silver, Brown}, "±1%"}),
    RowName{});

// One keystroke, or a paste when `paste` is set, and what the window shows after it.
struct Key {
  char key;
  const char* text;
  std::vector<BandColour> bands;
  const char* paste = nullptr;
};

struct SequenceRow {
  const char* name;
  Kind kind;
  std::vector<Key> keys;
};

void PrintTo(const SequenceRow& row, std::ostream* os) {
  *os << row.name;
}

class TypingTest : public testing::TestWithParam<SequenceRow> {};

// The box is emptied first, with the opening value selected; then each key
// is typed at the caret.
TEST_P(TypingTest, BoxAndBandsAfterEveryKey) {
  const SequenceRow& row = GetParam();
  ColourWindowModel w(row.kind);
  std::vector<BandColour> opening = ValueBands(w);
  w.SetText("");
  EXPECT_EQ(ValueBands(w), opening);
  for (std::size_t i = 0; i < row.keys.size(); ++i) {
    const Key& key = row.keys[i];
    SCOPED_TRACE(testing::Message() << "key " << i + 1 << " '"
                                    << (key.paste ? key.paste : std::string(1, key.key)) << "'");
    if (key.paste) {
      w.SetText(key.paste);
    } else {
      w.Type(key.key);
    }
    ExpectConsistent(w);
    EXPECT_EQ(w.Text(), key.text);
    EXPECT_EQ(w.Caret(), w.Text().size());
    EXPECT_EQ(ValueBands(w), key.bands);
  }
}

INSTANTIATE_TEST_SUITE_P(
    FourBand, TypingTest,
    testing::Values(
        SequenceRow{"FortySevenMegaThenNoNinthCharacter",
                    Kind::FourBand,
                    {{'4', "4", {Yellow, Black, Gold}},
                     {'7', "47", {Yellow, Violet, Black}},
                     {'0', "470", {Yellow, Violet, Brown}},
                     {'0', "4700", {Yellow, Violet, Red}},
                     {'0', "47000", {Yellow, Violet, Orange}},
                     {'0', "470000", {Yellow, Violet, Yellow}},
                     {'0', "4700000", {Yellow, Violet, Green}},
                     {'0', "47000000", {Yellow, Violet, Blue}},
                     {'0', "47000000", {Yellow, Violet, Blue}}}},
        SequenceRow{"ThirdDigitDeleted",
                    Kind::FourBand,
                    {{'4', "4", {Yellow, Black, Gold}},
                     {'7', "47", {Yellow, Violet, Black}},
                     {'5', "47", {Yellow, Violet, Black}}}},
        SequenceRow{"FourPointSeven",
                    Kind::FourBand,
                    {{'4', "4", {Yellow, Black, Gold}},
                     {'.', "4.", {Yellow, Black, Gold}},
                     {'7', "4.7", {Yellow, Violet, Gold}}}},
        SequenceRow{"SmallestZeroPointOne",
                    Kind::FourBand,
                    {{'0', "0", {Brown, Black, Gold}},
                     {'.', "0.", {Brown, Black, Gold}},
                     {'1', "0.1", {Brown, Black, Silver}}}},
        SequenceRow{"LargestNinetyNineMega",
                    Kind::FourBand,
                    {{'9', "9", {White, Black, Gold}},
                     {'9', "99", {White, White, Black}},
                     {'0', "990", {White, White, Brown}},
                     {'0', "9900", {White, White, Red}},
                     {'0', "99000", {White, White, Orange}},
                     {'0', "990000", {White, White, Yellow}},
                     {'0', "9900000", {White, White, Green}},
                     {'0', "99000000", {White, White, Blue}},
                     {'0', "99000000", {White, White, Blue}}}},
        SequenceRow{"OnePointFive",
                    Kind::FourBand,
                    {{'1', "1", {Brown, Black, Gold}},
                     {'.', "1.", {Brown, Black, Gold}},
                     {'5', "1.5", {Brown, Green, Gold}}}},
        SequenceRow{"Fifteen",
                    Kind::FourBand,
                    {{'1', "1", {Brown, Black, Gold}}, {'5', "15", {Brown, Green, Black}}}},
        SequenceRow{"ZeroAfterZeroPointFourIsKept",
                    Kind::FourBand,
                    {{'0', "0", {Brown, Black, Gold}},
                     {'.', "0.", {Brown, Black, Gold}},
                     {'4', "0.4", {Yellow, Black, Silver}},
                     {'0', "0.40", {Yellow, Black, Silver}}}},
        SequenceRow{"OneTwoThreeCutToTwelve",
                    Kind::FourBand,
                    {{'1', "1", {Brown, Black, Gold}},
                     {'2', "12", {Brown, Red, Black}},
                     {'3', "12", {Brown, Red, Black}}}},
        SequenceRow{"PointAfterTenKeepsTen",
                    Kind::FourBand,
                    {{'1', "1", {Brown, Black, Gold}},
                     {'0', "10", {Brown, Black, Black}},
                     {'.', "10.", {Brown, Black, Black}}}},
        // Repaired: the third significant digit after "0." is deleted too.
        SequenceRow{"ZeroPointFortySevenThenThirdDigitDeleted",
                    Kind::FourBand,
                    {{'0', "0", {Brown, Black, Gold}},
                     {'.', "0.", {Brown, Black, Gold}},
                     {'4', "0.4", {Yellow, Black, Silver}},
                     {'7', "0.47", {Yellow, Violet, Silver}},
                     {'5', "0.47", {Yellow, Violet, Silver}}}},
        SequenceRow{
            "PastedInnerDigitsWrittenBack",
            Kind::FourBand,
            {{'1', "1", {Brown, Black, Gold}}, {0, "47000", {Yellow, Violet, Orange}, "47500"}}},
        SequenceRow{"PastedEightEndingInDigitCutToSeven",
                    Kind::FourBand,
                    {{0, "4700000", {Yellow, Violet, Green}, "47000005"}}},
        SequenceRow{"LeadingPointRemoved",
                    Kind::FourBand,
                    {{'.', "", {Brown, Black, Gold}}, {'4', "4", {Yellow, Black, Gold}}}},
        SequenceRow{"LettersAreRefused",
                    Kind::FourBand,
                    {{'4', "4", {Yellow, Black, Gold}},
                     {'x', "4", {Yellow, Black, Gold}},
                     {'7', "47", {Yellow, Violet, Black}}}},
        SequenceRow{"BelowSmallestLeavesTheBands",
                    Kind::FourBand,
                    {{'0', "0", {Brown, Black, Gold}},
                     {'.', "0.", {Brown, Black, Gold}},
                     {'0', "0.0", {Brown, Black, Gold}},
                     {'5', "0.05", {Brown, Black, Gold}},
                     {'1', "0.05", {Brown, Black, Gold}}}}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    FiveBand, TypingTest,
    testing::Values(SequenceRow{"FourSeventyThenCut",
                                Kind::FiveBand,
                                {{'4', "4", {Yellow, Black, Black, Silver}},
                                 {'7', "47", {Yellow, Violet, Black, Gold}},
                                 {'0', "470", {Yellow, Violet, Black, Black}},
                                 {'5', "470", {Yellow, Violet, Black, Black}}}},
                    SequenceRow{"FourPointSevenFive",
                                Kind::FiveBand,
                                {{'4', "4", {Yellow, Black, Black, Silver}},
                                 {'.', "4.", {Yellow, Black, Black, Silver}},
                                 {'7', "4.7", {Yellow, Violet, Black, Silver}},
                                 {'5', "4.75", {Yellow, Violet, Green, Silver}}}},
                    SequenceRow{"FortySevenPointFive",
                                Kind::FiveBand,
                                {{'4', "4", {Yellow, Black, Black, Silver}},
                                 {'7', "47", {Yellow, Violet, Black, Gold}},
                                 {'.', "47.", {Yellow, Violet, Black, Gold}},
                                 {'5', "47.5", {Yellow, Violet, Green, Gold}}}},
                    SequenceRow{"DigitPointZeroKeepsTheBands",
                                Kind::FiveBand,
                                {{'4', "4", {Yellow, Black, Black, Silver}},
                                 {'.', "4.", {Yellow, Black, Black, Silver}},
                                 {'0', "4.0", {Yellow, Black, Black, Silver}}}},
                    SequenceRow{"OneTwoThree",
                                Kind::FiveBand,
                                {{'1', "1", {Brown, Black, Black, Silver}},
                                 {'2', "12", {Brown, Red, Black, Gold}},
                                 {'3', "123", {Brown, Red, Orange, Black}}}},
                    // Repaired: 10.5 is accepted instead of losing its 5.
                    SequenceRow{"TenPointFive",
                                Kind::FiveBand,
                                {{'1', "1", {Brown, Black, Black, Silver}},
                                 {'0', "10", {Brown, Black, Black, Gold}},
                                 {'.', "10.", {Brown, Black, Black, Gold}},
                                 {'5', "10.5", {Brown, Black, Green, Gold}}}},
                    SequenceRow{"LargestThenNoTenthCharacter",
                                Kind::FiveBand,
                                {{'9', "9", {White, Black, Black, Silver}},
                                 {'9', "99", {White, White, Black, Gold}},
                                 {'9', "999", {White, White, White, Black}},
                                 {'0', "9990", {White, White, White, Brown}},
                                 {'0', "99900", {White, White, White, Red}},
                                 {'0', "999000", {White, White, White, Orange}},
                                 {'0', "9990000", {White, White, White, Yellow}},
                                 {'0', "99900000", {White, White, White, Green}},
                                 {'0', "999000000", {White, White, White, Blue}},
                                 {'0', "999000000", {White, White, White, Blue}}}},
                    SequenceRow{"PastedNineEndingInDigitCutToEight",
                                Kind::FiveBand,
                                {{0, "99900000", {White, White, White, Green}, "999000005"}}},
                    SequenceRow{"ZeroPointTwoDigitsCut",
                                Kind::FiveBand,
                                {{'0', "0", {Brown, Black, Black, Silver}},
                                 {'.', "0.", {Brown, Black, Black, Silver}},
                                 {'4', "0.4", {Brown, Black, Black, Silver}},
                                 {'7', "0.4", {Brown, Black, Black, Silver}}}}),
    RowName{});

TEST(ColourWindowModelTest, FourBandBandChoiceIsWrittenIntoTheBox) {
  ColourWindowModel w(Kind::FourBand);
  w.SelectPersian(0, 3);
  w.SelectPersian(1, 7);
  w.SelectPersian(2, 4);
  ExpectConsistent(w);
  EXPECT_EQ(ValueBands(w), (std::vector{Yellow, Violet, Red}));
  EXPECT_EQ(w.Text(), "4700");
  EXPECT_EQ(w.Caret(), 4u);
  EXPECT_EQ(w.ResistanceCaptionEnglish(), "4.7 K Ohm");
  EXPECT_EQ(w.ResistanceCaptionPersian(), "4.7" + kFaKilo);
  EXPECT_EQ(w.State().BandValueText(), "4.7");
}

TEST(ColourWindowModelTest, FiveBandBandChoiceLeavesTheBox) {
  ColourWindowModel w(Kind::FiveBand);
  w.SetText("47");
  w.SelectPersian(2, 5);
  ExpectConsistent(w);
  EXPECT_EQ(w.Text(), "47");
  EXPECT_EQ(w.ResistanceCaptionEnglish(), "47.5 Ohm");
}

TEST(ColourWindowModelTest, EnglishPickActsAsThePersianOne) {
  for (Kind kind : kWindowKinds) {
    ColourWindowModel persian(kind);
    ColourWindowModel english(kind);
    persian.SelectPersian(1, 6);
    english.SelectEnglish(1, 6);
    ExpectConsistent(english);
    EXPECT_EQ(english.Positions(), persian.Positions());
    EXPECT_EQ(english.Text(), persian.Text());
    EXPECT_EQ(english.ResistanceCaptionEnglish(), persian.ResistanceCaptionEnglish());
  }
}

// The temperature-coefficient band has its own caption and changes nothing
// else; the bands before it read a typed value as the 5-band window does.
TEST(ColourWindowModelTest, SixBandAddsTheTemperatureCoefficient) {
  ColourWindowModel w(Kind::SixBand);
  EXPECT_EQ(w.TemperatureCoefficientCaption(), "100 ppm/K");
  w.SetText("4.75");
  const std::string resistance = w.ResistanceCaptionEnglish();
  w.SelectEnglish(5, 3);
  ExpectConsistent(w);
  EXPECT_EQ(w.TemperatureCoefficientCaption(), "15 ppm/K");
  EXPECT_EQ(w.ResistanceCaptionEnglish(), resistance);
  EXPECT_EQ(ValueBands(w), (std::vector{Yellow, Violet, Green, Silver}));
  EXPECT_EQ(w.Text(), "4.75");
}

TEST(ColourWindowModelTest, ToleranceChangesOnlyItsCaption) {
  ColourWindowModel w(Kind::FourBand);
  w.SetText("4700");
  std::string resistance = w.ResistanceCaptionEnglish();
  w.SelectPersian(3, 5);
  ExpectConsistent(w);
  EXPECT_EQ(w.ToleranceCaption(), "±0.25%");
  EXPECT_EQ(w.ResistanceCaptionEnglish(), resistance);
  EXPECT_EQ(w.Text(), "4700");
}

TEST(ColourWindowModelTest, PositionsOutsideTheListAreIgnored) {
  ColourWindowModel w(Kind::FiveBand);
  w.SelectPersian(0, 9);
  w.SelectEnglish(3, -1);
  w.SelectPersian(5, 0);
  ExpectConsistent(w);
  for (int band = 0; band < LayoutOf(Kind::FiveBand).bandCount; ++band) {
    const auto b = static_cast<std::size_t>(band);
    EXPECT_EQ(w.Positions()[b], LayoutOf(Kind::FiveBand).defaultPositions[b]);
  }
}

// Typing a zero in the middle makes a long form, which puts the caret at the
// end; the 5-band window writes nothing back that would move it.
TEST(ColourWindowModelTest, LongFormPutsTheCaretAtTheEnd) {
  ColourWindowModel w(Kind::FiveBand);
  w.SetText("4700");
  w.MoveCaret(2);
  w.Type('0');
  ExpectConsistent(w);
  EXPECT_EQ(w.Text(), "47000");
  EXPECT_EQ(w.Caret(), 5u);
  EXPECT_EQ(ValueBands(w), (std::vector{Yellow, Violet, Black, Red}));
}

TEST(ColourWindowModelTest, BackspaceReadsTheShorterText) {
  ColourWindowModel w(Kind::FourBand);
  w.SetText("470");
  w.Backspace();
  ExpectConsistent(w);
  EXPECT_EQ(w.Text(), "47");
  EXPECT_EQ(ValueBands(w), (std::vector{Yellow, Violet, Black}));
}

// What a key or a paste may put into the box: only what a key could type,
// as ASCII, as far as the box has room for beside what stays of it.
TEST(ColourWindowModelTest, KeysAndPastesKeepTheBoxsRules) {
  ColourWindowModel w(Kind::FourBand);
  w.SetText("4700");
  EXPECT_EQ(w.KeyInsertion("۵", 0), "5");
  EXPECT_EQ(w.KeyInsertion("٫", 0), ".");
  EXPECT_EQ(w.KeyInsertion("k", 0), std::nullopt);
  EXPECT_EQ(w.PasteInsertion("\u200f4\u200b7 k\n0", 0), "470");
  EXPECT_EQ(w.PasteInsertion("٤٫٧123456789", 0), "4.71");  // room for four more
  EXPECT_EQ(w.PasteInsertion("٤٫٧123456789", 4), "4.712345");
  w.SetText("47000000");
  EXPECT_EQ(w.KeyInsertion("0", 0), std::nullopt);  // the box is full
  EXPECT_EQ(w.KeyInsertion("1", 1), "1");           // over a selected character
}

// An edit that leaves the box past its limit (a redo can) is cut back, and
// Persian digits in it read as ASCII.
TEST(ColourWindowModelTest, AnEditIsCutToTheLimitAndReadAsAscii) {
  ColourWindowModel w(Kind::FourBand);
  w.EditEntry("۴۷0000000000", 3);
  ExpectConsistent(w);
  EXPECT_EQ(w.Text(), "47000000");
  EXPECT_EQ(ValueBands(w), (std::vector{Yellow, Violet, Blue}));
}

// Significant digits of a text of digits and one point.
std::size_t SignificantDigits(const std::string& text) {
  std::string digits;
  for (char c : text) {
    if (c != '.')
      digits += c;
  }
  std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos)
    return 0;
  std::size_t last = digits.find_last_not_of('0');
  return last - first + 1;
}

bool IsPlain(const std::string& text) {
  int points = 0;
  for (char c : text) {
    if (c == '.') {
      ++points;
    } else if (c < '0' || c > '9') {
      return false;
    }
  }
  return points <= 1;
}

// Every value a window's bands can show, as number text.
std::set<std::string> ShowableValues(Kind kind) {
  std::set<std::string> values;
  const ColourWindowLayout& layout = LayoutOf(kind);
  BandPositions p = layout.defaultPositions;
  int third = layout.digitBandCount == 3 ? 10 : 1;
  for (p[0] = 0; p[0] < 9; ++p[0]) {
    for (p[1] = 0; p[1] < 10; ++p[1]) {
      for (int d3 = 0; d3 < third; ++d3) {
        if (layout.digitBandCount == 3)
          p[2] = d3;
        for (int m = 0; m < 9; ++m) {
          p[std::size_t(layout.multiplierBand)] = m;
          values.insert(DecodeBands(kind, p)->text);
        }
      }
    }
  }
  return values;
}

// Types every sequence of keys up to the box's limit, key by key at the end,
// and checks after each key: no runaway nesting, valid and paired bands and
// captions that match the bands; and, for a box that begins with its first
// significant digit or (4 bands) with "0.", never more significant digits than there
// are digit bands, and the bands show its value whenever they can.
class Explorer {
 public:
  Explorer(Kind kind, std::string_view keys)
      : kind_(kind), keys_(keys), showable_(ShowableValues(kind)) {}

  void Run() {
    ColourWindowModel w(kind_);
    w.SetText("");
    Visit(w, 0);
  }
  int visited = 0;

 private:
  void Visit(const ColourWindowModel& w, std::size_t depth) {
    if (depth == LayoutOf(kind_).entryLengthLimit || ::testing::Test::HasFatalFailure())
      return;
    for (char key : keys_) {
      ColourWindowModel next = w;
      next.Type(key);
      ++visited;
      SCOPED_TRACE(testing::Message() << "box \"" << w.Text() << "\" + '" << key << "'");
      ExpectConsistent(next);
      const std::string& text = next.Text();
      // Leading zeros ("05") are no value to the forms, and the 5-band
      // window reads no text that begins with "0": they leave the bands.
      bool zeroPoint = kind_ == Kind::FourBand && text.rfind("0.", 0) == 0;
      bool fromFirstDigit = !text.empty() && (text[0] != '0' || zeroPoint);
      if (IsPlain(text) && fromFirstDigit) {
        ASSERT_LE(SignificantDigits(text), std::size_t(LayoutOf(kind_).digitBandCount));
        std::string value = NumberToText(TextToNumber(text));
        if (showable_.count(value)) {
          ASSERT_EQ(DecodeBands(kind_, next.Positions())->text, value);
        }
      }
      Visit(next, depth + 1);
    }
  }

  Kind kind_;
  std::string_view keys_;
  std::set<std::string> showable_;
};

struct ExploreRow {
  const char* name;
  Kind kind;
  const char* keys;
};

void PrintTo(const ExploreRow& row, std::ostream* os) {
  *os << row.name;
}

class TypingEverySequenceTest : public testing::TestWithParam<ExploreRow> {};

TEST_P(TypingEverySequenceTest, KeepsTheWindowConsistent) {
  Explorer explorer(GetParam().kind, GetParam().keys);
  explorer.Run();
  EXPECT_GT(explorer.visited, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypingEverySequenceTest,
    testing::Values(ExploreRow{"FourBandDigitsAndPoint", Kind::FourBand, "015."},
                    ExploreRow{"FiveBandDigitsAndPoint", Kind::FiveBand, "09."},
                    ExploreRow{"SixBandDigitsAndPoint", Kind::SixBand, "05."}),
    RowName{});

// Pastes of every short text over a few characters, onto a window that shows
// another value: whatever the text, the window stays consistent.
TEST(PastingTest, AnyShortTextKeepsTheWindowConsistent) {
  const std::string alphabet = "05.x";
  for (Kind kind : kWindowKinds) {
    std::vector<std::string> texts = {""};
    for (std::size_t length = 1; length <= 5; ++length) {
      std::vector<std::string> longer;
      for (const std::string& t : texts) {
        if (t.size() + 1 != length)
          continue;
        for (char c : alphabet)
          longer.push_back(t + c);
      }
      texts.insert(texts.end(), longer.begin(), longer.end());
    }
    for (const std::string& text : texts) {
      ColourWindowModel w(kind);
      w.SetText("9.9");
      w.SetText(text + "00005");
      SCOPED_TRACE(text);
      ExpectConsistent(w);
      if (HasFatalFailure())
        return;
    }
  }
}

}  // namespace
}  // namespace kalvane
