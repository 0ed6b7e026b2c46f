// The floor of the LED array designer, the window Tools -> LED Array
// Designer opens, built the plain Qt way in one go with no logic behind it.
// It builds what the program's window holds when it has been opened: a
// modal QDialog of 780 x 640, right to left, with its Persian title and
// three QGroupBoxes in a grid. "Inputs" holds a grid of caption QLabels,
// left-to-right QLineEdits and unit QLabels with the worked example (25
// LEDs of 3.1 V, 2.9 to 3.3 V, at 20 mA on 12 V), a note QLabel, the
// QCheckBox for the automatic count and the series QComboBox; "Results"
// holds the table of both kinds of string, the totals and the word-wrapped
// message; "The array" holds a widget that paints the two strings between
// the rails with QPainter. The texts are the start state's, written out.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "bench/floor/floor_support.h"

namespace kalvane::floor {
namespace {

constexpr Qt::Alignment kPersianSide = Qt::AlignRight | Qt::AlignAbsolute;

QLabel* Label(QWidget* parent, const char* name, const char* text,
              Qt::Alignment vertical = Qt::AlignVCenter) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(QLatin1String(name));
  label->setFont(PlainFont());
  label->setAlignment(kPersianSide | vertical);
  return label;
}

// The array as the worked example draws it: 8 strings of 3 LEDs, and the
// remainder string of one LED apart.
class PlainArrayPicture : public QWidget {
 public:
  explicit PlainArrayPicture(QWidget* parent) : QWidget(parent) {
    setLayoutDirection(Qt::LeftToRight);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(32, 32, 32), 1.2));
    const int top = 18, bottom = height() - 18;
    const QString supply = QStringLiteral("12 ولت"), ground = QStringLiteral("0 ولت");
    const int labels =
        std::max(fontMetrics().horizontalAdvance(supply), fontMetrics().horizontalAdvance(ground)) +
        8;
    const int left = labels + 4;
    p.drawLine(left, top, left + 400, top);
    p.drawLine(left, bottom, left + 400, bottom);
    p.drawText(QRect(0, top - 10, labels, 20), Qt::AlignRight | Qt::AlignVCenter, supply);
    p.drawText(QRect(0, bottom - 10, labels, 20), Qt::AlignRight | Qt::AlignVCenter, ground);
    struct Column {
      int leds;
      const char *resistor, *ledLabel, *tag;
      bool repeated;
    };
    const Column columns[] = {{3, "150 اهم", "3 × 3.1 ولت", "× 8", true},
                              {1, "470 اهم", "1 × 3.1 ولت", "باقي مانده", false}};
    for (int i = 0; i < 2; ++i) {
      const Column& c = columns[i];
      const int x = left + 30 + i * 190;
      if (!c.repeated) {
        p.save();
        p.setPen(QPen(QColor(160, 160, 160), 1, Qt::DashLine));
        p.drawLine(x - 22, top + 6, x - 22, bottom - 6);
        p.restore();
      } else {
        p.save();
        p.setPen(QPen(QColor(160, 160, 160), 1.2));
        p.setOpacity(0.45);
        DrawString(p, x - 12, top, bottom, c.leds);
        p.restore();
      }
      DrawString(p, x, top, bottom, c.leds);
      p.drawText(QRect(x + 26, top + 8, 146, 30), Qt::AlignLeft | Qt::AlignVCenter,
                 QString::fromUtf8(c.resistor));
      p.drawText(QRect(x + 26, top + 44, 146, 20), Qt::AlignLeft | Qt::AlignVCenter,
                 QString::fromUtf8(c.ledLabel));
      QFont bold = font();
      bold.setBold(true);
      p.save();
      p.setFont(bold);
      p.drawText(QRect(x + 26, top + 66, 146, 20), Qt::AlignLeft | Qt::AlignVCenter,
                 QString::fromUtf8(c.tag));
      p.restore();
    }
  }

 private:
  static void DrawString(QPainter& p, int x, int top, int bottom, int leds) {
    p.drawLine(x, top, x, top + 8);
    p.drawRect(x - 6, top + 8, 12, 30);
    int y = top + 44;
    p.drawLine(x, top + 38, x, y);
    for (int i = 0; i < leds; ++i, y += 22) {
      QPainterPath triangle;
      triangle.moveTo(x - 7, y + 4);
      triangle.lineTo(x + 7, y + 4);
      triangle.lineTo(x, y + 16);
      triangle.closeSubpath();
      p.fillPath(triangle, QColor(200, 30, 30));
      p.drawPath(triangle);
      p.drawLine(x - 7, y + 16, x + 7, y + 16);
      p.drawLine(x, y, x, y + 4);
      p.drawLine(x, y + 16, x, y + 22);
      for (int dy : {6, 11}) {
        p.drawLine(x + 9, y + dy, x + 14, y + dy - 4);
        p.drawLine(x + 14, y + dy - 4, x + 11, y + dy - 4);
      }
    }
    p.drawLine(x, y, x, bottom);
  }
};

}  // namespace

void ExecLedArrayFloor(QWidget* parent) {
  QDialog window(parent);
  window.setObjectName(QStringLiteral("LedArray"));
  window.setModal(true);
  window.setFont(PlainFont());
  window.setLayoutDirection(Qt::RightToLeft);
  window.setWindowTitle(QStringLiteral("طراحي آرايه LED ها با يک منبع تغذيه"));
  window.setFixedSize(780, 640);

  auto* layout = new QGridLayout(&window);
  auto frame = [&window](const char* name, const char* title) {
    auto* box = new QGroupBox(QString::fromUtf8(title), &window);
    box->setObjectName(QLatin1String(name));
    box->setFont(BoldFont());
    return box;
  };
  QGroupBox* inputs = frame("Frame1", " ورودي ها ");
  QGroupBox* results = frame("Frame2", " نتيجه ");
  QGroupBox* array = frame("Frame3", " نقشه آرايه ");
  layout->addWidget(inputs, 0, 0);
  layout->addWidget(results, 0, 1);
  layout->addWidget(array, 1, 0, 1, 2);
  layout->setColumnStretch(1, 1);

  auto* grid = new QGridLayout(inputs);
  const struct {
    const char *caption, *captionText, *box, *boxText, *unit, *unitText;
  } rows[] = {
      {"LSupplyCaption", "ولتاژ منبع تغذيه DC :", "ArrSupply", "12", "LSupplyUnit", "ولت"},
      {"LToleranceCaption", "تلرانس منبع تغذيه :", "ArrSupplyTol", "0", "LToleranceUnit", "درصد"},
      {"LCountCaption", "تعداد LED ها :", "ArrCount", "25", "LCountUnit", "تعداد"},
      {"LVfCaption", "ولتاژ معمول هر LED :", "ArrVf", "3.1", "LVfUnit", "ولت"},
      {"LVfMinCaption", "حداقل ولتاژ LED :", "ArrVfMin", "2.9", "LVfMinUnit", "ولت"},
      {"LVfMaxCaption", "حداکثر ولتاژ LED :", "ArrVfMax", "3.3", "LVfMaxUnit", "ولت"},
      {"LCurrentCaption", "جريان هر LED :", "ArrCurrent", "20", "LCurrentUnit", "ميلي آمپر"},
      {"LPerStringCaption", "تعداد LED در هر رشته :", "ArrPerString", "3", "LPerStringUnit",
       "تعداد"},
      {"LHeadroomCaption", "حاشيه ولتاژ (خودکار) :", "ArrHeadroom", "1", "LHeadroomUnit", "ولت"},
  };
  int row = 0;
  for (const auto& r : rows) {
    if (std::string_view(r.box) == "ArrPerString") {
      auto* automatic = new QCheckBox(QStringLiteral("تعداد خودکار در هر رشته"), inputs);
      automatic->setObjectName(QStringLiteral("ArrAuto"));
      automatic->setFont(PlainFont());
      automatic->setChecked(true);
      grid->addWidget(automatic, row++, 0, 1, 3);
    }
    auto* box = new QLineEdit(QString::fromUtf8(r.boxText), inputs);
    box->setObjectName(QLatin1String(r.box));
    box->setFont(PlainFont());
    box->setFixedWidth(84);
    box->setLayoutDirection(Qt::LeftToRight);
    box->setEnabled(std::string_view(r.box) != "ArrPerString");
    grid->addWidget(Label(inputs, r.caption, r.captionText), row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(Label(inputs, r.unit, r.unitText), row, 2);
    ++row;
    if (std::string_view(r.box) == "ArrVfMax") {
      QLabel* note = Label(inputs, "LOptionalNote", "حداقل و حداکثر: خالي يعني معمول");
      SetTextColour(note, QColor(96, 96, 96));
      grid->addWidget(note, row++, 0, 1, 3);
    }
  }
  auto* series = new QComboBox(inputs);
  series->setObjectName(QStringLiteral("ArrSeries"));
  series->setFont(PlainFont());
  series->addItems({"E6", "E12", "E24", "E48", "E96", "E192"});
  series->setCurrentIndex(2);
  grid->addWidget(Label(inputs, "LSeriesCaption", "رنج مقاومت :"), row, 0);
  grid->addWidget(series, row, 1);
  grid->setRowStretch(row + 1, 1);

  auto* table = new QGridLayout(results);
  table->setHorizontalSpacing(10);
  table->addWidget(Label(results, "LKind1", "8 رشته 3 تايي"), 0, 1);
  table->addWidget(Label(results, "LKind2", "1 رشته 1 تايي (باقي مانده)"), 0, 2);
  const struct {
    const char *caption, *captionText, *first, *firstText, *second, *secondText;
  } kinds[] = {
      {"LExactCaption", "مقاومت دقيق :", "LExact1", "135 اهم", "LExact2", "445 اهم"},
      {"LStandardCaption", "مقاومت استاندارد :", "LStandard1", "150 اهم (E24)", "LStandard2",
       "470 اهم (E24)"},
      {"LStringCurrentCaption", "جريان LED :", "LCurrent1", "18 ميلي آمپر", "LCurrent2",
       "18.94 ميلي آمپر"},
      {"LPowerCaption", "توان مقاومت :", "LPower1", "0.0486 وات", "LPower2", "0.1685 وات"},
      {"LRatingCaption", "وات مقاومت (بار تا 60%) :", "LRating1", "1/4 وات", "LRating2", "1/2 وات"},
      {"LRangeCaption", "بازه جريان در بدترين حالت :", "LRange1", "13.33 تا 23.16 ميلي آمپر",
       "LRange2", "17.63 تا 20.38 ميلي آمپر"},
  };
  row = 1;
  for (const auto& k : kinds) {
    table->addWidget(Label(results, k.caption, k.captionText), row, 0);
    for (auto [name, text, column] :
         {std::tuple{k.first, k.firstText, 1}, std::tuple{k.second, k.secondText, 2}}) {
      QLabel* value = Label(results, name, text);
      value->setTextInteractionFlags(Qt::TextSelectableByMouse);
      table->addWidget(value, row, column);
    }
    ++row;
  }
  table->setRowMinimumHeight(row++, 8);
  const struct {
    const char *caption, *captionText, *value, *valueText;
  } totals[] = {
      {"LTotalCurrentCaption", "جريان کل :", "LTotalCurrent", "162.9 ميلي آمپر"},
      {"LTotalPowerCaption", "توان کل :", "LTotalPower", "1.955 وات"},
      {"LLedPowerCaption", "توان LED ها :", "LLedPower", "1.398 وات"},
      {"LEfficiencyCaption", "بازده :", "LEfficiency", "71.5 درصد"},
  };
  for (const auto& t : totals) {
    table->addWidget(Label(results, t.caption, t.captionText), row, 0);
    QLabel* value = Label(results, t.value, t.valueText);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    table->addWidget(value, row++, 1, 1, 2);
  }
  QLabel* message = Label(
      results, "LArrMessage",
      "در بدترين حالت جريان يک رشته بيش از 10 درصد از جريان خواسته شده بالاتر است.", Qt::AlignTop);
  message->setWordWrap(true);
  SetTextColour(message, QColor(150, 80, 0));
  table->addWidget(message, row, 0, 1, 3);
  table->setRowStretch(row, 1);
  table->setColumnStretch(1, 1);
  table->setColumnStretch(2, 1);

  auto* picture = new PlainArrayPicture(array);
  picture->setObjectName(QStringLiteral("ArrPicture"));
  picture->setFont(PlainFont());
  picture->setFixedHeight(196);
  (new QVBoxLayout(array))->addWidget(picture);
  window.exec();
}

}  // namespace kalvane::floor
