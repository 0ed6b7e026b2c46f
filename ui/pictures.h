// The built-in pictures: SVG resources rendered into pixmaps sharp at the
// screen's pixel ratio, each picture and size rendered once and then shared.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace kalvane {

enum class Picture {
  Series1,
  Series2,
  Series3,
  SeriesN,
  Parallel1,
  Parallel2,
  Parallel3,
  ParallelN,
  SpinUp,
  SpinUpHover,
  SpinUpPressed,
  SpinUpGreyed,
  SpinDown,
  SpinDownHover,
  SpinDownPressed,
  SpinDownGreyed,
  ResistorBody,
  AboutPicture,
  AppIcon,
};

// Resource path of a picture, e.g. ":/circuits/series1.svg".
QString PicturePath(Picture picture);

// The picture at `logicalSize` device-independent pixels. A missing or
// broken resource gives a null pixmap, which draws nothing.
QPixmap RenderPicture(Picture picture, QSize logicalSize);

}  // namespace kalvane
