// The main window: the application's shell around the LED panel. It holds
// the menu bar, the language state the whole program shares and the
// secondary windows of the shelf (ui/window_shelf.h), loaded on first use
// and opened modally. The panel itself is LedPanelView.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <vector>

#include "core/language_words.h"
#include "core/standard_values.h"
#include "i18n/caption_tables.h"
#include "i18n/language_switch.h"

class QAction;
class QDialog;
class QMenu;

namespace kalvane {

class LedPanelView;

class MainWindow : public QMainWindow, public TranslatableWindow, public LanguageOwner {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // The language state: Persian at every start, changed by the Language
  // menu once every window shows the new language.
  Language CurrentLanguage() const override { return language_; }
  const LanguageWords& Words() const { return WordsOf(language_); }
  // The language state's name, "Persian" or "English".
  QString ProgLang() const;

  LedPanelView& PanelView() const { return *panelView_; }

  // The window's title and menus, and the panel, for `language`. The
  // language state is the menu's.
  void Retranslate(Language language) override;
  // The main window, then the shelf's windows that are loaded, loading
  // hidden those that a switch always reaches.
  std::vector<TranslatableWindow*> WindowsToConvert() override;

  // The menu's actions.
  void OnSwitchToPersian();
  void OnSwitchToEnglish();
  // Opens the shelf's window for `item` modally; returns when it closes.
  void OnOpenWindow(const Caption& item);

  // The shelf's window for `item`, loaded hidden, in the language of the
  // moment, on first use; `W` is its class.
  QDialog& Window(const Caption& item);
  template <typename W>
  W& Window(const Caption& item) {
    return dynamic_cast<W&>(Window(item));
  }
  // The menu item that opens the shelf's window for `item`.
  QAction* Action(const Caption& item) const;

  QMenu* ToolsMenu() const { return toolsMenu_; }
  QAction* SeriesAction(StandardSeries series) const {
    return seriesActions_[static_cast<std::size_t>(series)];
  }
  QAction* PersianAction() const { return persianAction_; }
  QAction* EnglishAction() const { return englishAction_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  // The window's direction, title and menus in `language`.
  void WriteTitles(Language language);
  std::size_t ShelfIndex(const Caption& item) const;

  Language language_ = Language::Persian;
  LedPanelView* panelView_ = nullptr;
  // The shelf's windows while they are loaded, and their menu items, in
  // the shelf's order.
  std::vector<QPointer<QDialog>> windows_;
  std::vector<QAction*> windowActions_;

  QMenu* toolsMenu_ = nullptr;
  QMenu* colourCodeMenu_ = nullptr;
  QMenu* seriesMenu_ = nullptr;
  QMenu* languageMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  std::array<QAction*, kStandardSeries.size()> seriesActions_{};  // in the order of StandardSeries
  QAction* persianAction_ = nullptr;
  QAction* englishAction_ = nullptr;
};

}  // namespace kalvane
