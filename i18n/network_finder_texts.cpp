#include "i18n/network_finder_texts.h"

#include <cmath>

#include "core/number_text.h"
#include "i18n/network_finder_captions.h"

namespace kalvane {
namespace {

using Problem = NetworkFinderModel::Problem;

// `x` rounded to `digits` significant digits.
double Significant(double x, int digits) {
  if (x == 0 || !std::isfinite(x))
    return x;
  const int exponent = static_cast<int>(std::floor(std::log10(std::abs(x))));
  const double scale = std::pow(10.0, digits - 1 - exponent);
  return std::round(x * scale) / scale;
}

std::string Signed(double x) {
  std::string text = x > 0 ? "+" : "";
  text += NumberToText(x);
  return text;
}

Caption ListEntryReason(ResistanceTextError error) {
  switch (error) {
    case ResistanceTextError::Empty:
    case ResistanceTextError::NotANumber:
      break;
    case ResistanceTextError::UnknownUnit:
      return {"", "بعد از عدد فقط R، k يا M مي آيد", "only R, k or M may follow the number"};
    case ResistanceTextError::OutOfRange:
      return {"", "مقاومت بايد بين 0.001 اهم و 999 گيگا اهم باشد",
              "a resistor lies between 0.001 Ohm and 999 G Ohm"};
    case ResistanceTextError::TooManyDigits:
      return {"", "رقم هاي با معني زياد است", "too many significant digits"};
  }
  return {"", "مقاومت نيست", "not a resistance"};
}

}  // namespace

std::string FinderProblemMessage(const NetworkFinderModel::InputError& error,
                                 NetworkFinderModel::ListMode mode, Language language) {
  const bool fa = language == Language::Persian;
  switch (error.problem) {
    case Problem::EmptyTarget:
      return fa ? "مقدار مورد نظر را به اهم وارد کنيد، مثلا 3300 يا 3k3."
                : "Type the wanted resistance in Ohm, e.g. 3300 or 3k3.";
    case Problem::TargetNotAResistance:
      break;
    case Problem::TargetUnknownUnit:
      return fa ? "بعد از عدد فقط R، k يا M مي آيد." : "Only R, k or M may follow the number.";
    case Problem::TargetOutOfRange:
      return fa ? "مقدار بايد بين 0.001 اهم و 999 گيگا اهم باشد."
                : "The resistance must lie between 0.001 Ohm and 999 G Ohm.";
    case Problem::TargetTooManyDigits:
      return fa ? "رقم هاي با معني زياد است." : "Too many significant digits.";
    case Problem::BadListEntry: {
      const std::string reason(ListEntryReason(error.entryError).In(language));
      const std::string entry = std::to_string(error.entry);
      return fa ? "مقدار شماره " + entry + " فهرست: " + reason + "."
                : "Entry " + entry + " of the list: " + reason + ".";
    }
    case Problem::NoValueLeft:
      if (mode == NetworkFinderModel::ListMode::StockOnly)
        return fa ? "مقاديري را که داريد در فهرست وارد کنيد، مثلا 100 220 1k."
                  : "List the values you have, e.g. 100 220 1k.";
      return fa ? "همه مقادير رنج حذف شده اند." : "Every value of the series is left out.";
  }
  return fa ? "اين مقدار مقاومت نيست." : "This is not a resistance.";
}

std::string ErrorText(double error, Language language) {
  if (error == 0)
    return std::string(kExact.In(language));
  if (std::abs(error) < 1e-4)
    return Signed(Significant(error * 1e6, 3)) + " ppm";
  return Signed(Significant(error * 100, 3)) + " %";
}

std::string ResistorLabel(double ohms) {
  if (ohms >= 1e6)
    return NumberToText(RoundThroughText(ohms / 1e6)) + "M";
  if (ohms >= 1e3)
    return NumberToText(RoundThroughText(ohms / 1e3)) + "k";
  return NumberToText(ohms);
}

namespace {
std::string FormulaOf(const NetworkPart& part, const Network& network, bool inner) {
  if (part.kind == NetworkPart::Kind::Resistor)
    return ResistorLabel(network.ohms[static_cast<std::size_t>(part.resistor)]);
  std::string out;
  for (const NetworkPart& child : part.parts) {
    if (!out.empty())
      out += part.kind == NetworkPart::Kind::Series ? " + " : " || ";
    out += FormulaOf(child, network, true);
  }
  return inner ? "(" + out + ")" : out;
}
}  // namespace

std::string NetworkFormula(const Network& network) {
  return FormulaOf(ArrangementOf(network.shape), network, false);
}

std::string NetworkValueText(const Network& network, Language language) {
  const double value = Significant(network.value, 6);
  const bool fa = language == Language::Persian;
  std::string scaled;
  if (value >= 1e6)
    scaled = NumberToText(RoundThroughText(value / 1e6)) + (fa ? " مگا اهم" : " M Ohm");
  else if (value >= 1e3)
    scaled = NumberToText(RoundThroughText(value / 1e3)) + (fa ? " کيلو اهم" : " K Ohm");
  else
    scaled = NumberToText(value) + (fa ? " اهم" : " Ohm");
  // A left-to-right embedding keeps the sign before the number in Persian.
  const std::string error = fa ? "\u202A" + ErrorText(network.error, language) + "\u202C"
                               : ErrorText(network.error, language);
  return "= " + scaled + "  (" + error + ")";
}

std::string HintText(int count, StandardSeries series, Language language) {
  const std::string n = std::to_string(count);
  const std::string name(SeriesName(series));
  const std::string tenth = NumberToText(SeriesTolerance(series) / 10);
  if (language == Language::Persian)
    return n + " مقاومت همين حالا در يک دهم تلورانس \u202A" + name + " (" + tenth +
           " %)\u202C است؛ مقاومت بيشتر سودي ندارد.";
  return n + (count == 1 ? " resistor is" : " resistors are") + " already within a tenth of " +
         name + "'s tolerance (" + tenth + " %): more buy nothing.";
}

std::string NotInSeriesText(const std::vector<std::string>& entries, StandardSeries series,
                            Language language) {
  std::string list;
  for (const std::string& entry : entries)
    list += (list.empty() ? "" : ", ") + entry;
  const std::string name(SeriesName(series));
  if (language == Language::Persian)
    return "در رنج " + name + " نيست و حذف آن اثري ندارد: " + list;
  return "Not in " + name + ", so leaving it out changes nothing: " + list;
}

}  // namespace kalvane
