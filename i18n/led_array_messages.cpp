#include "i18n/led_array_messages.h"

#include "core/number_text.h"
#include "core/power_rating.h"
#include "i18n/accessible_texts.h"
#include "i18n/led_array_captions.h"

namespace kalvane {
namespace {

bool IsPersian(Language language) {
  return language == Language::Persian;
}

std::string FieldName(LedArrayField field, Language language) {
  return std::string(
      SpokenCaption(kArrayBoxCaptions[static_cast<std::size_t>(field)].caption.In(language)));
}

std::string RangeMessage(LedArrayField field, Language language) {
  const LedArrayFieldRange range = RangeOf(field);
  const std::string low = NumberToText(range.low);
  const std::string high = NumberToText(range.high);
  if (IsPersian(language)) {
    return range.lowOpen ? "مقداري بيشتر از " + low + " و حداکثر " + high + " وارد کنيد."
                         : "مقداري از " + low + " تا " + high + " وارد کنيد.";
  }
  return range.lowOpen ? "type a value above " + low + ", up to " + high + "."
                       : "type a value from " + low + " to " + high + ".";
}

// The part of a field's message after its name.
std::string FieldMessage(const LedArrayProblem& problem, Language language) {
  const LedArrayField field = *problem.field;
  switch (problem.error) {
    case LedArrayError::Empty:
      return IsPersian(language) ? "عددي وارد کنيد." : "type a number.";
    case LedArrayError::NotWhole:
      return IsPersian(language) ? "عدد صحيح وارد کنيد." : "type a whole number.";
    case LedArrayError::OutOfRange:
      return RangeMessage(field, language);
    case LedArrayError::ForwardOrder:
      if (field == LedArrayField::ForwardMin)
        return IsPersian(language) ? "از ولتاژ معمول بيشتر است." : "above the typical voltage.";
      return IsPersian(language) ? "از ولتاژ معمول کمتر است." : "below the typical voltage.";
    case LedArrayError::PerStringAboveCount:
      return IsPersian(language) ? "از تعداد کل LED ها بيشتر است."
                                 : "more than the number of LEDs.";
    default:
      break;
  }
  return IsPersian(language) ? "اين عدد نيست." : "this is not a number.";
}

std::string Plural(int count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

std::string LedArrayProblemMessage(const LedArrayProblem& problem, Language language) {
  if (problem.field)
    return FieldName(*problem.field, language) + ": " + FieldMessage(problem, language);
  switch (problem.error) {
    case LedArrayError::SupplyBelowOneLed:
      return IsPersian(language)
                 ? "ولتاژ منبع حتي براي يک LED کافي نيست: بايد از ولتاژ LED بيشتر باشد."
                 : "The supply cannot drive even one LED: it must be above the LED voltage.";
    case LedArrayError::SupplyBelowString:
      return IsPersian(language)
                 ? "ولتاژ منبع براي اين تعداد LED در يک رشته کافي نيست؛ تعداد کمتري بگذاريد."
                 : "The supply cannot drive this many LEDs in one string; put fewer in each.";
    default:
      break;
  }
  return IsPersian(language)
             ? "يک رشته به بيش از 10 مگا اهم نياز دارد؛ جريان را بيشتر يا ولتاژ را کمتر کنيد."
             : "A string needs more than 10 M Ohm; raise the current or lower the supply.";
}

std::string_view LedArrayWarningMessage(LedArrayWarning warning, Language language) {
  switch (warning) {
    case LedArrayWarning::HeadroomBelowMargin:
      return IsPersian(language)
                 ? "در کمترين ولتاژ منبع و بيشترين ولتاژ LED، حاشيه ولتاژ کمتر از مقدار خواسته شده "
                   "است."
                 : "At the lowest supply and the highest LED voltage a string keeps less than the "
                   "headroom.";
    case LedArrayWarning::WorstCaseAboveWanted:
      return IsPersian(language)
                 ? "در بدترين حالت جريان يک رشته بيش از 10 درصد از جريان خواسته شده بالاتر است."
                 : "In the worst case a string carries more than 10 % above the wanted current.";
    case LedArrayWarning::PowerAboveRatings:
      break;
  }
  return IsPersian(language) ? "يک مقاومت به بيش از 10 وات نياز دارد."
                             : "A resistor needs more than a 10 W rating.";
}

std::string LedArrayWarnings(const LedArrayDesign& design, Language language) {
  std::string text;
  for (LedArrayWarning warning : design.warnings) {
    if (!text.empty())
      text += "\n";
    text += LedArrayWarningMessage(warning, language);
  }
  return text;
}

std::string StringKindHeading(const LedStringDesign& kind, bool remainder, Language language) {
  std::string heading;
  if (IsPersian(language)) {
    heading = std::to_string(kind.strings) + " رشته " + std::to_string(kind.leds) + " تايي";
    if (remainder)
      heading += " (باقي مانده)";
  } else {
    heading = Plural(kind.strings, "string", "strings") + " of " + Plural(kind.leds, "LED", "LEDs");
    if (remainder)
      heading += " (remainder)";
  }
  return heading;
}

std::string WithUnit(double x, std::string_view unit) {
  return ShortNumberText(x) + " " + std::string(unit);
}

StringKindTexts StringKindValues(const LedStringDesign& kind, StandardSeries series,
                                 Language language) {
  StringKindTexts texts;
  const std::string_view ohm = kOhmUnit.In(language);
  const std::string_view milliamp = kMilliampUnit.In(language);
  texts.exact = WithUnit(kind.exactOhms, ohm);
  texts.standard = std::string(kind.resistor.text) + " " + std::string(ohm) + " (" +
                   std::string(SeriesName(series)) + ")";
  texts.current = WithUnit(kind.currentMilliamps, milliamp);
  texts.power = WithUnit(kind.resistorWatts, kWattUnit.In(language));
  const std::optional<std::string> rating =
      RateResistorPower(kind.ratingBasisWatts, kWattUnit.In(language));
  texts.rating =
      rating ? *rating : (IsPersian(language) ? "بيش از 10 وات" : std::string("above 10 W"));
  texts.range = ShortNumberText(kind.lowestMilliamps) + (IsPersian(language) ? " تا " : " to ") +
                WithUnit(kind.highestMilliamps, milliamp);
  return texts;
}

ArrayTotalTexts ArrayTotals(const LedArrayDesign& design, Language language) {
  const std::string_view watt = kWattUnit.In(language);
  return {WithUnit(design.totalMilliamps, kMilliampUnit.In(language)),
          WithUnit(design.totalWatts, watt), WithUnit(design.ledWatts, watt),
          WithUnit(design.efficiencyPercent, kPercentUnit.In(language))};
}

StringPictureTexts StringPictureLabels(const LedStringDesign& kind, bool remainder,
                                       double forwardVolts, Language language) {
  StringPictureTexts texts;
  if (kind.strings > 1)
    texts.count = "× " + std::to_string(kind.strings);
  texts.resistor = std::string(kind.resistor.text) + " " + std::string(kOhmUnit.In(language));
  texts.leds = std::to_string(kind.leds) + " × " + WithUnit(forwardVolts, kVoltUnit.In(language));
  if (remainder)
    texts.note = IsPersian(language) ? "باقي مانده" : "remainder";
  return texts;
}

std::string ArrayPictureDescription(const LedArrayDesign& design, Language language) {
  std::string text;
  for (std::size_t i = 0; i < design.kinds.size(); ++i) {
    const LedStringDesign& kind = design.kinds[i];
    if (!text.empty())
      text += IsPersian(language) ? "؛ " : "; ";
    text += StringKindHeading(kind, i > 0, language);
    text += IsPersian(language) ? "، با " : (kind.strings > 1 ? ", each with " : ", with ");
    text += std::string(kind.resistor.text) + " " + std::string(kOhmUnit.In(language));
  }
  return text;
}

}  // namespace kalvane
