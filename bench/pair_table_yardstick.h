// The yardstick for the network finder's speed: the design of the best-known
// desktop combination finder, written plainly. Every query sorts a fresh
// table of every two-resistor network (series and parallel) and binary-
// searches it for each partner, over every series-parallel shape of up to
// four resistors; it keeps only the best network of each count.
#pragma once

#include <array>
#include <span>

namespace kalvane::bench {

// The value of the best network of exactly 1, 2, 3 and 4 resistors.
std::array<double, 4> PairTableYardstick(std::span<const double> values, double target);

}  // namespace kalvane::bench
