// A plain model of one colour-code window, without painting: the band
// positions of both selector sets, the typed-resistance box with its caret,
// the resistance and tolerance captions, and the handlers that tie them
// together, nesting exactly as toolkit signals do. It drives the real
// ApplyTypedValue, so tests, fuzzers and benchmarks can type into a window
// key by key. It does not draw and knows nothing of languages being shown.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/colour_bands.h"
#include "core/colour_tables.h"
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

  // A keystroke: inserts `c` at the caret unless the box is at its length
  // limit. Any byte is accepted; the box counts bytes as characters.
  void Type(char c);
  // Deletes the character before the caret, if any.
  void Backspace();
  // Puts the caret before character `position` (clamped to the text).
  void MoveCaret(std::size_t position);
  // A paste over the whole text: cut to the length limit, caret at the end.
  void SetText(std::string_view text);

  // The user picks a position in a band's Persian or English selector.
  // Positions outside the band's list are ignored.
  void SelectPersian(int band, int position);
  void SelectEnglish(int band, int position);

  WindowKind Kind() const { return kind_; }
  const std::string& Text() const { return text_; }
  std::size_t Caret() const { return caret_; }
  const BandPositions& Positions() const { return persian_; }
  const BandPositions& EnglishPositions() const { return english_; }
  const std::string& ResistanceCaptionEnglish() const { return resistanceEnglish_; }
  const std::string& ResistanceCaptionPersian() const { return resistancePersian_; }
  const std::string& ToleranceCaption() const { return toleranceCaption_; }
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
  int depth_ = 0;
  int maxDepth_ = 0;
  bool depthLimitReached_ = false;
};

}  // namespace kalvane
