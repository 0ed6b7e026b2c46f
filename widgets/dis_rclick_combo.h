// DisRClickCombo: keeps a drop-down list's edit part from opening a context
// menu, whether the right button or the Menu key asks for it. Clicks, the list
// itself and every other event are left alone. The windows that own the lists
// hook them at load and unhook them at close.
#pragma once

#include <QString>

class QComboBox;
class QEvent;
class QObject;
class QWidget;

namespace kalvane {

// The Qt class name of `window` ("QLineEdit", "QComboBox", ...); empty for a
// null widget.
QString WindowClassName(const QWidget* window);

// The edit part of `combo`: the widget that receives the context-menu
// requests of its edit area. That is the first child, in the order of its
// children, that is a line edit (a QLineEdit or a subclass of it), as an
// editable list has; a select-only list has none, and there the combo box
// itself receives the requests. Null only for a null `combo`.
QWidget* FindEditChild(QComboBox* combo);

// The hook's procedure: true (discard) for a context-menu request, false for
// every other event.
bool NoContextMenuProc(QObject* window, QEvent* message);

// Hooks an edit part found by FindEditChild. Hooking a hooked widget again, or a
// null one, changes nothing; a hooked widget that is destroyed is forgotten
// by itself, so the edit parts of a closed window need no unhooking to be safe.
void HookNoContextMenu(QWidget* editPart);
// Unhooks a hooked edit part; any other widget is left as it is, and is not
// touched, so a pointer to an edit part destroyed since is harmless here.
void UnhookNoContextMenu(QWidget* editPart);
bool IsNoContextMenuHooked(const QWidget* editPart);

}  // namespace kalvane
