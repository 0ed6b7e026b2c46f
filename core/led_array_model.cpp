#include "core/led_array_model.h"

#include <string>

#include "core/entry_rules.h"

namespace kalvane {

LedArrayModel::LedArrayModel(StandardSeries series)
    : texts_{"12", "0", "25", "3.1", "2.9", "3.3", "20", "3", "1"},
      series_(series),
      result_(DesignLedArray(texts_, automatic_, series_)) {}

std::size_t LedArrayModel::LengthLimit(Box box) {
  return box == Box::LedCount || box == Box::PerString ? kCountLimit : kNumberLimit;
}

std::string_view LedArrayModel::Allowed(Box box) {
  return box == Box::LedCount || box == Box::PerString ? kIntegerSet : kDecimalSet;
}

std::optional<std::string> LedArrayModel::KeyInsertion(Box box, std::string_view keyText,
                                                       std::size_t selected) const {
  return KeyInsertionWithin(keyText, Allowed(box), CharacterCount(Text(box)), selected,
                            LengthLimit(box));
}

std::string LedArrayModel::PasteInsertion(Box box, std::string_view clipboard,
                                          std::size_t selected) const {
  return PasteInsertionWithin(clipboard, Allowed(box), CharacterCount(Text(box)), selected,
                              LengthLimit(box));
}

void LedArrayModel::Edit(Box box, std::string_view text) {
  std::string ascii = ToAsciiNumberText(text);
  ascii.resize(ByteOffsetOf(ascii, LengthLimit(box)));
  texts_[static_cast<std::size_t>(box)] = std::move(ascii);
  Design();
}

void LedArrayModel::SetAutomatic(bool automatic) {
  automatic_ = automatic;
  Design();
}

void LedArrayModel::ChooseSeries(StandardSeries series) {
  series_ = series;
  Design();
}

void LedArrayModel::Design() {
  result_ = DesignLedArray(texts_, automatic_, series_);
  // The count box shows the automatic count, and a fixed count starts from it.
  if (const auto* design = std::get_if<LedArrayDesign>(&result_); design && automatic_)
    texts_[static_cast<std::size_t>(Box::PerString)] = std::to_string(design->ledsPerString);
}

}  // namespace kalvane
