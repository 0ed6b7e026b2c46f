// The About window's details, one line per element, in Persian and in
// English: the program, what it calculates (items and sub-items indented
// with spaces) and how to reach its author. Plain data.
#pragma once

#include <string>
#include <vector>

#include "core/language_words.h"

namespace kalvane {

// The lines in `language`, "" for the empty ones.
std::vector<std::string> AboutLines(Language language);

}  // namespace kalvane
