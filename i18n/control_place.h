// The one shape of every window's layout table: where a control stands, in
// twips (15 to a pixel at 96 dpi) inside its container, in the Persian and
// in the English layout. Each window's table lives in i18n/ beside its
// captions; the window applies it when it is built or given a language.
#pragma once

#include <string_view>

#include "core/language_words.h"

namespace kalvane {

// A control's left edge in each layout, its top and its size.
struct ControlPlace {
  std::string_view name;  // the control's designed name ("" where a window names it itself)
  int persianLeft;
  int englishLeft;
  int top;
  int width;
  int height;
  constexpr int Left(Language language) const {
    return language == Language::Persian ? persianLeft : englishLeft;
  }
};

// A place no language moves.
constexpr ControlPlace FixedPlace(std::string_view name, int left, int top, int width, int height) {
  return {name, left, left, top, width, height};
}

}  // namespace kalvane
