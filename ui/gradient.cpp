#include "ui/gradient.h"

#include <cmath>

namespace kalvane {
namespace {

// Nearest integer, a tie going to the even one.
long RoundHalfEven(double x) {
  return std::lrint(x);
}

}  // namespace

void MakeGradient(GradientCanvas& canvas, std::uint32_t firstColour, std::uint32_t secondColour,
                  std::uint8_t direction) {
  canvas.SetAutoRedraw(true);
  const Colour first{firstColour & 0xFFFFFFu};
  const Colour second{secondColour & 0xFFFFFFu};
  const int r1 = first.Red(), g1 = first.Green(), b1 = first.Blue();
  const int r2 = second.Red(), g2 = second.Green(), b2 = second.Blue();

  const double s = direction == 0 ? canvas.ScaleHeight() : canvas.ScaleWidth();
  if (!(s > 0) || !std::isfinite(s))
    return;  // the step division has no result

  double rStep = std::abs(r1 - r2) / s;
  double gStep = std::abs(g1 - g2) / s;
  float bStep = static_cast<float>(std::abs(b1 - b2)) / static_cast<float>(s);
  if (r2 < r1)
    rStep = -rStep;
  if (g2 < g1)
    gStep = -gStep;
  if (b2 < b1)
    bStep = -bStep;

  const long lines = RoundHalfEven(s);
  for (long i = 0; i <= lines; ++i) {
    const double at = static_cast<double>(i);
    const Colour colour =
        Rgb(static_cast<int>(RoundHalfEven(r1 + rStep * at)),
            static_cast<int>(RoundHalfEven(g1 + gStep * at)),
            static_cast<int>(RoundHalfEven(b1 + static_cast<double>(bStep) * at)));
    if (direction == 0) {
      canvas.Line(0, at, canvas.ScaleWidth(), at, colour);
    } else {
      canvas.Line(at, 0, at, canvas.ScaleHeight(), colour);
    }
  }
}

}  // namespace kalvane
