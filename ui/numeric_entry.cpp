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
#include <memory>

namespace kalvane {
namespace {

constexpr char kLimitProperty[] = "kalvaneMaxLength";

bool Contains(std::string_view set, QChar c) {
  return c.unicode() < 128 && set.find(static_cast<char>(c.unicode())) != std::string_view::npos;
}

// Tab and Backtab move the focus between controls before any box sees them,
// as a dialog's navigation does; no filter may swallow them.
bool IsFocusKey(const QKeyEvent& event) {
  return event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab;
}

// A key whose text is a control character, or one typed with Ctrl or Meta
// held (the clipboard and editing shortcuts), counts as a control character.
bool IsControlKey(const QKeyEvent& event, const QString& text) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
    return !text.isEmpty() || (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z);
  }
  return std::any_of(text.begin(), text.end(),
                     [](QChar c) { return c.category() == QChar::Other_Control; });
}

// Inserts clipboard text as far as the box's limit lets it grow, as a
// classic edit control does with a paste.
void PasteWithinLimit(QLineEdit* box, QClipboard::Mode mode) {
  QString text = QApplication::clipboard()->text(mode);
  text.remove(QLatin1Char('\r')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  const int limit = MaxLength(box);
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
  CharacterFilter(QLineEdit* box, std::string_view allowed, std::function<void()> beforeKey,
                  ControlKeys controlKeys)
      : QObject(box),
        box_(box),
        allowed_(allowed),
        beforeKey_(std::move(beforeKey)),
        keepControlKeys_(controlKeys == ControlKeys::Keep) {
    if (!keepControlKeys_)
      box->setAcceptDrops(false);
    // A number box has nothing to compose: keys reach it as plain key
    // events, which the rules below see.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != box_)
      return false;
    if (event->type() == QEvent::InputMethod)
      return InputMethod(static_cast<QInputMethodEvent*>(event));
    if (keepControlKeys_) {
      return event->type() == QEvent::KeyPress && PrintableKey(static_cast<QKeyEvent*>(event));
    }
    switch (event->type()) {
      case QEvent::KeyPress:
        return KeyPress(static_cast<QKeyEvent*>(event));
      case QEvent::ContextMenu:
        ShowContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton)
          return false;
        if (QApplication::clipboard()->supportsSelection() && !box_->isReadOnly()) {
          PasteWithinLimit(box_, QClipboard::Selection);
        }
        return true;
      default:
        return false;
    }
  }

 private:
  bool KeyPress(QKeyEvent* key) {
    if (IsFocusKey(*key))
      return false;
    if (beforeKey_)
      beforeKey_();
    const QString text = key->text();
    if (IsControlKey(*key, text))
      return true;
    if (key->matches(QKeySequence::Paste)) {  // Shift+Insert: no character, a paste
      PasteWithinLimit(box_, QClipboard::Clipboard);
      return true;
    }
    if (text.isEmpty())
      return false;  // Delete, arrows, Home, End...

    return HandleTypedText(text);
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
    if (beforeKey_ && !keepControlKeys_)
      beforeKey_();
    if (!HandleTypedText(text))
      box_->insert(text);
    return true;
  }

  // Only printable characters are filtered: outside the set they are
  // dropped, Persian digits typed as ASCII ones.
  bool PrintableKey(QKeyEvent* key) {
    if (IsFocusKey(*key))
      return false;
    const QString text = key->text();
    if (text.isEmpty() || IsControlKey(*key, text))
      return false;
    return HandleTypedText(text);
  }

  // The standard menu, with its paste kept within the limit.
  void ShowContextMenu(const QPoint& at) {
    std::unique_ptr<QMenu> menu(box_->createStandardContextMenu());
    if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
      paste->disconnect();
      connect(paste, &QAction::triggered, box_,
              [box = box_] { PasteWithinLimit(box, QClipboard::Clipboard); });
    }
    menu->exec(at);
  }

  bool FitsLimit(qsizetype typed) const {
    const int limit = MaxLength(box_);
    if (limit < 0)
      return true;
    const qsizetype length = box_->text().size() - box_->selectedText().size() + typed;
    return length <= limit;
  }

  QLineEdit* box_;
  std::string_view allowed_;
  std::function<void()> beforeKey_;
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

void InstallCharacterFilter(QLineEdit* box, std::string_view allowed,
                            std::function<void()> beforeKey, ControlKeys controlKeys) {
  box->installEventFilter(new CharacterFilter(box, allowed, std::move(beforeKey), controlKeys));
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
