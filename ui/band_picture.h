// The band strips of the resistor drawing: a vertical strip of a band's
// colour, shaded across its height so the band looks wrapped round the
// resistor's body. Each colour and size is painted once and then shared.
#pragma once

#include <QPixmap>
#include <QSize>

#include "core/colour.h"

namespace kalvane {

inline constexpr QSize kEndBandSize(8, 52);     // first and tolerance bands, on the end caps
inline constexpr QSize kMiddleBandSize(8, 44);  // the bands between them

QPixmap BandStrip(Colour colour, QSize logicalSize);

}  // namespace kalvane
