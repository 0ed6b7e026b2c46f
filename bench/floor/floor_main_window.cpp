// The main window's floor: the window the program shows at start, built the
// plain Qt way in one go, as a form with fixed geometry would be, with no
// logic behind it. It builds exactly what the program's main window holds
// once it has started (the census in bench/run.sh compares the two):
// - a QMainWindow, right to left, titled " کالوانه نسخه 1", its client a
//   QWidget of 332 x 511 and its size fixed; the window font of every window;
// - the menu bar: Tools (Resistor Color Code with 4-, 5- and 6-band; SMD
//   code; Standard Series with E6 to E192 checkable in one group, E24
//   checked), Language (Persian, English), Help (About), all in Persian;
// - the input frame (a bold QGroupBox) holding the arrangement QComboBox
//   with its two items, three QRadioButtons (the first checked), four rows of
//   caption QLabel, QLineEdit with the designed start value (12, 5, 2.2, 20),
//   unit QLabel, two picture buttons holding three SVG pictures each and two
//   hidden QLabels with the greyed SVG pictures, and the QPushButton;
// - the result frame (a bold QGroupBox inside it) with five caption QLabels,
//   four unit QLabels, two read-only QLineEdits and three value QLabels,
//   holding the start circuit's results as text;
// - the diagram: a QFrame box, a QLabel with the SVG circuit picture at
//   301 x 80, and six left-to-right QLabels naming the supply, the resistor
//   and the LEDs;
// - the text colours: red for the supply row, green for the LED rows, blue
//   for the results.
// Each distinct picture is rendered once from its SVG, at the size shown,
// and given to every widget that shows it.
#include <QActionGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "bench/floor/floor_support.h"

namespace kalvane::floor {
namespace {

constexpr Qt::Alignment kPersianSide = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter;

QLabel* Caption(QWidget* parent, const char* name, QRect geometry, const QString& text,
                const QColor& colour) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setFont(PlainFont());
  label->setAlignment(kPersianSide);
  label->setGeometry(geometry);
  SetTextColour(label, colour);
  return label;
}

QLineEdit* Box(QWidget* parent, const char* name, QRect geometry, const QString& text,
               const QColor& colour) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(QLatin1String(name));
  box->setFont(PlainFont());
  box->setAlignment(kPersianSide);
  box->setGeometry(geometry);
  SetTextColour(box, colour);
  return box;
}

QLabel* DiagramLabel(QWidget* parent, const char* name, QRect geometry, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setLayoutDirection(Qt::LeftToRight);
  label->setGeometry(geometry);
  return label;
}

QAction* Entry(QMenu* menu, const char* name, const QString& text) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QLatin1String(name));
  return action;
}

QMenu* Menu(QMenuBar* bar, QMenu* owner, const char* name, const QString& title) {
  QMenu* menu = owner ? owner->addMenu(title) : bar->addMenu(title);
  menu->setObjectName(QLatin1String(name));
  return menu;
}

}  // namespace

void BuildMainWindowFloor(QMainWindow& window) {
  window.setObjectName(QStringLiteral("MainFrms"));
  window.setLayoutDirection(Qt::RightToLeft);
  window.setWindowTitle(QStringLiteral(" کالوانه نسخه 1"));
  window.setFont(PlainFont());

  QMenuBar* bar = window.menuBar();
  bar->setObjectName(QStringLiteral("menuBar"));
  QMenu* tools = Menu(bar, nullptr, "Tol", QStringLiteral("ابزار"));
  QMenu* colours = Menu(bar, tools, "ResCol", QStringLiteral("محاسبه رنگ مقاومت"));
  QObject::connect(Entry(colours, "Res4Col", QStringLiteral("مقاومت 4 باند")), &QAction::triggered,
                   &window, [&window] { ExecFourBandFloor(&window); });
  QObject::connect(Entry(colours, "Res5Col", QStringLiteral("مقاومت 5 باند")), &QAction::triggered,
                   &window, [&window] { ExecFiveBandFloor(&window); });
  QObject::connect(Entry(colours, "Res6Col", QStringLiteral("مقاومت 6 باند")), &QAction::triggered,
                   &window, [&window] { ExecSixBandFloor(&window); });
  QObject::connect(Entry(tools, "ResSmd", QStringLiteral("محاسبه کد مقاومت SMD")),
                   &QAction::triggered, &window, [&window] { ExecSmdFloor(&window); });
  QObject::connect(Entry(tools, "ResNet", QStringLiteral("يافتن ترکيب مقاومت ها")),
                   &QAction::triggered, &window, [&window] { ExecNetworkFinderFloor(&window); });
  QObject::connect(Entry(tools, "ResDiv", QStringLiteral("محاسبه مقاومت تقسيم ولتاژ و رگولاتور")),
                   &QAction::triggered, &window, [&window] { ExecDividerFloor(&window); });
  QObject::connect(Entry(tools, "LedArr", QStringLiteral("طراحي آرايه LED")), &QAction::triggered,
                   &window, [&window] { ExecLedArrayFloor(&window); });
  QMenu* series = Menu(bar, tools, "StdSer", QStringLiteral("رنج استاندارد"));
  auto* seriesGroup = new QActionGroup(&window);
  for (const char* name : {"E6", "E12", "E24", "E48", "E96", "E192"}) {
    QAction* action = Entry(series, name, QLatin1String(name));
    action->setCheckable(true);
    action->setChecked(QLatin1String(name) == QLatin1String("E24"));
    action->setActionGroup(seriesGroup);
  }
  QMenu* language = Menu(bar, nullptr, "Lang", QStringLiteral("زبان"));
  Entry(language, "Per", QStringLiteral("فارسي"));
  Entry(language, "En", QStringLiteral("انگليسي"));
  QMenu* help = Menu(bar, nullptr, "Help", QStringLiteral("راهنما"));
  QObject::connect(Entry(help, "About", QStringLiteral("درباره")), &QAction::triggered, &window,
                   [&window] { ExecAboutFloor(&window); });

  auto* client = new QWidget(&window);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(332, 511);
  window.setCentralWidget(client);
  window.layout()->setSizeConstraint(QLayout::SetFixedSize);

  auto* inputs = new QGroupBox(QStringLiteral(" محاسبه حالت سري led "), client);
  inputs->setObjectName(QStringLiteral("Frame1"));
  inputs->setFont(BoldFont());
  inputs->setGeometry(10, 8, 313, 395);

  auto* arrangement = new QComboBox(inputs);
  arrangement->setObjectName(QStringLiteral("SerMov"));
  arrangement->setFont(PlainFont());
  arrangement->addItem(QStringLiteral("حالت سري"));
  arrangement->addItem(QStringLiteral("حالت موازي"));
  arrangement->setGeometry(160, 24, 137, 21);

  const struct {
    const char* name;
    const char* text;
    QRect geometry;
  } modes[] = {{"Resis", "مقاومت", {240, 53, 61, 17}},
               {"Volt", "ولتاژ", {184, 53, 43, 17}},
               {"Amp", "جريان", {120, 53, 49, 17}}};
  for (const auto& mode : modes) {
    auto* button = new QRadioButton(QString::fromUtf8(mode.text), inputs);
    button->setObjectName(QLatin1String(mode.name));
    button->setFont(PlainFont());
    button->setGeometry(mode.geometry);
  }
  inputs->findChild<QRadioButton*>(QStringLiteral("Resis"))->setChecked(true);

  const QColor red(255, 0, 0), green(0, 128, 0), blue(0, 0, 255);
  const QSize spin(15, 10);
  const QPixmap up = SvgPixmap(QStringLiteral(":/spin/up.svg"), spin);
  const QPixmap upHover = SvgPixmap(QStringLiteral(":/spin/up_hover.svg"), spin);
  const QPixmap upPressed = SvgPixmap(QStringLiteral(":/spin/up_pressed.svg"), spin);
  const QPixmap upGreyed = SvgPixmap(QStringLiteral(":/spin/up_greyed.svg"), spin);
  const QPixmap down = SvgPixmap(QStringLiteral(":/spin/down.svg"), spin);
  const QPixmap downHover = SvgPixmap(QStringLiteral(":/spin/down_hover.svg"), spin);
  const QPixmap downPressed = SvgPixmap(QStringLiteral(":/spin/down_pressed.svg"), spin);
  const QPixmap downGreyed = SvgPixmap(QStringLiteral(":/spin/down_greyed.svg"), spin);
  const struct {
    const char *caption, *captionText, *box, *boxText, *unit, *unitText, *letter;
    QRect captionRect, unitRect;
    int top;  // of the box and the up button; the down button is 11 lower
    QColor colour;
  } rows[] = {
      {"Label1",
       "ولتاژ منبع تغذيه DC :",
       "Vtdc",
       "12",
       "Label8",
       "ولت",
       "A",
       {171, 82, 126, 17},
       {72, 83, 28, 17},
       79,
       red},
      {"Label2",
       "تعداد LED سري شده :",
       "LedCount",
       "5",
       "Label9",
       "تعداد",
       "B",
       {167, 111, 130, 17},
       {76, 112, 24, 17},
       109,
       green},
      {"Label3",
       "ولتاژ دو سر هر LED :",
       "VLed",
       "2.2",
       "Label10",
       "ولت",
       "C",
       {169, 155, 128, 17},
       {72, 156, 28, 17},
       152,
       green},
      {"Label4",
       "جريان هر LED :",
       "ALed",
       "20",
       "Label11",
       "ميلي آمپر",
       "D",
       {171, 183, 126, 17},
       {52, 184, 48, 17},
       181,
       green},
  };
  for (const auto& row : rows) {
    Caption(inputs, row.caption, row.captionRect, QString::fromUtf8(row.captionText), row.colour);
    Caption(inputs, row.unit, row.unitRect, QString::fromUtf8(row.unitText), row.colour);
  }
  for (const auto& row : rows) {
    Box(inputs, row.box, {120, row.top, 57, 22}, QString::fromUtf8(row.boxText), row.colour);
    const QString letter = QLatin1String(row.letter);
    auto greyed = [inputs](const QString& name, const QPixmap& picture, int top) {
      auto* label = new QLabel(inputs);
      label->setObjectName(name);
      label->setFont(PlainFont());
      label->setPixmap(picture);
      label->setGeometry(104, top, 15, 10);
      label->hide();
    };
    greyed(QStringLiteral("UpDis") + letter, upGreyed, row.top);
    greyed(QStringLiteral("DownDis") + letter, downGreyed, row.top + 11);
    auto* upButton = new PlainPictureButton(up, upHover, upPressed, inputs);
    upButton->setObjectName(QStringLiteral("BtUp") + letter);
    upButton->move(104, row.top);
    auto* downButton = new PlainPictureButton(down, downHover, downPressed, inputs);
    downButton->setObjectName(QStringLiteral("BtDown") + letter);
    downButton->move(104, row.top + 11);
  }

  auto* calculate = new QPushButton(QStringLiteral("محاسبه"), inputs);
  calculate->setObjectName(QStringLiteral("Calc"));
  calculate->setFont(PlainFont());
  calculate->setGeometry(116, 357, 81, 33);

  auto* results = new QGroupBox(QStringLiteral(" نتيجه "), inputs);
  results->setObjectName(QStringLiteral("Frame2"));
  results->setFont(BoldFont());
  results->setGeometry(8, 208, 297, 144);
  Caption(results, "Label6", {151, 19, 138, 17}, QStringLiteral("مقاومت براي هر شاخه :"), blue);
  Caption(results, "Label13", {54, 19, 47, 17}, QStringLiteral("اهم"), blue);
  Caption(results, "Label5", {155, 47, 134, 17}, QStringLiteral("ميزان نور هر شاخه :"), blue);
  Caption(results, "Label12", {54, 48, 47, 17}, QStringLiteral("ميلي وات"), blue);
  Caption(results, "Label16", {125, 73, 164, 17}, QStringLiteral("مقاومت نزديک به رنج استاندارد :"),
          blue);
  Caption(results, "Label17", {125, 96, 164, 17}, QStringLiteral("مقاومت نزديک به رنج استاندارد :"),
          blue);
  Caption(results, "Label7", {133, 123, 156, 17}, QStringLiteral("پيشنهاد مقدار وات مقاومت :"),
          blue);
  for (const auto& [name, text, geometry] : {std::tuple{"ResisSH", "50", QRect(105, 16, 65, 22)},
                                             std::tuple{"WatSH", "220", QRect(105, 45, 65, 22)}}) {
    Box(results, name, geometry, QLatin1String(text), blue)->setReadOnly(true);
  }
  Caption(results, "ResisPishLarg", {5, 73, 132, 17}, QStringLiteral("51 اهم  (بزرگتر)"), blue);
  Caption(results, "ResisPishSmall", {5, 96, 132, 17}, QStringLiteral("47 اهم  (کوچکتر)"), blue);
  Caption(results, "WatPish", {109, 123, 44, 17}, QStringLiteral("1/4 وات"), blue);

  auto* diagramFrame = new QFrame(client);
  diagramFrame->setObjectName(QStringLiteral("Shape1"));
  diagramFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
  diagramFrame->setGeometry(10, 408, 313, 94);
  auto* diagram = new QLabel(client);
  diagram->setObjectName(QStringLiteral("Image1"));
  diagram->setGeometry(16, 416, 301, 80);
  diagram->setPixmap(SvgPixmap(QStringLiteral(":/circuits/seriesN.svg"), diagram->size()));
  DiagramLabel(client, "Label14", {35, 448, 46, 15}, QStringLiteral("VCC : 12V"));
  DiagramLabel(client, "Label15", {43, 472, 52, 15}, QStringLiteral("R : 50 Ohm"));
  DiagramLabel(client, "D1L", {119, 453, 14, 15}, QStringLiteral("D1"));
  DiagramLabel(client, "D2L", {159, 453, 14, 15}, QStringLiteral("D2"));
  DiagramLabel(client, "D3L", {199, 453, 14, 15}, QStringLiteral("D3"));
  DiagramLabel(client, "DnL", {263, 453, 25, 15}, QStringLiteral("D5"))
      ->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

}  // namespace kalvane::floor
