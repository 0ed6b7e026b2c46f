// From a typed resistance to band positions, while the user types. The text
// of the typed-resistance box is read as a set of fixed forms, by length and
// character by character: a digit the bands cannot show is cut off again,
// a leading "." is removed, and every other text leaves the bands alone.
// The tests are pure functions of a text; ApplyTypedValue runs them against
// a window through TypedValueHost and keeps no state of its own.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/colour_tables.h"

namespace kalvane {

// Select positions for the digit bands and then the multiplier band, in band
// order (bands 0 to count - 1). With caretToEnd the caret is put at the end
// of the unchanged text before the first selection.
struct SelectBands {
  int count = 0;  // 3 in the 4-band window, 4 in the 5-band window
  std::array<int, kMaxBandCount - 1> positions{};
  bool caretToEnd = false;

  friend bool operator==(const SelectBands&, const SelectBands&) = default;
};

// Replace the box's text; with caretToEnd the caret then stands after its
// last character.
struct RewriteText {
  std::string text;
  bool caretToEnd = false;

  friend bool operator==(const RewriteText&, const RewriteText&) = default;
};

struct NoChange {
  friend bool operator==(NoChange, NoChange) = default;
};

using TypedOutcome = std::variant<NoChange, SelectBands, RewriteText>;

// One test of a window's table, named for the shape of text it matches
// ("DigitPointDigit", "ThirdDigitCut"). Texts are bytes; only texts of ASCII digits and at most
// one "." are ever selected from or cut, so a multi-byte character is never
// split, and a text holding any other character is left alone unless it
// begins with "." (every "." is then removed).
struct TypedValueTest {
  std::string_view name;
  TypedOutcome (*apply)(std::string_view text);
};

// The tests of a window kind, in the order they run.
std::span<const TypedValueTest> TypedValueTestsOf(WindowKind kind);

// What ApplyTypedValue needs from a window.
//
// The window must keep the nesting rules of a GUI toolkit: a replaced text
// that differs from the old one runs the box's change handling (and so
// ApplyTypedValue) at once, before ReplaceEntryText returns; writing the text
// the box already holds changes nothing and runs nothing. Selecting a band's
// current position does nothing; any other selection runs that band's change
// handling at once, before SelectBand returns.
class TypedValueHost {
 public:
  virtual std::string EntryText() const = 0;
  // With caretToEnd the caret stands after the last character of the box's
  // text once the call returns, also when the text was already `text`.
  virtual void ReplaceEntryText(const std::string& text, bool caretToEnd) = 0;
  // `band` counts from 0 at the left end; `position` lies inside its list.
  virtual void SelectBand(int band, int position) = 0;

 protected:
  ~TypedValueHost() = default;
};

// Runs every test of the window's table in order, each on the box's text as
// it stands when the test begins (an earlier test or a nested run may have
// replaced it). Call it on every change of the box's text.
void ApplyTypedValue(WindowKind kind, TypedValueHost& host);

}  // namespace kalvane
