// Fuzz target for the LED array designer. The input is split at line breaks
// into the nine box texts, a mode line ("a" automatic, anything else fixed)
// and a series digit, and designed both from the texts and through the
// window's model. A design never lets a string's nominal current exceed the
// wanted one, picks members of the series (the smallest that keeps the
// current), uses every LED once, keeps each current within its worst-case
// range and has totals that add up; a problem names a field only where it
// is about one.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/led_array.h"
#include "core/led_array_model.h"
#include "core/number_text.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/written_number.h"

namespace kalvane::fuzz {
namespace {

bool Near(double a, double b) {
  return std::fabs(a - b) <= 1e-9 * std::max({std::fabs(a), std::fabs(b), 1e-6});
}

std::string Shown(double x) {
  return NumberToText(x);
}

void CheckNumber(double x, std::string_view what) {
  FUZZ_CHECK(std::isfinite(x) && x >= 0, what, Shown(x));
  FUZZ_CHECK(WrittenNumberFault(ShortNumberText(x)).empty(), what, ShortNumberText(x));
}

void CheckDesign(const LedArrayInputs& in, const LedArrayDesign& design) {
  FUZZ_CHECK(design.kinds.size() == 1 || design.kinds.size() == 2, "kinds", "");
  FUZZ_CHECK(design.kinds[0].leds == design.ledsPerString, "first kind", "");
  if (in.ledsPerString)
    FUZZ_CHECK(design.ledsPerString == *in.ledsPerString, "fixed count", "");
  int leds = 0;
  double milliamps = 0, resistorWatts = 0;
  const std::span<const StandardValue> table = StandardSeriesTable(in.series);
  for (const LedStringDesign& kind : design.kinds) {
    leds += kind.strings * kind.leds;
    milliamps += kind.strings * kind.currentMilliamps;
    resistorWatts += kind.strings * kind.resistorWatts;
    FUZZ_CHECK(kind.currentMilliamps <= in.currentMilliamps, Shown(kind.currentMilliamps),
               Shown(in.currentMilliamps));
    // A member of the series, and no smaller member keeps the current.
    std::size_t at = 0;
    while (at < table.size() && table[at].text != kind.resistor.text)
      ++at;
    FUZZ_CHECK(at < table.size() && table[at].ohms == kind.resistor.ohms, kind.resistor.text,
               SeriesName(in.series));
    FUZZ_CHECK(kind.resistor.ohms >= kind.exactOhms || at == 0, kind.resistor.text,
               Shown(kind.exactOhms));
    if (at > 0) {
      const double drop =
          RoundThroughText(in.supplyVolts - RoundThroughText(kind.leds * in.forwardTypicalVolts));
      const double smaller = RoundThroughText(RoundThroughText(drop / table[at - 1].ohms) * 1000);
      FUZZ_CHECK(smaller > in.currentMilliamps, table[at - 1].text, "a smaller member would do");
    }
    FUZZ_CHECK(kind.lowestMilliamps <= kind.currentMilliamps * (1 + 1e-12) &&
                   kind.currentMilliamps <= kind.highestMilliamps * (1 + 1e-12),
               Shown(kind.lowestMilliamps), Shown(kind.highestMilliamps));
    CheckNumber(kind.exactOhms, "exact");
    CheckNumber(kind.currentMilliamps, "current");
    CheckNumber(kind.resistorWatts, "resistor power");
    CheckNumber(kind.lowestMilliamps, "lowest");
    CheckNumber(kind.highestMilliamps, "highest");
  }
  FUZZ_CHECK(leds == in.ledCount, std::to_string(leds), std::to_string(in.ledCount));
  if (design.kinds.size() == 2) {
    FUZZ_CHECK(design.kinds[1].strings == 1 && design.kinds[1].leds < design.kinds[0].leds,
               "remainder", "");
  }
  FUZZ_CHECK(Near(design.totalMilliamps, milliamps), Shown(design.totalMilliamps),
             Shown(milliamps));
  FUZZ_CHECK(Near(design.resistorWatts, resistorWatts), Shown(design.resistorWatts),
             Shown(resistorWatts));
  FUZZ_CHECK(Near(design.totalWatts, in.supplyVolts * design.totalMilliamps / 1000),
             Shown(design.totalWatts), "supply x current");
  FUZZ_CHECK(std::fabs(design.ledWatts + design.resistorWatts - design.totalWatts) <=
                 1e-9 * design.totalWatts + 1e-12,
             Shown(design.ledWatts + design.resistorWatts), Shown(design.totalWatts));
  FUZZ_CHECK(design.efficiencyPercent > 0 && design.efficiencyPercent <= 100 * (1 + 1e-12),
             Shown(design.efficiencyPercent), "efficiency");
}

void Check(std::string_view input) {
  LedArrayTexts texts;
  std::size_t line = 0;
  bool automatic = true;
  StandardSeries series = StandardSeries::E24;
  for (std::size_t start = 0; start <= input.size(); ++line) {
    std::size_t end = input.find('\n', start);
    if (end == std::string_view::npos)
      end = input.size();
    const std::string_view piece = input.substr(start, end - start);
    if (line < texts.size())
      texts[line] = std::string(piece);
    else if (line == texts.size())
      automatic = piece == "a";
    else if (line == texts.size() + 1 && !piece.empty())
      series = kStandardSeries[static_cast<unsigned char>(piece[0]) % kStandardSeries.size()];
    start = end + 1;
  }

  const auto read = ReadLedArrayInputs(texts, automatic, series);
  const LedArrayResult result = DesignLedArray(texts, automatic, series);
  if (const auto* problem = std::get_if<LedArrayProblem>(&result)) {
    const bool aboutDesign = problem->error == LedArrayError::SupplyBelowOneLed ||
                             problem->error == LedArrayError::SupplyBelowString ||
                             problem->error == LedArrayError::ResistorAboveSeries;
    FUZZ_CHECK(aboutDesign == !problem->field.has_value(), "problem field", "");
    FUZZ_CHECK(aboutDesign == std::holds_alternative<LedArrayInputs>(read), "read", "");
  } else {
    CheckDesign(std::get<LedArrayInputs>(read), std::get<LedArrayDesign>(result));
  }

  // The model takes the same texts as typed, whatever they hold.
  LedArrayModel model(series);
  model.SetAutomatic(automatic);
  for (std::size_t i = 0; i < texts.size(); ++i)
    model.Edit(static_cast<LedArrayField>(i), texts[i]);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const auto box = static_cast<LedArrayField>(i);
    FUZZ_CHECK(model.Text(box).size() <= 4 * LedArrayModel::LengthLimit(box), model.Text(box),
               "longer than its limit");
  }
}

}  // namespace
}  // namespace kalvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kalvane::fuzz::Check(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
