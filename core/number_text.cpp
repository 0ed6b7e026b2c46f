#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace kalvane {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kPlainLowestExponent = -4;
constexpr int kPlainHighestExponent = 14;
// The 15 significant digits of the largest double, rounded toward zero.
constexpr int kLargestExponent = 308;
constexpr std::string_view kLargestFiniteDigits = "179769313486231";

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Where a number of the grammar sits inside a text.
struct NumberSpan {
  std::size_t begin = 0;  // first character of the number (its sign, if any)
  std::size_t end = 0;    // one past its last character
  bool hasDigit = false;  // the mantissa holds at least one digit
};

NumberSpan ScanNumber(std::string_view text) {
  NumberSpan span;
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i]))
    ++i;
  span.begin = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    ++i;
  bool seenPoint = false;
  while (i < text.size()) {
    if (IsDigit(text[i])) {
      span.hasDigit = true;
    } else if (text[i] == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
    ++i;
  }
  if (!span.hasDigit) {
    span.end = span.begin;
    return span;
  }
  span.end = i;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-'))
      ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j]))
        ++j;
      span.end = j;
    }
  }
  return span;
}

// Decimal exponent of the first nonzero digit of an unsigned number text of
// the grammar, mantissa and exponent part together, saturated far outside the
// range of a double. Only used to tell an overflow from an underflow, so a
// text without a nonzero digit (which cannot be out of range) gives 0.
long long LeadingExponent(std::string_view number) {
  long long integerDigits = 0;
  long long firstNonZero = -1;  // index among the mantissa digits
  long long digitIndex = 0;
  bool afterPoint = false;
  std::size_t i = 0;
  for (; i < number.size(); ++i) {
    if (number[i] == '.') {
      afterPoint = true;
      continue;
    }
    if (!IsDigit(number[i]))
      break;
    if (!afterPoint)
      ++integerDigits;
    if (number[i] != '0' && firstNonZero < 0)
      firstNonZero = digitIndex;
    ++digitIndex;
  }
  if (firstNonZero < 0)
    return 0;
  long long exponent = 0;
  if (i < number.size()) {  // an exponent part follows: 'E' or 'e'
    std::size_t j = i + 1;
    bool negative = false;
    if (j < number.size() && (number[j] == '+' || number[j] == '-'))
      negative = number[j++] == '-';
    for (; j < number.size() && IsDigit(number[j]); ++j) {
      if (exponent < 1'000'000'000)
        exponent = exponent * 10 + (number[j] - '0');
    }
    if (negative)
      exponent = -exponent;
  }
  return integerDigits - 1 - firstNonZero + exponent;
}

}  // namespace

std::string NumberToText(double x) {
  if (!std::isfinite(x))
    return {};
  if (x == 0)
    return "0";

  // Scientific notation with 15 significant digits, correctly rounded:
  // "-d.dddddddddddddde+XX".
  char buffer[48];
  auto [last, error] = std::to_chars(buffer, buffer + sizeof buffer, x,
                                     std::chars_format::scientific, kSignificantDigits - 1);
  (void)error;  // 48 characters always suffice
  const char* p = buffer;
  bool negative = *p == '-';
  if (negative)
    ++p;

  char digits[kSignificantDigits];
  int count = 0;
  for (; *p != 'e'; ++p) {
    if (*p != '.')
      digits[count++] = *p;
  }
  ++p;  // 'e'
  bool negativeExponent = *p == '-';
  ++p;
  int exponent = 0;
  for (; p < last; ++p)
    exponent = exponent * 10 + (*p - '0');
  if (negativeExponent)
    exponent = -exponent;
  // The largest doubles (from 1.797693134862315E+308 up) round to a text
  // above the largest double, which would read back as an infinity; they
  // keep the largest 15-digit text that reads back finite instead.
  if (exponent == kLargestExponent &&
      std::string_view(digits, static_cast<std::size_t>(count)) > kLargestFiniteDigits) {
    std::copy(kLargestFiniteDigits.begin(), kLargestFiniteDigits.end(), digits);
  }
  while (count > 1 && digits[count - 1] == '0')
    --count;

  std::string text;
  text.reserve(24);
  if (negative)
    text += '-';
  if (exponent >= kPlainLowestExponent && exponent <= kPlainHighestExponent) {
    if (exponent < 0) {
      text += "0.";
      text.append(static_cast<std::size_t>(-exponent - 1), '0');
      text.append(digits, static_cast<std::size_t>(count));
    } else {
      int integerDigits = exponent + 1;
      for (int i = 0; i < integerDigits; ++i)
        text += i < count ? digits[i] : '0';
      if (count > integerDigits) {
        text += '.';
        text.append(digits + integerDigits, static_cast<std::size_t>(count - integerDigits));
      }
    }
  } else {
    text += digits[0];
    if (count > 1) {
      text += '.';
      text.append(digits + 1, static_cast<std::size_t>(count - 1));
    }
    text += 'E';
    text += negativeExponent ? '-' : '+';
    int magnitude = negativeExponent ? -exponent : exponent;
    if (magnitude < 10)
      text += '0';
    text += std::to_string(magnitude);
  }
  return text;
}

double TextToNumber(std::string_view text) {
  NumberSpan span = ScanNumber(text);
  if (!span.hasDigit)
    return 0;
  std::string_view number = text.substr(span.begin, span.end - span.begin);
  bool negative = number.front() == '-';
  if (number.front() == '-' || number.front() == '+')
    number.remove_prefix(1);

  double value = 0;
  auto [ptr, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::general);
  (void)ptr;
  if (error == std::errc::result_out_of_range) {
    bool overflow = LeadingExponent(number) > 0;
    value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

bool IsNumberText(std::string_view text) {
  NumberSpan span = ScanNumber(text);
  if (!span.hasDigit)
    return false;
  std::size_t i = span.end;
  while (i < text.size() && IsBlank(text[i]))
    ++i;
  return i == text.size();
}

double RoundThroughText(double x) {
  if (!std::isfinite(x))
    return x;
  return TextToNumber(NumberToText(x));
}

}  // namespace kalvane
