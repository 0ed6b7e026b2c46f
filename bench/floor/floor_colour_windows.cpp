// The floors of the three colour-code windows (4-, 5- and 6-band), each the
// window the program opens from Tools -> Resistor Color Code at its designed
// start, built the plain Qt way in one go, with no logic behind it. Each
// builds what the program's window holds when it has been opened (the census
// in bench/run.sh compares them):
// - a modal QDialog of fixed size, right to left, with its Persian title;
// - for every band two QComboBoxes at the same place, the Persian one shown
//   and the English one hidden, each filled with its band's item texts
//   (from the colour tables), all items visible when it drops down, at the
//   start position and painted in that position's back and text colour;
// - the resistor body: a QLabel with the body SVG rendered at 222 x 53, and
//   one QLabel per band holding a shaded strip of the band's colour
//   (8 x 52 on the end caps, 8 x 44 between them), painted with a gradient;
// - the frames (QGroupBox): the typed value with its QLineEdit holding "1",
//   the value with its English and Persian QLabels, the tolerance with its
//   QLabel and, for 6 bands, the temperature coefficient with its QLabel,
//   each holding the start bands' texts.
// The item texts and colours are the colour tables' data; nothing is
// decoded or computed.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <array>

#include "bench/floor/floor_support.h"
#include "core/colour_tables.h"

namespace kalvane::floor {
namespace {

struct BandPlace {
  const char* name;  // of the band: "Band1", "BandTolerance", ...
  QRect selector;
  QRect strip;
};

struct ColourWindowPlaces {
  WindowKind kind;
  const char* name;
  const char* title;
  QSize size;
  std::array<BandPlace, 6> bands;  // the first bandCount of them
  QRect body, typedFrame, valueFrame, englishValue, persianValue, toleranceFrame, tolerance;
  const char* toleranceText;
  QRect temperatureFrame, temperature;  // 6 bands only
  std::array<int, 6> start;             // each band's position at the designed start
};

// Pixel geometry of the designed windows at 96 dpi.
const ColourWindowPlaces kFourBand = {WindowKind::FourBand,
                                      "Calc4Band",
                                      " محاسبه كد رنگي مقاومت هاي 4 باند",
                                      {392, 269},
                                      {{{"Band1", {8, 16, 81, 21}, {128, 57, 8, 52}},
                                        {"Band2", {96, 16, 81, 21}, {173, 61, 8, 44}},
                                        {"Band3", {184, 16, 97, 21}, {217, 61, 8, 44}},
                                        {"BandTolerance", {296, 16, 89, 21}, {262, 57, 8, 52}}}},
                                      {88, 57, 222, 53},
                                      {77, 120, 241, 59},
                                      {8, 200, 241, 59},
                                      {10, 28, 97, 17},
                                      {120, 28, 106, 17},
                                      {264, 200, 121, 59},
                                      {7, 28, 106, 17},
                                      "±5%",
                                      {},
                                      {},
                                      {0, 0, 1, 1}};
const ColourWindowPlaces kFiveBand = {WindowKind::FiveBand,
                                      "Calc5Band",
                                      " محاسبه كد رنگي مقاومت هاي 5 باند",
                                      {480, 269},
                                      {{{"Band1", {8, 16, 81, 21}, {169, 57, 8, 52}},
                                        {"Band2", {96, 16, 81, 21}, {200, 61, 8, 44}},
                                        {"Band3", {184, 16, 81, 21}, {232, 61, 8, 44}},
                                        {"Band4", {272, 16, 97, 21}, {263, 61, 8, 44}},
                                        {"BandTolerance", {384, 16, 89, 21}, {303, 57, 8, 52}}}},
                                      {128, 57, 222, 53},
                                      {119, 120, 241, 59},
                                      {8, 200, 273, 59},
                                      {10, 28, 97, 17},
                                      {152, 28, 106, 17},
                                      {296, 200, 174, 59},
                                      {7, 28, 160, 17},
                                      "±1%",
                                      {},
                                      {},
                                      {0, 0, 0, 0, 0}};
const ColourWindowPlaces kSixBand = {WindowKind::SixBand,
                                     "Calc6Band",
                                     " محاسبه كد رنگي مقاومت هاي 6 باند",
                                     {593, 269},
                                     {{{"Band1", {8, 16, 81, 21}, {226, 57, 8, 52}},
                                       {"Band2", {96, 16, 81, 21}, {258, 61, 8, 44}},
                                       {"Band3", {184, 16, 81, 21}, {280, 61, 8, 44}},
                                       {"Band4", {272, 16, 97, 21}, {302, 61, 8, 44}},
                                       {"BandTolerance", {376, 16, 89, 21}, {328, 61, 8, 44}},
                                       {"BandTC", {472, 16, 113, 21}, {361, 57, 8, 52}}}},
                                     {186, 57, 222, 53},
                                     {176, 120, 241, 59},
                                     {8, 200, 273, 59},
                                     {10, 28, 97, 17},
                                     {152, 28, 106, 17},
                                     {289, 200, 144, 59},
                                     {7, 28, 130, 17},
                                     "±1%",
                                     {441, 200, 144, 59},
                                     {7, 28, 130, 17},
                                     {0, 0, 0, 0, 0, 1}};

// A band's strip, lit from above as if wrapped round the body.
QPixmap Strip(Colour colour, QSize size) {
  const qreal ratio = qApp->devicePixelRatio();
  QPixmap strip(size * ratio);
  strip.setDevicePixelRatio(ratio);
  const QColor base(colour.Red(), colour.Green(), colour.Blue());
  QLinearGradient shading(0, 0, 0, size.height());
  shading.setColorAt(0.0, base.darker(165));
  shading.setColorAt(0.28, base.value() < 40 ? QColor(90, 90, 90) : base.lighter(150));
  shading.setColorAt(0.55, base);
  shading.setColorAt(1.0, base.darker(180));
  QPainter painter(&strip);
  painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), shading);
  return strip;
}

QLabel* Label(QWidget* parent, const char* name, QRect geometry, const QString& text,
              Qt::LayoutDirection direction, Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(geometry);
  label->setLayoutDirection(direction);
  label->setAlignment(alignment);
  return label;
}

QGroupBox* Frame(QWidget* parent, const char* name, QRect geometry, const QString& title) {
  auto* frame = new QGroupBox(title, parent);
  frame->setObjectName(QLatin1String(name));
  frame->setGeometry(geometry);
  return frame;
}

void ExecColourFloor(const ColourWindowPlaces& places, QWidget* parent) {
  QDialog window(parent);
  window.setObjectName(QLatin1String(places.name));
  window.setModal(true);
  window.setFont(PlainFont());
  window.setLayoutDirection(Qt::RightToLeft);
  window.setWindowTitle(QString::fromUtf8(places.title));
  window.setFixedSize(places.size);

  const ColourWindowLayout& layout = LayoutOf(places.kind);
  auto startOf = [&places](int band) { return places.start[static_cast<std::size_t>(band)]; };
  for (int band = 0; band < layout.bandCount; ++band) {
    const BandPlace& place = places.bands[static_cast<std::size_t>(band)];
    const BandList list = layout.lists[static_cast<std::size_t>(band)];
    const BandColourInfo& colour = InfoOf(*ColourAt(list, startOf(band)));
    for (bool persian : {true, false}) {
      auto* selector = new QComboBox(&window);
      selector->setObjectName(QLatin1String(place.name) + QLatin1String(persian ? "_F" : "_E"));
      for (const BandListItem& item : ItemsOf(list))
        selector->addItem(Text(persian ? item.persian : item.english));
      selector->setGeometry(place.selector);
      selector->setMaxVisibleItems(selector->count());
      selector->setCurrentIndex(startOf(band));
      QPalette palette = selector->palette();
      for (QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window})
        palette.setColor(role, QColor(colour.back.Red(), colour.back.Green(), colour.back.Blue()));
      for (QPalette::ColorRole role :
           {QPalette::ButtonText, QPalette::Text, QPalette::WindowText}) {
        palette.setColor(role, QColor(colour.text.Red(), colour.text.Green(), colour.text.Blue()));
      }
      selector->setPalette(palette);
      selector->setVisible(persian);
    }
  }
  auto* body = new QLabel(&window);
  body->setObjectName(QStringLiteral("Image6"));
  body->setGeometry(places.body);
  body->setPixmap(SvgPixmap(QStringLiteral(":/resistor/body.svg"), places.body.size()));
  for (int band = 0; band < layout.bandCount; ++band) {
    const BandPlace& place = places.bands[static_cast<std::size_t>(band)];
    const BandList list = layout.lists[static_cast<std::size_t>(band)];
    const QString name = QString::fromLatin1(place.name);
    auto* strip = new QLabel(&window);
    strip->setObjectName(name == QLatin1String("BandTolerance") ? QStringLiteral("ColorToler")
                         : name == QLatin1String("BandTC")      ? QStringLiteral("ColorTC")
                                                           : QStringLiteral("Color") + name.mid(4));
    strip->setGeometry(place.strip);
    strip->setPixmap(Strip(InfoOf(*ColourAt(list, startOf(band))).back, place.strip.size()));
  }

  QGroupBox* typed = Frame(&window, "Frame3", places.typedFrame,
                           QStringLiteral("نمايش کد رنگي با وارد کردن مقدار مقاومت (اهم)"));
  QGroupBox* value = Frame(&window, "Frame1", places.valueFrame, QStringLiteral(" مقدار مقاومت "));
  QGroupBox* tolerance =
      Frame(&window, "Frame2", places.toleranceFrame, QStringLiteral(" درصد خطاي مقاومت "));
  auto* box = new QLineEdit(QStringLiteral("1"), typed);
  box->setObjectName(QStringLiteral("ResisEnter"));
  box->setGeometry(71, 24, 97, 19);
  box->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
  Label(value, "LResValE", places.englishValue, QStringLiteral("1 Ohm"), Qt::LeftToRight,
        Qt::AlignLeft | Qt::AlignVCenter);
  Label(value, "LResValF", places.persianValue, QStringLiteral("1 اهم"), Qt::RightToLeft,
        Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
  Label(tolerance, "LToler", places.tolerance, QString::fromUtf8(places.toleranceText),
        Qt::LeftToRight, Qt::AlignHCenter | Qt::AlignVCenter);
  if (layout.temperatureCoefficientBand >= 0) {
    QGroupBox* temperature =
        Frame(&window, "Frame4", places.temperatureFrame, QStringLiteral(" ضريب دمايي "));
    Label(temperature, "LTempCo", places.temperature, QStringLiteral("100 ppm/K"), Qt::LeftToRight,
          Qt::AlignHCenter | Qt::AlignVCenter);
  }
  window.exec();
}

}  // namespace

void ExecFourBandFloor(QWidget* parent) {
  ExecColourFloor(kFourBand, parent);
}

void ExecFiveBandFloor(QWidget* parent) {
  ExecColourFloor(kFiveBand, parent);
}

void ExecSixBandFloor(QWidget* parent) {
  ExecColourFloor(kSixBand, parent);
}

}  // namespace kalvane::floor
