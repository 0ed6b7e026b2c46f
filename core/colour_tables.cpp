#include "core/colour_tables.h"

#include "core/temperature_coefficient.h"

namespace kalvane {
namespace {

using enum BandColour;

constexpr std::array<BandColourInfo, kBandColourCount> kColours = {{
    // Black
    {0, 0, "", Rgb(0, 0, 0), Rgb(255, 255, 255), "Black", "سياه"},
    // Brown
    {1, 1, "1", Rgb(165, 42, 42), Rgb(255, 255, 255), "Brown", "قهوه اي"},
    // Red
    {2, 2, "2", Rgb(255, 0, 0), Rgb(0, 0, 0), "Red", "قرمز"},
    // Orange
    {3, 3, "", Rgb(255, 165, 0), Rgb(0, 0, 0), "Orange", "نارنجي"},
    // Yellow
    {4, 4, "", Rgb(255, 255, 0), Rgb(0, 0, 0), "Yellow", "زرد"},
    // Green
    {5, 5, "0.5", Rgb(0, 128, 0), Rgb(255, 255, 255), "Green", "سبز"},
    // Blue
    {6, 6, "0.25", Rgb(0, 0, 255), Rgb(255, 255, 255), "Blue", "آبي"},
    // Violet
    {7, {}, "0.1", Rgb(238, 130, 238), Rgb(0, 0, 0), "Violet", "بنفش"},
    // Gray
    {8, {}, "", Rgb(128, 128, 128), Rgb(0, 0, 0), "Gray", "خاکستري"},
    // White
    {9, {}, "", Rgb(255, 255, 255), Rgb(0, 0, 0), "White", "سفيد"},
    // Gold
    {{}, -1, "5", Rgb(255, 215, 0), Rgb(0, 0, 0), "Gold", "طلايي"},
    // Silver
    {{}, -2, "10", Rgb(192, 192, 192), Rgb(0, 0, 0), "Seliver", "نقره اي"},
}};

constexpr std::array<BandListItem, 9> kFirstDigitItems = {{
    {Brown, "1-Brown", "1-قهوه اي"},
    {Red, "2-Red", "2-قرمز"},
    {Orange, "3-Orange", "3-نارنجي"},
    {Yellow, "4-Yellow", "4-زرد"},
    {Green, "5-Green", "5-سبز"},
    {Blue, "6-Blue", "6-آبي"},
    {Violet, "7-Violet", "7-بنفش"},
    {Gray, "8-Gray", "8-خاکستري"},
    {White, "9-White", "9-سفيد"},
}};

constexpr std::array<BandListItem, 10> kDigitItems = {{
    {Black, "0-Black", "0-سياه"},
    {Brown, "1-Brown", "1-قهوه اي"},
    {Red, "2-Red", "2-قرمز"},
    {Orange, "3-Orange", "3-نارنجي"},
    {Yellow, "4-Yellow", "4-زرد"},
    {Green, "5-Green", "5-سبز"},
    {Blue, "6-Blue", "6-آبي"},
    {Violet, "7-Violet", "7-بنفش"},
    {Gray, "8-Gray", "8-خاکستري"},
    {White, "9-White", "9-سفيد"},
}};

constexpr std::array<BandListItem, 9> kMultiplierItems = {{
    {Silver, "100/ Seliver", "100/ نقره اي"},
    {Gold, "10/ Gold", "10/ طلايي"},
    {Black, "x1 Black", "x1 سياه"},
    {Brown, "x10 Brown", "x10 قهوه اي"},
    {Red, "x100 Red", "x100 قرمز"},
    {Orange, "x1000 Orange", "x1000 نارنجي"},
    {Yellow, "x10000 Yellow", "x10000 زرد"},
    {Green, "x100000 Green", "x100000 سبز"},
    {Blue, "x1000000 Blue", "x1000000 آبي"},
}};

constexpr std::array<BandListItem, 7> kTolerance4Items = {{
    {Silver, "±10% Seliver", "±10% نقره اي"},
    {Gold, "±5% Gold", "±5% طلايي"},
    {Brown, "±1% Brown", "±1% قهوه اي"},
    {Red, "±2% Red", "±2% قرمز"},
    {Green, "±0.5% Green", "±0.5% سبز"},
    {Blue, "±0.25% Blue", "±0.25% آبي"},
    {Violet, "±0.1% Violet", "±0.1% بنفش"},
}};

constexpr std::array<BandListItem, 5> kTolerance5Items = {{
    {Brown, "±1% Brown", "±1% قهوه اي"},
    {Red, "±2% Red", "±2% قرمز"},
    {Green, "±0.5% Green", "±0.5% سبز"},
    {Blue, "±0.25% Blue", "±0.25% آبي"},
    {Violet, "±0.1% Violet", "±0.1% بنفش"},
}};

// Multiplier positions 0 and 1 divide, so that 47 / 10 is the double nearest
// 4.7 rather than 47 * 0.1.
constexpr int kMultiplierShift = 2;

constexpr std::array<std::string_view, 7> kToleranceValues4 = {"10",  "5",    "1",  "2",
                                                               "0.5", "0.25", "0.1"};
constexpr std::array<std::string_view, 5> kToleranceValues5 = {"1", "2", "0.5", "0.25", "0.1"};

using enum BandList;

constexpr ColourWindowLayout kFourBand = {
    4,
    2,
    2,
    3,
    {FirstDigit, Digit, Multiplier, Tolerance4, Tolerance4, Tolerance4},
    {0, 0, 1, 1, 0, 0},
    8,
    true,
    -1,
};
constexpr ColourWindowLayout kFiveBand = {
    5,
    3,
    3,
    4,
    {FirstDigit, Digit, Digit, Multiplier, Tolerance5, Tolerance5},
    {0, 0, 0, 0, 0, 0},
    9,
    false,
    -1,
};
// The temperature coefficient starts at Brown, 100 ppm/K, the usual one.
constexpr ColourWindowLayout kSixBand = {
    6,
    3,
    3,
    4,
    {FirstDigit, Digit, Digit, Multiplier, Tolerance5, TemperatureCoefficient},
    {0, 0, 0, 0, 0, 1},
    9,
    false,
    5,
};

// The temperature-coefficient list as band list items.
std::span<const BandListItem> TemperatureCoefficientListItems() {
  static const auto items = [] {
    std::array<BandListItem, 9> list{};
    const auto source = TemperatureCoefficientItems();
    for (std::size_t i = 0; i < list.size() && i < source.size(); ++i)
      list[i] = {source[i].colour, source[i].english, source[i].persian};
    return list;
  }();
  return items;
}

}  // namespace

const BandColourInfo& InfoOf(BandColour colour) {
  return kColours[static_cast<std::size_t>(colour)];
}

std::span<const BandListItem> ItemsOf(BandList list) {
  switch (list) {
    case FirstDigit:
      return kFirstDigitItems;
    case Digit:
      return kDigitItems;
    case Multiplier:
      return kMultiplierItems;
    case Tolerance4:
      return kTolerance4Items;
    case Tolerance5:
      return kTolerance5Items;
    case TemperatureCoefficient:
      return TemperatureCoefficientListItems();
  }
  return {};
}

bool IsValidPosition(BandList list, int position) {
  return position >= 0 && static_cast<std::size_t>(position) < ItemsOf(list).size();
}

std::optional<BandColour> ColourAt(BandList list, int position) {
  if (!IsValidPosition(list, position))
    return std::nullopt;
  return ItemsOf(list)[static_cast<std::size_t>(position)].colour;
}

std::optional<int> DigitAt(BandList list, int position) {
  if (list != FirstDigit && list != Digit)
    return std::nullopt;
  if (auto colour = ColourAt(list, position))
    return InfoOf(*colour).digit;
  return std::nullopt;
}

std::optional<double> ApplyMultiplier(int position, double value) {
  if (!IsValidPosition(Multiplier, position))
    return std::nullopt;
  if (position < kMultiplierShift) {
    double divisor = 1;
    for (int i = position; i < kMultiplierShift; ++i)
      divisor *= 10;
    return value / divisor;
  }
  double factor = 1;
  for (int i = kMultiplierShift; i < position; ++i)
    factor *= 10;
  return value * factor;
}

std::optional<int> FirstDigitPosition(int digit) {
  if (digit < 1 || digit > 9)
    return std::nullopt;
  return digit - 1;
}

std::optional<int> DigitPosition(int digit) {
  if (digit < 0 || digit > 9)
    return std::nullopt;
  return digit;
}

std::optional<int> MultiplierPosition(int exponent) {
  int position = exponent + kMultiplierShift;
  if (!IsValidPosition(Multiplier, position))
    return std::nullopt;
  return position;
}

const ColourWindowLayout& LayoutOf(WindowKind kind) {
  switch (kind) {
    case WindowKind::FourBand:
      return kFourBand;
    case WindowKind::FiveBand:
      break;
    case WindowKind::SixBand:
      return kSixBand;
  }
  return kFiveBand;
}

std::optional<BandList> ListOf(WindowKind kind, int band) {
  const ColourWindowLayout& layout = LayoutOf(kind);
  if (band < 0 || band >= layout.bandCount)
    return std::nullopt;
  return layout.lists[static_cast<std::size_t>(band)];
}

bool AreValidPositions(WindowKind kind, const BandPositions& positions) {
  const ColourWindowLayout& layout = LayoutOf(kind);
  for (int band = 0; band < layout.bandCount; ++band) {
    std::size_t b = static_cast<std::size_t>(band);
    if (!IsValidPosition(layout.lists[b], positions[b]))
      return false;
  }
  return true;
}

std::span<const std::string_view> ToleranceValuesOf(WindowKind kind) {
  if (kind == WindowKind::FourBand)
    return kToleranceValues4;
  return kToleranceValues5;
}

}  // namespace kalvane
