// Window designs are measured in twips (1/1440 inch); at 96 dpi 15 twips make
// one device-independent pixel, and Qt scales those on HiDPI screens.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kalvane {

inline constexpr int kTwipsPerPixel = 15;

// Nearest pixel; design values are never negative.
constexpr int Px(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}
constexpr int Twips(int pixels) {
  return pixels * kTwipsPerPixel;
}

inline QPoint TwipPoint(int left, int top) {
  return {Px(left), Px(top)};
}
inline QSize TwipSize(int width, int height) {
  return {Px(width), Px(height)};
}
inline QRect TwipRect(int left, int top, int width, int height) {
  return {TwipPoint(left, top), TwipSize(width, height)};
}

}  // namespace kalvane
