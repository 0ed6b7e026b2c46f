#include "core/number_text.h"

#include <gtest/gtest.h>

#include "core/tests/row_name.h"

#include <cmath>
#include <limits>

namespace kalvane {
namespace {

struct WriteRow {
  const char* name;
  double value;
  const char* text;
};

class NumberToTextTest : public testing::TestWithParam<WriteRow> {};

TEST_P(NumberToTextTest, WritesExpectedText) {
  EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Rules, NumberToTextTest,
    testing::Values(
        // zero and sign
        WriteRow{"Zero", 0.0, "0"}, WriteRow{"NegativeZero", -0.0, "0"},
        WriteRow{"NegativeWhole", -80, "-80"},
        // leading zero kept, trailing zeros and bare points dropped
        WriteRow{"Half", 0.5, "0.5"}, WriteRow{"NegativeQuarter", -0.25, "-0.25"},
        WriteRow{"WholeFromDouble", 12.0, "12"}, WriteRow{"ProductOfDecimals", 5 * 2.2, "11"},
        // rounding at the 15th significant digit
        WriteRow{"SumWithBinaryNoise", 0.1 + 0.2, "0.3"},
        WriteRow{"OneThird", 1.0 / 3, "0.333333333333333"},
        WriteRow{"TwoThirdsRoundsUp", 2.0 / 3, "0.666666666666667"},
        WriteRow{"SixteenDigitsRoundUp", 1.2345678901234567, "1.23456789012346"},
        WriteRow{"RoundingCarriesIntoNewDigit", 9.999999999999998, "10"},
        // plain notation from exponent -4 to 14
        WriteRow{"SmallestPlain", 0.0001, "0.0001"},
        WriteRow{"SmallPlainWithDigits", 0.000123, "0.000123"},
        WriteRow{"RoundsUpIntoPlainRange", 0.00009999999999999999, "0.0001"},
        WriteRow{"LargeWhole", 89000000, "89000000"},
        WriteRow{"LargestPlain", 999999999999999, "999999999999999"},
        WriteRow{"RoundsToFifteenDigitWhole", 99999999999999.99, "100000000000000"},
        // exponent form outside it: mantissa, "E", sign, at least two digits
        WriteRow{"BelowPlainRange", 0.00001, "1E-05"},
        WriteRow{"BelowPlainRangeWithDigits", 0.0000123, "1.23E-05"},
        WriteRow{"AbovePlainRange", 1e15, "1E+15"},
        WriteRow{"RoundsUpOutOfPlainRange", 999999999999999.9, "1E+15"},
        WriteRow{"MantissaWithDigits", 1.5e16, "1.5E+16"},
        WriteRow{"NegativeExponentForm", -1.5e16, "-1.5E+16"},
        WriteRow{"ThreeExponentDigits", 1e308, "1E+308"},
        WriteRow{"LongMantissa", 123456789012345678.0, "1.23456789012346E+17"},
        WriteRow{"Subnormal", 5e-324, "4.94065645841247E-324"},
        WriteRow{"LargestDoubleStaysReadable", 1.7976931348623157e308, "1.79769313486231E+308"},
        WriteRow{"FirstDoubleRoundingAboveTheLargest", 1.797693134862315e308,
                 "1.79769313486231E+308"},
        // no number is written for values that are not finite
        WriteRow{"Infinity", kInf, ""}, WriteRow{"NegativeInfinity", -kInf, ""},
        WriteRow{"NotANumber", std::numeric_limits<double>::quiet_NaN(), ""}),
    RowName());

struct ReadRow {
  const char* name;
  const char* text;
  double value;
  bool wholeNumber;  // IsNumberText
};

class TextToNumberTest : public testing::TestWithParam<ReadRow> {};

TEST_P(TextToNumberTest, ReadsLongestLeadingNumber) {
  EXPECT_EQ(TextToNumber(GetParam().text), GetParam().value);
}

TEST_P(TextToNumberTest, TellsWholeNumbersFromJunk) {
  EXPECT_EQ(IsNumberText(GetParam().text), GetParam().wholeNumber);
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, TextToNumberTest,
    testing::Values(
        // nothing to read gives 0
        ReadRow{"Empty", "", 0, false}, ReadRow{"LonePoint", ".", 0, false},
        ReadRow{"Letters", "abc", 0, false}, ReadRow{"LoneSign", "-", 0, false},
        ReadRow{"BlankOnly", "   ", 0, false}, ReadRow{"SignThenBlank", "- 5", 0, false},
        // plain numbers, blanks around them allowed
        ReadRow{"Whole", "12", 12, true}, ReadRow{"LeadingBlanks", "  12", 12, true},
        ReadRow{"LeadingTab", "\t5", 5, true}, ReadRow{"TrailingBlanks", "12  ", 12, true},
        ReadRow{"PlusSign", "+5", 5, true}, ReadRow{"MinusSign", "-5", -5, true},
        ReadRow{"TrailingPoint", "5.", 5, true}, ReadRow{"LeadingPoint", ".5", 0.5, true},
        ReadRow{"SignedLeadingPoint", "-.5", -0.5, true},
        ReadRow{"LeadingZeros", "00012", 12, true},
        // exponents need a digit, otherwise reading stops before the "E"
        ReadRow{"Exponent", "1e3", 1000, true}, ReadRow{"SignedExponent", "1E+3", 1000, true},
        ReadRow{"NegativeExponent", "1e-3", 0.001, true},
        ReadRow{"ExponentWithoutDigits", "1e", 1, false},
        ReadRow{"ExponentSignWithoutDigits", "1e+", 1, false},
        // reading stops at the first character that does not fit
        ReadRow{"SecondPoint", "1.2.3", 1.2, false}, ReadRow{"TrailingLetter", "12a", 12, false},
        ReadRow{"CommaIsNoSeparator", "1,5", 1, false}, ReadRow{"InnerBlank", "1 000", 1, false},
        // out of the range of a double
        ReadRow{"Overflow", "1e999", std::numeric_limits<double>::infinity(), true},
        ReadRow{"NegativeOverflow", "-1e999", -std::numeric_limits<double>::infinity(), true},
        ReadRow{"LongOverflow", "1234567890e99999999999999999999",
                std::numeric_limits<double>::infinity(), true},
        ReadRow{"Underflow", "1e-999", 0, true},
        ReadRow{"FractionUnderflow", "0.0001e-99999", 0, true},
        ReadRow{"ZeroWithHugeExponent", "0e999999999999", 0, true}),
    RowName());

TEST(NumberTextRoundTrip, ReadingBackAWrittenTextWritesTheSameText) {
  const double values[] = {0.5,   1.0 / 3,  2.0 / 3,   1e-5, 123456.789,         1e15,
                           1e308, 5e-324,   -0.000123, 98.0, 431.20000000000005, 1e-300,
                           7e22,  0.1 + 0.2};
  for (double x : values) {
    SCOPED_TRACE(x);
    std::string text = NumberToText(x);
    EXPECT_EQ(NumberToText(TextToNumber(text)), text);
  }
}

TEST(RoundThroughText, RoundsToFifteenSignificantDigits) {
  EXPECT_EQ(RoundThroughText(0.1 + 0.2), 0.3);
  EXPECT_EQ(RoundThroughText(11 * 39.2), 431.2);
  EXPECT_EQ(RoundThroughText(1.0 / 3), 0.333333333333333);
}

TEST(RoundThroughText, KeepsNonFiniteValuesNonFinite) {
  EXPECT_TRUE(std::isinf(RoundThroughText(std::numeric_limits<double>::infinity())));
  EXPECT_TRUE(std::isnan(RoundThroughText(std::numeric_limits<double>::quiet_NaN())));
}

}  // namespace
}  // namespace kalvane
