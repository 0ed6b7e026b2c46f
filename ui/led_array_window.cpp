#include "ui/led_array_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "i18n/accessible_texts.h"
#include "i18n/led_array_captions.h"
#include "i18n/led_array_messages.h"
#include "ui/led_array_picture.h"
#include "ui/look.h"
#include "ui/numeric_entry.h"
#include "ui/qt_text.h"
#include "ui/view_support.h"

namespace kalvane {
namespace {

constexpr QSize kWindowSize(780, 640);
constexpr int kBoxWidth = 84;
constexpr int kPictureHeight = 196;
const QColor kErrorColour(192, 0, 0);
const QColor kWarningColour(150, 80, 0);

constexpr std::array<const char*, kLedArrayFieldCount> kBoxNames = {
    "ArrSupply", "ArrSupplyTol", "ArrCount",     "ArrVf",      "ArrVfMin",
    "ArrVfMax",  "ArrCurrent",   "ArrPerString", "ArrHeadroom"};
constexpr std::array<const char*, kLedArrayFieldCount> kUnitNames = {
    "LSupplyUnit", "LToleranceUnit", "LCountUnit",     "LVfUnit",      "LVfMinUnit",
    "LVfMaxUnit",  "LCurrentUnit",   "LPerStringUnit", "LHeadroomUnit"};
constexpr std::array<std::array<const char*, 6>, 2> kValueNames = {{
    {"LExact1", "LStandard1", "LCurrent1", "LPower1", "LRating1", "LRange1"},
    {"LExact2", "LStandard2", "LCurrent2", "LPower2", "LRating2", "LRange2"},
}};
constexpr std::array<const char*, 4> kTotalNames = {"LTotalCurrent", "LTotalPower", "LLedPower",
                                                    "LEfficiency"};

QLabel* NewLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  return label;
}

void Paint(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

}  // namespace

LedArrayWindow::LedArrayWindow(Language language, StandardSeries series, QWidget* parent)
    : QDialog(parent), model_(series) {
  setObjectName(QStringLiteral("LedArray"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(true);
  setFont(WindowFont());
  setFixedSize(kWindowSize);

  auto* layout = new QGridLayout(this);
  inputFrame_ = new QGroupBox(this);
  inputFrame_->setObjectName(QStringLiteral("Frame1"));
  resultFrame_ = new QGroupBox(this);
  resultFrame_->setObjectName(QStringLiteral("Frame2"));
  pictureFrame_ = new QGroupBox(this);
  pictureFrame_->setObjectName(QStringLiteral("Frame3"));
  for (QGroupBox* frame : {inputFrame_, resultFrame_, pictureFrame_})
    frame->setFont(FrameFont());
  layout->addWidget(inputFrame_, 0, 0);
  layout->addWidget(resultFrame_, 0, 1);
  layout->addWidget(pictureFrame_, 1, 0, 1, 2);
  layout->setColumnStretch(1, 1);
  BuildInputs();
  BuildResults();

  picture_ = new LedArrayPicture(pictureFrame_);
  picture_->setObjectName(QStringLiteral("ArrPicture"));
  picture_->setFont(WindowFont());
  picture_->setFixedHeight(kPictureHeight);
  (new QVBoxLayout(pictureFrame_))->addWidget(picture_);
  Retranslate(language);
}

void LedArrayWindow::BuildInputs() {
  auto* grid = new QGridLayout(inputFrame_);
  int row = 0;
  for (std::size_t i = 0; i < kLedArrayFieldCount; ++i) {
    const Box box = static_cast<Box>(i);
    if (box == Box::PerString) {
      automatic_ = new QCheckBox(inputFrame_);
      automatic_->setObjectName(Text(kAutomaticCheck.name));
      automatic_->setFont(WindowFont());
      automatic_->setChecked(model_.Automatic());
      connect(automatic_, &QCheckBox::toggled, this, [this](bool on) {
        model_.SetAutomatic(on);
        boxes_[static_cast<std::size_t>(Box::PerString)]->setEnabled(!on);
        ShowModel();
      });
      grid->addWidget(automatic_, row++, 0, 1, 3);
    }
    captions_[i] = NewLabel(kArrayBoxCaptions[i].caption.name.data(), inputFrame_);
    boxes_[i] = NewBox(box);
    units_[i] = NewLabel(kUnitNames[i], inputFrame_);
    for (QWidget* w : {static_cast<QWidget*>(captions_[i]), static_cast<QWidget*>(units_[i])})
      w->setFont(WindowFont());
    grid->addWidget(captions_[i], row, 0);
    grid->addWidget(boxes_[i], row, 1);
    grid->addWidget(units_[i], row, 2);
    ++row;
    if (box == Box::ForwardMax) {
      optionalNote_ = NewLabel(kOptionalNote.name.data(), inputFrame_);
      optionalNote_->setFont(WindowFont());
      Paint(optionalNote_, QColor(96, 96, 96));
      grid->addWidget(optionalNote_, row++, 0, 1, 3);
    }
  }
  boxes_[static_cast<std::size_t>(Box::PerString)]->setEnabled(!model_.Automatic());

  seriesCaption_ = NewLabel(kSeriesCaption.name.data(), inputFrame_);
  seriesCaption_->setFont(WindowFont());
  seriesList_ = new QComboBox(inputFrame_);
  seriesList_->setObjectName(Text(kArraySeriesListName.name));
  seriesList_->setFont(WindowFont());
  for (StandardSeries series : kStandardSeries)
    seriesList_->addItem(Text(SeriesName(series)));
  seriesList_->setCurrentIndex(static_cast<int>(model_.Series()));
  connect(seriesList_, &QComboBox::currentIndexChanged, this, [this](int index) {
    model_.ChooseSeries(kStandardSeries[static_cast<std::size_t>(index)]);
    ShowModel();
  });
  grid->addWidget(seriesCaption_, row, 0);
  grid->addWidget(seriesList_, row, 1);
  grid->setRowStretch(row + 1, 1);

  // Down the boxes in the order they are read.
  QWidget* previous = nullptr;
  for (std::size_t i = 0; i < kLedArrayFieldCount; ++i) {
    QWidget* next = boxes_[i];
    if (static_cast<Box>(i) == Box::PerString) {
      setTabOrder(previous, automatic_);
      previous = automatic_;
    }
    if (previous)
      setTabOrder(previous, next);
    previous = next;
  }
  setTabOrder(previous, seriesList_);
}

void LedArrayWindow::BuildResults() {
  auto* grid = new QGridLayout(resultFrame_);
  grid->setHorizontalSpacing(10);
  for (std::size_t k = 0; k < 2; ++k) {
    kindHeadings_[k] = NewLabel(k == 0 ? "LKind1" : "LKind2", resultFrame_);
    grid->addWidget(kindHeadings_[k], 0, static_cast<int>(k) + 1);
  }
  for (std::size_t r = 0; r < kRows; ++r) {
    rowCaptions_[r] = NewLabel(kArrayKindRows[r]->name.data(), resultFrame_);
    grid->addWidget(rowCaptions_[r], static_cast<int>(r) + 1, 0);
    for (std::size_t k = 0; k < 2; ++k) {
      kindValues_[k][r] = NewLabel(kValueNames[k][r], resultFrame_);
      kindValues_[k][r]->setTextInteractionFlags(Qt::TextSelectableByMouse);
      grid->addWidget(kindValues_[k][r], static_cast<int>(r) + 1, static_cast<int>(k) + 1);
    }
  }
  const int totalsTop = static_cast<int>(kRows) + 2;
  grid->setRowMinimumHeight(totalsTop - 1, 8);
  for (std::size_t t = 0; t < totals_.size(); ++t) {
    totalCaptions_[t] = NewLabel(kArrayTotalRows[t]->name.data(), resultFrame_);
    totals_[t] = NewLabel(kTotalNames[t], resultFrame_);
    totals_[t]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(totalCaptions_[t], totalsTop + static_cast<int>(t), 0);
    grid->addWidget(totals_[t], totalsTop + static_cast<int>(t), 1, 1, 2);
  }
  message_ = NewLabel("LArrMessage", resultFrame_);
  message_->setWordWrap(true);
  const int messageRow = totalsTop + static_cast<int>(totals_.size());
  grid->addWidget(message_, messageRow, 0, 1, 3);
  grid->setRowStretch(messageRow, 1);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
  for (QLabel* label : resultFrame_->findChildren<QLabel*>())
    label->setFont(WindowFont());
}

QLineEdit* LedArrayWindow::NewBox(Box box) {
  auto* edit = new QLineEdit(Text(model_.Text(box)), inputFrame_);
  edit->setObjectName(QLatin1String(kBoxNames[static_cast<std::size_t>(box)]));
  edit->setFont(WindowFont());
  edit->setFixedWidth(kBoxWidth);
  edit->setMaxLength(static_cast<int>(LedArrayModel::LengthLimit(box)));
  edit->setLayoutDirection(Qt::LeftToRight);  // numbers read left to right
  InstallEntryRules(edit, ModelEntryRules(
                              model_, ControlKeys::Keep, [this] { return language_; }, box));
  connect(edit, &QLineEdit::textChanged, this, [this, box] { OnEdited(box); });
  return edit;
}

void LedArrayWindow::Retranslate(Language language) {
  language_ = language;
  setLayoutDirection(DirectionOf(language));
  setWindowTitle(Text(kLedArrayTitle.In(language)));
  inputFrame_->setTitle(Text(kArrayInputFrame.In(language)));
  resultFrame_->setTitle(Text(kArrayResultFrame.In(language)));
  pictureFrame_->setTitle(Text(kArrayPictureFrame.In(language)));
  for (std::size_t i = 0; i < kLedArrayFieldCount; ++i) {
    const ArrayBoxCaptions& texts = kArrayBoxCaptions[i];
    captions_[i]->setText(Text(texts.caption.In(language)));
    units_[i]->setText(Text(texts.unit.In(language)));
    boxes_[i]->setAccessibleName(
        Text(BoxAccessibleName(texts.caption.In(language), texts.unit.In(language))));
  }
  optionalNote_->setText(Text(kOptionalNote.In(language)));
  automatic_->setText(Text(kAutomaticCheck.In(language)));
  seriesCaption_->setText(Text(kSeriesCaption.In(language)));
  seriesList_->setAccessibleName(Text(kArraySeriesListName.In(language)));
  for (std::size_t r = 0; r < kRows; ++r)
    rowCaptions_[r]->setText(Text(kArrayKindRows[r]->In(language)));
  for (std::size_t t = 0; t < totals_.size(); ++t)
    totalCaptions_[t]->setText(Text(kArrayTotalRows[t]->In(language)));
  // Each label's own side: a value such as "71.5 %" would otherwise follow
  // its digits to the left in Persian.
  const Qt::Alignment side =
      (language == Language::Persian ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute;
  for (QGroupBox* frame : {inputFrame_, resultFrame_}) {
    for (QLabel* label : frame->findChildren<QLabel*>())
      label->setAlignment(side | (label == message_ ? Qt::AlignTop : Qt::AlignVCenter));
  }
  picture_->setAccessibleName(Text(SpokenCaption(kArrayPictureFrame.In(language))));
  ShowModel();
}

void LedArrayWindow::OnEdited(Box box) {
  QLineEdit* edit = boxes_[static_cast<std::size_t>(box)];
  const int caret = edit->cursorPosition();
  model_.Edit(box, Utf8(edit->text()));
  ShowKeptText(edit, model_.Text(box), caret);
  ShowModel();
}

void LedArrayWindow::ShowModel() {
  const Language language = language_;
  // The count box follows the automatic count.
  QLineEdit* perString = boxes_[static_cast<std::size_t>(Box::PerString)];
  if (const QString count = Text(model_.Text(Box::PerString)); perString->text() != count) {
    const QSignalBlocker showing(perString);
    perString->setText(count);
  }
  const auto* design = std::get_if<LedArrayDesign>(&model_.Result());
  for (std::size_t k = 0; k < 2; ++k) {
    const bool shown = design && k < design->kinds.size();
    if (!shown) {
      kindHeadings_[k]->clear();
      for (QLabel* value : kindValues_[k])
        value->clear();
      continue;
    }
    const LedStringDesign& kind = design->kinds[k];
    kindHeadings_[k]->setText(Text(StringKindHeading(kind, k > 0, language)));
    const StringKindTexts texts = StringKindValues(kind, model_.Series(), language);
    const std::array<const std::string*, kRows> values = {
        &texts.exact, &texts.standard, &texts.current, &texts.power, &texts.rating, &texts.range};
    for (std::size_t r = 0; r < kRows; ++r)
      kindValues_[k][r]->setText(Text(*values[r]));
  }
  if (design) {
    const ArrayTotalTexts totals = ArrayTotals(*design, language);
    const std::array<const std::string*, 4> values = {&totals.current, &totals.power,
                                                      &totals.ledPower, &totals.efficiency};
    for (std::size_t t = 0; t < totals_.size(); ++t)
      totals_[t]->setText(Text(*values[t]));
    Paint(message_, kWarningColour);
    message_->setText(Text(LedArrayWarnings(*design, language)));
  } else {
    for (QLabel* total : totals_)
      total->clear();
    Paint(message_, kErrorColour);
    message_->setText(
        Text(LedArrayProblemMessage(std::get<LedArrayProblem>(model_.Result()), language)));
  }
  ShowPicture();
}

void LedArrayWindow::ShowPicture() {
  const auto* design = std::get_if<LedArrayDesign>(&model_.Result());
  std::vector<LedArrayPicture::String> strings;
  QString supply, ground;
  if (design) {
    for (std::size_t k = 0; k < design->kinds.size(); ++k) {
      const StringPictureTexts texts =
          StringPictureLabels(design->kinds[k], k > 0, design->forwardVolts, language_);
      strings.push_back({design->kinds[k].leds, Text(texts.count), Text(texts.resistor),
                         Text(texts.leds), Text(texts.note)});
    }
    supply = Text(WithUnit(design->supplyVolts, kVoltUnit.In(language_)));
    ground = QStringLiteral("0 ") + Text(kVoltUnit.In(language_));
    picture_->setAccessibleDescription(Text(ArrayPictureDescription(*design, language_)));
  } else {
    picture_->setAccessibleDescription({});
  }
  picture_->Show(std::move(strings), supply, ground);
}

}  // namespace kalvane
