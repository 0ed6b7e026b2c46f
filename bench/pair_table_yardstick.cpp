#include "bench/pair_table_yardstick.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace kalvane::bench {
namespace {

// An entry carries its text, as the peer's does ("4.7 + 10", "4.7 | 10").
struct Combination {
  double value;
  std::string name;
};

std::string Name(double x, char op, double y) {
  std::array<char, 64> text{};
  char* end = std::to_chars(text.data(), text.data() + 30, x).ptr;
  *end++ = ' ';
  *end++ = op;
  *end++ = ' ';
  end = std::to_chars(end, text.data() + text.size(), y).ptr;
  return std::string(text.data(), end);
}

double Par(double x, double y) {
  return x * y / (x + y);
}

// Keeps the value nearest the target.
struct Nearest {
  double target;
  double best = std::numeric_limits<double>::infinity();
  void Offer(double value) {
    if (std::abs(value - target) < std::abs(best - target))
      best = value;
  }
};

// Offers the two table entries either side of where `wanted` would stand,
// each put through `value`.
template <typename Value>
void AroundPartner(const std::vector<Combination>& table, double wanted, Nearest& nearest,
                   Value value) {
  const auto at = std::lower_bound(table.begin(), table.end(), wanted,
                                   [](const Combination& c, double v) { return c.value < v; });
  if (at != table.end())
    nearest.Offer(value(at->value));
  if (at != table.begin())
    nearest.Offer(value((at - 1)->value));
}

}  // namespace

std::array<double, 4> PairTableYardstick(std::span<const double> values, double target) {
  // Rebuilt on every query, as the peer does.
  std::vector<Combination> table;
  const int n = static_cast<int>(values.size());
  for (int i = 0; i < n; ++i) {
    for (int j = i; j < n; ++j) {
      table.push_back({values[i] + values[j], Name(values[i], '+', values[j])});
      table.push_back({Par(values[i], values[j]), Name(values[i], '|', values[j])});
    }
  }
  table.reserve(static_cast<std::size_t>(n) * static_cast<std::size_t>(n + 1));
  std::sort(table.begin(), table.end(),
            [](const Combination& a, const Combination& b) { return a.value < b.value; });
  const double inf = std::numeric_limits<double>::infinity();
  std::array<Nearest, 4> nearest = {Nearest{target}, Nearest{target}, Nearest{target},
                                    Nearest{target}};
  for (double v : values)
    nearest[0].Offer(v);
  AroundPartner(table, target, nearest[1], [](double x) { return x; });
  for (double a : values) {
    AroundPartner(table, target - a, nearest[2], [a](double x) { return a + x; });
    AroundPartner(table, a > target ? a * target / (a - target) : inf, nearest[2],
                  [a](double x) { return Par(a, x); });
  }
  // Two pairs in series or in parallel.
  for (const Combination& c : table) {
    const double x = c.value;
    AroundPartner(table, target - x, nearest[3], [x](double y) { return x + y; });
    AroundPartner(table, x > target ? x * target / (x - target) : inf, nearest[3],
                  [x](double y) { return Par(x, y); });
  }
  // One resistor and a three-resistor network of one resistor and a pair.
  for (double d : values) {
    for (double a : values) {
      const double rest = target - d;
      AroundPartner(table, a > rest ? a * rest / (a - rest) : inf, nearest[3],
                    [a, d](double q) { return d + Par(a, q); });
      const double sum = d > target ? d * target / (d - target) : inf;
      AroundPartner(table, sum - a, nearest[3], [a, d](double q) { return Par(d, a + q); });
    }
  }
  return {nearest[0].best, nearest[1].best, nearest[2].best, nearest[3].best};
}

}  // namespace kalvane::bench
