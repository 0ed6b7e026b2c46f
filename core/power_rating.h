// The heat a resistor of an LED circuit has to carry, and the smallest of the
// six common power ratings (1/4 W to 10 W) that covers it. Inputs are in
// amperes, volts and Ohm; powers in watts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kalvane {

// Series arrangement: one LED current i through resistance r.
// P = rt(rt(i * i) * r), rt being RoundThroughText.
double SeriesResistorPower(double current, double resistance);

// Parallel arrangement: voltage vr across the resistor, total current it.
// P = rt(vr * it).
double ParallelResistorPower(double voltage, double totalCurrent);

// The label of the first rung whose limit is at least p (a closed bound, no
// margin) followed by the watt word: "1/4 W", "1/2 W", "1 W", "2 W", "5 W",
// "10 W". Zero and negative powers get "1/4 ". None when p is above 10 W
// (or is NaN).
std::optional<std::string> RateResistorPower(double power, std::string_view wattWord);

}  // namespace kalvane
