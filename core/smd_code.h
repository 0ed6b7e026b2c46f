// The value markings printed on SMD resistors, both ways: a code (three
// digits, four digits, R notation or EIA-96) to the value or values it
// stands for, and a typed resistance to every code that marks it. Both work
// on decimal digit strings, so every value is exact. No words: the window
// turns the error kinds into its messages, and converts Persian digits to
// ASCII before it calls.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kalvane {

// Which marking a code is read as.
enum class SmdCodeForm {
  ZeroOhmLink,  // "0" or "00": a jumper of 0 Ohm
  ThreeDigit,   // two significant digits and a power of ten ("472" is 4700, "000" is 0), or R
                // notation in three characters, R standing for the point ("4R7", "R47", "47R")
  FourDigit,    // three significant digits and a power of ten ("4701" is 4700), or R notation in
                // four characters ("1R00", "R470", "10R0")
  Eia96,        // an index 01 to 96 into the E96 mantissas and a multiplier letter ("01C" is 10000)
};

struct SmdReading {
  SmdCodeForm form;
  std::string text;  // the value in Ohm, plain digits without needless zeros: "4700", "0.47", "0"
  double ohms;       // TextToNumber(text)

  friend bool operator==(const SmdReading&, const SmdReading&) = default;
};

// Why a text is not a code. When several apply, the first listed wins.
enum class SmdCodeError {
  Empty,            // nothing but blanks
  TooLong,          // more than four characters
  BadCharacter,     // a character other than a digit or a letter: "4.7", "-10", "4 7"
  MoreThanOneR,     // "4R7R"
  UnknownLetter,    // a letter that is neither R nor an EIA-96 multiplier letter: "47G", "4K7"
  MisplacedLetter,  // an EIA-96 multiplier letter anywhere but after two digits of a three-
                    // character code: "ABC", "4A7", "470A"
  NoSuchIndex,      // an EIA-96 index outside 01 to 96: "97A", "00A"
  Malformed,        // digits and at most one R in a shape no form has: "47", "5", "R", "4R"
};

// One reading, or two for a code that reads two ways: two digits that are
// an index 01 to 96 and a final R ("47R") are 47 Ohm in R notation and, with
// R as the EIA-96 letter for x0.01, E96 index 47, 3.01 Ohm. The R-notation
// reading comes first.
using SmdDecodeResult = std::variant<std::vector<SmdReading>, SmdCodeError>;

// Reads a code. Blanks (space, tab) around it are ignored; letters count in
// either case. The EIA-96 letters are Z x0.001, Y or R x0.01, X or S x0.1,
// A x1, B or H x10, C x100, D x1000, E x10000, F x100000. A final digit is
// always a power of ten (9 is x10^9); "0", "00", "000" and "0000" are 0 Ohm.
SmdDecodeResult DecodeSmdCode(std::string_view code);

// Why a typed text is not a resistance SMD codes can mark. When several
// apply, the first listed wins.
enum class ResistanceTextError {
  Empty,          // nothing but blanks
  NotANumber,     // not digits with at most one "." and at most one unit letter in its place:
                  // "abc", "1.2.3", "-5", "4,7", "4.7k5", "4k7k", "4.7 k"
  UnknownUnit,    // a unit letter other than R, r, K, k and M: "4m7", "10G", "2u2"
  OutOfRange,     // not 0 and below 0.001 Ohm or above 999 GOhm, beyond every code
  TooManyDigits,  // more than 15 significant digits
};

struct SmdCodes {
  std::string text;  // the typed value in Ohm as SmdReading writes it: "4750" for "4.75k"
  double ohms;       // TextToNumber(text)
  // Each code is absent when its form cannot mark the value. Canonical codes
  // never read two ways: R notation only below 10 Ohm in the three-digit form
  // ("4R7", "R47", "1R0") and below 100 Ohm in the four-digit form ("47R0",
  // "4R70", "R470"), digits and a power of ten above; the EIA-96 code uses Y,
  // X and B, never R, S or H. Zero is "000" and "0000" and has no EIA-96 code.
  std::optional<std::string> threeDigit;
  std::optional<std::string> fourDigit;
  std::optional<std::string> eia96;

  friend bool operator==(const SmdCodes&, const SmdCodes&) = default;
};

using SmdEncodeResult = std::variant<SmdCodes, ResistanceTextError>;

// Every code that marks a typed resistance. The text, blanks around it
// ignored, is a number of digits with at most one "." in Ohm, optionally
// followed by a unit letter R or r (x1), K or k (x1000) or M (x1000000), or an
// RKM value with the letter in place of the point: "4k7", "R47", "2M2".
// A lowercase m is refused (UnknownUnit) rather than read as milli or mega.
SmdEncodeResult EncodeSmdCodes(std::string_view resistanceText);

// A typed resistance read by the grammar EncodeSmdCodes takes, for the
// windows that take a value the same way: `text` is the value in Ohm as
// SmdReading writes it ("4750" for "4.75k"), `ohms` its number.
struct ResistanceText {
  std::string text;
  double ohms;
};
std::variant<ResistanceText, ResistanceTextError> ReadResistanceText(std::string_view typed);

}  // namespace kalvane
