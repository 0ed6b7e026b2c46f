// The divider / regulator window: the pairs of standard resistors that set a
// divider's output or an adjustable regulator's, searched again at every
// keystroke, shown as a table of the best dozen and drawn in a circuit
// picture, with an inline message for what cannot be read. It is a view of
// the core's DividerModel: each action is one model call, then the window
// shows the model.
#pragma once

#include <QDialog>
#include <array>

#include "core/divider_model.h"
#include "i18n/language_switch.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QTableWidget;

namespace kalvane {

class DividerPicture;

class DividerWindow : public QDialog, public TranslatableWindow {
  Q_OBJECT

 public:
  // Builds the window in `language`, under E24 or under `series`; it
  // deletes itself when closed.
  explicit DividerWindow(Language language, QWidget* parent = nullptr);
  DividerWindow(Language language, StandardSeries series, QWidget* parent = nullptr);

  const DividerModel& Model() const { return model_; }
  void Retranslate(Language language) override;

 private:
  using Box = DividerModel::Box;
  QLineEdit* NewBox(QWidget* container, const char* name, Box box);
  QLineEdit* BoxOf(Box box) const { return boxes_[static_cast<std::size_t>(box)]; }
  void OnEdited(Box box);
  void OnRowPicked(int row);
  // Shows the model: the mode, the boxes, the message, the table and the
  // picture, in the language shown.
  void ShowModel();
  void ShowPicture();

  DividerModel model_;
  Language language_ = Language::Persian;
  QRadioButton* dividerMode_ = nullptr;
  QRadioButton* regulatorMode_ = nullptr;
  QLabel* seriesCaption_ = nullptr;
  QComboBox* seriesList_ = nullptr;
  QGroupBox* inputFrame_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  QComboBox* targetKind_ = nullptr;
  // The captions beside the boxes, named for the box they caption; the
  // target's caption is the TargetKind list.
  std::array<QLabel*, DividerModel::kBoxCount> captions_{};
  std::array<QLabel*, 3> rangeTo_{};  // total, R1, R2
  std::array<QLineEdit*, DividerModel::kBoxCount> boxes_{};
  QLabel* message_ = nullptr;
  DividerPicture* picture_ = nullptr;
  QGroupBox* resultFrame_ = nullptr;
  QTableWidget* table_ = nullptr;
};

}  // namespace kalvane
