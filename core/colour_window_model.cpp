#include "core/colour_window_model.h"

#include "core/temperature_coefficient.h"

#include <algorithm>
#include <optional>

namespace kalvane {
namespace {

constexpr int kNoSelection = -1;

std::size_t Index(int band) {
  return static_cast<std::size_t>(band);
}

}  // namespace

ColourWindowModel::ColourWindowModel(WindowKind kind)
    : kind_(kind), layout_(&LayoutOf(kind)), state_(kind), text_(kInitialEntryText) {
  persian_.fill(kNoSelection);
  english_.fill(kNoSelection);
  caret_ = CharacterCount(text_);
  // The first setting runs the first band's handler, which finds nothing
  // computed yet and applies every default, nested, before it computes; the
  // later settings find their positions already in place.
  for (int band = 0; band < layout_->bandCount; ++band) {
    SetPersian(band, layout_->defaultPositions[Index(band)]);
  }
  for (int band = 0; band < layout_->bandCount; ++band) {
    SetEnglish(band, layout_->defaultPositions[Index(band)]);
  }
}

std::optional<std::string> ColourWindowModel::KeyInsertion(std::string_view keyText,
                                                           std::size_t selected) const {
  return KeyInsertionWithin(keyText, kAllowed, CharacterCount(text_), selected, LengthLimit());
}

std::string ColourWindowModel::PasteInsertion(std::string_view clipboard,
                                              std::size_t selected) const {
  return PasteInsertionWithin(clipboard, kAllowed, CharacterCount(text_), selected, LengthLimit());
}

void ColourWindowModel::EditEntry(std::string_view text, std::size_t caret) {
  std::string ascii = ToAsciiNumberText(text);
  ascii.resize(ByteOffsetOf(ascii, LengthLimit()));
  const std::size_t newCaret = std::min(caret, CharacterCount(ascii));
  if (ascii == text_) {
    caret_ = newCaret;
    return;
  }
  text_ = std::move(ascii);
  caret_ = newCaret;
  OnEntryChanged();
}

void ColourWindowModel::Type(char c) {
  const std::optional<std::string> typed = KeyInsertion(std::string_view(&c, 1), 0);
  if (!typed)
    return;
  std::string text = text_;
  text.insert(ByteOffsetOf(text, caret_), *typed);
  EditEntry(text, caret_ + typed->size());
}

void ColourWindowModel::Backspace() {
  if (caret_ == 0)
    return;
  std::string text = text_;
  const std::size_t from = ByteOffsetOf(text, caret_ - 1);
  text.erase(from, ByteOffsetOf(text, caret_) - from);
  EditEntry(text, caret_ - 1);
}

void ColourWindowModel::MoveCaret(std::size_t position) {
  caret_ = std::min(position, CharacterCount(text_));
}

void ColourWindowModel::SetText(std::string_view text) {
  const std::string kept = PasteInsertion(text, CharacterCount(text_));
  EditEntry(kept, CharacterCount(kept));
  caret_ = CharacterCount(text_);
}

void ColourWindowModel::SelectPersian(int band, int position) {
  SetPersian(band, position);
}

void ColourWindowModel::SelectEnglish(int band, int position) {
  SetEnglish(band, position);
}

void ColourWindowModel::ReplaceEntryText(const std::string& text, bool caretToEnd) {
  WriteEntry(text);
  if (caretToEnd)
    caret_ = CharacterCount(text_);
}

void ColourWindowModel::SelectBand(int band, int position) {
  SetPersian(band, position);
}

void ColourWindowModel::SetPersian(int band, int position) {
  std::optional<BandList> list = ListOf(kind_, band);
  if (!list || !IsValidPosition(*list, position) || persian_[Index(band)] == position)
    return;
  persian_[Index(band)] = position;
  OnPersianChanged(band);
}

void ColourWindowModel::SetEnglish(int band, int position) {
  std::optional<BandList> list = ListOf(kind_, band);
  if (!list || !IsValidPosition(*list, position) || english_[Index(band)] == position)
    return;
  english_[Index(band)] = position;
  OnEnglishChanged(band);
}

// A text the program writes, as a line edit takes it: cut to the length
// limit, a text equal to the old one is no change, and the caret goes to
// the end before the change handling runs.
void ColourWindowModel::WriteEntry(std::string_view text) {
  std::string_view kept = text.substr(0, ByteOffsetOf(text, LengthLimit()));
  if (kept == text_)
    return;
  text_.assign(kept);
  caret_ = CharacterCount(text_);
  OnEntryChanged();
}

bool ColourWindowModel::EnterHandler() {
  if (depth_ >= kDepthLimit) {
    depthLimitReached_ = true;
    return false;
  }
  ++depth_;
  maxDepth_ = std::max(maxDepth_, depth_);
  return true;
}

void ColourWindowModel::OnEntryChanged() {
  if (!EnterHandler())
    return;
  ApplyTypedValue(kind_, *this);
  LeaveHandler();
}

void ColourWindowModel::OnPersianChanged(int band) {
  if (!EnterHandler())
    return;
  SetEnglish(band, persian_[Index(band)]);
  if (band == layout_->toleranceBand) {
    OnToleranceChanged();
  } else if (band == layout_->temperatureCoefficientBand) {
    OnTemperatureCoefficientChanged();
  } else {
    OnValueBandChanged();
  }
  LeaveHandler();
}

void ColourWindowModel::OnEnglishChanged(int band) {
  if (!EnterHandler())
    return;
  SetPersian(band, english_[Index(band)]);
  LeaveHandler();
}

// A digit or multiplier band changed (its twin already follows it).
void ColourWindowModel::OnValueBandChanged() {
  if (state_.ComputeCount() == 0) {
    for (int band = 0; band < layout_->bandCount; ++band) {
      SetPersian(band, layout_->defaultPositions[Index(band)]);
    }
  }
  state_.ConvertDat();
  std::optional<BandValue> value = DecodeBands(kind_, persian_);
  if (!value)
    return;  // only while a band has no position, which load never allows
  state_.SetBandValueText(value->text);
  if (layout_->writesValueToEntry) {
    WriteEntry(value->text);
    caret_ = CharacterCount(text_);
    // The box's change handling has run; the captions show the bands as they
    // stand now, whatever it did.
    if (std::optional<BandValue> now = DecodeBands(kind_, persian_))
      value = std::move(now);
  }
  FormattedResistance shown = FormatResistance(value->text);
  state_.SetBandValueText(shown.scaledText);
  resistanceEnglish_ = std::move(shown.englishCaption);
  resistancePersian_ = std::move(shown.persianCaption);
}

void ColourWindowModel::OnTemperatureCoefficientChanged() {
  const auto items = TemperatureCoefficientItems();
  const std::size_t position = Index(persian_[Index(layout_->temperatureCoefficientBand)]);
  if (position < items.size())
    temperatureCaption_ = std::string(items[position].ppmPerKelvin) + " ppm/K";
}

void ColourWindowModel::OnToleranceChanged() {
  state_.ConvertDat();
  if (std::optional<std::string> caption =
          state_.ToleranceLabelText(persian_[Index(layout_->toleranceBand)])) {
    toleranceCaption_ = std::move(*caption);
  }
}

}  // namespace kalvane
