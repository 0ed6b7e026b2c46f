// The yardstick the network finder is checked against: every network of
// every shape, each spelled once, valued by NetworkValue and ranked by the
// documented order, with no table, no sweep and no pruning. Slow on
// purpose; for small value sets only. Shared by the tests and the fuzz target.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <tuple>
#include <vector>

#include "core/network_finder.h"

namespace kalvane::test {

struct Enumerated {
  Network network;
  std::array<std::size_t, 4> positions;
};

inline std::vector<CountResult> EnumerateNetworks(std::span<const double> values,
                                                  std::span<const std::uint8_t> excluded,
                                                  double target, int maxCount) {
  std::vector<std::size_t> allowed;
  for (std::size_t k = 0; k < values.size(); ++k) {
    if (excluded.empty() || excluded[k] == 0)
      allowed.push_back(k);
  }
  std::vector<std::vector<Enumerated>> byCount(5);
  auto add = [&](NetworkShape shape, std::size_t a, std::size_t b, std::size_t c, std::size_t d) {
    Enumerated e;
    e.network.shape = shape;
    e.positions = {a, b, c, d};
    const int count = ResistorCount(shape);
    int distinct = 0;
    for (int r = 0; r < count; ++r) {
      const std::size_t p = e.positions[static_cast<std::size_t>(r)];
      e.network.ohms[static_cast<std::size_t>(r)] = values[p];
      bool seen = false;
      for (int q = 0; q < r; ++q)
        seen = seen || e.positions[static_cast<std::size_t>(q)] == p;
      distinct += seen ? 0 : 1;
    }
    for (int r = count; r < 4; ++r)
      e.positions[static_cast<std::size_t>(r)] = 0;
    e.network.value = NetworkValue(shape, e.network.ohms);
    e.network.error = e.network.value / target - 1;
    e.network.distinctValues = distinct;
    byCount[static_cast<std::size_t>(count)].push_back(e);
  };
  using S = NetworkShape;
  for (std::size_t a : allowed) {
    add(S::One, a, 0, 0, 0);
    for (std::size_t b : allowed) {
      if (b >= a) {
        add(S::Series2, a, b, 0, 0);
        add(S::Parallel2, a, b, 0, 0);
      }
      for (std::size_t c : allowed) {
        if (c < b)
          continue;
        add(S::SeriesWithPair3, a, b, c, 0);
        add(S::ParallelWithPair3, a, b, c, 0);
        if (b >= a) {
          add(S::Series3, a, b, c, 0);
          add(S::Parallel3, a, b, c, 0);
        }
        for (std::size_t d : allowed) {
          add(S::BridgedSeries4, a, b, c, d);
          add(S::BridgedParallel4, a, b, c, d);
          if (b >= a) {
            add(S::ParallelTripleAndOne4, a, b, c, d);
            add(S::SeriesTripleAndOne4, a, b, c, d);
            if (d >= c) {
              add(S::Series4, a, b, c, d);
              add(S::Parallel4, a, b, c, d);
            }
          }
        }
      }
    }
  }
  // The shapes of two pairs: a <= b, c <= d, and two pairs of the same kind
  // with the first pair not after the second.
  for (std::size_t a : allowed)
    for (std::size_t b : allowed)
      for (std::size_t c : allowed)
        for (std::size_t d : allowed) {
          if (b < a || d < c)
            continue;
          add(S::ParallelPairInSeries4, a, b, c, d);
          add(S::SeriesPairInParallel4, a, b, c, d);
          if (std::tie(a, b) <= std::tie(c, d)) {
            add(S::TwoParallelPairs4, a, b, c, d);
            add(S::TwoSeriesPairs4, a, b, c, d);
          }
        }

  std::vector<CountResult> results;
  if (!(target > 0) || values.empty())
    return results;
  for (int count = 1; count <= std::clamp(maxCount, 1, 4); ++count) {
    std::vector<Enumerated>& all = byCount[static_cast<std::size_t>(count)];
    // Only networks as near as the fifth distinct value can be listed.
    std::vector<std::pair<double, double>> distances;  // distance, value
    for (const Enumerated& e : all)
      distances.emplace_back(std::abs(e.network.value - target), e.network.value);
    std::sort(distances.begin(), distances.end());
    std::vector<double> seen;
    double reach = HUGE_VAL;
    for (const auto& [distance, value] : distances) {
      if (std::find(seen.begin(), seen.end(), value) == seen.end())
        seen.push_back(value);
      if (seen.size() == kNetworksPerCount) {
        reach = distance;
        break;
      }
    }
    std::erase_if(all,
                  [&](const Enumerated& e) { return std::abs(e.network.value - target) > reach; });
    auto key = [target](const Enumerated& e) {
      return std::tuple(std::abs(e.network.value - target), e.network.distinctValues,
                        e.network.value, e.network.shape, e.positions);
    };
    std::sort(all.begin(), all.end(),
              [&](const Enumerated& x, const Enumerated& y) { return key(x) < key(y); });
    CountResult result;
    result.count = count;
    for (const Enumerated& e : all) {
      if (result.networks.size() == kNetworksPerCount)
        break;
      const bool listed = std::any_of(result.networks.begin(), result.networks.end(),
                                      [&](const Network& n) { return n.value == e.network.value; });
      if (!listed)
        result.networks.push_back(e.network);
    }
    results.push_back(result);
  }
  return results;
}

}  // namespace kalvane::test
