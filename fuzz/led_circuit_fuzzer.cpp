// Fuzz target for the LED calculation. The input holds the four box texts
// (supply, count, third and fourth box) separated by newlines; each input is
// calculated in both arrangements, all three modes, both languages and every
// standard series. The outcome must agree with the texts the result holds,
// every number written must have the program's shape, nothing may read as
// infinite, and switching an E24 result to another series must give what a
// calculation in that series gives. The same texts go into the LED panel's
// boxes through their key and paste rules.
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/entry_rules.h"
#include "core/language_words.h"
#include "core/led_circuit.h"
#include "core/led_panel.h"
#include "core/number_text.h"
#include "core/standard_values.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/written_number.h"

namespace kalvane::fuzz {
namespace {

constexpr const char* kAbsent = "(absent)";

std::string_view Or(const std::optional<std::string>& text) {
  return text ? std::string_view(*text) : std::string_view(kAbsent);
}

// The texts up to the first three newlines; the fourth takes the rest.
std::array<std::string_view, 4> SplitBoxes(std::string_view input) {
  std::array<std::string_view, 4> boxes{};
  for (std::size_t box = 0; box < 3; ++box) {
    const std::size_t newline = input.find('\n');
    if (newline == std::string_view::npos) {
      boxes[box] = input;
      return boxes;
    }
    boxes[box] = input.substr(0, newline);
    input.remove_prefix(newline + 1);
  }
  boxes[3] = input;
  return boxes;
}

bool HoldsNonFiniteWord(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

// A standard-value caption: "<table text> <ohm word>  <tag>". Gives the
// entry's value in Ohm, or none when the caption has another shape.
std::optional<double> CaptionValue(std::string_view caption, StandardSeries series,
                                   std::string_view ohmWord, std::string_view tag) {
  for (const StandardValue& entry : StandardSeriesTable(series)) {
    if (caption == StandardCaption(entry, ohmWord, tag))
      return entry.ohms;
  }
  return std::nullopt;
}

bool IsTableText(std::string_view text, StandardSeries series) {
  for (const StandardValue& entry : StandardSeriesTable(series)) {
    if (entry.text == text)
      return true;
  }
  return false;
}

bool IsRatingText(std::string_view text, std::string_view wattWord) {
  for (std::string_view label : {"1/4 ", "1/2 ", "1 ", "2 ", "5 ", "10 ", "> 10 "}) {
    if (text == std::string(label) + std::string(wattWord))
      return true;
  }
  return false;
}

LedCalcOutcome CheckOne(LedArrangement arrangement, LedCalcMode mode,
                        const std::array<std::string_view, 4>& boxes, const LanguageWords& language,
                        StandardSeries series) {
  const LanguageWords& words = language;  // the result texts are built from these
  const LedCalcResult r =
      CalculateLedCircuit(arrangement, mode, boxes[0], boxes[1], boxes[2], boxes[3], words, series);
  const LedCalcResult e24 =
      CalculateLedCircuit(arrangement, mode, boxes[0], boxes[1], boxes[2], boxes[3], words);
  FUZZ_CHECK(WithStandardSeries(e24, series, words) == r, boxes[0], SeriesName(series));
  const std::optional<std::string>* texts[] = {&r.resisText,  &r.watText,     &r.ratingText,
                                               &r.largerText, &r.smallerText, &r.diagramText};
  for (const auto* text : texts) {
    if (*text)
      FUZZ_CHECK(!HoldsNonFiniteWord(**text), **text, "holds inf or nan");
  }

  bool allValid = true;
  for (std::string_view box : boxes)
    allValid = allValid && IsValidLedInput(box);
  FUZZ_CHECK((r.outcome == LedCalcOutcome::InvalidInput) == !allValid, boxes[0],
             allValid ? "valid boxes refused" : "an invalid box calculated");

  switch (r.outcome) {
    case LedCalcOutcome::InvalidInput:
      for (const auto* text : texts)
        FUZZ_CHECK(!*text, Or(*text), "InvalidInput with a text");
      return r.outcome;
    case LedCalcOutcome::BelowLimit:
    case LedCalcOutcome::NoResult:
      FUZZ_CHECK(r.outcome == LedCalcOutcome::NoResult || mode != LedCalcMode::Resis, boxes[0],
                 "BelowLimit in resistor mode");
      FUZZ_CHECK(Or(r.resisText) == words.errorWord, Or(r.resisText), words.errorWord);
      FUZZ_CHECK(Or(r.watText) == words.errorWord, Or(r.watText), words.errorWord);
      FUZZ_CHECK(Or(r.ratingText) == words.errorWord, Or(r.ratingText), words.errorWord);
      FUZZ_CHECK(!r.largerText && !r.smallerText && !r.diagramText, Or(r.largerText),
                 Or(r.diagramText));
      return r.outcome;
    case LedCalcOutcome::Done:
      break;
  }

  FUZZ_CHECK(r.resisText && r.watText && r.ratingText && r.diagramText, Or(r.resisText),
             Or(r.watText));
  const bool parallelResistor =
      arrangement == LedArrangement::Parallel && mode == LedCalcMode::Resis;
  // The parallel resistor field shows the next table entry up as stored
  // ("1.0"), or the computed value above the table.
  if (!parallelResistor || !IsTableText(*r.resisText, series)) {
    FUZZ_CHECK(WrittenNumberFault(*r.resisText).empty(), *r.resisText,
               WrittenNumberFault(*r.resisText));
  }
  FUZZ_CHECK(WrittenNumberFault(*r.watText).empty(), *r.watText, WrittenNumberFault(*r.watText));
  FUZZ_CHECK(IsRatingText(*r.ratingText, words.wattUnit), *r.ratingText, words.wattUnit);

  const double solved = TextToNumber(*r.resisText);
  FUZZ_CHECK(std::isfinite(solved), *r.resisText, "solved value not finite");
  std::string_view resistor = *r.resisText;
  if (mode == LedCalcMode::Volt) {
    resistor = boxes[2];
    FUZZ_CHECK(solved >= 0.001, *r.resisText, "voltage below the limit reported Done");
  } else if (mode == LedCalcMode::Amp) {
    resistor = boxes[3];
    FUZZ_CHECK(solved >= 0.999, *r.resisText, "current below the limit reported Done");
  }
  FUZZ_CHECK(*r.diagramText == "R : " + std::string(resistor) + " Ohm", *r.diagramText, resistor);

  if (mode != LedCalcMode::Resis) {
    FUZZ_CHECK(!r.largerText && !r.smallerText, Or(r.largerText), Or(r.smallerText));
    return r.outcome;
  }
  std::optional<double> larger, smaller;
  if (r.largerText) {
    larger = CaptionValue(*r.largerText, series, words.ohmUnit, words.largerTag);
    FUZZ_CHECK(larger.has_value(), *r.largerText, "not a standard-value caption");
  }
  if (r.smallerText) {
    smaller = CaptionValue(*r.smallerText, series, words.ohmUnit, words.smallerTag);
    FUZZ_CHECK(smaller.has_value(), *r.smallerText, "not a standard-value caption");
  }
  if (larger && smaller)
    FUZZ_CHECK(*smaller <= *larger, *r.smallerText, *r.largerText);
  if (arrangement == LedArrangement::Series) {
    // The captions bracket the resistor shown, and are missing only past
    // the ends of the table.
    FUZZ_CHECK(r.largerText.has_value() == (solved <= 10000000), *r.resisText, Or(r.largerText));
    FUZZ_CHECK(r.smallerText.has_value() == (solved >= 1.0), *r.resisText, Or(r.smallerText));
    if (larger)
      FUZZ_CHECK(solved <= *larger, *r.resisText, *r.largerText);
    if (smaller)
      FUZZ_CHECK(*smaller <= solved, *r.smallerText, *r.resisText);
  } else {
    // The field shows the larger caption's entry; without one, R is above
    // the table.
    FUZZ_CHECK(r.largerText.has_value() == IsTableText(*r.resisText, series), *r.resisText,
               Or(r.largerText));
    if (larger)
      FUZZ_CHECK(solved == *larger, *r.resisText, *r.largerText);
    else
      FUZZ_CHECK(solved > 10000000, *r.resisText, "no larger entry below the table's top");
  }
  return r.outcome;
}

// The four texts pasted, and typed key by key, into the panel's boxes in
// each mode, as the boxes' rules let them in: a box never grows past the
// limit it had before the key or paste, and keys type only what it takes.
void CheckEntryRules(const std::array<std::string_view, 4>& boxes) {
  for (LedCalcMode mode : {LedCalcMode::Resis, LedCalcMode::Volt, LedCalcMode::Amp}) {
    LedPanel panel;
    panel.ChooseMode(mode);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const LedInput input = kLedInputs[i];
      const std::string_view text = boxes[i];
      panel.EditInput(input, "");
      const auto limit = static_cast<std::size_t>(panel.LengthLimit(input));
      const std::string pasted = panel.PasteInsertion(input, text, 0);
      FUZZ_CHECK(CharacterCount(pasted) <= limit, pasted, "a paste past the limit");
      panel.EditInput(input, "");
      std::string typed;
      for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = ByteOffsetOf(text.substr(at), 1);
        const auto before = static_cast<std::size_t>(panel.LengthLimit(input));
        if (const auto key = panel.KeyInsertion(input, text.substr(at, length), 0)) {
          typed += *key;
          panel.EditInput(input, typed);
          FUZZ_CHECK(CharacterCount(panel.Input(input)) <= before, panel.Input(input),
                     "a key past the limit");
          FUZZ_CHECK(KeepOnly(typed, panel.AllowedCharacters(input)) == typed, typed,
                     "a key typed a character the box does not take");
        }
        at += length;
      }
    }
  }
}

}  // namespace
}  // namespace kalvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kalvane;
  const auto boxes = fuzz::SplitBoxes(std::string_view(reinterpret_cast<const char*>(data), size));
  fuzz::CheckEntryRules(boxes);
  for (LedArrangement arrangement : {LedArrangement::Series, LedArrangement::Parallel}) {
    for (LedCalcMode mode : {LedCalcMode::Resis, LedCalcMode::Volt, LedCalcMode::Amp}) {
      for (StandardSeries series : kStandardSeries) {
        const LedCalcOutcome persian =
            fuzz::CheckOne(arrangement, mode, boxes, kPersianWords, series);
        const LedCalcOutcome english =
            fuzz::CheckOne(arrangement, mode, boxes, kEnglishWords, series);
        FUZZ_CHECK(persian == english, boxes[0], "the outcome depends on the language");
      }
    }
  }
  return 0;
}
