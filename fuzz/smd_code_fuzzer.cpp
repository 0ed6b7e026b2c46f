// Fuzz target for the SMD codes. The whole input is read both as a printed
// code and as a typed resistance. A code either names its error or gives
// one or two readings whose values have the program's number shape and
// whose canonical codes read back to the same value; a typed resistance
// either names its error or gives codes that each read back, one way only,
// to the typed value.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/number_text.h"
#include "core/smd_code.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/written_number.h"

namespace kalvane::fuzz {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  return text;
}

// A canonical code reads one way, in its own form, to `value`.
void CheckCodeReadsBack(const std::optional<std::string>& code, SmdCodeForm form,
                        std::string_view value) {
  if (!code)
    return;
  const SmdDecodeResult decoded = DecodeSmdCode(*code);
  const auto* readings = std::get_if<std::vector<SmdReading>>(&decoded);
  FUZZ_CHECK(readings && readings->size() == 1, *code, "canonical code does not read one way");
  FUZZ_CHECK(readings->front().form == form, *code, value);
  FUZZ_CHECK(readings->front().text == value, *code, readings->front().text);
}

void CheckCodes(const SmdCodes& codes) {
  FUZZ_CHECK(WrittenNumberFault(codes.text).empty(), codes.text, WrittenNumberFault(codes.text));
  FUZZ_CHECK(codes.ohms == TextToNumber(codes.text), codes.text, "value does not read as text");
  FUZZ_CHECK(codes.ohms != 0 || !codes.eia96, codes.text, "EIA-96 code for zero");
  CheckCodeReadsBack(codes.threeDigit, SmdCodeForm::ThreeDigit, codes.text);
  CheckCodeReadsBack(codes.fourDigit, SmdCodeForm::FourDigit, codes.text);
  CheckCodeReadsBack(codes.eia96, SmdCodeForm::Eia96, codes.text);
  // The value text is itself a typed resistance with the same codes.
  const SmdEncodeResult again = EncodeSmdCodes(codes.text);
  const auto* same = std::get_if<SmdCodes>(&again);
  FUZZ_CHECK(same && *same == codes, codes.text, "value text encodes differently");
}

void CheckDecode(std::string_view input) {
  const std::string_view code = TrimBlanks(input);
  const SmdDecodeResult decoded = DecodeSmdCode(input);
  if (const auto* error = std::get_if<SmdCodeError>(&decoded)) {
    FUZZ_CHECK((*error == SmdCodeError::Empty) == code.empty(), code, "Empty");
    // A code's length counts characters; UTF-8 continuation bytes are none.
    const auto characters = std::count_if(code.begin(), code.end(), [](char c) {
      return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    FUZZ_CHECK((*error == SmdCodeError::TooLong) == (characters > 4), code, "TooLong");
    return;
  }
  const auto& readings = std::get<std::vector<SmdReading>>(decoded);
  FUZZ_CHECK(readings.size() == 1 || readings.size() == 2, code, "reading count");
  FUZZ_CHECK(!code.empty() && code.size() <= 4, code, "a reading of an empty or long text");
  if (readings.size() == 2) {
    FUZZ_CHECK(code.size() == 3 && (code.back() == 'R' || code.back() == 'r'), code,
               "two readings of a code without a final R");
    FUZZ_CHECK(readings[0].form == SmdCodeForm::ThreeDigit, code, readings[0].text);
    FUZZ_CHECK(readings[1].form == SmdCodeForm::Eia96, code, readings[1].text);
  }
  for (const SmdReading& reading : readings) {
    FUZZ_CHECK(WrittenNumberFault(reading.text).empty(), reading.text,
               WrittenNumberFault(reading.text));
    FUZZ_CHECK(reading.ohms == TextToNumber(reading.text), code, reading.text);
    const SmdEncodeResult encoded = EncodeSmdCodes(reading.text);
    const auto* codes = std::get_if<SmdCodes>(&encoded);
    FUZZ_CHECK(codes && codes->text == reading.text, code, reading.text);
    CheckCodes(*codes);
    // A value read in a form has a canonical code of that form.
    switch (reading.form) {
      case SmdCodeForm::ZeroOhmLink:
      case SmdCodeForm::ThreeDigit:
        FUZZ_CHECK(codes->threeDigit.has_value(), code, reading.text);
        break;
      case SmdCodeForm::FourDigit:
        FUZZ_CHECK(codes->fourDigit.has_value(), code, reading.text);
        break;
      case SmdCodeForm::Eia96:
        FUZZ_CHECK(codes->eia96.has_value(), code, reading.text);
        break;
    }
  }
}

void CheckEncode(std::string_view input) {
  const SmdEncodeResult encoded = EncodeSmdCodes(input);
  const auto* codes = std::get_if<SmdCodes>(&encoded);
  if (!codes)
    return;
  CheckCodes(*codes);
  // A plain number in Ohm keeps the value TextToNumber reads from it.
  const std::string_view typed = TrimBlanks(input);
  if (typed.find_first_not_of("0123456789.") == std::string_view::npos)
    FUZZ_CHECK(codes->ohms == TextToNumber(typed), typed, codes->text);
}

}  // namespace
}  // namespace kalvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  kalvane::fuzz::CheckDecode(input);
  kalvane::fuzz::CheckEncode(input);
  return 0;
}
