// Where the controls of each colour-code window stand, in twips: the band
// selectors (both sets at the same places), the resistor drawing with its
// band pictures, and the frames with their captions. No language moves
// them. Plain data.
#pragma once

#include <array>

#include "core/colour_tables.h"
#include "i18n/control_place.h"

namespace kalvane {

struct ColourWindowPlaces {
  int clientWidth;
  int clientHeight;
  std::array<ControlPlace, kMaxBandCount> selectors;  // unused past the band count
  ControlPlace body;
  std::array<int, kMaxBandCount> pictureLefts;
  std::array<bool, kMaxBandCount> onEndCap;  // a full-height band picture on an end of the body
  ControlPlace typedValueFrame, resistanceFrame, englishValue, persianValue, toleranceFrame,
      tolerance;
  ControlPlace temperatureFrame, temperature;  // 6 bands only
};

inline constexpr int kSelectorTop = 240;
inline constexpr int kSelectorHeight = 315;
inline constexpr int kEndPictureTop = 850;     // first and tolerance band: 120 x 780
inline constexpr int kMiddlePictureTop = 910;  // the bands between: 120 x 660
inline constexpr ControlPlace kTypedValueBoxPlace = FixedPlace("ResisEnter", 1060, 360, 1455, 285);

inline constexpr ColourWindowPlaces kFourBandPlaces = {
    5880,
    4035,
    {FixedPlace("", 120, kSelectorTop, 1215, kSelectorHeight),
     FixedPlace("", 1440, kSelectorTop, 1215, kSelectorHeight),
     FixedPlace("", 2760, kSelectorTop, 1455, kSelectorHeight),
     FixedPlace("", 4440, kSelectorTop, 1335, kSelectorHeight),
     {},
     {}},
    FixedPlace("Image6", 1320, 850, 3330, 795),
    {1920, 2595, 3255, 3930, 0, 0},
    {true, false, false, true, false, false},
    FixedPlace("Frame3", 1150, 1800, 3615, 880),
    FixedPlace("Frame1", 120, 3000, 3615, 880),
    FixedPlace("LResValE", 150, 420, 1455, 255),
    FixedPlace("LResValF", 1800, 420, 1590, 255),
    FixedPlace("Frame2", 3960, 3000, 1815, 880),
    FixedPlace("LToler", 110, 420, 1590, 255),
    {},
    {}};
inline constexpr ColourWindowPlaces kFiveBandPlaces = {
    7200,
    4035,
    {FixedPlace("", 120, kSelectorTop, 1215, kSelectorHeight),
     FixedPlace("", 1440, kSelectorTop, 1215, kSelectorHeight),
     FixedPlace("", 2760, kSelectorTop, 1215, kSelectorHeight),
     FixedPlace("", 4080, kSelectorTop, 1455, kSelectorHeight),
     FixedPlace("", 5760, kSelectorTop, 1335, kSelectorHeight),
     {}},
    FixedPlace("Image6", 1920, 850, 3330, 795),
    {2530, 3000, 3480, 3940, 4540, 0},
    {true, false, false, false, true, false},
    FixedPlace("Frame3", 1780, 1800, 3615, 880),
    FixedPlace("Frame1", 120, 3000, 4095, 880),
    FixedPlace("LResValE", 150, 420, 1455, 255),
    FixedPlace("LResValF", 2280, 420, 1590, 255),
    FixedPlace("Frame2", 4440, 3000, 2610, 880),
    FixedPlace("LToler", 105, 420, 2400, 255),
    {},
    {}};
// The 5-band window with the temperature-coefficient band last: on the
// body's right end, the tolerance moved onto its middle.
inline constexpr ColourWindowPlaces kSixBandPlaces = {
    8900,
    4035,
    {FixedPlace("", 120, kSelectorTop, 1215, kSelectorHeight),
     FixedPlace("", 1440, kSelectorTop, 1215, kSelectorHeight),
     FixedPlace("", 2760, kSelectorTop, 1215, kSelectorHeight),
     FixedPlace("", 4080, kSelectorTop, 1455, kSelectorHeight),
     FixedPlace("", 5640, kSelectorTop, 1335, kSelectorHeight),
     FixedPlace("", 7080, kSelectorTop, 1700, kSelectorHeight)},
    FixedPlace("Image6", 2785, 850, 3330, 795),
    {3385, 3865, 4195, 4525, 4915, 5410},
    {true, false, false, false, false, true},
    FixedPlace("Frame3", 2642, 1800, 3615, 880),
    FixedPlace("Frame1", 120, 3000, 4095, 880),
    FixedPlace("LResValE", 150, 420, 1455, 255),
    FixedPlace("LResValF", 2280, 420, 1590, 255),
    FixedPlace("Frame2", 4335, 3000, 2160, 880),
    FixedPlace("LToler", 105, 420, 1950, 255),
    FixedPlace("Frame4", 6615, 3000, 2165, 880),
    FixedPlace("LTempCo", 105, 420, 1955, 255)};

constexpr const ColourWindowPlaces& ColourPlacesOf(WindowKind kind) {
  switch (kind) {
    case WindowKind::FourBand:
      return kFourBandPlaces;
    case WindowKind::FiveBand:
      break;
    case WindowKind::SixBand:
      return kSixBandPlaces;
  }
  return kFiveBandPlaces;
}

}  // namespace kalvane
