#include "ui/divider_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/number_text.h"
#include "core/smd_code.h"
#include "i18n/accessible_texts.h"
#include "i18n/divider_captions.h"
#include "i18n/divider_texts.h"
#include "ui/divider_picture.h"
#include "ui/look.h"
#include "ui/numeric_entry.h"
#include "ui/qt_text.h"
#include "ui/view_support.h"

namespace kalvane {
namespace {

using Box = DividerModel::Box;
using Mode = DividerModel::Mode;

const QColor kErrorColour(192, 0, 0);
constexpr int kBoxWidth = 84;
// The widths of the table's columns, in kPairColumns' order.
constexpr std::array<int, 6> kColumnWidths = {66, 66, 66, 66, 72, 118};

struct BoxDesign {
  Box box;
  const char* name;         // the box's objectName
  const char* captionName;  // its caption's objectName; none for the upper end of a range
};
constexpr std::array<BoxDesign, DividerModel::kBoxCount> kBoxes = {{
    {Box::Vin, "VinEnter", "LVin"},
    {Box::Target, "TargetEnter", nullptr},  // captioned by the TargetKind list
    {Box::Load, "LoadEnter", "LLoad"},
    {Box::TotalMin, "TotalMinEnter", "LTotal"},
    {Box::TotalMax, "TotalMaxEnter", nullptr},
    {Box::RegulatorVout, "RegVoutEnter", "LRegVout"},
    {Box::Vref, "VrefEnter", "LVref"},
    {Box::Iadj, "IadjEnter", "LIadj"},
    {Box::VrefTolerance, "VrefTolEnter", "LVrefTol"},
    {Box::R1Min, "R1MinEnter", "LR1Range"},
    {Box::R1Max, "R1MaxEnter", nullptr},
    {Box::R2Min, "R2MinEnter", "LR2Range"},
    {Box::R2Max, "R2MaxEnter", nullptr},
    {Box::Exclusions, "ExcludeEnter", "LExclude"},
}};

const Caption* CaptionOf(Box box) {
  switch (box) {
    case Box::Vin:
      return &kVinCaption;
    case Box::Load:
      return &kLoadCaption;
    case Box::TotalMin:
      return &kTotalCaption;
    case Box::RegulatorVout:
      return &kRegulatorVoutCaption;
    case Box::Vref:
      return &kVrefCaption;
    case Box::Iadj:
      return &kIadjCaption;
    case Box::VrefTolerance:
      return &kVrefToleranceCaption;
    case Box::R1Min:
      return &kR1RangeCaption;
    case Box::R2Min:
      return &kR2RangeCaption;
    case Box::Exclusions:
      return &kExcludeCaption;
    default:
      break;
  }
  return nullptr;
}

std::size_t Slot(Box box) {
  return static_cast<std::size_t>(box);
}

// Keeps a left-to-right text (numbers and unit symbols) in that order
// inside a right-to-left cell.
QString LeftToRight(const std::string& text, Language language) {
  const QString mark = language == Language::Persian ? QString(QChar(0x200E)) : QString();
  return mark + Text(text) + mark;
}

}  // namespace

DividerWindow::DividerWindow(Language language, QWidget* parent)
    : DividerWindow(language, StandardSeries::E24, parent) {}

DividerWindow::DividerWindow(Language language, StandardSeries series, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("DividerCalc"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(true);
  setFont(WindowFont());
  model_.SetSeries(series);

  auto label = [](const char* name, QWidget* container) { return NewLabel(container, name); };

  // The mode and the series.
  dividerMode_ = new QRadioButton(this);
  dividerMode_->setObjectName(QStringLiteral("ModeDivider"));
  regulatorMode_ = new QRadioButton(this);
  regulatorMode_->setObjectName(QStringLiteral("ModeRegulator"));
  seriesCaption_ = label("LSeries", this);
  seriesList_ = new QComboBox(this);
  seriesList_->setObjectName(QStringLiteral("SeriesList"));
  for (StandardSeries each : kStandardSeries)
    seriesList_->addItem(Text(SeriesName(each)));
  seriesCaption_->setBuddy(seriesList_);
  auto* modeRow = new QHBoxLayout;
  modeRow->addWidget(dividerMode_);
  modeRow->addWidget(regulatorMode_);
  modeRow->addStretch(1);
  modeRow->addWidget(seriesCaption_);
  modeRow->addWidget(seriesList_);

  // The boxes: one page per mode, the exclusions below both.
  inputFrame_ = new QGroupBox(this);
  inputFrame_->setObjectName(QStringLiteral("InputFrame"));
  pages_ = new QStackedWidget(inputFrame_);
  pages_->setObjectName(QStringLiteral("ModePages"));
  auto* dividerPage = new QWidget(pages_);
  dividerPage->setObjectName(QStringLiteral("DividerPage"));
  auto* regulatorPage = new QWidget(pages_);
  regulatorPage->setObjectName(QStringLiteral("RegulatorPage"));
  pages_->addWidget(dividerPage);
  pages_->addWidget(regulatorPage);
  targetKind_ = new QComboBox(dividerPage);
  targetKind_->setObjectName(QStringLiteral("TargetKind"));
  targetKind_->addItem(QString());
  targetKind_->addItem(QString());
  for (const BoxDesign& design : kBoxes) {
    QWidget* container = design.box == Box::Exclusions     ? static_cast<QWidget*>(inputFrame_)
                         : design.box < Box::RegulatorVout ? dividerPage
                                                           : regulatorPage;
    if (design.captionName)
      captions_[Slot(design.box)] = label(design.captionName, container);
    boxes_[Slot(design.box)] = NewBox(container, design.name, design.box);
  }
  rangeTo_ = {label("LTotalTo", dividerPage), label("LR1To", regulatorPage),
              label("LR2To", regulatorPage)};

  // Rows of caption, box and, for a range, "to" and the upper end.
  auto grid = [this](QWidget* page, const std::vector<std::array<Box, 2>>& rows,
                     const std::array<QLabel*, 3>& to) {
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    std::size_t ranges = 0;
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
      const auto [first, upper] = rows[static_cast<std::size_t>(row)];
      QWidget* caption = first == Box::Target ? static_cast<QWidget*>(targetKind_)
                                              : static_cast<QWidget*>(captions_[Slot(first)]);
      layout->addWidget(caption, row, 0);
      layout->addWidget(BoxOf(first), row, 1);
      if (upper != first) {
        layout->addWidget(to[ranges++], row, 2);
        layout->addWidget(BoxOf(upper), row, 3);
      }
    }
    layout->setColumnStretch(4, 1);
    layout->setRowStretch(static_cast<int>(rows.size()), 1);
  };
  grid(dividerPage,
       {{Box::Vin, Box::Vin},
        {Box::Target, Box::Target},
        {Box::Load, Box::Load},
        {Box::TotalMin, Box::TotalMax}},
       {rangeTo_[0]});
  grid(regulatorPage,
       {{Box::RegulatorVout, Box::RegulatorVout},
        {Box::Vref, Box::Vref},
        {Box::Iadj, Box::Iadj},
        {Box::VrefTolerance, Box::VrefTolerance},
        {Box::R1Min, Box::R1Max},
        {Box::R2Min, Box::R2Max}},
       {rangeTo_[1], rangeTo_[2]});
  auto* frameLayout = new QVBoxLayout(inputFrame_);
  frameLayout->addWidget(pages_);
  auto* excludeRow = new QHBoxLayout;
  excludeRow->addWidget(captions_[Slot(Box::Exclusions)]);
  QLineEdit* exclusions = BoxOf(Box::Exclusions);
  exclusions->setMinimumWidth(0);
  exclusions->setMaximumWidth(QWIDGETSIZE_MAX);
  excludeRow->addWidget(exclusions, 1);
  frameLayout->addLayout(excludeRow);

  picture_ = new DividerPicture(this);
  picture_->setObjectName(QStringLiteral("DividerPicture"));
  auto* inputRow = new QHBoxLayout;
  inputRow->addWidget(inputFrame_, 1);
  inputRow->addWidget(picture_, 0, Qt::AlignTop);

  message_ = label("LMessage", this);
  message_->setWordWrap(true);
  message_->setMinimumHeight(2 * message_->fontMetrics().lineSpacing() + 4);
  message_->setAlignment(Qt::AlignLeading | Qt::AlignTop);

  // The best dozen.
  resultFrame_ = new QGroupBox(this);
  resultFrame_->setObjectName(QStringLiteral("ResultFrame"));
  table_ = new QTableWidget(0, static_cast<int>(kPairColumns.size()), resultFrame_);
  table_->setObjectName(QStringLiteral("ResultTable"));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  // The columns share the frame's width in proportion to their designed widths.
  int width = table_->verticalHeader()->sizeHint().width() + 2 * table_->frameWidth();
  for (std::size_t column = 0; column < kColumnWidths.size(); ++column) {
    table_->setColumnWidth(static_cast<int>(column), kColumnWidths[column]);
    width += kColumnWidths[column];
  }
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table_->setMinimumWidth(width);
  table_->setFixedHeight(table_->horizontalHeader()->sizeHint().height() +
                         static_cast<int>(kDividerResultCount) *
                             table_->verticalHeader()->defaultSectionSize() +
                         2 * table_->frameWidth());
  auto* resultLayout = new QVBoxLayout(resultFrame_);
  resultLayout->addWidget(table_);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addLayout(modeRow);
  layout->addLayout(inputRow);
  layout->addWidget(message_);
  layout->addWidget(resultFrame_);

  connect(dividerMode_, &QRadioButton::toggled, this, [this](bool on) {
    model_.SetMode(on ? Mode::Divider : Mode::Regulator);
    ShowModel();
  });
  connect(seriesList_, &QComboBox::currentIndexChanged, this, [this](int index) {
    model_.SetSeries(kStandardSeries[static_cast<std::size_t>(index)]);
    ShowModel();
  });
  connect(targetKind_, &QComboBox::currentIndexChanged, this, [this](int index) {
    model_.SetTargetKind(index == 0 ? DividerModel::TargetKind::Voltage
                                    : DividerModel::TargetKind::Ratio);
    ShowModel();
  });
  connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) { OnRowPicked(row); });

  // Tab runs down the page shown, then to the exclusions, the table and
  // back to the mode.
  QWidget* previous = dividerMode_;
  for (QWidget* next : std::initializer_list<QWidget*>{
           regulatorMode_, seriesList_, BoxOf(Box::Vin), targetKind_, BoxOf(Box::Target),
           BoxOf(Box::Load), BoxOf(Box::TotalMin), BoxOf(Box::TotalMax), BoxOf(Box::RegulatorVout),
           BoxOf(Box::Vref), BoxOf(Box::Iadj), BoxOf(Box::VrefTolerance), BoxOf(Box::R1Min),
           BoxOf(Box::R1Max), BoxOf(Box::R2Min), BoxOf(Box::R2Max), BoxOf(Box::Exclusions),
           table_}) {
    setTabOrder(previous, next);
    previous = next;
  }
  Retranslate(language);
}

QLineEdit* DividerWindow::NewBox(QWidget* container, const char* name, Box box) {
  auto* edit = new QLineEdit(Text(model_.Text(box)), container);
  edit->setObjectName(QLatin1String(name));
  edit->setMaxLength(static_cast<int>(DividerModel::LengthLimit(box)));
  edit->setFixedWidth(kBoxWidth);
  edit->setLayoutDirection(Qt::LeftToRight);  // numbers read left to right
  InstallEntryRules(edit, ModelEntryRules(
                              model_, ControlKeys::Keep, [this] { return language_; }, box));
  connect(edit, &QLineEdit::textChanged, this, [this, box] { OnEdited(box); });
  return edit;
}

void DividerWindow::Retranslate(Language language) {
  language_ = language;
  setLayoutDirection(DirectionOf(language));
  setWindowTitle(Text(kDividerTitle.In(language)));
  dividerMode_->setText(Text(kDividerModeButton.In(language)));
  regulatorMode_->setText(Text(kRegulatorModeButton.In(language)));
  seriesCaption_->setText(Text(kDividerSeriesCaption.In(language)));
  inputFrame_->setTitle(Text(kDividerInputFrame.In(language)));
  resultFrame_->setTitle(Text(kPairsFrame.In(language)));
  for (const BoxDesign& design : kBoxes) {
    if (const Caption* caption = CaptionOf(design.box))
      captions_[Slot(design.box)]->setText(Text(caption->In(language)));
    BoxOf(design.box)
        ->setAccessibleName(Text(DividerBoxName(design.box, model_.CurrentTargetKind(), language)));
  }
  for (QLabel* to : rangeTo_)
    to->setText(Text(kRangeTo.In(language)));
  {
    const QSignalBlocker quiet(targetKind_);
    // The list's field lays its text out left to right; a right-to-left
    // embedding keeps a Persian item reading right to left.
    const bool persian = language == Language::Persian;
    for (std::size_t i = 0; i < kTargetKindItems.size(); ++i) {
      const QString item = Text(kTargetKindItems[i].In(language));
      targetKind_->setItemText(static_cast<int>(i),
                               persian ? QChar(0x202B) + item + QChar(0x202C) : item);
    }
  }
  QStringList headers;
  for (const Caption& column : kPairColumns)
    headers << Text(column.In(language));
  table_->setHorizontalHeaderLabels(headers);
  seriesList_->setAccessibleName(Text(kDividerSeriesListName.In(language)));
  targetKind_->setAccessibleName(Text(kTargetKindName.In(language)));
  table_->setAccessibleName(Text(kPairTableName.In(language)));
  picture_->setAccessibleName(Text(kDividerPictureName.In(language)));
  ShowModel();
}

void DividerWindow::OnEdited(Box box) {
  QLineEdit* edit = BoxOf(box);
  const int caret = edit->cursorPosition();
  model_.Edit(box, Utf8(edit->text()));
  ShowKeptText(edit, model_.Text(box), caret);
  ShowModel();
}

void DividerWindow::OnRowPicked(int row) {
  if (row < 0)
    return;
  model_.Select(static_cast<std::size_t>(row));
  ShowPicture();
}

void DividerWindow::ShowModel() {
  const Language language = language_;
  const bool divider = model_.CurrentMode() == Mode::Divider;
  {
    const QSignalBlocker a(dividerMode_), b(regulatorMode_), c(seriesList_), d(targetKind_);
    dividerMode_->setChecked(divider);
    regulatorMode_->setChecked(!divider);
    pages_->setCurrentIndex(divider ? 0 : 1);
    seriesList_->setCurrentIndex(static_cast<int>(model_.Series()));
    targetKind_->setCurrentIndex(
        model_.CurrentTargetKind() == DividerModel::TargetKind::Voltage ? 0 : 1);
  }
  BoxOf(Box::Target)
      ->setAccessibleName(Text(DividerBoxName(Box::Target, model_.CurrentTargetKind(), language)));

  const DividerNote note = DividerMessage(model_, language);
  QPalette palette = message_->palette();
  palette.setColor(QPalette::WindowText,
                   note.problem ? kErrorColour : this->palette().color(QPalette::WindowText));
  message_->setPalette(palette);
  message_->setText(Text(note.text));

  const QSignalBlocker quiet(table_);
  const std::vector<DividerPair> none;
  const std::vector<DividerPair>& pairs = model_.Pairs() ? *model_.Pairs() : none;
  table_->setRowCount(static_cast<int>(pairs.size()));
  for (std::size_t row = 0; row < pairs.size(); ++row) {
    const std::array<std::string, 6> cells = PairRowTexts(pairs[row], language);
    for (std::size_t column = 0; column < cells.size(); ++column) {
      const int r = static_cast<int>(row), c = static_cast<int>(column);
      QTableWidgetItem* item = table_->item(r, c);
      if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        table_->setItem(r, c, item);
      }
      item->setText(LeftToRight(cells[column], language));
    }
  }
  if (!pairs.empty())
    table_->setCurrentCell(static_cast<int>(model_.SelectedRow()), 0);
  ShowPicture();
}

void DividerWindow::ShowPicture() {
  const Language language = language_;
  const bool divider = model_.CurrentMode() == Mode::Divider;
  DividerPicture::Content content;
  content.regulator = !divider;
  content.regWord = Text(kRegulatorWord.In(language));
  const auto* pairs = model_.Pairs();
  const DividerPair* pair = pairs ? &(*pairs)[model_.SelectedRow()] : nullptr;
  const auto named = [](const char* name, const std::string& value) {
    return value.empty() ? QLatin1String(name) : QLatin1String(name) + " = " + Text(value);
  };
  content.r1 = named("R1", pair ? OhmsText(pair->r1) : std::string());
  content.r2 = named("R2", pair ? OhmsText(pair->r2) : std::string());
  content.vout = named("Vout", pair ? VoltsText(pair->vout) : std::string());
  if (divider) {
    content.vin =
        named("Vin", pair ? NumberToText(TextToNumber(model_.Text(Box::Vin))) + " V" : "");
    const std::string& load = model_.Text(Box::Load);
    if (load.find_first_not_of(" \t") != std::string::npos) {
      const auto read = ReadResistanceText(load);
      const auto* value = std::get_if<ResistanceText>(&read);
      content.load = named("RL", pair && value ? OhmsText(value->ohms) : std::string());
    }
  }
  picture_->Show(content);
  QStringList parts = {content.vin, content.r1, content.r2, content.load, content.vout};
  parts.removeAll(QString());
  picture_->setAccessibleDescription(parts.join(QStringLiteral(", ")));
}

}  // namespace kalvane
