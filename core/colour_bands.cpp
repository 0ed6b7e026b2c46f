#include "core/colour_bands.h"

#include <limits>
#include <utility>

#include "core/number_text.h"

namespace kalvane {
namespace {

constexpr double kKilo = 1000;
constexpr double kMega = 1000000;

struct UnitWords {
  std::string_view english;
  std::string_view persian;
};

constexpr UnitWords kOhmWords = {" Ohm", " اهم"};
constexpr UnitWords kKiloWords = {" K Ohm", " کيلو اهم"};
constexpr UnitWords kMegaWords = {" M Ohm", " مگا اهم"};

FormattedResistance Captions(std::string text, ResistanceUnit unit, const UnitWords& words) {
  FormattedResistance result{std::move(text), unit, {}, {}};
  result.englishCaption = result.scaledText + std::string(words.english);
  result.persianCaption = result.scaledText + std::string(words.persian);
  return result;
}

}  // namespace

std::optional<BandValue> DecodeBands(WindowKind kind, const BandPositions& positions) {
  const ColourWindowLayout& layout = LayoutOf(kind);
  std::string digits;
  for (int band = 0; band < layout.digitBandCount; ++band) {
    std::size_t b = static_cast<std::size_t>(band);
    std::optional<int> digit = DigitAt(layout.lists[b], positions[b]);
    if (!digit)
      return std::nullopt;
    digits += static_cast<char>('0' + *digit);
  }
  std::optional<double> ohms = ApplyMultiplier(
      positions[static_cast<std::size_t>(layout.multiplierBand)], TextToNumber(digits));
  if (!ohms)
    return std::nullopt;
  std::string text = NumberToText(*ohms);
  return BandValue{text, TextToNumber(text)};
}

// Each step reads the number back from the text the previous step wrote.
FormattedResistance FormatResistance(std::string_view bandValueText) {
  std::string text(bandValueText);
  ResistanceUnit unit = ResistanceUnit::Ohm;
  double value = TextToNumber(text);
  if (value >= kKilo && value < kMega) {
    text = NumberToText(value / kKilo);
    unit = ResistanceUnit::Kilo;
  }
  value = TextToNumber(text);
  if (value >= kMega) {
    text = NumberToText(value / kMega);
    unit = ResistanceUnit::Mega;
  }
  switch (unit) {
    case ResistanceUnit::Ohm:
      return Captions(std::move(text), unit, kOhmWords);
    case ResistanceUnit::Kilo:
      return Captions(std::move(text), unit, kKiloWords);
    case ResistanceUnit::Mega:
      break;
  }
  return Captions(std::move(text), unit, kMegaWords);
}

ColourWindowState::ColourWindowState(WindowKind kind) : kind_(kind) {
  for (std::string_view value : ToleranceValuesOf(kind))
    toleranceTexts_.emplace_back(value);
}

void ColourWindowState::ConvertDat() {
  if (computeCount_ < std::numeric_limits<std::int32_t>::max())
    ++computeCount_;
  toleranceTexts_.assign(ToleranceValuesOf(kind_).begin(), ToleranceValuesOf(kind_).end());
}

std::optional<std::string> ColourWindowState::ToleranceLabelText(int position) const {
  if (position < 0 || static_cast<std::size_t>(position) >= toleranceTexts_.size()) {
    return std::nullopt;
  }
  return "±" + toleranceTexts_[static_cast<std::size_t>(position)] + "%";
}

}  // namespace kalvane
