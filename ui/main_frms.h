// The main window: the LED panel (four inputs with spin buttons, the
// arrangement and mode choices, the calculation button, the results and the
// circuit diagram), the menu bar, and the language state the whole program
// shares. The arithmetic is the core's; the caption tables are i18n's.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "core/language_words.h"
#include "core/led_circuit.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QAction;

namespace kalvane {

class AA;
class Calc4Band;
class Calc5Band;
class PictureButton;

class MainFrms : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainFrms(QWidget* parent = nullptr);
  ~MainFrms() override;

  // The language state: ProgLang and the six words, always assigned together.
  const LanguageWords& Words() const { return words_; }
  QString ProgLang() const;
  void SetLanguageWords(const LanguageWords& words);

  // The calculation mode the option buttons select.
  LedCalcMode Mode() const;

  // The panel's actions, as the controls trigger them.
  void Calc_Click();
  void Resis_Click();
  void Volt_Click();
  void Amp_Click();

  // Re-lays out the diagram for the selected arrangement (SerMov's handler).
  void SerMov_Click();

  // The menu's actions. Each secondary window is shown modally and the call
  // returns when it closes.
  void Res4Col_Click();
  void Res5Col_Click();
  void Per_Click();
  void En_Click();
  void About_Click();

  // The shared colour windows, loaded (hidden) on first use.
  Calc4Band& Calc4BandInstance();
  Calc5Band& Calc5BandInstance();

  QMenu* ToolsMenu() const { return Tol; }
  QAction* Res4ColAction() const { return Res4Col; }
  QAction* Res5ColAction() const { return Res5Col; }
  QAction* PerAction() const { return Per; }
  QAction* EnAction() const { return En; }
  QAction* AboutAction() const { return About; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // One input box with its spin buttons.
  struct SpinRow {
    QLineEdit* box = nullptr;
    PictureButton* up = nullptr;
    PictureButton* down = nullptr;
    QLabel* upGreyed = nullptr;    // UpDisA..D: never shown
    QLabel* downGreyed = nullptr;  // DownDisA..D: shown in place of a disabled down button
    double step = 0;
    QString limitText;  // the down button greys out when the box reads exactly this
  };

  void BuildMenus();
  void BuildPanel();
  void BuildResults();
  void BuildDiagram();
  void PlaceDesignedControls();
  void SetTabOrder();
  void Form_Load();

  void SpinUp(SpinRow& row);
  void SpinDown(SpinRow& row);
  void ApplyModeExample(LedCalcMode mode);
  void RefreshDiagram(bool setLastLedCaption);
  void ShowInvalidInputMessage();
  bool ValidateInputsOnly() const;

  LanguageWords words_ = kPersianWords;
  QPointer<AA> about_;  // the shared About window while it is loaded
  QPointer<Calc4Band> calc4Band_;
  QPointer<Calc5Band> calc5Band_;

  QWidget* client_ = nullptr;
  QMenu* Tol = nullptr;
  QMenu* ResCol = nullptr;
  QMenu* Lang = nullptr;
  QMenu* Help = nullptr;
  QAction* Res4Col = nullptr;
  QAction* Res5Col = nullptr;
  QAction* Per = nullptr;
  QAction* En = nullptr;
  QAction* About = nullptr;

  QGroupBox* Frame1 = nullptr;
  QComboBox* SerMov = nullptr;
  QRadioButton* Resis = nullptr;
  QRadioButton* Volt = nullptr;
  QRadioButton* Amp = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label10 = nullptr;
  QLabel* Label11 = nullptr;
  QLineEdit* Vtdc = nullptr;
  QLineEdit* LedCount = nullptr;
  QLineEdit* VLed = nullptr;
  QLineEdit* ALed = nullptr;
  std::array<SpinRow, 4> spins_;
  QPushButton* Calc = nullptr;

  QGroupBox* Frame2 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label12 = nullptr;
  QLabel* Label13 = nullptr;
  QLabel* Label16 = nullptr;
  QLabel* Label17 = nullptr;
  QLineEdit* ResisSH = nullptr;
  QLineEdit* WatSH = nullptr;
  QLabel* ResisPishLarg = nullptr;
  QLabel* ResisPishSmall = nullptr;
  QLabel* WatPish = nullptr;

  QFrame* Shape1 = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* Label14 = nullptr;
  QLabel* Label15 = nullptr;
  QLabel* D1L = nullptr;
  QLabel* D2L = nullptr;
  QLabel* D3L = nullptr;
  QLabel* DnL = nullptr;
};

}  // namespace kalvane
