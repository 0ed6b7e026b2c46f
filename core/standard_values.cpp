#include "core/standard_values.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"

namespace kalvane {
namespace {

// One decade of each series as integers of its significant digits, per
// IEC 60063: E24 1.0 is 10 and 9.1 is 91; E96 1.00 is 100 and 9.76 is 976.
constexpr std::array<int, 6> kE6 = {10, 15, 22, 33, 47, 68};
constexpr std::array<int, 12> kE12 = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> kE24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                      33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::array<int, 48> kE48 = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                                      178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                                      316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                                      562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array<int, 96> kE96 = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
constexpr std::array<int, 192> kE192 = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

constexpr int kDecades = 7;
constexpr std::string_view kTopEntry = "10000000";

constexpr std::size_t EntryCount(std::size_t perDecade) {
  return perDecade * kDecades + 1;
}

// Entry texts are built from the integer mantissa and the decade, so no
// floating-point product is ever written. With d significant digits, the
// decades below d - 1 put a point after decade + 1 digits ("4.7", "4.75",
// "47.5"); from decade d - 1 on the digits are followed by zeros ("47",
// "4700", "475", "47500").
template <std::size_t PerDecade>
struct TableStorage {
  static constexpr std::size_t kCount = EntryCount(PerDecade);
  std::array<std::string, kCount> texts;
  std::array<StandardValue, kCount> entries;

  TableStorage(const std::array<int, PerDecade>& mantissas, int digitCount) {
    std::size_t i = 0;
    for (int decade = 0; decade < kDecades; ++decade) {
      for (int mantissa : mantissas) {
        char digits[3] = {};
        for (int k = digitCount - 1, rest = mantissa; k >= 0; --k, rest /= 10)
          digits[k] = static_cast<char>('0' + rest % 10);
        std::string text;
        if (decade < digitCount - 1) {
          const std::size_t integerDigits = static_cast<std::size_t>(decade) + 1;
          text.assign(digits, integerDigits).append(1, '.');
          text.append(digits + integerDigits, static_cast<std::size_t>(digitCount) - integerDigits);
        } else {
          text.assign(digits, static_cast<std::size_t>(digitCount));
          text.append(static_cast<std::size_t>(decade - (digitCount - 1)), '0');
        }
        texts[i++] = std::move(text);
      }
    }
    texts[i] = kTopEntry;
    for (std::size_t k = 0; k < kCount; ++k) {
      entries[k] = StandardValue{texts[k], TextToNumber(texts[k])};
    }
  }
};

const TableStorage<24>& E24Storage() {
  static const TableStorage<24> storage(kE24, 2);
  return storage;
}

}  // namespace

double SeriesTolerance(StandardSeries series) {
  switch (series) {
    case StandardSeries::E6:
      return 20;
    case StandardSeries::E12:
      return 10;
    case StandardSeries::E24:
      return 5;
    case StandardSeries::E48:
      return 2;
    case StandardSeries::E96:
      return 1;
    case StandardSeries::E192:
      break;
  }
  return 0.5;
}

std::string_view SeriesName(StandardSeries series) {
  switch (series) {
    case StandardSeries::E6:
      return "E6";
    case StandardSeries::E12:
      return "E12";
    case StandardSeries::E24:
      return "E24";
    case StandardSeries::E48:
      return "E48";
    case StandardSeries::E96:
      return "E96";
    case StandardSeries::E192:
      return "E192";
  }
  return {};
}

std::span<const int> SeriesMantissas(StandardSeries series) {
  switch (series) {
    case StandardSeries::E6:
      return kE6;
    case StandardSeries::E12:
      return kE12;
    case StandardSeries::E24:
      return kE24;
    case StandardSeries::E48:
      return kE48;
    case StandardSeries::E96:
      return kE96;
    case StandardSeries::E192:
      return kE192;
  }
  return {};
}

std::span<const StandardValue> StandardSeriesTable(StandardSeries series) {
  switch (series) {
    case StandardSeries::E6: {
      static const TableStorage<6> storage(kE6, 2);
      return storage.entries;
    }
    case StandardSeries::E12: {
      static const TableStorage<12> storage(kE12, 2);
      return storage.entries;
    }
    case StandardSeries::E24:
      return E24Storage().entries;
    case StandardSeries::E48: {
      static const TableStorage<48> storage(kE48, 3);
      return storage.entries;
    }
    case StandardSeries::E96: {
      static const TableStorage<96> storage(kE96, 3);
      return storage.entries;
    }
    case StandardSeries::E192: {
      static const TableStorage<192> storage(kE192, 3);
      return storage.entries;
    }
  }
  return {};
}

const std::array<StandardValue, kStandardValueCount>& StandardValueTable() {
  static_assert(TableStorage<24>::kCount == kStandardValueCount);
  return E24Storage().entries;
}

// Both searches halve the ascending table. A NaN r compares false with every
// entry, so it is refused first: it is below no entry and above none.
std::optional<StandardValue> FindLargerStandard(double r, StandardSeries series) {
  const std::span<const StandardValue> table = StandardSeriesTable(series);
  if (std::isnan(r))
    return std::nullopt;
  const auto firstNotBelow = std::partition_point(
      table.begin(), table.end(), [r](const StandardValue& entry) { return entry.ohms < r; });
  if (firstNotBelow == table.end())
    return std::nullopt;
  return *firstNotBelow;
}

std::optional<StandardValue> FindSmallerStandard(double r, StandardSeries series) {
  const std::span<const StandardValue> table = StandardSeriesTable(series);
  if (std::isnan(r))
    return std::nullopt;
  // The last entry not above r sits just before the first entry above it.
  const auto firstAbove = std::partition_point(
      table.begin(), table.end(), [r](const StandardValue& entry) { return entry.ohms <= r; });
  if (firstAbove == table.begin())
    return std::nullopt;
  return *(firstAbove - 1);
}

std::string StandardCaption(const StandardValue& entry, std::string_view ohmWord,
                            std::string_view tag) {
  std::string caption;
  caption.reserve(entry.text.size() + ohmWord.size() + tag.size() + 3);
  caption.append(entry.text).append(" ").append(ohmWord).append("  ").append(tag);
  return caption;
}

}  // namespace kalvane
