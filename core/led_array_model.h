// The LED array designer's window as plain state: the boxes with their
// entry rules, whether the count per string is automatic or fixed, the
// series, and the design or the problem that stands in its way, kept current
// while the user types. The window shows it; the words are i18n's. It knows
// nothing of widgets.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/led_array.h"

namespace kalvane {

class LedArrayModel {
 public:
  using Box = LedArrayField;
  // Voltages, the tolerance and the current take digits and one point; the
  // counts take digits only.
  static constexpr std::size_t kNumberLimit = 8;
  static constexpr std::size_t kCountLimit = 4;

  // Opens with a worked example: 25 LEDs of 3.1 V (2.9 to 3.3 V) at 20 mA
  // on 12 V, the count per string automatic with 1 V of headroom, so that
  // the design has a remainder string.
  explicit LedArrayModel(StandardSeries series = StandardSeries::E24);

  const std::string& Text(Box box) const { return texts_[static_cast<std::size_t>(box)]; }
  static std::size_t LengthLimit(Box box);
  static std::string_view Allowed(Box box);

  // What a key types into `box` (Persian and Arabic digits as ASCII), none
  // when the key is refused; what a paste inserts (only what a key could
  // type, as much as there is room for). `selected` characters are replaced.
  std::optional<std::string> KeyInsertion(Box box, std::string_view keyText,
                                          std::size_t selected) const;
  std::string PasteInsertion(Box box, std::string_view clipboard, std::size_t selected) const;

  // A box's text after the user edited it: its digits as ASCII, cut to the
  // limit; the design follows.
  void Edit(Box box, std::string_view text);
  // Automatic: the count per string follows the headroom, and the count
  // box is not read but shows the count chosen (it keeps the last one while
  // there is no design); fixed: the count box is read, starting from that.
  void SetAutomatic(bool automatic);
  bool Automatic() const { return automatic_; }
  void ChooseSeries(StandardSeries series);
  StandardSeries Series() const { return series_; }

  // The design of the texts as they stand, or why there is none.
  const LedArrayResult& Result() const { return result_; }

 private:
  void Design();

  LedArrayTexts texts_;
  bool automatic_ = true;
  StandardSeries series_;
  LedArrayResult result_;
};

}  // namespace kalvane
