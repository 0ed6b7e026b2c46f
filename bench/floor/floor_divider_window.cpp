// The floor of the divider / regulator window, built the plain Qt way in one
// go with no logic behind it: a modal QDialog, right to left, with its
// Persian title, laid out by Qt's layouts as the program's window is. It
// holds the two mode QRadioButtons and the series QComboBox; the inputs
// QGroupBox with a QStackedWidget of two pages (the divider's four rows of
// caption and QLineEdit, the target's caption a QComboBox, the R1 + R2 range
// with two boxes; the regulator's six rows) and the exclusions row; a
// QWidget that paints the divider with QPainter; the message QLabel; and the
// results QGroupBox with a 6-column QTableWidget of twelve rows. The texts
// are the start state's (5 V to 3.3 V under E24), written out.
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "bench/floor/floor_support.h"

namespace kalvane::floor {
namespace {

// The divider drawn with its start values.
class PlainDividerPicture : public QWidget {
 public:
  explicit PlainDividerPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(270, 250);
    setLayoutDirection(Qt::LeftToRight);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(QPen(palette().color(QPalette::Text), 1.5));
    p.setBrush(palette().color(QPalette::Base));
    const int x = 40;
    auto resistor = [&p, x](int top, int bottom) {
      p.drawLine(x, top, x, top + 8);
      p.drawLine(x, bottom - 8, x, bottom);
      p.drawRect(x - 9, top + 8, 18, bottom - top - 16);
    };
    auto text = [&p](int left, int y, const QString& s) {
      p.drawText(QRect(left, y - 10, 270 - left, 20), Qt::AlignLeft | Qt::AlignVCenter, s);
    };
    p.drawEllipse(QPoint(x, 14), 4, 4);
    text(x + 12, 14, QStringLiteral("Vin = 5 V"));
    resistor(18, 120);
    text(x + 16, 69, QStringLiteral("R1 = 47 kΩ"));
    p.drawLine(x, 120, 240, 120);
    p.drawEllipse(QPoint(244, 120), 4, 4);
    text(x + 14, 108, QStringLiteral("Vout = 3.297 V"));
    resistor(120, 216);
    text(x + 16, 168, QStringLiteral("R2 = 91 kΩ"));
    p.drawLine(x, 216, x, 226);
    p.drawLine(x - 12, 226, x + 12, 226);
    p.drawLine(x - 7, 231, x + 7, 231);
    p.drawLine(x - 2, 236, x + 2, 236);
    p.setBrush(palette().color(QPalette::Text));
    p.drawEllipse(QPoint(x, 120), 3, 3);
  }
};

QLabel* Label(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  return label;
}

QLineEdit* Box(QWidget* parent, const char* name, const QString& text) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(QLatin1String(name));
  box->setLayoutDirection(Qt::LeftToRight);
  box->setFixedWidth(84);
  return box;
}

}  // namespace

void ExecDividerFloor(QWidget* parent) {
  QDialog window(parent);
  window.setObjectName(QStringLiteral("DividerCalc"));
  window.setModal(true);
  window.setFont(PlainFont());
  window.setLayoutDirection(Qt::RightToLeft);
  window.setWindowTitle(
      QStringLiteral("محاسبه مقاومت هاي تقسيم کننده ولتاژ و رگولاتور قابل تنظيم"));

  auto* divider = new QRadioButton(QStringLiteral("تقسيم کننده ولتاژ"), &window);
  divider->setObjectName(QStringLiteral("ModeDivider"));
  divider->setChecked(true);
  auto* regulator = new QRadioButton(QStringLiteral("رگولاتور قابل تنظيم"), &window);
  regulator->setObjectName(QStringLiteral("ModeRegulator"));
  auto* series = new QComboBox(&window);
  series->setObjectName(QStringLiteral("SeriesList"));
  series->addItems({"E6", "E12", "E24", "E48", "E96", "E192"});
  series->setCurrentIndex(2);
  auto* modeRow = new QHBoxLayout;
  modeRow->addWidget(divider);
  modeRow->addWidget(regulator);
  modeRow->addStretch(1);
  modeRow->addWidget(Label(&window, "LSeries", QStringLiteral("رنج استاندارد :")));
  modeRow->addWidget(series);

  auto* inputs = new QGroupBox(QStringLiteral(" ورودي ها "), &window);
  inputs->setObjectName(QStringLiteral("InputFrame"));
  auto* pages = new QStackedWidget(inputs);
  pages->setObjectName(QStringLiteral("ModePages"));
  auto* dividerPage = new QWidget(pages);
  dividerPage->setObjectName(QStringLiteral("DividerPage"));
  auto* regulatorPage = new QWidget(pages);
  regulatorPage->setObjectName(QStringLiteral("RegulatorPage"));
  pages->addWidget(dividerPage);
  pages->addWidget(regulatorPage);

  auto* target = new QComboBox(dividerPage);
  target->setObjectName(QStringLiteral("TargetKind"));
  target->addItem(QStringLiteral("\u202Bولتاژ خروجي Vout (ولت) :\u202C"));
  target->addItem(QStringLiteral("\u202Bنسبت Vout / Vin :\u202C"));
  auto* grid = new QGridLayout(dividerPage);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(Label(dividerPage, "LVin", QStringLiteral("ولتاژ ورودي Vin (ولت) :")), 0, 0);
  grid->addWidget(Box(dividerPage, "VinEnter", QStringLiteral("5")), 0, 1);
  grid->addWidget(target, 1, 0);
  grid->addWidget(Box(dividerPage, "TargetEnter", QStringLiteral("3.3")), 1, 1);
  grid->addWidget(Label(dividerPage, "LLoad", QStringLiteral("بار روي خروجي (اهم، اختياري) :")), 2,
                  0);
  grid->addWidget(Box(dividerPage, "LoadEnter", QString()), 2, 1);
  grid->addWidget(Label(dividerPage, "LTotal", QStringLiteral("R1 + R2 (اهم) از :")), 3, 0);
  grid->addWidget(Box(dividerPage, "TotalMinEnter", QStringLiteral("1k")), 3, 1);
  grid->addWidget(Label(dividerPage, "LTotalTo", QStringLiteral("تا")), 3, 2);
  grid->addWidget(Box(dividerPage, "TotalMaxEnter", QStringLiteral("1M")), 3, 3);
  grid->setColumnStretch(4, 1);
  grid->setRowStretch(4, 1);

  auto* regGrid = new QGridLayout(regulatorPage);
  regGrid->setContentsMargins(0, 0, 0, 0);
  const struct {
    const char *caption, *captionText, *box, *boxText, *to, *upper, *upperText;
  } rows[] = {
      {"LRegVout", "ولتاژ خروجي Vout (ولت) :", "RegVoutEnter", "5", nullptr, nullptr, nullptr},
      {"LVref", "ولتاژ مرجع Vref (ولت) :", "VrefEnter", "1.25", nullptr, nullptr, nullptr},
      {"LIadj", "جريان پايه ADJ (ميکرو آمپر) :", "IadjEnter", "50", nullptr, nullptr, nullptr},
      {"LVrefTol", "خطاي ولتاژ مرجع (%) :", "VrefTolEnter", "4", nullptr, nullptr, nullptr},
      {"LR1Range", "R1 (اهم) از :", "R1MinEnter", "100", "LR1To", "R1MaxEnter", "1k"},
      {"LR2Range", "R2 (اهم) از :", "R2MinEnter", "100", "LR2To", "R2MaxEnter", "100k"},
  };
  int row = 0;
  for (const auto& r : rows) {
    regGrid->addWidget(Label(regulatorPage, r.caption, QString::fromUtf8(r.captionText)), row, 0);
    regGrid->addWidget(Box(regulatorPage, r.box, QString::fromUtf8(r.boxText)), row, 1);
    if (r.to) {
      regGrid->addWidget(Label(regulatorPage, r.to, QStringLiteral("تا")), row, 2);
      regGrid->addWidget(Box(regulatorPage, r.upper, QString::fromUtf8(r.upperText)), row, 3);
    }
    ++row;
  }
  regGrid->setColumnStretch(4, 1);
  regGrid->setRowStretch(row, 1);

  auto* frameLayout = new QVBoxLayout(inputs);
  frameLayout->addWidget(pages);
  auto* excludeRow = new QHBoxLayout;
  excludeRow->addWidget(Label(inputs, "LExclude", QStringLiteral("مقادير حذف شده :")));
  auto* exclude = new QLineEdit(inputs);
  exclude->setObjectName(QStringLiteral("ExcludeEnter"));
  exclude->setLayoutDirection(Qt::LeftToRight);
  excludeRow->addWidget(exclude, 1);
  frameLayout->addLayout(excludeRow);

  auto* picture = new PlainDividerPicture(&window);
  picture->setObjectName(QStringLiteral("DividerPicture"));
  auto* inputRow = new QHBoxLayout;
  inputRow->addWidget(inputs, 1);
  inputRow->addWidget(picture, 0, Qt::AlignTop);

  auto* message =
      Label(&window, "LMessage",
            QStringLiteral("ولتاژ خروجي خواسته شده: \u200E3.3 V\u200E؛ بهترين جفت اول است. براي "
                           "نمايش، يک رديف را انتخاب کنيد."));
  message->setWordWrap(true);
  message->setAlignment(Qt::AlignLeading | Qt::AlignTop);
  message->setMinimumHeight(2 * message->fontMetrics().lineSpacing() + 4);

  auto* results = new QGroupBox(QStringLiteral(" بهترين جفت ها "), &window);
  results->setObjectName(QStringLiteral("ResultFrame"));
  auto* table = new QTableWidget(12, 6, results);
  table->setObjectName(QStringLiteral("ResultTable"));
  table->setHorizontalHeaderLabels({"R1", "R2", "Vout", "خطا", "جريان R1", "بدترين حالت Vout"});
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  const char* cells[12][6] = {
      {"47 kΩ", "91 kΩ", "3.297 V", "-0.09 %", "36.2 µA", "3.183 – 3.408 V"},
      {"4.7 kΩ", "9.1 kΩ", "3.297 V", "-0.09 %", "362 µA", "3.183 – 3.408 V"},
      {"470 Ω", "910 Ω", "3.297 V", "-0.09 %", "3.62 mA", "3.183 – 3.408 V"},
      {"62 kΩ", "120 kΩ", "3.297 V", "-0.10 %", "27.5 µA", "3.183 – 3.407 V"},
      {"6.2 kΩ", "12 kΩ", "3.297 V", "-0.10 %", "275 µA", "3.183 – 3.407 V"},
      {"620 Ω", "1.2 kΩ", "3.297 V", "-0.10 %", "2.75 mA", "3.183 – 3.407 V"},
      {"200 kΩ", "390 kΩ", "3.305 V", "+0.15 %", "8.47 µA", "3.191 – 3.415 V"},
      {"20 kΩ", "39 kΩ", "3.305 V", "+0.15 %", "84.7 µA", "3.191 – 3.415 V"},
      {"2 kΩ", "3.9 kΩ", "3.305 V", "+0.15 %", "847 µA", "3.191 – 3.415 V"},
      {"82 kΩ", "160 kΩ", "3.306 V", "+0.18 %", "20.7 µA", "3.192 – 3.416 V"},
      {"8.2 kΩ", "16 kΩ", "3.306 V", "+0.18 %", "207 µA", "3.192 – 3.416 V"},
      {"820 Ω", "1.6 kΩ", "3.306 V", "+0.18 %", "2.07 mA", "3.192 – 3.416 V"},
  };
  int width = table->verticalHeader()->sizeHint().width() + 2 * table->frameWidth();
  for (int c = 0; c < 6; ++c)
    width += c == 5 ? 118 : c == 4 ? 72 : 66;
  for (int r = 0; r < 12; ++r) {
    for (int c = 0; c < 6; ++c) {
      auto* item = new QTableWidgetItem(QStringLiteral("\u200E") + QString::fromUtf8(cells[r][c]) +
                                        QStringLiteral("\u200E"));
      item->setTextAlignment(Qt::AlignCenter);
      table->setItem(r, c, item);
    }
  }
  table->setCurrentCell(0, 0);
  table->setMinimumWidth(width);
  table->setFixedHeight(table->horizontalHeader()->sizeHint().height() +
                        12 * table->verticalHeader()->defaultSectionSize() +
                        2 * table->frameWidth());
  auto* resultLayout = new QVBoxLayout(results);
  resultLayout->addWidget(table);

  auto* layout = new QVBoxLayout(&window);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addLayout(modeRow);
  layout->addLayout(inputRow);
  layout->addWidget(message);
  layout->addWidget(results);
  window.exec();
}

}  // namespace kalvane::floor
