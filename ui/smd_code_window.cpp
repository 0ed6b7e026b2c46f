#include "ui/smd_code_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "core/colour_bands.h"
#include "core/entry_rules.h"
#include "i18n/accessible_texts.h"
#include "i18n/caption_tables.h"
#include "i18n/smd_messages.h"
#include "i18n/smd_window_layout.h"
#include "ui/look.h"
#include "ui/numeric_entry.h"
#include "ui/qt_text.h"
#include "ui/twips.h"
#include "ui/view_support.h"

namespace kalvane {
namespace {

using Box = SmdCodeModel::Box;

const QColor kErrorColour(192, 0, 0);

// `place` moved down to `top`, as the rows of the codes stand.
constexpr ControlPlace AtTop(ControlPlace place, int top) {
  place.top = top;
  return place;
}

QString FormName(SmdCodeForm form, Language language) {
  switch (form) {
    case SmdCodeForm::ZeroOhmLink:
      return Text(kJumperForm.In(language));
    case SmdCodeForm::ThreeDigit:
      return Text(kThreeDigitForm.In(language));
    case SmdCodeForm::FourDigit:
      return Text(kFourDigitForm.In(language));
    case SmdCodeForm::Eia96:
      break;
  }
  return Text(kEia96Form.In(language));
}

// A value in Ohm as the colour windows show it: "4.7 K Ohm", "4.7 کيلو اهم".
QString Scaled(const std::string& ohmsText, Language language) {
  const FormattedResistance shown = FormatResistance(ohmsText);
  return Text(language == Language::Persian ? shown.persianCaption : shown.englishCaption);
}

// A result in the frame's text colour, or a message about bad input in red.
void ShowAs(QLabel* label, const QString& text, bool error) {
  QPalette palette = label->palette();
  palette.setColor(
      QPalette::WindowText,
      error ? kErrorColour : label->parentWidget()->palette().color(QPalette::WindowText));
  label->setPalette(palette);
  label->setText(text);
}

}  // namespace

SmdCodeWindow::SmdCodeWindow(Language language, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("SmdCode"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(true);
  setFont(WindowFont());
  setFixedSize(TwipSize(kSmdClientWidth, kSmdClientHeight));

  auto label = [](const char* name, QWidget* container) { return NewLabel(container, name); };
  codeFrame_ = NewFrame(this, kCodeFramePlace.name, kCodeFramePlace);
  codeCaption_ = label("LCodeCaption", codeFrame_);
  codeBox_ = NewBox(codeFrame_, "CodeEnter", Box::Code);
  readings_ = label("LReading", codeFrame_);
  readings_->setWordWrap(true);

  valueFrame_ = NewFrame(this, kValueFramePlace.name, kValueFramePlace);
  valueCaption_ = label("LValueCaption", valueFrame_);
  valueBox_ = NewBox(valueFrame_, "ValueEnter", Box::Value);
  const std::array<const char*, 3> captionNames = {"LThreeCaption", "LFourCaption", "LEiaCaption"};
  const std::array<const char*, 3> codeNames = {"LThreeCode", "LFourCode", "LEiaCode"};
  for (std::size_t i = 0; i < codes_.size(); ++i) {
    formCaptions_[i] = label(captionNames[i], valueFrame_);
    codes_[i] = label(codeNames[i], valueFrame_);
    codes_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  valueMessage_ = label("LValueMessage", valueFrame_);
  valueMessage_->setWordWrap(true);
  setTabOrder(codeBox_, valueBox_);
  Retranslate(language);
}

QLineEdit* SmdCodeWindow::NewBox(QGroupBox* frame, const char* name, Box box) {
  auto* edit = new QLineEdit(Text(model_.Text(box)), frame);
  edit->setObjectName(QLatin1String(name));
  edit->setMaxLength(static_cast<int>(model_.LengthLimit(box)));
  edit->setLayoutDirection(Qt::LeftToRight);  // codes and numbers read left to right
  InstallEntryRules(edit, ModelEntryRules(
                              model_, ControlKeys::Keep, [this] { return language_; }, box));
  connect(edit, &QLineEdit::textChanged, this, [this, box] { OnEdited(box); });
  return edit;
}

void SmdCodeWindow::Retranslate(Language language) {
  language_ = language;
  setLayoutDirection(DirectionOf(language));
  setWindowTitle(Text(kSmdTitle.In(language)));
  codeFrame_->setTitle(Text(kCodeFrame.In(language)));
  valueFrame_->setTitle(Text(kValueFrame.In(language)));
  for (QGroupBox* frame : {codeFrame_, valueFrame_})
    frame->setLayoutDirection(layoutDirection());
  codeCaption_->setText(Text(kCodeCaption.In(language)));
  valueCaption_->setText(Text(kValueCaption.In(language)));
  const std::array<const Caption*, 3> forms = {&kThreeDigitForm, &kFourDigitForm, &kEia96Form};
  for (std::size_t i = 0; i < forms.size(); ++i) {
    // A right-to-left mark keeps "EIA-96 :" reading right to left in Persian.
    const QString mark = language == Language::Persian ? QString(QChar(0x200F)) : QString();
    formCaptions_[i]->setText(mark + Text(forms[i]->In(language)) + QStringLiteral(" :"));
    formCaptions_[i]->setAlignment(SideOf(language) | Qt::AlignVCenter);
    formCaptions_[i]->setGeometry(Px(AtTop(kSmdCaptionPlace, kCodeRowTops[i]), language));
    codes_[i]->setAlignment(SideOf(language) | Qt::AlignVCenter);
    ControlPlace code = AtTop(kSmdBoxPlace, kCodeRowTops[i]);
    code.height = kSmdCaptionPlace.height;
    codes_[i]->setGeometry(Px(code, language));
  }
  for (QLabel* caption : {codeCaption_, valueCaption_}) {
    caption->setAlignment(SideOf(language) | Qt::AlignVCenter);
    caption->setGeometry(Px(kSmdCaptionPlace, language));
  }
  for (QLineEdit* box : {codeBox_, valueBox_})
    box->setGeometry(Px(kSmdBoxPlace, language));
  for (QLabel* text : {readings_, valueMessage_})
    text->setAlignment(SideOf(language) | Qt::AlignTop);
  readings_->setGeometry(Px(kReadingsPlace));
  valueMessage_->setGeometry(Px(kValueMessagePlace));
  codeBox_->setAccessibleName(Text(SpokenCaption(kCodeCaption.In(language))));
  valueBox_->setAccessibleName(Text(SpokenCaption(kValueCaption.In(language))));
  ShowModel();
}

void SmdCodeWindow::OnEdited(Box box) {
  QLineEdit* edit = box == Box::Code ? codeBox_ : valueBox_;
  const int caret = edit->cursorPosition();
  model_.Edit(box, Utf8(edit->text()));
  ShowKeptText(edit, model_.Text(box), caret);
  ShowModel();
}

void SmdCodeWindow::ShowModel() {
  const Language language = language_;
  if (const auto* readings = std::get_if<std::vector<SmdReading>>(&model_.Readings())) {
    QStringList lines;
    for (const SmdReading& reading : *readings) {
      lines << Scaled(reading.text, language) + QStringLiteral(" (") +
                   FormName(reading.form, language) + QStringLiteral(")");
    }
    ShowAs(readings_, lines.join(QLatin1Char('\n')), false);
  } else {
    const SmdCodeError error = std::get<SmdCodeError>(model_.Readings());
    ShowAs(readings_, Text(SmdCodeMessage(error, language)), error != SmdCodeError::Empty);
  }

  if (const auto* codes = std::get_if<SmdCodes>(&model_.Codes())) {
    const std::array<const std::optional<std::string>*, 3> forms = {
        &codes->threeDigit, &codes->fourDigit, &codes->eia96};
    for (std::size_t i = 0; i < forms.size(); ++i) {
      ShowAs(codes_[i], *forms[i] ? Text(**forms[i]) : Text(kNoCode.In(language)), false);
    }
    ShowAs(valueMessage_, Text(kReadAsPrefix.In(language)) + Scaled(codes->text, language), false);
  } else {
    const ResistanceTextError error = std::get<ResistanceTextError>(model_.Codes());
    for (QLabel* code : codes_)
      code->clear();
    ShowAs(valueMessage_, Text(ResistanceTextMessage(error, language)),
           error != ResistanceTextError::Empty);
  }
}

}  // namespace kalvane
