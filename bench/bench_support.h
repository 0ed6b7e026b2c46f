// What every benchmark program shares: a monotonic clock that all processes
// of one run agree on, the peak resident memory of this process, medians,
// and the one line format in which a program hands a table row to run.sh.
// It measures nothing by itself and knows no targets.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalvane::bench {

// CLOCK_MONOTONIC in nanoseconds: the same clock in every process, so a
// parent's spawn time and a child's first-paint time can be subtracted.
std::int64_t MonotonicNs();

// VmHWM of /proc/self/status in kB (peak resident set size), or -1 when it
// cannot be read.
long PeakResidentKb();

// Median of `values`; 0 for an empty list.
double Median(std::vector<double> values);

// A number with `decimals` digits after the point, "C"-locale style.
std::string Fixed(double value, int decimals);

// "PASS" when `value` <= `limit`, else "FAIL".
std::string_view Verdict(double value, double limit);

// Prints one table row for run.sh: "ROW", then figure, value, target and
// verdict, separated by tabs, on stdout, flushed at once.
void PrintRow(std::string_view figure, std::string_view value, std::string_view target,
              std::string_view verdict);

}  // namespace kalvane::bench
