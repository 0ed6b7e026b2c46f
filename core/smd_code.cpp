#include "core/smd_code.h"

#include <algorithm>
#include <array>

#include "core/number_text.h"
#include "core/standard_values.h"

namespace kalvane {
namespace {

constexpr std::size_t kMaxCodeLength = 4;
constexpr std::size_t kMaxSignificantDigits = 15;
// Every code marks 0 or a value from 0.001 ("R001") to 999 GOhm ("9999"):
// the decimal exponent of the first significant digit lies in [-3, 11].
constexpr int kLowestLeadingExponent = -3;
constexpr int kHighestLeadingExponent = 11;

// EIA-96 multiplier letters by power of ten, from 10^-3; the primary letter
// of each power first.
constexpr int kLowestEiaPower = -3;
constexpr std::string_view kPrimaryEiaLetters = "ZYXABCDEF";
struct EiaLetter {
  char letter;
  int power;
};
constexpr std::array<EiaLetter, 12> kEiaLetters = {{{'Z', -3},
                                                    {'Y', -2},
                                                    {'R', -2},
                                                    {'X', -1},
                                                    {'S', -1},
                                                    {'A', 0},
                                                    {'B', 1},
                                                    {'H', 1},
                                                    {'C', 2},
                                                    {'D', 3},
                                                    {'E', 4},
                                                    {'F', 5}}};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  return text;
}

// An exact non-negative decimal: digits x 10^exponent, the digits without
// leading or trailing zeros; zero has no digits.
struct Decimal {
  std::string digits;
  int exponent = 0;

  bool IsZero() const { return digits.empty(); }
  // Decimal exponent of the first significant digit: 2 for 470, -1 for 0.47.
  int Leading() const { return exponent + static_cast<int>(digits.size()) - 1; }
};

Decimal Normalized(std::string_view digits, int exponent) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string_view::npos)
    return {};
  const std::size_t last = digits.find_last_not_of('0');
  return {std::string(digits.substr(first, last - first + 1)),
          exponent + static_cast<int>(digits.size() - 1 - last)};
}

// The value in plain notation: "4700", "4.7", "0.047", "0".
std::string PlainText(const Decimal& value) {
  if (value.IsZero())
    return "0";
  if (value.exponent >= 0)
    return value.digits + std::string(static_cast<std::size_t>(value.exponent), '0');
  const int leading = value.Leading();
  if (leading >= 0) {
    const std::size_t integerDigits = static_cast<std::size_t>(leading) + 1;
    return value.digits.substr(0, integerDigits) + "." + value.digits.substr(integerDigits);
  }
  return "0." + std::string(static_cast<std::size_t>(-leading - 1), '0') + value.digits;
}

SmdReading Reading(SmdCodeForm form, const Decimal& value) {
  std::string text = PlainText(value);
  const double ohms = TextToNumber(text);
  return {form, std::move(text), ohms};
}

std::optional<int> EiaPower(char letter) {
  for (const EiaLetter& entry : kEiaLetters) {
    if (entry.letter == letter)
      return entry.power;
  }
  return std::nullopt;
}

// The E96 mantissa of an index "01" to "96"; none outside.
std::optional<int> E96Mantissa(char tens, char ones) {
  const int index = (tens - '0') * 10 + (ones - '0');
  const auto mantissas = SeriesMantissas(StandardSeries::E96);
  if (index < 1 || static_cast<std::size_t>(index) > mantissas.size())
    return std::nullopt;
  return mantissas[static_cast<std::size_t>(index - 1)];
}

Decimal EiaValue(int mantissa, int power) {
  const char digits[] = {static_cast<char>('0' + mantissa / 100),
                         static_cast<char>('0' + mantissa / 10 % 10),
                         static_cast<char>('0' + mantissa % 10)};
  return Normalized(std::string_view(digits, 3), power);
}

SmdCodeForm FormOfLength(std::size_t length) {
  return length == 3 ? SmdCodeForm::ThreeDigit : SmdCodeForm::FourDigit;
}

// --- Value to codes ---

// `significant` digits then one digit for the power of ten, for values of at
// least 10^(significant - 1): "472", "4701".
std::optional<std::string> PowerCode(const Decimal& value, std::size_t significant) {
  const int power = value.Leading() - static_cast<int>(significant - 1);
  if (value.digits.size() > significant || power < 0 || power > 9)
    return std::nullopt;
  std::string code = value.digits;
  code.append(significant - value.digits.size(), '0').push_back(static_cast<char>('0' + power));
  return code;
}

// `significant` digits with R in place of the point, for values below
// 10^(significant - 1): "4R7", "R05", "47R0", "R001".
std::optional<std::string> RNotationCode(const Decimal& value, std::size_t significant) {
  const int leading = value.Leading();
  const int integerDigits = std::max(leading + 1, 0);
  const int fractionDigits = static_cast<int>(significant) - integerDigits;
  if (fractionDigits < 1 || value.exponent < -fractionDigits)
    return std::nullopt;
  // value x 10^fractionDigits as an integer of `significant` digits.
  const std::size_t zeros = static_cast<std::size_t>(value.exponent + fractionDigits);
  const std::size_t padding = significant - value.digits.size() - zeros;
  const std::string digits = std::string(padding, '0') + value.digits + std::string(zeros, '0');
  const std::size_t point = static_cast<std::size_t>(integerDigits);
  return digits.substr(0, point) + "R" + digits.substr(point);
}

std::optional<std::string> DigitCode(const Decimal& value, std::size_t significant) {
  if (value.IsZero())
    return std::string(significant + 1, '0');
  if (value.Leading() >= static_cast<int>(significant) - 1)
    return PowerCode(value, significant);
  return RNotationCode(value, significant);
}

std::optional<std::string> Eia96Code(const Decimal& value) {
  if (value.IsZero() || value.digits.size() > 3)
    return std::nullopt;
  const int power = value.Leading() - 2;
  if (power < kLowestEiaPower ||
      power >= kLowestEiaPower + static_cast<int>(kPrimaryEiaLetters.size()))
    return std::nullopt;
  int mantissa = 0;
  for (std::size_t k = 0; k < 3; ++k)
    mantissa = mantissa * 10 + (k < value.digits.size() ? value.digits[k] - '0' : 0);
  const auto mantissas = SeriesMantissas(StandardSeries::E96);
  const auto found = std::find(mantissas.begin(), mantissas.end(), mantissa);
  if (found == mantissas.end())
    return std::nullopt;
  const int index = static_cast<int>(found - mantissas.begin()) + 1;
  return std::string{static_cast<char>('0' + index / 10), static_cast<char>('0' + index % 10),
                     kPrimaryEiaLetters[static_cast<std::size_t>(power - kLowestEiaPower)]};
}

// Reads the typed-resistance grammar into an exact decimal.
std::variant<Decimal, ResistanceTextError> ReadResistance(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty())
    return ResistanceTextError::Empty;
  std::size_t i = 0;
  const auto digitsFrom = [&](std::size_t begin) {
    while (i < text.size() && IsDigit(text[i]))
      ++i;
    return text.substr(begin, i - begin);
  };
  const std::string_view integer = digitsFrom(0);
  std::string_view fraction;
  const bool hasPoint = i < text.size() && text[i] == '.';
  if (hasPoint)
    fraction = digitsFrom(++i);
  char unit = 0;
  if (i < text.size() && IsLetter(text[i])) {
    unit = text[i];
    if (const std::string_view after = digitsFrom(++i); !after.empty()) {
      if (hasPoint)
        return ResistanceTextError::NotANumber;  // "4.7k5"
      fraction = after;                          // "4k7": the letter is the point
    }
  }
  if (i != text.size() || (integer.empty() && fraction.empty()))
    return ResistanceTextError::NotANumber;

  int scale = 0;
  switch (unit) {
    case 0:
    case 'R':
    case 'r':
      break;
    case 'K':
    case 'k':
      scale = 3;
      break;
    case 'M':
      scale = 6;
      break;
    default:
      return ResistanceTextError::UnknownUnit;
  }
  std::string digits(integer);
  digits.append(fraction);
  Decimal value = Normalized(digits, scale - static_cast<int>(fraction.size()));
  // Above 999 GOhm means a leading exponent above 11, or 11 with digits past
  // "999" (equal leading exponents compare as their digit strings).
  if (!value.IsZero() &&
      (value.Leading() < kLowestLeadingExponent || value.Leading() > kHighestLeadingExponent ||
       (value.Leading() == kHighestLeadingExponent && value.digits > "999")))
    return ResistanceTextError::OutOfRange;
  if (value.digits.size() > kMaxSignificantDigits)
    return ResistanceTextError::TooManyDigits;
  return value;
}

}  // namespace

SmdDecodeResult DecodeSmdCode(std::string_view code) {
  code = TrimBlanks(code);
  if (code.empty())
    return SmdCodeError::Empty;
  // Characters, not bytes: "٤٧٢" is three characters, each not a code's.
  const auto characters = std::count_if(code.begin(), code.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;  // not a UTF-8 continuation byte
  });
  if (static_cast<std::size_t>(characters) > kMaxCodeLength)
    return SmdCodeError::TooLong;
  std::string upper;
  for (char c : code) {
    if (!IsDigit(c) && !IsLetter(c))
      return SmdCodeError::BadCharacter;
    upper.push_back(Upper(c));
  }
  if (std::count(upper.begin(), upper.end(), 'R') > 1)
    return SmdCodeError::MoreThanOneR;
  for (char c : upper) {
    if (IsLetter(c) && !EiaPower(c))
      return SmdCodeError::UnknownLetter;
  }

  const auto otherLetter =
      std::find_if(upper.begin(), upper.end(), [](char c) { return IsLetter(c) && c != 'R'; });
  if (otherLetter != upper.end()) {
    // An EIA-96 code: two digits, then the letter.
    if (upper.size() != 3 || otherLetter != upper.begin() + 2 || !IsDigit(upper[0]) ||
        !IsDigit(upper[1]))
      return SmdCodeError::MisplacedLetter;
    const auto mantissa = E96Mantissa(upper[0], upper[1]);
    if (!mantissa)
      return SmdCodeError::NoSuchIndex;
    return std::vector<SmdReading>{
        Reading(SmdCodeForm::Eia96, EiaValue(*mantissa, *EiaPower(upper[2])))};
  }

  if (const std::size_t point = upper.find('R'); point != std::string::npos) {
    // R notation: the digits around R are the integer part and the fraction.
    if (upper.size() < 3)
      return SmdCodeError::Malformed;
    const std::string digits = upper.substr(0, point) + upper.substr(point + 1);
    const int fractionDigits = static_cast<int>(upper.size() - point - 1);
    std::vector<SmdReading> readings{
        Reading(FormOfLength(upper.size()), Normalized(digits, -fractionDigits))};
    // Two digits and a final R are also an EIA-96 code with R as x0.01.
    if (upper.size() == 3 && point == 2) {
      if (const auto mantissa = E96Mantissa(upper[0], upper[1]))
        readings.push_back(Reading(SmdCodeForm::Eia96, EiaValue(*mantissa, *EiaPower('R'))));
    }
    return readings;
  }

  if (upper.size() < 3) {
    if (upper.find_first_not_of('0') != std::string::npos)
      return SmdCodeError::Malformed;
    return std::vector<SmdReading>{Reading(SmdCodeForm::ZeroOhmLink, Decimal{})};
  }
  const std::size_t significant = upper.size() - 1;
  return std::vector<SmdReading>{
      Reading(FormOfLength(upper.size()),
              Normalized(std::string_view(upper).substr(0, significant), upper.back() - '0'))};
}

SmdEncodeResult EncodeSmdCodes(std::string_view resistanceText) {
  auto read = ReadResistance(resistanceText);
  if (const auto* error = std::get_if<ResistanceTextError>(&read))
    return *error;
  const Decimal& value = std::get<Decimal>(read);
  std::string text = PlainText(value);
  const double ohms = TextToNumber(text);
  return SmdCodes{std::move(text), ohms, DigitCode(value, 2), DigitCode(value, 3),
                  Eia96Code(value)};
}

std::variant<ResistanceText, ResistanceTextError> ReadResistanceText(std::string_view typed) {
  auto read = ReadResistance(typed);
  if (const auto* error = std::get_if<ResistanceTextError>(&read))
    return *error;
  std::string text = PlainText(std::get<Decimal>(read));
  const double ohms = TextToNumber(text);
  return ResistanceText{std::move(text), ohms};
}

}  // namespace kalvane
