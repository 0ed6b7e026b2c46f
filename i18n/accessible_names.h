// The names a screen reader speaks for the controls that cannot be named
// from their own text (boxes, lists, picture buttons, pictures), in the
// interface language. Labels and buttons speak their captions already.
#pragma once

#include <QString>

#include "core/colour_tables.h"
#include "i18n/caption_tables.h"

namespace kalvane {

class ColourWindow;
class MainFrms;

// Names every box, spin button, the arrangement list and the diagram of the
// main window; the box names follow the calculation mode.
void ApplyMainWindowAccessibleNames(MainFrms& main, Language language);

// Names the typed box and the drawing. The band selectors and pictures
// ("Band 1: Yellow") are named by the window in the language it was given
// with ColourWindow::SetCurrentLanguage.
void ApplyColourWindowAccessibleNames(ColourWindow& window, Language language);

// "Band 1: Yellow" / "باند 1: زرد"; bands count from 1 at the left end.
QString BandAccessibleName(int band, BandColour colour, Language language);

}  // namespace kalvane
