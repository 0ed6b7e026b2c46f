// The shelf: every secondary window of the program, in menu order, with the
// menu item that opens it, where that item hangs and how the window is
// built. The main window builds its menus, loads and opens the windows and
// lists them for a language switch from this one table; the screenshot
// tool, the stress walk and the benchmarks walk it too. It holds no window:
// the main window keeps the ones that are loaded.
#pragma once

#include <QDialog>
#include <span>
#include <string_view>

#include "core/language_words.h"
#include "core/standard_values.h"
#include "i18n/caption_tables.h"

class QWidget;

namespace kalvane {

class TranslatableWindow;

// The menu a window's item hangs in.
enum class ShelfMenu {
  Tools,       // Tools, after the colour-code submenu
  ColourCode,  // Tools -> Resistor Color Code
  Help,
};

// What a window is built with: the language of the moment, the standard
// series chosen in Tools -> Standard Series, and the main window as parent.
struct WindowRequest {
  Language language;
  StandardSeries series;
  QWidget* parent;
};

struct ShelfWindow {
  // The menu item's caption; `item->name` is its action's objectName.
  const Caption* item;
  ShelfMenu menu;
  // Builds the window: a QDialog that is also a TranslatableWindow, laid
  // out in the request's language, that the main window opens modally.
  QDialog* (*build)(const WindowRequest& request);
  // A language switch loads the window, hidden, while it was never opened;
  // otherwise the switch converts it only while it is loaded.
  bool loadedBySwitch = false;
  // The screenshot tool's file name for the window (the item's name when
  // empty), and what it does to the window first (nothing when null).
  std::string_view picture;
  void (*pose)(QDialog& window) = nullptr;
};

// The usual builders: `new W(language, parent)`, and `new W(language,
// series, parent)` for a window that offers standard values.
template <typename W>
QDialog* Build(const WindowRequest& request) {
  return new W(request.language, request.parent);
}
template <typename W>
QDialog* BuildWithSeries(const WindowRequest& request) {
  return new W(request.language, request.series, request.parent);
}

// Every secondary window, in the order of the menus.
std::span<const ShelfWindow> WindowShelf();

// The shelf's window whose menu item is named `itemName`, or null.
const ShelfWindow* FindOnShelf(std::string_view itemName);

// The window as the language routines reach it; every shelf window is one.
TranslatableWindow& Translatable(QDialog& window);

}  // namespace kalvane
