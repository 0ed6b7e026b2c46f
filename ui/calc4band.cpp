#include "ui/calc4band.h"

namespace kalvane {

Calc4Band::Calc4Band(const QString& progLang, QWidget* parent)
    : ColourWindow(WindowKind::FourBand, progLang, parent) {
  setObjectName(QStringLiteral("Calc4Band"));
}

}  // namespace kalvane
