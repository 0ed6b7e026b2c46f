// The SMD resistor code window: a printed code read as the value or values
// it stands for, and a typed resistance turned into every code that marks
// it, both while the user types, with an inline message for what cannot be
// read. It is a view of the core's SmdCodeModel.
#pragma once

#include <QDialog>

#include "core/smd_code_model.h"
#include "i18n/language_switch.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace kalvane {

class SmdCodeWindow : public QDialog, public TranslatableWindow {
  Q_OBJECT

 public:
  // Builds the window in `language`; it deletes itself when closed.
  explicit SmdCodeWindow(Language language, QWidget* parent = nullptr);

  const SmdCodeModel& Model() const { return model_; }
  void Retranslate(Language language) override;

 private:
  QLineEdit* NewBox(QGroupBox* frame, const char* name, SmdCodeModel::Box box);
  void OnEdited(SmdCodeModel::Box box);
  // Shows the model: the boxes, the readings of the code, the codes of the
  // value and the messages, in the language shown.
  void ShowModel();

  SmdCodeModel model_;
  Language language_ = Language::Persian;
  QGroupBox* codeFrame_ = nullptr;
  QGroupBox* valueFrame_ = nullptr;
  QLabel* codeCaption_ = nullptr;
  QLineEdit* codeBox_ = nullptr;
  QLabel* readings_ = nullptr;
  QLabel* valueCaption_ = nullptr;
  QLineEdit* valueBox_ = nullptr;
  std::array<QLabel*, 3> formCaptions_{};  // 3-digit, 4-digit, EIA-96
  std::array<QLabel*, 3> codes_{};
  QLabel* valueMessage_ = nullptr;
};

}  // namespace kalvane
