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
#include "ui/look.h"
#include "ui/numeric_entry.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace kalvane {
namespace {

using Box = SmdCodeModel::Box;

// Where the controls stand, in twips inside their frame: a caption and its
// box side by side (mirrored between the layouts), then the results.
struct Place {
  int persianLeft;
  int englishLeft;
  int top;
  int width;
  int height;
};
constexpr QSize kClient(5400, 4080);
constexpr QRect kCodeFrameRect(120, 120, 5160, 1560);
constexpr QRect kValueFrameRect(120, 1800, 5160, 2160);
constexpr Place kCaptionPlace = {2610, 150, 390, 2400, 255};
constexpr Place kBoxPlace = {1080, 2640, 360, 1455, 285};
constexpr Place kReadingsPlace = {150, 150, 840, 4860, 540};
constexpr std::array<int, 3> kCodeRowTops = {780, 1080, 1380};
constexpr Place kMessagePlace = {150, 150, 1710, 4860, 300};
const QColor kErrorColour(192, 0, 0);

void PlaceFor(QWidget* widget, const Place& place, Language language) {
  widget->setGeometry(
      TwipRect(language == Language::Persian ? place.persianLeft : place.englishLeft, place.top,
               place.width, place.height));
}

Qt::Alignment SideOf(Language language) {
  return (language == Language::Persian ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute;
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
  setFixedSize(TwipSize(kClient.width(), kClient.height()));

  auto frame = [this](const char* name, const QRect& twips) {
    auto* box = new QGroupBox(this);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(TwipRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return box;
  };
  auto label = [](const char* name, QWidget* container) {
    auto* l = new QLabel(container);
    l->setObjectName(QLatin1String(name));
    return l;
  };
  codeFrame_ = frame("Frame1", kCodeFrameRect);
  codeCaption_ = label("LCodeCaption", codeFrame_);
  codeBox_ = NewBox(codeFrame_, "CodeEnter", Box::Code);
  readings_ = label("LReading", codeFrame_);
  readings_->setWordWrap(true);

  valueFrame_ = frame("Frame2", kValueFrameRect);
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
  EntryRules rules;
  rules.keyInsertion = [this, box](const QString& keyText, int selected) -> std::optional<QString> {
    const std::optional<std::string> typed =
        model_.KeyInsertion(box, Utf8(keyText), static_cast<std::size_t>(selected));
    return typed ? std::optional<QString>(Text(*typed)) : std::nullopt;
  };
  rules.pasteInsertion = [this, box](const QString& clipboard, int selected) {
    return Text(model_.PasteInsertion(box, Utf8(clipboard), static_cast<std::size_t>(selected)));
  };
  rules.controlKeys = ControlKeys::Keep;
  rules.language = [this] { return language_; };
  InstallEntryRules(edit, std::move(rules));
  connect(edit, &QLineEdit::textChanged, this, [this, box] { OnEdited(box); });
  return edit;
}

void SmdCodeWindow::Retranslate(Language language) {
  language_ = language;
  setLayoutDirection(language == Language::Persian ? Qt::RightToLeft : Qt::LeftToRight);
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
    PlaceFor(formCaptions_[i],
             {kCaptionPlace.persianLeft, kCaptionPlace.englishLeft, kCodeRowTops[i],
              kCaptionPlace.width, kCaptionPlace.height},
             language);
    codes_[i]->setAlignment(SideOf(language) | Qt::AlignVCenter);
    PlaceFor(codes_[i],
             {kBoxPlace.persianLeft, kBoxPlace.englishLeft, kCodeRowTops[i], kBoxPlace.width,
              kCaptionPlace.height},
             language);
  }
  for (QLabel* caption : {codeCaption_, valueCaption_}) {
    caption->setAlignment(SideOf(language) | Qt::AlignVCenter);
    PlaceFor(caption, kCaptionPlace, language);
  }
  for (QLineEdit* box : {codeBox_, valueBox_})
    PlaceFor(box, kBoxPlace, language);
  for (QLabel* text : {readings_, valueMessage_})
    text->setAlignment(SideOf(language) | Qt::AlignTop);
  PlaceFor(readings_, kReadingsPlace, language);
  PlaceFor(valueMessage_, kMessagePlace, language);
  codeBox_->setAccessibleName(Text(SpokenCaption(kCodeCaption.In(language))));
  valueBox_->setAccessibleName(Text(SpokenCaption(kValueCaption.In(language))));
  ShowModel();
}

void SmdCodeWindow::OnEdited(Box box) {
  QLineEdit* edit = box == Box::Code ? codeBox_ : valueBox_;
  const int caret = edit->cursorPosition();
  model_.Edit(box, Utf8(edit->text()));
  const QString kept = Text(model_.Text(box));
  if (edit->text() != kept) {
    const QSignalBlocker showing(edit);
    edit->setText(kept);
    edit->setCursorPosition(std::min(caret, static_cast<int>(kept.size())));
  }
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
