// Fuzz target for the network finder: the input chooses a small list of
// values (each byte a value of the E24 mantissas over four decades, or, when
// its top bit is set, a value of its own), the values left out, a target and
// the largest count. The finder's lists must be the plain enumeration's,
// network for network.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/network_finder.h"
#include "core/tests/network_finder_brute_force.h"
#include "fuzz/fuzz_check.h"

namespace kalvane::fuzz {
namespace {

std::string Describe(const std::vector<CountResult>& counts) {
  std::string out;
  for (const CountResult& count : counts) {
    out += std::to_string(count.count) + ":";
    for (const Network& n : count.networks)
      out += " " + std::to_string(static_cast<int>(n.shape)) + "=" + std::to_string(n.value);
    out += ";";
  }
  return out;
}

void Check(const std::uint8_t* data, std::size_t size) {
  if (size < 4)
    return;
  // Bytes 0-1: the target, log-uniform over 0.1 Ohm to 10 MOhm; byte 2: the
  // count and which values are left out; the rest: the values.
  const double target = std::pow(10.0, -1 + 8 * ((data[0] << 8 | data[1]) / 65535.0));
  const int maxCount = 1 + (data[2] & 3);
  const std::uint8_t leftOut = data[2] >> 2;
  const auto mantissas = StandardSeriesTable(StandardSeries::E24);
  std::vector<double> values;
  for (std::size_t k = 3; k < size && values.size() < 7; ++k) {
    const std::uint8_t b = data[k];
    const double value = (b & 0x80) ? 0.5 + (b & 0x7F) * 37.25
                                    : mantissas[b % 24].ohms * std::pow(10.0, (b / 24) % 4);
    values.push_back(value);
  }
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
  std::vector<std::uint8_t> excluded(values.size(), 0);
  for (std::size_t k = 0; k < values.size() && k < 6; ++k)
    excluded[k] = (leftOut >> k) & 1;
  const ResistorSet set(values);
  const auto found = FindNetworks(set, excluded, target, maxCount);
  FUZZ_CHECK(found.has_value(), "search stopped", "");
  const auto expected = test::EnumerateNetworks(values, excluded, target, maxCount);
  FUZZ_CHECK(*found == expected, Describe(*found), Describe(expected));
}

}  // namespace
}  // namespace kalvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kalvane::fuzz::Check(data, size);
  return 0;
}
