// The standard resistor values (the E series E6 to E192) the LED panel offers
// next to a computed resistor, the two nearest-value searches over them, and
// the caption that shows a found value. It knows nothing of how the caption
// is displayed, nor which series the user chose.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kalvane {

struct StandardValue {
  std::string_view text;  // shown to the user exactly as stored: "1.0", "47", "10000000"
  double ohms;            // TextToNumber(text)
};

// The IEC 60063 series, coarsest first. E6, E12 and E24 carry two
// significant digits with the historical E24 values (2.7, 3.0, ... 8.2);
// E48, E96 and E192 are their own three-digit lists.
enum class StandardSeries { E6, E12, E24, E48, E96, E192 };

inline constexpr std::array<StandardSeries, 6> kStandardSeries = {
    StandardSeries::E6,  StandardSeries::E12, StandardSeries::E24,
    StandardSeries::E48, StandardSeries::E96, StandardSeries::E192};

// "E6", "E12", ... "E192".
std::string_view SeriesName(StandardSeries series);

// The usual tolerance of the parts sold in a series, in percent: E6 20,
// E12 10, E24 5, E48 2, E96 1, E192 0.5.
double SeriesTolerance(StandardSeries series);

// The mantissas of one decade in ascending order, as integers of the
// series' significant digits: 10 to 91 for E6, E12 and E24 (E24 has 24 of
// them), 100 to 976 for E48, E96 and E192 (E192 has 192).
std::span<const int> SeriesMantissas(StandardSeries series);

// The series from 1 Ohm through seven decades (x1 to x1000000) in ascending
// order, then 10000000. Texts are built from the integer mantissas: E6 to
// E24 write "1.0" to "9.1", then whole numbers ("10", "9100000"); E48 to
// E192 write "1.00" to "9.76", "10.0" to "97.6", then whole numbers ("100",
// "9760000"). The last entry is "10000000" in every series.
std::span<const StandardValue> StandardSeriesTable(StandardSeries series);

inline constexpr std::size_t kStandardValueCount = 169;

// The E24 table, StandardSeriesTable(StandardSeries::E24).
const std::array<StandardValue, kStandardValueCount>& StandardValueTable();

// The entry of `series` with the smallest value not below r; none when r is
// above the largest entry or not a number. Any r at or below the first entry
// (1 Ohm), zero and negatives included, gives the first entry.
std::optional<StandardValue> FindLargerStandard(double r,
                                                StandardSeries series = StandardSeries::E24);

// The entry of `series` with the largest value not above r; none when r is
// below the first entry (1 Ohm) or not a number.
std::optional<StandardValue> FindSmallerStandard(double r,
                                                 StandardSeries series = StandardSeries::E24);

// "<entry text> <ohm word>  <tag>", e.g. "51 Ohm  (Larger)".
std::string StandardCaption(const StandardValue& entry, std::string_view ohmWord,
                            std::string_view tag);

}  // namespace kalvane
