#include "ui/divider_picture.h"

#include <QPainter>

namespace kalvane {
namespace {

constexpr QSize kSize(270, 250);
constexpr int kBody = 9;  // half the width of a resistor's body

// A resistor's body (IEC), its leads running to `top` and `bottom`.
void Resistor(QPainter& p, int x, int top, int bottom) {
  const int bodyTop = top + 8, bodyBottom = bottom - 8;
  p.drawLine(x, top, x, bodyTop);
  p.drawLine(x, bodyBottom, x, bottom);
  p.drawRect(x - kBody, bodyTop, 2 * kBody, bodyBottom - bodyTop);
}

void Ground(QPainter& p, int x, int y) {
  p.drawLine(x, y, x, y + 10);
  p.drawLine(x - 12, y + 10, x + 12, y + 10);
  p.drawLine(x - 7, y + 15, x + 7, y + 15);
  p.drawLine(x - 2, y + 20, x + 2, y + 20);
}

void Node(QPainter& p, int x, int y) {
  p.save();
  p.setBrush(p.pen().color());
  p.drawEllipse(QPoint(x, y), 3, 3);
  p.restore();
}

void Terminal(QPainter& p, int x, int y) {
  p.drawEllipse(QPoint(x, y), 4, 4);
}

// Text from `left`, centred on `y`.
void Label(QPainter& p, int left, int y, const QString& text) {
  p.drawText(QRect(left, y - 10, kSize.width() - left, 20), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void DrawDivider(QPainter& p, const DividerPicture::Content& c) {
  const int x = 40, out = 120, load = 160, bottom = 216;
  Terminal(p, x, 14);
  Label(p, x + 12, 14, c.vin);
  Resistor(p, x, 18, out);
  Label(p, x + 16, (18 + out) / 2, c.r1);
  p.drawLine(x, out, 240, out);
  Terminal(p, 244, out);
  Label(p, x + 14, out - 12, c.vout);
  Resistor(p, x, out, bottom);
  Label(p, x + 16, (out + bottom) / 2, c.r2);
  if (!c.load.isEmpty()) {
    Node(p, load, out);
    Resistor(p, load, out, bottom);
    Label(p, load + 16, (out + bottom) / 2, c.load);
    p.drawLine(x, bottom, load, bottom);
    Node(p, x, bottom);
  }
  Ground(p, x, bottom);
  Node(p, x, out);  // over the wires that meet there
}

void DrawRegulator(QPainter& p, const DividerPicture::Content& c) {
  const QRect chip(30, 20, 110, 50);
  const int pins = 45, column = 170, adj = 85, adjNode = 140, bottom = 204;
  p.drawRect(chip);
  p.drawText(chip.adjusted(0, 2, 0, 0), Qt::AlignHCenter | Qt::AlignTop, c.regWord);
  p.drawText(chip.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("IN"));
  p.drawText(chip.adjusted(4, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("OUT"));
  p.drawText(chip.adjusted(0, 0, 0, -2), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("ADJ"));
  Terminal(p, 8, pins);
  p.drawLine(12, pins, chip.left(), pins);
  p.drawLine(chip.right(), pins, 240, pins);
  Terminal(p, 244, pins);
  Label(p, chip.right() + 8, pins - 12, c.vout);
  Node(p, column, pins);
  Resistor(p, column, pins, adjNode);
  Label(p, column + 16, (pins + adjNode) / 2 + 4, c.r1);
  p.drawLine(adj, chip.bottom(), adj, adjNode);
  p.drawLine(adj, adjNode, column, adjNode);
  Node(p, column, adjNode);
  Resistor(p, column, adjNode, bottom);
  Label(p, column + 16, (adjNode + bottom) / 2, c.r2);
  Ground(p, column, bottom);
}

}  // namespace

DividerPicture::DividerPicture(QWidget* parent) : QWidget(parent) {
  setFixedSize(kSize);
  // A circuit reads left to right in either language.
  setLayoutDirection(Qt::LeftToRight);
}

void DividerPicture::Show(const Content& content) {
  content_ = content;
  update();
}

QSize DividerPicture::sizeHint() const {
  return kSize;
}

void DividerPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), palette().color(QPalette::Base));
  QPen pen(palette().color(QPalette::Text), 1.5);
  p.setPen(pen);
  p.setBrush(palette().color(QPalette::Base));
  if (content_.regulator)
    DrawRegulator(p, content_);
  else
    DrawDivider(p, content_);
}

}  // namespace kalvane
