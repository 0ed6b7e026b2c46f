// The floor of the resistor network finder, the window Tools -> Resistor
// Network Finder opens, built the plain Qt way in one go with no logic
// behind it: a modal QDialog, right to left, with its Persian title and two
// QGroupBoxes in a vertical layout of fixed size. "Inputs" holds in a grid
// the target caption and box ("1234"), the series caption and list (E6 to
// E192, E24 chosen), the count caption and list (1 to 4, 4 chosen), two radio
// buttons, the list box and the message; "Networks" holds, for each count,
// its caption, a drawing painted with QPainter, the value label and a list
// of five networks. The texts and drawings are the start state's, written out.
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

#include "bench/floor/floor_support.h"

namespace kalvane::floor {
namespace {

// One of the start state's four networks, drawn with fixed strokes: a
// resistor is a box with its value above, parallel pairs sit between rails.
class PlainDrawing : public QWidget {
 public:
  PlainDrawing(int count, QWidget* parent) : QWidget(parent), count_(count) {
    setLayoutDirection(Qt::LeftToRight);
    setFixedSize(300, 104);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.2));
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.85);
    painter.setFont(small);
    const int middle = height() / 2;
    auto resistor = [&](int x, int y, const char* label) {
      painter.drawLine(x, y, x + 14, y);
      painter.drawRect(x + 14, y - 5, 30, 10);
      painter.drawLine(x + 44, y, x + 58, y);
      painter.drawText(QRect(x - 4, y - 21, 66, 14), Qt::AlignHCenter | Qt::AlignBottom,
                       QLatin1String(label));
    };
    auto pair = [&](int x, const char* top, const char* bottom) {
      resistor(x + 8, middle - 17, top);
      resistor(x + 8, middle + 17, bottom);
      painter.drawLine(x + 4, middle - 17, x + 4, middle + 17);
      painter.drawLine(x + 70, middle - 17, x + 70, middle + 17);
      painter.drawLine(x + 4, middle - 17, x + 8, middle - 17);
      painter.drawLine(x + 4, middle + 17, x + 8, middle + 17);
      painter.drawLine(x + 66, middle - 17, x + 70, middle - 17);
      painter.drawLine(x + 66, middle + 17, x + 70, middle + 17);
      painter.drawLine(x, middle, x + 4, middle);
      painter.drawLine(x + 70, middle, x + 74, middle);
    };
    int x = 60;
    switch (count_) {
      case 1:
        resistor(x, middle, "1.2k");
        break;
      case 2:
        pair(x, "1.3k", "24k");
        break;
      case 3:
        resistor(x, middle, "1.2k");
        pair(x + 58, "68", "68");
        break;
      default:
        pair(x, "68", "68");
        pair(x + 74, "2.4k", "2.4k");
        break;
    }
    painter.drawEllipse(QPointF(x - 8, middle), 2, 2);
    painter.drawLine(x - 6, middle, x, middle);
  }

 private:
  int count_;
};

QLabel* Label(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
  return label;
}

QLineEdit* Box(QWidget* parent, const char* name, const QString& text, int limit) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(QLatin1String(name));
  box->setMaxLength(limit);
  box->setLayoutDirection(Qt::LeftToRight);
  return box;
}

QComboBox* List(QWidget* parent, const char* name, const QStringList& items, int current) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QLatin1String(name));
  list->addItems(items);
  list->setCurrentIndex(current);
  return list;
}

}  // namespace

void ExecNetworkFinderFloor(QWidget* parent) {
  QDialog window(parent);
  window.setObjectName(QStringLiteral("NetworkFinder"));
  window.setModal(true);
  window.setFont(PlainFont());
  window.setLayoutDirection(Qt::RightToLeft);
  window.setWindowTitle(QStringLiteral("يافتن ترکيب مقاومت ها"));

  auto* inputs = new QGroupBox(QStringLiteral(" ورودي "), &window);
  inputs->setObjectName(QStringLiteral("Frame1"));
  auto* grid = new QGridLayout(inputs);
  grid->addWidget(Label(inputs, "LTargetCaption", QStringLiteral("مقدار مورد نظر (اهم) :")), 0, 0);
  grid->addWidget(Box(inputs, "TargetEnter", QStringLiteral("1234"), 12), 0, 1);
  grid->addWidget(Label(inputs, "LSeriesCaption", QStringLiteral("رنج استاندارد :")), 0, 2);
  grid->addWidget(List(inputs, "SeriesList", {"E6", "E12", "E24", "E48", "E96", "E192"}, 2), 0, 3);
  grid->addWidget(Label(inputs, "LCountCaption", QStringLiteral("حداکثر تعداد مقاومت :")), 1, 2);
  grid->addWidget(List(inputs, "CountList", {"1", "2", "3", "4"}, 3), 1, 3);
  auto* exclude = new QRadioButton(QStringLiteral("حذف اين مقادير :"), inputs);
  exclude->setObjectName(QStringLiteral("ExcludeMode"));
  exclude->setChecked(true);
  grid->addWidget(exclude, 1, 0);
  auto* stock = new QRadioButton(QStringLiteral("فقط اين مقادير :"), inputs);
  stock->setObjectName(QStringLiteral("StockMode"));
  grid->addWidget(stock, 2, 0);
  grid->addWidget(Box(inputs, "ListEnter", QString(), 300), 1, 1, 2, 1, Qt::AlignVCenter);
  QLabel* message = Label(
      inputs, "LMessage",
      QStringLiteral("2 مقاومت همين حالا در يک دهم تلورانس \u202AE24 (0.5 %)\u202C است؛ مقاومت "
                     "بيشتر سودي ندارد."));
  message->setWordWrap(true);
  message->setMinimumHeight(2 * message->fontMetrics().lineSpacing());
  grid->addWidget(message, 3, 0, 1, 4);
  grid->setColumnStretch(1, 1);

  auto* networks = new QGroupBox(QStringLiteral(" ترکيب ها "), &window);
  networks->setObjectName(QStringLiteral("Frame2"));
  auto* rows = new QGridLayout(networks);
  const struct {
    const char* caption;
    const char* value;
    QStringList picks;
  } counts[] = {
      {"1 مقاومت",
       "= 1.2 کيلو اهم  (\u202A-2.76 %\u202C)",
       {"1.2k   -2.76 %", "1.3k   +5.35 %", "1.1k   -10.9 %", "1k   -19 %", "1.5k   +21.6 %"}},
      {"2 مقاومت",
       "= 1.2332 کيلو اهم  (\u202A-0.0647 %\u202C)",
       {"1.3k || 24k   -0.0647 %", "33 + 1.2k   -0.081 %", "36 + 1.2k   +0.162 %",
        "1.8k || 3.9k   -0.196 %", "30 + 1.2k   -0.324 %"}},
      {"3 مقاومت",
       "= 1.234 کيلو اهم  (\u202Aدقيق\u202C)",
       {"1.2k + (68 || 68)   دقيق", "1.3k || (300 + 24k)   -12.7 ppm",
        "5.1 + (1.5k || 6.8k)   +12.7 ppm", "2.4 + (1.8k || 3.9k)   -17.1 ppm",
        "820 + (510 || 2.2k)   +17.9 ppm"}},
      {"4 مقاومت",
       "= 1.234 کيلو اهم  (\u202Aدقيق\u202C)",
       {"(68 || 68) + (2.4k || 2.4k)   دقيق", "(1 || 10M) + 33 + 1.2k   -8.1E-05 ppm",
        "(1 || 9.1M) + 33 + 1.2k   -8.91E-05 ppm", "(1 || 8.2M) + 33 + 1.2k   -9.88E-05 ppm",
        "(1 || 7.5M) + 33 + 1.2k   -0.000108 ppm"}},
  };
  const int pickWidth = window.fontMetrics().horizontalAdvance(
                            QStringLiteral("(4.75k + (4.75k || 4.75k)) || 4.75k   -0.0125 ppm")) +
                        4 * window.fontMetrics().height();
  for (int k = 0; k < 4; ++k) {
    const auto& count = counts[k];
    rows->addWidget(Label(networks, qPrintable(QStringLiteral("LCount%1").arg(k + 1)),
                          QString::fromUtf8(count.caption)),
                    k, 0, Qt::AlignVCenter);
    auto* drawing = new PlainDrawing(k + 1, networks);
    drawing->setObjectName(QStringLiteral("Schematic%1").arg(k + 1));
    rows->addWidget(drawing, k, 1);
    auto* column = new QVBoxLayout;
    column->addStretch();
    column->addWidget(Label(networks, qPrintable(QStringLiteral("LValue%1").arg(k + 1)),
                            QString::fromUtf8(count.value)));
    QComboBox* pick =
        List(networks, qPrintable(QStringLiteral("Pick%1").arg(k + 1)), count.picks, 0);
    pick->setMinimumWidth(pickWidth);
    pick->setLayoutDirection(Qt::LeftToRight);
    column->addWidget(pick);
    column->addStretch();
    rows->addLayout(column, k, 2);
  }
  rows->setColumnStretch(2, 1);

  auto* whole = new QVBoxLayout(&window);
  whole->addWidget(inputs);
  whole->addWidget(networks);
  whole->setSizeConstraint(QLayout::SetFixedSize);
  window.exec();
}

}  // namespace kalvane::floor
