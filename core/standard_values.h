// The E24 standard resistor values the LED panel offers next to a computed
// resistor, the two nearest-value searches over them, and the caption that
// shows a found value. It knows nothing of how the caption is displayed.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kalvane {

struct StandardValue {
  std::string_view text;  // shown to the user exactly as stored: "1.0", "47", "10000000"
  double ohms;            // TextToNumber(text)
};

inline constexpr std::size_t kStandardValueCount = 169;

// E24 (IEC 60063) from 1.0 to 9100000 Ohm, seven decades in ascending order,
// then 10000000. Values below 10 carry one decimal ("1.0", "9.1"), the rest
// are whole numbers without separators.
const std::array<StandardValue, kStandardValueCount>& StandardValueTable();

// The entry with the smallest value not below r; none when r is above the
// largest entry. Any r at or below 1.0, zero and negatives included, gives "1.0".
std::optional<StandardValue> FindLargerStandard(double r);

// The entry with the largest value not above r; none when r is below 1.0.
std::optional<StandardValue> FindSmallerStandard(double r);

// "<entry text> <ohm word>  <tag>", e.g. "51 Ohm  (Larger)".
std::string StandardCaption(const StandardValue& entry, std::string_view ohmWord,
                            std::string_view tag);

}  // namespace kalvane
