// What the views share: a language's reading direction and side, writing a
// text only when it changed (a box's with its caret), the builders of frames
// and labels, the entry rules a model gives its boxes, places from the layout
// tables as pixels, and the core's colours as Qt's. No window of its own.
#pragma once

#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/colour.h"
#include "core/language_words.h"
#include "i18n/control_place.h"
#include "ui/look.h"
#include "ui/numeric_entry.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace kalvane {

// Right to left in Persian, left to right in English.
inline Qt::LayoutDirection DirectionOf(Language language) {
  return language == Language::Persian ? Qt::RightToLeft : Qt::LeftToRight;
}

// The side a caption or box keeps its text on: the right in Persian, the
// left in English, whatever the widget's direction.
inline Qt::Alignment SideOf(Language language) {
  return (language == Language::Persian ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute;
}

// Writes `text` unless the widget shows it already; a box does not hand it
// back as an edit.
template <typename W>
void ShowText(W* widget, const QString& text) {
  if (widget->text() == text)
    return;
  const QSignalBlocker showing(widget);
  widget->setText(text);
}
template <typename W>
void ShowText(W* widget, const std::string& text) {
  ShowText(widget, Text(text));
}

// Writes back into `box` the text its model kept of what was typed, as
// ShowText does; the caret stays where it was, or at the end of a shorter
// text.
inline void ShowKeptText(QLineEdit* box, const std::string& kept, int caret) {
  const QString text = Text(kept);
  if (box->text() == text)
    return;
  ShowText(box, text);
  box->setCursorPosition(std::min(caret, static_cast<int>(text.size())));
}

// A control's rectangle in pixels, from its place in twips in `language`.
inline QRect Px(const ControlPlace& place, Language language = Language::Persian) {
  return TwipRect(place.Left(language), place.top, place.width, place.height);
}

// A frame named `name` at `place`, in the frame font.
inline QGroupBox* NewFrame(QWidget* parent, std::string_view name, const ControlPlace& place) {
  auto* frame = new QGroupBox(parent);
  frame->setObjectName(Text(name));
  frame->setGeometry(Px(place));
  return frame;
}

// A label named `name`, in the window font (not the bold of a frame around it).
inline QLabel* NewLabel(QWidget* parent, std::string_view name) {
  auto* label = new QLabel(parent);
  label->setObjectName(Text(name));
  label->setFont(WindowFont());
  return label;
}

// The rules of a box whose model decides what a key or paste inserts:
// `model.KeyInsertion(box..., keyText, selected)` and `PasteInsertion`
// likewise, where `box` names the model's box when it has more than one.
template <typename Model, typename... Box>
EntryRules ModelEntryRules(const Model& model, ControlKeys controlKeys,
                           std::function<Language()> language, Box... box) {
  EntryRules rules;
  rules.keyInsertion = [&model, box...](const QString& keyText,
                                        int selected) -> std::optional<QString> {
    const std::optional<std::string> typed =
        model.KeyInsertion(box..., Utf8(keyText), static_cast<std::size_t>(selected));
    return typed ? std::optional<QString>(Text(*typed)) : std::nullopt;
  };
  rules.pasteInsertion = [&model, box...](const QString& clipboard, int selected) {
    return Text(model.PasteInsertion(box..., Utf8(clipboard), static_cast<std::size_t>(selected)));
  };
  rules.controlKeys = controlKeys;
  rules.language = std::move(language);
  return rules;
}

inline QColor ToQColor(Colour colour) {
  return QColor(colour.Red(), colour.Green(), colour.Blue());
}

}  // namespace kalvane
