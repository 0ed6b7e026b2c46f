// The floor of the About window, the window Help -> About opens, built the
// plain Qt way in one go. It builds what the program's window holds when it
// has been opened (the census in bench/run.sh compares them): a modal
// QDialog of 355 x 309, right to left, titled "درباره", painting a
// left-to-right gradient from yellow to red over its whole area; a QLabel
// with the About SVG rendered at 124 x 128 inside a QFrame box; the details
// QLabel with the eighteen Persian lines, right-aligned; and the link QLabel
// in the 11.25 pt bold underlined window font, dark blue, taking the focus
// and showing a pointing hand.
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

#include "bench/floor/floor_support.h"

namespace kalvane::floor {
namespace {

class GradientDialog : public QDialog {
 public:
  using QDialog::QDialog;

 protected:
  void paintEvent(QPaintEvent*) override {
    QLinearGradient gradient(0, 0, width(), 0);
    gradient.setColorAt(0, QColor(255, 255, 0));
    gradient.setColorAt(1, QColor(255, 10, 2));
    QPainter(this).fillRect(rect(), gradient);
  }
};

}  // namespace

void ExecAboutFloor(QWidget* parent) {
  GradientDialog window(parent);
  window.setObjectName(QStringLiteral("AA"));
  window.setModal(true);
  window.setFont(PlainFont());
  window.setLayoutDirection(Qt::RightToLeft);
  window.setWindowTitle(QStringLiteral("درباره"));
  window.setFixedSize(355, 309);

  auto* frame = new QFrame(&window);
  frame->setObjectName(QStringLiteral("Shape1"));
  frame->setFrameStyle(QFrame::Box | QFrame::Plain);
  frame->setGeometry(8, 11, 124, 130);
  auto* picture = new QLabel(&window);
  picture->setObjectName(QStringLiteral("Image11"));
  picture->setGeometry(8, 12, 124, 128);
  picture->setPixmap(SvgPixmap(QStringLiteral(":/about/picture.svg"), picture->size()));

  const QString item(9, QLatin1Char(' ')), sub(23, QLatin1Char(' '));
  const QStringList lines = {
      QStringLiteral("کالوانه نسخه 1"),
      QStringLiteral("ماشين حساب الکترونيک براي علاقه مندان"),
      QStringLiteral("محاسبات برنامه :"),
      item + QStringLiteral("1- مقاومت سري LED"),
      sub + QStringLiteral("مقاومت براي LED هاي سري"),
      sub + QStringLiteral("مقاومت براي LED هاي موازي"),
      sub + QStringLiteral("ولتاژ يا جريان هر LED"),
      sub + QStringLiteral("مقدار استاندارد و وات مقاومت"),
      item + QStringLiteral("2- کد رنگي مقاومت"),
      sub + QStringLiteral("مقاومت هاي 4، 5 و 6 باند"),
      sub + QStringLiteral("کد مقاومت هاي SMD"),
      item + QStringLiteral("\u200f3- ترکيب مقاومت ها و آرايه LED"),
      sub + QStringLiteral("يافتن ترکيب مقاومت ها"),
      sub + QStringLiteral("تقسيم ولتاژ و رگولاتور"),
      sub + QStringLiteral("طراحي آرايه LED"),
      QStringLiteral("ايميل : kalvane@example.org"),
      QString(),
      QStringLiteral("تلفن : ندارد، لطفا ايميل بزنيد"),
  };
  auto* details = new QLabel(lines.join(QLatin1Char('\n')), &window);
  details->setObjectName(QStringLiteral("Label10"));
  details->setAlignment(Qt::AlignTop | Qt::AlignAbsolute | Qt::AlignRight);
  details->setGeometry(144, 8, 197, 270);

  auto* link = new QLabel(QStringLiteral("kalvane.example.org"), &window);
  link->setObjectName(QStringLiteral("Label8"));
  QFont linkFont = PlainFont();
  linkFont.setPointSizeF(11.25);
  linkFont.setBold(true);
  linkFont.setUnderline(true);
  link->setFont(linkFont);
  QPalette palette = link->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 192));
  link->setPalette(palette);
  link->setFocusPolicy(Qt::StrongFocus);
  link->setCursor(Qt::PointingHandCursor);
  link->setGeometry(130, 283, 145, 21);
  window.exec();
}

}  // namespace kalvane::floor
