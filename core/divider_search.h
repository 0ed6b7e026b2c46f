// The search for the pair of resistors that sets a voltage: a divider (R1
// from Vin to the output, R2 from the output to ground, an optional load
// across R2) or the feedback pair of an adjustable regulator (R1 between OUT
// and ADJ, R2 from ADJ to ground). It ranks every pair of allowed values and
// keeps the best dozen. Reading texts and choosing the allowed values (the
// series minus exclusions) are the caller's.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace kalvane {

// A divider's question. Preconditions: vin > 0, 0 < vout < vin, load >= 0.
struct DividerTarget {
  double vin = 0;
  double vout = 0;      // the wanted output voltage
  double totalMin = 0;  // R1 + R2 must lie in [totalMin, totalMax] (Ohm)
  double totalMax = 0;
  double load = 0;  // a resistance across R2 (Ohm); 0 for none
};

// An adjustable regulator's question, Vout = Vref * (1 + R2 / R1) + Iadj * R2.
// Preconditions: vref > 0, vout > vref, iadj >= 0.
struct RegulatorTarget {
  double vout = 0;              // the wanted output voltage
  double vref = 0;              // the reference between OUT and ADJ (V)
  double iadj = 0;              // the current out of the ADJ pin (A)
  double r1Min = 0, r1Max = 0;  // allowed R1 and R2 (Ohm), inclusive
  double r2Min = 0, r2Max = 0;
};

// One pair and what it gives.
struct DividerPair {
  double r1 = 0;
  double r2 = 0;
  double vout = 0;   // the output voltage the pair gives
  double error = 0;  // vout / wanted - 1, signed
  // The current through R1 (A): from Vin into the output node for a
  // divider (the load's share included), Vref / R1 for a regulator.
  double current = 0;
  // The output at the worst corners of the resistors' tolerance (and, for a
  // regulator, of the reference's): the lowest and the highest it can be.
  // The load and Iadj are taken as exact.
  double voutLow = 0;
  double voutHigh = 0;
};

inline constexpr std::size_t kDividerResultCount = 12;

// A pair as the searches evaluate it; `tolerance` and `vrefTolerance` are
// fractions (0.05 for 5 %).
DividerPair EvaluateDivider(const DividerTarget& target, double r1, double r2, double tolerance);
DividerPair EvaluateRegulator(const RegulatorTarget& target, double r1, double r2, double tolerance,
                              double vrefTolerance);

// The ranking: the smaller |vout - wanted| first; on a tie the smaller
// current through R1 (a lighter divider), then the smaller R1. Pairs with
// the same R1 and R2 are the same pair, so the order is total.
bool RanksBefore(const DividerPair& a, const DividerPair& b, double wanted);

// The best kDividerResultCount pairs (fewer when fewer exist), best first,
// R1 and R2 each any of `values`, the same value allowed for both, within
// the target's ranges. `values` are the allowed resistances, ascending,
// distinct and above zero. Exact: the same as ranking every pair.
std::vector<DividerPair> FindDividerPairs(const DividerTarget& target,
                                          std::span<const double> values, double tolerance);
std::vector<DividerPair> FindRegulatorPairs(const RegulatorTarget& target,
                                            std::span<const double> values, double tolerance,
                                            double vrefTolerance);

}  // namespace kalvane
