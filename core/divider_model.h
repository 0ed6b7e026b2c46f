// The divider / regulator window as plain state: the mode, the boxes of
// both modes with their entry rules, the series and the values left out, and
// the best pairs for what the boxes hold, or the first problem that stops the
// search. Every change searches again at once, so the pairs always belong to
// the texts shown. The window shows it; the words are i18n's. It knows
// nothing of widgets.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/divider_search.h"
#include "core/standard_values.h"

namespace kalvane {

class DividerModel {
 public:
  enum class Mode { Divider, Regulator };
  // What the divider's target box holds: the output voltage or Vout / Vin.
  enum class TargetKind { Voltage, Ratio };
  // Every box, the divider's first, the regulator's next, then the one both
  // share. Voltages are in V, Iadj in microampere, the tolerance in percent,
  // resistances as the SMD value box reads them ("4k7", "4.7k", "1M").
  enum class Box {
    Vin,
    Target,
    Load,  // may stay empty: no load
    TotalMin,
    TotalMax,
    RegulatorVout,
    Vref,
    Iadj,
    VrefTolerance,
    R1Min,
    R1Max,
    R2Min,
    R2Max,
    Exclusions,  // a list as ReadResistanceList reads it
  };
  static constexpr std::size_t kBoxCount = 14;

  // Why there are no pairs. When several apply, a box that cannot be read
  // comes first (in the window's order, the order of Box), then an
  // impossible target, then an empty range, then NoValueLeft.
  enum class Problem {
    Empty,             // a box the search needs is empty
    NotANumber,        // not a number (or not a resistance) as the box reads it
    UnknownUnit,       // a resistance with a unit letter other than R, k or M
    OutOfRange,        // a resistance beyond 0.001 Ohm to 999 GOhm, a load of 0 Ohm,
                       // a negative Iadj, a tolerance of 100 % or more, a number too large
    NotAboveZero,      // a voltage or ratio of zero or below
    ImpossibleTarget,  // a divider's Vout not below Vin (a ratio not below 1), or a
                       // regulator's Vout not above Vref
    RangeEmpty,        // a range's lower end above its upper end (named at the upper end)
    NoValueLeft,       // no pair of allowed values fits the ranges
    BadExclusion,      // an entry of the exclusions that is not a resistance
  };
  struct InputProblem {
    Problem problem;
    Box box;
    std::size_t entry = 0;  // BadExclusion: the 1-based entry
    friend bool operator==(const InputProblem&, const InputProblem&) = default;
  };
  using Outcome = std::variant<std::vector<DividerPair>, InputProblem>;

  // Opens as a 5 V to 3.3 V divider under E24, R1 + R2 from 1 kOhm to
  // 1 MOhm, no load; the regulator's boxes hold Vout 5 V, Vref 1.25 V,
  // Iadj 50 uA, 4 %, R1 from 100 Ohm to 1 kOhm, R2 from 100 Ohm to 100 kOhm.
  DividerModel();

  Mode CurrentMode() const { return mode_; }
  TargetKind CurrentTargetKind() const { return targetKind_; }
  StandardSeries Series() const { return series_; }
  const std::string& Text(Box box) const { return texts_[Slot(box)]; }
  static std::size_t LengthLimit(Box box);
  // The boxes the current mode shows and reads, in the window's order.
  std::vector<Box> ShownBoxes() const;

  // What a key types or a paste inserts into `box` with `selected`
  // characters selected: printable ASCII, so that a wrong character is
  // named rather than swallowed, Persian and Arabic digits and the Arabic
  // decimal separator as ASCII, the Arabic comma and semicolon as ASCII in
  // the exclusions; never past the box's limit.
  std::optional<std::string> KeyInsertion(Box box, std::string_view keyText,
                                          std::size_t selected) const;
  std::string PasteInsertion(Box box, std::string_view clipboard, std::size_t selected) const;

  // A box's text after the user edited it: as ASCII, cut to the limit.
  void Edit(Box box, std::string_view text);
  void SetMode(Mode mode);
  void SetTargetKind(TargetKind kind);
  void SetSeries(StandardSeries series);

  // The best pairs, best first, or the problem; SelectedRow() indexes the
  // pairs (0 after every search).
  const Outcome& Result() const { return outcome_; }
  const std::vector<DividerPair>* Pairs() const {
    return std::get_if<std::vector<DividerPair>>(&outcome_);
  }
  std::size_t SelectedRow() const { return selected_; }
  // Picks a row; a row past the pairs is ignored.
  void Select(std::size_t row);
  // The output voltage the current mode asks for; none while a box has a
  // problem.
  std::optional<double> WantedVout() const { return wanted_; }

 private:
  static std::size_t Slot(Box box) { return static_cast<std::size_t>(box); }
  void Search();

  Mode mode_ = Mode::Divider;
  TargetKind targetKind_ = TargetKind::Voltage;
  StandardSeries series_ = StandardSeries::E24;
  std::vector<std::string> texts_;
  Outcome outcome_;
  std::optional<double> wanted_;
  std::size_t selected_ = 0;
};

}  // namespace kalvane
