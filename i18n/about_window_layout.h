// Where the About window's controls stand, in twips. The details and the
// picture change sides with the language; the details are wider in English
// and the picture's frame sits a little higher, so those two have a place
// for each language. Plain data.
#pragma once

#include "i18n/control_place.h"

namespace kalvane {

inline constexpr int kAboutClientWidth = 5325;
inline constexpr int kAboutClientHeight = 3765;
inline constexpr ControlPlace kAboutPicturePlace = {"Image11", 120, 3450, 180, 1860, 1920};
inline constexpr ControlPlace kForumLinkPlace = FixedPlace("Label8", 1950, 3360, 1335, 270);

constexpr ControlPlace AboutDetailsPlace(Language language) {
  return language == Language::Persian ? FixedPlace("Label10", 2160, 120, 2955, 2955)
                                       : FixedPlace("Label10", 120, 120, 3195, 2955);
}
constexpr ControlPlace AboutPictureFramePlace(Language language) {
  return language == Language::Persian ? FixedPlace("Shape1", 120, 165, 1860, 1950)
                                       : FixedPlace("Shape1", 3450, 160, 1860, 1950);
}

}  // namespace kalvane
