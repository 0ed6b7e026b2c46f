#include "ui/network_schematic.h"

#include <QPainter>
#include <algorithm>

#include "i18n/network_finder_texts.h"
#include "ui/qt_text.h"

namespace kalvane {
namespace {

// Sizes in pixels before the drawing is scaled to fit.
constexpr int kResistorWidth = 58;   // a resistor with its leads
constexpr int kResistorHeight = 32;  // its label above the body, as much room below
constexpr int kBodyWidth = 30;
constexpr int kBodyHeight = 10;
constexpr int kRail = 8;  // room for a parallel part's rail and its stubs
constexpr int kGap = 2;   // between stacked branches
constexpr int kLead = 10;

QSize SizeOf(const NetworkPart& part) {
  if (part.kind == NetworkPart::Kind::Resistor)
    return {kResistorWidth, kResistorHeight};
  int width = 0, height = 0;
  for (const NetworkPart& child : part.parts) {
    const QSize size = SizeOf(child);
    if (part.kind == NetworkPart::Kind::Series) {
      width += size.width();
      height = std::max(height, size.height());
    } else {
      width = std::max(width, size.width());
      height += size.height() + (height > 0 ? kGap : 0);
    }
  }
  if (part.kind == NetworkPart::Kind::Parallel)
    width += 2 * kRail;
  return {width, height};
}

// Draws `part` in `box`, its terminals at the middle of the left and the
// right side; the wire runs along the middle of the body's height.
void Draw(QPainter& painter, const NetworkPart& part, const QRect& box, const Network& network) {
  const int middle = box.top() + box.height() / 2;
  if (part.kind == NetworkPart::Kind::Resistor) {
    const QRect body(box.left() + (box.width() - kBodyWidth) / 2, middle - kBodyHeight / 2,
                     kBodyWidth, kBodyHeight);
    painter.drawLine(box.left(), middle, body.left(), middle);
    painter.drawLine(body.right(), middle, box.right() + 1, middle);
    painter.drawRect(body);
    const QString label =
        Text(ResistorLabel(network.ohms[static_cast<std::size_t>(part.resistor)]));
    painter.drawText(
        QRect(box.left() - 4, box.top() - 2, box.width() + 8, body.top() - box.top() + 1),
        Qt::AlignHCenter | Qt::AlignBottom, label);
    return;
  }
  if (part.kind == NetworkPart::Kind::Series) {
    int x = box.left();
    for (const NetworkPart& child : part.parts) {
      const QSize size = SizeOf(child);
      Draw(painter, child, QRect(x, middle - size.height() / 2, size.width(), size.height()),
           network);
      x += size.width();
    }
    if (x < box.right())
      painter.drawLine(x, middle, box.right(), middle);
    return;
  }
  // Parallel: branches stacked between a rail at each side.
  const int leftRail = box.left() + kRail / 2, rightRail = box.right() - kRail / 2;
  int y = box.top(), first = 0, last = 0;
  for (std::size_t k = 0; k < part.parts.size(); ++k) {
    const QSize size = SizeOf(part.parts[k]);
    const QRect branch(box.left() + kRail, y, size.width(), size.height());
    Draw(painter, part.parts[k], branch, network);
    const int branchMiddle = branch.top() + branch.height() / 2;
    painter.drawLine(leftRail, branchMiddle, branch.left(), branchMiddle);
    painter.drawLine(branch.right() + 1, branchMiddle, rightRail, branchMiddle);
    if (k == 0)
      first = branchMiddle;
    last = branchMiddle;
    y += size.height() + kGap;
  }
  painter.drawLine(leftRail, first, leftRail, last);
  painter.drawLine(rightRail, first, rightRail, last);
  painter.drawLine(box.left(), middle, leftRail, middle);
  painter.drawLine(rightRail, middle, box.right(), middle);
}

}  // namespace

NetworkSchematic::NetworkSchematic(QWidget* parent) : QWidget(parent) {
  setLayoutDirection(Qt::LeftToRight);  // a circuit reads the same in both languages
}

void NetworkSchematic::Show(const std::optional<Network>& network) {
  network_ = network;
  update();
}

QSize NetworkSchematic::sizeHint() const {
  return {300, 104};
}

void NetworkSchematic::paintEvent(QPaintEvent*) {
  if (!network_)
    return;
  const NetworkPart tree = ArrangementOf(network_->shape);
  const QSize natural = SizeOf(tree) + QSize(2 * kLead, 0);
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont small = font();
  small.setPointSizeF(font().pointSizeF() * 0.85);
  painter.setFont(small);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1.2));
  const double scale =
      std::min({1.6, (width() - 4.0) / natural.width(), (height() - 4.0) / natural.height()});
  painter.translate((width() - natural.width() * scale) / 2,
                    (height() - natural.height() * scale) / 2);
  painter.scale(scale, scale);
  const int middle = natural.height() / 2;
  painter.drawLine(0, middle, kLead, middle);
  painter.drawLine(natural.width() - kLead, middle, natural.width(), middle);
  painter.setBrush(palette().color(QPalette::Window));
  painter.drawEllipse(QPointF(2, middle), 2, 2);
  painter.drawEllipse(QPointF(natural.width() - 2, middle), 2, 2);
  painter.setBrush(Qt::NoBrush);
  Draw(painter, tree, QRect(kLead, 0, natural.width() - 2 * kLead, natural.height()), *network_);
}

}  // namespace kalvane
