#include "core/standard_values.h"

#include "core/number_text.h"

namespace kalvane {
namespace {

// E24 mantissas times ten: 1.0 is 10, 9.1 is 91.
constexpr std::array<int, 24> kE24Tenths = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                            33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr int kDecades = 7;

// Entry texts are built from the integer mantissa and the decade, so no
// floating-point product is ever written: decade 0 gives "m.m", decade k
// gives the two mantissa digits followed by k - 1 zeros.
struct TableStorage {
  std::array<std::string, kStandardValueCount> texts;
  std::array<StandardValue, kStandardValueCount> entries;

  TableStorage() {
    std::size_t i = 0;
    for (int decade = 0; decade < kDecades; ++decade) {
      for (int tenths : kE24Tenths) {
        const char digits[] = {static_cast<char>('0' + tenths / 10),
                               static_cast<char>('0' + tenths % 10)};
        std::string text;
        if (decade == 0) {
          text = {digits[0], '.', digits[1]};
        } else {
          text.assign(digits, 2).append(static_cast<std::size_t>(decade - 1), '0');
        }
        texts[i++] = std::move(text);
      }
    }
    texts[i] = "10000000";
    for (std::size_t k = 0; k < kStandardValueCount; ++k) {
      entries[k] = StandardValue{texts[k], TextToNumber(texts[k])};
    }
  }
};

}  // namespace

const std::array<StandardValue, kStandardValueCount>& StandardValueTable() {
  static const TableStorage storage;
  return storage.entries;
}

std::optional<StandardValue> FindLargerStandard(double r) {
  for (const StandardValue& entry : StandardValueTable()) {
    if (r <= entry.ohms)
      return entry;
  }
  return std::nullopt;
}

std::optional<StandardValue> FindSmallerStandard(double r) {
  std::optional<StandardValue> candidate;
  for (const StandardValue& entry : StandardValueTable()) {
    if (r >= entry.ohms)
      candidate = entry;
  }
  return candidate;
}

std::string StandardCaption(const StandardValue& entry, std::string_view ohmWord,
                            std::string_view tag) {
  std::string caption;
  caption.reserve(entry.text.size() + ohmWord.size() + tag.size() + 3);
  caption.append(entry.text).append(" ").append(ohmWord).append("  ").append(tag);
  return caption;
}

}  // namespace kalvane
