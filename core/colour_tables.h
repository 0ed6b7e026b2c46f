// The constant data behind the two colour-code windows: the twelve band
// colours with their meanings and paint colours, the five band lists with
// their item texts in English and Persian, and the description of each window
// kind (which list each band uses, default positions, entry length), indexed
// by window kind and band. Pure lookups; no behaviour and no GUI.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "core/colour.h"

namespace kalvane {

enum class BandColour {
  Black,
  Brown,
  Red,
  Orange,
  Yellow,
  Green,
  Blue,
  Violet,
  Gray,
  White,
  Gold,
  Silver,
};

inline constexpr std::size_t kBandColourCount = 12;

struct BandColourInfo {
  std::optional<int> digit;               // 0 to 9 in a digit band; none for Gold, Silver
  std::optional<int> multiplierExponent;  // factor 10^e, e from -2 (Silver) to 6 (Blue)
  std::string_view tolerance;             // percent as shown ("0.25"); empty when none
  Colour back;                            // selector background while chosen
  Colour text;                            // selector item text while chosen
  std::string_view englishName;           // "Seliver" for Silver, as in every list
  std::string_view persianName;
};

const BandColourInfo& InfoOf(BandColour colour);

// The five lists the bands choose from; a band's state is its position in
// its list, counted from 0.
enum class BandList {
  FirstDigit,              // 9 positions, Brown to White: position p is digit p + 1
  Digit,                   // 10 positions, Black to White: position p is digit p
  Multiplier,              // 9 positions, Silver to Blue: position p is the factor 10^(p - 2)
  Tolerance4,              // 7 positions: Silver, Gold, Brown, Red, Green, Blue, Violet
  Tolerance5,              // 5 positions: Tolerance4 without Silver and Gold
  TemperatureCoefficient,  // 9 positions, Black to Gray: 250 to 1 ppm/K
};

struct BandListItem {
  BandColour colour;
  std::string_view english;  // "1-Brown", "100/ Seliver", "±0.25% Blue"
  std::string_view persian;
};

// The items in list order, as the selectors show them.
std::span<const BandListItem> ItemsOf(BandList list);

// Whether `position` lies inside `list`.
bool IsValidPosition(BandList list, int position);

// The colour at a position; none outside the list.
std::optional<BandColour> ColourAt(BandList list, int position);

// Digit of a FirstDigit or Digit position; none for other lists or outside.
std::optional<int> DigitAt(BandList list, int position);

// Applies the operation of a Multiplier position: divide by 100 at 0, by 10
// at 1, otherwise multiply by 10^(position - 2). None outside the list.
std::optional<double> ApplyMultiplier(int position, double value);

// Inverse lookups. None when the digit or exponent has no position: there is
// no first digit 0, and no factor below 10^-2 or above 10^6.
std::optional<int> FirstDigitPosition(int digit);
std::optional<int> DigitPosition(int digit);
std::optional<int> MultiplierPosition(int exponent);

// The 6-band window is the 5-band one with a temperature-coefficient band
// after the tolerance; its typed value follows the 5-band rules.
enum class WindowKind { FourBand, FiveBand, SixBand };
inline constexpr std::array<WindowKind, 3> kWindowKinds = {
    WindowKind::FourBand, WindowKind::FiveBand, WindowKind::SixBand};

inline constexpr int kMaxBandCount = 6;

// A selected position for every band of a window, indexed by band from the
// left end of the resistor (0 is the first digit). Entries past the window's
// band count are unused.
using BandPositions = std::array<int, kMaxBandCount>;

// One window kind as data, so that both windows share one code path. Bands
// are indexed from 0 at the left end: the digit bands, then the multiplier,
// then the tolerance.
struct ColourWindowLayout {
  int bandCount;                              // 4 or 5, tolerance included
  int digitBandCount;                         // 2 or 3
  int multiplierBand;                         // index of the multiplier band, digitBandCount
  int toleranceBand;                          // index of the tolerance band, bandCount - 1
  std::array<BandList, kMaxBandCount> lists;  // the list of each band
  BandPositions defaultPositions;             // selected when the window opens
  std::size_t entryLengthLimit;               // characters the typed-resistance box holds
  bool writesValueToEntry;                    // band changes write the value in Ohm into the box
  int temperatureCoefficientBand;             // its index, or -1 when the window has none
};

const ColourWindowLayout& LayoutOf(WindowKind kind);

// The list of band `band` of a window kind; none past its band count.
std::optional<BandList> ListOf(WindowKind kind, int band);

// Whether every band of the window holds a position inside its list.
bool AreValidPositions(WindowKind kind, const BandPositions& positions);

// The tolerance value texts of a window, one per position of its tolerance
// list: "10", "5", "1", "2", "0.5", "0.25", "0.1" for 4 bands and "1", "2",
// "0.5", "0.25", "0.1" for 5 and 6 bands.
std::span<const std::string_view> ToleranceValuesOf(WindowKind kind);

// What the typed-resistance box of both windows holds when the window is built.
inline constexpr std::string_view kInitialEntryText = "1";

}  // namespace kalvane
