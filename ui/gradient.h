// A two-colour linear gradient drawn one line per scale unit onto anything
// that can draw a line, as the About window paints its background. It does
// not know what the canvas is; the window supplies one backed by a pixmap.
#pragma once

#include <cstdint>

#include "core/colour.h"

namespace kalvane {

// What MakeGradient paints on: a persistent surface measured in its own
// scale units (twips for a window).
class GradientCanvas {
 public:
  virtual ~GradientCanvas() = default;
  virtual void SetAutoRedraw(bool persistent) = 0;
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  virtual void Line(double x1, double y1, double x2, double y2, Colour colour) = 0;
};

// Paints from firstColour to secondColour (0x00BBGGRR): top to bottom when
// direction is 0, left to right for any other value. One line per unit
// from 0 to S inclusive (S the height or width, rounded half to even); the
// first line has exactly the first colour and the last exactly the second.
// A canvas of zero extent has no step size: nothing is painted.
void MakeGradient(GradientCanvas& canvas, std::uint32_t firstColour, std::uint32_t secondColour,
                  std::uint8_t direction);

}  // namespace kalvane
