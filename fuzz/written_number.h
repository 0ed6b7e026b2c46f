// The shape every number text the program writes must have, checked
// independently of the writer: an optional "-", a mantissa without leading
// or trailing zeros, at most 15 significant digits, plain notation for
// decimal exponents -4 to 14 and "E", a sign and two or more digits
// otherwise. Only ASCII digits, ".", "-", "+" and "E" can pass, so a
// locale's separator, "inf" or "nan" is refused too.
#pragma once

#include <cstddef>
#include <string_view>

namespace kalvane::fuzz {

inline bool IsAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}

// Empty when `text` has the shape, otherwise what is wrong with it.
inline std::string_view WrittenNumberFault(std::string_view text) {
  if (text.empty())
    return "empty";
  if (text == "0")
    return {};
  std::size_t i = 0;
  if (text[i] == '-')
    ++i;
  const std::size_t integerBegin = i;
  while (i < text.size() && IsAsciiDigit(text[i]))
    ++i;
  const std::string_view integer = text.substr(integerBegin, i - integerBegin);
  if (integer.empty())
    return "no integer digits";
  if (integer.size() > 1 && integer[0] == '0')
    return "leading zero";
  std::string_view fraction;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fractionBegin = ++i;
    while (i < text.size() && IsAsciiDigit(text[i]))
      ++i;
    fraction = text.substr(fractionBegin, i - fractionBegin);
    if (fraction.empty())
      return "bare point";
    if (fraction.back() == '0')
      return "trailing zero after the point";
  }
  bool hasExponent = false;
  long exponent = 0;
  if (i < text.size() && text[i] == 'E') {
    hasExponent = true;
    ++i;
    if (i == text.size() || (text[i] != '+' && text[i] != '-'))
      return "exponent without sign";
    const bool negative = text[i++] == '-';
    const std::size_t digitsBegin = i;
    while (i < text.size() && IsAsciiDigit(text[i])) {
      exponent = exponent * 10 + (text[i] - '0');
      ++i;
    }
    const std::size_t digits = i - digitsBegin;
    if (digits < 2)
      return "exponent of fewer than two digits";
    if (digits > 2 && text[digitsBegin] == '0')
      return "exponent with a needless leading zero";
    if (negative)
      exponent = -exponent;
  }
  if (i != text.size())
    return "a character outside the number";

  // Significant digits and the decimal exponent of the first of them.
  std::size_t firstNonZero = std::string_view::npos;
  std::size_t lastNonZero = 0;
  const std::size_t count = integer.size() + fraction.size();
  for (std::size_t k = 0; k < count; ++k) {
    const char c = k < integer.size() ? integer[k] : fraction[k - integer.size()];
    if (c != '0') {
      if (firstNonZero == std::string_view::npos)
        firstNonZero = k;
      lastNonZero = k;
    }
  }
  if (firstNonZero == std::string_view::npos)
    return "zero written other than as 0";
  if (lastNonZero - firstNonZero + 1 > 15)
    return "more than 15 significant digits";
  const long leading = static_cast<long>(integer.size()) - 1 - static_cast<long>(firstNonZero);
  if (hasExponent) {
    if (integer.size() != 1 || integer[0] == '0')
      return "exponent form without one leading digit";
    if (exponent >= -4 && exponent <= 14)
      return "exponent form for a plain exponent";
  } else if (leading < -4 || leading > 14) {
    return "plain form outside exponents -4 to 14";
  }
  return {};
}

}  // namespace kalvane::fuzz
