// The 5-band colour-code window: three digit bands, a multiplier and a
// tolerance; the typed box is only ever read, never written by a band.
#pragma once

#include "ui/colour_window.h"

namespace kalvane {

class Calc5Band : public ColourWindow {
  Q_OBJECT
 public:
  explicit Calc5Band(const QString& progLang, QWidget* parent = nullptr);
};

}  // namespace kalvane
