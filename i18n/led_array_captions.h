// The LED array designer's fixed captions in Persian and English, named for
// the controls that show them, and its menu item under Tools. Plain data;
// the texts built from a design are in led_array_messages.h.
#pragma once

#include <array>

#include "core/led_array.h"
#include "i18n/caption_tables.h"

namespace kalvane {

// The Tools menu item that opens the window; `name` is the action's.
inline constexpr Caption kLedArrayItem = {"LedArr", "طراحي آرايه LED", "LED Array Designer"};
inline constexpr Caption kLedArrayTitle = {"LedArray", "طراحي آرايه LED ها با يک منبع تغذيه",
                                           "LED Array Designer"};

inline constexpr Caption kArrayInputFrame = {"Frame1", " ورودي ها ", " Inputs "};
inline constexpr Caption kArrayResultFrame = {"Frame2", " نتيجه ", " Results "};
inline constexpr Caption kArrayPictureFrame = {"Frame3", " نقشه آرايه ", " The array "};

// One box: its caption before it and its unit after it.
struct ArrayBoxCaptions {
  Caption caption;
  Caption unit;
};

inline constexpr Caption kVoltUnit = {"", "ولت", "V"};
inline constexpr Caption kMilliampUnit = {"", "ميلي آمپر", "mA"};
inline constexpr Caption kWattUnit = {"", "وات", "W"};
inline constexpr Caption kOhmUnit = {"", "اهم", "Ohm"};
inline constexpr Caption kPercentUnit = {"", "درصد", "%"};
inline constexpr Caption kPiecesUnit = {"", "تعداد", "pcs."};

// In the order of LedArrayField.
inline constexpr std::array<ArrayBoxCaptions, kLedArrayFieldCount> kArrayBoxCaptions = {{
    {{"LSupplyCaption", "ولتاژ منبع تغذيه DC :", "Supply voltage :"}, kVoltUnit},
    {{"LToleranceCaption", "تلرانس منبع تغذيه :", "Supply tolerance :"}, kPercentUnit},
    {{"LCountCaption", "تعداد LED ها :", "Number of LEDs :"}, kPiecesUnit},
    {{"LVfCaption", "ولتاژ معمول هر LED :", "LED voltage, typical :"}, kVoltUnit},
    {{"LVfMinCaption", "حداقل ولتاژ LED :", "LED voltage, minimum :"}, kVoltUnit},
    {{"LVfMaxCaption", "حداکثر ولتاژ LED :", "LED voltage, maximum :"}, kVoltUnit},
    {{"LCurrentCaption", "جريان هر LED :", "Current of one LED :"}, kMilliampUnit},
    {{"LPerStringCaption", "تعداد LED در هر رشته :", "LEDs per string :"}, kPiecesUnit},
    {{"LHeadroomCaption", "حاشيه ولتاژ (خودکار) :", "Headroom (automatic) :"}, kVoltUnit},
}};

inline constexpr Caption kAutomaticCheck = {"ArrAuto", "تعداد خودکار در هر رشته",
                                            "Automatic count per string"};
inline constexpr Caption kSeriesCaption = {"LSeriesCaption", "رنج مقاومت :", "Resistor series :"};
inline constexpr Caption kOptionalNote = {"LOptionalNote", "حداقل و حداکثر: خالي يعني معمول",
                                          "Minimum, maximum: empty means typical"};

// The rows of the results table, one column per kind of string.
inline constexpr Caption kExactRow = {"LExactCaption", "مقاومت دقيق :", "Exact resistor :"};
inline constexpr Caption kStandardRow = {"LStandardCaption",
                                         "مقاومت استاندارد :", "Standard resistor :"};
inline constexpr Caption kCurrentRow = {"LStringCurrentCaption", "جريان LED :", "LED current :"};
inline constexpr Caption kPowerRow = {"LPowerCaption", "توان مقاومت :", "Resistor power :"};
// The rating rule differs from the main window's (no margin there): say so.
inline constexpr Caption kRatingRow = {"LRatingCaption",
                                       "وات مقاومت (بار تا 60%) :", "Wattage, at most 60 % load :"};
inline constexpr Caption kRangeRow = {"LRangeCaption",
                                      "بازه جريان در بدترين حالت :", "Worst-case current range :"};
inline constexpr std::array<const Caption*, 6> kArrayKindRows = {
    &kExactRow, &kStandardRow, &kCurrentRow, &kPowerRow, &kRatingRow, &kRangeRow};

inline constexpr Caption kTotalCurrentRow = {"LTotalCurrentCaption",
                                             "جريان کل :", "Total current :"};
inline constexpr Caption kTotalPowerRow = {"LTotalPowerCaption", "توان کل :", "Total power :"};
inline constexpr Caption kLedPowerRow = {"LLedPowerCaption",
                                         "توان LED ها :", "Power in the LEDs :"};
inline constexpr Caption kEfficiencyRow = {"LEfficiencyCaption", "بازده :", "Efficiency :"};
inline constexpr std::array<const Caption*, 4> kArrayTotalRows = {
    &kTotalCurrentRow, &kTotalPowerRow, &kLedPowerRow, &kEfficiencyRow};

// Spoken names of the controls that cannot speak their own text.
inline constexpr Caption kArraySeriesListName = {"ArrSeries", "رنج مقاومت ها", "Resistor series"};

}  // namespace kalvane
