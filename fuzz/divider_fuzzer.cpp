// Fuzz target for the divider and regulator searches and their window
// model. The first 40 bytes choose a small run of a standard series with some
// values left out, a divider question and a regulator question; both
// searches must give exactly the best dozen of ranking every pair. The rest
// of the input (a mode byte, a box byte, the text) is typed into a box of the window model, which
// must keep its limit and either name a problem or give ranked pairs within its ranges.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/divider_model.h"
#include "core/divider_search.h"
#include "core/entry_rules.h"
#include "core/standard_values.h"
#include "fuzz/fuzz_check.h"

namespace kalvane::fuzz {
namespace {

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  unsigned Next() { return at_ < size_ ? data_[at_++] : 0; }
  unsigned Next16() { return Next() << 8 | Next(); }
  // A value in [low, high) spread over the 16 bits taken.
  double Between(double low, double high) { return low + (high - low) * Next16() / 65536.0; }
  std::string_view Rest() const {
    return at_ < size_ ? std::string_view(reinterpret_cast<const char*>(data_ + at_), size_ - at_)
                       : std::string_view();
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

template <typename Allowed, typename Evaluate>
std::vector<DividerPair> RankEveryPair(const std::vector<double>& values, double wanted,
                                       Allowed allowed, Evaluate evaluate) {
  std::vector<DividerPair> all;
  for (double r1 : values)
    for (double r2 : values)
      if (allowed(r1, r2))
        all.push_back(evaluate(r1, r2));
  std::sort(all.begin(), all.end(), [wanted](const DividerPair& a, const DividerPair& b) {
    return RanksBefore(a, b, wanted);
  });
  all.resize(std::min(all.size(), kDividerResultCount));
  return all;
}

void CheckSame(const std::vector<DividerPair>& found, const std::vector<DividerPair>& every,
               const char* what) {
  FUZZ_CHECK(found.size() == every.size(), what, "a different count of pairs");
  for (std::size_t i = 0; i < found.size(); ++i)
    FUZZ_CHECK(found[i].r1 == every[i].r1 && found[i].r2 == every[i].r2, what, "a different pair");
}

void CheckSearches(Bytes& in) {
  const StandardSeries series = kStandardSeries[in.Next() % kStandardSeries.size()];
  const auto table = StandardSeriesTable(series);
  const std::size_t first = in.Next16() % table.size();
  const std::size_t count = std::min<std::size_t>(in.Next() % 48 + 1, table.size() - first);
  const std::uint64_t dropped = static_cast<std::uint64_t>(in.Next16()) << 16 | in.Next16();
  std::vector<double> values;
  for (std::size_t i = 0; i < count; ++i)
    if ((dropped >> (i % 32) & 1) == 0 || i % 3 == 0)
      values.push_back(table[first + i].ohms);
  const double tolerance = SeriesTolerance(series) / 100;

  DividerTarget divider;
  divider.vin = in.Between(0.01, 100);
  divider.vout = divider.vin * in.Between(0.001, 0.999);
  divider.totalMin = in.Next() % 4 == 0 ? 0 : in.Between(0, 2) * table[first].ohms;
  divider.totalMax = divider.totalMin + in.Between(0, 30) * table[first].ohms;
  divider.load = in.Next() % 2 == 0 ? 0 : in.Between(0.01, 100) * table[first].ohms;
  CheckSame(FindDividerPairs(divider, values, tolerance),
            RankEveryPair(
                values, divider.vout,
                [&](double r1, double r2) {
                  return r1 + r2 >= divider.totalMin && r1 + r2 <= divider.totalMax;
                },
                [&](double r1, double r2) { return EvaluateDivider(divider, r1, r2, tolerance); }),
            "divider");

  RegulatorTarget regulator;
  regulator.vref = in.Between(0.1, 5);
  regulator.vout = regulator.vref * in.Between(1.0001, 40);
  regulator.iadj = in.Next() % 2 == 0 ? 0 : in.Between(0, 200e-6);
  regulator.r1Min = in.Between(0, 3) * table[first].ohms;
  regulator.r1Max = regulator.r1Min + in.Between(0, 20) * table[first].ohms;
  regulator.r2Min = in.Between(0, 3) * table[first].ohms;
  regulator.r2Max = regulator.r2Min + in.Between(0, 50) * table[first].ohms;
  CheckSame(FindRegulatorPairs(regulator, values, tolerance, 0.04),
            RankEveryPair(
                values, regulator.vout,
                [&](double r1, double r2) {
                  return r1 >= regulator.r1Min && r1 <= regulator.r1Max && r2 >= regulator.r2Min &&
                         r2 <= regulator.r2Max;
                },
                [&](double r1, double r2) {
                  return EvaluateRegulator(regulator, r1, r2, tolerance, 0.04);
                }),
            "regulator");
}

void CheckModel(Bytes& in) {
  DividerModel model;
  const unsigned choice = in.Next();
  model.SetMode(choice & 1 ? DividerModel::Mode::Regulator : DividerModel::Mode::Divider);
  model.SetTargetKind(choice & 2 ? DividerModel::TargetKind::Ratio
                                 : DividerModel::TargetKind::Voltage);
  const auto box = static_cast<DividerModel::Box>(in.Next() % DividerModel::kBoxCount);
  const std::string_view typed = in.Rest();
  model.Edit(box, typed);
  const std::string& kept = model.Text(box);
  FUZZ_CHECK(CharacterCount(kept) <= DividerModel::LengthLimit(box), typed, kept);
  const auto* pairs = model.Pairs();
  if (!pairs) {
    FUZZ_CHECK(!model.WantedVout(), typed, "a wanted output beside a problem");
    return;
  }
  FUZZ_CHECK(!pairs->empty() && pairs->size() <= kDividerResultCount, typed, kept);
  FUZZ_CHECK(model.WantedVout().has_value(), typed, "pairs without a wanted output");
  for (std::size_t i = 0; i < pairs->size(); ++i) {
    const DividerPair& pair = (*pairs)[i];
    FUZZ_CHECK(pair.voutLow <= pair.vout && pair.vout <= pair.voutHigh, typed, kept);
    if (i > 0)
      FUZZ_CHECK(RanksBefore((*pairs)[i - 1], pair, *model.WantedVout()), typed, kept);
  }
}

}  // namespace
}  // namespace kalvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kQuestion = 40;
  kalvane::fuzz::Bytes question(data, std::min(size, kQuestion));
  kalvane::fuzz::CheckSearches(question);
  kalvane::fuzz::Bytes typing(data + std::min(size, kQuestion), size - std::min(size, kQuestion));
  kalvane::fuzz::CheckModel(typing);
  return 0;
}
