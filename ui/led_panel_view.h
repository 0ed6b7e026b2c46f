// The LED panel: four inputs with spin buttons, the arrangement and mode
// choices, the calculation button, the results and the circuit diagram. It
// is a view of the core's LedPanel: every action goes to the panel, and the
// view then shows the panel's state. Captions and positions come from i18n;
// the menus and the language state are the main window's.
#pragma once

#include <QWidget>
#include <array>

#include "core/language_words.h"
#include "core/led_panel.h"
#include "i18n/language_switch.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kalvane {

class PictureButton;

class LedPanelView : public QWidget, public TranslatableWindow {
  Q_OBJECT

 public:
  // Builds the panel's controls and lays them out in `language`.
  explicit LedPanelView(Language language, QWidget* parent = nullptr);

  const LedPanel& Panel() const { return panel_; }
  LedCalcMode Mode() const { return panel_.Mode(); }

  // The panel's captions, reading directions and positions for `language`;
  // the arrangement goes back to series and the unit words in the results
  // follow the language.
  void Retranslate(Language language) override;

  // The panel's actions, as the controls and the menus trigger them.
  void OnCalculate();
  void OnModeChosen(LedCalcMode mode);
  void OnArrangementChosen(int position);
  void OnSeriesChosen(StandardSeries series);

  // Gives the result boxes their right clicks back, as the program closes.
  void ReleaseRightClicks();

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

  LedPanel panel_;
  Language language_ = Language::Persian;  // the language of the captions

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
