#include "ui/main_frms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "core/number_text.h"
#include "core/power_rating.h"
#include "core/standard_values.h"
#include "i18n/accessible_names.h"
#include "i18n/caption_tables.h"
#include "i18n/language.h"
#include "ui/aa.h"
#include "ui/calc4band.h"
#include "ui/calc5band.h"
#include "ui/look.h"
#include "ui/numeric_entry.h"
#include "ui/pictures.h"
#include "ui/twips.h"
#include "widgets/dis_rclick.h"
#include "widgets/picture_button.h"

namespace kalvane {
namespace {

// Designed sizes, in twips, of the controls the caption tables only move.
constexpr int kClientWidth = 4980;
constexpr int kClientHeight = 7665;
constexpr int kLabelHeight = 255;
constexpr int kBoxWidth = 855;
constexpr int kBoxHeight = 330;
constexpr int kResultBoxWidth = 975;
constexpr int kSpinWidth = 225;
constexpr int kSpinHeight = 150;
constexpr int kComboHeight = 315;
constexpr int kOptionHeight = 255;
// Persian captions are right-aligned up to these edges; the English layout
// keeps each label's width and aligns its text left.
constexpr int kInputCaptionRight = 4455;   // the arrangement list's right edge in Frame1
constexpr int kResultCaptionRight = 4335;  // inside Frame2
constexpr int kUnitRight = 1500;           // a few pixels left of the spin buttons
constexpr int kResultUnitRight = 1520;     // a few pixels left of the result boxes
constexpr int kLastLedLabelWidth = 375;

constexpr QSize kDiagramSize(301, 80);  // Image1: 4515 x 1200 twips
constexpr QSize kSpinSize(15, 10);

const QColor kSupplyColour(255, 0, 0);
const QColor kLedColour(0, 128, 0);
const QColor kResultColour(0, 0, 255);

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Utf8(const QLineEdit* box) {
  return box->text().toStdString();
}

std::string_view PersianCaption(std::string_view name) {
  for (const Caption& caption : kMainWindowCaptions) {
    if (caption.name == name)
      return caption.persian;
  }
  for (const Caption& caption : ModeCaptions(LedCalcMode::Resis)) {
    if (caption.name == name)
      return caption.persian;
  }
  return {};
}

constexpr Qt::Alignment kPersianAlignment = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter;

// A caption label that never takes the mouse, so it cannot shadow the box
// next to it where their rectangles overlap.
QLabel* NewCaption(QWidget* parent, const char* name, int widthTwips) {
  auto* label = new QLabel(Text(PersianCaption(name)), parent);
  label->setObjectName(QLatin1String(name));
  label->setFont(WindowFont());  // not the bold of the frame around it
  label->resize(Px(widthTwips), Px(kLabelHeight));
  label->setAlignment(kPersianAlignment);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

QLabel* NewDiagramLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setLayoutDirection(Qt::LeftToRight);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  label->adjustSize();
  return label;
}

void SetAutoSizedText(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

QLineEdit* NewBox(QWidget* parent, const char* name, const QString& text, int widthTwips) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(QLatin1String(name));
  box->resize(TwipSize(widthTwips, kBoxHeight));
  box->setAlignment(kPersianAlignment);
  return box;
}

void SetForeground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

void MoveTwips(QWidget* widget, int left, int top) {
  widget->move(Px(left), Px(top));
}

}  // namespace

MainFrms::MainFrms(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("MainFrms"));
  setWindowTitle(Text(PersianCaption("MainFrms")));
  setLayoutDirection(Qt::RightToLeft);
  setFont(WindowFont());

  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  client_->setFixedSize(TwipSize(kClientWidth, kClientHeight));
  setCentralWidget(client_);

  BuildMenus();
  BuildPanel();
  BuildResults();
  BuildDiagram();
  PlaceDesignedControls();
  SetTabOrder();
  Form_Load();
}

// Reading order, the same in both layouts: the arrangement, the mode
// buttons (the resistor mode first on either side), the four inputs, the
// two results, the calculation button.
void MainFrms::SetTabOrder() {
  QWidget* const chain[] = {SerMov, Resis, Volt,    Amp,   Vtdc, LedCount,
                            VLed,   ALed,  ResisSH, WatSH, Calc};
  for (std::size_t i = 1; i < std::size(chain); ++i)
    setTabOrder(chain[i - 1], chain[i]);
}

MainFrms::~MainFrms() = default;

void MainFrms::BuildMenus() {
  auto addMenu = [](auto* owner, const char* name) {
    QMenu* menu = owner->addMenu(Text(PersianCaption(name)));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
  };
  auto addItem = [this](QMenu* menu, const char* name) {
    QAction* action = menu->addAction(Text(PersianCaption(name)));
    action->setObjectName(QLatin1String(name));
    action->setParent(this);
    return action;
  };
  menuBar()->setObjectName(QStringLiteral("menuBar"));
  Tol = addMenu(menuBar(), "Tol");
  ResCol = addMenu(Tol, "ResCol");
  Res4Col = addItem(ResCol, "Res4Col");
  Res5Col = addItem(ResCol, "Res5Col");
  Lang = addMenu(menuBar(), "Lang");
  Per = addItem(Lang, "Per");
  En = addItem(Lang, "En");
  Help = addMenu(menuBar(), "Help");
  About = addItem(Help, "About");
  connect(Res4Col, &QAction::triggered, this, &MainFrms::Res4Col_Click);
  connect(Res5Col, &QAction::triggered, this, &MainFrms::Res5Col_Click);
  connect(Per, &QAction::triggered, this, &MainFrms::Per_Click);
  connect(En, &QAction::triggered, this, &MainFrms::En_Click);
  connect(About, &QAction::triggered, this, &MainFrms::About_Click);
}

void MainFrms::BuildPanel() {
  Frame1 = new QGroupBox(Text(kFrame1SeriesCaption.persian), client_);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setFont(FrameFont());
  Frame1->setGeometry(TwipRect(150, 120, 4695, 5920));

  SerMov = new QComboBox(Frame1);
  SerMov->setObjectName(QStringLiteral("SerMov"));
  SerMov->setFont(WindowFont());
  for (const Caption& item : kSerMovItems)
    SerMov->addItem(Text(item.persian));
  SerMov->resize(TwipSize(2055, kComboHeight));

  auto newOption = [this](const char* name, int widthTwips) {
    auto* option = new QRadioButton(Text(PersianCaption(name)), Frame1);
    option->setObjectName(QLatin1String(name));
    option->setFont(WindowFont());
    option->resize(std::max(Px(widthTwips), option->sizeHint().width()), Px(kOptionHeight));
    return option;
  };
  Resis = newOption("Resis", kModeButtonWidths[0].persianLeft);
  Volt = newOption("Volt", kModeButtonWidths[1].persianLeft);
  Amp = newOption("Amp", kModeButtonWidths[2].persianLeft);
  Resis->setChecked(true);

  // Captions first, so that the boxes lie above them.
  auto caption = [this](const char* name, int left, int right) {
    return NewCaption(Frame1, name, right - left);
  };
  Label1 = caption("Label1", 2565, kInputCaptionRight);
  Label2 = caption("Label2", 2505, kInputCaptionRight);
  Label3 = caption("Label3", 2535, kInputCaptionRight);
  Label4 = caption("Label4", 2565, kInputCaptionRight);
  Label8 = caption("Label8", 1080, kUnitRight);
  Label9 = caption("Label9", 1140, kUnitRight);
  Label10 = caption("Label10", 1080, kUnitRight);
  Label11 = caption("Label11", 780, kUnitRight);

  Vtdc = NewBox(Frame1, "Vtdc", QStringLiteral("12"), kBoxWidth);
  LedCount = NewBox(Frame1, "LedCount", QStringLiteral("5"), kBoxWidth);
  VLed = NewBox(Frame1, "VLed", QStringLiteral("2.2"), kBoxWidth);
  ALed = NewBox(Frame1, "ALed", QStringLiteral("20"), kBoxWidth);
  for (QLineEdit* box : {Vtdc, LedCount, VLed, ALed})
    box->setFont(WindowFont());

  const std::array<QLineEdit*, 4> boxes = {Vtdc, LedCount, VLed, ALed};
  const std::array<double, 4> steps = {0.1, 1, 0.1, 1};
  const std::array<const char*, 4> limits = {"0", "1", "0", "0"};
  const char letters[] = "ABCD";
  for (std::size_t i = 0; i < spins_.size(); ++i) {
    SpinRow& row = spins_[i];
    const QString letter(QLatin1Char(letters[i]));
    row.box = boxes[i];
    row.step = steps[i];
    row.limitText = QLatin1String(limits[i]);

    row.upGreyed = new QLabel(Frame1);
    row.upGreyed->setObjectName(QStringLiteral("UpDis") + letter);
    row.upGreyed->setPixmap(RenderPicture(Picture::SpinUpGreyed, kSpinSize));
    row.upGreyed->resize(kSpinSize);
    row.upGreyed->hide();
    row.upGreyed->setProperty(kPictureOnlyProperty, true);
    row.downGreyed = new QLabel(Frame1);
    row.downGreyed->setObjectName(QStringLiteral("DownDis") + letter);
    row.downGreyed->setPixmap(RenderPicture(Picture::SpinDownGreyed, kSpinSize));
    row.downGreyed->resize(kSpinSize);
    row.downGreyed->hide();
    row.downGreyed->setProperty(kPictureOnlyProperty, true);

    row.up = new PictureButton(Frame1);
    row.up->setObjectName(QStringLiteral("BtUp") + letter);
    row.up->setPicture(RenderPicture(Picture::SpinUp, kSpinSize));
    row.up->setPictureHover(RenderPicture(Picture::SpinUpHover, kSpinSize));
    row.up->setPictureDown(RenderPicture(Picture::SpinUpPressed, kSpinSize));
    row.down = new PictureButton(Frame1);
    row.down->setObjectName(QStringLiteral("BtDown") + letter);
    row.down->setPicture(RenderPicture(Picture::SpinDown, kSpinSize));
    row.down->setPictureHover(RenderPicture(Picture::SpinDownHover, kSpinSize));
    row.down->setPictureDown(RenderPicture(Picture::SpinDownPressed, kSpinSize));
    connect(row.up, &PictureButton::Click, this, [this, i] { SpinUp(spins_[i]); });
    connect(row.down, &PictureButton::Click, this, [this, i] { SpinDown(spins_[i]); });
  }

  Calc = new QPushButton(Text(PersianCaption("Calc")), Frame1);
  Calc->setObjectName(QStringLiteral("Calc"));
  Calc->setFont(WindowFont());
  Calc->setGeometry(TwipRect(1740, 5350, 1215, 495));

  connect(Calc, &QPushButton::clicked, this, &MainFrms::Calc_Click);
  connect(Resis, &QRadioButton::clicked, this, &MainFrms::Resis_Click);
  connect(Volt, &QRadioButton::clicked, this, &MainFrms::Volt_Click);
  connect(Amp, &QRadioButton::clicked, this, &MainFrms::Amp_Click);

  // The entry rules of the four boxes.
  auto language = [this] { return LanguageOf(words_.ProgLang); };
  // The supply and count limits follow each change; they hold from the start.
  InstallCharacterFilter(Vtdc, {kDecimalSet, [this] { SetMaxLengthByPoint(1, 5, 3, Vtdc); },
                                ControlKeys::Drop, language});
  InstallCharacterFilter(LedCount, {kIntegerSet, [this] { SetMaxLengthByPoint(1, 3, 3, LedCount); },
                                    ControlKeys::Drop, language});
  InstallCharacterFilter(VLed, {kDecimalSet,
                                [this] {
                                  if (Volt->isChecked()) {
                                    SetMaxLengthByPoint(1, 1, 7, VLed);
                                  } else {
                                    SetMaxLengthByPoint(1, 5, 3, VLed);
                                  }
                                },
                                ControlKeys::Drop, language});
  InstallCharacterFilter(ALed, {kIntegerSet,
                                [this] {
                                  if (Amp->isChecked()) {
                                    SetMaxLengthByPoint(1, 1, 7, ALed);
                                  } else {
                                    SetMaxLengthByPoint(1, 5, 5, ALed);
                                  }
                                },
                                ControlKeys::Drop, language});
  connect(Vtdc, &QLineEdit::textChanged, this,
          [this] { CleanUpAfterChange(Vtdc, kDecimalSet, 5, 3); });
  connect(LedCount, &QLineEdit::textChanged, this,
          [this] { CleanUpAfterChange(LedCount, kIntegerSet, 3, 3); });
  connect(VLed, &QLineEdit::textChanged, this, [this] { NormaliseDigits(VLed); });
  connect(ALed, &QLineEdit::textChanged, this, [this] { NormaliseDigits(ALed); });
}

void MainFrms::BuildResults() {
  Frame2 = new QGroupBox(Text(PersianCaption("Frame2")), Frame1);
  Frame2->setObjectName(QStringLiteral("Frame2"));
  Frame2->setFont(FrameFont());
  Frame2->setGeometry(TwipRect(120, 3120, 4455, 2155));

  auto caption = [this](const char* name, int left, int right) {
    return NewCaption(Frame2, name, right - left);
  };
  Label6 = caption("Label6", 2265, kResultCaptionRight);
  Label5 = caption("Label5", 2325, kResultCaptionRight);
  Label16 = caption("Label16", 1880, kResultCaptionRight);
  Label17 = caption("Label17", 1880, kResultCaptionRight);
  Label7 = caption("Label7", 2000, kResultCaptionRight);
  Label13 = caption("Label13", 810, kResultUnitRight);
  Label12 = caption("Label12", 810, kResultUnitRight);

  ResisSH = NewBox(Frame2, "ResisSH", QStringLiteral("50"), kResultBoxWidth);
  WatSH = NewBox(Frame2, "WatSH", QStringLiteral("220"), kResultBoxWidth);
  for (QLineEdit* box : {ResisSH, WatSH}) {
    box->setFont(WindowFont());
    box->setReadOnly(true);
    DiscardAllKeys(box);
  }

  auto result = [this](const char* name, std::string_view text, int widthTwips) {
    auto* label = new QLabel(Text(text), Frame2);
    label->setObjectName(QLatin1String(name));
    label->setFont(WindowFont());
    label->resize(Px(widthTwips), Px(kLabelHeight));
    label->setAlignment(kPersianAlignment);
    return label;
  };
  // The designed start values: the results of the default calculation.
  const LanguageWords& fa = kPersianWords;
  ResisPishLarg =
      result("ResisPishLarg", StandardCaption({"51", 51}, fa.OhmLang, fa.LargerLang), 1980);
  ResisPishSmall =
      result("ResisPishSmall", StandardCaption({"47", 47}, fa.OhmLang, fa.SmallerLang), 1980);
  WatPish = result("WatPish", *RateResistorPower(0.02, fa.WatLang), 660);
}

void MainFrms::BuildDiagram() {
  Shape1 = new QFrame(client_);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
  Shape1->setGeometry(TwipRect(150, 6120, 4695, 1410));

  Image1 = new QLabel(client_);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(QRect(TwipPoint(240, 6240), kDiagramSize));
  Image1->setPixmap(RenderPicture(Picture::SeriesN, kDiagramSize));

  Label14 = NewDiagramLabel(client_, "Label14", QStringLiteral("VCC : 12V"));
  Label15 = NewDiagramLabel(client_, "Label15", QStringLiteral("R : 50 Ohm"));
  D1L = NewDiagramLabel(client_, "D1L", QStringLiteral("D1"));
  D2L = NewDiagramLabel(client_, "D2L", QStringLiteral("D2"));
  D3L = NewDiagramLabel(client_, "D3L", QStringLiteral("D3"));
  DnL = NewDiagramLabel(client_, "DnL", QStringLiteral("D5"));
  DnL->resize(Px(kLastLedLabelWidth), DnL->height());
  DnL->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

void MainFrms::PlaceDesignedControls() {
  for (const Placement& placement : kMainWindowPlacements) {
    auto* widget = client_->findChild<QWidget*>(Text(placement.name));
    if (!widget)
      continue;
    const int top = placement.top == kModeDependentTop ? kRatingRowTopResis : placement.top;
    MoveTwips(widget, placement.persianLeft, top);
  }
  // The designed window puts three labels a few twips off the table.
  MoveTwips(Label2, 2505, 1665);
  MoveTwips(Label9, 1140, 1680);
  MoveTwips(Label12, 810, 720);
  for (const Placement& width : kModeButtonWidths) {
    auto* option = client_->findChild<QRadioButton*>(Text(width.name));
    option->resize(std::max(Px(width.persianLeft), option->sizeHint().width()), option->height());
  }
}

void MainFrms::Form_Load() {
  for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label8, Vtdc}) {
    SetForeground(w, kSupplyColour);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{Label2, Label3, Label4, Label9, Label10,
                                                    Label11, LedCount, VLed, ALed}) {
    SetForeground(w, kLedColour);
  }
  for (QWidget* w :
       std::initializer_list<QWidget*>{Label5, Label6, Label7, Label12, Label13, Label16, Label17,
                                       WatPish, ResisPishLarg, ResisPishSmall, WatSH, ResisSH}) {
    SetForeground(w, kResultColour);
  }
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  SetLanguageWords(kPersianWords);

  // Selecting the series item runs the arrangement layout.
  SerMov->setCurrentIndex(-1);
  connect(SerMov, &QComboBox::currentIndexChanged, this, &MainFrms::SerMov_Click);
  SerMov->setCurrentIndex(0);

  HookRightClick(WatSH);
  HookRightClick(ResisSH);
  ApplyMainWindowAccessibleNames(*this, Language::Persian);
}

void MainFrms::closeEvent(QCloseEvent* event) {
  UnhookRightClick(WatSH);
  UnhookRightClick(ResisSH);
  event->accept();
  // Closing the main window ends the program, whatever else is loaded.
  QCoreApplication::quit();
}

QString MainFrms::ProgLang() const {
  return Text(words_.ProgLang);
}

void MainFrms::SetLanguageWords(const LanguageWords& words) {
  words_ = words;
}

LedCalcMode MainFrms::Mode() const {
  if (Volt->isChecked())
    return LedCalcMode::Volt;
  if (Amp->isChecked())
    return LedCalcMode::Amp;
  return LedCalcMode::Resis;
}

bool MainFrms::ValidateInputsOnly() const {
  for (const QLineEdit* box : {Vtdc, LedCount, VLed, ALed}) {
    if (!IsValidLedInput(Utf8(box)))
      return false;
  }
  return true;
}

void MainFrms::Calc_Click() {
  const int arrangement = SerMov->currentIndex();
  if (arrangement != 0 && arrangement != 1) {
    if (!ValidateInputsOnly())
      ShowInvalidInputMessage();
  } else {
    const LedCalcResult result = CalculateLedCircuit(
        arrangement == 0 ? LedArrangement::Series : LedArrangement::Parallel, Mode(), Utf8(Vtdc),
        Utf8(LedCount), Utf8(VLed), Utf8(ALed), LedCalcWordsOf(words_));
    if (result.outcome != LedCalcOutcome::Done)
      ShowInvalidInputMessage();
    auto write = [](const std::optional<std::string>& text, auto* field) {
      if (text)
        field->setText(QString::fromStdString(*text));
    };
    write(result.resisText, ResisSH);
    write(result.watText, WatSH);
    write(result.ratingText, WatPish);
    write(result.largerText, ResisPishLarg);
    write(result.smallerText, ResisPishSmall);
    // In resistor mode the two standard-value rows are on screen: a side
    // with no standard value (R above the table, or below it) is emptied
    // rather than left showing the previous circuit's neighbour.
    if (Mode() == LedCalcMode::Resis && result.outcome != LedCalcOutcome::InvalidInput) {
      if (!result.largerText)
        ResisPishLarg->clear();
      if (!result.smallerText)
        ResisPishSmall->clear();
    }
    if (result.diagramText)
      SetAutoSizedText(Label15, QString::fromStdString(*result.diagramText));
  }
  RefreshDiagram(true);
  SetAutoSizedText(Label14, QStringLiteral("VCC : ") + Vtdc->text() + QStringLiteral("V"));
}

void MainFrms::ShowInvalidInputMessage() {
  QMessageBox box(QMessageBox::Warning, windowTitle(), Text(words_.ProgError), QMessageBox::Ok,
                  this);
  box.setObjectName(QStringLiteral("ProgErrorMessage"));
  box.setLayoutDirection(LanguageOf(words_.ProgLang) == Language::Persian ? Qt::RightToLeft
                                                                          : Qt::LeftToRight);
  box.exec();
}

void MainFrms::RefreshDiagram(bool setLastLedCaption) {
  const int arrangement = SerMov->currentIndex();
  if (arrangement != 0 && arrangement != 1)
    return;
  const bool series = arrangement == 0;
  const double count = TextToNumber(Utf8(LedCount));
  Picture picture;
  int shownNames;  // how many of D2L, D3L, DnL are shown
  if (count == 1) {
    picture = series ? Picture::Series1 : Picture::Parallel1;
    shownNames = 0;
  } else if (count == 2) {
    picture = series ? Picture::Series2 : Picture::Parallel2;
    shownNames = 1;
  } else if (count == 3) {
    picture = series ? Picture::Series3 : Picture::Parallel3;
    shownNames = 2;
  } else if (count > 3) {
    picture = series ? Picture::SeriesN : Picture::ParallelN;
    shownNames = 3;
    if (setLastLedCaption)
      DnL->setText(QStringLiteral("D") + LedCount->text());
  } else {
    return;  // no count, or zero: the picture stays
  }
  Image1->setPixmap(RenderPicture(picture, kDiagramSize));
  MoveTwips(Image1, 240, 6240);
  D1L->show();
  D2L->setVisible(shownNames >= 1);
  D3L->setVisible(shownNames >= 2);
  DnL->setVisible(shownNames >= 3);
}

void MainFrms::SerMov_Click() {
  const int arrangement = SerMov->currentIndex();
  if (arrangement != 0 && arrangement != 1)
    return;
  const bool series = arrangement == 0;
  MoveTwips(Label14, 520, 6720);
  MoveTwips(Label15, 645, 7080);
  const int ledTop = series ? 6790 : 6525;
  MoveTwips(D1L, series ? 1780 : 1660, ledTop);
  MoveTwips(D2L, series ? 2380 : 2260, ledTop);
  MoveTwips(D3L, series ? 2980 : 2860, ledTop);
  MoveTwips(DnL, series ? 3950 : 3650, ledTop);
  DnL->setAlignment((series ? Qt::AlignHCenter : Qt::AlignRight | Qt::AlignAbsolute) |
                    Qt::AlignVCenter);
  MoveTwips(Shape1, 150, 6120);
  RefreshDiagram(false);
}

void MainFrms::SpinUp(SpinRow& row) {
  row.down->show();
  row.downGreyed->hide();
  row.box->setText(Text(NumberToText(TextToNumber(Utf8(row.box)) + row.step)));
}

void MainFrms::SpinDown(SpinRow& row) {
  row.box->setText(Text(NumberToText(TextToNumber(Utf8(row.box)) - row.step)));
  if (row.box->text() == row.limitText) {
    row.down->hide();
    row.downGreyed->show();
  }
}

void MainFrms::ApplyModeExample(LedCalcMode mode) {
  struct Example {
    const char* vLed;
    const char* aLed;
    const char* solved;
  };
  const Example example = mode == LedCalcMode::Resis  ? Example{"2.2", "20", "50"}
                          : mode == LedCalcMode::Volt ? Example{"50", "20", "2.2"}
                                                      : Example{"2.2", "50", "20"};
  Vtdc->setText(QStringLiteral("12"));
  LedCount->setText(QStringLiteral("5"));
  VLed->setText(QLatin1String(example.vLed));
  ALed->setText(QLatin1String(example.aLed));
  ResisSH->setText(QLatin1String(example.solved));
  WatSH->setText(QStringLiteral("220"));

  const bool resistorMode = mode == LedCalcMode::Resis;
  for (QWidget* row :
       std::initializer_list<QWidget*>{Label16, Label17, ResisPishLarg, ResisPishSmall}) {
    row->setVisible(resistorMode);
  }
  const int ratingTop = Px(resistorMode ? kRatingRowTopResis : kRatingRowTopOther);
  Label7->move(Label7->x(), ratingTop);
  WatPish->move(WatPish->x(), ratingTop);

  const Language language = LanguageOf(words_.ProgLang);
  for (const Caption& caption : ModeCaptions(mode)) {
    if (auto* label = Frame1->findChild<QLabel*>(Text(caption.name))) {
      label->setText(Text(caption.In(language)));
    }
  }
  ApplyMainWindowAccessibleNames(*this, language);
}

void MainFrms::Per_Click() {
  SetPersianCaptions(*this);
  SetLanguageWords(kPersianWords);
}

void MainFrms::En_Click() {
  SetEnglishCaptions(*this);
  SetLanguageWords(kEnglishWords);
}

void MainFrms::About_Click() {
  // One shared instance; it unloads itself when closed.
  if (!about_)
    about_ = new AA(ProgLang(), this);
  about_->exec();
}

Calc4Band& MainFrms::Calc4BandInstance() {
  if (!calc4Band_)
    calc4Band_ = new Calc4Band(ProgLang(), this);
  return *calc4Band_;
}

Calc5Band& MainFrms::Calc5BandInstance() {
  if (!calc5Band_)
    calc5Band_ = new Calc5Band(ProgLang(), this);
  return *calc5Band_;
}

void MainFrms::Res4Col_Click() {
  Calc4BandInstance().exec();
}
void MainFrms::Res5Col_Click() {
  Calc5BandInstance().exec();
}

void MainFrms::Resis_Click() {
  ApplyModeExample(LedCalcMode::Resis);
}
void MainFrms::Volt_Click() {
  ApplyModeExample(LedCalcMode::Volt);
}
void MainFrms::Amp_Click() {
  ApplyModeExample(LedCalcMode::Amp);
}

}  // namespace kalvane
