#include "core/network_finder_model.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "core/entry_rules.h"
#include "core/resistance_list.h"

namespace kalvane {
namespace {

// The list box's separators typed on a Persian keyboard (the Arabic comma
// U+060C and semicolon U+061B) and line breaks and tabs of a paste, as the
// ASCII separators the box's character set holds.
std::string WithAsciiSeparators(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c == 0xD8 && i + 1 < utf8.size()) {
      const auto next = static_cast<unsigned char>(utf8[i + 1]);
      if (next == 0x8C || next == 0x9B) {
        out.push_back(next == 0x8C ? ',' : ';');
        ++i;
        continue;
      }
    }
    out.push_back(c == '\n' || c == '\r' || c == '\t' ? ' ' : utf8[i]);
  }
  return out;
}

bool SameValue(double a, double b) {
  return std::abs(a - b) <= 1e-9 * std::max(a, b);
}

NetworkFinderModel::Problem TargetProblem(ResistanceTextError error) {
  using P = NetworkFinderModel::Problem;
  switch (error) {
    case ResistanceTextError::Empty:
      return P::EmptyTarget;
    case ResistanceTextError::NotANumber:
      break;
    case ResistanceTextError::UnknownUnit:
      return P::TargetUnknownUnit;
    case ResistanceTextError::OutOfRange:
      return P::TargetOutOfRange;
    case ResistanceTextError::TooManyDigits:
      return P::TargetTooManyDigits;
  }
  return P::TargetNotAResistance;
}

}  // namespace

NetworkFinderModel::NetworkFinderModel() : target_("1234") {
  Renew();
}

std::optional<std::string> NetworkFinderModel::KeyInsertion(Box box, std::string_view keyText,
                                                            std::size_t selected) const {
  const std::string key = box == Box::List ? WithAsciiSeparators(keyText) : std::string(keyText);
  return KeyInsertionWithin(key, kPrintableAscii, CharacterCount(Text(box)), selected,
                            LengthLimit(box));
}

std::string NetworkFinderModel::PasteInsertion(Box box, std::string_view clipboard,
                                               std::size_t selected) const {
  const std::string text =
      box == Box::List ? WithAsciiSeparators(clipboard) : std::string(clipboard);
  return PasteInsertionWithin(text, kPrintableAscii, CharacterCount(Text(box)), selected,
                              LengthLimit(box));
}

void NetworkFinderModel::Edit(Box box, std::string_view text) {
  std::string ascii = ToAsciiNumberText(box == Box::List ? WithAsciiSeparators(text) : text);
  ascii.resize(ByteOffsetOf(ascii, LengthLimit(box)));
  (box == Box::Target ? target_ : list_) = std::move(ascii);
  Renew();
}

void NetworkFinderModel::SelectSeries(StandardSeries series) {
  series_ = series;
  Renew();
}

void NetworkFinderModel::SelectMaxCount(int count) {
  maxCount_ = std::clamp(count, 1, 4);
  Renew();
}

void NetworkFinderModel::SelectMode(ListMode mode) {
  mode_ = mode;
  Renew();
}

void NetworkFinderModel::Renew() {
  ++generation_;
  error_.reset();
  pending_.reset();
  results_.reset();
  picked_.clear();
  notInSeries_.clear();

  Request request;
  request.generation = generation_;
  request.maxCount = maxCount_;
  request.series = series_;
  request.mode = mode_;
  auto target = ReadResistanceText(target_);
  if (const auto* bad = std::get_if<ResistanceTextError>(&target)) {
    error_ = InputError{TargetProblem(*bad)};
    return;
  }
  request.target = std::get<ResistanceText>(target).ohms;
  if (!(request.target > 0)) {
    error_ = InputError{Problem::TargetOutOfRange};
    return;
  }
  auto list = ReadResistanceList(list_);
  if (const auto* bad = std::get_if<ResistanceListError>(&list)) {
    error_ = InputError{Problem::BadListEntry, bad->entry, bad->error};
    return;
  }
  const auto& entries = std::get<std::vector<ResistanceText>>(list);
  for (const ResistanceText& entry : entries)
    request.listed.push_back(entry.ohms);
  if (mode_ == ListMode::StockOnly) {
    if (request.listed.empty())
      error_ = InputError{Problem::NoValueLeft};
  } else {
    std::size_t left = 0;
    for (const StandardValue& value : StandardSeriesTable(series_)) {
      const bool out = std::any_of(request.listed.begin(), request.listed.end(),
                                   [&](double x) { return SameValue(x, value.ohms); });
      left += out ? 0 : 1;
    }
    if (left == 0)
      error_ = InputError{Problem::NoValueLeft};
    const auto table = StandardSeriesTable(series_);
    for (const ResistanceText& entry : entries) {
      const bool inSeries = std::any_of(table.begin(), table.end(), [&](const StandardValue& v) {
        return SameValue(entry.ohms, v.ohms);
      });
      if (!inSeries)
        notInSeries_.push_back(entry.text);
    }
  }
  if (!error_)
    pending_ = std::move(request);
}

std::optional<std::vector<CountResult>> NetworkFinderModel::Run(const Request& request,
                                                                SearchStop stop) {
  if (request.mode == ListMode::StockOnly) {
    const auto set = ResistorSet::ForValues(request.listed);
    return FindNetworks(*set, {}, request.target, request.maxCount, stop);
  }
  const auto set = ResistorSet::ForSeries(request.series);
  std::vector<std::uint8_t> excluded;
  if (!request.listed.empty()) {
    excluded.assign(set->Values().size(), 0);
    for (std::size_t k = 0; k < excluded.size(); ++k) {
      const double value = set->Values()[k];
      excluded[k] = std::any_of(request.listed.begin(), request.listed.end(),
                                [value](double x) { return SameValue(x, value); })
                        ? 1
                        : 0;
    }
  }
  return FindNetworks(*set, excluded, request.target, request.maxCount, stop);
}

bool NetworkFinderModel::Deliver(std::uint64_t generation, std::vector<CountResult> results) {
  if (generation != generation_ || !pending_)
    return false;
  pending_.reset();
  results_ = std::move(results);
  picked_.assign(results_->size(), 0);
  return true;
}

std::size_t NetworkFinderModel::Picked(int count) const {
  const auto at = static_cast<std::size_t>(count - 1);
  return count >= 1 && at < picked_.size() ? picked_[at] : 0;
}

void NetworkFinderModel::Pick(int count, std::size_t index) {
  const auto at = static_cast<std::size_t>(count - 1);
  if (count >= 1 && results_ && at < results_->size() && index < (*results_)[at].networks.size())
    picked_[at] = index;
}

std::optional<int> NetworkFinderModel::HintCount() const {
  if (!results_)
    return std::nullopt;
  const double tenth = SeriesTolerance(series_) / 100 / 10;
  for (const CountResult& count : *results_) {
    if (count.count >= maxCount_ || count.networks.empty())
      continue;
    if (std::abs(count.networks.front().error) <= tenth)
      return count.count;
  }
  return std::nullopt;
}

}  // namespace kalvane
