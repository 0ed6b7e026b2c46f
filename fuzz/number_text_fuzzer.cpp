// Fuzz target for the number texts. The input is read two ways: as a text,
// which TextToNumber must read as an independent reader of the same grammar
// does, and (its first eight bytes) as the bits of a double, which
// NumberToText must write in the program's one shape and read back to the
// same text.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "core/number_text.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/written_number.h"

namespace kalvane::fuzz {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// The leading number of `text` as the grammar defines it, found without the
// program's own scanner.
struct Scanned {
  std::string number;   // sign, mantissa and exponent as written; empty without a digit
  std::size_t end = 0;  // one past the number, or past the blanks when there is none
};

Scanned ScanIndependently(std::string_view text) {
  Scanned scanned;
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i]))
    ++i;
  const std::size_t begin = i;
  scanned.end = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    ++i;
  std::size_t digits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (IsAsciiDigit(text[i])) {
      ++digits;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0)
    return scanned;
  if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (text[j] == '+' || text[j] == '-')
      ++j;
    if (j < text.size() && IsAsciiDigit(text[j])) {
      while (j < text.size() && IsAsciiDigit(text[j]))
        ++j;
      i = j;
    }
  }
  scanned.number.assign(text.substr(begin, i - begin));
  scanned.end = i;
  return scanned;
}

bool SameDouble(double a, double b) {
  return a == b && std::signbit(a) == std::signbit(b);
}

// The shortest text that reads back as x, for failure reports.
std::string Show(double x) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
  return std::string(buffer, result.ptr);
}

void CheckReading(std::string_view text) {
  const double read = TextToNumber(text);
  FUZZ_CHECK(!std::isnan(read), text, Show(read));

  // The C library's reader, in the "C" locale the fuzzer runs in, is the
  // reference for one number of the grammar: correctly rounded, an
  // overflow an infinity, an underflow zero or a subnormal.
  const Scanned scanned = ScanIndependently(text);
  const double expected =
      scanned.number.empty() ? 0.0 : std::strtod(scanned.number.c_str(), nullptr);
  FUZZ_CHECK(SameDouble(read, expected), text, Show(read) + " expected " + Show(expected));

  std::size_t rest = scanned.end;
  while (!scanned.number.empty() && rest < text.size() && IsBlank(text[rest]))
    ++rest;
  const bool wholeNumber = !scanned.number.empty() && rest == text.size();
  FUZZ_CHECK(IsNumberText(text) == wholeNumber, text, wholeNumber ? "a number" : "no number");

  // Blanks in front change nothing.
  const std::string padded = " \t" + std::string(text);
  FUZZ_CHECK(SameDouble(TextToNumber(padded), read), text, padded);

  if (std::isfinite(read)) {
    const std::string written = NumberToText(read);
    FUZZ_CHECK(WrittenNumberFault(written).empty(), written, WrittenNumberFault(written));
    FUZZ_CHECK(NumberToText(TextToNumber(written)) == written, text, written);
  }
}

void CheckWriting(double x) {
  const std::string written = NumberToText(x);
  if (!std::isfinite(x)) {
    FUZZ_CHECK(written.empty(), Show(x), written);
    FUZZ_CHECK(std::isnan(x) ? std::isnan(RoundThroughText(x)) : RoundThroughText(x) == x, Show(x),
               "RoundThroughText changed a non-finite value");
    return;
  }
  FUZZ_CHECK(WrittenNumberFault(written).empty(), written, WrittenNumberFault(written));
  const double back = TextToNumber(written);
  FUZZ_CHECK(NumberToText(back) == written, Show(x), written);
  FUZZ_CHECK(SameDouble(RoundThroughText(x), back) || (x == 0 && back == 0), Show(x), written);
  // 15 significant digits: half a step of the 15th digit plus the reading's
  // own rounding; a subnormal loses at most the smallest step.
  const double error = std::fabs(back - x);
  FUZZ_CHECK(error <= 6e-15 * std::fabs(x) + std::numeric_limits<double>::denorm_min(), Show(x),
             written);
  // The sign is the only difference between x and -x.
  const std::string negated = NumberToText(-x);
  if (x == 0) {
    FUZZ_CHECK(written == "0" && negated == "0", written, negated);
  } else {
    const std::string& positive = x > 0 ? written : negated;
    const std::string& negative = x > 0 ? negated : written;
    FUZZ_CHECK(negative == "-" + positive, written, negated);
  }
}

}  // namespace
}  // namespace kalvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  kalvane::fuzz::CheckReading(text);
  if (size >= sizeof(double)) {
    double x;
    std::memcpy(&x, data, sizeof x);
    kalvane::fuzz::CheckWriting(x);
  }
  return 0;
}
