#include "core/temperature_coefficient.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace kalvane
