// The LED array designer's arithmetic: many LEDs on one supply, split into
// strings of LEDs in series, each string with its own resistor, and the
// current each kind of string carries when the supply, the LEDs and the
// resistors stray within their tolerances. Pure functions over texts and
// numbers; the words a result is shown with are i18n's.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/standard_values.h"

namespace kalvane {

// The inputs, in the order the window shows them.
enum class LedArrayField {
  Supply,           // V
  SupplyTolerance,  // %
  LedCount,         // whole LEDs
  ForwardTypical,   // V
  ForwardMin,       // V, empty: the typical voltage
  ForwardMax,       // V, empty: the typical voltage
  Current,          // mA
  PerString,        // whole LEDs, read only when the count is fixed
  Headroom,         // V, kept in automatic mode
};
inline constexpr std::size_t kLedArrayFieldCount = 9;

// The range a field takes: from `low` (excluded when `lowOpen`) to `high`.
struct LedArrayFieldRange {
  double low;
  bool lowOpen;  // the value must be above `low`, not equal to it
  double high;
};
LedArrayFieldRange RangeOf(LedArrayField field);

// Why no array can be designed.
enum class LedArrayError {
  Empty,                // a box that needs a number is empty
  NotANumber,           // a box holds something that does not read as one number
  NotWhole,             // a count with a fraction
  OutOfRange,           // outside RangeOf(field)
  ForwardOrder,         // the minimum forward voltage above the typical, or the maximum below it
  PerStringAboveCount,  // more LEDs in a string than there are LEDs
  SupplyBelowOneLed,    // the supply does not exceed one LED's typical forward voltage
  SupplyBelowString,    // the supply does not exceed the fixed string's typical forward voltage
  ResistorAboveSeries,  // a string needs more than the series' largest value (10 MOhm)
};

// An error and the field it is about, none for errors about the whole design.
struct LedArrayProblem {
  LedArrayError error;
  std::optional<LedArrayField> field;
  friend bool operator==(const LedArrayProblem&, const LedArrayProblem&) = default;
};

// The inputs as numbers: volts, percent, milliamperes.
struct LedArrayInputs {
  double supplyVolts = 12;
  double supplyTolerancePercent = 0;
  int ledCount = 24;
  double forwardTypicalVolts = 3.1;
  double forwardMinVolts = 3.1;
  double forwardMaxVolts = 3.1;
  double currentMilliamps = 20;
  std::optional<int> ledsPerString;  // none: automatic
  double headroomVolts = 1;
  StandardSeries series = StandardSeries::E24;
};

// The texts of the boxes, indexed by LedArrayField.
using LedArrayTexts = std::array<std::string, kLedArrayFieldCount>;

// Reads the box texts (ASCII, blanks around a number allowed). An empty
// minimum or maximum forward voltage is the typical one; the count per
// string is read only when `automatic` is false.
std::variant<LedArrayInputs, LedArrayProblem> ReadLedArrayInputs(const LedArrayTexts& texts,
                                                                 bool automatic,
                                                                 StandardSeries series);

// A resistor runs at no more than this share of its rating.
inline constexpr double kRatingShare = 0.6;
// A worst-case current more than this factor above the wanted one is warned of.
inline constexpr double kWorstCaseFactor = 1.1;

// One kind of string: `strings` identical strings of `leds` LEDs each.
struct LedStringDesign {
  int strings = 0;
  int leds = 0;
  double exactOhms = 0;         // gives the wanted current at the typical voltages
  StandardValue resistor{};     // the smallest member of the series that does not give more
  double currentMilliamps = 0;  // through the chosen resistor, typical voltages
  double resistorWatts = 0;
  // The power a rating must cover for the resistor to run at kRatingShare of
  // it: RateResistorPower(ratingBasisWatts, ...) names the rating to buy.
  double ratingBasisWatts = 0;
  // The current from the lowest supply, the highest forward voltage and the
  // largest resistor up to the highest supply, the lowest forward voltage
  // and the smallest resistor (the series' usual tolerance). Never negative.
  double lowestMilliamps = 0;
  double highestMilliamps = 0;
  // The supply left over the string's LEDs at the lowest supply and the
  // highest forward voltage.
  double worstHeadroomVolts = 0;
};

enum class LedArrayWarning {
  HeadroomBelowMargin,   // a string keeps less than the headroom in the worst case
  WorstCaseAboveWanted,  // a string's highest current exceeds the wanted one by more than 10 %
  PowerAboveRatings,     // a resistor needs more than 10 W at the rating share
};

struct LedArrayDesign {
  double supplyVolts = 0;   // nominal, as read
  double forwardVolts = 0;  // typical, as read
  int ledsPerString = 0;    // of the identical strings
  // The identical strings first, then the remainder string when the count
  // does not divide evenly (one string of fewer LEDs).
  std::vector<LedStringDesign> kinds;
  double totalMilliamps = 0;
  double totalWatts = 0;     // supply x total current
  double ledWatts = 0;       // in the LEDs, typical forward voltage
  double resistorWatts = 0;  // in all resistors
  double efficiencyPercent = 0;
  std::vector<LedArrayWarning> warnings;  // in the order of the enum, each once
};

using LedArrayResult = std::variant<LedArrayDesign, LedArrayProblem>;

// The design for `inputs`, which must lie within their ranges (as
// ReadLedArrayInputs gives them). In automatic mode the strings take the
// largest count of LEDs that keeps the headroom at the lowest supply and
// the highest forward voltage; one LED per string when none does (with
// HeadroomBelowMargin). Every intermediate value is rounded through text.
LedArrayResult DesignLedArray(const LedArrayInputs& inputs);

// Both steps at once.
LedArrayResult DesignLedArray(const LedArrayTexts& texts, bool automatic, StandardSeries series);

// `x` rounded to `digits` significant digits and written as the program
// writes numbers: ShortNumberText(18.9473684, 4) is "18.95".
std::string ShortNumberText(double x, int digits = 4);

}  // namespace kalvane
