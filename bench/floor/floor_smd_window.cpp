// The floor of the SMD code window, the window Tools -> SMD Resistor Code
// opens, built the plain Qt way in one go with no logic behind it. It builds
// what the program's window holds when it has been opened (the census in
// bench/run.sh compares them): a modal QDialog of 360 x 272, right to left,
// with its Persian title, and two QGroupBoxes. "Code to value" holds the
// caption QLabel, the left-to-right QLineEdit with the start code "472" and
// the word-wrapped QLabel with its reading; "Value to codes" holds the
// caption QLabel, the QLineEdit with the start value "4.7k", three form
// caption QLabels beside three selectable code QLabels, and the word-wrapped
// message QLabel. The texts are the start state's, written out.
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "bench/floor/floor_support.h"

namespace kalvane::floor {
namespace {

constexpr Qt::Alignment kPersianSide = Qt::AlignRight | Qt::AlignAbsolute;

QLabel* Label(QWidget* parent, const char* name, QRect geometry, const QString& text,
              Qt::Alignment vertical = Qt::AlignVCenter) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(geometry);
  label->setAlignment(kPersianSide | vertical);
  return label;
}

QLineEdit* Box(QWidget* parent, const char* name, const QString& text) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(QLatin1String(name));
  box->setLayoutDirection(Qt::LeftToRight);
  box->setGeometry(72, 24, 97, 19);
  return box;
}

}  // namespace

void ExecSmdFloor(QWidget* parent) {
  QDialog window(parent);
  window.setObjectName(QStringLiteral("SmdCode"));
  window.setModal(true);
  window.setFont(PlainFont());
  window.setLayoutDirection(Qt::RightToLeft);
  window.setWindowTitle(QStringLiteral("محاسبه کد مقاومت هاي SMD"));
  window.setFixedSize(360, 272);

  auto* code = new QGroupBox(QStringLiteral(" کد به مقدار "), &window);
  code->setObjectName(QStringLiteral("Frame1"));
  code->setGeometry(8, 8, 344, 104);
  Label(code, "LCodeCaption", {174, 26, 160, 17}, QStringLiteral("کد روي مقاومت :"));
  Box(code, "CodeEnter", QStringLiteral("472"));
  Label(code, "LReading", {10, 56, 324, 36}, QStringLiteral("4.7 کيلو اهم (سه رقمي)"), Qt::AlignTop)
      ->setWordWrap(true);

  auto* value = new QGroupBox(QStringLiteral(" مقدار به کد "), &window);
  value->setObjectName(QStringLiteral("Frame2"));
  value->setGeometry(8, 120, 344, 144);
  Label(value, "LValueCaption", {174, 26, 160, 17}, QStringLiteral("مقدار مقاومت (اهم) :"));
  Box(value, "ValueEnter", QStringLiteral("4.7k"));
  const struct {
    const char *caption, *captionText, *code, *codeText;
    int top;
  } forms[] = {{"LThreeCaption", "\u200Fسه رقمي :", "LThreeCode", "472", 52},
               {"LFourCaption", "\u200Fچهار رقمي :", "LFourCode", "4701", 72},
               {"LEiaCaption", "\u200FEIA-96 :", "LEiaCode", "بدون کد", 92}};
  for (const auto& form : forms) {
    Label(value, form.caption, {174, form.top, 160, 17}, QString::fromUtf8(form.captionText));
    Label(value, form.code, {72, form.top, 97, 17}, QString::fromUtf8(form.codeText))
        ->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  Label(value, "LValueMessage", {10, 114, 324, 20}, QStringLiteral("برابر 4.7 کيلو اهم"),
        Qt::AlignTop)
      ->setWordWrap(true);
  window.exec();
}

}  // namespace kalvane::floor
