#include "core/led_panel.h"

#include "core/entry_rules.h"
#include "core/number_text.h"
#include "core/power_rating.h"
#include "core/standard_values.h"

namespace kalvane {
namespace {

// Spin steps, and the text at which a down button greys out.
constexpr std::array<double, 4> kSteps = {0.1, 1, 0.1, 1};
constexpr std::array<std::string_view, 4> kGreyedAt = {"0", "1", "0", "0"};

// The worked example each mode button loads: third box, fourth box, solved value.
struct ModeExample {
  std::string_view third;
  std::string_view fourth;
  std::string_view solved;
};
constexpr ModeExample ExampleOf(LedCalcMode mode) {
  switch (mode) {
    case LedCalcMode::Volt:
      return {"50", "20", "2.2"};
    case LedCalcMode::Amp:
      return {"2.2", "50", "20"};
    case LedCalcMode::Resis:
      break;
  }
  return {"2.2", "20", "50"};
}

bool HasCleanUp(LedInput input) {
  return input == LedInput::Supply || input == LedInput::Count;
}

}  // namespace

LedPanel::LedPanel() : inputs_{"12", "5", "2.2", "20"} {
  const LanguageWords& fa = kPersianWords;
  results_[Index(LedResult::SolvedValue)] = "50";
  results_[Index(LedResult::BranchLight)] = "220";
  results_[Index(LedResult::PowerRating)] = RateResistorPower(0.02, fa.wattUnit).value_or("");
  results_[Index(LedResult::LargerStandard)] =
      StandardCaption({"51", 51}, fa.ohmUnit, fa.largerTag);
  results_[Index(LedResult::SmallerStandard)] =
      StandardCaption({"47", 47}, fa.ohmUnit, fa.smallerTag);
  results_[Index(LedResult::DiagramResistor)] = "R : 50 Ohm";
  results_[Index(LedResult::DiagramSupply)] = "VCC : 12V";
}

std::string_view LedPanel::AllowedCharacters(LedInput input) const {
  return input == LedInput::Supply || input == LedInput::Third ? kDecimalSet : kIntegerSet;
}

int LedPanel::LengthLimit(LedInput input) const {
  const std::string& text = Input(input);
  switch (input) {
    case LedInput::Supply:
      return LimitByPoint(text, 1, 5, 3);
    case LedInput::Count:
      return LimitByPoint(text, 1, 3, 3);
    case LedInput::Third:
      return mode_ == LedCalcMode::Volt ? LimitByPoint(text, 1, 1, 7) : LimitByPoint(text, 1, 5, 3);
    case LedInput::Fourth:
      return mode_ == LedCalcMode::Amp ? LimitByPoint(text, 1, 1, 7) : LimitByPoint(text, 1, 5, 5);
  }
  return 0;
}

std::optional<std::string> LedPanel::KeyInsertion(LedInput input, std::string_view keyText,
                                                  std::size_t selected) const {
  return KeyInsertionWithin(keyText, AllowedCharacters(input), CharacterCount(Input(input)),
                            selected, static_cast<std::size_t>(LengthLimit(input)));
}

std::string LedPanel::PasteInsertion(LedInput input, std::string_view clipboard,
                                     std::size_t selected) const {
  const std::size_t length = CharacterCount(Input(input));
  const auto limit = static_cast<std::size_t>(LengthLimit(input));
  if (HasCleanUp(input))
    return PasteInsertionWithin(clipboard, AllowedCharacters(input), length, selected, limit);
  return PastedLineWithin(clipboard, length, selected, limit);
}

bool LedPanel::EditInput(LedInput input, std::string_view text) {
  WriteInput(input, text);
  return Input(input) != text;
}

void LedPanel::WriteInput(LedInput input, std::string_view text) {
  std::string ascii = ToAsciiNumberText(text);
  inputs_[Index(input)] =
      HasCleanUp(input) ? KeepOnly(ascii, AllowedCharacters(input)) : std::move(ascii);
}

void LedPanel::SpinUp(LedInput input) {
  downGreyed_[Index(input)] = false;
  WriteInput(input, NumberToText(TextToNumber(Input(input)) + kSteps[Index(input)]));
}

void LedPanel::SpinDown(LedInput input) {
  WriteInput(input, NumberToText(TextToNumber(Input(input)) - kSteps[Index(input)]));
  if (Input(input) == kGreyedAt[Index(input)])
    downGreyed_[Index(input)] = true;
}

void LedPanel::ChooseArrangement(std::optional<LedArrangement> arrangement) {
  arrangement_ = arrangement;
  if (!arrangement_)
    return;
  diagram_.parallelLayout = *arrangement_ == LedArrangement::Parallel;
  RefreshDiagram(false);
}

void LedPanel::ChooseMode(LedCalcMode mode) {
  mode_ = mode;
  const ModeExample example = ExampleOf(mode);
  WriteInput(LedInput::Supply, "12");
  WriteInput(LedInput::Count, "5");
  WriteInput(LedInput::Third, example.third);
  WriteInput(LedInput::Fourth, example.fourth);
  results_[Index(LedResult::SolvedValue)] = example.solved;
  results_[Index(LedResult::BranchLight)] = "220";
  shown_.reset();
}

void LedPanel::ChooseSeries(StandardSeries series, const LanguageWords& words) {
  series_ = series;
  if (!shown_ || !shown_->standardLookupOhms)
    return;
  shown_ = WithStandardSeries(*shown_, series, words);
  WriteSeriesTexts(*shown_);
}

// The texts of a calculation that depend on the series, each written or,
// for a row with no value on its side, emptied.
void LedPanel::WriteSeriesTexts(const LedCalcResult& result) {
  results_[Index(LedResult::LargerStandard)] = result.largerText.value_or("");
  results_[Index(LedResult::SmallerStandard)] = result.smallerText.value_or("");
  if (result.resistorIsLargerStandard) {
    results_[Index(LedResult::SolvedValue)] = result.resisText.value_or("");
    results_[Index(LedResult::DiagramResistor)] = result.diagramText.value_or("");
  }
}

LedPanel::Calculation LedPanel::Calculate(const LanguageWords& words) const {
  Calculation calculation;
  if (!arrangement_) {
    // No arrangement to solve: only the inputs are checked.
    for (LedInput input : kLedInputs) {
      if (!IsValidLedInput(Input(input)))
        calculation.invalidMessage = true;
    }
    calculation.result.outcome =
        calculation.invalidMessage ? LedCalcOutcome::InvalidInput : LedCalcOutcome::Done;
    return calculation;
  }
  calculation.result =
      CalculateLedCircuit(*arrangement_, mode_, Input(LedInput::Supply), Input(LedInput::Count),
                          Input(LedInput::Third), Input(LedInput::Fourth), words, series_);
  calculation.invalidMessage = calculation.result.outcome != LedCalcOutcome::Done;
  return calculation;
}

void LedPanel::Show(const Calculation& calculation) {
  const LedCalcResult& result = calculation.result;
  auto write = [this](const std::optional<std::string>& text, LedResult field) {
    if (text)
      results_[Index(field)] = *text;
  };
  if (arrangement_) {
    write(result.resisText, LedResult::SolvedValue);
    write(result.watText, LedResult::BranchLight);
    write(result.ratingText, LedResult::PowerRating);
    write(result.largerText, LedResult::LargerStandard);
    write(result.smallerText, LedResult::SmallerStandard);
    // In the resistor mode the two standard-value rows are on screen: a side
    // with no standard value (R above the table, or below it) is emptied
    // rather than left showing the previous circuit's neighbour.
    if (mode_ == LedCalcMode::Resis && result.outcome != LedCalcOutcome::InvalidInput) {
      if (!result.largerText)
        results_[Index(LedResult::LargerStandard)].clear();
      if (!result.smallerText)
        results_[Index(LedResult::SmallerStandard)].clear();
    }
    write(result.diagramText, LedResult::DiagramResistor);
    if (result.outcome == LedCalcOutcome::Done) {
      shown_ = result;
    } else if (result.outcome != LedCalcOutcome::InvalidInput) {
      shown_.reset();  // the solved value and rating now show the error word
    }
  }
  RefreshDiagram(true);
  results_[Index(LedResult::DiagramSupply)] = "VCC : " + Input(LedInput::Supply) + "V";
}

void LedPanel::ChangeLanguage(const LanguageWords& from, const LanguageWords& to) {
  ChooseArrangement(LedArrangement::Series);
  ReplaceInResult(LedResult::PowerRating, from.wattUnit, to.wattUnit);
  ReplaceInResult(LedResult::LargerStandard, from.ohmUnit, to.ohmUnit);
  ReplaceInResult(LedResult::SmallerStandard, from.ohmUnit, to.ohmUnit);
  ReplaceInResult(LedResult::LargerStandard, from.largerTag, to.largerTag);
  ReplaceInResult(LedResult::SmallerStandard, from.smallerTag, to.smallerTag);
}

void LedPanel::ReplaceInResult(LedResult field, std::string_view from, std::string_view to) {
  if (from.empty())
    return;
  std::string& text = results_[Index(field)];
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

// A count of 1, 2 or 3 LEDs has its own picture, more have the many-LED
// one; any other count (none, zero, not a number) leaves the diagram as it is.
void LedPanel::RefreshDiagram(bool nameLastLed) {
  if (!arrangement_)
    return;
  const bool series = *arrangement_ == LedArrangement::Series;
  const double count = TextToNumber(Input(LedInput::Count));
  if (count == 1) {
    diagram_.picture = series ? DiagramPicture::Series1 : DiagramPicture::Parallel1;
    diagram_.shownLedNames = 0;
  } else if (count == 2) {
    diagram_.picture = series ? DiagramPicture::Series2 : DiagramPicture::Parallel2;
    diagram_.shownLedNames = 1;
  } else if (count == 3) {
    diagram_.picture = series ? DiagramPicture::Series3 : DiagramPicture::Parallel3;
    diagram_.shownLedNames = 2;
  } else if (count > 3) {
    diagram_.picture = series ? DiagramPicture::SeriesMany : DiagramPicture::ParallelMany;
    diagram_.shownLedNames = 3;
    if (nameLastLed)
      diagram_.lastLedName = "D" + Input(LedInput::Count);
  }
}

}  // namespace kalvane
