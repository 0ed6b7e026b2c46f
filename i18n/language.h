// The two routines that convert the interface between Persian and English:
// captions, reading directions, alignments and positions of the main window
// and of both colour-code windows. They leave ProgLang and the language
// words alone; the menu handlers assign those right after the call.
#pragma once

#include "i18n/caption_tables.h"

class QWidget;

namespace kalvane {

class ColourWindow;
class MainFrms;

// Convert from English; nothing happens unless ProgLang is "English".
void SetPersianCaptions(MainFrms& main);
// Convert from Persian; nothing happens unless ProgLang is "Persian".
void SetEnglishCaptions(MainFrms& main);

// The main window's steps alone, for `language`.
void ApplyMainWindowCaptions(MainFrms& main, Language language);

// A colour window's settings for `language`: reading direction, title,
// which selector set is visible, frame captions, the Persian value label,
// and the typed box's direction and alignment. A window applies them itself
// whenever it loads.
void ApplyColourWindowCaptions(ColourWindow& window, Language language);

// Marks a label that only holds a picture: a switch moves it and nothing else.
inline constexpr char kPictureOnlyProperty[] = "kalvanePictureOnly";

// Reading direction and alignment of a caption or a text box in a layout:
// right-aligned right-to-left in Persian, left-aligned left-to-right in English.
void ApplyReadingDirection(QWidget* widget, Language language);

}  // namespace kalvane
