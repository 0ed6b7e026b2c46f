#include "i18n/divider_texts.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/number_text.h"
#include "i18n/accessible_texts.h"
#include "i18n/caption_tables.h"
#include "i18n/divider_captions.h"

namespace kalvane {
namespace {

using Box = DividerModel::Box;
using Problem = DividerModel::Problem;

// x with `decimals` digits after the point, "C"-style.
std::string Fixed(double x, int decimals) {
  char buffer[64];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals).ptr;
  return std::string(buffer, end);
}

// x to `digits` significant digits, without trailing zeros unless `zeros`
// keeps them (so that the numbers of one column line up: "3.190", "3.405").
enum class Zeros { Drop, Keep };
std::string Significant(double x, int digits, Zeros zeros = Zeros::Drop) {
  if (x == 0 || !std::isfinite(x))
    return "0";
  const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(x))));
  std::string text = Fixed(x, std::clamp(digits - 1 - magnitude, 0, 15));
  if (zeros == Zeros::Drop && text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
      text.pop_back();
  }
  return text;
}

bool IsResistanceBox(Box box) {
  switch (box) {
    case Box::Load:
    case Box::TotalMin:
    case Box::TotalMax:
    case Box::R1Min:
    case Box::R1Max:
    case Box::R2Min:
    case Box::R2Max:
    case Box::Exclusions:
      return true;
    default:
      break;
  }
  return false;
}

constexpr Caption kFrom = {"", "از", "from"};
constexpr Caption kTotalBase = {"", "R1 + R2 (اهم)", "R1 + R2 (Ohm)"};
constexpr Caption kR1Base = {"", "R1 (اهم)", "R1 (Ohm)"};
constexpr Caption kR2Base = {"", "R2 (اهم)", "R2 (Ohm)"};

// What is wrong, after the box's name.
Caption ProblemText(const DividerModel::InputProblem& problem, const DividerModel& model) {
  const bool resistance = IsResistanceBox(problem.box);
  switch (problem.problem) {
    case Problem::Empty:
      if (resistance)
        return {"", "يک مقاومت وارد کنيد، مثلا 1k يا 4k7.", "type a resistance, e.g. 1k or 4k7."};
      return {"", "يک عدد وارد کنيد، مثلا 5.", "type a number, e.g. 5."};
    case Problem::NotANumber:
      if (resistance)
        return {"", "مقاومت نيست؛ مثلا 4700، 4.7k يا 4k7.",
                "this is not a resistance; e.g. 4700, 4.7k or 4k7."};
      return {"", "عدد نيست؛ رقم ها با حداکثر يک مميز، مثلا 3.3.",
              "this is not a number; type digits with at most one point, e.g. 3.3."};
    case Problem::UnknownUnit:
      return {"", "بعد از عدد فقط R، k يا M مي آيد.", "only R, k or M may follow the number."};
    case Problem::OutOfRange:
      if (problem.box == Box::Load)
        return {"", "بار صفر اهم خروجي را اتصال کوتاه مي کند.",
                "a load of 0 Ohm shorts the output."};
      if (problem.box == Box::Iadj)
        return {"", "منفي نمي شود.", "cannot be negative."};
      if (problem.box == Box::VrefTolerance)
        return {"", "از 0 تا کمتر از 100 % است.", "lies from 0 to below 100 %."};
      if (resistance)
        return {"", "از 0.001 اهم تا 999 گيگا اهم است.", "lies from 0.001 Ohm to 999 GOhm."};
      return {"", "بيش از حد بزرگ است.", "is too large."};
    case Problem::NotAboveZero:
      return {"", "بايد بيشتر از صفر باشد.", "must be above 0."};
    case Problem::ImpossibleTarget:
      if (problem.box == Box::RegulatorVout)
        return {"", "Vout بايد بيشتر از Vref باشد.", "Vout must be above Vref."};
      if (model.CurrentTargetKind() == DividerModel::TargetKind::Ratio)
        return {"", "نسبت بين 0 و 1 است.", "the ratio lies between 0 and 1."};
      return {"", "Vout بايد کمتر از Vin باشد.", "Vout must be below Vin."};
    case Problem::RangeEmpty:
      return {"", "انتهاي بازه کمتر از ابتداي آن است.", "the upper end is below the lower end."};
    case Problem::NoValueLeft:
      if (problem.box == Box::Exclusions)
        return {"", "هيچ مقداري از رنج باقي نمانده است.", "no value of the series is left."};
      if (problem.box == Box::TotalMin)
        return {"", "هيچ جفتي از مقادير مجاز در اين بازه نمي گنجد.",
                "no pair of allowed values fits this range."};
      return {"", "هيچ مقدار مجازي در اين بازه نيست.", "no allowed value lies in this range."};
    case Problem::BadExclusion:
      break;
  }
  return {"", "", ""};
}

}  // namespace

std::string OhmsText(double ohms) {
  if (ohms >= 1e6)
    return Significant(ohms / 1e6, 4) + " MΩ";
  if (ohms >= 1e3)
    return Significant(ohms / 1e3, 4) + " kΩ";
  return Significant(ohms, 4) + " Ω";
}

std::string VoltsText(double volts) {
  return Significant(volts, 4, Zeros::Keep) + " V";
}

std::string AmpsText(double amps) {
  const double size = std::abs(amps);
  if (size >= 1)
    return Significant(amps, 3) + " A";
  if (size >= 1e-3)
    return Significant(amps * 1e3, 3) + " mA";
  if (size >= 1e-6)
    return Significant(amps * 1e6, 3) + " µA";
  return Significant(amps * 1e9, 3) + " nA";
}

std::string RelativeErrorText(double error, Language language) {
  if (error == 0)
    return language == Language::Persian ? "دقيق" : "exact";
  const std::string sign = error > 0 ? "+" : "-";
  if (std::abs(error) < 1e-4)
    return sign + Significant(std::abs(error) * 1e6, 2) + " ppm";
  return sign + Fixed(std::abs(error) * 100, 2) + " %";
}

std::string DividerBoxName(Box box, DividerModel::TargetKind kind, Language language) {
  const auto range = [language](const Caption& base, const Caption& end) {
    return std::string(base.In(language)) + " " + std::string(end.In(language));
  };
  switch (box) {
    case Box::Vin:
      return std::string(SpokenCaption(kVinCaption.In(language)));
    case Box::Target:
      return std::string(
          SpokenCaption(kTargetKindItems[static_cast<std::size_t>(kind)].In(language)));
    case Box::Load:
      return std::string(SpokenCaption(kLoadCaption.In(language)));
    case Box::TotalMin:
      return range(kTotalBase, kFrom);
    case Box::TotalMax:
      return range(kTotalBase, kRangeTo);
    case Box::RegulatorVout:
      return std::string(SpokenCaption(kRegulatorVoutCaption.In(language)));
    case Box::Vref:
      return std::string(SpokenCaption(kVrefCaption.In(language)));
    case Box::Iadj:
      return std::string(SpokenCaption(kIadjCaption.In(language)));
    case Box::VrefTolerance:
      return std::string(SpokenCaption(kVrefToleranceCaption.In(language)));
    case Box::R1Min:
      return range(kR1Base, kFrom);
    case Box::R1Max:
      return range(kR1Base, kRangeTo);
    case Box::R2Min:
      return range(kR2Base, kFrom);
    case Box::R2Max:
      return range(kR2Base, kRangeTo);
    case Box::Exclusions:
      break;
  }
  return std::string(SpokenCaption(kExcludeCaption.In(language)));
}

DividerNote DividerMessage(const DividerModel& model, Language language) {
  const bool persian = language == Language::Persian;
  if (const auto* problem = std::get_if<DividerModel::InputProblem>(&model.Result())) {
    std::string text = DividerBoxName(problem->box, model.CurrentTargetKind(), language) + ": ";
    if (problem->problem == Problem::BadExclusion) {
      const std::string entry = std::to_string(problem->entry);
      text += persian ? "مورد " + entry +
                            " مقاومت نيست (مثلا 4k7)؛ موارد را با ويرگول يا فاصله جدا کنيد."
                      : "entry " + entry +
                            " is not a resistance (e.g. 4k7); separate entries with commas or "
                            "spaces.";
    } else {
      text += ProblemText(*problem, model).In(language);
    }
    return {text, true};
  }
  const std::string wanted = NumberToText(model.WantedVout().value_or(0)) + " V";
  // Left-to-right marks keep "3.3 V" in its order inside a Persian sentence.
  return {persian ? "ولتاژ خروجي خواسته شده: \u200E" + wanted + "\u200E" +
                        "؛ بهترين جفت اول است. براي نمايش، يک رديف را انتخاب کنيد."
                  : "Output asked for: " + wanted +
                        "; the best pair comes first. Pick a row to "
                        "draw it.",
          false};
}

std::array<std::string, 6> PairRowTexts(const DividerPair& pair, Language language) {
  return {OhmsText(pair.r1),
          OhmsText(pair.r2),
          VoltsText(pair.vout),
          RelativeErrorText(pair.error, language),
          AmpsText(pair.current),
          Significant(pair.voutLow, 4, Zeros::Keep) + " – " + VoltsText(pair.voutHigh)};
}

}  // namespace kalvane
