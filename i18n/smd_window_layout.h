// Where the SMD code window's controls stand, in twips: two frames, and in
// each a caption and its box side by side (mirrored between the layouts),
// then the results. Plain data.
#pragma once

#include <array>

#include "i18n/control_place.h"

namespace kalvane {

inline constexpr int kSmdClientWidth = 5400;
inline constexpr int kSmdClientHeight = 4080;
inline constexpr ControlPlace kCodeFramePlace = FixedPlace("Frame1", 120, 120, 5160, 1560);
inline constexpr ControlPlace kValueFramePlace = FixedPlace("Frame2", 120, 1800, 5160, 2160);
// Inside either frame: the caption and the box of its row.
inline constexpr ControlPlace kSmdCaptionPlace = {"", 2610, 150, 390, 2400, 255};
inline constexpr ControlPlace kSmdBoxPlace = {"", 1080, 2640, 360, 1455, 285};
inline constexpr ControlPlace kReadingsPlace = FixedPlace("LReading", 150, 840, 4860, 540);
// The rows of the codes, one per form: its caption where a caption stands,
// its code where a box stands, the caption's height.
inline constexpr std::array<int, 3> kCodeRowTops = {780, 1080, 1380};
inline constexpr ControlPlace kValueMessagePlace =
    FixedPlace("LValueMessage", 150, 1710, 4860, 300);

}  // namespace kalvane
