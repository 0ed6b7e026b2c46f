#include "bench/floor/floor_support.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>

namespace kalvane::floor {

QFont PlainFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("Noto Sans Arabic UI"),
                    QStringLiteral("Noto Sans Arabic")});
  font.setPointSizeF(8.25);
  font.setStyleHint(QFont::SansSerif);
  font.setStretch(92);
  font.setBold(false);
  return font;
}

QFont BoldFont() {
  QFont font = PlainFont();
  font.setBold(true);
  return font;
}

void SetUpApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("kalvane"));
  QApplication::setApplicationDisplayName(QStringLiteral("Kalvane"));
  QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
  QApplication::setDesktopFileName(QStringLiteral("org.example.Kalvane"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kalvane.svg")));
  app.setFont(PlainFont());
}

QPixmap SvgPixmap(const QString& path, QSize size) {
  const qreal ratio = qApp->devicePixelRatio();
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(path);
  QPainter painter(&pixmap);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

PlainPictureButton::PlainPictureButton(const QPixmap& normal, const QPixmap& hover,
                                       const QPixmap& pressed, QWidget* parent)
    : QWidget(parent), normal_(normal), hover_(hover), pressed_(pressed) {
  setMouseTracking(true);
  resize(normal.deviceIndependentSize().toSize());
}

void PlainPictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, normal_);
}

}  // namespace kalvane::floor
