// The 4-band colour-code window: two digit bands, a multiplier and a
// tolerance; choosing bands writes the value in Ohm back into the typed box.
#pragma once

#include "ui/colour_window.h"

namespace kalvane {

class Calc4Band : public ColourWindow {
  Q_OBJECT
 public:
  explicit Calc4Band(const QString& progLang, QWidget* parent = nullptr);
};

}  // namespace kalvane
