#include "ui/led_array_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace kalvane {
namespace {

constexpr int kRailMargin = 18;    // from the top and bottom edges to the rails
constexpr int kColumnWidth = 190;  // one kind of string with its labels
constexpr int kLedHeight = 22;
constexpr int kResistorHeight = 30;
constexpr int kMostLedsDrawn = 4;  // a longer string is drawn with a gap
const QColor kInk(32, 32, 32);
const QColor kLedColour(200, 30, 30);
const QColor kShadow(160, 160, 160);

// An LED pointing down, its anode at `top`.
void DrawLed(QPainter& p, int x, int top) {
  const int h = kLedHeight;
  QPainterPath triangle;
  triangle.moveTo(x - 7, top + 4);
  triangle.lineTo(x + 7, top + 4);
  triangle.lineTo(x, top + h - 6);
  triangle.closeSubpath();
  p.fillPath(triangle, kLedColour);
  p.drawPath(triangle);
  p.drawLine(x - 7, top + h - 6, x + 7, top + h - 6);
  p.drawLine(x, top, x, top + 4);
  p.drawLine(x, top + h - 6, x, top + h);
  // The two arrows of the light.
  for (int dy : {6, 11}) {
    p.drawLine(x + 9, top + dy, x + 14, top + dy - 4);
    p.drawLine(x + 14, top + dy - 4, x + 11, top + dy - 4);
  }
}

// One string from the supply rail at `top` to the ground rail at `bottom`;
// returns where the resistor and the LEDs were drawn, for the labels.
struct Drawn {
  QRect resistor;
  QRect leds;
};
Drawn DrawString(QPainter& p, int x, int top, int bottom, int leds) {
  Drawn drawn;
  int y = top + 8;
  p.drawLine(x, top, x, y);
  drawn.resistor = QRect(x - 6, y, 12, kResistorHeight);
  p.drawRect(drawn.resistor);
  y += kResistorHeight;
  const int shown = std::min(leds, kMostLedsDrawn);
  const int ledsTop = y + 6;
  p.drawLine(x, y, x, ledsTop);
  y = ledsTop;
  for (int i = 0; i < shown; ++i) {
    if (leds > kMostLedsDrawn && i == shown - 1) {
      // The LEDs left out, as a dotted stretch of the string.
      QPen dotted = p.pen();
      dotted.setStyle(Qt::DotLine);
      p.save();
      p.setPen(dotted);
      p.drawLine(x, y, x, y + 12);
      p.restore();
      y += 12;
    }
    DrawLed(p, x, y);
    y += kLedHeight;
  }
  drawn.leds = QRect(x - 8, ledsTop, 24, y - ledsTop);
  p.drawLine(x, y, x, bottom);
  return drawn;
}

}  // namespace

LedArrayPicture::LedArrayPicture(QWidget* parent) : QWidget(parent) {
  // A circuit reads left to right in either language.
  setLayoutDirection(Qt::LeftToRight);
}

void LedArrayPicture::Show(std::vector<String> strings, const QString& supply,
                           const QString& ground) {
  strings_ = std::move(strings);
  supply_ = supply;
  ground_ = ground;
  update();
}

void LedArrayPicture::paintEvent(QPaintEvent*) {
  if (strings_.empty())
    return;  // no design: nothing that could be read as one
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kInk, 1.2));
  const int top = kRailMargin;
  const int bottom = height() - kRailMargin;
  const QFontMetrics metrics = fontMetrics();
  const int railLabelWidth =
      std::max(metrics.horizontalAdvance(supply_), metrics.horizontalAdvance(ground_)) + 8;
  const int left = railLabelWidth + 4;
  const int columns = static_cast<int>(strings_.size());
  const int right = std::min(width() - 8, left + 20 + columns * kColumnWidth);
  p.drawLine(left, top, right, top);
  p.drawLine(left, bottom, right, bottom);
  p.drawText(QRect(0, top - 10, railLabelWidth, 20), Qt::AlignRight | Qt::AlignVCenter, supply_);
  p.drawText(QRect(0, bottom - 10, railLabelWidth, 20), Qt::AlignRight | Qt::AlignVCenter, ground_);

  for (int i = 0; i < columns; ++i) {
    const String& string = strings_[static_cast<std::size_t>(i)];
    const int x = left + 30 + i * kColumnWidth;
    if (!string.note.isEmpty()) {
      // The remainder string stands apart, behind a dashed line.
      QPen dashed(kShadow, 1, Qt::DashLine);
      p.save();
      p.setPen(dashed);
      const int divider = x - 22;
      p.drawLine(divider, top + 6, divider, bottom - 6);
      p.restore();
    }
    if (!string.count.isEmpty()) {
      // A second string behind the first shows that it repeats.
      p.save();
      p.setPen(QPen(kShadow, 1.2));
      p.setOpacity(0.45);
      DrawString(p, x - 12, top, bottom, string.leds);
      p.restore();
    }
    const Drawn drawn = DrawString(p, x, top, bottom, string.leds);
    const int labelLeft = x + 26;
    const int labelWidth = kColumnWidth - 44;
    p.drawText(QRect(labelLeft, drawn.resistor.top(), labelWidth, drawn.resistor.height()),
               Qt::AlignLeft | Qt::AlignVCenter, string.resistor);
    p.drawText(QRect(labelLeft, drawn.leds.top(), labelWidth, 20), Qt::AlignLeft | Qt::AlignVCenter,
               string.ledLabel);
    QFont bold = font();
    bold.setBold(true);
    p.save();
    p.setFont(bold);
    const QString tag = string.count.isEmpty() ? string.note : string.count;
    p.drawText(QRect(labelLeft, drawn.leds.top() + 22, labelWidth, 20),
               Qt::AlignLeft | Qt::AlignVCenter, tag);
    p.restore();
  }
}

}  // namespace kalvane
