#include "core/led_array.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <span>

#include "core/number_text.h"

namespace kalvane {
namespace {

using Field = LedArrayField;

double Rt(double x) {
  return RoundThroughText(x);
}

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

// One box read as a number within its range, or the problem with it.
std::variant<double, LedArrayProblem> ReadField(const LedArrayTexts& texts, Field field,
                                                bool whole) {
  const std::string& text = texts[static_cast<std::size_t>(field)];
  if (IsBlank(text))
    return LedArrayProblem{LedArrayError::Empty, field};
  if (!IsNumberText(text))
    return LedArrayProblem{LedArrayError::NotANumber, field};
  const double value = TextToNumber(text);
  if (whole && value != std::floor(value))
    return LedArrayProblem{LedArrayError::NotWhole, field};
  const LedArrayFieldRange range = RangeOf(field);
  const bool aboveLow = range.lowOpen ? value > range.low : value >= range.low;
  if (!aboveLow || !(value <= range.high))
    return LedArrayProblem{LedArrayError::OutOfRange, field};
  return value;
}

// The string of `leds` LEDs, `strings` times, or why it cannot be built.
std::variant<LedStringDesign, LedArrayProblem> DesignString(const LedArrayInputs& in, int strings,
                                                            int leds, double lowSupply,
                                                            double highSupply) {
  LedStringDesign kind;
  kind.strings = strings;
  kind.leds = leds;
  const double drop = Rt(in.supplyVolts - Rt(leds * in.forwardTypicalVolts));
  const double wantedAmps = Rt(in.currentMilliamps / 1000);
  kind.exactOhms = Rt(drop / wantedAmps);
  auto milliampsThrough = [drop](double ohms) { return Rt(Rt(drop / ohms) * 1000); };

  // The first member not below the exact value, or a later one when
  // rounding would let that one give more than the wanted current.
  const std::span<const StandardValue> table = StandardSeriesTable(in.series);
  auto entry = std::partition_point(table.begin(), table.end(), [&](const StandardValue& value) {
    return value.ohms < kind.exactOhms;
  });
  while (entry != table.end() && milliampsThrough(entry->ohms) > in.currentMilliamps)
    ++entry;
  if (entry == table.end())
    return LedArrayProblem{LedArrayError::ResistorAboveSeries, std::nullopt};
  kind.resistor = *entry;
  const double ohms = entry->ohms;
  kind.currentMilliamps = milliampsThrough(ohms);
  kind.resistorWatts = Rt(drop * Rt(drop / ohms));
  kind.ratingBasisWatts = Rt(kind.resistorWatts / kRatingShare);

  const double spread = SeriesTolerance(in.series) / 100;
  kind.worstHeadroomVolts = Rt(lowSupply - Rt(leds * in.forwardMaxVolts));
  const double lowestDrop = std::max(kind.worstHeadroomVolts, 0.0);
  const double highestDrop = std::max(Rt(highSupply - Rt(leds * in.forwardMinVolts)), 0.0);
  kind.lowestMilliamps = Rt(Rt(lowestDrop / Rt(ohms * (1 + spread))) * 1000);
  kind.highestMilliamps = Rt(Rt(highestDrop / Rt(ohms * (1 - spread))) * 1000);
  return kind;
}

}  // namespace

LedArrayFieldRange RangeOf(LedArrayField field) {
  switch (field) {
    case Field::Supply:
      return {0, true, 1000};
    case Field::SupplyTolerance:
      return {0, false, 50};
    case Field::LedCount:
    case Field::PerString:
      return {1, false, 1000};
    case Field::ForwardTypical:
    case Field::ForwardMin:
    case Field::ForwardMax:
      return {0, true, 100};
    case Field::Current:
      return {0, true, 10000};
    case Field::Headroom:
      break;
  }
  return {0, false, 100};
}

std::variant<LedArrayInputs, LedArrayProblem> ReadLedArrayInputs(const LedArrayTexts& texts,
                                                                 bool automatic,
                                                                 StandardSeries series) {
  LedArrayInputs in;
  in.series = series;
  std::optional<LedArrayProblem> problem;
  auto read = [&](Field field, bool whole) -> double {
    if (problem)
      return 0;
    auto value = ReadField(texts, field, whole);
    if (auto* found = std::get_if<LedArrayProblem>(&value)) {
      problem = *found;
      return 0;
    }
    return std::get<double>(value);
  };
  // An empty minimum or maximum is the typical voltage.
  auto readOptional = [&](Field field) -> std::optional<double> {
    if (IsBlank(texts[static_cast<std::size_t>(field)]))
      return std::nullopt;
    return read(field, false);
  };

  in.supplyVolts = read(Field::Supply, false);
  in.supplyTolerancePercent = read(Field::SupplyTolerance, false);
  in.ledCount = static_cast<int>(read(Field::LedCount, true));
  in.forwardTypicalVolts = read(Field::ForwardTypical, false);
  const std::optional<double> low = readOptional(Field::ForwardMin);
  const std::optional<double> high = readOptional(Field::ForwardMax);
  in.currentMilliamps = read(Field::Current, false);
  if (!automatic)
    in.ledsPerString = static_cast<int>(read(Field::PerString, true));
  in.headroomVolts = read(Field::Headroom, false);
  if (problem)
    return *problem;

  in.forwardMinVolts = low.value_or(in.forwardTypicalVolts);
  in.forwardMaxVolts = high.value_or(in.forwardTypicalVolts);
  if (in.forwardMinVolts > in.forwardTypicalVolts)
    return LedArrayProblem{LedArrayError::ForwardOrder, Field::ForwardMin};
  if (in.forwardMaxVolts < in.forwardTypicalVolts)
    return LedArrayProblem{LedArrayError::ForwardOrder, Field::ForwardMax};
  if (in.ledsPerString && *in.ledsPerString > in.ledCount)
    return LedArrayProblem{LedArrayError::PerStringAboveCount, Field::PerString};
  return in;
}

LedArrayResult DesignLedArray(const LedArrayInputs& in) {
  if (in.supplyVolts <= in.forwardTypicalVolts)
    return LedArrayProblem{LedArrayError::SupplyBelowOneLed, std::nullopt};
  const double lowSupply = Rt(in.supplyVolts * Rt(1 - in.supplyTolerancePercent / 100));
  const double highSupply = Rt(in.supplyVolts * Rt(1 + in.supplyTolerancePercent / 100));
  // Whether strings of `leds` keep the headroom in the worst case and
  // leave the resistor a voltage at the typical one.
  auto keepsHeadroom = [&](int leds) {
    return Rt(lowSupply - Rt(leds * in.forwardMaxVolts)) >= in.headroomVolts &&
           Rt(in.supplyVolts - Rt(leds * in.forwardTypicalVolts)) > 0;
  };

  int perString = 1;
  if (in.ledsPerString) {
    perString = *in.ledsPerString;
    if (in.supplyVolts <= Rt(perString * in.forwardTypicalVolts))
      return LedArrayProblem{LedArrayError::SupplyBelowString, std::nullopt};
  } else {
    // Start from the plain quotient, then settle on the exact rule.
    const double estimate = (lowSupply - in.headroomVolts) / in.forwardMaxVolts;
    perString = static_cast<int>(std::clamp(std::floor(estimate), 1.0, double(in.ledCount)));
    while (perString < in.ledCount && keepsHeadroom(perString + 1))
      ++perString;
    while (perString > 1 && !keepsHeadroom(perString))
      --perString;
  }

  LedArrayDesign design;
  design.supplyVolts = in.supplyVolts;
  design.forwardVolts = in.forwardTypicalVolts;
  design.ledsPerString = perString;
  const int full = in.ledCount / perString;
  const int remainder = in.ledCount % perString;
  for (const auto& [strings, leds] : {std::pair{full, perString}, std::pair{1, remainder}}) {
    if (leds == 0)
      continue;
    auto kind = DesignString(in, strings, leds, lowSupply, highSupply);
    if (auto* problem = std::get_if<LedArrayProblem>(&kind))
      return *problem;
    design.kinds.push_back(std::get<LedStringDesign>(kind));
  }

  bool shortHeadroom = false, hot = false, tooMuchPower = false;
  double milliamps = 0, ledWatts = 0, resistorWatts = 0;
  for (const LedStringDesign& kind : design.kinds) {
    milliamps += kind.strings * kind.currentMilliamps;
    ledWatts +=
        Rt(kind.strings * kind.leds * in.forwardTypicalVolts * kind.currentMilliamps / 1000);
    resistorWatts += kind.strings * kind.resistorWatts;
    shortHeadroom = shortHeadroom || kind.worstHeadroomVolts < in.headroomVolts;
    hot = hot || kind.highestMilliamps > Rt(in.currentMilliamps * kWorstCaseFactor);
    tooMuchPower = tooMuchPower || kind.ratingBasisWatts > 10;
  }
  design.totalMilliamps = Rt(milliamps);
  design.totalWatts = Rt(in.supplyVolts * design.totalMilliamps / 1000);
  design.ledWatts = Rt(ledWatts);
  design.resistorWatts = Rt(resistorWatts);
  design.efficiencyPercent = Rt(design.ledWatts / design.totalWatts * 100);
  if (shortHeadroom)
    design.warnings.push_back(LedArrayWarning::HeadroomBelowMargin);
  if (hot)
    design.warnings.push_back(LedArrayWarning::WorstCaseAboveWanted);
  if (tooMuchPower)
    design.warnings.push_back(LedArrayWarning::PowerAboveRatings);
  return design;
}

LedArrayResult DesignLedArray(const LedArrayTexts& texts, bool automatic, StandardSeries series) {
  auto inputs = ReadLedArrayInputs(texts, automatic, series);
  if (auto* problem = std::get_if<LedArrayProblem>(&inputs))
    return *problem;
  return DesignLedArray(std::get<LedArrayInputs>(inputs));
}

std::string ShortNumberText(double x, int digits) {
  if (!std::isfinite(x))
    return {};
  char buffer[64];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, digits - 1);
  double rounded = 0;
  std::from_chars(buffer, written.ptr, rounded);
  return NumberToText(rounded);
}

}  // namespace kalvane
