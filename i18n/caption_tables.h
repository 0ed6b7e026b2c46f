// Every caption of the interface that changes with the language, and the
// positions the two layouts give the main window's controls. Plain data:
// the routines that apply it to the windows live in i18n/language.h.
#pragma once

#include <array>
#include <string_view>

#include "core/led_circuit.h"

namespace kalvane {

enum class Language { Persian, English };

// The language a ProgLang value names; ProgLang holds exactly "Persian" or
// "English".
constexpr Language LanguageOf(std::string_view progLang) {
  return progLang == kEnglish ? Language::English : Language::Persian;
}

// A control's caption in both languages.
struct Caption {
  std::string_view name;  // objectName of the control
  std::string_view persian;
  std::string_view english;
  constexpr std::string_view In(Language language) const {
    return language == Language::Persian ? persian : english;
  }
};

// A control's left edge in each layout and its top, in twips inside its
// container. kModeDependentTop marks the rating row, whose top follows the
// calculation mode.
inline constexpr int kModeDependentTop = -1;
struct Placement {
  std::string_view name;
  int persianLeft;
  int englishLeft;
  int top;
  constexpr int Left(Language language) const {
    return language == Language::Persian ? persianLeft : englishLeft;
  }
};

// Top of the rating row (Label7, WatPish): with the standard-value rows
// shown in resistor mode, and moved up in place of them otherwise.
inline constexpr int kRatingRowTopResis = 1850;
inline constexpr int kRatingRowTopOther = 1200;

// Fixed captions of the main window, in the order the caption routines write them.
inline constexpr std::array<Caption, 24> kMainWindowCaptions = {{
    {"MainFrms", " کالوانه نسخه 1", "Kalvane V1.0"},
    {"Tol", "ابزار", "Tools"},
    {"ResCol", "محاسبه رنگ مقاومت", "Resistor Color Code"},
    {"Res4Col", "مقاومت 4 باند", "4 Band Resistor"},
    {"Res5Col", "مقاومت 5 باند", "5 Band Resistor"},
    {"Lang", "زبان", "Language"},
    {"Per", "فارسي", "Persian"},
    {"En", "انگليسي", "English"},
    {"Help", "راهنما", "help"},
    {"About", "درباره", "About"},
    {"Resis", "مقاومت", "Resistor"},
    {"Volt", "ولتاژ", "Voltage"},
    {"Amp", "جريان", "Current"},
    {"Frame2", " نتيجه ", " Results "},
    {"Calc", "محاسبه", "Calculation"},
    {"Label1", "ولتاژ منبع تغذيه DC :", "Supply Voltage :"},
    {"Label8", "ولت", "V"},
    {"Label2", "تعداد LED سري شده :", "Count of LEDs in series :"},
    {"Label9", "تعداد", "pcs."},
    {"Label5", "ميزان نور هر شاخه :", "Light each branch LED :"},
    {"Label12", "ميلي وات", "mW"},
    {"Label7", "پيشنهاد مقدار وات مقاومت :", "Recommend wattage resistor :"},
    {"Label16", "مقاومت نزديک به رنج استاندارد :", "Closest standard resistor value :"},
    {"Label17", "مقاومت نزديک به رنج استاندارد :", "Closest standard resistor value :"},
}};

// The six captions of the rows whose meaning follows the calculation mode:
// Label3, Label10, Label4, Label11, Label6, Label13.
inline constexpr std::size_t kModeCaptionCount = 6;
constexpr std::array<Caption, kModeCaptionCount> ModeCaptions(LedCalcMode mode) {
  if (mode == LedCalcMode::Resis) {
    return {{
        {"Label3", "ولتاژ دو سر هر LED :", "Voltage across one LED :"},
        {"Label10", "ولت", "V"},
        {"Label4", "جريان هر LED :", "Current of one LED :"},
        {"Label11", "ميلي آمپر", "mA"},
        {"Label6", "مقاومت براي هر شاخه :", "Resistor for each branch :"},
        {"Label13", "اهم", "Ohm"},
    }};
  }
  if (mode == LedCalcMode::Volt) {
    return {{
        {"Label3", "مقاومت هر شاخه LED :", "Resistor each branch LED :"},
        {"Label10", "اهم", "Ohm"},
        {"Label4", "جريان هر LED :", "Current of one LED :"},
        {"Label11", "ميلي آمپر", "mA"},
        {"Label6", "ولتاژ دو سر هر LED :", "Voltage across one LED :"},
        {"Label13", "ولت", "V"},
    }};
  }
  return {{
      {"Label3", "ولتاژ دو سر هر LED :", "Voltage across one LED :"},
      {"Label10", "ولت", "V"},
      {"Label4", "مقاومت هر شاخه LED :", "Resistor each branch LED :"},
      {"Label11", "اهم", "Ohm"},
      {"Label6", "جريان هر LED :", "Current of one LED :"},
      {"Label13", "ميلي آمپر", "mA"},
  }};
}

// Frame1 names the arrangement selected when a caption routine runs.
inline constexpr Caption kFrame1SeriesCaption = {"Frame1", " محاسبه حالت سري led ",
                                                 " LED Series Calculation "};
inline constexpr Caption kFrame1ParallelCaption = {"Frame1", " محاسبه حالت موازي led ",
                                                   " LED Parallel Calculation "};

// Items of the arrangement list SerMov: position 0 series, 1 parallel.
inline constexpr std::array<Caption, 2> kSerMovItems = {{
    {"SerMov", "حالت سري", "The Series"},
    {"SerMov", "حالت موازي", "The Parallel"},
}};

// Widths of the mode buttons Resis, Volt, Amp in each layout, in twips.
inline constexpr std::array<Placement, 3> kModeButtonWidths = {{
    {"Resis", 855, 880, 0},
    {"Volt", 615, 840, 0},
    {"Amp", 735, 850, 0},
}};

// Positions of the main window's controls, in the order the caption routines move them.
inline constexpr std::array<Placement, 44> kMainWindowPlacements = {{
    {"SerMov", 2400, 210, 360},
    {"Resis", 3600, 210, 800},
    {"Volt", 2760, 1350, 800},
    {"Amp", 1800, 2490, 800},
    {"Label1", 2565, 210, 1230},
    {"Vtdc", 1800, 2170, 1190},
    {"BtUpA", 1560, 3030, 1190},
    {"UpDisA", 1560, 3030, 1190},
    {"BtDownA", 1560, 3030, 1350},
    {"DownDisA", 1560, 3030, 1350},
    {"Label8", 1080, 3345, 1245},
    {"Label2", 2505, 210, 1660},
    {"LedCount", 1800, 2170, 1630},
    {"BtUpB", 1560, 3030, 1630},
    {"UpDisB", 1560, 3030, 1630},
    {"BtDownB", 1560, 3030, 1795},
    {"DownDisB", 1560, 3030, 1795},
    {"Label9", 1130, 3345, 1675},
    {"Label3", 2535, 210, 2325},
    {"VLed", 1800, 2170, 2280},
    {"BtUpC", 1560, 3030, 2280},
    {"UpDisC", 1560, 3030, 2280},
    {"BtDownC", 1560, 3030, 2445},
    {"DownDisC", 1560, 3030, 2445},
    {"Label10", 1080, 3345, 2340},
    {"Label4", 2565, 210, 2745},
    {"ALed", 1800, 2170, 2715},
    {"BtUpD", 1560, 3030, 2715},
    {"UpDisD", 1560, 3030, 2715},
    {"BtDownD", 1560, 3030, 2880},
    {"DownDisD", 1560, 3030, 2880},
    {"Label11", 780, 3345, 2760},
    {"Label5", 2325, 90, 705},
    {"WatSH", 1580, 2050, 675},
    {"Label12", 810, 3120, 705},
    {"Label6", 2265, 90, 285},
    {"ResisSH", 1580, 2050, 240},
    {"Label13", 810, 3120, 285},
    {"Label16", 1880, 90, 1100},
    {"ResisPishLarg", 75, 2460, 1100},
    {"Label17", 1880, 90, 1440},
    {"ResisPishSmall", 75, 2460, 1440},
    {"Label7", 2000, 90, kModeDependentTop},
    {"WatPish", 1640, 2320, kModeDependentTop},
}};

// Captions of the colour-code windows; the frames carry the same names in both.
inline constexpr Caption kCalc4BandCaption = {"Calc4Band", " محاسبه كد رنگي مقاومت هاي 4 باند",
                                              "4 Band Resistor Color Code Calculation"};
inline constexpr Caption kCalc5BandCaption = {"Calc5Band", " محاسبه كد رنگي مقاومت هاي 5 باند",
                                              "5 Band Resistor Color Code Calculation"};
inline constexpr Caption kColourFrame1Caption = {"Frame1", " مقدار مقاومت ", " Resistor value "};
inline constexpr Caption kColourFrame2Caption = {"Frame2", " درصد خطاي مقاومت ",
                                                 " Resistor Tolerance "};
inline constexpr Caption kColourFrame3Caption = {"Frame3",
                                                 "نمايش کد رنگي با وارد کردن مقدار مقاومت (اهم)",
                                                 "View Resistor color with enter value (Ohm)"};

// The edit menu of the number boxes, in its order: Undo, Redo, Cut, Copy,
// Paste, Delete, Select All. English marks its access keys with "&".
inline constexpr std::array<Caption, 7> kEditMenuCaptions = {{
    {"undo", "واگرد", "&Undo"},
    {"redo", "ازنو", "&Redo"},
    {"cut", "برش", "Cu&t"},
    {"copy", "رونوشت", "&Copy"},
    {"paste", "چسباندن", "&Paste"},
    {"delete", "حذف", "Delete"},
    {"selectAll", "انتخاب همه", "Select All"},
}};

// Unit words exchanged inside the result labels on a switch, in this order.
struct UnitWordSwap {
  std::string_view label;
  std::string_view persian;
  std::string_view english;
};
inline constexpr std::array<UnitWordSwap, 5> kResultUnitWords = {{
    {"WatPish", "وات", "W"},
    {"ResisPishLarg", "اهم", "Ohm"},
    {"ResisPishSmall", "اهم", "Ohm"},
    {"ResisPishLarg", "(بزرگتر)", "(Larger)"},
    {"ResisPishSmall", "(کوچکتر)", "(Smaller)"},
}};

}  // namespace kalvane
