#include "core/led_circuit.h"

#include <cmath>

#include "core/number_text.h"
#include "core/power_rating.h"
#include "core/standard_values.h"

namespace kalvane {
namespace {

constexpr double kMilli = 0.001;
constexpr double kKilo = 1000;
constexpr double kSolvedValueLimit = 0.001;  // volts or amperes; exactly the limit passes

// Runs the steps of one case: every value passes through here, so a zero
// divisor or an overflow anywhere in the chain is remembered.
class Steps {
 public:
  // Rounds through text, as every wrapped step of the calculation does.
  double rt(double x) { return RoundThroughText(Check(x)); }
  // A value used unrounded (the light product, a power).
  double Check(double x) {
    finite_ = finite_ && std::isfinite(x);
    return x;
  }
  bool finite() const { return finite_; }

 private:
  bool finite_ = true;
};

LedCalcResult Invalid() {
  LedCalcResult result;
  result.outcome = LedCalcOutcome::InvalidInput;
  return result;
}

// BelowLimit and NoResult look the same in the fields.
LedCalcResult ErrorWords(LedCalcOutcome outcome, const LanguageWords& words) {
  LedCalcResult result;
  result.outcome = outcome;
  result.resisText = std::string(words.errorWord);
  result.watText = std::string(words.errorWord);
  result.ratingText = std::string(words.errorWord);
  return result;
}

std::string DiagramText(std::string_view resistorText) {
  std::string text = "R : ";
  text.append(resistorText).append(" Ohm");
  return text;
}

// Above the ladder's top rung the rating says so instead of keeping an older
// calculation's caption.
std::string RatingText(double power, const LanguageWords& words) {
  if (auto caption = RateResistorPower(power, words.wattUnit))
    return *caption;
  std::string text = "> 10 ";
  text.append(words.wattUnit);
  return text;
}

// Writes every text that depends on the standard series. The parallel
// resistor mode offers the resistor to buy, the next standard value up;
// above the table there is none, and the computed value is shown instead.
void SetStandardTexts(double r, StandardSeries series, const LanguageWords& words,
                      LedCalcResult& result) {
  StandardRows rows = StandardRowTexts(r, series, words);
  result.largerText = std::move(rows.largerText);
  result.smallerText = std::move(rows.smallerText);
  result.standardLookupOhms = r;
  if (result.resistorIsLargerStandard) {
    auto larger = FindLargerStandard(r, series);
    std::string shown = larger ? std::string(larger->text) : NumberToText(r);
    result.diagramText = DiagramText(shown);
    result.resisText = std::move(shown);
  }
}

struct Inputs {
  double vs;      // supply voltage, V
  double n;       // LED count
  double third;   // VLed: Vf (V) or, in Volt mode, R (Ohm)
  double fourth;  // ALed: If (mA) or, in Amp mode, R (Ohm)
};

LedCalcResult SeriesResis(const Inputs& in, StandardSeries series, const LanguageWords& words) {
  Steps s;
  const double vf = in.third, iF = in.fourth;
  double vt = s.rt(in.n * vf);
  double vr = s.rt(in.vs - vt);
  double i = s.rt(kMilli * iF);
  double r = s.rt(vr / i);
  double light = s.Check(s.rt(in.n * vf) * iF);
  double power = s.Check(SeriesResistorPower(s.rt(iF / kKilo), r));
  if (!s.finite())
    return ErrorWords(LedCalcOutcome::NoResult, words);

  LedCalcResult result;
  std::string rText = NumberToText(r);
  result.diagramText = DiagramText(rText);
  result.resisText = std::move(rText);
  SetStandardTexts(r, series, words, result);
  result.watText = NumberToText(light);
  result.ratingText = RatingText(power, words);
  return result;
}

LedCalcResult ParallelResis(const Inputs& in, StandardSeries series, const LanguageWords& words) {
  Steps s;
  const double vf = in.third, iF = in.fourth;
  double vr = s.rt(in.vs - vf);
  double it = s.rt(s.rt(iF * in.n) * kMilli);
  double r = s.rt(vr / it);
  double light = s.Check(s.rt(in.n * vf) * iF);
  double power = s.Check(ParallelResistorPower(s.rt(in.vs - vf), s.rt(s.rt(in.n * iF) / kKilo)));
  if (!s.finite())
    return ErrorWords(LedCalcOutcome::NoResult, words);

  LedCalcResult result;
  result.resistorIsLargerStandard = true;
  SetStandardTexts(r, series, words, result);
  result.watText = NumberToText(light);
  result.ratingText = RatingText(power, words);
  return result;
}

// The voltage and current modes share their ending: a limit check on the
// solved value, then the light and rating texts.
struct Solved {
  double value;        // Vf in volts or I in amperes, the value the limit applies to
  double shown;        // what the solved-value field shows (Vf, or I in mA)
  double lightFactor;  // If in mA, multiplied into rt(n * Vf) for the light text
  double vf;           // LED voltage for the light text
};

template <typename PowerFn>
LedCalcResult FinishSolved(Steps& s, const Inputs& in, const Solved& solved,
                           std::string_view resistorText, PowerFn power,
                           const LanguageWords& words) {
  if (!s.finite())
    return ErrorWords(LedCalcOutcome::NoResult, words);
  if (solved.value < kSolvedValueLimit)
    return ErrorWords(LedCalcOutcome::BelowLimit, words);
  double light = s.Check(s.rt(in.n * solved.vf) * solved.lightFactor);
  double watts = s.Check(power());
  if (!s.finite())
    return ErrorWords(LedCalcOutcome::NoResult, words);

  LedCalcResult result;
  result.resisText = NumberToText(solved.shown);
  result.watText = NumberToText(light);
  result.diagramText = DiagramText(resistorText);
  result.ratingText = RatingText(watts, words);
  return result;
}

LedCalcResult SeriesVolt(const Inputs& in, std::string_view rText, const LanguageWords& words) {
  Steps s;
  const double r = in.third, iF = in.fourth;
  double i = s.rt(kMilli * iF);
  double vr = s.rt(i * r);
  double vf = s.rt(s.rt(in.vs - vr) / in.n);
  return FinishSolved(
      s, in, {vf, vf, iF, vf}, rText, [&] { return SeriesResistorPower(s.rt(iF / kKilo), r); },
      words);
}

LedCalcResult SeriesAmp(const Inputs& in, std::string_view rText, const LanguageWords& words) {
  Steps s;
  const double vf = in.third, r = in.fourth;
  double vt = s.rt(in.n * vf);
  double vr = s.rt(in.vs - vt);
  double i = s.rt(vr / r);
  double iMilli = s.rt(i / kMilli);
  return FinishSolved(
      s, in, {i, iMilli, iMilli, vf}, rText,
      [&] { return SeriesResistorPower(s.rt(iMilli / kKilo), r); }, words);
}

LedCalcResult ParallelVolt(const Inputs& in, std::string_view rText, const LanguageWords& words) {
  Steps s;
  const double r = in.third, iF = in.fourth;
  double vr = s.rt(s.rt(in.n * (kMilli * iF)) * r);
  double vf = s.rt(in.vs - vr);
  return FinishSolved(
      s, in, {vf, vf, iF, vf}, rText,
      [&] { return ParallelResistorPower(s.rt(in.vs - vf), s.rt(s.rt(in.n * iF) / kKilo)); },
      words);
}

LedCalcResult ParallelAmp(const Inputs& in, std::string_view rText, const LanguageWords& words) {
  Steps s;
  const double vf = in.third, r = in.fourth;
  double vr = s.rt(in.vs - vf);
  double i = s.rt(s.rt(vr / r) / in.n);
  double iMilli = s.rt(i * kKilo);
  return FinishSolved(
      s, in, {i, iMilli, iMilli, vf}, rText,
      [&] { return ParallelResistorPower(s.rt(in.vs - vf), s.rt(s.rt(in.n * iMilli) / kKilo)); },
      words);
}

}  // namespace

bool IsValidLedInput(std::string_view text) {
  // Empty and lone-point texts are the designed checks; IsNumberText also
  // refuses a text with junk after its number ("1.2.3", "12a"), which must
  // not be computed from its leading part.
  return !text.empty() && text != "." && IsNumberText(text);
}

LedCalcResult CalculateLedCircuit(LedArrangement arrangement, LedCalcMode mode,
                                  std::string_view vtdcText, std::string_view ledCountText,
                                  std::string_view vLedText, std::string_view aLedText,
                                  const LanguageWords& words, StandardSeries series) {
  for (std::string_view text : {vtdcText, ledCountText, vLedText, aLedText}) {
    if (!IsValidLedInput(text))
      return Invalid();
  }

  const Inputs in{TextToNumber(vtdcText), TextToNumber(ledCountText), TextToNumber(vLedText),
                  TextToNumber(aLedText)};
  const bool inSeries = arrangement == LedArrangement::Series;
  switch (mode) {
    case LedCalcMode::Resis:
      return inSeries ? SeriesResis(in, series, words) : ParallelResis(in, series, words);
    case LedCalcMode::Volt:
      return inSeries ? SeriesVolt(in, vLedText, words) : ParallelVolt(in, vLedText, words);
    case LedCalcMode::Amp:
      return inSeries ? SeriesAmp(in, aLedText, words) : ParallelAmp(in, aLedText, words);
  }
  return Invalid();
}

StandardRows StandardRowTexts(double r, StandardSeries series, const LanguageWords& words) {
  StandardRows rows;
  if (auto larger = FindLargerStandard(r, series))
    rows.largerText = StandardCaption(*larger, words.ohmUnit, words.largerTag);
  if (auto smaller = FindSmallerStandard(r, series))
    rows.smallerText = StandardCaption(*smaller, words.ohmUnit, words.smallerTag);
  return rows;
}

LedCalcResult WithStandardSeries(LedCalcResult result, StandardSeries series,
                                 const LanguageWords& words) {
  if (result.standardLookupOhms)
    SetStandardTexts(*result.standardLookupOhms, series, words, result);
  return result;
}

}  // namespace kalvane
