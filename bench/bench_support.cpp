#include "bench/bench_support.h"

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iomanip>
#include <sstream>

namespace kalvane::bench {

std::int64_t MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

long PeakResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) {
      std::istringstream fields(line.substr(6));
      long kb = -1;
      fields >> kb;
      return kb;
    }
  }
  return -1;
}

double Median(std::vector<double> values) {
  if (values.empty())
    return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  if (values.size() % 2 == 1)
    return values[middle];
  return (values[middle - 1] + values[middle]) / 2;
}

std::string Fixed(double value, int decimals) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << std::fixed << std::setprecision(decimals) << value;
  return text.str();
}

std::string_view Verdict(double value, double limit) {
  return value <= limit ? "PASS" : "FAIL";
}

void PrintRow(std::string_view figure, std::string_view value, std::string_view target,
              std::string_view verdict) {
  std::printf("ROW\t%.*s\t%.*s\t%.*s\t%.*s\n", static_cast<int>(figure.size()), figure.data(),
              static_cast<int>(value.size()), value.data(), static_cast<int>(target.size()),
              target.data(), static_cast<int>(verdict.size()), verdict.data());
  std::fflush(stdout);
}

}  // namespace kalvane::bench
