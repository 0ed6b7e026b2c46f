#include "core/smd_code.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/number_text.h"
#include "core/standard_values.h"
#include "core/tests/row_name.h"

namespace kalvane {
namespace {

template <typename Kind>
std::string Error(Kind kind) {
  return "error " + std::to_string(static_cast<int>(kind));
}

// A result as one line, so that a row states it whole: "ThreeDigit 47,
// Eia96 3.01", "4750: - 4751 66B" (value, then the three-digit, four-digit
// and EIA-96 codes, "-" for none), or Error(kind).
std::string Describe(const SmdDecodeResult& result) {
  constexpr const char* kForms[] = {"ZeroOhmLink", "ThreeDigit", "FourDigit", "Eia96"};
  if (const auto* error = std::get_if<SmdCodeError>(&result))
    return Error(*error);
  std::string text;
  for (const SmdReading& r : std::get<std::vector<SmdReading>>(result)) {
    text += (text.empty() ? "" : ", ") + std::string(kForms[static_cast<int>(r.form)]) + " " +
            r.text + (r.ohms == TextToNumber(r.text) ? "" : " (ohms differ)");
  }
  return text;
}

std::string Describe(const SmdEncodeResult& result) {
  if (const auto* error = std::get_if<ResistanceTextError>(&result))
    return Error(*error);
  const SmdCodes& c = std::get<SmdCodes>(result);
  return c.text + ": " + c.threeDigit.value_or("-") + " " + c.fourDigit.value_or("-") + " " +
         c.eia96.value_or("-") + (c.ohms == TextToNumber(c.text) ? "" : " (ohms differ)");
}

struct Row {
  const char* name;
  const char* input;
  std::string expected;
};

class DecodeSmdCodeTest : public testing::TestWithParam<Row> {};
TEST_P(DecodeSmdCodeTest, ReadsTheValuesOrNamesTheError) {
  EXPECT_EQ(Describe(DecodeSmdCode(GetParam().input)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, DecodeSmdCodeTest,
    testing::Values(
        Row{"ThreeDigits", "472", "ThreeDigit 4700"}, Row{"RInTheMiddle", "4R7", "ThreeDigit 4.7"},
        Row{"RFirst", "R47", "ThreeDigit 0.47"}, Row{"LowercaseR", "r05", "ThreeDigit 0.05"},
        Row{"FourDigits", "4701", "FourDigit 4700"}, Row{"FourWithR", "1R00", "FourDigit 1"},
        Row{"FourWithRThird", "10R0", "FourDigit 10"},
        Row{"FourSmallest", "R001", "FourDigit 0.001"}, Row{"Eia96", "01C", "Eia96 10000"},
        Row{"Eia96Fraction", "68X", "Eia96 49.9"}, Row{"Eia96SecondLetter", "68s", "Eia96 49.9"},
        Row{"Eia96LetterH", "01h", "Eia96 1000"}, Row{"BlanksAround", " 4R7\t", "ThreeDigit 4.7"},
        Row{"FinalRReadsTwoWays", "47R", "ThreeDigit 47, Eia96 3.01"},
        Row{"FinalRWithoutIndex", "97R", "ThreeDigit 97"},
        Row{"ZeroThreeDigits", "000", "ThreeDigit 0"}, Row{"ZeroFourDigits", "0000", "FourDigit 0"},
        Row{"JumperOneZero", "0", "ZeroOhmLink 0"}, Row{"JumperTwoZeros", "00", "ZeroOhmLink 0"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Errors, DecodeSmdCodeTest,
    testing::Values(Row{"Empty", " \t", Error(SmdCodeError::Empty)},
                    Row{"FiveCharacters", "47000", Error(SmdCodeError::TooLong)},
                    Row{"Point", "4.7", Error(SmdCodeError::BadCharacter)},
                    Row{"Minus", "-10", Error(SmdCodeError::BadCharacter)},
                    Row{"PersianDigitsCountAsCharacters", "٤٧٢", Error(SmdCodeError::BadCharacter)},
                    Row{"TwoRs", "4R7R", Error(SmdCodeError::MoreThanOneR)},
                    Row{"LetterOutsideTables", "47G", Error(SmdCodeError::UnknownLetter)},
                    Row{"OnlyLetters", "ABC", Error(SmdCodeError::MisplacedLetter)},
                    Row{"LetterAfterThreeDigits", "470A", Error(SmdCodeError::MisplacedLetter)},
                    Row{"IndexAbove96", "97A", Error(SmdCodeError::NoSuchIndex)},
                    Row{"IndexZero", "00A", Error(SmdCodeError::NoSuchIndex)},
                    Row{"TwoDigits", "47", Error(SmdCodeError::Malformed)},
                    Row{"ShortR", "4R", Error(SmdCodeError::Malformed)}),
    RowName());

class EncodeSmdCodesTest : public testing::TestWithParam<Row> {};
TEST_P(EncodeSmdCodesTest, GivesEveryCodeOrNamesTheError) {
  EXPECT_EQ(Describe(EncodeSmdCodes(GetParam().input)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, EncodeSmdCodesTest,
    testing::Values(
        Row{"ThreeSignificantDigits", "4.75k", "4750: - 4751 66B"},
        Row{"NotAnE96Mantissa", "4.7k", "4700: 472 4701 -"},
        Row{"RkmInfix", "4k7", "4700: 472 4701 -"}, Row{"EveryForm", "10k", "10000: 103 1002 01C"},
        Row{"Mega", "2M2", "2200000: 225 2204 -"}, Row{"OneOhmInRNotation", "1", "1: 1R0 1R00 01Y"},
        Row{"BelowTenOhm", "4.7", "4.7: 4R7 4R70 -"}, Row{"BelowOneOhm", "R47", "0.47: R47 R470 -"},
        Row{"BelowHundredOhm", "47", "47: 470 47R0 -"},
        Row{"Eia96BelowHundred", "49.9", "49.9: - 49R9 68X"},
        Row{"Smallest", "0.001", "0.001: - R001 -"},
        Row{"Largest", "999000000000", "999000000000: - 9999 -"},
        Row{"PowerAboveNine", "100000000000", "100000000000: - 1009 -"},
        Row{"BelowLargestCodeWithoutAForm", "111940000000", "111940000000: - - -"},
        Row{"NeedlessZeros", " 004.7000k ", "4700: 472 4701 -"}, Row{"Zero", "0", "0: 000 0000 -"},
        Row{"NoCodeAtAll", "4.7123", "4.7123: - - -"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Errors, EncodeSmdCodesTest,
    testing::Values(Row{"Empty", " ", Error(ResistanceTextError::Empty)},
                    Row{"Word", "abc", Error(ResistanceTextError::NotANumber)},
                    Row{"TwoPoints", "1.2.3", Error(ResistanceTextError::NotANumber)},
                    Row{"Negative", "-5", Error(ResistanceTextError::NotANumber)},
                    Row{"PointAndInfix", "4.7k5", Error(ResistanceTextError::NotANumber)},
                    Row{"TwoUnits", "4k7k", Error(ResistanceTextError::NotANumber)},
                    Row{"Milli", "4m7", Error(ResistanceTextError::UnknownUnit)},
                    Row{"Giga", "10G", Error(ResistanceTextError::UnknownUnit)},
                    Row{"BelowSmallestCode", "0.0009", Error(ResistanceTextError::OutOfRange)},
                    Row{"AboveLargestCode", "999100000000", Error(ResistanceTextError::OutOfRange)},
                    Row{"SixteenDigits", "1234.567890123456",
                        Error(ResistanceTextError::TooManyDigits)}),
    RowName());

// The one reading of a code that reads one way; a failure otherwise.
SmdReading OnlyReading(const std::string& code) {
  SmdDecodeResult result = DecodeSmdCode(code);
  auto* readings = std::get_if<std::vector<SmdReading>>(&result);
  if (!readings || readings->size() != 1) {
    ADD_FAILURE() << code << " reads as " << Describe(result);
    return {};
  }
  return readings->front();
}

// Every E96 value in every decade a letter covers is mantissa x 10^power,
// and its canonical code is the code it was read from.
TEST(SmdRoundTrip, EveryEia96ValueEncodesToItsCode) {
  const auto mantissas = SeriesMantissas(StandardSeries::E96);
  const std::string letters = "ZYXABCDEF";
  for (int index = 1; index <= 96; ++index) {
    for (std::size_t p = 0; p < letters.size(); ++p) {
      const std::string code = {static_cast<char>('0' + index / 10),
                                static_cast<char>('0' + index % 10), letters[p]};
      const SmdReading reading = OnlyReading(code);
      EXPECT_DOUBLE_EQ(reading.ohms,
                       mantissas[index - 1] * std::pow(10.0, static_cast<double>(p) - 3))
          << code;
      EXPECT_EQ(std::get<SmdCodes>(EncodeSmdCodes(reading.text)).eia96, code);
    }
  }
}

// Reads `code`, writes its value's canonical code of the same length and
// reads that: the value must come back.
void ExpectCanonicalRoundTrip(const std::string& code) {
  SmdDecodeResult result = DecodeSmdCode(code);
  const auto* readings = std::get_if<std::vector<SmdReading>>(&result);
  ASSERT_TRUE(readings) << code;
  const std::string& value = readings->front().text;
  const SmdCodes codes = std::get<SmdCodes>(EncodeSmdCodes(value));
  const auto& canonical = code.size() == 3 ? codes.threeDigit : codes.fourDigit;
  ASSERT_TRUE(canonical.has_value()) << code;
  EXPECT_EQ(OnlyReading(*canonical).text, value) << code << " " << *canonical;
}

std::string WithR(const std::string& digits, std::size_t point) {
  return digits.substr(0, point) + "R" + digits.substr(point);
}

TEST(SmdRoundTrip, EveryDigitCodeAndRNotationReadsBackFromItsCanonicalCode) {
  for (int n = 0; n < 10000; ++n) {
    const std::string four = std::to_string(10000 + n).substr(1);  // "0000" to "9999"
    ExpectCanonicalRoundTrip(four);
    EXPECT_EQ(OnlyReading(four).ohms, (n / 10) * std::pow(10.0, n % 10)) << four;
    if (n < 1000) {
      const std::string three = four.substr(1);
      ExpectCanonicalRoundTrip(three);
      EXPECT_EQ(OnlyReading(three).ohms, (n / 10) * std::pow(10.0, n % 10)) << three;
      for (std::size_t point = 0; point <= 3; ++point)  // "R000" to "999R"
        ExpectCanonicalRoundTrip(WithR(three, point));
    }
    if (n < 100) {
      for (std::size_t point = 0; point <= 2; ++point)  // "R00" to "99R"
        ExpectCanonicalRoundTrip(WithR(four.substr(2), point));
    }
  }
}

}  // namespace
}  // namespace kalvane
