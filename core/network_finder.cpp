#include "core/network_finder.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <mutex>

namespace kalvane {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr std::uint32_t kIndexMask = 0x7FFF;
constexpr std::uint32_t kParallelBit = 1u << 30;
// How often the long sweeps look whether a newer request wants them to stop.
constexpr std::size_t kStopCheckEvery = 2048;

std::uint32_t PairCode(std::size_t first, std::size_t second, bool parallel) {
  return static_cast<std::uint32_t>(first) | static_cast<std::uint32_t>(second) << 15 |
         (parallel ? kParallelBit : 0u);
}
std::uint16_t FirstOf(std::uint32_t code) {
  return static_cast<std::uint16_t>(code & kIndexMask);
}
std::uint16_t SecondOf(std::uint32_t code) {
  return static_cast<std::uint16_t>(code >> 15 & kIndexMask);
}
bool IsParallel(std::uint32_t code) {
  return (code & kParallelBit) != 0;
}

// Parallel resistance as the search and the table compute it.
double Par(double x, double y) {
  return x * y / (x + y);
}
long double ParL(long double x, long double y) {
  return x * y / (x + y);
}

// The key the pair index buckets by: positive doubles order as their bits.
std::uint64_t BitsOf(double x) {
  return std::bit_cast<std::uint64_t>(x);
}

// A network found by a search, by the positions of its resistors in the
// set, in the shape's canonical order (see Canonical).
struct Candidate {
  NetworkShape shape;
  std::array<std::uint16_t, 4> index;
  double value;
  double distance;  // |value - target|
  int distinct;
};

// Puts positions that a shape's formula treats alike in ascending order, so
// that one network has one spelling.
void Canonical(NetworkShape shape, std::array<std::uint16_t, 4>& i) {
  auto sort = [&i](std::size_t from, std::size_t to) {
    std::sort(i.begin() + static_cast<std::ptrdiff_t>(from),
              i.begin() + static_cast<std::ptrdiff_t>(to));
  };
  switch (shape) {
    case NetworkShape::One:
      break;
    case NetworkShape::Series2:
    case NetworkShape::Parallel2:
      sort(0, 2);
      break;
    case NetworkShape::Series3:
    case NetworkShape::Parallel3:
    case NetworkShape::ParallelTripleAndOne4:
    case NetworkShape::SeriesTripleAndOne4:
      sort(0, 3);
      break;
    case NetworkShape::SeriesWithPair3:
    case NetworkShape::ParallelWithPair3:
    case NetworkShape::BridgedSeries4:
    case NetworkShape::BridgedParallel4:
      sort(1, 3);
      break;
    case NetworkShape::Series4:
    case NetworkShape::Parallel4:
      sort(0, 4);
      break;
    case NetworkShape::ParallelPairInSeries4:
    case NetworkShape::SeriesPairInParallel4:
      sort(0, 2);
      sort(2, 4);
      break;
    case NetworkShape::TwoParallelPairs4:
    case NetworkShape::TwoSeriesPairs4:
      sort(0, 2);
      sort(2, 4);
      if (std::pair(i[2], i[3]) < std::pair(i[0], i[1])) {
        std::swap(i[0], i[2]);
        std::swap(i[1], i[3]);
      }
      break;
  }
}

int DistinctOf(const std::array<std::uint16_t, 4>& i, int count) {
  int distinct = 0;
  for (int k = 0; k < count; ++k) {
    bool seen = false;
    for (int l = 0; l < k; ++l)
      seen = seen || i[static_cast<std::size_t>(l)] == i[static_cast<std::size_t>(k)];
    distinct += seen ? 0 : 1;
  }
  return distinct;
}

// The ranking: nearer first, then fewer distinct values, then the lower
// value, then the shape's order, then the positions in order.
bool RanksBefore(const Candidate& a, const Candidate& b) {
  if (a.distance != b.distance)
    return a.distance < b.distance;
  if (a.distinct != b.distinct)
    return a.distinct < b.distinct;
  if (a.value != b.value)
    return a.value < b.value;
  if (a.shape != b.shape)
    return a.shape < b.shape;
  return a.index < b.index;
}

// The networks of one count that may still make its list: every candidate
// offered that ranks no worse than the fifth distinct value found so far.
class Ranking {
 public:
  Ranking(std::span<const double> values, double target) : values_(values), target_(target) {}

  // How far from the target a search value may lie and still be offered:
  // the current fifth distinct distance, plus room for the rounding by
  // which a search value may differ from the network's NetworkValue.
  double Band() const { return threshold_ + 1e-12 * (target_ + threshold_); }
  bool Worth(double searchValue) const { return std::abs(searchValue - target_) <= Band(); }

  void Offer(NetworkShape shape, std::array<std::uint16_t, 4> index) {
    Canonical(shape, index);
    const int count = ResistorCount(shape);
    std::array<double, 4> ohms{};
    for (int k = 0; k < count; ++k)
      ohms[static_cast<std::size_t>(k)] = values_[index[static_cast<std::size_t>(k)]];
    const double value = NetworkValue(shape, ohms);
    const Candidate candidate{shape, index, value, std::abs(value - target_),
                              DistinctOf(index, count)};
    if (candidate.distance > threshold_)
      return;
    for (const Candidate& kept : kept_) {
      if (kept.shape == shape && kept.index == index)
        return;
    }
    kept_.insert(std::upper_bound(kept_.begin(), kept_.end(), candidate, RanksBefore), candidate);
    // The fifth distinct value bounds what may still make the list.
    std::size_t picked = 0;
    std::array<double, kNetworksPerCount> values{};
    for (const Candidate& kept : kept_) {
      if (std::find(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(picked),
                    kept.value) != values.begin() + static_cast<std::ptrdiff_t>(picked))
        continue;
      values[picked++] = kept.value;
      if (picked == kNetworksPerCount) {
        threshold_ = kept.distance;
        break;
      }
    }
    while (!kept_.empty() && kept_.back().distance > threshold_)
      kept_.pop_back();
  }

  // The list: the best, then each next network of a value not yet listed.
  CountResult Result(int count) const {
    CountResult result;
    result.count = count;
    for (const Candidate& kept : kept_) {
      if (result.networks.size() == kNetworksPerCount)
        break;
      const bool listed = std::any_of(result.networks.begin(), result.networks.end(),
                                      [&](const Network& n) { return n.value == kept.value; });
      if (listed)
        continue;
      Network network;
      network.shape = kept.shape;
      for (int k = 0; k < ResistorCount(kept.shape); ++k)
        network.ohms[static_cast<std::size_t>(k)] =
            values_[kept.index[static_cast<std::size_t>(k)]];
      network.value = kept.value;
      network.error = kept.value / target_ - 1;
      network.distinctValues = kept.distinct;
      result.networks.push_back(network);
    }
    return result;
  }

 private:
  std::span<const double> values_;
  double target_;
  double threshold_ = kInfinity;
  std::vector<Candidate> kept_;
};

// One search over a set for a target; each Count* fills one ranking.
class Search {
 public:
  Search(const ResistorSet& set, std::span<const std::uint8_t> excluded, double target,
         SearchStop stop)
      : values_(set.Values()),
        pairs_(set.Pairs()),
        set_(set),
        excluded_(excluded),
        target_(target),
        stop_(stop) {}

  bool Stopped() const { return stopped_; }

  void CountOne(Ranking& ranking) {
    const std::size_t n = values_.size();
    const auto at = static_cast<std::size_t>(
        std::lower_bound(values_.begin(), values_.end(), target_) - values_.begin());
    for (std::size_t q = at; q < n && ranking.Worth(values_[q]); ++q) {
      if (Allowed(q))
        ranking.Offer(NetworkShape::One, {Index(q), 0, 0, 0});
    }
    for (std::size_t q = at; q-- > 0 && ranking.Worth(values_[q]);) {
      if (Allowed(q))
        ranking.Offer(NetworkShape::One, {Index(q), 0, 0, 0});
    }
  }

  void CountTwo(Ranking& ranking) {
    ScanPairs(
        ranking, set_.FirstPairNotBelow(target_), 0, pairs_.size(),
        [](double pair) { return pair; },
        [&](std::uint32_t code) {
          ranking.Offer(IsParallel(code) ? NetworkShape::Parallel2 : NetworkShape::Series2,
                        {FirstOf(code), SecondOf(code), 0, 0});
        });
  }

  // a + pair and a | pair.
  void CountThree(Ranking& ranking) {
    for (std::size_t a = 0; a < values_.size() && !CheckStop(a); ++a) {
      if (!Allowed(a))
        continue;
      const double va = values_[a];
      const std::uint16_t ia = Index(a);
      ScanPairs(
          ranking, set_.FirstPairNotBelow(target_ - va), 0, pairs_.size(),
          [va](double pair) { return va + pair; },
          [&](std::uint32_t code) {
            ranking.Offer(IsParallel(code) ? NetworkShape::SeriesWithPair3 : NetworkShape::Series3,
                          {ia, FirstOf(code), SecondOf(code), 0});
          });
      if (va <= target_ - ranking.Band())
        continue;  // a | pair stays below a
      const double partner = va > target_ ? va * target_ / (va - target_) : kInfinity;
      ScanPairs(
          ranking, set_.FirstPairNotBelow(partner), 0, pairs_.size(),
          [va](double pair) { return Par(va, pair); },
          [&](std::uint32_t code) {
            ranking.Offer(
                IsParallel(code) ? NetworkShape::Parallel3 : NetworkShape::ParallelWithPair3,
                {ia, FirstOf(code), SecondOf(code), 0});
          });
    }
  }

  // pair + pair and pair | pair: two sweeps over the sorted pair table,
  // each over the narrow side (the larger pair of a sum lies between half
  // the target and the target; the smaller pair of a parallel network
  // between the target and twice it), the partner's position moving the
  // other way.
  void CountFourFromTwoPairs(Ranking& ranking) {
    const std::size_t m = pairs_.size();
    // Sums: the larger pair at i, the smaller at or below it. Walked up from
    // half the target first, so that the band is narrow before the walk
    // down from there.
    std::size_t j = m;
    auto sum = [&](std::size_t i) {
      const double y = pairs_[i].value;
      if (!PairAllowed(pairs_[i].code))
        return;
      const double partner = target_ - y;
      if (j == m || pairs_[j].value < partner)
        j = set_.FirstPairNotBelow(partner);
      while (j > 0 && pairs_[j - 1].value >= partner)
        --j;
      const std::uint32_t second = pairs_[i].code;
      ScanPairs(
          ranking, std::min(j, i + 1), 0, i + 1, [y](double pair) { return y + pair; },
          [&](std::uint32_t first) { OfferTwoPairs(ranking, first, second, false); });
    };
    const std::size_t half = set_.FirstPairNotBelow(target_ / 2);
    for (std::size_t i = half; i < m && !CheckStop(i); ++i) {
      if (pairs_[i].value > target_ + ranking.Band())
        break;
      sum(i);
    }
    j = m;
    for (std::size_t i = half; i-- > 0 && !CheckStop(i);) {
      if (pairs_[i].value < (target_ - ranking.Band()) / 2)
        break;
      sum(i);
    }
    // Parallel networks: the smaller pair at i, the larger at or above it.
    j = m;
    auto parallel = [&](std::size_t i) {
      const double x = pairs_[i].value;
      if (!PairAllowed(pairs_[i].code))
        return;
      const double partner = x > target_ ? x * target_ / (x - target_) : kInfinity;
      while (j > 0 && pairs_[j - 1].value >= partner)
        --j;
      const std::uint32_t first = pairs_[i].code;
      ScanPairs(
          ranking, std::max(j, i), i, m, [x](double pair) { return Par(x, pair); },
          [&](std::uint32_t second) { OfferTwoPairs(ranking, first, second, true); });
    };
    const std::size_t above = set_.FirstPairNotBelow(target_);
    for (std::size_t i = above; i < m && !CheckStop(i); ++i) {
      if (pairs_[i].value > 2 * (target_ + ranking.Band()))
        break;
      parallel(i);
    }
    j = m;
    for (std::size_t i = above; i-- > 0 && !CheckStop(i);) {
      if (pairs_[i].value < target_ - ranking.Band())
        break;
      parallel(i);
    }
  }

  // d + (a | pair) and d | (a + pair): the four shapes no split into two
  // pairs reaches.
  void CountFourFromOneAndThree(Ranking& ranking) {
    const std::size_t n = values_.size();
    for (std::size_t d = 0; d < n && !stopped_; ++d) {
      const double vd = values_[d];
      if (vd > target_ + ranking.Band())
        break;
      if (!Allowed(d) || CheckStop(0))
        continue;
      const double rest = target_ - vd;  // what a | pair must make
      const std::size_t firstA = static_cast<std::size_t>(
          std::upper_bound(values_.begin(), values_.end(), rest - ranking.Band()) -
          values_.begin());
      // Every a's partner is looked up in one batch, so that the lookups'
      // memory reads overlap.
      partners_.clear();
      for (std::size_t a = firstA; a < n; ++a) {
        const double va = values_[a];
        partners_.push_back(va > rest ? va * rest / (va - rest) : kInfinity);
      }
      LookUpPartners();
      for (std::size_t a = firstA; a < n; ++a) {
        if (!Allowed(a))
          continue;
        const double va = values_[a];
        const std::uint16_t ia = Index(a), id = Index(d);
        ScanPairs(
            ranking, positions_[a - firstA], 0, pairs_.size(),
            [va, vd](double pair) { return vd + Par(va, pair); },
            [&](std::uint32_t code) {
              ranking.Offer(IsParallel(code) ? NetworkShape::ParallelTripleAndOne4
                                             : NetworkShape::BridgedParallel4,
                            {ia, FirstOf(code), SecondOf(code), id});
            });
      }
    }
    const auto firstD = static_cast<std::size_t>(
        std::upper_bound(values_.begin(), values_.end(), target_ - ranking.Band()) -
        values_.begin());
    for (std::size_t d = firstD; d < n && !stopped_; ++d) {
      if (!Allowed(d) || CheckStop(0))
        continue;
      const double vd = values_[d];
      const double rest = vd > target_ ? vd * target_ / (vd - target_) : kInfinity;  // a + pair
      // The largest a + pair that still lands within the band: d | x grows
      // slowly with x, so x may lie far above `rest`.
      const double high = target_ + ranking.Band();
      const double most = vd > high ? vd * high / (vd - high) : kInfinity;
      partners_.clear();
      for (std::size_t a = 0; a < n && values_[a] <= most; ++a)
        partners_.push_back(rest - values_[a]);
      LookUpPartners();
      for (std::size_t a = 0; a < partners_.size(); ++a) {
        if (!Allowed(a))
          continue;
        const double va = values_[a];
        const std::uint16_t ia = Index(a), id = Index(d);
        ScanPairs(
            ranking, positions_[a], 0, pairs_.size(),
            [va, vd](double pair) { return Par(vd, va + pair); },
            [&](std::uint32_t code) {
              ranking.Offer(IsParallel(code) ? NetworkShape::BridgedSeries4
                                             : NetworkShape::SeriesTripleAndOne4,
                            {ia, FirstOf(code), SecondOf(code), id});
            });
      }
    }
  }

 private:
  static std::uint16_t Index(std::size_t position) { return static_cast<std::uint16_t>(position); }
  bool Allowed(std::size_t position) const { return excluded_.empty() || excluded_[position] == 0; }
  bool PairAllowed(std::uint32_t code) const {
    return Allowed(FirstOf(code)) && Allowed(SecondOf(code));
  }
  // Looks at the stop request every kStopCheckEvery steps of a sweep (and
  // at every call with step 0).
  bool CheckStop(std::size_t step) {
    if (!stopped_ && step % kStopCheckEvery == 0 && stop_.Requested())
      stopped_ = true;
    return stopped_;
  }

  void LookUpPartners() {
    positions_.resize(partners_.size());
    set_.FirstPairsNotBelow(partners_, positions_);
  }

  // Offers the pairs of positions [lowest, highest) whose network value,
  // `value(pair)`, increasing with the pair's value, lies within the
  // ranking's band: `from` is where the target's partner would stand, so
  // the band is reached by walking out from it both ways.
  template <typename Value, typename Emit>
  void ScanPairs(Ranking& ranking, std::size_t from, std::size_t lowest, std::size_t highest,
                 Value value, Emit emit) {
    const std::size_t start = std::clamp(from, lowest, highest);
    for (std::size_t q = start; q < highest; ++q) {
      const double s = value(pairs_[q].value);
      if (s < target_ - ranking.Band())
        continue;  // the partner was placed a little low by rounding
      if (s > target_ + ranking.Band())
        break;
      if (PairAllowed(pairs_[q].code))
        emit(pairs_[q].code);
    }
    for (std::size_t q = start; q-- > lowest;) {
      const double s = value(pairs_[q].value);
      if (s > target_ + ranking.Band())
        continue;
      if (s < target_ - ranking.Band())
        break;
      if (PairAllowed(pairs_[q].code))
        emit(pairs_[q].code);
    }
  }

  void OfferTwoPairs(Ranking& ranking, std::uint32_t first, std::uint32_t second, bool parallel) {
    const bool firstParallel = IsParallel(first), secondParallel = IsParallel(second);
    NetworkShape shape;
    // The mixed shapes put the pair of the other kind first.
    if (firstParallel == secondParallel) {
      if (parallel)
        shape = firstParallel ? NetworkShape::Parallel4 : NetworkShape::TwoSeriesPairs4;
      else
        shape = firstParallel ? NetworkShape::TwoParallelPairs4 : NetworkShape::Series4;
    } else {
      shape = parallel ? NetworkShape::SeriesPairInParallel4 : NetworkShape::ParallelPairInSeries4;
      if (firstParallel != !parallel)
        std::swap(first, second);
    }
    ranking.Offer(shape, {FirstOf(first), SecondOf(first), FirstOf(second), SecondOf(second)});
  }

  std::span<const double> values_;
  std::span<const ResistorSet::Pair> pairs_;
  const ResistorSet& set_;
  std::span<const std::uint8_t> excluded_;
  double target_;
  SearchStop stop_;
  bool stopped_ = false;
  std::vector<double> partners_;
  std::vector<std::size_t> positions_;
};

struct SeriesCache {
  std::once_flag once;
  std::shared_ptr<const ResistorSet> set;
  std::atomic<bool> built{false};
};
SeriesCache& CacheOf(StandardSeries series) {
  static std::array<SeriesCache, kStandardSeries.size()> caches;
  return caches[static_cast<std::size_t>(series)];
}

}  // namespace

int ResistorCount(NetworkShape shape) {
  if (shape == NetworkShape::One)
    return 1;
  if (shape <= NetworkShape::Parallel2)
    return 2;
  if (shape <= NetworkShape::ParallelWithPair3)
    return 3;
  return 4;
}

NetworkPart ArrangementOf(NetworkShape shape) {
  using Kind = NetworkPart::Kind;
  auto r = [](int position) { return NetworkPart{Kind::Resistor, position, {}}; };
  auto series = [](std::vector<NetworkPart> parts) {
    return NetworkPart{Kind::Series, 0, std::move(parts)};
  };
  auto parallel = [](std::vector<NetworkPart> parts) {
    return NetworkPart{Kind::Parallel, 0, std::move(parts)};
  };
  switch (shape) {
    case NetworkShape::One:
      break;
    case NetworkShape::Series2:
      return series({r(0), r(1)});
    case NetworkShape::Parallel2:
      return parallel({r(0), r(1)});
    case NetworkShape::Series3:
      return series({r(0), r(1), r(2)});
    case NetworkShape::Parallel3:
      return parallel({r(0), r(1), r(2)});
    case NetworkShape::SeriesWithPair3:
      return series({r(0), parallel({r(1), r(2)})});
    case NetworkShape::ParallelWithPair3:
      return parallel({r(0), series({r(1), r(2)})});
    case NetworkShape::Series4:
      return series({r(0), r(1), r(2), r(3)});
    case NetworkShape::Parallel4:
      return parallel({r(0), r(1), r(2), r(3)});
    case NetworkShape::ParallelPairInSeries4:
      return series({parallel({r(0), r(1)}), r(2), r(3)});
    case NetworkShape::SeriesPairInParallel4:
      return parallel({series({r(0), r(1)}), r(2), r(3)});
    case NetworkShape::TwoParallelPairs4:
      return series({parallel({r(0), r(1)}), parallel({r(2), r(3)})});
    case NetworkShape::TwoSeriesPairs4:
      return parallel({series({r(0), r(1)}), series({r(2), r(3)})});
    case NetworkShape::ParallelTripleAndOne4:
      return series({parallel({r(0), r(1), r(2)}), r(3)});
    case NetworkShape::SeriesTripleAndOne4:
      return parallel({series({r(0), r(1), r(2)}), r(3)});
    case NetworkShape::BridgedSeries4:
      return parallel({series({r(0), parallel({r(1), r(2)})}), r(3)});
    case NetworkShape::BridgedParallel4:
      return series({parallel({r(0), series({r(1), r(2)})}), r(3)});
  }
  return r(0);
}

double NetworkValue(NetworkShape shape, const std::array<double, 4>& ohms) {
  const long double a = ohms[0], b = ohms[1], c = ohms[2], d = ohms[3];
  long double r = a;
  switch (shape) {
    case NetworkShape::One:
      break;
    case NetworkShape::Series2:
      r = a + b;
      break;
    case NetworkShape::Parallel2:
      r = ParL(a, b);
      break;
    case NetworkShape::Series3:
      r = a + b + c;
      break;
    case NetworkShape::Parallel3:
      r = ParL(ParL(a, b), c);
      break;
    case NetworkShape::SeriesWithPair3:
      r = a + ParL(b, c);
      break;
    case NetworkShape::ParallelWithPair3:
      r = ParL(a, b + c);
      break;
    case NetworkShape::Series4:
      r = a + b + c + d;
      break;
    case NetworkShape::Parallel4:
      r = ParL(ParL(ParL(a, b), c), d);
      break;
    case NetworkShape::ParallelPairInSeries4:
      r = ParL(a, b) + (c + d);
      break;
    case NetworkShape::SeriesPairInParallel4:
      r = ParL(a + b, ParL(c, d));
      break;
    case NetworkShape::TwoParallelPairs4:
      r = ParL(a, b) + ParL(c, d);
      break;
    case NetworkShape::TwoSeriesPairs4:
      r = ParL(a + b, c + d);
      break;
    case NetworkShape::ParallelTripleAndOne4:
      r = ParL(ParL(a, b), c) + d;
      break;
    case NetworkShape::SeriesTripleAndOne4:
      r = ParL(a + b + c, d);
      break;
    case NetworkShape::BridgedSeries4:
      r = ParL(a + ParL(b, c), d);
      break;
    case NetworkShape::BridgedParallel4:
      r = ParL(a, b + c) + d;
      break;
  }
  return static_cast<double>(r);
}

ResistorSet::ResistorSet(std::vector<double> ascendingDistinctOhms)
    : values_(std::move(ascendingDistinctOhms)) {
  const std::size_t n = values_.size();
  pairs_.reserve(n * (n + 1));
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i; j < n; ++j) {
      pairs_.push_back({values_[i] + values_[j], PairCode(i, j, false)});
      pairs_.push_back({Par(values_[i], values_[j]), PairCode(i, j, true)});
    }
  }
  std::sort(pairs_.begin(), pairs_.end(), [](const Pair& x, const Pair& y) {
    return x.value != y.value ? x.value < y.value : x.code < y.code;
  });
  if (pairs_.empty())
    return;
  // About two pairs a bucket: enough to make a lookup one or two probes.
  const std::uint64_t span = BitsOf(pairs_.back().value) - BitsOf(pairs_.front().value);
  const std::uint64_t wanted = std::max<std::uint64_t>(1, pairs_.size() / 2);
  while (keyShift_ < 63 && (span >> keyShift_) + 1 > wanted)
    ++keyShift_;
  firstKey_ = BitsOf(pairs_.front().value) >> keyShift_;
  const std::size_t buckets = static_cast<std::size_t>((span >> keyShift_) + 2);
  bucketStart_.assign(buckets + 1, 0);
  for (const Pair& pair : pairs_)
    ++bucketStart_[static_cast<std::size_t>((BitsOf(pair.value) >> keyShift_) - firstKey_) + 1];
  for (std::size_t b = 1; b <= buckets; ++b)
    bucketStart_[b] += bucketStart_[b - 1];
}

std::size_t ResistorSet::TableBytes() const {
  return values_.capacity() * sizeof(double) + pairs_.capacity() * sizeof(Pair) +
         bucketStart_.capacity() * sizeof(std::uint32_t);
}

std::size_t ResistorSet::FirstPairNotBelow(double ohms) const {
  if (pairs_.empty() || !(ohms > pairs_.front().value))
    return 0;
  if (ohms > pairs_.back().value)
    return pairs_.size();
  const std::size_t bucket = BucketOf(ohms);
  const auto begin = pairs_.begin() + bucketStart_[bucket];
  const auto end = pairs_.begin() + bucketStart_[bucket + 1];
  return static_cast<std::size_t>(
      std::partition_point(begin, end, [ohms](const Pair& p) { return p.value < ohms; }) -
      pairs_.begin());
}

std::size_t ResistorSet::BucketOf(double ohms) const {
  return static_cast<std::size_t>((BitsOf(ohms) >> keyShift_) - firstKey_);
}

void ResistorSet::FirstPairsNotBelow(std::span<const double> ohms,
                                     std::span<std::size_t> positions) const {
  const auto inside = [this](double x) {
    return !pairs_.empty() && x > pairs_.front().value && x <= pairs_.back().value;
  };
  // The bucket starts first, then the first pair of each bucket, fetched
  // ahead of use; then the answers, from the cache.
  for (double x : ohms) {
    if (inside(x))
      __builtin_prefetch(&bucketStart_[BucketOf(x)]);
  }
  for (double x : ohms) {
    if (inside(x))
      __builtin_prefetch(&pairs_[bucketStart_[BucketOf(x)]]);
  }
  for (std::size_t k = 0; k < ohms.size(); ++k)
    positions[k] = FirstPairNotBelow(ohms[k]);
}

std::shared_ptr<const ResistorSet> ResistorSet::ForSeries(StandardSeries series) {
  SeriesCache& cache = CacheOf(series);
  std::call_once(cache.once, [&cache, series] {
    std::vector<double> ohms;
    for (const StandardValue& entry : StandardSeriesTable(series))
      ohms.push_back(entry.ohms);
    cache.set = std::make_shared<const ResistorSet>(std::move(ohms));
    cache.built.store(true, std::memory_order_release);
  });
  return cache.set;
}

bool ResistorSet::SeriesBuilt(StandardSeries series) {
  return CacheOf(series).built.load(std::memory_order_acquire);
}

std::shared_ptr<const ResistorSet> ResistorSet::ForValues(std::vector<double> ohms) {
  std::sort(ohms.begin(), ohms.end());
  ohms.erase(std::unique(ohms.begin(), ohms.end()), ohms.end());
  static std::mutex mutex;
  static std::shared_ptr<const ResistorSet> last;
  const std::lock_guard lock(mutex);
  if (!last || !std::equal(ohms.begin(), ohms.end(), last->values_.begin(), last->values_.end()))
    last = std::make_shared<const ResistorSet>(std::move(ohms));
  return last;
}

std::optional<std::vector<CountResult>> FindNetworks(const ResistorSet& set,
                                                     std::span<const std::uint8_t> excluded,
                                                     double target, int maxCount, SearchStop stop) {
  std::vector<CountResult> results;
  if (!(target > 0) || !std::isfinite(target) || set.Values().empty())
    return results;
  Search search(set, excluded, target, stop);
  for (int count = 1; count <= std::clamp(maxCount, 1, 4); ++count) {
    Ranking ranking(set.Values(), target);
    switch (count) {
      case 1:
        search.CountOne(ranking);
        break;
      case 2:
        search.CountTwo(ranking);
        break;
      case 3:
        search.CountThree(ranking);
        break;
      default:
        search.CountFourFromTwoPairs(ranking);
        search.CountFourFromOneAndThree(ranking);
        break;
    }
    if (search.Stopped())
      return std::nullopt;
    results.push_back(ranking.Result(count));
  }
  return results;
}

}  // namespace kalvane
