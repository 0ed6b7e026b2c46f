// Where the main window's controls stand (ControlPlace), in the Persian and
// in the English layout: the one source of the window's geometry. Plain
// data; the window applies it when it is given a language or an arrangement.
#pragma once

#include <array>
#include <string_view>

#include "core/language_words.h"
#include "core/led_circuit.h"
#include "i18n/control_place.h"

namespace kalvane {

inline constexpr int kMainClientWidth = 4980;
inline constexpr int kMainClientHeight = 7665;

// A width of 0 leaves the control its natural width; kRatingRowTop marks
// the rating row, whose top follows the calculation mode (RatingRowTop).
inline constexpr int kRatingRowTop = -1;

constexpr int RatingRowTop(LedCalcMode mode) {
  return mode == LedCalcMode::Resis ? 1850 : 1200;
}

// Persian captions are right-aligned up to the input frame's list edge
// (4455) or a little inside the result frame (4335), units up to a few
// pixels left of the spin buttons (1500) or the result boxes (1520); the
// English layout keeps each width.
inline constexpr int kLabelHeight = 255;
inline constexpr int kBoxWidth = 855;
inline constexpr int kResultBoxWidth = 975;
inline constexpr int kBoxHeight = 330;
inline constexpr int kSpinWidth = 225;
inline constexpr int kSpinHeight = 150;
inline constexpr int kOptionHeight = 255;

// The controls a language moves, row by row in the order the language
// routines move them.
inline constexpr ControlPlace kArrangementListPlace = {"SerMov", 2400, 210, 360, 2055, 315};

// The mode buttons; their width is the caption's, at least kModeButtonWidths.
inline constexpr std::array<ControlPlace, 3> kModeButtonPlaces = {{
    {"Resis", 3600, 210, 800, 0, kOptionHeight},
    {"Volt", 2760, 1350, 800, 0, kOptionHeight},
    {"Amp", 1800, 2490, 800, 0, kOptionHeight},
}};

// One input row: its caption, its box, the spin buttons with the pictures
// that stand in their places, and its unit.
struct InputRowPlaces {
  ControlPlace caption, box, up, upGreyed, down, downGreyed, unit;
};
constexpr InputRowPlaces InputRow(std::string_view caption, int captionLeft, int captionTop,
                                  std::string_view box, int top, std::string_view up,
                                  std::string_view upGreyed, std::string_view down,
                                  std::string_view downGreyed, int downTop, std::string_view unit,
                                  int unitLeft, int unitTop, int unitWidth) {
  return {{caption, captionLeft, 210, captionTop, 4455 - captionLeft, kLabelHeight},
          {box, 1800, 2170, top, kBoxWidth, kBoxHeight},
          {up, 1560, 3030, top, kSpinWidth, kSpinHeight},
          {upGreyed, 1560, 3030, top, kSpinWidth, kSpinHeight},
          {down, 1560, 3030, downTop, kSpinWidth, kSpinHeight},
          {downGreyed, 1560, 3030, downTop, kSpinWidth, kSpinHeight},
          {unit, unitLeft, 3345, unitTop, unitWidth, kLabelHeight}};
}
// In the order of LedInput.
inline constexpr std::array<InputRowPlaces, 4> kInputRowPlaces = {{
    InputRow("Label1", 2565, 1230, "Vtdc", 1190, "BtUpA", "UpDisA", "BtDownA", "DownDisA", 1350,
             "Label8", 1080, 1245, 1500 - 1080),
    InputRow("Label2", 2505, 1660, "LedCount", 1630, "BtUpB", "UpDisB", "BtDownB", "DownDisB", 1795,
             "Label9", 1130, 1675, 1500 - 1140),
    InputRow("Label3", 2535, 2325, "VLed", 2280, "BtUpC", "UpDisC", "BtDownC", "DownDisC", 2445,
             "Label10", 1080, 2340, 1500 - 1080),
    InputRow("Label4", 2565, 2745, "ALed", 2715, "BtUpD", "UpDisD", "BtDownD", "DownDisD", 2880,
             "Label11", 780, 2760, 1500 - 780),
}};

// One result row: its caption, its value and, for the two boxes, its unit.
struct ResultRowPlaces {
  ControlPlace caption, value, unit;  // unit.name is empty where there is none
};
inline constexpr ControlPlace kNoUnit = {"", 0, 0, 0, 0, 0};
// In the order the language routines move them: light, solved value,
// larger and smaller standard value, rating.
inline constexpr std::array<ResultRowPlaces, 5> kResultRowPlaces = {{
    {{"Label5", 2325, 90, 705, 4335 - 2325, kLabelHeight},
     {"WatSH", 1580, 2050, 675, kResultBoxWidth, kBoxHeight},
     {"Label12", 810, 3120, 705, 1520 - 810, kLabelHeight}},
    {{"Label6", 2265, 90, 285, 4335 - 2265, kLabelHeight},
     {"ResisSH", 1580, 2050, 240, kResultBoxWidth, kBoxHeight},
     {"Label13", 810, 3120, 285, 1520 - 810, kLabelHeight}},
    {{"Label16", 1880, 90, 1100, 4335 - 1880, kLabelHeight},
     {"ResisPishLarg", 75, 2460, 1100, 1980, kLabelHeight},
     kNoUnit},
    {{"Label17", 1880, 90, 1440, 4335 - 1880, kLabelHeight},
     {"ResisPishSmall", 75, 2460, 1440, 1980, kLabelHeight},
     kNoUnit},
    {{"Label7", 2000, 90, kRatingRowTop, 4335 - 2000, kLabelHeight},
     {"WatPish", 1640, 2320, kRatingRowTop, 660, kLabelHeight},
     kNoUnit},
}};

// The designed window puts three labels a few twips off the Persian table:
// where they stand from the start until the first language switch.
struct DesignedPosition {
  std::string_view name;
  int left;
  int top;
};
inline constexpr std::array<DesignedPosition, 3> kDesignedOffTable = {{
    {"Label2", 2505, 1665},
    {"Label9", 1140, 1680},
    {"Label12", 810, 720},
}};

// Widths of the mode buttons in each layout; a caption wider than that
// keeps its own width.
struct ModeButtonWidth {
  int persian;
  int english;
  constexpr int In(Language language) const {
    return language == Language::Persian ? persian : english;
  }
};
inline constexpr std::array<ModeButtonWidth, 3> kModeButtonWidths = {
    {{855, 880}, {615, 840}, {735, 850}}};

// The controls no language moves.
inline constexpr ControlPlace kInputFramePlace = {"Frame1", 150, 150, 120, 4695, 5920};
inline constexpr ControlPlace kResultFramePlace = {"Frame2", 120, 120, 3120, 4455, 2155};
inline constexpr ControlPlace kCalculatePlace = {"Calc", 1740, 1740, 5350, 1215, 495};
inline constexpr ControlPlace kDiagramFramePlace = {"Shape1", 150, 150, 6120, 4695, 1410};
inline constexpr ControlPlace kDiagramPlace = {"Image1", 240, 240, 6240, 4515, 1200};

// The diagram's labels in each arrangement; the last LED's name is 375 wide,
// centred in series and right-aligned in parallel.
struct DiagramLabelPlace {
  std::string_view name;
  int seriesLeft;
  int seriesTop;
  int parallelLeft;
  int parallelTop;
};
inline constexpr int kLastLedNameWidth = 375;
inline constexpr DiagramLabelPlace kDiagramSupplyPlace = {"Label14", 520, 6720, 520, 6720};
inline constexpr DiagramLabelPlace kDiagramResistorPlace = {"Label15", 645, 7080, 645, 7080};
// The names of the first, second, third and last LED.
inline constexpr std::array<DiagramLabelPlace, 4> kLedNamePlaces = {{
    {"D1L", 1780, 6790, 1660, 6525},
    {"D2L", 2380, 6790, 2260, 6525},
    {"D3L", 2980, 6790, 2860, 6525},
    {"DnL", 3950, 6790, 3650, 6525},
}};

}  // namespace kalvane
