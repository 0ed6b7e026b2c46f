// The captions and spoken names of the divider / regulator window, in
// Persian and in English, named for the control that shows them. Plain data;
// the messages and the result texts are in divider_texts.h.
#pragma once

#include <array>

#include "i18n/caption_tables.h"

namespace kalvane {

// The Tools menu item that opens the window.
inline constexpr Caption kDividerItem = {"ResDiv", "محاسبه مقاومت تقسيم ولتاژ و رگولاتور",
                                         "Divider / Regulator Resistors"};
inline constexpr Caption kDividerTitle = {
    "DividerCalc", "محاسبه مقاومت هاي تقسيم کننده ولتاژ و رگولاتور قابل تنظيم",
    "Voltage Divider and Adjustable Regulator Resistors"};

inline constexpr Caption kDividerModeButton = {"ModeDivider", "تقسيم کننده ولتاژ",
                                               "Voltage divider"};
inline constexpr Caption kRegulatorModeButton = {"ModeRegulator", "رگولاتور قابل تنظيم",
                                                 "Adjustable regulator"};
inline constexpr Caption kDividerSeriesCaption = {"LSeries",
                                                  "رنج استاندارد :", "Standard series :"};
inline constexpr Caption kDividerInputFrame = {"InputFrame", " ورودي ها ", " Inputs "};
inline constexpr Caption kPairsFrame = {"ResultFrame", " بهترين جفت ها ", " Best pairs "};

// ---- The divider's boxes
inline constexpr Caption kVinCaption = {"LVin",
                                        "ولتاژ ورودي Vin (ولت) :", "Input voltage Vin (V) :"};
// The items of the target list TargetKind: position 0 a voltage, 1 a ratio.
inline constexpr std::array<Caption, 2> kTargetKindItems = {{
    {"TargetKind", "ولتاژ خروجي Vout (ولت) :", "Output voltage Vout (V) :"},
    {"TargetKind", "نسبت Vout / Vin :", "Ratio Vout / Vin :"},
}};
inline constexpr Caption kLoadCaption = {
    "LLoad", "بار روي خروجي (اهم، اختياري) :", "Load on the output (Ohm, optional) :"};
inline constexpr Caption kTotalCaption = {"LTotal", "R1 + R2 (اهم) از :", "R1 + R2 (Ohm) from :"};

// ---- The regulator's boxes
inline constexpr Caption kRegulatorVoutCaption = {
    "LRegVout", "ولتاژ خروجي Vout (ولت) :", "Output voltage Vout (V) :"};
inline constexpr Caption kVrefCaption = {"LVref",
                                         "ولتاژ مرجع Vref (ولت) :", "Reference voltage Vref (V) :"};
inline constexpr Caption kIadjCaption = {"LIadj",
                                         "جريان پايه ADJ (ميکرو آمپر) :", "ADJ pin current (µA) :"};
inline constexpr Caption kVrefToleranceCaption = {
    "LVrefTol", "خطاي ولتاژ مرجع (%) :", "Reference tolerance (%) :"};
inline constexpr Caption kR1RangeCaption = {"LR1Range", "R1 (اهم) از :", "R1 (Ohm) from :"};
inline constexpr Caption kR2RangeCaption = {"LR2Range", "R2 (اهم) از :", "R2 (Ohm) from :"};
// Between the two ends of a range (LTotalTo, LR1To, LR2To).
inline constexpr Caption kRangeTo = {"LTotalTo", "تا", "to"};

inline constexpr Caption kExcludeCaption = {"LExclude",
                                            "مقادير حذف شده :", "Values to leave out :"};

// The column headers of ResultTable, in order.
inline constexpr std::array<Caption, 6> kPairColumns = {{
    {"ResultTable", "R1", "R1"},
    {"ResultTable", "R2", "R2"},
    {"ResultTable", "Vout", "Vout"},
    {"ResultTable", "خطا", "Error"},
    {"ResultTable", "جريان R1", "R1 current"},
    {"ResultTable", "بدترين حالت Vout", "Worst-case Vout"},
}};

// ---- Spoken names of the controls that cannot speak their own caption
inline constexpr Caption kDividerSeriesListName = {"SeriesList", "رنج استاندارد", "Standard series"};
inline constexpr Caption kTargetKindName = {"TargetKind", "نوع خروجي خواسته شده", "Kind of target"};
inline constexpr Caption kPairTableName = {"ResultTable", "جفت هاي مقاومت", "Resistor pairs"};
inline constexpr Caption kDividerPictureName = {"DividerPicture", "نمودار مدار", "Circuit diagram"};

// ---- Words inside the picture
inline constexpr Caption kRegulatorWord = {"DividerPicture", "رگولاتور", "Regulator"};

}  // namespace kalvane
