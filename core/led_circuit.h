// The arithmetic behind the LED panel's calculation button: from the four
// entered texts it solves a one-resistor LED circuit for the resistor, the
// voltage of one LED or the current of one LED, and returns every result text
// the panel shows. It touches no window, shows no message and keeps no state;
// it never reads the language itself, the words come in as an argument.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/language_words.h"
#include "core/standard_values.h"

namespace kalvane {

// Position of the arrangement list: n LEDs in series with one resistor, or n
// LEDs in parallel fed through one resistor that carries n LED currents.
enum class LedArrangement { Series = 0, Parallel = 1 };

// What is solved for. The third and fourth boxes change meaning with it:
//            VLed          ALed          solved value
//   Resis    Vf (V)        If (mA)       R (Ohm)
//   Volt     R (Ohm)       If (mA)       Vf (V)
//   Amp      Vf (V)        R (Ohm)       If (mA)
enum class LedCalcMode { Resis, Volt, Amp };

enum class LedCalcOutcome {
  Done,
  InvalidInput,  // a box is empty, a lone ".", or not wholly a number
  BelowLimit,    // the solved LED voltage or current is below 0.001
  NoResult,      // a zero divisor or an overflow: the circuit has no finite answer
};

// One optional text per result field of the panel; an absent text means the
// field keeps what it shows. BelowLimit and NoResult put errorWord into the
// solved value, light and rating fields and leave the others absent;
// InvalidInput carries no text at all.
//
// The texts that depend on the standard series are those of the two rows
// and, in the parallel resistor mode, the solved value and the diagram
// label, which show the resistor to buy (the larger row's entry). The last
// two members let the panel rebuild them for another series without
// calculating again (WithStandardSeries).
struct LedCalcResult {
  LedCalcOutcome outcome = LedCalcOutcome::Done;
  std::optional<std::string> resisText;    // solved value, box ResisSH
  std::optional<std::string> watText;      // light of the branch in mW, box WatSH
  std::optional<std::string> ratingText;   // resistor power rating, label WatPish
  std::optional<std::string> largerText;   // nearest larger standard value, ResisPishLarg
  std::optional<std::string> smallerText;  // nearest smaller standard value, ResisPishSmall
  std::optional<std::string> diagramText;  // resistor label of the diagram, Label15
  // The resistor the rows were looked up from; absent when no rows were
  // computed (the voltage and current modes, and every outcome but Done).
  std::optional<double> standardLookupOhms;
  // The solved value and the diagram label show the larger row's entry, or
  // the computed resistor above the table (the parallel resistor mode).
  bool resistorIsLargerStandard = false;

  friend bool operator==(const LedCalcResult&, const LedCalcResult&) = default;
};

// The input check the calculation starts with: a box text is usable when it
// is not empty, not a lone "." and wholly a number (blanks around it allowed).
bool IsValidLedInput(std::string_view text);

// Texts are the box contents exactly as typed: Vtdc, LedCount, VLed, ALed.
// Every intermediate value is rounded to 15 significant digits through its
// text before the next step uses it, so results match the designed examples
// digit for digit.
// The standard rows are looked up in `series`.
LedCalcResult CalculateLedCircuit(LedArrangement arrangement, LedCalcMode mode,
                                  std::string_view vtdcText, std::string_view ledCountText,
                                  std::string_view vLedText, std::string_view aLedText,
                                  const LanguageWords& words,
                                  StandardSeries series = StandardSeries::E24);

// The two standard-value rows for a resistor r, exactly as the calculation
// writes them: "<entry> <ohmUnit>  <largerTag>" for the nearest larger entry
// of `series` and the same with smallerTag for the nearest smaller one,
// each absent when the series has no entry on that side of r.
struct StandardRows {
  std::optional<std::string> largerText;
  std::optional<std::string> smallerText;
};
StandardRows StandardRowTexts(double r, StandardSeries series, const LanguageWords& words);

// `result` with every text that depends on the standard series rebuilt for
// `series` from its standardLookupOhms, as CalculateLedCircuit with that
// series would have written it; nothing else changes. A result without
// standardLookupOhms comes back unchanged.
LedCalcResult WithStandardSeries(LedCalcResult result, StandardSeries series,
                                 const LanguageWords& words);

}  // namespace kalvane
