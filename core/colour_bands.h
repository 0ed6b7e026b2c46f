// From band positions to what a colour window displays: the value in Ohm,
// its scaled captions in English and Persian, and the tolerance caption; and
// the small state each colour window owns and refreshes on every band change.
// Pure over positions and texts; the window writes the results.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/colour_tables.h"

namespace kalvane {

struct BandValue {
  std::string text;  // the value in Ohm as NumberToText writes it: "4700", "0.47"
  double ohms;       // TextToNumber(text)
};

// Joins the digits of the digit bands ("4", "7" give "47"), reads them as a
// number and applies the multiplier band. Only the digit and multiplier bands
// are read; the tolerance band is ignored. None when one of those bands holds
// a position outside its list (a window never passes one).
std::optional<BandValue> DecodeBands(WindowKind kind, const BandPositions& positions);

enum class ResistanceUnit { Ohm, Kilo, Mega };

struct FormattedResistance {
  std::string scaledText;  // the number shown: "4.7" for 4700
  ResistanceUnit unit;
  std::string englishCaption;  // "4.7 K Ohm"
  std::string persianCaption;  // "4.7 کيلو اهم"
};

// Scales a value in Ohm given as number text: below 1000 as Ohm, from 1000 as
// K Ohm, from 1000000 as M Ohm (each bound inclusive at the bottom). The
// quotient is written with NumberToText. Meant for the texts DecodeBands
// gives; any other text is read with TextToNumber.
FormattedResistance FormatResistance(std::string_view bandValueText);

// What one colour window keeps between its band changes. Created when the
// window loads and dropped when it closes.
class ColourWindowState {
 public:
  explicit ColourWindowState(WindowKind kind);

  WindowKind Kind() const { return kind_; }

  // Counts one recomputation and writes every tolerance value text again.
  // Every band handler of the window calls it once per run.
  void ConvertDat();

  // 0 until the first ConvertDat, which is how a band handler tells that the
  // window has not computed yet. Stays at its maximum rather than wrapping
  // back through 0.
  std::int32_t ComputeCount() const { return computeCount_; }

  // One text per tolerance position of this window's list. Already filled
  // when the state is created, so a caption can never miss its text.
  std::span<const std::string> ToleranceTexts() const { return toleranceTexts_; }

  // "±", the tolerance text at `position`, "%": "±0.25%". None for a position
  // outside this window's tolerance list.
  std::optional<std::string> ToleranceLabelText(int position) const;

  // The window's current resistance as number text: the value in Ohm after
  // DecodeBands, the scaled number after FormatResistance.
  const std::string& BandValueText() const { return bandValueText_; }
  void SetBandValueText(std::string text) { bandValueText_ = std::move(text); }

 private:
  WindowKind kind_;
  std::int32_t computeCount_ = 0;
  std::vector<std::string> toleranceTexts_;
  std::string bandValueText_;
};

}  // namespace kalvane
