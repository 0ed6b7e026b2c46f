// DisRClick: keeps the right button from reaching a plain text box, so that
// no context menu opens there and nothing can be cut or pasted through one
// (the main window's result boxes). Every other mouse and key event reaches
// the box unchanged. It knows nothing of what the boxes show.
#pragma once

class QEvent;
class QObject;
class QWidget;

namespace kalvane {

// Starts discarding right-button presses and context-menu requests on
// `window`. Hooking a hooked widget again changes nothing; a null widget is
// ignored; a hooked widget that is destroyed is forgotten by itself.
void HookRightClick(QWidget* window);
// Gives `window` its right clicks back. A widget that is not hooked is left
// as it is, and is not touched.
void UnhookRightClick(QWidget* window);
bool IsRightClickHooked(const QWidget* window);

// The hook's procedure: true (discard) for a right-button press, also the
// second press of a right double click, and for every context-menu request,
// whether the right button or the Menu key asked for it. False (pass on) for
// every other event, the Menu key's own key events included.
bool NoRightClickProc(QObject* window, QEvent* message);

}  // namespace kalvane
