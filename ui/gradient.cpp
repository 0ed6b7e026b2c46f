#include "ui/gradient.h"

#include <cmath>

namespace kalvane {
namespace {

// Nearest integer, a tie going to the even one.
long RoundHalfEven(double x) {
  return std::lrint(x);
}

}  // namespace

void MakeGradient(GradientCanvas& CControl, std::uint32_t nFirstColor, std::uint32_t nSecondColor,
                  std::uint8_t nDirection) {
  CControl.SetAutoRedraw(true);
  const Colour first{nFirstColor & 0xFFFFFFu};
  const Colour second{nSecondColor & 0xFFFFFFu};
  const int r1 = first.Red(), g1 = first.Green(), b1 = first.Blue();
  const int r2 = second.Red(), g2 = second.Green(), b2 = second.Blue();

  const double s = nDirection == 0 ? CControl.ScaleHeight() : CControl.ScaleWidth();
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
    if (nDirection == 0) {
      CControl.Line(0, at, CControl.ScaleWidth(), at, colour);
    } else {
      CControl.Line(at, 0, at, CControl.ScaleHeight(), colour);
    }
  }
}

}  // namespace kalvane
