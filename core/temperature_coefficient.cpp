#include "core/temperature_coefficient.h"

#include <array>

namespace kalvane {
namespace {

using enum BandColour;

// Per IEC 60062. The Persian colour names are those of the other band lists.
constexpr std::array<TemperatureCoefficientItem, 9> kItems = {{
    {Black, "250", "250 ppm/K Black", "250 ppm/K سياه"},
    {Brown, "100", "100 ppm/K Brown", "100 ppm/K قهوه اي"},
    {Red, "50", "50 ppm/K Red", "50 ppm/K قرمز"},
    {Orange, "15", "15 ppm/K Orange", "15 ppm/K نارنجي"},
    {Yellow, "25", "25 ppm/K Yellow", "25 ppm/K زرد"},
    {Green, "20", "20 ppm/K Green", "20 ppm/K سبز"},
    {Blue, "10", "10 ppm/K Blue", "10 ppm/K آبي"},
    {Violet, "5", "5 ppm/K Violet", "5 ppm/K بنفش"},
    {Gray, "1", "1 ppm/K Gray", "1 ppm/K خاکستري"},
}};

}  // namespace

std::span<const TemperatureCoefficientItem> TemperatureCoefficientItems() {
  return kItems;
}

std::optional<int> TemperatureCoefficientPosition(BandColour colour) {
  for (std::size_t p = 0; p < kItems.size(); ++p) {
    if (kItems[p].colour == colour)
      return static_cast<int>(p);
  }
  return std::nullopt;
}

}  // namespace kalvane
