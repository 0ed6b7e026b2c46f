// A list of resistances as a user types it (a stock list, or the values to
// leave out): entries read by the typed-resistance grammar of the SMD value
// box, separated by commas, semicolons (Latin or Arabic) or blanks. It only
// reads; which values a search may use is the caller's business.
#pragma once

#include <cstddef>
#include <string_view>
#include <variant>
#include <vector>

#include "core/smd_code.h"

namespace kalvane {

// Why a list cannot be read: the 1-based position of the first entry that
// is not a resistance, and what is wrong with it.
struct ResistanceListError {
  std::size_t entry;
  ResistanceTextError error;
  friend bool operator==(const ResistanceListError&, const ResistanceListError&) = default;
};

// The entries in the order typed, duplicates kept; an empty or blank list
// reads as no entry. Persian and Arabic digits and the Arabic decimal
// separator read as ASCII. A zero entry is refused as OutOfRange: no search
// can use a resistor of nothing.
std::variant<std::vector<ResistanceText>, ResistanceListError> ReadResistanceList(
    std::string_view typed);

}  // namespace kalvane
