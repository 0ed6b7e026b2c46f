#include "core/divider_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalvane {
namespace {

double DividerOutput(double vin, double r1, double r2, double load) {
  const double lower = load > 0 ? r2 * load / (r2 + load) : r2;
  return vin * lower / (r1 + lower);
}

double RegulatorOutput(double vref, double iadj, double r1, double r2) {
  return vref * (1 + r2 / r1) + iadj * r2;
}

// The best pairs offered so far, at most kDividerResultCount, kept as a heap
// whose front is the worst of them.
class BestDozen {
 public:
  explicit BestDozen(double wanted) : wanted_(wanted) { heap_.reserve(kDividerResultCount); }

  // Takes `pair` if it ranks among the best. False when neither it nor any
  // pair further from the wanted voltage can: the caller stops walking away
  // from the ideal value.
  bool Offer(const DividerPair& pair) {
    const auto better = [this](const DividerPair& a, const DividerPair& b) {
      return RanksBefore(a, b, wanted_);
    };
    if (heap_.size() < kDividerResultCount) {
      heap_.push_back(pair);
      std::push_heap(heap_.begin(), heap_.end(), better);
      return true;
    }
    const DividerPair& worst = heap_.front();
    if (better(pair, worst)) {
      std::pop_heap(heap_.begin(), heap_.end(), better);
      heap_.back() = pair;
      std::push_heap(heap_.begin(), heap_.end(), better);
      return true;
    }
    // A pair as far off as the worst kept may still follow it on a tie.
    return std::abs(pair.vout - wanted_) <= std::abs(worst.vout - wanted_);
  }

  std::vector<DividerPair> Sorted() {
    std::sort_heap(heap_.begin(), heap_.end(), [this](const DividerPair& a, const DividerPair& b) {
      return RanksBefore(a, b, wanted_);
    });
    return std::move(heap_);
  }

 private:
  double wanted_;
  std::vector<DividerPair> heap_;
};

using Index = std::size_t;

// The first index in [first, last) whose value fails `holds`, for a
// predicate that holds on a prefix.
template <typename Predicate>
Index FirstFailing(std::span<const double> values, Index first, Index last, Predicate holds) {
  const auto begin = values.begin();
  return static_cast<Index>(std::partition_point(begin + static_cast<std::ptrdiff_t>(first),
                                                 begin + static_cast<std::ptrdiff_t>(last), holds) -
                            begin);
}

// Offers the pairs of `r1` with R2 in values[lo, hi), walking both ways out
// from the first value not below `idealR2`. The output rises with R2, so on
// each side every further step is further off; a side ends when a pair
// cannot enter.
template <typename Evaluate>
void OfferAround(std::span<const double> values, Index lo, Index hi, double r1, double idealR2,
                 BestDozen& best, const Evaluate& evaluate) {
  const Index ideal = FirstFailing(values, lo, hi, [idealR2](double v) { return v < idealR2; });
  for (Index j = ideal; j < hi; ++j) {
    if (!best.Offer(evaluate(r1, values[j])))
      break;
  }
  for (Index j = ideal; j-- > lo;) {
    if (!best.Offer(evaluate(r1, values[j])))
      break;
  }
}

}  // namespace

DividerPair EvaluateDivider(const DividerTarget& target, double r1, double r2, double tolerance) {
  DividerPair pair;
  pair.r1 = r1;
  pair.r2 = r2;
  pair.vout = DividerOutput(target.vin, r1, r2, target.load);
  pair.error = pair.vout / target.vout - 1;
  pair.current = (target.vin - pair.vout) / r1;
  // The output rises with R2 and falls with R1.
  pair.voutLow = DividerOutput(target.vin, r1 * (1 + tolerance), r2 * (1 - tolerance), target.load);
  pair.voutHigh =
      DividerOutput(target.vin, r1 * (1 - tolerance), r2 * (1 + tolerance), target.load);
  return pair;
}

DividerPair EvaluateRegulator(const RegulatorTarget& target, double r1, double r2, double tolerance,
                              double vrefTolerance) {
  DividerPair pair;
  pair.r1 = r1;
  pair.r2 = r2;
  pair.vout = RegulatorOutput(target.vref, target.iadj, r1, r2);
  pair.error = pair.vout / target.vout - 1;
  pair.current = target.vref / r1;
  // The output rises with Vref and R2 and falls with R1.
  pair.voutLow = RegulatorOutput(target.vref * (1 - vrefTolerance), target.iadj,
                                 r1 * (1 + tolerance), r2 * (1 - tolerance));
  pair.voutHigh = RegulatorOutput(target.vref * (1 + vrefTolerance), target.iadj,
                                  r1 * (1 - tolerance), r2 * (1 + tolerance));
  return pair;
}

bool RanksBefore(const DividerPair& a, const DividerPair& b, double wanted) {
  const double offA = std::abs(a.vout - wanted);
  const double offB = std::abs(b.vout - wanted);
  if (offA != offB)
    return offA < offB;
  if (a.current != b.current)
    return a.current < b.current;
  if (a.r1 != b.r1)
    return a.r1 < b.r1;
  return a.r2 < b.r2;
}

std::vector<DividerPair> FindDividerPairs(const DividerTarget& target,
                                          std::span<const double> values, double tolerance) {
  BestDozen best(target.vout);
  const double ratio = target.vout / target.vin;
  const auto evaluate = [&](double r1, double r2) {
    return EvaluateDivider(target, r1, r2, tolerance);
  };
  for (const double r1 : values) {
    const Index lo =
        FirstFailing(values, 0, values.size(), [&](double v) { return r1 + v < target.totalMin; });
    const Index hi = FirstFailing(values, lo, values.size(),
                                  [&](double v) { return r1 + v <= target.totalMax; });
    if (lo == hi)
      continue;
    // The R2 (with the load across it) that gives the wanted output exactly.
    const double lower = r1 * ratio / (1 - ratio);
    double idealR2 = lower;
    if (target.load > 0) {
      idealR2 = lower < target.load ? lower * target.load / (target.load - lower)
                                    : std::numeric_limits<double>::infinity();
    }
    OfferAround(values, lo, hi, r1, idealR2, best, evaluate);
  }
  return best.Sorted();
}

std::vector<DividerPair> FindRegulatorPairs(const RegulatorTarget& target,
                                            std::span<const double> values, double tolerance,
                                            double vrefTolerance) {
  BestDozen best(target.vout);
  const auto evaluate = [&](double r1, double r2) {
    return EvaluateRegulator(target, r1, r2, tolerance, vrefTolerance);
  };
  const Index n = values.size();
  const Index r1Lo = FirstFailing(values, 0, n, [&](double v) { return v < target.r1Min; });
  const Index r1Hi = FirstFailing(values, r1Lo, n, [&](double v) { return v <= target.r1Max; });
  const Index r2Lo = FirstFailing(values, 0, n, [&](double v) { return v < target.r2Min; });
  const Index r2Hi = FirstFailing(values, r2Lo, n, [&](double v) { return v <= target.r2Max; });
  if (r2Lo == r2Hi)
    return {};
  for (Index i = r1Lo; i < r1Hi; ++i) {
    const double r1 = values[i];
    const double idealR2 = (target.vout - target.vref) / (target.vref / r1 + target.iadj);
    OfferAround(values, r2Lo, r2Hi, r1, idealR2, best, evaluate);
  }
  return best.Sorted();
}

}  // namespace kalvane
