// The program-wide look: the window font that renders Persian and Latin text
// on a stock Debian desktop, the application's names and icon. It does not
// lay out any window.
#pragma once

#include <QFont>

class QApplication;

namespace kalvane {

// The designed 8.25 pt window font, with families that cover Latin and
// Arabic script (Noto Sans, then Noto Sans Arabic UI / Noto Sans Arabic).
QFont WindowFont();
// The same, bold, for frame captions.
QFont FrameFont();

// Names, version, desktop file name, window icon and font of the application.
// On Windows it first loads the fonts the program carries (see look.cpp).
void ApplyApplicationLook(QApplication& app);

}  // namespace kalvane
