// The resistor network finder: for a target resistance and a set of allowed
// resistor values, the best series-parallel networks of exactly 1, 2, 3 and
// 4 resistors, found exactly (no network closer to the target is ever
// missed). It owns the search and the tables it searches; it knows nothing
// of texts, windows or threads, and reads no typed input.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "core/standard_values.h"

namespace kalvane {

// Every series-parallel arrangement of 1 to 4 resistors: 1 of one, 2 of
// two, 4 of three and 10 of four. In the formulas "+" is in series and "|"
// in parallel ("|" binds tighter), a b c d the resistors in the order
// Network::ohms holds them. The order of the list is the last tie-break of
// the ranking.
enum class NetworkShape : std::uint8_t {
  One,                    // a
  Series2,                // a + b
  Parallel2,              // a | b
  Series3,                // a + b + c
  Parallel3,              // a | b | c
  SeriesWithPair3,        // a + (b | c)
  ParallelWithPair3,      // a | (b + c)
  Series4,                // a + b + c + d
  Parallel4,              // a | b | c | d
  ParallelPairInSeries4,  // (a | b) + c + d
  SeriesPairInParallel4,  // (a + b) | c | d
  TwoParallelPairs4,      // (a | b) + (c | d)
  TwoSeriesPairs4,        // (a + b) | (c + d)
  ParallelTripleAndOne4,  // (a | b | c) + d
  SeriesTripleAndOne4,    // (a + b + c) | d
  BridgedSeries4,         // (a + (b | c)) | d
  BridgedParallel4,       // (a | (b + c)) + d
};
inline constexpr std::size_t kNetworkShapeCount = 17;

// How many resistors a shape holds (1 to 4).
int ResistorCount(NetworkShape shape);

// A shape as a tree, for drawing and writing it: a resistor (its position
// in Network::ohms), or two or more parts in series or in parallel. A part
// in series is never itself in series, nor a parallel part in parallel.
struct NetworkPart {
  enum class Kind { Resistor, Series, Parallel };
  Kind kind = Kind::Resistor;
  int resistor = 0;
  std::vector<NetworkPart> parts;
};
NetworkPart ArrangementOf(NetworkShape shape);

// One arrangement with its values.
struct Network {
  NetworkShape shape = NetworkShape::One;
  std::array<double, 4> ohms{};  // the first ResistorCount(shape) are used
  double value = 0;              // NetworkValue(shape, ohms)
  double error = 0;              // value / target - 1, signed
  int distinctValues = 1;        // how many different resistor values it takes

  friend bool operator==(const Network&, const Network&) = default;
};

// The resistance of a shape with these resistors, by the formulas above,
// evaluated in extended precision and rounded once, so that networks that
// are equal in exact arithmetic come out as the same double in practice.
// This is the value the ranking and the tests agree on.
double NetworkValue(NetworkShape shape, const std::array<double, 4>& ohms);

// The allowed values and the sorted table of every two-resistor network
// over them (series and parallel) that the search sweeps. Immutable once
// built; shared by every search over the same values.
class ResistorSet {
 public:
  // The set of one standard series over 1 Ohm to 10 MOhm. Built on first use,
  // by whichever thread asks first, and kept for the program's life.
  static std::shared_ptr<const ResistorSet> ForSeries(StandardSeries series);
  // True once ForSeries(series) has been built.
  static bool SeriesBuilt(StandardSeries series);
  // A set of listed values (a stock list). Duplicates are merged; every
  // value must be positive and finite, and there may be at most
  // kMaxValues distinct values. The last set built is kept, so asking again
  // for the same values builds nothing.
  static std::shared_ptr<const ResistorSet> ForValues(std::vector<double> ohms);
  static constexpr std::size_t kMaxValues = 4096;

  explicit ResistorSet(std::vector<double> ascendingDistinctOhms);

  // The values in ascending order; searches refer to them by position.
  std::span<const double> Values() const { return values_; }
  // Bytes of the tables (values, pairs and the pair index).
  std::size_t TableBytes() const;

  // A two-resistor network of the table: value, then the positions of its
  // resistors (first <= second) and whether they are in parallel.
#pragma pack(push, 4)
  struct Pair {
    double value;
    std::uint32_t code;  // first | second << 15 | parallel << 30
  };
#pragma pack(pop)
  std::span<const Pair> Pairs() const {
    return pairs_;
  }
  // The first pair whose value is not below `ohms` (Pairs().size() if none).
  std::size_t FirstPairNotBelow(double ohms) const;
  // FirstPairNotBelow of each of `ohms` into `positions` (as long), the
  // memory reads of all of them overlapped.
  void FirstPairsNotBelow(std::span<const double> ohms, std::span<std::size_t> positions) const;

 private:
  std::size_t BucketOf(double ohms) const;

  std::vector<double> values_;
  std::vector<Pair> pairs_;
  // pairs_ grouped by the top bits of their value's representation: the
  // pairs of bucket b are [bucketStart_[b], bucketStart_[b + 1]).
  std::vector<std::uint32_t> bucketStart_;
  std::uint64_t firstKey_ = 0;
  int keyShift_ = 0;
};

// The networks of one resistor count: the best first, then up to four
// runners-up, each of a value none before it has.
struct CountResult {
  int count = 0;
  std::vector<Network> networks;
  friend bool operator==(const CountResult&, const CountResult&) = default;
};

// Lets a newer request stop an older search: a search stops when `latest`
// no longer holds the generation it was started for.
struct SearchStop {
  const std::atomic<std::uint64_t>* latest = nullptr;
  std::uint64_t generation = 0;
  bool Requested() const { return latest && latest->load(std::memory_order_relaxed) != generation; }
};

// The best networks of exactly 1, 2, ... maxCount resistors (1 to 4) for a
// positive, finite target, over the set's values except those whose
// position is marked (non-zero) in `excluded` (empty, or one flag per
// value). A value
// may be used more than once. Best means the smallest |value - target|;
// equal distances go to fewer distinct values, then the lower value, then
// the shape's order, then the resistors' positions compared in order.
// Counts whose every network uses an excluded value are left empty. None
// when `stop` asked the search to end before it was done.
std::optional<std::vector<CountResult>> FindNetworks(const ResistorSet& set,
                                                     std::span<const std::uint8_t> excluded,
                                                     double target, int maxCount,
                                                     SearchStop stop = {});

// How many networks a count lists at most.
inline constexpr std::size_t kNetworksPerCount = 5;

}  // namespace kalvane
