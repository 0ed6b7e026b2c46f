// A resistor colour-code window, 4-band, 5-band or 6-band: a row of band selectors
// in Persian and in English at the same places, the resistor drawing whose
// bands follow them, the typed-resistance box, and the value and tolerance
// captions. It is a view of the core's ColourWindowModel: every pick and
// edit goes to the model, and the window then shows the model's state. The
// differences between the kinds are data (the core's window layout and the
// geometry here); the 6-band window adds the temperature coefficient.
#pragma once

#include <QDialog>
#include <array>

#include "core/colour_window_model.h"
#include "i18n/language_switch.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace kalvane {

class ColourCodeWindow : public QDialog, public TranslatableWindow {
  Q_OBJECT

 public:
  // Builds the controls, runs the window's load (the default bands) and
  // shows it in `language`. The window deletes itself when closed.
  ColourCodeWindow(WindowKind kind, Language language, QWidget* parent = nullptr);

  WindowKind Kind() const { return model_.Kind(); }
  const ColourWindowModel& Model() const { return model_; }
  int BandCount() const;
  QComboBox* PersianSelector(int band) const { return persianSelectors_[Index(band)]; }
  QComboBox* EnglishSelector(int band) const { return englishSelectors_[Index(band)]; }

  // The window in `language`: reading direction, title, which selector set
  // shows, frame captions, the Persian value caption, the typed box's
  // direction, and the names a screen reader speaks.
  void Retranslate(Language language) override;
  Language CurrentLanguage() const { return language_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;  // Escape closes without a close event

 private:
  static std::size_t Index(int band) { return static_cast<std::size_t>(band); }
  void BuildControls();
  void HookSelectorMenus();
  void UnhookSelectorMenus();
  void SetTabOrder();

  void OnPersianPicked(int band, int position);
  void OnEnglishPicked(int band, int position);
  void OnEntryEdited();

  // Shows the model's state: both selector sets, their colours and the
  // band pictures, the typed box with its caret, and the captions.
  void ShowModel();
  void ShowBand(int band);

  ColourWindowModel model_;
  Language language_ = Language::Persian;
  std::array<QComboBox*, kMaxBandCount> persianSelectors_{};
  std::array<QComboBox*, kMaxBandCount> englishSelectors_{};
  std::array<QLabel*, kMaxBandCount> bandPictures_{};  // on the drawing
  std::array<int, kMaxBandCount> paintedPositions_{};  // what each band's colours show
  std::array<QWidget*, 2 * kMaxBandCount> hookedEditParts_{};
  QLabel* resistorBody_ = nullptr;
  QGroupBox* typedValueFrame_ = nullptr;
  QLineEdit* typedValueBox_ = nullptr;
  QGroupBox* resistanceFrame_ = nullptr;
  QLabel* englishResistanceLabel_ = nullptr;
  QLabel* persianResistanceLabel_ = nullptr;
  QGroupBox* toleranceFrame_ = nullptr;
  QLabel* toleranceLabel_ = nullptr;
  QGroupBox* temperatureFrame_ = nullptr;  // 6 bands only
  QLabel* temperatureLabel_ = nullptr;
};

}  // namespace kalvane
