#include "core/smd_code.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "core/number_text.h"
#include "core/tests/row_name.h"

namespace kalvane {
namespace {

using Form = SmdCodeForm;
using CodeError = SmdCodeError;
using TextError = ResistanceTextError;

struct DecodeRow {
  const char* name;
  const char* code;
  Form form;
  const char* value;
  const char* eia96Value = nullptr;  // the second reading of a code that reads two ways
};

void PrintTo(const DecodeRow& row, std::ostream* os) {
  *os << row.name;
}

class DecodeSmdCodeTest : public testing::TestWithParam<DecodeRow> {};

TEST_P(DecodeSmdCodeTest, ReadsEveryValueTheCodeStandsFor) {
  const DecodeRow& row = GetParam();
  const SmdDecodeResult result = DecodeSmdCode(row.code);
  ASSERT_TRUE(std::holds_alternative<std::vector<SmdReading>>(result));
  const auto& readings = std::get<std::vector<SmdReading>>(result);
  ASSERT_EQ(readings.size(), row.eia96Value ? 2u : 1u);
  EXPECT_EQ(readings[0].form, row.form);
  EXPECT_EQ(readings[0].text, row.value);
  EXPECT_EQ(readings[0].ohms, TextToNumber(row.value));
  if (row.eia96Value) {
    EXPECT_EQ(readings[1].form, Form::Eia96);
    EXPECT_EQ(readings[1].text, row.eia96Value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, DecodeSmdCodeTest,
    testing::Values(DecodeRow{"ThreeDigits", "472", Form::ThreeDigit, "4700"},
                    DecodeRow{"ThreeDigitsPowerZero", "100", Form::ThreeDigit, "10"},
                    DecodeRow{"ThreeDigitsPowerNine", "999", Form::ThreeDigit, "99000000000"},
                    DecodeRow{"RInTheMiddle", "4R7", Form::ThreeDigit, "4.7"},
                    DecodeRow{"RFirst", "R47", Form::ThreeDigit, "0.47"},
                    DecodeRow{"LowercaseR", "r05", Form::ThreeDigit, "0.05"},
                    DecodeRow{"FourDigits", "4701", Form::FourDigit, "4700"},
                    DecodeRow{"FourWithR", "1R00", Form::FourDigit, "1"},
                    DecodeRow{"FourWithRFirst", "R470", Form::FourDigit, "0.47"},
                    DecodeRow{"FourWithRThird", "10R0", Form::FourDigit, "10"},
                    DecodeRow{"FourSmallest", "R001", Form::FourDigit, "0.001"},
                    DecodeRow{"Eia96", "01C", Form::Eia96, "10000"},
                    DecodeRow{"Eia96Fraction", "68X", Form::Eia96, "49.9"},
                    DecodeRow{"Eia96Lowercase", "68s", Form::Eia96, "49.9"},
                    DecodeRow{"Eia96H", "01h", Form::Eia96, "1000"},
                    DecodeRow{"Eia96Smallest", "01Z", Form::Eia96, "0.1"},
                    DecodeRow{"Eia96Largest", "96F", Form::Eia96, "97600000"},
                    DecodeRow{"BlanksAround", " 4R7\t", Form::ThreeDigit, "4.7"},
                    DecodeRow{"FinalRReadsTwoWays", "47R", Form::ThreeDigit, "47", "3.01"},
                    DecodeRow{"FinalRWithoutIndex", "97R", Form::ThreeDigit, "97"},
                    DecodeRow{"ZeroThreeDigits", "000", Form::ThreeDigit, "0"},
                    DecodeRow{"ZeroFourDigits", "0000", Form::FourDigit, "0"},
                    DecodeRow{"ZeroInRNotation", "00R", Form::ThreeDigit, "0"},
                    DecodeRow{"JumperOneZero", "0", Form::ZeroOhmLink, "0"},
                    DecodeRow{"JumperTwoZeros", "00", Form::ZeroOhmLink, "0"}),
    RowName());

struct CodeErrorRow {
  const char* name;
  const char* code;
  CodeError error;
};

class SmdCodeErrorTest : public testing::TestWithParam<CodeErrorRow> {};

TEST_P(SmdCodeErrorTest, NamesWhyTheTextIsNoCode) {
  const SmdDecodeResult result = DecodeSmdCode(GetParam().code);
  ASSERT_TRUE(std::holds_alternative<CodeError>(result));
  EXPECT_EQ(std::get<CodeError>(result), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SmdCodeErrorTest,
    testing::Values(CodeErrorRow{"Empty", "", CodeError::Empty},
                    CodeErrorRow{"OnlyBlanks", " \t", CodeError::Empty},
                    CodeErrorRow{"FiveCharacters", "47000", CodeError::TooLong},
                    CodeErrorRow{"Point", "4.7", CodeError::BadCharacter},
                    CodeErrorRow{"Minus", "-10", CodeError::BadCharacter},
                    CodeErrorRow{"TwoRs", "4R7R", CodeError::MoreThanOneR},
                    CodeErrorRow{"LetterOutsideTables", "47G", CodeError::UnknownLetter},
                    CodeErrorRow{"KiloIsNoCodeLetter", "4K7", CodeError::UnknownLetter},
                    CodeErrorRow{"OnlyLetters", "ABC", CodeError::MisplacedLetter},
                    CodeErrorRow{"LetterInTheMiddle", "4A7", CodeError::MisplacedLetter},
                    CodeErrorRow{"LetterAfterThreeDigits", "470A", CodeError::MisplacedLetter},
                    CodeErrorRow{"IndexAbove96", "97A", CodeError::NoSuchIndex},
                    CodeErrorRow{"IndexZero", "00A", CodeError::NoSuchIndex},
                    CodeErrorRow{"TwoDigits", "47", CodeError::Malformed},
                    CodeErrorRow{"LoneR", "R", CodeError::Malformed},
                    CodeErrorRow{"ShortR", "4R", CodeError::Malformed}),
    RowName());

struct EncodeRow {
  const char* name;
  const char* typed;
  const char* value;
  const char* threeDigit;  // nullptr: no code of that form
  const char* fourDigit;
  const char* eia96;
};

void PrintTo(const EncodeRow& row, std::ostream* os) {
  *os << row.name;
}

void ExpectCode(const std::optional<std::string>& actual, const char* expected) {
  if (expected) {
    EXPECT_EQ(actual.value_or("(none)"), expected);
  } else {
    EXPECT_FALSE(actual.has_value()) << *actual;
  }
}

class EncodeSmdCodesTest : public testing::TestWithParam<EncodeRow> {};

TEST_P(EncodeSmdCodesTest, GivesEveryCodeThatMarksTheValue) {
  const EncodeRow& row = GetParam();
  const SmdEncodeResult result = EncodeSmdCodes(row.typed);
  ASSERT_TRUE(std::holds_alternative<SmdCodes>(result));
  const SmdCodes& codes = std::get<SmdCodes>(result);
  EXPECT_EQ(codes.text, row.value);
  ExpectCode(codes.threeDigit, row.threeDigit);
  ExpectCode(codes.fourDigit, row.fourDigit);
  ExpectCode(codes.eia96, row.eia96);
}

INSTANTIATE_TEST_SUITE_P(
    Values, EncodeSmdCodesTest,
    testing::Values(EncodeRow{"ThreeSignificantDigits", "4.75k", "4750", nullptr, "4751", "66B"},
                    EncodeRow{"NotAnE96Mantissa", "4.7k", "4700", "472", "4701", nullptr},
                    EncodeRow{"RkmInfix", "4k7", "4700", "472", "4701", nullptr},
                    EncodeRow{"InOhm", "4700", "4700", "472", "4701", nullptr},
                    EncodeRow{"EveryForm", "10k", "10000", "103", "1002", "01C"},
                    EncodeRow{"Mega", "2M2", "2200000", "225", "2204", nullptr},
                    EncodeRow{"OneOhmInRNotation", "1", "1", "1R0", "1R00", "01Y"},
                    EncodeRow{"BelowTenOhm", "4.7", "4.7", "4R7", "4R70", nullptr},
                    EncodeRow{"BelowOneOhm", "0.47", "0.47", "R47", "R470", nullptr},
                    EncodeRow{"RkmR", "R47", "0.47", "R47", "R470", nullptr},
                    EncodeRow{"BelowHundredOhm", "47", "47", "470", "47R0", nullptr},
                    EncodeRow{"Eia96BelowHundred", "49.9", "49.9", nullptr, "49R9", "68X"},
                    EncodeRow{"Smallest", "0.001", "0.001", nullptr, "R001", nullptr},
                    EncodeRow{"Largest", "999000000000", "999000000000", nullptr, "9999", nullptr},
                    EncodeRow{"NeedlessZeros", " 004.7000k ", "4700", "472", "4701", nullptr},
                    EncodeRow{"Zero", "0", "0", "000", "0000", nullptr},
                    EncodeRow{"ZeroKilo", ".0k", "0", "000", "0000", nullptr},
                    EncodeRow{"NoCodeAtAll", "4.7123", "4.7123", nullptr, nullptr, nullptr}),
    RowName());

struct TextErrorRow {
  const char* name;
  const char* typed;
  TextError error;
};

class ResistanceTextErrorTest : public testing::TestWithParam<TextErrorRow> {};

TEST_P(ResistanceTextErrorTest, NamesWhyTheTextIsNoResistance) {
  const SmdEncodeResult result = EncodeSmdCodes(GetParam().typed);
  ASSERT_TRUE(std::holds_alternative<TextError>(result));
  EXPECT_EQ(std::get<TextError>(result), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ResistanceTextErrorTest,
    testing::Values(TextErrorRow{"Empty", " ", TextError::Empty},
                    TextErrorRow{"Word", "abc", TextError::NotANumber},
                    TextErrorRow{"TwoPoints", "1.2.3", TextError::NotANumber},
                    TextErrorRow{"Negative", "-5", TextError::NotANumber},
                    TextErrorRow{"PointAndInfix", "4.7k5", TextError::NotANumber},
                    TextErrorRow{"TwoUnits", "4k7k", TextError::NotANumber},
                    TextErrorRow{"LoneUnit", "k", TextError::NotANumber},
                    TextErrorRow{"Milli", "4m7", TextError::UnknownUnit},
                    TextErrorRow{"Giga", "10G", TextError::UnknownUnit},
                    TextErrorRow{"BelowSmallestCode", "0.0009", TextError::OutOfRange},
                    TextErrorRow{"JustAboveLargest", "999100000000", TextError::OutOfRange},
                    TextErrorRow{"SixteenDigits", "1234.567890123456", TextError::TooManyDigits}),
    RowName());

// The readings of a code; none for an error.
std::vector<SmdReading> Readings(const std::string& code) {
  SmdDecodeResult result = DecodeSmdCode(code);
  auto* readings = std::get_if<std::vector<SmdReading>>(&result);
  return readings ? std::move(*readings) : std::vector<SmdReading>{};
}

// The one reading of a code that reads one way.
SmdReading OnlyReading(const std::string& code) {
  std::vector<SmdReading> readings = Readings(code);
  if (readings.size() != 1) {
    ADD_FAILURE() << code << " does not read exactly one way";
    return {};
  }
  return readings.front();
}

// Every E96 value in every decade a letter covers: its canonical code is the
// code it was read from, and the second letters of a power read the same.
TEST(SmdRoundTrip, EveryEia96ValueEncodesToItsCode) {
  const std::string primary = "ZYXABCDEF", second = " RS H";
  for (int index = 1; index <= 96; ++index) {
    for (std::size_t power = 0; power < primary.size(); ++power) {
      const std::string code = {static_cast<char>('0' + index / 10),
                                static_cast<char>('0' + index % 10), primary[power]};
      const SmdReading reading = OnlyReading(code);
      const auto codes = std::get<SmdCodes>(EncodeSmdCodes(reading.text));
      EXPECT_EQ(codes.eia96.value_or("(none)"), code);
      if (power < second.size() && second[power] != ' ') {
        const std::string alias = code.substr(0, 2) + second[power];
        const std::vector<SmdReading> readings = Readings(alias);
        ASSERT_FALSE(readings.empty()) << alias;
        EXPECT_EQ(readings.back().text, reading.text) << alias;
      }
    }
  }
}

// Reads `code`, writes the value's canonical code of the same length and
// reads that: the value must come back.
void ExpectCanonicalRoundTrip(const std::string& code) {
  const std::vector<SmdReading> readings = Readings(code);
  ASSERT_FALSE(readings.empty()) << code;
  const auto codes = std::get<SmdCodes>(EncodeSmdCodes(readings.front().text));
  const auto& canonical = code.size() == 3 ? codes.threeDigit : codes.fourDigit;
  ASSERT_TRUE(canonical.has_value()) << code;
  EXPECT_EQ(OnlyReading(*canonical).text, readings.front().text) << code << " " << *canonical;
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
