// DisRClickCombo: keeps a drop-down list's edit part from opening a context
// menu, whether the right button or the Menu key asks for it. Clicks, the list
// itself and every other event are left alone. The windows that own the lists
// hook them at load and unhook them at close.
#pragma once

#include <QString>

class QComboBox;
class QEvent;
class QLineEdit;
class QObject;
class QWidget;

namespace kalvane {

// The Qt class name of `window` ("QLineEdit", "QComboBox", ...); empty for a
// null widget.
QString WindowClassName(const QWidget* window);

// The first child of `combo`, in the order of its children, that is a line
// edit (a QLineEdit or a subclass of it); null when there is none, as for a
// select-only list, or when `combo` is null.
QLineEdit* FindEditChild(QComboBox* combo);

// The widget that receives the context-menu requests of `combo`'s edit area:
// its line edit when it is editable, otherwise the combo box itself. Null
// only for a null `combo`.
QWidget* EditPart(QComboBox* combo);

// The hook's procedure: true (discard) for a context-menu request, false for
// every other event.
bool NoContextMenuProc(QObject* window, QEvent* message);

// Hooks the edit part found by EditPart. Hooking a hooked widget again, or a
// null one, changes nothing; a hooked widget that is destroyed is forgotten
// by itself, so the edit parts of a closed window need no unhooking to be safe.
void HookContextMenu(QWidget* editPart);
// Unhooks a hooked edit part; any other widget is left as it is.
void UnhookContextMenu(QWidget* editPart);
bool IsContextMenuHooked(const QWidget* editPart);

}  // namespace kalvane
