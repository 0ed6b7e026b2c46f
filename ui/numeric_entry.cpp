#include "ui/numeric_entry.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <iterator>

#include "i18n/caption_tables.h"
#include "ui/qt_text.h"

namespace kalvane {
namespace {

// The selection's length in characters (code points), as the rules count.
int SelectedLength(const QLineEdit* box) {
  return static_cast<int>(box->selectedText().toUcs4().size());
}

// The rules of one box, on the events that reach it.
class RulesFilter : public QObject {
 public:
  RulesFilter(QLineEdit* box, EntryRules rules)
      : QObject(box), box_(box), rules_(std::move(rules)) {
    // A drop would insert its text past every rule.
    box->setAcceptDrops(false);
    // A number box has nothing to compose: keys reach it as plain key
    // events, which the rules below see.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != box_)
      return false;
    switch (event->type()) {
      case QEvent::KeyPress:
        return KeyPress(static_cast<QKeyEvent*>(event));
      case QEvent::InputMethod:
        return InputMethod(static_cast<QInputMethodEvent*>(event));
      case QEvent::ContextMenu:
        ShowEditMenu(box_, static_cast<QContextMenuEvent*>(event)->globalPos(),
                     rules_.language ? rules_.language() : Language::Persian,
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
  bool KeyPress(QKeyEvent* key) {
    const KeyRole role = RoleOf(*key);
    if (role == KeyRole::Focus)
      return false;
    // Shift+Insert types nothing and pastes; Ctrl+V pastes where control
    // keys keep their effect and is refused elsewhere.
    if (key->matches(QKeySequence::Paste) &&
        (role == KeyRole::Editing || rules_.controlKeys == ControlKeys::Keep)) {
      Paste(QClipboard::Clipboard);
      return true;
    }
    switch (role) {
      case KeyRole::ControlCharacter:
        return rules_.controlKeys == ControlKeys::Drop;
      case KeyRole::Character:
        return Typed(key->text());
      default:
        return false;  // Delete, arrows, Home, End...
    }
  }

  // Text committed by an input method (should one still be attached) obeys
  // the rules of typed text; text being composed is not shown.
  bool InputMethod(QInputMethodEvent* event) {
    const QString text = event->commitString();
    if (text.isEmpty())
      return !event->preeditString().isEmpty();
    if (!Typed(text))
      box_->insert(text);
    return true;
  }

  // True when the rules dealt with `text`: refused, or inserted here in
  // another form (Persian digits as ASCII). False when the box may insert
  // it as it stands.
  bool Typed(const QString& text) {
    const std::optional<QString> insertion = rules_.keyInsertion(text, SelectedLength(box_));
    if (!insertion)
      return true;
    if (*insertion == text)
      return false;
    box_->insert(*insertion);
    return true;
  }

  void Paste(QClipboard::Mode mode) {
    if (box_->isReadOnly())
      return;
    const QString text =
        rules_.pasteInsertion(QApplication::clipboard()->text(mode), SelectedLength(box_));
    if (!text.isEmpty())
      box_->insert(text);
  }

  QLineEdit* box_;
  EntryRules rules_;
};

class KeyDiscarder : public QObject {
 public:
  explicit KeyDiscarder(QWidget* widget) : QObject(widget) {}
  bool eventFilter(QObject*, QEvent* event) override {
    return event->type() == QEvent::KeyPress &&
           RoleOf(*static_cast<QKeyEvent*>(event)) != KeyRole::Focus;
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

void InstallEntryRules(QLineEdit* box, EntryRules rules) {
  box->installEventFilter(new RulesFilter(box, std::move(rules)));
}

void DiscardAllKeys(QWidget* widget) {
  widget->installEventFilter(new KeyDiscarder(widget));
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
    QAction* action = menu.addAction(Text(caption.In(language)));
    action->setObjectName(Text(caption.name));
    action->setEnabled(items[i].enabled);
    QObject::connect(action, &QAction::triggered, box, items[i].act);
  }
  // Qt lets a right-to-left menu flow left from the mouse only; one opened
  // from the keyboard (at the box) would flow right, over the box's label.
  QPoint at = globalPos;
  if (menu.isRightToLeft() &&
      !QRect(globalPos - QPoint(3, 3), QSize(6, 6)).contains(QCursor::pos()))
    at.rx() -= menu.sizeHint().width();
  menu.exec(at);
}

}  // namespace kalvane
