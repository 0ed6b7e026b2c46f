// How a number box takes keys and pastes: which keys type, which edit and
// which are refused, every route a paste can take, and the box's own edit
// menu. What a key or a paste may insert is decided by the box's owner
// through EntryRules (the core's rules); this unit only applies it to the
// line edit. It does not read numbers.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string_view>

#include "core/language_words.h"

class QKeyEvent;
class QLineEdit;
class QPoint;
class QWidget;

namespace kalvane {

// What a key press is to a box, judged by the key and never by the text the
// platform attaches to it (xcb gives Delete the text U+007F, Backspace "\b",
// Return "\r", Escape "\x1b"; Qt Test sends Delete with no text at all).
enum class KeyRole {
  Focus,             // Tab and Backtab: the dialog's navigation
  Editing,           // types nothing: Delete, arrows, Home, End, Ctrl+arrows...
  ControlCharacter,  // types a control character: Backspace, Return, Escape, Ctrl+letter
  Character,         // types printable text
};
KeyRole RoleOf(const QKeyEvent& key);

// With ControlKeys::Drop (the main window's boxes) keys that type a control
// character do nothing, Backspace and the clipboard shortcuts included; with
// Keep (the typed-resistance box) they keep their effect.
enum class ControlKeys { Drop, Keep };

struct EntryRules {
  // What a key's text inserts in place of `selected` characters (code
  // points, as the core counts), or none when the key is refused.
  std::function<std::optional<QString>(const QString& keyText, int selected)> keyInsertion;
  // What a paste of `clipboard` inserts in place of `selected` characters.
  std::function<QString(const QString& clipboard, int selected)> pasteInsertion;
  ControlKeys controlKeys = ControlKeys::Drop;
  // The interface language, for the edit menu.
  std::function<Language()> language;
};

// Applies `rules` to every key, input-method text and paste that reaches
// `box`: Shift+Insert, Ctrl+V where control keys are kept, the edit menu the
// right button opens and the middle button's selection. Dropping text on
// the box is refused. What the box holds afterwards reaches its owner as
// QLineEdit::textChanged.
void InstallEntryRules(QLineEdit* box, EntryRules rules);

// Discards every key press that reaches `widget` (the result boxes).
void DiscardAllKeys(QWidget* widget);

// The edit menu of a number box at `globalPos`, as a classic edit control
// offers it: Undo, Redo, Cut, Copy, Paste, Delete, Select All, enabled as
// each can act. `paste` runs for Paste. Returns when the menu closes. In
// Persian the menu flows left from `globalPos`, wherever the mouse is.
void ShowEditMenu(QLineEdit* box, const QPoint& globalPos, Language language,
                  const std::function<void()>& paste);

}  // namespace kalvane
