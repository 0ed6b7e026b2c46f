// The names a screen reader speaks for controls that cannot be named from
// their own text (boxes, lists, picture buttons, pictures), in both
// languages. Labels and buttons speak their captions already. Plain texts;
// each window gives them to its controls.
#pragma once

#include <string>
#include <string_view>

#include "core/colour_tables.h"
#include "i18n/caption_tables.h"

namespace kalvane {

// A caption as a spoken name: "Supply Voltage :" speaks as "Supply Voltage".
std::string_view SpokenCaption(std::string_view caption);

// A box named by the caption before it and the unit after it: "Supply
// Voltage (V)" from "Supply Voltage :" and "V".
std::string BoxAccessibleName(std::string_view caption, std::string_view unit);

// The spin buttons: "Increase: " / "Decrease: " before the box's name.
inline constexpr Caption kIncreasePrefix = {"BtUp", "افزايش: ", "Increase: "};
inline constexpr Caption kDecreasePrefix = {"BtDown", "کاهش: ", "Decrease: "};
inline constexpr Caption kArrangementListName = {"SerMov", "نحوه اتصال LED ها", "LED arrangement"};
inline constexpr Caption kDiagramName = {"Image1", "نمودار مدار", "Circuit diagram"};

inline constexpr Caption kTypedValueBoxName = {"ResisEnter", "مقاومت به اهم", "Resistance in Ohm"};
inline constexpr Caption kResistorDrawingName = {"Image6", "تصوير مقاومت", "Resistor drawing"};

// "Band 1: Yellow" / "باند 1: زرد"; bands count from 1 at the left end.
std::string BandAccessibleName(int band, BandColour colour, Language language);

// The About window's link and picture.
inline constexpr Caption kForumLinkPrefix = {"Label8", "صفحه انجمن: ", "Forum page: "};
inline constexpr Caption kAboutPictureName = {"Image11", "تصوير LED و مقاومت",
                                              "An LED and a resistor"};

}  // namespace kalvane
