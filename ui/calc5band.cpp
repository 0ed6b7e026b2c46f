#include "ui/calc5band.h"

namespace kalvane {

Calc5Band::Calc5Band(const QString& progLang, QWidget* parent)
    : ColourWindow(WindowKind::FiveBand, progLang, parent) {
  setObjectName(QStringLiteral("Calc5Band"));
}

}  // namespace kalvane
