// The LED array designer: many LEDs on one supply as strings with their own
// resistors, designed while the user types, with the worst-case currents,
// an inline message for what stops a design and a picture of the array. It
// is a view of the core's LedArrayModel.
#pragma once

#include <QDialog>
#include <array>

#include "core/led_array_model.h"
#include "i18n/language_switch.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace kalvane {

class LedArrayPicture;

class LedArrayWindow : public QDialog, public TranslatableWindow {
  Q_OBJECT

 public:
  // Builds the window in `language` with resistors from `series` (the one
  // chosen in Tools -> Standard Series); it deletes itself when closed.
  LedArrayWindow(Language language, StandardSeries series, QWidget* parent = nullptr);

  const LedArrayModel& Model() const { return model_; }
  void Retranslate(Language language) override;

 private:
  using Box = LedArrayModel::Box;
  static constexpr std::size_t kRows = 6;  // exact, standard, current, power, rating, range

  void BuildInputs();
  void BuildResults();
  QLineEdit* NewBox(Box box);
  void OnEdited(Box box);
  // Shows the model: the results or the problem, the warnings and the
  // picture, in the language shown.
  void ShowModel();
  void ShowPicture();

  LedArrayModel model_;
  Language language_ = Language::Persian;
  QGroupBox* inputFrame_ = nullptr;
  QGroupBox* resultFrame_ = nullptr;
  QGroupBox* pictureFrame_ = nullptr;
  std::array<QLabel*, kLedArrayFieldCount> captions_{};
  std::array<QLineEdit*, kLedArrayFieldCount> boxes_{};
  std::array<QLabel*, kLedArrayFieldCount> units_{};
  QLabel* optionalNote_ = nullptr;
  QCheckBox* automatic_ = nullptr;
  QLabel* seriesCaption_ = nullptr;
  QComboBox* seriesList_ = nullptr;
  std::array<QLabel*, kRows> rowCaptions_{};
  std::array<std::array<QLabel*, kRows>, 2> kindValues_{};  // [kind][row]
  std::array<QLabel*, 2> kindHeadings_{};
  std::array<QLabel*, 4> totalCaptions_{};
  std::array<QLabel*, 4> totals_{};
  QLabel* message_ = nullptr;
  LedArrayPicture* picture_ = nullptr;
};

}  // namespace kalvane
