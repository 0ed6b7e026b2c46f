// The list of the temperature-coefficient band of a six-band resistor: for
// each position its colour, the coefficient in ppm/K and the item texts in
// English and Persian, as the band selectors show them. Constant data; the
// other band lists and the colours themselves live in colour_tables.h.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/colour_tables.h"

namespace kalvane {

struct TemperatureCoefficientItem {
  BandColour colour;
  std::string_view ppmPerKelvin;  // the coefficient as shown: "100"
  std::string_view english;       // "100 ppm/K Brown"
  std::string_view persian;       // "100 ppm/K قهوه اي"
};

// Nine positions in colour-code order, Black to Gray, so that position p is
// the colour of digit p: 250, 100, 50, 15, 25, 20, 10, 5 and 1 ppm/K.
std::span<const TemperatureCoefficientItem> TemperatureCoefficientItems();

// The position of a colour in the list; none for White, Gold and Silver,
// which mark no temperature coefficient.
std::optional<int> TemperatureCoefficientPosition(BandColour colour);

}  // namespace kalvane
