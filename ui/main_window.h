// The main window: the LED panel (four inputs with spin buttons, the
// arrangement and mode choices, the calculation button, the results and the
// circuit diagram), the menu bar, and the language state the whole program
// shares. It is a view of the core's LedPanel: every action goes to the
// panel, and the window then shows the panel's state. Captions and
// positions come from i18n.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "core/language_words.h"
#include "core/led_panel.h"
#include "i18n/language_switch.h"

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace kalvane {

class AboutWindow;
class ColourCodeWindow;
class PictureButton;
class SmdCodeWindow;

class MainWindow : public QMainWindow, public TranslatableWindow, public LanguageOwner {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // The language state and its six words, always assigned together.
  Language CurrentLanguage() const override { return words_.language; }
  const LanguageWords& Words() const { return words_; }
  // The language state's name, "Persian" or "English".
  QString ProgLang() const;

  const LedPanel& Panel() const { return panel_; }
  LedCalcMode Mode() const { return panel_.Mode(); }

  // The window's captions, reading directions and positions for `language`;
  // the arrangement goes back to series. The language state is the menu's.
  void Retranslate(Language language) override;
  std::vector<TranslatableWindow*> WindowsToConvert() override;

  // The panel's actions, as the controls trigger them.
  void OnCalculate();
  void OnModeChosen(LedCalcMode mode);
  void OnArrangementChosen(int position);

  // The menu's actions. Each secondary window is shown modally and the call
  // returns when it closes.
  void OnOpenFourBand();
  void OnOpenFiveBand();
  void OnOpenSixBand();
  void OnOpenSmdCode();
  // Tools -> Standard series: the rows' series for this run.
  void OnSeriesChosen(StandardSeries series);
  void OnSwitchToPersian();
  void OnSwitchToEnglish();
  void OnOpenAbout();

  // The shared colour windows, loaded (hidden) on first use.
  ColourCodeWindow& FourBandWindow();
  ColourCodeWindow& FiveBandWindow();
  ColourCodeWindow& SixBandWindow();
  SmdCodeWindow& SmdWindow();

  QMenu* ToolsMenu() const { return toolsMenu_; }
  QAction* FourBandAction() const { return fourBandAction_; }
  QAction* FiveBandAction() const { return fiveBandAction_; }
  QAction* SixBandAction() const { return sixBandAction_; }
  QAction* SmdCodeAction() const { return smdCodeAction_; }
  QAction* SeriesAction(StandardSeries series) const {
    return seriesActions_[static_cast<std::size_t>(series)];
  }
  QAction* PersianAction() const { return persianAction_; }
  QAction* EnglishAction() const { return englishAction_; }
  QAction* AboutAction() const { return aboutAction_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // One input box with its caption, unit and spin buttons.
  struct InputRow {
    QLabel* caption = nullptr;
    QLineEdit* box = nullptr;
    QLabel* unit = nullptr;
    PictureButton* up = nullptr;
    PictureButton* down = nullptr;
    QLabel* upGreyed = nullptr;    // never shown, so it holds no picture
    QLabel* downGreyed = nullptr;  // shown in place of a greyed-out down button; its
                                   // picture is rendered when it first shows
  };
  // One result with its caption and, for the two boxes, its unit.
  struct ResultRow {
    QLabel* caption = nullptr;
    QWidget* value = nullptr;
    QLabel* unit = nullptr;
  };

  void BuildMenus();
  void BuildInputs();
  void BuildResults();
  void BuildDiagram();
  void SetColours();
  void SetTabOrder();
  void PlaceControls(Language language);

  void OnInputEdited(LedInput input);
  void ShowInvalidInputMessage();
  // Shows the panel's state: boxes, spin buttons, choices, results, the
  // rows of the mode with their captions and spoken names, the diagram.
  void ShowPanel();
  void ShowResults();
  void ShowDiagram();
  void NameControls();

  InputRow& Row(LedInput input) { return inputs_[static_cast<std::size_t>(input)]; }
  QLabel* ResultLabel(LedResult field) const;

  LedPanel panel_;
  LanguageWords words_ = kPersianWords;
  Language shownLanguage_ = Language::Persian;  // the language of the captions
  QPointer<AboutWindow> about_;                 // the shared About window while it is loaded
  QPointer<ColourCodeWindow> fourBand_;
  QPointer<ColourCodeWindow> fiveBand_;
  QPointer<ColourCodeWindow> sixBand_;
  QPointer<SmdCodeWindow> smdCode_;

  QWidget* client_ = nullptr;
  QMenu* toolsMenu_ = nullptr;
  QMenu* colourCodeMenu_ = nullptr;
  QMenu* seriesMenu_ = nullptr;
  QMenu* languageMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QAction* fourBandAction_ = nullptr;
  QAction* fiveBandAction_ = nullptr;
  QAction* sixBandAction_ = nullptr;
  QAction* smdCodeAction_ = nullptr;
  std::array<QAction*, kStandardSeries.size()> seriesActions_{};  // in the order of StandardSeries
  QAction* persianAction_ = nullptr;
  QAction* englishAction_ = nullptr;
  QAction* aboutAction_ = nullptr;

  QGroupBox* inputFrame_ = nullptr;
  QComboBox* arrangementList_ = nullptr;
  std::array<QRadioButton*, 3> modeButtons_{};  // in the order of LedCalcMode
  std::array<InputRow, 4> inputs_;              // in the order of LedInput
  QPushButton* calculateButton_ = nullptr;

  QGroupBox* resultFrame_ = nullptr;
  QLineEdit* solvedValueBox_ = nullptr;
  QLineEdit* branchLightBox_ = nullptr;
  QLabel* largerStandardLabel_ = nullptr;
  QLabel* smallerStandardLabel_ = nullptr;
  QLabel* powerRatingLabel_ = nullptr;
  std::array<ResultRow, 5> resultRows_;  // in the order of ResultRow

  QFrame* diagramFrame_ = nullptr;
  QLabel* diagram_ = nullptr;
  QLabel* diagramSupplyLabel_ = nullptr;
  QLabel* diagramResistorLabel_ = nullptr;
  std::array<QLabel*, 4> ledNames_{};  // first, second, third and last LED
};

}  // namespace kalvane
