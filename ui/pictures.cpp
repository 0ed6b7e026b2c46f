#include "ui/pictures.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

#include <unordered_map>

// The pictures are compiled into this static library; registering them
// must happen outside any namespace.
static void RegisterKalvaneResources() {
  static const bool registered = [] {
#ifdef KALVANE_HAS_ASSETS
    Q_INIT_RESOURCE(kalvane);
#endif
    return true;
  }();
  (void)registered;
}

namespace kalvane {

QString PicturePath(Picture picture) {
  RegisterKalvaneResources();
  switch (picture) {
    case Picture::Series1:
      return QStringLiteral(":/circuits/series1.svg");
    case Picture::Series2:
      return QStringLiteral(":/circuits/series2.svg");
    case Picture::Series3:
      return QStringLiteral(":/circuits/series3.svg");
    case Picture::SeriesN:
      return QStringLiteral(":/circuits/seriesN.svg");
    case Picture::Parallel1:
      return QStringLiteral(":/circuits/parallel1.svg");
    case Picture::Parallel2:
      return QStringLiteral(":/circuits/parallel2.svg");
    case Picture::Parallel3:
      return QStringLiteral(":/circuits/parallel3.svg");
    case Picture::ParallelN:
      return QStringLiteral(":/circuits/parallelN.svg");
    case Picture::SpinUp:
      return QStringLiteral(":/spin/up.svg");
    case Picture::SpinUpHover:
      return QStringLiteral(":/spin/up_hover.svg");
    case Picture::SpinUpPressed:
      return QStringLiteral(":/spin/up_pressed.svg");
    case Picture::SpinUpGreyed:
      return QStringLiteral(":/spin/up_greyed.svg");
    case Picture::SpinDown:
      return QStringLiteral(":/spin/down.svg");
    case Picture::SpinDownHover:
      return QStringLiteral(":/spin/down_hover.svg");
    case Picture::SpinDownPressed:
      return QStringLiteral(":/spin/down_pressed.svg");
    case Picture::SpinDownGreyed:
      return QStringLiteral(":/spin/down_greyed.svg");
    case Picture::ResistorBody:
      return QStringLiteral(":/resistor/body.svg");
    case Picture::AboutPicture:
      return QStringLiteral(":/about/picture.svg");
    case Picture::AppIcon:
      return QStringLiteral(":/icons/kalvane.svg");
  }
  return {};
}

QPixmap RenderPicture(Picture picture, QSize logicalSize) {
  const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
  struct Key {
    Picture picture;
    QSize size;
    qreal ratio;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    size_t operator()(const Key& k) const {
      return qHashMulti(0, static_cast<int>(k.picture), k.size.width(), k.size.height(), k.ratio);
    }
  };
  // Pixmaps must not outlive the application object: the cache empties itself
  // when the application goes away.
  static std::unordered_map<Key, QPixmap, KeyHash> cache;
  static const bool watching = [] {
    if (qGuiApp)
      QObject::connect(qGuiApp, &QObject::destroyed, [] { cache.clear(); });
    return true;
  }();
  (void)watching;
  Key key{picture, logicalSize, ratio};
  if (auto found = cache.find(key); found != cache.end())
    return found->second;

  QPixmap pixmap;
  QSvgRenderer renderer(PicturePath(picture));  // registers the resources
  if (renderer.isValid()) {
    pixmap = QPixmap(logicalSize * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
  }
  cache.emplace(key, pixmap);
  return pixmap;
}

}  // namespace kalvane
