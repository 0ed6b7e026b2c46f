#include "ui/led_panel_view.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "core/entry_rules.h"
#include "i18n/accessible_texts.h"
#include "i18n/caption_tables.h"
#include "i18n/main_window_layout.h"
#include "ui/look.h"
#include "ui/numeric_entry.h"
#include "ui/pictures.h"
#include "ui/qt_text.h"
#include "ui/twips.h"
#include "ui/view_support.h"
#include "widgets/dis_rclick.h"
#include "widgets/picture_button.h"

namespace kalvane {
namespace {

constexpr QSize kSpinSize(15, 10);  // kSpinWidth x kSpinHeight twips

const QColor kSupplyColour(255, 0, 0);
const QColor kLedColour(0, 128, 0);
const QColor kResultColour(0, 0, 255);

// Where each result field's row stands in kResultRowPlaces.
constexpr std::size_t kLightRow = 0, kSolvedRow = 1, kLargerRow = 2, kSmallerRow = 3,
                      kRatingRow = 4;

// Right-aligned right to left in Persian, left-aligned left to right in
// English, for a caption or a box.
template <typename W>
void SetReadingDirection(W* widget, Language language) {
  widget->setLayoutDirection(DirectionOf(language));
  widget->setAlignment(SideOf(language) | Qt::AlignVCenter);
}

void Place(QWidget* widget, const ControlPlace& place, Language language, LedCalcMode mode) {
  const int top = place.top == kRatingRowTop ? RatingRowTop(mode) : place.top;
  widget->move(Px(place.Left(language)), Px(top));
  if (place.width > 0)
    widget->resize(TwipSize(place.width, place.height));
}

// A caption label that never takes the mouse, so it cannot shadow the box
// next to it where their rectangles overlap.
QLabel* NewCaption(QWidget* parent, const ControlPlace& place) {
  QLabel* label = NewLabel(parent, place.name);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

QLabel* NewDiagramLabel(QWidget* parent, std::string_view name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(Text(name));
  label->setLayoutDirection(Qt::LeftToRight);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  label->adjustSize();
  return label;
}

QLineEdit* NewBox(QWidget* parent, std::string_view name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(Text(name));
  box->setFont(WindowFont());
  return box;
}

void SetForeground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

Picture PictureOf(DiagramPicture picture) {
  switch (picture) {
    case DiagramPicture::Series1:
      return Picture::Series1;
    case DiagramPicture::Series2:
      return Picture::Series2;
    case DiagramPicture::Series3:
      return Picture::Series3;
    case DiagramPicture::SeriesMany:
      return Picture::SeriesN;
    case DiagramPicture::Parallel1:
      return Picture::Parallel1;
    case DiagramPicture::Parallel2:
      return Picture::Parallel2;
    case DiagramPicture::Parallel3:
      return Picture::Parallel3;
    case DiagramPicture::ParallelMany:
      break;
  }
  return Picture::ParallelN;
}

}  // namespace

LedPanelView::LedPanelView(Language language, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("client"));
  setFont(WindowFont());
  setFixedSize(TwipSize(kMainClientWidth, kMainClientHeight));

  BuildInputs();
  BuildResults();
  BuildDiagram();
  SetTabOrder();
  SetColours();

  Retranslate(language);
  for (const DesignedPosition& designed : kDesignedOffTable) {
    if (auto* label = findChild<QLabel*>(Text(designed.name)))
      label->move(Px(designed.left), Px(designed.top));
  }
  HookRightClick(branchLightBox_);
  HookRightClick(solvedValueBox_);
}

void LedPanelView::BuildInputs() {
  inputFrame_ = new QGroupBox(this);
  inputFrame_->setObjectName(QStringLiteral("Frame1"));
  inputFrame_->setFont(FrameFont());
  inputFrame_->setGeometry(Px(kInputFramePlace));

  arrangementList_ = new QComboBox(inputFrame_);
  arrangementList_->setObjectName(Text(kArrangementListPlace.name));
  arrangementList_->setFont(WindowFont());
  connect(arrangementList_, &QComboBox::currentIndexChanged, this,
          &LedPanelView::OnArrangementChosen);

  constexpr std::array<LedCalcMode, 3> kModes = {LedCalcMode::Resis, LedCalcMode::Volt,
                                                 LedCalcMode::Amp};
  for (std::size_t i = 0; i < modeButtons_.size(); ++i) {
    auto* button = new QRadioButton(inputFrame_);
    button->setObjectName(Text(kModeButtonPlaces[i].name));
    button->setFont(WindowFont());
    connect(button, &QRadioButton::clicked, this, [this, mode = kModes[i]] { OnModeChosen(mode); });
    modeButtons_[i] = button;
  }

  // Captions first, so that the boxes lie above them.
  for (LedInput input : kLedInputs) {
    const InputRowPlaces& places = kInputRowPlaces[static_cast<std::size_t>(input)];
    InputRow& row = Row(input);
    row.caption = NewCaption(inputFrame_, places.caption);
    row.unit = NewCaption(inputFrame_, places.unit);
  }
  for (LedInput input : kLedInputs) {
    const InputRowPlaces& places = kInputRowPlaces[static_cast<std::size_t>(input)];
    InputRow& row = Row(input);
    row.box = NewBox(inputFrame_, places.box.name);
    InstallEntryRules(row.box, ModelEntryRules(
                                   panel_, ControlKeys::Drop, [this] { return language_; }, input));
    connect(row.box, &QLineEdit::textChanged, this, [this, input] { OnInputEdited(input); });

    // The greyed arrows stand hidden in the buttons' places; a picture is
    // rendered only for one that shows (ShowPanel).
    auto holder = [this](std::string_view name) {
      QLabel* label = NewLabel(inputFrame_, name);
      label->hide();
      return label;
    };
    row.upGreyed = holder(places.upGreyed.name);
    row.downGreyed = holder(places.downGreyed.name);
    auto button = [this](std::string_view name, Picture normal, Picture hover, Picture pressed) {
      auto* spin = new PictureButton(inputFrame_);
      spin->setObjectName(Text(name));
      spin->setPicture(RenderPicture(normal, kSpinSize));
      spin->setPictureHover(RenderPicture(hover, kSpinSize));
      spin->setPictureDown(RenderPicture(pressed, kSpinSize));
      return spin;
    };
    row.up = button(places.up.name, Picture::SpinUp, Picture::SpinUpHover, Picture::SpinUpPressed);
    row.down = button(places.down.name, Picture::SpinDown, Picture::SpinDownHover,
                      Picture::SpinDownPressed);
    connect(row.up, &PictureButton::Click, this, [this, input] {
      panel_.SpinUp(input);
      ShowPanel();
    });
    connect(row.down, &PictureButton::Click, this, [this, input] {
      panel_.SpinDown(input);
      ShowPanel();
    });
  }

  calculateButton_ = new QPushButton(inputFrame_);
  calculateButton_->setObjectName(Text(kCalculatePlace.name));
  calculateButton_->setFont(WindowFont());
  calculateButton_->setGeometry(Px(kCalculatePlace));
  connect(calculateButton_, &QPushButton::clicked, this, &LedPanelView::OnCalculate);
}

void LedPanelView::BuildResults() {
  resultFrame_ = new QGroupBox(inputFrame_);
  resultFrame_->setObjectName(QStringLiteral("Frame2"));
  resultFrame_->setFont(FrameFont());
  resultFrame_->setGeometry(Px(kResultFramePlace));

  for (std::size_t i = 0; i < resultRows_.size(); ++i) {
    resultRows_[i].caption = NewCaption(resultFrame_, kResultRowPlaces[i].caption);
    if (!kResultRowPlaces[i].unit.name.empty())
      resultRows_[i].unit = NewCaption(resultFrame_, kResultRowPlaces[i].unit);
  }
  solvedValueBox_ = NewBox(resultFrame_, kResultRowPlaces[kSolvedRow].value.name);
  branchLightBox_ = NewBox(resultFrame_, kResultRowPlaces[kLightRow].value.name);
  for (QLineEdit* box : {solvedValueBox_, branchLightBox_}) {
    box->setReadOnly(true);
    DiscardAllKeys(box);
  }
  largerStandardLabel_ = NewLabel(resultFrame_, kResultRowPlaces[kLargerRow].value.name);
  smallerStandardLabel_ = NewLabel(resultFrame_, kResultRowPlaces[kSmallerRow].value.name);
  powerRatingLabel_ = NewLabel(resultFrame_, kResultRowPlaces[kRatingRow].value.name);
  resultRows_[kLightRow].value = branchLightBox_;
  resultRows_[kSolvedRow].value = solvedValueBox_;
  resultRows_[kLargerRow].value = largerStandardLabel_;
  resultRows_[kSmallerRow].value = smallerStandardLabel_;
  resultRows_[kRatingRow].value = powerRatingLabel_;
}

void LedPanelView::BuildDiagram() {
  diagramFrame_ = new QFrame(this);
  diagramFrame_->setObjectName(Text(kDiagramFramePlace.name));
  diagramFrame_->setFrameStyle(QFrame::Box | QFrame::Plain);
  diagramFrame_->setGeometry(Px(kDiagramFramePlace));

  diagram_ = new QLabel(this);
  diagram_->setObjectName(Text(kDiagramPlace.name));
  diagram_->setGeometry(Px(kDiagramPlace));

  diagramSupplyLabel_ = NewDiagramLabel(this, kDiagramSupplyPlace.name, QString());
  diagramResistorLabel_ = NewDiagramLabel(this, kDiagramResistorPlace.name, QString());
  for (std::size_t i = 0; i < ledNames_.size(); ++i) {
    ledNames_[i] = NewDiagramLabel(this, kLedNamePlaces[i].name, QStringLiteral("D%1").arg(i + 1));
  }
  ledNames_.back()->resize(Px(kLastLedNameWidth), ledNames_.back()->height());
}

void LedPanelView::SetColours() {
  const InputRow& supply = inputs_[0];
  for (QWidget* w : {static_cast<QWidget*>(supply.caption), static_cast<QWidget*>(supply.unit),
                     static_cast<QWidget*>(supply.box)}) {
    SetForeground(w, kSupplyColour);
  }
  for (std::size_t i = 1; i < inputs_.size(); ++i) {
    for (QWidget* w :
         {static_cast<QWidget*>(inputs_[i].caption), static_cast<QWidget*>(inputs_[i].unit),
          static_cast<QWidget*>(inputs_[i].box)}) {
      SetForeground(w, kLedColour);
    }
  }
  for (const ResultRow& row : resultRows_) {
    for (QWidget* w :
         {static_cast<QWidget*>(row.caption), row.value, static_cast<QWidget*>(row.unit)}) {
      if (w)
        SetForeground(w, kResultColour);
    }
  }
}

// Reading order, the same in both layouts: the arrangement, the mode
// buttons (the resistor mode first on either side), the four inputs, the
// two results, the calculation button.
void LedPanelView::SetTabOrder() {
  QWidget* const chain[] = {arrangementList_, modeButtons_[0], modeButtons_[1], modeButtons_[2],
                            inputs_[0].box,   inputs_[1].box,  inputs_[2].box,  inputs_[3].box,
                            solvedValueBox_,  branchLightBox_, calculateButton_};
  for (std::size_t i = 1; i < std::size(chain); ++i)
    setTabOrder(chain[i - 1], chain[i]);
}

void LedPanelView::Retranslate(Language language) {
  language_ = language;
  setLayoutDirection(DirectionOf(language));

  // The input frame names the arrangement selected now.
  inputFrame_->setLayoutDirection(DirectionOf(language));
  if (panel_.Arrangement() == LedArrangement::Series)
    inputFrame_->setTitle(Text(kInputFrameSeries.In(language)));
  if (panel_.Arrangement() == LedArrangement::Parallel)
    inputFrame_->setTitle(Text(kInputFrameParallel.In(language)));

  // The arrangement list is refilled, then its series item chosen.
  arrangementList_->setLayoutDirection(DirectionOf(language));
  {
    const QSignalBlocker refilling(arrangementList_);
    arrangementList_->clear();
    for (const Caption& item : kArrangementItems)
      arrangementList_->addItem(Text(item.In(language)));
  }
  panel_.ChangeLanguage(
      WordsOf(language == Language::Persian ? Language::English : Language::Persian),
      WordsOf(language));

  const std::array<const Caption*, 3> modeCaptions = {&kSolveForResistor, &kSolveForVoltage,
                                                      &kSolveForCurrent};
  for (std::size_t i = 0; i < modeButtons_.size(); ++i) {
    modeButtons_[i]->setLayoutDirection(DirectionOf(language));
    modeButtons_[i]->setText(Text(modeCaptions[i]->In(language)));
    modeButtons_[i]->resize(
        std::max(Px(kModeButtonWidths[i].In(language)), modeButtons_[i]->sizeHint().width()),
        Px(kOptionHeight));
  }
  resultFrame_->setLayoutDirection(DirectionOf(language));
  resultFrame_->setTitle(Text(kResultFrame.In(language)));
  calculateButton_->setText(Text(kCalculateButton.In(language)));
  const std::pair<QLabel*, const Caption*> fixedCaptions[] = {
      {inputs_[0].caption, &kSupplyCaption},
      {inputs_[0].unit, &kSupplyUnit},
      {inputs_[1].caption, &kCountCaption},
      {inputs_[1].unit, &kCountUnit},
      {resultRows_[kLightRow].unit, &kLightUnit},
      {resultRows_[kLightRow].caption, &kLightCaption},
      {resultRows_[kRatingRow].caption, &kRatingCaption},
  };
  for (const auto& [label, caption] : fixedCaptions)
    label->setText(Text(caption->In(language)));
  PlaceControls(language);
  ShowPanel();
}

// Every control a language moves: captions and boxes take its reading
// direction, the spin buttons and their pictures only move.
void LedPanelView::PlaceControls(Language language) {
  const LedCalcMode mode = panel_.Mode();
  Place(arrangementList_, kArrangementListPlace, language, mode);
  for (std::size_t i = 0; i < modeButtons_.size(); ++i)
    Place(modeButtons_[i], kModeButtonPlaces[i], language, mode);
  for (std::size_t i = 0; i < inputs_.size(); ++i) {
    const InputRow& row = inputs_[i];
    const InputRowPlaces& places = kInputRowPlaces[i];
    SetReadingDirection(row.caption, language);
    SetReadingDirection(row.box, language);
    SetReadingDirection(row.unit, language);
    Place(row.caption, places.caption, language, mode);
    Place(row.box, places.box, language, mode);
    Place(row.up, places.up, language, mode);
    Place(row.upGreyed, places.upGreyed, language, mode);
    Place(row.down, places.down, language, mode);
    Place(row.downGreyed, places.downGreyed, language, mode);
    Place(row.unit, places.unit, language, mode);
  }
  for (std::size_t i = 0; i < resultRows_.size(); ++i) {
    const ResultRow& row = resultRows_[i];
    SetReadingDirection(row.caption, language);
    Place(row.caption, kResultRowPlaces[i].caption, language, mode);
    if (auto* box = qobject_cast<QLineEdit*>(row.value)) {
      SetReadingDirection(box, language);
    } else {
      SetReadingDirection(static_cast<QLabel*>(row.value), language);
    }
    Place(row.value, kResultRowPlaces[i].value, language, mode);
    if (row.unit) {
      SetReadingDirection(row.unit, language);
      Place(row.unit, kResultRowPlaces[i].unit, language, mode);
    }
  }
}

// Any change of a box's text reaches the panel (the panel's own texts are
// written with the box's signals blocked). The supply and count boxes drop
// what they do not take right after the change, and the caret goes back to
// its place.
void LedPanelView::OnInputEdited(LedInput input) {
  QLineEdit* box = Row(input).box;
  const int caret = box->cursorPosition();
  if (!panel_.EditInput(input, Utf8(box->text())))
    return;
  const QString kept = Text(panel_.Input(input));
  const QSignalBlocker showing(box);
  box->setText(kept);
  box->setCursorPosition(std::min(caret, static_cast<int>(kept.size())));
}

void LedPanelView::OnCalculate() {
  const LedPanel::Calculation calculation = panel_.Calculate(WordsOf(language_));
  if (calculation.invalidMessage)
    ShowInvalidInputMessage();
  panel_.Show(calculation);
  ShowPanel();
}

void LedPanelView::OnModeChosen(LedCalcMode mode) {
  panel_.ChooseMode(mode);
  ShowPanel();
}

void LedPanelView::OnArrangementChosen(int position) {
  panel_.ChooseArrangement(position == 0   ? std::optional(LedArrangement::Series)
                           : position == 1 ? std::optional(LedArrangement::Parallel)
                                           : std::nullopt);
  ShowPanel();
}

void LedPanelView::ShowInvalidInputMessage() {
  QMessageBox box(QMessageBox::Warning, window()->windowTitle(),
                  Text(WordsOf(language_).invalidInputMessage), QMessageBox::Ok, window());
  box.setObjectName(QStringLiteral("ProgErrorMessage"));
  box.setLayoutDirection(DirectionOf(language_));
  box.exec();
}

void LedPanelView::ShowPanel() {
  for (LedInput input : kLedInputs) {
    InputRow& row = Row(input);
    ShowText(row.box, panel_.Input(input));
    const bool greyed = panel_.IsDownGreyed(input);
    if (greyed && row.downGreyed->pixmap().isNull())
      row.downGreyed->setPixmap(RenderPicture(Picture::SpinDownGreyed, kSpinSize));
    row.down->setVisible(!greyed);
    row.downGreyed->setVisible(greyed);
  }
  const int arrangement = !panel_.Arrangement()                             ? -1
                          : *panel_.Arrangement() == LedArrangement::Series ? 0
                                                                            : 1;
  if (arrangementList_->currentIndex() != arrangement) {
    const QSignalBlocker showing(arrangementList_);
    arrangementList_->setCurrentIndex(arrangement);
  }
  modeButtons_[static_cast<std::size_t>(panel_.Mode())]->setChecked(true);

  // The rows whose meaning follows the mode.
  const ModeCaptions captions = ModeCaptionsOf(panel_.Mode());
  const std::pair<QLabel*, const Caption*> modeCaptions[] = {
      {inputs_[2].caption, &captions.thirdBox},
      {inputs_[2].unit, &captions.thirdUnit},
      {inputs_[3].caption, &captions.fourthBox},
      {inputs_[3].unit, &captions.fourthUnit},
      {resultRows_[kSolvedRow].caption, &captions.solvedValue},
      {resultRows_[kSolvedRow].unit, &captions.solvedUnit},
  };
  for (const auto& [label, caption] : modeCaptions)
    ShowText(label, std::string(caption->In(language_)));
  // The standard-value rows name their series.
  for (std::size_t row : {kLargerRow, kSmallerRow})
    ShowText(resultRows_[row].caption, StandardRowCaption(panel_.Series(), language_));
  const bool standardRows = panel_.StandardRowsShown();
  for (std::size_t row : {kLargerRow, kSmallerRow}) {
    resultRows_[row].caption->setVisible(standardRows);
    resultRows_[row].value->setVisible(standardRows);
  }
  const int ratingTop = Px(RatingRowTop(panel_.Mode()));
  for (QWidget* w :
       {static_cast<QWidget*>(resultRows_[kRatingRow].caption), resultRows_[kRatingRow].value}) {
    w->move(w->x(), ratingTop);
  }
  ShowResults();
  ShowDiagram();
  NameControls();
}

void LedPanelView::ShowResults() {
  ShowText(solvedValueBox_, panel_.Result(LedResult::SolvedValue));
  ShowText(branchLightBox_, panel_.Result(LedResult::BranchLight));
  ShowText(powerRatingLabel_, panel_.Result(LedResult::PowerRating));
  ShowText(largerStandardLabel_, panel_.Result(LedResult::LargerStandard));
  ShowText(smallerStandardLabel_, panel_.Result(LedResult::SmallerStandard));
  for (auto [label, field] : {std::pair{diagramSupplyLabel_, LedResult::DiagramSupply},
                              std::pair{diagramResistorLabel_, LedResult::DiagramResistor}}) {
    if (label->text() != Text(panel_.Result(field))) {
      label->setText(Text(panel_.Result(field)));
      label->adjustSize();
    }
  }
}

void LedPanelView::ShowDiagram() {
  const Diagram& shown = panel_.CircuitDiagram();
  const QPixmap picture = RenderPicture(PictureOf(shown.picture), diagram_->size());
  if (diagram_->pixmap().cacheKey() != picture.cacheKey())
    diagram_->setPixmap(picture);
  ShowText(ledNames_.back(), shown.lastLedName);
  ledNames_[0]->show();
  for (int i = 1; i < 4; ++i)
    ledNames_[static_cast<std::size_t>(i)]->setVisible(shown.shownLedNames >= i);

  const bool parallel = shown.parallelLayout;
  for (auto [label, place] : {std::pair{diagramSupplyLabel_, &kDiagramSupplyPlace},
                              std::pair{diagramResistorLabel_, &kDiagramResistorPlace}}) {
    label->move(Px(parallel ? place->parallelLeft : place->seriesLeft),
                Px(parallel ? place->parallelTop : place->seriesTop));
  }
  for (std::size_t i = 0; i < ledNames_.size(); ++i) {
    const DiagramLabelPlace& place = kLedNamePlaces[i];
    ledNames_[i]->move(Px(parallel ? place.parallelLeft : place.seriesLeft),
                       Px(parallel ? place.parallelTop : place.seriesTop));
  }
  ledNames_.back()->setAlignment(
      (parallel ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignHCenter) | Qt::AlignVCenter);
}

// The names a screen reader speaks, in the language shown; the boxes are
// named for what they hold in the current mode.
void LedPanelView::NameControls() {
  const Language language = language_;
  const ModeCaptions mode = ModeCaptionsOf(panel_.Mode());
  auto name = [language](const Caption& caption, const Caption& unit) {
    return Text(BoxAccessibleName(caption.In(language), unit.In(language)));
  };
  const std::array<QString, 4> inputNames = {
      name(kSupplyCaption, kSupplyUnit), name(kCountCaption, kCountUnit),
      name(mode.thirdBox, mode.thirdUnit), name(mode.fourthBox, mode.fourthUnit)};
  for (std::size_t i = 0; i < inputs_.size(); ++i) {
    inputs_[i].box->setAccessibleName(inputNames[i]);
    inputs_[i].up->setAccessibleName(Text(kIncreasePrefix.In(language)) + inputNames[i]);
    inputs_[i].down->setAccessibleName(Text(kDecreasePrefix.In(language)) + inputNames[i]);
  }
  solvedValueBox_->setAccessibleName(name(mode.solvedValue, mode.solvedUnit));
  branchLightBox_->setAccessibleName(name(kLightCaption, kLightUnit));
  arrangementList_->setAccessibleName(Text(kArrangementListName.In(language)));
  diagram_->setAccessibleName(Text(kDiagramName.In(language)));
}

void LedPanelView::OnSeriesChosen(StandardSeries series) {
  panel_.ChooseSeries(series, WordsOf(language_));
  ShowPanel();
}

void LedPanelView::ReleaseRightClicks() {
  UnhookRightClick(branchLightBox_);
  UnhookRightClick(solvedValueBox_);
}

}  // namespace kalvane
