#include "core/smd_code_model.h"

#include "core/entry_rules.h"

namespace kalvane {

SmdCodeModel::SmdCodeModel()
    : code_("472"),
      value_("4.7k"),
      readings_(DecodeSmdCode(code_)),
      codes_(EncodeSmdCodes(value_)) {}

std::optional<std::string> SmdCodeModel::KeyInsertion(Box box, std::string_view keyText,
                                                      std::size_t selected) const {
  return KeyInsertionWithin(keyText, kPrintableAscii, CharacterCount(Text(box)), selected,
                            LengthLimit(box));
}

std::string SmdCodeModel::PasteInsertion(Box box, std::string_view clipboard,
                                         std::size_t selected) const {
  return PasteInsertionWithin(clipboard, kPrintableAscii, CharacterCount(Text(box)), selected,
                              LengthLimit(box));
}

void SmdCodeModel::Edit(Box box, std::string_view text) {
  std::string ascii = ToAsciiNumberText(text);
  ascii.resize(ByteOffsetOf(ascii, LengthLimit(box)));
  if (box == Box::Code) {
    code_ = std::move(ascii);
    readings_ = DecodeSmdCode(code_);
  } else {
    value_ = std::move(ascii);
    codes_ = EncodeSmdCodes(value_);
  }
}

}  // namespace kalvane
