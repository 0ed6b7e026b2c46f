// Every caption of the interface that changes with the language, in Persian
// and in English, named for the control that shows it. Plain data: each
// window writes its own captions from here when it is given a language.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/language_words.h"
#include "core/led_circuit.h"
#include "core/standard_values.h"

namespace kalvane {

// A control's caption in both languages.
struct Caption {
  std::string_view name;  // the designed name of the control that shows it
  std::string_view persian;
  std::string_view english;
  constexpr std::string_view In(Language language) const {
    return language == Language::Persian ? persian : english;
  }
};

// ---- The main window's fixed captions
inline constexpr Caption kMainTitle = {"MainFrms", " کالوانه نسخه 1", "Kalvane V1.0"};
inline constexpr Caption kToolsMenu = {"Tol", "ابزار", "Tools"};
inline constexpr Caption kColourCodeMenu = {"ResCol", "محاسبه رنگ مقاومت", "Resistor Color Code"};
inline constexpr Caption kFourBandItem = {"Res4Col", "مقاومت 4 باند", "4 Band Resistor"};
inline constexpr Caption kFiveBandItem = {"Res5Col", "مقاومت 5 باند", "5 Band Resistor"};
inline constexpr Caption kSixBandItem = {"Res6Col", "مقاومت 6 باند", "6 Band Resistor"};
inline constexpr Caption kSmdItem = {"ResSmd", "محاسبه کد مقاومت SMD", "SMD Resistor Code"};
inline constexpr Caption kSeriesMenu = {"StdSer", "رنج استاندارد", "Standard Series"};
inline constexpr Caption kLanguageMenu = {"Lang", "زبان", "Language"};
inline constexpr Caption kPersianItem = {"Per", "فارسي", "Persian"};
inline constexpr Caption kEnglishItem = {"En", "انگليسي", "English"};
inline constexpr Caption kHelpMenu = {"Help", "راهنما", "help"};
inline constexpr Caption kAboutItem = {"About", "درباره", "About"};
inline constexpr Caption kSolveForResistor = {"Resis", "مقاومت", "Resistor"};
inline constexpr Caption kSolveForVoltage = {"Volt", "ولتاژ", "Voltage"};
inline constexpr Caption kSolveForCurrent = {"Amp", "جريان", "Current"};
inline constexpr Caption kResultFrame = {"Frame2", " نتيجه ", " Results "};
inline constexpr Caption kCalculateButton = {"Calc", "محاسبه", "Calculation"};
inline constexpr Caption kSupplyCaption = {"Label1", "ولتاژ منبع تغذيه DC :", "Supply Voltage :"};
inline constexpr Caption kSupplyUnit = {"Label8", "ولت", "V"};
inline constexpr Caption kCountCaption = {"Label2",
                                          "تعداد LED سري شده :", "Count of LEDs in series :"};
inline constexpr Caption kCountUnit = {"Label9", "تعداد", "pcs."};
inline constexpr Caption kLightCaption = {"Label5",
                                          "ميزان نور هر شاخه :", "Light each branch LED :"};
inline constexpr Caption kLightUnit = {"Label12", "ميلي وات", "mW"};
inline constexpr Caption kRatingCaption = {
    "Label7", "پيشنهاد مقدار وات مقاومت :", "Recommend wattage resistor :"};
inline constexpr Caption kLargerStandardCaption = {
    "Label16", "مقاومت نزديک به رنج استاندارد :", "Closest standard resistor value :"};
inline constexpr Caption kSmallerStandardCaption = {
    "Label17", "مقاومت نزديک به رنج استاندارد :", "Closest standard resistor value :"};

// The standard-value rows name the series they come from; under E24 they
// keep the designed caption.
inline std::string StandardRowCaption(StandardSeries series, Language language) {
  if (series == StandardSeries::E24)
    return std::string(kLargerStandardCaption.In(language));
  const std::string name(SeriesName(series));
  return language == Language::Persian ? "مقاومت نزديک به رنج " + name + " :"
                                       : "Closest " + name + " resistor value :";
}

// Every fixed caption above, for checks that walk them all.
inline constexpr std::array<const Caption*, 24> kMainWindowCaptions = {
    &kMainTitle,
    &kToolsMenu,
    &kColourCodeMenu,
    &kFourBandItem,
    &kFiveBandItem,
    &kLanguageMenu,
    &kPersianItem,
    &kEnglishItem,
    &kHelpMenu,
    &kAboutItem,
    &kSolveForResistor,
    &kSolveForVoltage,
    &kSolveForCurrent,
    &kResultFrame,
    &kCalculateButton,
    &kSupplyCaption,
    &kSupplyUnit,
    &kCountCaption,
    &kCountUnit,
    &kLightCaption,
    &kLightUnit,
    &kRatingCaption,
    &kLargerStandardCaption,
    &kSmallerStandardCaption,
};

// ---- The captions of the rows whose meaning follows the calculation mode
struct ModeCaptions {
  Caption thirdBox;     // Label3
  Caption thirdUnit;    // Label10
  Caption fourthBox;    // Label4
  Caption fourthUnit;   // Label11
  Caption solvedValue;  // Label6
  Caption solvedUnit;   // Label13
};
constexpr ModeCaptions ModeCaptionsOf(LedCalcMode mode) {
  constexpr Caption kVoltage = {"", "ولتاژ دو سر هر LED :", "Voltage across one LED :"};
  constexpr Caption kCurrent = {"", "جريان هر LED :", "Current of one LED :"};
  constexpr Caption kResistor = {"", "مقاومت هر شاخه LED :", "Resistor each branch LED :"};
  constexpr Caption kVolt = {"", "ولت", "V"};
  constexpr Caption kMilliAmp = {"", "ميلي آمپر", "mA"};
  constexpr Caption kOhm = {"", "اهم", "Ohm"};
  switch (mode) {
    case LedCalcMode::Volt:
      return {kResistor, kOhm, kCurrent, kMilliAmp, kVoltage, kVolt};
    case LedCalcMode::Amp:
      return {kVoltage, kVolt, kResistor, kOhm, kCurrent, kMilliAmp};
    case LedCalcMode::Resis:
      break;
  }
  return {kVoltage,
          kVolt,
          kCurrent,
          kMilliAmp,
          {"", "مقاومت براي هر شاخه :", "Resistor for each branch :"},
          kOhm};
}

// ---- The input frame names the arrangement selected when a language is given.
inline constexpr Caption kInputFrameSeries = {"Frame1", " محاسبه حالت سري led ",
                                              " LED Series Calculation "};
inline constexpr Caption kInputFrameParallel = {"Frame1", " محاسبه حالت موازي led ",
                                                " LED Parallel Calculation "};

// Items of the arrangement list SerMov: position 0 series, 1 parallel.
inline constexpr std::array<Caption, 2> kArrangementItems = {{
    {"SerMov", "حالت سري", "The Series"},
    {"SerMov", "حالت موازي", "The Parallel"},
}};

// ---- The colour-code windows; the frames carry the same names in both.
inline constexpr Caption kFourBandTitle = {"Calc4Band", " محاسبه كد رنگي مقاومت هاي 4 باند",
                                           "4 Band Resistor Color Code Calculation"};
inline constexpr Caption kFiveBandTitle = {"Calc5Band", " محاسبه كد رنگي مقاومت هاي 5 باند",
                                           "5 Band Resistor Color Code Calculation"};
inline constexpr Caption kSixBandTitle = {"Calc6Band", " محاسبه كد رنگي مقاومت هاي 6 باند",
                                          "6 Band Resistor Color Code Calculation"};
inline constexpr Caption kTemperatureFrame = {"Frame4", " ضريب دمايي ",
                                              " Temperature Coefficient "};
inline constexpr Caption kResistanceFrame = {"Frame1", " مقدار مقاومت ", " Resistor value "};
inline constexpr Caption kToleranceFrame = {"Frame2", " درصد خطاي مقاومت ", " Resistor Tolerance "};
inline constexpr Caption kTypedValueFrame = {"Frame3",
                                             "نمايش کد رنگي با وارد کردن مقدار مقاومت (اهم)",
                                             "View Resistor color with enter value (Ohm)"};

// ---- The SMD code window
inline constexpr Caption kSmdTitle = {"SmdCode", "محاسبه کد مقاومت هاي SMD",
                                      "SMD Resistor Code Calculation"};
inline constexpr Caption kCodeFrame = {"Frame1", " کد به مقدار ", " Code to value "};
inline constexpr Caption kValueFrame = {"Frame2", " مقدار به کد ", " Value to codes "};
inline constexpr Caption kCodeCaption = {"LCodeCaption",
                                         "کد روي مقاومت :", "Code on the resistor :"};
inline constexpr Caption kValueCaption = {"LValueCaption",
                                          "مقدار مقاومت (اهم) :", "Resistance (Ohm) :"};
inline constexpr Caption kThreeDigitForm = {"LThreeCaption", "سه رقمي", "3-digit"};
inline constexpr Caption kFourDigitForm = {"LFourCaption", "چهار رقمي", "4-digit"};
inline constexpr Caption kEia96Form = {"LEiaCaption", "EIA-96", "EIA-96"};
inline constexpr Caption kJumperForm = {"", "جامپر", "jumper"};
inline constexpr Caption kNoCode = {"", "بدون کد", "no code"};
inline constexpr Caption kReadAsPrefix = {"", "برابر ", "= "};

// ---- The About window
inline constexpr Caption kAboutTitle = {"AA", "درباره", "About"};

// ---- The edit menu of the number boxes, in its order: Undo, Redo, Cut,
// Copy, Paste, Delete, Select All. English marks its access keys with "&".
inline constexpr std::array<Caption, 7> kEditMenuCaptions = {{
    {"undo", "واگرد", "&Undo"},
    {"redo", "ازنو", "&Redo"},
    {"cut", "برش", "Cu&t"},
    {"copy", "رونوشت", "&Copy"},
    {"paste", "چسباندن", "&Paste"},
    {"delete", "حذف", "Delete"},
    {"selectAll", "انتخاب همه", "Select All"},
}};

}  // namespace kalvane
