// The rules of the main window's number boxes: which typed characters a box
// takes, how long its text may grow, the clean-up after a change, and boxes
// that take no key at all. It does not read the numbers; the calculation
// reports a text that is not a number.
#pragma once

#include <QString>
#include <functional>
#include <string_view>

class QLineEdit;
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

// Filters the characters typed into `box`: one outside `allowed` is dropped
// silently (Backspace and control characters such as the clipboard shortcuts
// included), as is one that would grow the text beyond the box's limit.
// Keys without a character (Delete, arrows, Home, End) keep their effect.
// Persian and Arabic-Indic digits and the Arabic separator are typed as their
// ASCII characters. `beforeKey`, when given, runs at every key press before
// the key acts (the boxes whose limit follows the mode recompute it there).
// With ControlKeys::Keep, Backspace and the editing shortcuts keep their
// effect and only printable characters are filtered (the typed-resistance
// box of the colour windows).
enum class ControlKeys { Drop, Keep };
void InstallCharacterFilter(QLineEdit* box, std::string_view allowed,
                            std::function<void()> beforeKey = {},
                            ControlKeys controlKeys = ControlKeys::Drop);

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
