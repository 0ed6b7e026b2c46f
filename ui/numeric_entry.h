// The rules of the main window's number boxes: which typed characters a box
// takes, how long its text may grow, the clean-up after a change, and boxes
// that take no key at all. It does not read the numbers; the calculation
// reports a text that is not a number.
#pragma once

#include <QString>
#include <functional>
#include <string_view>

#include "i18n/caption_tables.h"

class QKeyEvent;
class QLineEdit;
class QPoint;
class QWidget;

namespace kalvane {

inline constexpr std::string_view kDecimalSet = "0123456789.";
inline constexpr std::string_view kIntegerSet = "0123456789";

// A Persian digit (U+06F0..U+06F9) or an Arabic-Indic digit (U+0660..U+0669)
// as its ASCII digit, and the Arabic decimal separator U+066B as "."; any
// other character unchanged. A Persian keyboard layout types these.
QChar ToAsciiNumberChar(QChar c);
QString ToAsciiNumberText(const QString& text);

// The characters of `text` that occur in `allowed`, in order.
QString KeepOnly(const QString& text, std::string_view allowed);

// Searches "." in the box's text from the 1-based position `start`; the box's
// length limit becomes `lengthWithPoint` when found, else `lengthWithoutPoint`.
// As with a classic edit control the limit never shortens a text that is
// already longer; it only stops further typing.
void SetMaxLengthByPoint(int start, qint16 lengthWithPoint, qint16 lengthWithoutPoint,
                         QLineEdit* box);
// The limit SetMaxLengthByPoint last gave the box; -1 while it has none.
int MaxLength(const QLineEdit* box);

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

// Filters the characters typed into `box`: one outside `allowed` is dropped
// silently (Backspace and control characters such as the clipboard shortcuts
// included), as is one that would grow the text beyond the box's limit.
// Keys without a character (Delete, arrows, Home, End) keep their effect.
// Persian and Arabic-Indic digits and the Arabic separator are typed as their
// ASCII characters. `refreshLimit`, when given, sets the box's limit for
// its text as it stands: it runs when the rules are installed, at every key
// press before the key acts (the boxes whose limit follows the mode
// recompute it there) and before every paste, so no route passes a limit.
// With ControlKeys::Keep, Backspace and the editing shortcuts keep their
// effect and only printable characters are filtered (the typed-resistance
// box of the colour windows); there a paste, by any route, keeps only the
// characters a key could type, as ASCII.
// Every paste route (Shift+Insert, Ctrl+V where it is not refused, the edit
// menu, the middle button) stops at the box's length limit; dropping text
// on the box is refused. The right button opens the program's own edit menu
// in the language `language` returns at that moment.
enum class ControlKeys { Drop, Keep };
struct EntryRules {
  std::string_view allowed;
  std::function<void()> refreshLimit;
  ControlKeys controlKeys = ControlKeys::Drop;
  std::function<Language()> language;
};
void InstallCharacterFilter(QLineEdit* box, EntryRules rules);

// The edit menu of a number box at `globalPos`, as a classic edit control
// offers it: Undo, Redo, Cut, Copy, Paste, Delete, Select All, enabled as
// each can act. `paste` runs for Paste. Returns when the menu closes.
void ShowEditMenu(QLineEdit* box, const QPoint& globalPos, Language language,
                  const std::function<void()>& paste);

// Discards every key press that reaches `widget` (the result boxes).
void DiscardAllKeys(QWidget* widget);

// The clean-up after a change of the supply or count box: recompute the
// limit, keep only the `allowed` characters (after turning Persian digits
// into ASCII ones) and put the caret back at its position, clamped to the
// new length. Writing the cleaned text back runs the change handling once
// more, which then finds nothing to remove.
void CleanUpAfterChange(QLineEdit* box, std::string_view allowed, qint16 lengthWithPoint,
                        qint16 lengthWithoutPoint);

// For the boxes without that clean-up: a pasted Persian digit becomes its
// ASCII digit, nothing is removed, the caret keeps its position.
void NormaliseDigits(QLineEdit* box);

}  // namespace kalvane
