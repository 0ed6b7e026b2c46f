#include "core/power_rating.h"

#include <array>

#include "core/number_text.h"

namespace kalvane {
namespace {

struct Rung {
  double limitWatts;
  std::string_view label;  // ends in one space, the watt word follows
};

constexpr std::array<Rung, 6> kRatingLadder = {{
    {0.25, "1/4 "},
    {0.5, "1/2 "},
    {1, "1 "},
    {2, "2 "},
    {5, "5 "},
    {10, "10 "},
}};

}  // namespace

double SeriesResistorPower(double current, double resistance) {
  return RoundThroughText(RoundThroughText(current * current) * resistance);
}

double ParallelResistorPower(double voltage, double totalCurrent) {
  return RoundThroughText(voltage * totalCurrent);
}

std::optional<std::string> RateResistorPower(double power, std::string_view wattWord) {
  for (const Rung& rung : kRatingLadder) {
    if (power <= rung.limitWatts) {
      std::string caption(rung.label);
      caption += wattWord;
      return caption;
    }
  }
  return std::nullopt;
}

}  // namespace kalvane
