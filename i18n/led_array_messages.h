// The LED array designer's texts built from a design or a problem, in both
// languages: the inline messages, the values with their units, the heading
// of each kind of string, the picture's labels and its spoken description.
#pragma once

#include <string>
#include <string_view>

#include "core/language_words.h"
#include "core/led_array.h"

namespace kalvane {

// Why no design is shown: a field's problem starts with the field's caption.
std::string LedArrayProblemMessage(const LedArrayProblem& problem, Language language);
std::string_view LedArrayWarningMessage(LedArrayWarning warning, Language language);
// Every warning of `design`, one a line; empty when there is none.
std::string LedArrayWarnings(const LedArrayDesign& design, Language language);

// "8 strings of 3 LEDs", "1 string of 1 LED (remainder)".
std::string StringKindHeading(const LedStringDesign& kind, bool remainder, Language language);

// The values of a kind of string, as the results table shows them.
struct StringKindTexts {
  std::string exact;     // "135 Ohm"
  std::string standard;  // "150 Ohm (E24)"
  std::string current;   // "18 mA"
  std::string power;     // "0.0486 W"
  std::string rating;    // "1/4 W", or "above 10 W"
  std::string range;     // "17.14 to 18.95 mA"
};
StringKindTexts StringKindValues(const LedStringDesign& kind, StandardSeries series,
                                 Language language);

// The totals: current, power, power in the LEDs, efficiency.
struct ArrayTotalTexts {
  std::string current;
  std::string power;
  std::string ledPower;
  std::string efficiency;
};
ArrayTotalTexts ArrayTotals(const LedArrayDesign& design, Language language);

// `x` with 4 significant digits and its unit: "18.95 mA", "18.95 ميلي آمپر".
std::string WithUnit(double x, std::string_view unit);

// The picture's labels of one kind of string.
struct StringPictureTexts {
  std::string count;     // "× 8", empty for a single string
  std::string resistor;  // "150 Ohm"
  std::string leds;      // "3 × 3.1 V"
  std::string note;      // "remainder" for the remainder string
};
StringPictureTexts StringPictureLabels(const LedStringDesign& kind, bool remainder,
                                       double forwardVolts, Language language);

// What a screen reader says for the picture: "8 strings of 3 LEDs, each
// with 150 Ohm; 1 string of 1 LED (remainder), with 470 Ohm".
std::string ArrayPictureDescription(const LedArrayDesign& design, Language language);

}  // namespace kalvane
