#include "ui/numeric_entry.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QVariant>
#include <algorithm>
#include <optional>

namespace kalvane {
namespace {

constexpr char kLimitProperty[] = "kalvaneMaxLength";

bool Contains(std::string_view set, QChar c) {
  return c.unicode() < 128 && set.find(static_cast<char>(c.unicode())) != std::string_view::npos;
}

bool IsFocusKey(const QKeyEvent& event) {
  return RoleOf(event) == KeyRole::Focus;
}

// The limit typing stops at: the one SetMaxLengthByPoint gave, else the
// box's own maximum length when one is set; -1 for none.
int TypingLimit(const QLineEdit* box) {
  if (const int limit = MaxLength(box); limit >= 0)
    return limit;
  constexpr int kQtDefaultMaxLength = 32767;
  return box->maxLength() < kQtDefaultMaxLength ? box->maxLength() : -1;
}

// Inserts clipboard text as far as the box's limit lets it grow, as a
// classic edit control does with a paste. With `allowed` the text first
// keeps only those characters, Persian digits read as ASCII ones.
void PasteWithinLimit(QLineEdit* box, QClipboard::Mode mode,
                      std::optional<std::string_view> allowed = std::nullopt) {
  if (box->isReadOnly())
    return;
  QString text = QApplication::clipboard()->text(mode);
  text.remove(QLatin1Char('\r')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  if (allowed)
    text = KeepOnly(ToAsciiNumberText(text), *allowed);
  const int limit = TypingLimit(box);
  if (limit >= 0) {
    const qsizetype room = limit - (box->text().size() - box->selectedText().size());
    text.truncate(std::max<qsizetype>(room, 0));
  }
  if (!text.isEmpty())
    box->insert(text);
}

// The key and paste rules of one box. Qt's own maximum length would also
// cut texts the program writes, so the limit is enforced here instead, for
// typed characters and for every way of pasting.
class CharacterFilter : public QObject {
 public:
  CharacterFilter(QLineEdit* box, EntryRules rules)
      : QObject(box),
        box_(box),
        allowed_(rules.allowed),
        refreshLimit_(std::move(rules.refreshLimit)),
        language_(std::move(rules.language)),
        keepControlKeys_(rules.controlKeys == ControlKeys::Keep) {
    // A drop would insert its text past every rule.
    box->setAcceptDrops(false);
    RefreshLimit();
    // A number box has nothing to compose: keys reach it as plain key
    // events, which the rules below see.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != box_)
      return false;
    if (event->type() == QEvent::InputMethod)
      return InputMethod(static_cast<QInputMethodEvent*>(event));
    switch (event->type()) {
      case QEvent::KeyPress:
        return keepControlKeys_ ? PrintableKey(static_cast<QKeyEvent*>(event))
                                : KeyPress(static_cast<QKeyEvent*>(event));
      case QEvent::ContextMenu:
        ShowEditMenu(box_, static_cast<QContextMenuEvent*>(event)->globalPos(),
                     language_ ? language_() : Language::Persian,
                     [this] { Paste(QClipboard::Clipboard); });
        return true;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton)
          return false;
        if (QApplication::clipboard()->supportsSelection())
          Paste(QClipboard::Selection);
        return true;
      default:
        return false;
    }
  }

 private:
  // A paste by any route. The boxes with the clean-up remove what they do
  // not take right after it; the typed-resistance box takes only what a key
  // could type.
  void Paste(QClipboard::Mode mode) {
    RefreshLimit();
    if (keepControlKeys_) {
      PasteWithinLimit(box_, mode, allowed_);
    } else {
      PasteWithinLimit(box_, mode);
    }
  }

  bool KeyPress(QKeyEvent* key) {
    const KeyRole role = RoleOf(*key);
    if (role == KeyRole::Focus)
      return false;
    RefreshLimit();
    if (role == KeyRole::ControlCharacter)
      return true;
    if (key->matches(QKeySequence::Paste)) {  // Shift+Insert: no character, a paste
      Paste(QClipboard::Clipboard);
      return true;
    }
    if (role == KeyRole::Editing)
      return false;  // Delete, arrows, Home, End...
    return HandleTypedText(key->text());
  }

  // Applies the rules of typed text. True when they dealt with `text`: it
  // was refused whole (a character outside the set, or past the limit), or
  // inserted here with its Persian or Arabic-Indic digits as ASCII. False
  // when the box may insert it as it stands.
  bool HandleTypedText(const QString& text) {
    const QString ascii = KeepOnly(ToAsciiNumberText(text), allowed_);
    if (ascii.size() != text.size() || !FitsLimit(ascii.size()))
      return true;
    if (ascii == text)
      return false;
    box_->insert(ascii);
    return true;
  }

  // Text committed by an input method (should one still be attached) obeys
  // the rules of typed text; text being composed is not shown.
  bool InputMethod(QInputMethodEvent* event) {
    const QString text = event->commitString();
    if (text.isEmpty())
      return !event->preeditString().isEmpty();
    RefreshLimit();
    if (!HandleTypedText(text))
      box_->insert(text);
    return true;
  }

  // Only printable characters are filtered: outside the set they are
  // dropped, Persian digits typed as ASCII ones. Pastes keep the same rule.
  bool PrintableKey(QKeyEvent* key) {
    if (key->matches(QKeySequence::Paste)) {  // Ctrl+V and Shift+Insert
      Paste(QClipboard::Clipboard);
      return true;
    }
    if (RoleOf(*key) != KeyRole::Character)
      return false;
    return HandleTypedText(key->text());
  }

  void RefreshLimit() {
    if (refreshLimit_)
      refreshLimit_();
  }

  bool FitsLimit(qsizetype typed) const {
    const int limit = TypingLimit(box_);
    if (limit < 0)
      return true;
    const qsizetype length = box_->text().size() - box_->selectedText().size() + typed;
    return length <= limit;
  }

  QLineEdit* box_;
  std::string_view allowed_;
  std::function<void()> refreshLimit_;
  std::function<Language()> language_;
  bool keepControlKeys_;
};

class KeyDiscarder : public QObject {
 public:
  explicit KeyDiscarder(QWidget* widget) : QObject(widget) {}
  bool eventFilter(QObject*, QEvent* event) override {
    return event->type() == QEvent::KeyPress && !IsFocusKey(*static_cast<QKeyEvent*>(event));
  }
};

}  // namespace

KeyRole RoleOf(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return KeyRole::Focus;
    case Qt::Key_Delete:  // with or without Ctrl or Shift: it types nothing
      return KeyRole::Editing;
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      return KeyRole::ControlCharacter;
    default:
      break;
  }
  const QString text = key.text();
  if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
    const bool letter = key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z;
    return letter || !text.isEmpty() ? KeyRole::ControlCharacter : KeyRole::Editing;
  }
  if (text.isEmpty())
    return KeyRole::Editing;
  const bool control = std::any_of(text.begin(), text.end(),
                                   [](QChar c) { return c.category() == QChar::Other_Control; });
  return control ? KeyRole::ControlCharacter : KeyRole::Character;
}

void ShowEditMenu(QLineEdit* box, const QPoint& globalPos, Language language,
                  const std::function<void()>& paste) {
  QMenu menu(box);
  menu.setObjectName(QStringLiteral("EditMenu"));
  menu.setLayoutDirection(language == Language::Persian ? Qt::RightToLeft : Qt::LeftToRight);
  const bool editable = !box->isReadOnly();
  const bool selected = box->hasSelectedText();
  const bool allSelected = selected && box->selectedText().size() == box->text().size();
  struct Item {
    bool enabled;
    std::function<void()> act;
  };
  const Item items[] = {
      {editable && box->isUndoAvailable(), [box] { box->undo(); }},
      {editable && box->isRedoAvailable(), [box] { box->redo(); }},
      {editable && selected, [box] { box->cut(); }},
      {selected, [box] { box->copy(); }},
      {editable && !QApplication::clipboard()->text().isEmpty(), paste},
      {editable && selected, [box] { box->del(); }},
      {!box->text().isEmpty() && !allSelected, [box] { box->selectAll(); }},
  };
  static_assert(std::size(items) == kEditMenuCaptions.size());
  for (std::size_t i = 0; i < std::size(items); ++i) {
    if (i == 2 || i == 6)
      menu.addSeparator();
    const Caption& caption = kEditMenuCaptions[i];
    QAction* action = menu.addAction(
        QString::fromUtf8(caption.In(language).data(), qsizetype(caption.In(language).size())));
    action->setObjectName(QString::fromUtf8(caption.name.data(), qsizetype(caption.name.size())));
    action->setEnabled(items[i].enabled);
    QObject::connect(action, &QAction::triggered, box, items[i].act);
  }
  menu.exec(globalPos);
}

QChar ToAsciiNumberChar(QChar c) {
  const char16_t u = c.unicode();
  if (u >= 0x06F0 && u <= 0x06F9)
    return QChar(u'0' + (u - 0x06F0));
  if (u >= 0x0660 && u <= 0x0669)
    return QChar(u'0' + (u - 0x0660));
  if (u == 0x066B)
    return QChar(u'.');
  return c;
}

QString ToAsciiNumberText(const QString& text) {
  QString ascii = text;
  for (QChar& c : ascii)
    c = ToAsciiNumberChar(c);
  return ascii;
}

QString KeepOnly(const QString& text, std::string_view allowed) {
  QString kept;
  kept.reserve(text.size());
  for (QChar c : text) {
    if (Contains(allowed, c))
      kept += c;
  }
  return kept;
}

void SetMaxLengthByPoint(int start, qint16 lengthWithPoint, qint16 lengthWithoutPoint,
                         QLineEdit* box) {
  const bool hasPoint = box->text().indexOf(QLatin1Char('.'), std::max(start, 1) - 1) >= 0;
  const int limit = hasPoint ? lengthWithPoint : lengthWithoutPoint;
  box->setProperty(kLimitProperty, limit);
}

int MaxLength(const QLineEdit* box) {
  const QVariant limit = box->property(kLimitProperty);
  return limit.isValid() ? limit.toInt() : -1;
}

void InstallCharacterFilter(QLineEdit* box, EntryRules rules) {
  box->installEventFilter(new CharacterFilter(box, std::move(rules)));
}

void DiscardAllKeys(QWidget* widget) {
  widget->installEventFilter(new KeyDiscarder(widget));
}

void CleanUpAfterChange(QLineEdit* box, std::string_view allowed, qint16 lengthWithPoint,
                        qint16 lengthWithoutPoint) {
  SetMaxLengthByPoint(1, lengthWithPoint, lengthWithoutPoint, box);
  const QString text = box->text();
  const int caret = box->cursorPosition();
  const QString cleaned = KeepOnly(ToAsciiNumberText(text), allowed);
  if (cleaned == text)
    return;
  box->setText(cleaned);
  box->setCursorPosition(std::min(caret, static_cast<int>(cleaned.size())));
}

void NormaliseDigits(QLineEdit* box) {
  const QString text = box->text();
  const QString ascii = ToAsciiNumberText(text);
  if (ascii == text)
    return;
  const int caret = box->cursorPosition();
  box->setText(ascii);
  box->setCursorPosition(caret);
}

}  // namespace kalvane
