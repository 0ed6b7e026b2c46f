// The network finder window's fixed captions in both languages, named for
// the controls that show them, and the menu item that opens the window.
#pragma once

#include <array>

#include "i18n/caption_tables.h"

namespace kalvane {

// The Tools menu's item; its name is the action's objectName.
inline constexpr Caption kNetworkFinderItem = {"ResNet", "يافتن ترکيب مقاومت ها",
                                               "Resistor Network Finder"};
inline constexpr Caption kNetworkFinderTitle = {"NetworkFinder", "يافتن ترکيب مقاومت ها",
                                                "Resistor Network Finder"};
inline constexpr Caption kFinderInputFrame = {"Frame1", " ورودي ", " Inputs "};
inline constexpr Caption kFinderResultFrame = {"Frame2", " ترکيب ها ", " Networks "};
inline constexpr Caption kFinderTargetCaption = {
    "LTargetCaption", "مقدار مورد نظر (اهم) :", "Wanted resistance (Ohm) :"};
inline constexpr Caption kFinderSeriesCaption = {"LSeriesCaption",
                                                 "رنج استاندارد :", "Standard series :"};
inline constexpr Caption kFinderCountCaption = {"LCountCaption",
                                                "حداکثر تعداد مقاومت :", "Most resistors :"};
inline constexpr Caption kExcludeMode = {"ExcludeMode", "حذف اين مقادير :", "Leave out :"};
inline constexpr Caption kStockMode = {"StockMode", "فقط اين مقادير :", "Use only :"};
// The list box speaks what it holds in each mode.
inline constexpr Caption kExcludedListName = {"ListEnter", "مقادير حذف شده از رنج",
                                              "Values left out of the series"};
inline constexpr Caption kStockListName = {"ListEnter", "مقادير موجود", "Values in stock"};

// The captions above each count's drawing, for 1 to 4 resistors.
inline constexpr std::array<Caption, 4> kCountCaptions = {{
    {"LCount1", "1 مقاومت", "1 resistor"},
    {"LCount2", "2 مقاومت", "2 resistors"},
    {"LCount3", "3 مقاومت", "3 resistors"},
    {"LCount4", "4 مقاومت", "4 resistors"},
}};
// The drop-down lists of each count's networks, and its drawing, as spoken.
inline constexpr Caption kPickListName = {"Pick", "ترکيب هاي ديگر: ", "Other networks: "};
inline constexpr Caption kSchematicName = {"Schematic", "نقشه ترکيب: ", "Network drawing: "};

inline constexpr Caption kSearching = {"", "در حال جستجو...", "Searching..."};
inline constexpr Caption kNoNetwork = {"", "بدون ترکيب", "no network"};
inline constexpr Caption kExact = {"", "دقيق", "exact"};

}  // namespace kalvane
