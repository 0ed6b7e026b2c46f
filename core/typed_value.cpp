#include "core/typed_value.h"

#include <algorithm>
#include <cstddef>

namespace kalvane {
namespace {

// Character classes of the forms: n is a digit 1 to 9, d any digit.
bool IsN(char c) {
  return c >= '1' && c <= '9';
}
bool IsD(char c) {
  return c >= '0' && c <= '9';
}
int DigitOf(char c) {
  return c - '0';
}

bool DigitsOnly(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsD);
}

// Digits and at most one ".": the only texts a form other than LeadingPoint reads.
bool IsPlain(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return IsD(c) || c == '.'; }) &&
         std::count(text.begin(), text.end(), '.') <= 1;
}

bool StartsWithZeroPoint(std::string_view text) {
  return text.size() >= 2 && text[0] == '0' && text[1] == '.';
}

// Callers have checked the character classes, so every lookup has a position.
int FirstPositionOf(char n) {
  return FirstDigitPosition(DigitOf(n)).value_or(0);
}
int DigitPositionOf(char d) {
  return DigitPosition(DigitOf(d)).value_or(0);
}

TypedOutcome Select4(char first, char second, int multiplier, bool caretToEnd = false) {
  return SelectBands{
      3, {FirstPositionOf(first), DigitPositionOf(second), multiplier, 0}, caretToEnd};
}

TypedOutcome Select5(char first, char second, char third, int multiplier, bool caretToEnd = false) {
  return SelectBands{
      4,
      {FirstPositionOf(first), DigitPositionOf(second), DigitPositionOf(third), multiplier},
      caretToEnd};
}

TypedOutcome Cut(std::string_view text, std::size_t length) {
  return RewriteText{std::string(text.substr(0, length)), true};
}

// ---- Both windows. n is a digit 1 to 9, d any digit; the forms are named
// for the text they match.

TypedOutcome LeadingPoint(std::string_view text) {
  if (text.empty() || text[0] != '.')
    return NoChange{};
  std::string kept;
  for (char c : text) {
    if (c != '.')
      kept += c;
  }
  return RewriteText{kept, false};
}

// n "." n
bool IsNPointN(std::string_view t) {
  return t.size() == 3 && IsN(t[0]) && t[1] == '.' && IsN(t[2]);
}

// Lengths 5 and up, first character n, digits only, last "0": the first
// digits with the multiplier that the length gives.
template <std::size_t kLength, int kMultiplier, std::size_t kDigitBands>
TypedOutcome LongSelect(std::string_view t) {
  if (t.size() != kLength || !IsN(t[0]) || !DigitsOnly(t) || t.back() != '0')
    return NoChange{};
  if constexpr (kDigitBands == 2) {
    return Select4(t[0], t[1], kMultiplier, true);
  } else {
    return Select5(t[0], t[1], t[2], kMultiplier, true);
  }
}

// Lengths 5 and up, first character n, last n: one significant digit too many.
template <std::size_t kLength>
TypedOutcome LongCut(std::string_view t) {
  if (t.size() != kLength || !IsPlain(t) || !IsN(t[0]) || !IsN(t.back()))
    return NoChange{};
  return Cut(t, kLength - 1);
}

// ---- 4-band window: two significant digits

TypedOutcome FourDigit(std::string_view t) {
  if (t.size() != 1 || !IsN(t[0]))
    return NoChange{};
  return Select4(t[0], '0', 1);
}

TypedOutcome FourDigitDigit(std::string_view t) {
  if (t.size() != 2 || !IsN(t[0]) || !IsD(t[1]))
    return NoChange{};
  return Select4(t[0], t[1], 2);
}

// "0" "." n
bool IsZeroPointN(std::string_view t) {
  return t.size() == 3 && t[0] == '0' && t[1] == '.' && IsN(t[2]);
}

TypedOutcome FourDigitPointDigit(std::string_view t) {
  if (!IsNPointN(t))
    return NoChange{};
  return Select4(t[0], t[2], 1);
}

TypedOutcome FourZeroPointDigit(std::string_view t) {
  if (IsNPointN(t) || !IsZeroPointN(t))
    return NoChange{};
  return Select4(t[2], '0', 0);
}

TypedOutcome FourDigitDigitZero(std::string_view t) {
  if (t.size() != 3 || IsNPointN(t) || IsZeroPointN(t))
    return NoChange{};
  if (!DigitsOnly(t) || t[2] != '0' || !IsN(t[0]))
    return NoChange{};
  return Select4(t[0], t[1], 3);
}

TypedOutcome FourThirdDigitCut(std::string_view t) {
  if (t.size() != 3 || !IsPlain(t) || IsNPointN(t) || IsZeroPointN(t))
    return NoChange{};
  if (!IsN(t[2]))
    return NoChange{};
  return Cut(t, 2);
}

TypedOutcome FourZeroPointDigitDigit(std::string_view t) {
  if (t.size() != 4 || !StartsWithZeroPoint(t) || !IsN(t[2]) || !IsD(t[3]))
    return NoChange{};
  return Select4(t[2], t[3], 0);
}

TypedOutcome FourFourDigitsEndingInZero(std::string_view t) {
  if (t.size() != 4 || !DigitsOnly(t) || !IsN(t[0]) || t[3] != '0')
    return NoChange{};
  return Select4(t[0], t[1], 4);
}

TypedOutcome FourFourthCharacterCut(std::string_view t) {
  if (t.size() != 4 || !IsPlain(t) || !IsD(t[0]) || StartsWithZeroPoint(t))
    return NoChange{};
  if (!IsN(t[3]))
    return NoChange{};
  return Cut(t, 3);
}

// "0." followed by three or more characters holds a third significant digit
// (0.475) that no multiplier can show: keep "0." and two digits.
TypedOutcome FourZeroPointCut(std::string_view t) {
  if (t.size() < 5 || !IsPlain(t) || !StartsWithZeroPoint(t))
    return NoChange{};
  return Cut(t, 4);
}

// The multiplier of the 4-band long forms is their length: 47000 is 47 x 1000.
constexpr TypedValueTest kFourBandTests[] = {
    {"LeadingPoint", LeadingPoint},
    {"Digit", FourDigit},
    {"DigitDigit", FourDigitDigit},
    {"DigitPointDigit", FourDigitPointDigit},
    {"ZeroPointDigit", FourZeroPointDigit},
    {"DigitDigitZero", FourDigitDigitZero},
    {"ThirdDigitCut", FourThirdDigitCut},
    {"ZeroPointDigitDigit", FourZeroPointDigitDigit},
    {"FourDigitsEndingInZero", FourFourDigitsEndingInZero},
    {"FourthCharacterCut", FourFourthCharacterCut},
    {"FiveEndingInZero", LongSelect<5, 5, 2>},
    {"SixEndingInZero", LongSelect<6, 6, 2>},
    {"SevenEndingInZero", LongSelect<7, 7, 2>},
    {"EightEndingInZero", LongSelect<8, 8, 2>},
    {"FifthDigitCut", LongCut<5>},
    {"SixthDigitCut", LongCut<6>},
    {"SeventhDigitCut", LongCut<7>},
    {"EighthDigitCut", LongCut<8>},
    {"ZeroPointCut", FourZeroPointCut},
};

// ---- 5-band window: three significant digits, no form that begins with "0"

TypedOutcome FiveDigit(std::string_view t) {
  if (t.size() != 1 || !IsN(t[0]))
    return NoChange{};
  return Select5(t[0], '0', '0', 0);
}

TypedOutcome FiveDigitDigit(std::string_view t) {
  if (t.size() != 2 || !IsN(t[0]) || !IsD(t[1]))
    return NoChange{};
  return Select5(t[0], t[1], '0', 1);
}

TypedOutcome FiveDigitPointDigit(std::string_view t) {
  if (!IsNPointN(t))
    return NoChange{};
  return Select5(t[0], t[2], '0', 0);
}

// n "." "0" and d d ".": a point typed on the way to a longer form.
bool IsFiveBandWaitingForm(std::string_view t) {
  return t.size() == 3 && !IsNPointN(t) && ((t[1] == '.' && t[2] == '0') || t[2] == '.');
}

TypedOutcome FivePointOnTheWay(std::string_view) {
  return NoChange{};
}

TypedOutcome FiveThreeDigits(std::string_view t) {
  if (t.size() != 3 || IsNPointN(t) || IsFiveBandWaitingForm(t))
    return NoChange{};
  if (!DigitsOnly(t) || !IsN(t[0]))
    return NoChange{};
  return Select5(t[0], t[1], t[2], 2);
}

// n "." d d
bool IsNPointDD(std::string_view t) {
  return t.size() == 4 && IsN(t[0]) && t[1] == '.' && IsD(t[2]) && IsD(t[3]);
}

// n d "." d. Any second digit: 10.5 is Brown, Black, Green, Gold.
bool IsNDPointD(std::string_view t) {
  return t.size() == 4 && IsN(t[0]) && IsD(t[1]) && t[2] == '.' && IsD(t[3]);
}

TypedOutcome FiveDigitPointDigitDigit(std::string_view t) {
  if (!IsNPointDD(t))
    return NoChange{};
  return Select5(t[0], t[2], t[3], 0);
}

TypedOutcome FiveDigitDigitPointDigit(std::string_view t) {
  if (IsNPointDD(t) || !IsNDPointD(t))
    return NoChange{};
  return Select5(t[0], t[1], t[3], 1);
}

TypedOutcome FiveFourDigitsEndingInZero(std::string_view t) {
  if (t.size() != 4 || IsNPointDD(t) || IsNDPointD(t))
    return NoChange{};
  if (!DigitsOnly(t) || t[3] != '0' || !IsN(t[0]))
    return NoChange{};
  return Select5(t[0], t[1], t[2], 3);
}

TypedOutcome FiveFourthCharacterCut(std::string_view t) {
  if (t.size() != 4 || !IsPlain(t) || IsNPointDD(t) || IsNDPointD(t))
    return NoChange{};
  if (!IsD(t[0]) || !IsN(t[3]))
    return NoChange{};
  return Cut(t, 3);
}

// The multiplier of the 5-band long forms is their length less one: 47000 is
// 470 x 100.
constexpr TypedValueTest kFiveBandTests[] = {
    {"LeadingPoint", LeadingPoint},
    {"Digit", FiveDigit},
    {"DigitDigit", FiveDigitDigit},
    {"DigitPointDigit", FiveDigitPointDigit},
    {"PointOnTheWay", FivePointOnTheWay},
    {"ThreeDigits", FiveThreeDigits},
    {"DigitPointDigitDigit", FiveDigitPointDigitDigit},
    {"DigitDigitPointDigit", FiveDigitDigitPointDigit},
    {"FourDigitsEndingInZero", FiveFourDigitsEndingInZero},
    {"FourthCharacterCut", FiveFourthCharacterCut},
    {"FiveEndingInZero", LongSelect<5, 4, 3>},
    {"SixEndingInZero", LongSelect<6, 5, 3>},
    {"SevenEndingInZero", LongSelect<7, 6, 3>},
    {"EightEndingInZero", LongSelect<8, 7, 3>},
    {"NineEndingInZero", LongSelect<9, 8, 3>},
    {"FifthDigitCut", LongCut<5>},
    {"SixthDigitCut", LongCut<6>},
    {"SeventhDigitCut", LongCut<7>},
    {"EighthDigitCut", LongCut<8>},
    {"NinthDigitCut", LongCut<9>},
};

}  // namespace

std::span<const TypedValueTest> TypedValueTestsOf(WindowKind kind) {
  if (kind == WindowKind::FourBand)
    return kFourBandTests;
  return kFiveBandTests;
}

void ApplyTypedValue(WindowKind kind, TypedValueHost& host) {
  for (const TypedValueTest& test : TypedValueTestsOf(kind)) {
    const std::string text = host.EntryText();
    TypedOutcome outcome = test.apply(text);
    if (auto* rewrite = std::get_if<RewriteText>(&outcome)) {
      host.ReplaceEntryText(rewrite->text, rewrite->caretToEnd);
    } else if (auto* select = std::get_if<SelectBands>(&outcome)) {
      // Writing the same text only moves the caret.
      if (select->caretToEnd)
        host.ReplaceEntryText(text, true);
      for (int band = 0; band < select->count; ++band) {
        host.SelectBand(band, select->positions[static_cast<std::size_t>(band)]);
      }
    }
  }
}

}  // namespace kalvane
