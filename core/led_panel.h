// The LED panel of the main window as plain state: the four input texts with
// their entry rules, the arrangement and the calculation mode, the spin
// buttons' greying, the result texts and the circuit diagram, and the user
// actions that change them. The window shows this state and forwards every
// action here; tests, the stress walk and the benchmarks drive it the same
// way. It does not lay out or draw anything, and it holds no language: the
// words of the interface language come in with each call that writes them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/led_circuit.h"

namespace kalvane {

// The four input boxes, in panel order. The third and fourth change meaning
// with the mode (see LedCalcMode): they hold the resistor in Ohm when the
// panel solves for the LED voltage or current.
enum class LedInput { Supply, Count, Third, Fourth };
inline constexpr std::array<LedInput, 4> kLedInputs = {LedInput::Supply, LedInput::Count,
                                                       LedInput::Third, LedInput::Fourth};

// The fields the panel writes results into.
enum class LedResult {
  SolvedValue,      // the solved resistor, voltage or current
  BranchLight,      // the light of one branch in mW
  PowerRating,      // the rating of resistor to buy
  LargerStandard,   // the nearest larger standard value
  SmallerStandard,  // the nearest smaller standard value
  DiagramResistor,  // "R : 50 Ohm" on the diagram
  DiagramSupply,    // "VCC : 12V" on the diagram
};
inline constexpr std::size_t kLedResultCount = 7;

enum class DiagramPicture {
  Series1,
  Series2,
  Series3,
  SeriesMany,
  Parallel1,
  Parallel2,
  Parallel3,
  ParallelMany,
};

// What the circuit diagram shows.
struct Diagram {
  DiagramPicture picture = DiagramPicture::SeriesMany;
  int shownLedNames = 3;           // how many of the second, third and last LED names show
  std::string lastLedName = "D5";  // "D" and the LED count, for more than three LEDs
  bool parallelLayout = false;     // the LED names stand as the parallel picture needs them
};

class LedPanel {
 public:
  // The designed start: 12 V, 5 LEDs of 2.2 V and 20 mA, the resistor mode,
  // the series arrangement and the results of that circuit in Persian.
  LedPanel();

  const std::string& Input(LedInput input) const { return inputs_[Index(input)]; }
  // The characters a key may type into the box.
  std::string_view AllowedCharacters(LedInput input) const;
  // How many characters the box takes, for its text as it stands and the
  // current mode: the supply 3 (5 once it holds a "."), the count 3, the
  // third box 3 / 5 and the fourth 5, except that the box holding the
  // resistor takes 7 digits and nothing more once it holds a ".".
  int LengthLimit(LedInput input) const;

  // What a key's text types into the box in place of `selected` of its
  // characters: the text with its Persian and Arabic digits as ASCII when
  // every character is one the box takes and the box stays within its
  // limit; none when the key is refused.
  std::optional<std::string> KeyInsertion(LedInput input, std::string_view keyText,
                                          std::size_t selected) const;
  // What a paste of `clipboard` inserts in place of `selected` characters:
  // the clipboard as one line (PastedLine). The supply and count boxes keep
  // only their characters, as ASCII, before it is cut, so nothing they drop
  // anyway takes a digit's room; then as much goes in as the limit lets the
  // box grow.
  std::string PasteInsertion(LedInput input, std::string_view clipboard,
                             std::size_t selected) const;

  // The box's text after the user edited it (typing, deleting, a paste).
  // The supply and count boxes keep only their characters, and Persian and
  // Arabic digits read as ASCII in every box. Returns whether the text
  // stored differs from `text` (the box must show the stored one).
  bool EditInput(LedInput input, std::string_view text);

  // The spin buttons: the box's number plus or minus its step (0.1 for the
  // voltages, 1 for the count and the current), written as the program
  // writes numbers and passed through the box's clean-up. Down greys its
  // button out when the text it leaves is exactly "0" ("1" for the count);
  // Up brings the button back. Nothing else changes the greying.
  void SpinUp(LedInput input);
  void SpinDown(LedInput input);
  bool IsDownGreyed(LedInput input) const { return downGreyed_[Index(input)]; }

  // The arrangement list's choice; none while it has no selection. Choosing
  // lays out the diagram for it and picks its picture, without touching the
  // last LED's name or any result.
  std::optional<LedArrangement> Arrangement() const { return arrangement_; }
  void ChooseArrangement(std::optional<LedArrangement> arrangement);

  // A mode button: the worked example of that mode in the boxes and the two
  // first results, the standard-value rows shown only for the resistor.
  LedCalcMode Mode() const { return mode_; }
  void ChooseMode(LedCalcMode mode);
  bool StandardRowsShown() const { return mode_ == LedCalcMode::Resis; }

  // The calculation button, in two halves so that the window can show the
  // invalid-input message before any field changes. Calculate decides and
  // changes nothing; Show writes every text the result holds, empties a
  // standard-value row that has no value on its side, refreshes the
  // diagram and writes the diagram's supply label.
  struct Calculation {
    bool invalidMessage = false;  // the window shows the invalid-input message first
    LedCalcResult result;         // no texts when only the inputs were checked
  };
  Calculation Calculate(const LanguageWords& words) const;
  void Show(const Calculation& calculation);

  // The standard series the rows come from: E24 at every start. Choosing
  // another rebuilds, for the calculation the fields still show, the texts
  // that depend on it (the two rows and, in the parallel resistor mode, the
  // resistor to buy) in the words given; nothing is calculated again. After
  // a mode button the fields show its example, and a choice only applies to
  // the next calculation.
  StandardSeries Series() const { return series_; }
  void ChooseSeries(StandardSeries series, const LanguageWords& words);

  const std::string& Result(LedResult field) const { return results_[Index(field)]; }

  // A language switch from the words `from` to `to`: the arrangement goes
  // back to series, and the results keep their numbers while their unit
  // words and tags (the watt unit of the rating, the Ohm unit and the tags
  // of the standard values) become `to`'s. Error words stay as written.
  void ChangeLanguage(const LanguageWords& from, const LanguageWords& to);
  // Replaces every exact occurrence of `from` in a result field by `to`.
  void ReplaceInResult(LedResult field, std::string_view from, std::string_view to);

  const Diagram& CircuitDiagram() const { return diagram_; }

 private:
  template <typename E>
  static constexpr std::size_t Index(E e) {
    return static_cast<std::size_t>(e);
  }
  // A text written by the program into a box: the clean-up runs on it as on
  // typed text.
  void WriteInput(LedInput input, std::string_view text);
  void RefreshDiagram(bool nameLastLed);
  void WriteSeriesTexts(const LedCalcResult& result);

  std::array<std::string, 4> inputs_;
  std::array<bool, 4> downGreyed_{};
  std::array<std::string, kLedResultCount> results_;
  std::optional<LedArrangement> arrangement_ = LedArrangement::Series;
  LedCalcMode mode_ = LedCalcMode::Resis;
  StandardSeries series_ = StandardSeries::E24;
  // The calculation the result fields show, while they still show it.
  std::optional<LedCalcResult> shown_;
  Diagram diagram_;
};

}  // namespace kalvane
