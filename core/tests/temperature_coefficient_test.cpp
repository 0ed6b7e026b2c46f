#include "core/temperature_coefficient.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

namespace kalvane {
namespace {

// Position p is the colour of digit p; the item texts are checked with the
// other band lists.
TEST(TemperatureCoefficientItems, FollowTheDigitColoursAndTheListPattern) {
  const auto items = TemperatureCoefficientItems();
  ASSERT_EQ(items.size(), 9u);
  for (std::size_t p = 0; p < items.size(); ++p) {
    const TemperatureCoefficientItem& item = items[p];
    const BandColourInfo& info = InfoOf(item.colour);
    EXPECT_EQ(info.digit, static_cast<int>(p));
    EXPECT_EQ(TemperatureCoefficientPosition(item.colour), static_cast<int>(p));
  }
  for (BandColour none : {BandColour::White, BandColour::Gold, BandColour::Silver})
    EXPECT_FALSE(TemperatureCoefficientPosition(none).has_value());
}

// The coefficient each colour marks; a swap of two colours (Orange 15 and
// Yellow 25 are the easy ones to confuse) must fail here.
TEST(TemperatureCoefficientItems, EachColourMarksItsCoefficient) {
  using enum BandColour;
  const std::pair<BandColour, std::string_view> marks[] = {
      {Black, "250"}, {Brown, "100"}, {Red, "50"},   {Orange, "15"}, {Yellow, "25"},
      {Green, "20"},  {Blue, "10"},   {Violet, "5"}, {Gray, "1"}};
  for (const auto& [colour, ppm] : marks) {
    const auto position = TemperatureCoefficientPosition(colour);
    ASSERT_TRUE(position.has_value()) << static_cast<int>(colour);
    EXPECT_EQ(TemperatureCoefficientItems()[static_cast<std::size_t>(*position)].ppmPerKelvin, ppm)
        << static_cast<int>(colour);
  }
}

}  // namespace
}  // namespace kalvane
