// One colour-code window as plain state: the band positions of both
// selector sets, the typed-resistance box with its caret and its entry
// rules, the resistance and tolerance captions, and the handlers that tie
// them together, nesting exactly as toolkit signals do. The window shows
// this state and forwards every pick and edit here; tests, fuzzers and
// benchmarks drive the same machine key by key. It does not draw and knows
// nothing of the language being shown.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/colour_bands.h"
#include "core/colour_tables.h"
#include "core/entry_rules.h"
#include "core/typed_value.h"

namespace kalvane {

class ColourWindowModel final : private TypedValueHost {
 public:
  // Handlers nested deeper than this are not run and the model remembers it.
  // The window's own rules never come close; reaching it means a loop.
  static constexpr int kDepthLimit = 32;

  // Builds the window with "1" in the box and runs its load: the default
  // positions in the Persian selectors, then in the English ones.
  explicit ColourWindowModel(WindowKind kind);

  // The characters a key may type into the box, and how many it holds.
  static constexpr std::string_view kAllowed = kDecimalSet;
  std::size_t LengthLimit() const { return layout_->entryLengthLimit; }

  // What a key's text types over a selection of `selected` characters: its
  // Persian and Arabic digits as ASCII, or none when the key is refused (a
  // character outside the set, or no room left in the box).
  std::optional<std::string> KeyInsertion(std::string_view keyText, std::size_t selected) const;
  // What a paste of `clipboard` over `selected` characters inserts: only
  // the characters a key could type, as ASCII, as many as there is room for.
  std::string PasteInsertion(std::string_view clipboard, std::size_t selected) const;

  // The box's text after the user edited it (typing, deleting, undo, a
  // paste), with the caret counted in characters. Persian and Arabic
  // digits read as ASCII and a text past the limit is cut back; then the
  // change handling runs if the text changed.
  void EditEntry(std::string_view text, std::size_t caret);

  // A keystroke at the caret: `c` as KeyInsertion lets it in.
  void Type(char c);
  // Deletes the character before the caret, if any.
  void Backspace();
  // Puts the caret before character `position` (clamped to the text).
  void MoveCaret(std::size_t position);
  // A paste over the whole text, by PasteInsertion's rule; caret at the end.
  void SetText(std::string_view text);

  // The user picks a position in a band's Persian or English selector.
  // Positions outside the band's list are ignored.
  void SelectPersian(int band, int position);
  void SelectEnglish(int band, int position);

  WindowKind Kind() const { return kind_; }
  const std::string& Text() const { return text_; }
  // Counted in characters from the start of the text.
  std::size_t Caret() const { return caret_; }
  const BandPositions& Positions() const { return persian_; }
  const BandPositions& EnglishPositions() const { return english_; }
  const std::string& ResistanceCaptionEnglish() const { return resistanceEnglish_; }
  const std::string& ResistanceCaptionPersian() const { return resistancePersian_; }
  const std::string& ToleranceCaption() const { return toleranceCaption_; }
  // "100 ppm/K"; empty in a window without a temperature-coefficient band.
  const std::string& TemperatureCoefficientCaption() const { return temperatureCaption_; }
  const ColourWindowState& State() const { return state_; }

  // The deepest handler nesting seen so far, and whether kDepthLimit was hit.
  int MaxDepth() const { return maxDepth_; }
  bool DepthLimitReached() const { return depthLimitReached_; }

 private:
  // TypedValueHost, for the box's change handling.
  std::string EntryText() const override { return text_; }
  void ReplaceEntryText(const std::string& text, bool caretToEnd) override;
  void SelectBand(int band, int position) override;

  // Setting a selector from code: runs its handler only when the position changes.
  void SetPersian(int band, int position);
  void SetEnglish(int band, int position);
  // Writing the box from code: runs its change handling only when the text changes.
  void WriteEntry(std::string_view text);

  void OnEntryChanged();
  void OnPersianChanged(int band);
  void OnEnglishChanged(int band);
  void OnValueBandChanged();
  void OnToleranceChanged();
  void OnTemperatureCoefficientChanged();

  bool EnterHandler();
  void LeaveHandler() { --depth_; }

  WindowKind kind_;
  const ColourWindowLayout* layout_;
  ColourWindowState state_;
  BandPositions persian_;
  BandPositions english_;
  std::string text_;
  std::size_t caret_ = 0;
  std::string resistanceEnglish_;
  std::string resistancePersian_;
  std::string toleranceCaption_;
  std::string temperatureCaption_;
  int depth_ = 0;
  int maxDepth_ = 0;
  bool depthLimitReached_ = false;
};

}  // namespace kalvane
