#include "core/divider_model.h"

#include <algorithm>
#include <cmath>

#include "core/entry_rules.h"
#include "core/number_text.h"
#include "core/resistance_list.h"
#include "core/smd_code.h"

namespace kalvane {
namespace {

using Box = DividerModel::Box;
using Problem = DividerModel::Problem;
using InputProblem = DividerModel::InputProblem;

// A number box's value, or why it has none.
std::variant<double, Problem> ReadNumber(std::string_view text) {
  if (text.find_first_not_of(" \t") == std::string_view::npos)
    return Problem::Empty;
  if (!IsNumberText(text))
    return Problem::NotANumber;
  const double value = TextToNumber(text);
  if (!std::isfinite(value))
    return Problem::OutOfRange;
  return value;
}

Problem ProblemOf(ResistanceTextError error) {
  switch (error) {
    case ResistanceTextError::Empty:
      return Problem::Empty;
    case ResistanceTextError::UnknownUnit:
      return Problem::UnknownUnit;
    case ResistanceTextError::OutOfRange:
      return Problem::OutOfRange;
    case ResistanceTextError::NotANumber:
    case ResistanceTextError::TooManyDigits:
      break;
  }
  return Problem::NotANumber;
}

std::variant<double, Problem> ReadResistance(std::string_view text) {
  auto read = ReadResistanceText(text);
  if (const auto* error = std::get_if<ResistanceTextError>(&read))
    return ProblemOf(*error);
  return std::get<ResistanceText>(read).ohms;
}

// The Arabic comma and semicolon as their ASCII twins, so that a list typed
// on a Persian keyboard passes the box's ASCII rule.
std::string WithAsciiSeparators(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (i + 1 < utf8.size() && utf8[i] == '\xD8' &&
        (utf8[i + 1] == '\x8C' || utf8[i + 1] == '\x9B')) {
      out.push_back(utf8[i + 1] == '\x8C' ? ',' : ';');
      ++i;
    } else {
      out.push_back(utf8[i]);
    }
  }
  return out;
}

// Reads boxes in order and keeps the first problem met.
class Reader {
 public:
  explicit Reader(const DividerModel& model) : model_(model) {}

  double Number(Box box) { return Keep(box, ReadNumber(model_.Text(box))); }
  double Resistance(Box box) { return Keep(box, ReadResistance(model_.Text(box))); }
  // A value that passed reading but breaks the box's own rule.
  void Refuse(Box box, Problem problem) { Note({problem, box}); }
  void Note(const InputProblem& problem) {
    if (!problem_)
      problem_ = problem;
  }
  const std::optional<InputProblem>& Found() const { return problem_; }

 private:
  double Keep(Box box, const std::variant<double, Problem>& read) {
    if (const auto* problem = std::get_if<Problem>(&read)) {
      Note({*problem, box});
      return 0;
    }
    return std::get<double>(read);
  }

  const DividerModel& model_;
  std::optional<InputProblem> problem_;
};

// The series' values in Ohm without the excluded ones, ascending.
std::vector<double> AllowedValues(StandardSeries series, const std::vector<ResistanceText>& out) {
  std::vector<double> values;
  for (const StandardValue& entry : StandardSeriesTable(series)) {
    bool excluded = false;
    for (const ResistanceText& value : out)
      excluded = excluded || std::abs(value.ohms - entry.ohms) <= entry.ohms * 1e-9;
    if (!excluded)
      values.push_back(entry.ohms);
  }
  return values;
}

}  // namespace

DividerModel::DividerModel()
    : texts_{"5", "3.3", "", "1k", "1M", "5", "1.25", "50", "4", "100", "1k", "100", "100k", ""} {
  Search();
}

std::size_t DividerModel::LengthLimit(Box box) {
  switch (box) {
    case Box::Exclusions:
      return 120;
    case Box::Load:
    case Box::TotalMin:
    case Box::TotalMax:
    case Box::R1Min:
    case Box::R1Max:
    case Box::R2Min:
    case Box::R2Max:
      return 12;
    default:
      break;
  }
  return 10;
}

std::vector<Box> DividerModel::ShownBoxes() const {
  if (mode_ == Mode::Divider)
    return {Box::Vin, Box::Target, Box::Load, Box::TotalMin, Box::TotalMax, Box::Exclusions};
  return {Box::RegulatorVout, Box::Vref,  Box::Iadj,  Box::VrefTolerance, Box::R1Min,
          Box::R1Max,         Box::R2Min, Box::R2Max, Box::Exclusions};
}

std::optional<std::string> DividerModel::KeyInsertion(Box box, std::string_view keyText,
                                                      std::size_t selected) const {
  return KeyInsertionWithin(WithAsciiSeparators(keyText), kPrintableAscii,
                            CharacterCount(Text(box)), selected, LengthLimit(box));
}

std::string DividerModel::PasteInsertion(Box box, std::string_view clipboard,
                                         std::size_t selected) const {
  return PasteInsertionWithin(WithAsciiSeparators(clipboard), kPrintableAscii,
                              CharacterCount(Text(box)), selected, LengthLimit(box));
}

void DividerModel::Edit(Box box, std::string_view text) {
  std::string ascii = WithAsciiSeparators(ToAsciiNumberText(text));
  ascii.resize(ByteOffsetOf(ascii, LengthLimit(box)));
  texts_[Slot(box)] = std::move(ascii);
  Search();
}

void DividerModel::SetMode(Mode mode) {
  mode_ = mode;
  Search();
}

void DividerModel::SetTargetKind(TargetKind kind) {
  targetKind_ = kind;
  Search();
}

void DividerModel::SetSeries(StandardSeries series) {
  series_ = series;
  Search();
}

void DividerModel::Select(std::size_t row) {
  const auto* pairs = Pairs();
  if (pairs && row < pairs->size())
    selected_ = row;
}

void DividerModel::Search() {
  selected_ = 0;
  wanted_.reset();
  Reader read(*this);
  DividerTarget divider;
  RegulatorTarget regulator;
  double vrefTolerance = 0;
  double targetValue = 0;
  if (mode_ == Mode::Divider) {
    divider.vin = read.Number(Box::Vin);
    if (!read.Found() && divider.vin <= 0)
      read.Refuse(Box::Vin, Problem::NotAboveZero);
    targetValue = read.Number(Box::Target);
    if (!read.Found() && targetValue <= 0)
      read.Refuse(Box::Target, Problem::NotAboveZero);
    if (!Text(Box::Load).empty()) {
      divider.load = read.Resistance(Box::Load);
      if (!read.Found() && divider.load <= 0)
        read.Refuse(Box::Load, Problem::OutOfRange);
    }
    divider.totalMin = read.Resistance(Box::TotalMin);
    divider.totalMax = read.Resistance(Box::TotalMax);
  } else {
    regulator.vout = read.Number(Box::RegulatorVout);
    if (!read.Found() && regulator.vout <= 0)
      read.Refuse(Box::RegulatorVout, Problem::NotAboveZero);
    regulator.vref = read.Number(Box::Vref);
    if (!read.Found() && regulator.vref <= 0)
      read.Refuse(Box::Vref, Problem::NotAboveZero);
    regulator.iadj = read.Number(Box::Iadj) * 1e-6;
    if (!read.Found() && regulator.iadj < 0)
      read.Refuse(Box::Iadj, Problem::OutOfRange);
    vrefTolerance = read.Number(Box::VrefTolerance) / 100;
    if (!read.Found() && (vrefTolerance < 0 || vrefTolerance >= 1))
      read.Refuse(Box::VrefTolerance, Problem::OutOfRange);
    regulator.r1Min = read.Resistance(Box::R1Min);
    regulator.r1Max = read.Resistance(Box::R1Max);
    regulator.r2Min = read.Resistance(Box::R2Min);
    regulator.r2Max = read.Resistance(Box::R2Max);
  }
  auto excluded = ReadResistanceList(Text(Box::Exclusions));
  if (const auto* error = std::get_if<ResistanceListError>(&excluded))
    read.Note({Problem::BadExclusion, Box::Exclusions, error->entry});

  if (mode_ == Mode::Divider) {
    const bool ratio = targetKind_ == TargetKind::Ratio;
    divider.vout = ratio ? targetValue * divider.vin : targetValue;
    if (ratio ? targetValue >= 1 : divider.vout >= divider.vin)
      read.Refuse(Box::Target, Problem::ImpossibleTarget);
    if (divider.totalMin > divider.totalMax)
      read.Refuse(Box::TotalMax, Problem::RangeEmpty);
  } else {
    if (regulator.vout <= regulator.vref)
      read.Refuse(Box::RegulatorVout, Problem::ImpossibleTarget);
    if (regulator.r1Min > regulator.r1Max)
      read.Refuse(Box::R1Max, Problem::RangeEmpty);
    if (regulator.r2Min > regulator.r2Max)
      read.Refuse(Box::R2Max, Problem::RangeEmpty);
  }
  if (read.Found()) {
    outcome_ = *read.Found();
    return;
  }

  const std::vector<double> values =
      AllowedValues(series_, std::get<std::vector<ResistanceText>>(excluded));
  const double tolerance = SeriesTolerance(series_) / 100;
  std::vector<DividerPair> pairs;
  if (mode_ == Mode::Divider) {
    pairs = FindDividerPairs(divider, values, tolerance);
    wanted_ = divider.vout;
  } else {
    pairs = FindRegulatorPairs(regulator, values, tolerance, vrefTolerance);
    wanted_ = regulator.vout;
  }
  if (pairs.empty()) {
    // Name what leaves nothing: the exclusions, or the range without a value.
    Box at = mode_ == Mode::Divider ? Box::TotalMin : Box::R1Min;
    const auto holdsOne = [&values](double low, double high) {
      return std::any_of(values.begin(), values.end(),
                         [&](double v) { return v >= low && v <= high; });
    };
    if (values.empty())
      at = Box::Exclusions;
    else if (mode_ == Mode::Regulator && holdsOne(regulator.r1Min, regulator.r1Max))
      at = Box::R2Min;
    wanted_.reset();
    outcome_ = InputProblem{Problem::NoValueLeft, at};
    return;
  }
  outcome_ = std::move(pairs);
}

}  // namespace kalvane
