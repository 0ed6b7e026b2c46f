// The network finder window as plain state: the target box, the series, the
// largest resistor count, the list box (values to leave out, or the only
// values to use), what the inputs ask the search for, and the networks of
// the latest request once they arrive. It decides which result belongs to
// the inputs shown; it runs no thread and knows nothing of widgets or words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/network_finder.h"
#include "core/smd_code.h"
#include "core/standard_values.h"

namespace kalvane {

class NetworkFinderModel {
 public:
  enum class Box { Target, List };
  // What the list box holds: values of the series to leave out, or the
  // only values to use (the parts in stock).
  enum class ListMode { Exclude, StockOnly };
  static constexpr std::size_t kTargetLimit = 12;
  static constexpr std::size_t kListLimit = 300;

  // Why the inputs ask for no search. The target's faults come first.
  enum class Problem {
    EmptyTarget,
    TargetNotAResistance,  // "abc", "1.2.3", "-5"
    TargetUnknownUnit,     // "4m7", "10G"
    TargetOutOfRange,      // zero, below 0.001 Ohm or above 999 GOhm
    TargetTooManyDigits,   // more than 15 significant digits
    BadListEntry,          // an entry of the list is not a resistance (see `entry`)
    NoValueLeft,           // the stock list is empty, or every value is left out
  };
  struct InputError {
    Problem problem;
    std::size_t entry = 0;  // BadListEntry: the 1-based entry
    ResistanceTextError entryError = ResistanceTextError::NotANumber;
    friend bool operator==(const InputError&, const InputError&) = default;
  };

  // What the search is asked, stamped with the generation of the inputs
  // it was made from.
  struct Request {
    std::uint64_t generation = 0;
    double target = 0;
    int maxCount = 4;
    StandardSeries series = StandardSeries::E24;
    ListMode mode = ListMode::Exclude;
    std::vector<double> listed;  // the values left out, or the stock
  };

  // Opens with the target "1234" Ohm under E24, up to four resistors, and
  // nothing left out; the first request is pending.
  NetworkFinderModel();

  const std::string& Text(Box box) const { return box == Box::Target ? target_ : list_; }
  std::size_t LengthLimit(Box box) const { return box == Box::Target ? kTargetLimit : kListLimit; }
  StandardSeries Series() const { return series_; }
  int MaxCount() const { return maxCount_; }
  ListMode Mode() const { return mode_; }

  // As the SMD value box: any printable ASCII character may be typed or
  // pasted, so that a wrong one is named; Persian and Arabic digits read
  // as ASCII; nothing grows a box past its limit. The list box also takes
  // the Arabic comma and semicolon.
  std::optional<std::string> KeyInsertion(Box box, std::string_view keyText,
                                          std::size_t selected) const;
  std::string PasteInsertion(Box box, std::string_view clipboard, std::size_t selected) const;

  // A box's text after the user edited it: the digits as ASCII, cut to the
  // limit, then read again. Each of these makes a new generation: the
  // results shown so far are dropped.
  void Edit(Box box, std::string_view text);
  void SelectSeries(StandardSeries series);
  void SelectMaxCount(int count);  // clamped to 1..4
  void SelectMode(ListMode mode);

  std::uint64_t Generation() const { return generation_; }
  const std::optional<InputError>& Error() const { return error_; }
  // The search the inputs wait for; none when they are bad or the results
  // are in.
  const std::optional<Request>& Pending() const { return pending_; }
  // Excluded entries that are not values of the series: they change nothing.
  const std::vector<std::string>& NotInSeries() const { return notInSeries_; }

  // Runs a request's search, on any thread; none when `stop` ended it.
  static std::optional<std::vector<CountResult>> Run(const Request& request, SearchStop stop = {});

  // Hands in the results of a request. They are taken only when they were
  // made for the current generation; returns whether they were.
  bool Deliver(std::uint64_t generation, std::vector<CountResult> results);

  // The networks for the inputs shown, one list per count; none while the
  // search runs or the inputs are bad.
  const std::optional<std::vector<CountResult>>& Results() const { return results_; }
  // Which network of a count (1-based) is drawn: 0 is the best, 1 to 4 the
  // runners-up. Picking one outside the list is ignored.
  std::size_t Picked(int count) const;
  void Pick(int count, std::size_t index);

  // The smallest count below the largest asked for whose best network is
  // within a tenth of the series' usual tolerance, if any: more resistors
  // buy nothing a part's own tolerance would not swamp.
  std::optional<int> HintCount() const;

 private:
  void Renew();

  std::string target_;
  std::string list_;
  StandardSeries series_ = StandardSeries::E24;
  int maxCount_ = 4;
  ListMode mode_ = ListMode::Exclude;
  std::uint64_t generation_ = 0;
  std::optional<InputError> error_;
  std::optional<Request> pending_;
  std::optional<std::vector<CountResult>> results_;
  std::vector<std::size_t> picked_;
  std::vector<std::string> notInSeries_;
};

}  // namespace kalvane
