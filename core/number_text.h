// The one way the program writes a number as text and reads it back.
// Both directions are locale-independent: "." is the only decimal separator
// and "-" the only minus sign, whatever setlocale() chose.
#pragma once

#include <string>
#include <string_view>

namespace kalvane {

// Writes x rounded to at most 15 significant digits, without trailing zeros
// and without a bare point. Plain notation when the rounded value's decimal
// exponent lies in [-4, 14] ("0.0001", "89000000"), otherwise a mantissa, "E",
// a sign and at least two exponent digits ("1E-05", "1.5E+16"). Zero, also
// negative zero, is "0". The few doubles from 1.797693134862315E+308 up are
// rounded toward zero ("1.79769313486231E+308"), so that every text written
// reads back as a finite number.
//
// A value that is not finite (an overflow, a division by zero) has no text:
// the result is empty. Callers that compute with such values test
// std::isfinite before they write; no "inf" or "nan" is ever produced.
std::string NumberToText(double x);

// Reads the longest leading number of `text` and never fails: blanks (space,
// tab) are skipped, then an optional sign, digits with at most one ".", and
// an optional exponent ("E"/"e", an optional sign, at least one digit).
// Reading stops at the first character that does not fit; no digit read
// gives 0. A value too large for a double reads as an infinity of its sign,
// one too small as zero.
double TextToNumber(std::string_view text);

// True when `text`, apart from blanks before and after it, is exactly one
// number of TextToNumber's grammar with at least one digit. "5.", ".5" and
// " 12 " are numbers; "", ".", "1.2.3", "12a" and "abc" are not.
bool IsNumberText(std::string_view text);

// Rounding through text: TextToNumber(NumberToText(x)), which rounds x to
// 15 significant digits. A non-finite x is returned unchanged, so that
// a chain of rounded steps keeps the failure visible to std::isfinite.
double RoundThroughText(double x);

}  // namespace kalvane
