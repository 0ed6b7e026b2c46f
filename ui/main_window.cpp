#include "ui/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLayout>
#include <QMenuBar>

#include "i18n/caption_tables.h"
#include "ui/led_panel_view.h"
#include "ui/look.h"
#include "ui/qt_text.h"
#include "ui/view_support.h"
#include "ui/window_shelf.h"

namespace kalvane {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("MainFrms"));
  setFont(WindowFont());

  panelView_ = new LedPanelView(language_, this);
  setCentralWidget(panelView_);
  windows_.resize(WindowShelf().size());
  windowActions_.resize(WindowShelf().size());
  BuildMenus();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  WriteTitles(language_);  // the panel laid itself out when it was built
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenus() {
  auto addMenu = [](auto* owner, const Caption& caption) {
    QMenu* menu = owner->addMenu(QString());
    menu->setObjectName(Text(caption.name));
    menu->menuAction()->setObjectName(Text(caption.name));
    return menu;
  };
  auto addItem = [this](QMenu* menu, const Caption& caption) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(Text(caption.name));
    action->setParent(this);
    return action;
  };
  // The shelf's items that hang in `place`, in the shelf's order.
  auto addWindowItems = [this, addItem](QMenu* menu, ShelfMenu place) {
    for (std::size_t i = 0; i < WindowShelf().size(); ++i) {
      const ShelfWindow& window = WindowShelf()[i];
      if (window.menu != place)
        continue;
      windowActions_[i] = addItem(menu, *window.item);
      connect(windowActions_[i], &QAction::triggered, this,
              [this, &window] { OnOpenWindow(*window.item); });
    }
  };
  menuBar()->setObjectName(QStringLiteral("menuBar"));
  toolsMenu_ = addMenu(menuBar(), kToolsMenu);
  colourCodeMenu_ = addMenu(toolsMenu_, kColourCodeMenu);
  addWindowItems(colourCodeMenu_, ShelfMenu::ColourCode);
  addWindowItems(toolsMenu_, ShelfMenu::Tools);
  seriesMenu_ = addMenu(toolsMenu_, kSeriesMenu);
  auto* seriesGroup = new QActionGroup(this);
  for (StandardSeries series : kStandardSeries) {
    QAction* action = seriesMenu_->addAction(Text(SeriesName(series)));
    action->setObjectName(Text(SeriesName(series)));
    action->setCheckable(true);
    action->setChecked(series == panelView_->Panel().Series());
    action->setActionGroup(seriesGroup);
    connect(action, &QAction::triggered, this,
            [this, series] { panelView_->OnSeriesChosen(series); });
    seriesActions_[static_cast<std::size_t>(series)] = action;
  }
  languageMenu_ = addMenu(menuBar(), kLanguageMenu);
  persianAction_ = addItem(languageMenu_, kPersianItem);
  englishAction_ = addItem(languageMenu_, kEnglishItem);
  helpMenu_ = addMenu(menuBar(), kHelpMenu);
  addWindowItems(helpMenu_, ShelfMenu::Help);
  connect(persianAction_, &QAction::triggered, this, &MainWindow::OnSwitchToPersian);
  connect(englishAction_, &QAction::triggered, this, &MainWindow::OnSwitchToEnglish);
}

void MainWindow::Retranslate(Language language) {
  WriteTitles(language);
  panelView_->Retranslate(language);
}

void MainWindow::WriteTitles(Language language) {
  setLayoutDirection(DirectionOf(language));
  setWindowTitle(Text(kMainTitle.In(language)));
  toolsMenu_->setTitle(Text(kToolsMenu.In(language)));
  colourCodeMenu_->setTitle(Text(kColourCodeMenu.In(language)));
  for (std::size_t i = 0; i < WindowShelf().size(); ++i)
    windowActions_[i]->setText(Text(WindowShelf()[i].item->In(language)));
  seriesMenu_->setTitle(Text(kSeriesMenu.In(language)));
  languageMenu_->setTitle(Text(kLanguageMenu.In(language)));
  persianAction_->setText(Text(kPersianItem.In(language)));
  englishAction_->setText(Text(kEnglishItem.In(language)));
  helpMenu_->setTitle(Text(kHelpMenu.In(language)));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  panelView_->ReleaseRightClicks();
  event->accept();
  // Closing the main window ends the program, whatever else is loaded.
  QCoreApplication::quit();
}

QString MainWindow::ProgLang() const {
  return Text(ProgLangText(language_));
}

// The 4- and 5-band windows are loaded for a switch if they are not; the
// later windows are converted when loaded, and otherwise open in the
// language of the moment anyway.
std::vector<TranslatableWindow*> MainWindow::WindowsToConvert() {
  std::vector<TranslatableWindow*> windows = {this};
  for (std::size_t i = 0; i < WindowShelf().size(); ++i) {
    const ShelfWindow& window = WindowShelf()[i];
    if (window.loadedBySwitch || windows_[i])
      windows.push_back(&Translatable(Window(*window.item)));
  }
  return windows;
}

void MainWindow::OnSwitchToPersian() {
  SetPersianCaptions(*this);
  language_ = Language::Persian;
}

void MainWindow::OnSwitchToEnglish() {
  SetEnglishCaptions(*this);
  language_ = Language::English;
}

std::size_t MainWindow::ShelfIndex(const Caption& item) const {
  const ShelfWindow* window = FindOnShelf(item.name);
  Q_ASSERT(window);
  return static_cast<std::size_t>(window - WindowShelf().data());
}

QDialog& MainWindow::Window(const Caption& item) {
  const std::size_t i = ShelfIndex(item);
  if (!windows_[i]) {
    windows_[i] = WindowShelf()[i].build(
        {language_, panelView_->Panel().Series(), static_cast<QWidget*>(this)});
  }
  return *windows_[i];
}

QAction* MainWindow::Action(const Caption& item) const {
  return windowActions_[ShelfIndex(item)];
}

void MainWindow::OnOpenWindow(const Caption& item) {
  Window(item).exec();
}

}  // namespace kalvane
