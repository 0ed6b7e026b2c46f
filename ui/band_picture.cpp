#include "ui/band_picture.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <map>
#include <tuple>

#include "ui/view_support.h"

namespace kalvane {
QPixmap BandStrip(Colour colour, QSize logicalSize) {
  const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
  using Key = std::tuple<std::uint32_t, int, int, qreal>;
  static std::map<Key, QPixmap> cache;
  static const bool watching = [] {
    if (qGuiApp)
      QObject::connect(qGuiApp, &QObject::destroyed, [] { cache.clear(); });
    return true;
  }();
  (void)watching;
  const Key key{colour.value, logicalSize.width(), logicalSize.height(), ratio};
  if (auto found = cache.find(key); found != cache.end())
    return found->second;

  QPixmap strip(logicalSize * ratio);
  strip.setDevicePixelRatio(ratio);
  const QColor base = ToQColor(colour);
  // Light falls from above: a highlight in the upper third, darker edges
  // where the body turns away. Black still shows a faint highlight.
  QLinearGradient shading(0, 0, 0, logicalSize.height());
  const QColor highlight = base.value() < 40 ? QColor(90, 90, 90) : base.lighter(150);
  shading.setColorAt(0.0, base.darker(165));
  shading.setColorAt(0.28, highlight);
  shading.setColorAt(0.55, base);
  shading.setColorAt(1.0, base.darker(180));
  QPainter painter(&strip);
  painter.fillRect(QRectF(QPointF(0, 0), QSizeF(logicalSize)), shading);
  cache.emplace(key, strip);
  return strip;
}

}  // namespace kalvane
