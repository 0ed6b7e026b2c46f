#include "bench/census.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCryptographicHash>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QWidget>
#include <algorithm>
#include <cstdio>

namespace kalvane::bench {
namespace {

// The first class of Qt's own that `widget` is: a widget of the program and
// a widget of a floor that both derive from QWidget count as the same kind.
QString KindOf(const QWidget& widget) {
  for (const QMetaObject* meta = widget.metaObject(); meta; meta = meta->superClass()) {
    const QString name = QString::fromLatin1(meta->className());
    if (name.startsWith(QLatin1Char('Q')))
      return name;
  }
  return QStringLiteral("?");
}

QString ActionTexts(const QWidget& widget) {
  QStringList texts;
  for (const QAction* action : widget.actions())
    texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
  return texts.join(QLatin1Char('|'));
}

QString TextOf(const QWidget& widget) {
  if (auto* label = qobject_cast<const QLabel*>(&widget))
    return label->text();
  if (auto* box = qobject_cast<const QLineEdit*>(&widget))
    return box->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(&widget))
    return button->text();
  if (auto* frame = qobject_cast<const QGroupBox*>(&widget))
    return frame->title();
  if (auto* list = qobject_cast<const QComboBox*>(&widget)) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
      items << list->itemText(i);
    return QString::number(list->currentIndex()) + QLatin1Char(':') + items.join(QLatin1Char('|'));
  }
  if (qobject_cast<const QMenu*>(&widget) || qobject_cast<const QMenuBar*>(&widget))
    return ActionTexts(widget);
  if (widget.isWindow())
    return widget.windowTitle();
  return {};
}

QString PictureOf(const QWidget& widget) {
  auto* label = qobject_cast<const QLabel*>(&widget);
  if (!label || label->pixmap().isNull())
    return {};
  const QSizeF size = label->pixmap().deviceIndependentSize();
  return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

QString Line(const QWidget& widget, const QWidget& window) {
  const QRect g = widget.geometry();
  const QFont font = widget.font();
  return QStringLiteral("%1 %2 %3 %4,%5,%6x%7 %8 %9/%10%11 [%12] %13")
      .arg(KindOf(widget),
           widget.objectName().isEmpty() ? QStringLiteral("-") : widget.objectName(),
           widget.isVisibleTo(&window) || &widget == &window ? QStringLiteral("shown")
                                                             : QStringLiteral("hidden"))
      .arg(g.x())
      .arg(g.y())
      .arg(g.width())
      .arg(g.height())
      .arg(widget.layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl")
                                                       : QStringLiteral("ltr"))
      .arg(font.families().join(QLatin1Char(',')))
      .arg(font.pointSizeF())
      .arg(font.bold() ? QStringLiteral(" bold") : QString())
      .arg(TextOf(widget), PictureOf(widget));
}

}  // namespace

QStringList Census(const QWidget& window) {
  QStringList lines{Line(window, window)};
  for (const QWidget* widget : window.findChildren<QWidget*>())
    lines << Line(*widget, window);
  std::sort(lines.begin(), lines.end());
  return lines;
}

void PrintCensus(const QWidget& window) {
  for (const QString& line : Census(window))
    std::printf(
        "CENSUS %s\n",
        QString(line).replace(QLatin1Char('\n'), QLatin1String("\\n")).toUtf8().constData());
  // What the window looks like, as a digest of its pixels.
  const QImage image =
      const_cast<QWidget&>(window).grab().toImage().convertToFormat(QImage::Format_ARGB32);
  const QByteArray digest = QCryptographicHash::hash(
      QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Md5);
  std::printf("CENSUS-PIXELS %s\n", digest.toHex().constData());
  if (const QByteArray file = qgetenv("KALVANE_CENSUS_PNG"); !file.isEmpty())
    image.save(QString::fromLocal8Bit(file));
  std::printf("CENSUS-END\n");
  std::fflush(stdout);
}

}  // namespace kalvane::bench
