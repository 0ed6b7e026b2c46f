#include "core/typed_value.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/tests/row_name.h"

namespace kalvane {
namespace {

using Kind = WindowKind;

std::string Describe(const TypedOutcome& outcome) {
  std::ostringstream os;
  if (auto* s = std::get_if<SelectBands>(&outcome)) {
    os << "Select{";
    for (int i = 0; i < s->count; ++i)
      os << (i ? "," : "") << s->positions[std::size_t(i)];
    os << (s->caretToEnd ? "; caret to end}" : "}");
  } else if (auto* r = std::get_if<RewriteText>(&outcome)) {
    os << "Rewrite{\"" << r->text << "\"" << (r->caretToEnd ? "; caret to end}" : "}");
  } else {
    os << "Nothing";
  }
  return os.str();
}

// The tests of a window that have an effect on `text`, on their own (no
// window, no nesting).
std::vector<std::string> Firing(Kind kind, std::string_view text, TypedOutcome* first) {
  std::vector<std::string> names;
  for (const TypedValueTest& test : TypedValueTestsOf(kind)) {
    TypedOutcome outcome = test.apply(text);
    if (std::holds_alternative<NoChange>(outcome))
      continue;
    if (names.empty())
      *first = outcome;
    names.emplace_back(test.name);
  }
  return names;
}

TypedOutcome Select(std::initializer_list<int> positions, bool caretToEnd = false) {
  SelectBands s;
  for (int p : positions)
    s.positions[std::size_t(s.count++)] = p;
  s.caretToEnd = caretToEnd;
  return s;
}

TypedOutcome Rewrite(const char* text, bool caretToEnd = true) {
  return RewriteText{text, caretToEnd};
}

// nullptr for the test means that no test has an effect.
struct FormRow {
  const char* name;
  Kind kind;
  const char* text;
  const char* test;
  TypedOutcome outcome = NoChange{};
};

void PrintTo(const FormRow& row, std::ostream* os) {
  *os << row.name;
}

class TypedFormTest : public testing::TestWithParam<FormRow> {};

TEST_P(TypedFormTest, ExactlyTheExpectedTestFires) {
  const FormRow& row = GetParam();
  TypedOutcome first = NoChange{};
  std::vector<std::string> fired = Firing(row.kind, row.text, &first);
  if (!row.test) {
    EXPECT_TRUE(fired.empty()) << "fired " << fired.front() << ": " << Describe(first);
    return;
  }
  ASSERT_EQ(fired, std::vector<std::string>{row.test});
  EXPECT_EQ(first, row.outcome) << Describe(first) << ", expected " << Describe(row.outcome);
}

// Positions: first digit (digit - 1), digits, multiplier (0 /100, 1 /10,
// 2 x1, 3 x10 ... 8 x1000000).
INSTANTIATE_TEST_SUITE_P(
    FourBand, TypedFormTest,
    testing::Values(
        FormRow{"LeadingPointRemoved", Kind::FourBand, ".4.7", "LeadingPoint",
                Rewrite("47", false)},
        FormRow{"LonePointLeavesEmpty", Kind::FourBand, ".", "LeadingPoint", Rewrite("", false)},
        FormRow{"OneDigit", Kind::FourBand, "4", "Digit", Select({3, 0, 1})},
        FormRow{"TwoDigits", Kind::FourBand, "47", "DigitDigit", Select({3, 7, 2})},
        FormRow{"OnePointFive", Kind::FourBand, "1.5", "DigitPointDigit", Select({0, 5, 1})},
        FormRow{"ZeroPointOne", Kind::FourBand, "0.1", "ZeroPointDigit", Select({0, 0, 0})},
        FormRow{"ThreeDigitsEndingInZero", Kind::FourBand, "470", "DigitDigitZero",
                Select({3, 7, 3})},
        FormRow{"ThirdDigitCut", Kind::FourBand, "123", "ThirdDigitCut", Rewrite("12")},
        FormRow{"ThirdDigitAfterZeroCut", Kind::FourBand, "045", "ThirdDigitCut", Rewrite("04")},
        FormRow{"ZeroPointTwoDigits", Kind::FourBand, "0.47", "ZeroPointDigitDigit",
                Select({3, 7, 0})},
        FormRow{"ZeroPointFourZero", Kind::FourBand, "0.40", "ZeroPointDigitDigit",
                Select({3, 0, 0})},
        FormRow{"FourDigitsEndingInZero", Kind::FourBand, "4700", "FourDigitsEndingInZero",
                Select({3, 7, 4})},
        FormRow{"InnerDigitIgnored", Kind::FourBand, "4750", "FourDigitsEndingInZero",
                Select({3, 7, 4})},
        FormRow{"SecondDecimalCut", Kind::FourBand, "4.75", "FourthCharacterCut", Rewrite("4.7")},
        FormRow{"DecimalAfterTwoDigitsCut", Kind::FourBand, "47.5", "FourthCharacterCut",
                Rewrite("47.")},
        FormRow{"FiveCharacters", Kind::FourBand, "47000", "FiveEndingInZero",
                Select({3, 7, 5}, true)},
        FormRow{"PastedInnerDigits", Kind::FourBand, "47500", "FiveEndingInZero",
                Select({3, 7, 5}, true)},
        FormRow{"LargestEightCharacters", Kind::FourBand, "99000000", "EightEndingInZero",
                Select({8, 9, 8}, true)},
        FormRow{"FiveCharactersCut", Kind::FourBand, "47005", "FifthDigitCut", Rewrite("4700")},
        FormRow{"EightCharactersCut", Kind::FourBand, "47000005", "EighthDigitCut",
                Rewrite("4700000")},
        FormRow{"DecimalLongCut", Kind::FourBand, "4.705", "FifthDigitCut", Rewrite("4.70")},
        // Repaired: "0." and a third digit cannot be shown, so it is cut.
        FormRow{"ZeroPointThirdDigitCut", Kind::FourBand, "0.475", "ZeroPointCut", Rewrite("0.47")},
        FormRow{"ZeroPointPastedLongCut", Kind::FourBand, "0.47000", "ZeroPointCut",
                Rewrite("0.47")},
        FormRow{"Empty", Kind::FourBand, "", nullptr},
        FormRow{"LoneZero", Kind::FourBand, "0", nullptr},
        FormRow{"ZeroFive", Kind::FourBand, "05", nullptr},
        FormRow{"DigitPoint", Kind::FourBand, "4.", nullptr},
        FormRow{"TwoDigitsPoint", Kind::FourBand, "10.", nullptr},
        // Texts whose outcome the forms leave open: the box and bands stay.
        FormRow{"DigitPointZero", Kind::FourBand, "4.0", nullptr},
        FormRow{"ZeroPointZero", Kind::FourBand, "0.0", nullptr},
        FormRow{"BelowSmallest", Kind::FourBand, "0.05", nullptr},
        FormRow{"TrailingZeroAfterDecimal", Kind::FourBand, "4.70", nullptr},
        FormRow{"TrailingZeroAfterPoint", Kind::FourBand, "47.0", nullptr},
        FormRow{"LeadingZeroDecimal", Kind::FourBand, "05.0", nullptr},
        FormRow{"LongTrailingPoint", Kind::FourBand, "4700.", nullptr},
        FormRow{"LongTrailingZeroDecimal", Kind::FourBand, "47.00", nullptr},
        FormRow{"OtherCharacter", Kind::FourBand, "4x", nullptr},
        FormRow{"OtherCharacterBeforeDigit", Kind::FourBand, "4x5", nullptr},
        FormRow{"OtherCharacterLong", Kind::FourBand, "4700x", nullptr},
        FormRow{"SecondPoint", Kind::FourBand, "4.7.", nullptr},
        FormRow{"SecondPointLong", Kind::FourBand, "4.7.5", nullptr},
        FormRow{"NonAsciiNeverCut", Kind::FourBand, "4\xC3\xA9", nullptr}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    FiveBand, TypedFormTest,
    testing::Values(
        FormRow{"LeadingPointRemoved", Kind::FiveBand, ".5", "LeadingPoint", Rewrite("5", false)},
        FormRow{"OneDigit", Kind::FiveBand, "4", "Digit", Select({3, 0, 0, 0})},
        FormRow{"TwoDigits", Kind::FiveBand, "47", "DigitDigit", Select({3, 7, 0, 1})},
        FormRow{"DigitPointDigit", Kind::FiveBand, "4.7", "DigitPointDigit", Select({3, 7, 0, 0})},
        FormRow{"ThreeDigits", Kind::FiveBand, "123", "ThreeDigits", Select({0, 2, 3, 2})},
        FormRow{"DigitPointTwoDigits", Kind::FiveBand, "4.75", "DigitPointDigitDigit",
                Select({3, 7, 5, 0})},
        FormRow{"DigitPointTrailingZero", Kind::FiveBand, "4.70", "DigitPointDigitDigit",
                Select({3, 7, 0, 0})},
        FormRow{"TwoDigitsPointDigit", Kind::FiveBand, "47.5", "DigitDigitPointDigit",
                Select({3, 7, 5, 1})},
        // Repaired: the second digit may be 0, as Brown, Black, Green, Gold shows.
        FormRow{"TenPointFive", Kind::FiveBand, "10.5", "DigitDigitPointDigit",
                Select({0, 0, 5, 1})},
        FormRow{"TenPointZero", Kind::FiveBand, "10.0", "DigitDigitPointDigit",
                Select({0, 0, 0, 1})},
        FormRow{"FourDigitsEndingInZero", Kind::FiveBand, "4700", "FourDigitsEndingInZero",
                Select({3, 7, 0, 3})},
        FormRow{"FourthDigitCut", Kind::FiveBand, "4705", "FourthCharacterCut", Rewrite("470")},
        FormRow{"ZeroPointTwoDigitsCut", Kind::FiveBand, "0.47", "FourthCharacterCut",
                Rewrite("0.4")},
        FormRow{"FiveCharacters", Kind::FiveBand, "47000", "FiveEndingInZero",
                Select({3, 7, 0, 4}, true)},
        FormRow{"LargestNineCharacters", Kind::FiveBand, "999000000", "NineEndingInZero",
                Select({8, 9, 9, 8}, true)},
        FormRow{"NineCharactersCut", Kind::FiveBand, "999000005", "NinthDigitCut",
                Rewrite("99900000")},
        FormRow{"ThirdDecimalCut", Kind::FiveBand, "4.753", "FifthDigitCut", Rewrite("4.75")},
        FormRow{"DigitPointZero", Kind::FiveBand, "4.0", nullptr},
        FormRow{"TwoDigitsPoint", Kind::FiveBand, "47.", nullptr},
        FormRow{"ZeroPointDigit", Kind::FiveBand, "0.4", nullptr},
        FormRow{"ZeroFive", Kind::FiveBand, "05", nullptr},
        FormRow{"ThreeDigitsPoint", Kind::FiveBand, "475.", nullptr},
        FormRow{"LongTrailingZeroDecimal", Kind::FiveBand, "4.750", nullptr},
        FormRow{"LongTrailingPoint", Kind::FiveBand, "4700.", nullptr},
        FormRow{"OtherCharacter", Kind::FiveBand, "47x0", nullptr},
        FormRow{"SecondPoint", Kind::FiveBand, "4.7.", nullptr}),
    RowName{});

// Records what ApplyTypedValue asks of a window. A replaced text is taken
// over without running the change handling again, so the record shows that
// the tests after a Rewrite read the new text.
class RecordingHost final : public TypedValueHost {
 public:
  explicit RecordingHost(std::string text) : text_(std::move(text)) {}
  std::string EntryText() const override { return text_; }
  void ReplaceEntryText(const std::string& text, bool caretToEnd) override {
    text_ = text;
    log.push_back("text \"" + text + "\"" + (caretToEnd ? " caret" : ""));
  }
  void SelectBand(int band, int position) override {
    log.push_back("band " + std::to_string(band) + " = " + std::to_string(position));
  }
  std::vector<std::string> log;

 private:
  std::string text_;
};

struct RunRow {
  const char* name;
  Kind kind;
  const char* text;
  std::vector<std::string> log;
};

void PrintTo(const RunRow& row, std::ostream* os) {
  *os << row.name;
}

class ApplyTypedValueTest : public testing::TestWithParam<RunRow> {};

TEST_P(ApplyTypedValueTest, AsksTheWindowInOrder) {
  const RunRow& row = GetParam();
  RecordingHost host(row.text);
  ApplyTypedValue(row.kind, host);
  EXPECT_EQ(host.log, row.log);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ApplyTypedValueTest,
    testing::Values(RunRow{"SelectsDigitsThenMultiplier",
                           Kind::FourBand,
                           "47",
                           {"band 0 = 3", "band 1 = 7", "band 2 = 2"}},
                    RunRow{"LongFormMovesTheCaretFirst",
                           Kind::FiveBand,
                           "47000",
                           {"text \"47000\" caret", "band 0 = 3", "band 1 = 7", "band 2 = 0",
                            "band 3 = 4"}},
                    // Not an else-chain: after T1 the later tests see the new text.
                    RunRow{"LaterTestsReadTheRewrittenText",
                           Kind::FourBand,
                           ".4",
                           {"text \"4\"", "band 0 = 3", "band 1 = 0", "band 2 = 1"}},
                    RunRow{"CutEndsTheRun", Kind::FourBand, "475", {"text \"47\" caret"}},
                    RunRow{"NothingAsked", Kind::FiveBand, "4.0", {}}),
    RowName{});

}  // namespace
}  // namespace kalvane
