#include "ui/network_finder_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/entry_rules.h"
#include "i18n/accessible_texts.h"
#include "i18n/network_finder_captions.h"
#include "i18n/network_finder_texts.h"
#include "ui/look.h"
#include "ui/network_schematic.h"
#include "ui/numeric_entry.h"
#include "ui/qt_text.h"
#include "ui/view_support.h"

namespace kalvane {
namespace {

using Box = NetworkFinderModel::Box;
using ListMode = NetworkFinderModel::ListMode;
const QColor kErrorColour(192, 0, 0);

// The longest line a network's list shows, for the lists' width.
constexpr const char* kWidestPick = "(4.75k + (4.75k || 4.75k)) || 4.75k   -0.0125 ppm";

void ShowAs(QLabel* label, const QString& text, bool error) {
  QPalette palette = label->palette();
  palette.setColor(
      QPalette::WindowText,
      error ? kErrorColour : label->parentWidget()->palette().color(QPalette::WindowText));
  label->setPalette(palette);
  label->setText(text);
}

}  // namespace

NetworkSearchWorker::NetworkSearchWorker(Done done)
    : done_(std::move(done)), thread_([this] { Loop(); }) {}

NetworkSearchWorker::~NetworkSearchWorker() {
  {
    const std::lock_guard lock(mutex_);
    quit_ = true;
    latest_.store(0);  // stops a search that is running
  }
  wake_.notify_one();
  thread_.join();
}

void NetworkSearchWorker::Submit(NetworkFinderModel::Request request) {
  {
    const std::lock_guard lock(mutex_);
    latest_.store(request.generation);
    next_ = std::move(request);
  }
  wake_.notify_one();
}

void NetworkSearchWorker::Loop() {
  for (;;) {
    NetworkFinderModel::Request request;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return quit_ || next_.has_value(); });
      if (quit_)
        return;
      request = std::move(*next_);
      next_.reset();
    }
    auto results = NetworkFinderModel::Run(request, SearchStop{&latest_, request.generation});
    if (results)
      done_(request.generation, std::move(*results));
  }
}

NetworkFinderWindow::NetworkFinderWindow(Language language, QWidget* parent)
    : NetworkFinderWindow(language, StandardSeries::E24, parent) {}

NetworkFinderWindow::NetworkFinderWindow(Language language, StandardSeries series, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("NetworkFinder"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(true);
  setFont(WindowFont());
  model_.SelectSeries(series);

  auto label = [](const char* name, QWidget* container) { return NewLabel(container, name); };
  auto combo = [](const char* name, QWidget* container) {
    auto* c = new QComboBox(container);
    c->setObjectName(QLatin1String(name));
    return c;
  };

  inputFrame_ = new QGroupBox(this);
  inputFrame_->setObjectName(QStringLiteral("Frame1"));
  auto* inputs = new QGridLayout(inputFrame_);
  targetCaption_ = label("LTargetCaption", inputFrame_);
  targetBox_ = NewBox(inputFrame_, "TargetEnter", Box::Target);
  seriesCaption_ = label("LSeriesCaption", inputFrame_);
  seriesList_ = combo("SeriesList", inputFrame_);
  for (StandardSeries s : kStandardSeries)
    seriesList_->addItem(Text(SeriesName(s)));
  seriesList_->setCurrentIndex(static_cast<int>(model_.Series()));
  countCaption_ = label("LCountCaption", inputFrame_);
  countList_ = combo("CountList", inputFrame_);
  for (int k = 1; k <= 4; ++k)
    countList_->addItem(QString::number(k));
  countList_->setCurrentIndex(model_.MaxCount() - 1);
  excludeMode_ = new QRadioButton(inputFrame_);
  excludeMode_->setObjectName(QStringLiteral("ExcludeMode"));
  excludeMode_->setChecked(true);
  stockMode_ = new QRadioButton(inputFrame_);
  stockMode_->setObjectName(QStringLiteral("StockMode"));
  listBox_ = NewBox(inputFrame_, "ListEnter", Box::List);
  message_ = label("LMessage", inputFrame_);
  message_->setWordWrap(true);
  message_->setMinimumHeight(2 * message_->fontMetrics().lineSpacing());
  inputs->addWidget(targetCaption_, 0, 0);
  inputs->addWidget(targetBox_, 0, 1);
  inputs->addWidget(seriesCaption_, 0, 2);
  inputs->addWidget(seriesList_, 0, 3);
  inputs->addWidget(countCaption_, 1, 2);
  inputs->addWidget(countList_, 1, 3);
  inputs->addWidget(excludeMode_, 1, 0);
  inputs->addWidget(stockMode_, 2, 0);
  inputs->addWidget(listBox_, 1, 1, 2, 1, Qt::AlignVCenter);
  inputs->addWidget(message_, 3, 0, 1, 4);
  inputs->setColumnStretch(1, 1);

  resultFrame_ = new QGroupBox(this);
  resultFrame_->setObjectName(QStringLiteral("Frame2"));
  auto* results = new QGridLayout(resultFrame_);
  const int pickWidth =
      fontMetrics().horizontalAdvance(QLatin1String(kWidestPick)) + 4 * fontMetrics().height();
  for (std::size_t k = 0; k < 4; ++k) {
    const int row = static_cast<int>(k);
    countCaptions_[k] =
        label(QStringLiteral("LCount%1").arg(row + 1).toLatin1().constData(), resultFrame_);
    schematics_[k] = new NetworkSchematic(resultFrame_);
    schematics_[k]->setObjectName(QStringLiteral("Schematic%1").arg(row + 1));
    schematics_[k]->setFixedSize(schematics_[k]->sizeHint());
    values_[k] =
        label(QStringLiteral("LValue%1").arg(row + 1).toLatin1().constData(), resultFrame_);
    values_[k]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    picks_[k] = combo(QStringLiteral("Pick%1").arg(row + 1).toLatin1().constData(), resultFrame_);
    picks_[k]->setMinimumWidth(pickWidth);
    picks_[k]->setLayoutDirection(Qt::LeftToRight);  // formulas read left to right
    auto* column = new QVBoxLayout;
    column->addStretch();
    column->addWidget(values_[k]);
    column->addWidget(picks_[k]);
    column->addStretch();
    results->addWidget(countCaptions_[k], row, 0, Qt::AlignVCenter);
    results->addWidget(schematics_[k], row, 1);
    results->addLayout(column, row, 2);
    connect(picks_[k], &QComboBox::activated, this, [this, row](int index) {
      model_.Pick(row + 1, static_cast<std::size_t>(std::max(index, 0)));
      ShowModel();
    });
  }
  results->setColumnStretch(2, 1);

  auto* whole = new QVBoxLayout(this);
  whole->addWidget(inputFrame_);
  whole->addWidget(resultFrame_);
  whole->setSizeConstraint(QLayout::SetFixedSize);

  connect(seriesList_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0)
      return;
    model_.SelectSeries(kStandardSeries[static_cast<std::size_t>(index)]);
    ShowModel();
  });
  connect(countList_, &QComboBox::currentIndexChanged, this, [this](int index) {
    model_.SelectMaxCount(index + 1);
    ShowModel();
  });
  connect(excludeMode_, &QRadioButton::toggled, this, [this](bool on) {
    model_.SelectMode(on ? ListMode::Exclude : ListMode::StockOnly);
    Retranslate(language_);  // the list box speaks for its mode
  });

  setTabOrder(targetBox_, seriesList_);
  setTabOrder(seriesList_, countList_);
  setTabOrder(countList_, excludeMode_);
  setTabOrder(excludeMode_, stockMode_);
  setTabOrder(stockMode_, listBox_);
  setTabOrder(listBox_, picks_[0]);
  for (std::size_t k = 1; k < picks_.size(); ++k)
    setTabOrder(picks_[k - 1], picks_[k]);
  Retranslate(language);
}

NetworkFinderWindow::~NetworkFinderWindow() {
  worker_.reset();
}

void NetworkFinderWindow::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (painted_)
    return;
  painted_ = true;
  // Queued: the children paint and the frame reaches the screen first.
  QMetaObject::invokeMethod(
      this, [this] { SubmitPending(); }, Qt::QueuedConnection);
}

void NetworkFinderWindow::SubmitPending() {
  if (!painted_ || !model_.Pending() || model_.Pending()->generation == submitted_)
    return;
  if (!worker_) {
    QPointer<NetworkFinderWindow> self(this);
    worker_ = std::make_unique<NetworkSearchWorker>(
        [self](std::uint64_t generation, std::vector<CountResult> results) {
          auto shared = std::make_shared<std::vector<CountResult>>(std::move(results));
          // Queued to the window's thread; dropped if the window is gone.
          QMetaObject::invokeMethod(
              self.data(),
              [self, generation, shared] {
                if (self)
                  self->OnResults(generation, std::move(*shared));
              },
              Qt::QueuedConnection);
        });
  }
  submitted_ = model_.Pending()->generation;
  worker_->Submit(*model_.Pending());
}

QLineEdit* NetworkFinderWindow::NewBox(QWidget* parent, const char* name, Box box) {
  auto* edit = new QLineEdit(Text(model_.Text(box)), parent);
  edit->setObjectName(QLatin1String(name));
  edit->setMaxLength(static_cast<int>(model_.LengthLimit(box)));
  edit->setLayoutDirection(Qt::LeftToRight);  // values read left to right
  InstallEntryRules(edit, ModelEntryRules(
                              model_, ControlKeys::Keep, [this] { return language_; }, box));
  connect(edit, &QLineEdit::textChanged, this, [this, box] { OnEdited(box); });
  return edit;
}

void NetworkFinderWindow::Retranslate(Language language) {
  language_ = language;
  const Qt::LayoutDirection direction = DirectionOf(language);
  setLayoutDirection(direction);
  setWindowTitle(Text(kNetworkFinderTitle.In(language)));
  inputFrame_->setTitle(Text(kFinderInputFrame.In(language)));
  resultFrame_->setTitle(Text(kFinderResultFrame.In(language)));
  targetCaption_->setText(Text(kFinderTargetCaption.In(language)));
  seriesCaption_->setText(Text(kFinderSeriesCaption.In(language)));
  countCaption_->setText(Text(kFinderCountCaption.In(language)));
  excludeMode_->setText(Text(kExcludeMode.In(language)));
  stockMode_->setText(Text(kStockMode.In(language)));
  const Qt::Alignment side =
      (language == Language::Persian ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute;
  for (QLabel* text : {targetCaption_, seriesCaption_, countCaption_, message_})
    text->setAlignment(side | Qt::AlignVCenter);
  targetBox_->setAccessibleName(Text(SpokenCaption(kFinderTargetCaption.In(language))));
  seriesList_->setAccessibleName(Text(SpokenCaption(kFinderSeriesCaption.In(language))));
  countList_->setAccessibleName(Text(SpokenCaption(kFinderCountCaption.In(language))));
  listBox_->setAccessibleName(
      Text((model_.Mode() == ListMode::Exclude ? kExcludedListName : kStockListName).In(language)));
  for (std::size_t k = 0; k < 4; ++k) {
    countCaptions_[k]->setText(Text(kCountCaptions[k].In(language)));
    values_[k]->setAlignment(side | Qt::AlignVCenter);
    picks_[k]->setAccessibleName(Text(kPickListName.In(language)) +
                                 Text(kCountCaptions[k].In(language)));
  }
  ShowModel();
}

void NetworkFinderWindow::OnEdited(Box box) {
  QLineEdit* edit = box == Box::Target ? targetBox_ : listBox_;
  const int caret = edit->cursorPosition();
  model_.Edit(box, Utf8(edit->text()));
  ShowKeptText(edit, model_.Text(box), caret);
  ShowModel();
}

void NetworkFinderWindow::OnResults(std::uint64_t generation, std::vector<CountResult> results) {
  if (model_.Deliver(generation, std::move(results)))
    ShowModel();
}

void NetworkFinderWindow::SearchNow() {
  if (!model_.Pending())
    return;
  const NetworkFinderModel::Request request = *model_.Pending();
  if (auto results = NetworkFinderModel::Run(request))
    OnResults(request.generation, std::move(*results));
}

void NetworkFinderWindow::ShowModel() {
  const Language language = language_;
  SubmitPending();

  QString message;
  bool error = false;
  if (model_.Error()) {
    message = Text(FinderProblemMessage(*model_.Error(), model_.Mode(), language));
    error = true;
  } else if (model_.Pending()) {
    message = Text(kSearching.In(language));
  } else if (const std::optional<int> hint = model_.HintCount()) {
    message = Text(HintText(*hint, model_.Series(), language));
  }
  if (!error && !model_.NotInSeries().empty() && model_.Mode() == ListMode::Exclude) {
    message += (message.isEmpty() ? QString() : QStringLiteral("\n")) +
               Text(NotInSeriesText(model_.NotInSeries(), model_.Series(), language));
  }
  ShowAs(message_, message, error);

  const auto& results = model_.Results();
  for (std::size_t k = 0; k < 4; ++k) {
    const int count = static_cast<int>(k) + 1;
    const QSignalBlocker quiet(picks_[k]);
    const CountResult* shown = results && k < results->size() ? &(*results)[k] : nullptr;
    picks_[k]->clear();
    countCaptions_[k]->setEnabled(count <= model_.MaxCount());
    if (!shown || shown->networks.empty()) {
      schematics_[k]->Show(std::nullopt);
      schematics_[k]->setAccessibleName(Text(kSchematicName.In(language)));
      values_[k]->setText(shown ? Text(kNoNetwork.In(language)) : QString());
      picks_[k]->setEnabled(false);
      continue;
    }
    for (const Network& network : shown->networks) {
      picks_[k]->addItem(Text(NetworkFormula(network)) + QStringLiteral("   ") +
                         Text(ErrorText(network.error, language)));
    }
    const std::size_t picked = model_.Picked(count);
    picks_[k]->setCurrentIndex(static_cast<int>(picked));
    picks_[k]->setEnabled(true);
    const Network& network = shown->networks[picked];
    schematics_[k]->Show(network);
    schematics_[k]->setAccessibleName(Text(kSchematicName.In(language)) +
                                      Text(NetworkFormula(network)));
    values_[k]->setText(Text(NetworkValueText(network, language)));
  }
}

}  // namespace kalvane
