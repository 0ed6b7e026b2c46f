// What the 4-band and the 5-band colour-code windows share: a row of band
// selectors in Persian and in English at the same places, the resistor
// drawing whose bands follow them, the typed-resistance box, and the value
// and tolerance captions. The window owns its small state and calls the
// core for every computation; the differences between the two kinds are
// data (the core's window layout and the geometry tables here).
#pragma once

#include <QDialog>
#include <array>

#include "core/colour_bands.h"
#include "core/colour_tables.h"
#include "core/typed_value.h"
#include "i18n/caption_tables.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace kalvane {

class ColourWindow : public QDialog, private TypedValueHost {
  Q_OBJECT

 public:
  WindowKind Kind() const { return kind_; }
  const ColourWindowState& State() const { return state_; }
  int BandCount() const;
  QComboBox* PersianSelector(int band) const { return bandF_[band]; }
  QComboBox* EnglishSelector(int band) const { return bandE_[band]; }

  // The interface language the window was last given. The selectors and
  // band pictures are named in it, now and at every band change.
  Language CurrentLanguage() const { return language_; }
  void SetCurrentLanguage(Language language);

 protected:
  // Builds the controls and runs the load steps in the language `progLang`.
  ColourWindow(WindowKind kind, const QString& progLang, QWidget* parent);
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;  // Escape closes without a close event

 private:
  void BuildControls();
  void Form_Load(const QString& progLang);
  void Form_Unload();

  // Selection handlers, run whenever a selector's position changes.
  void PersianBandChanged(int band);
  void PersianToleranceChanged();
  void EnglishBandChanged(int band);

  void ShowBandPicture(int band, int position);
  void PaintTwinFromPersian(int band);
  void NameSelectors(int band, int position);
  void SetTabOrder();
  void SetComboBoxHeight(qint16 itemCount, QComboBox* selector);
  BandPositions Positions() const;

  // TypedValueHost: the typed-resistance box and the Persian selectors.
  std::string EntryText() const override;
  void ReplaceEntryText(const std::string& text, bool caretToEnd) override;
  void SelectBand(int band, int position) override;

  const WindowKind kind_;
  const ColourWindowLayout& layout_;
  ColourWindowState state_;
  Language language_ = Language::Persian;
  std::array<QComboBox*, kMaxBandCount> bandF_{};
  std::array<QComboBox*, kMaxBandCount> bandE_{};
  std::array<QLabel*, kMaxBandCount> strips_{};  // Color1.., ColorToler on the drawing
  std::array<QWidget*, 2 * kMaxBandCount> hookedEditParts_{};
  QLabel* Image6 = nullptr;
  QGroupBox* Frame1 = nullptr;
  QGroupBox* Frame2 = nullptr;
  QGroupBox* Frame3 = nullptr;
  QLineEdit* ResisEnter = nullptr;
  QLabel* LResValE = nullptr;
  QLabel* LResValF = nullptr;
  QLabel* LToler = nullptr;
};

}  // namespace kalvane
