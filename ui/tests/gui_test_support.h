// What the GUI tests share: finding controls by their designed names, keys
// sent as a real X display sends them, and the routes a user pastes by.
// Header-only; every test program includes it once.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace kalvane::test {

template <typename T = QWidget>
T* Get(const QObject& root, const QString& name) {
  T* found = root.findChild<T*>(name);
  if (!found)
    qFatal("no control named %s", qPrintable(name));
  return found;
}

// A row of a data table whose columns are all texts, written on one line.
inline void AddTextRow(const char* name, const QStringList& columns) {
  QTestData& row = QTest::newRow(name);
  for (const QString& column : columns)
    row << column;
}

// Builds a fresh window into `slot`, shows it and waits until it is exposed:
// what each test of a window starts from.
template <typename Window>
void OpenFresh(std::unique_ptr<Window>& slot) {
  slot = std::make_unique<Window>();
  slot->show();
  QVERIFY(QTest::qWaitForWindowExposed(slot.get()));
}

// The text a box or label shows.
inline QString TextOf(const QObject& root, const QString& name) {
  if (auto* box = root.findChild<QLineEdit*>(name))
    return box->text();
  return Get<QLabel>(root, name)->text();
}

// One key press and release carrying the text xcb gives that key.
inline void SendKey(QWidget* target, Qt::Key key, const QString& text,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &release);
}

// Plays a script of keys separated by spaces into `target`, each with the
// text a real X display attaches: a single character types itself (Persian
// digits included); Del is Delete with U+007F, KpDel the keypad's Delete,
// BS Backspace with "\b", Ret Return with "\r", Esc Escape with "\x1b",
// Left, Right, Home and End move (S-End selects to the end), ^X is Ctrl+X
// with its control character, and likewise ^A, ^C and ^V.
inline void PlayKeys(QWidget* target, const QString& script) {
  for (const QString& token : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (token.size() == 1) {
      const QChar c = token.front();
      const auto key = c.unicode() < 128 ? Qt::Key(QChar(c).toUpper().unicode()) : Qt::Key_unknown;
      SendKey(target, key, token);
    } else if (token.size() == 2 && token.front() == QLatin1Char('^')) {
      const QChar letter = token.back().toUpper();
      SendKey(target, Qt::Key(letter.unicode()), QString(QChar(letter.unicode() - 'A' + 1)),
              Qt::ControlModifier);
    } else if (token == QLatin1String("Del")) {
      SendKey(target, Qt::Key_Delete, QStringLiteral("\x7f"));
    } else if (token == QLatin1String("KpDel")) {
      SendKey(target, Qt::Key_Delete, {}, Qt::KeypadModifier);
    } else if (token == QLatin1String("BS")) {
      SendKey(target, Qt::Key_Backspace, QStringLiteral("\b"));
    } else if (token == QLatin1String("Ret")) {
      SendKey(target, Qt::Key_Return, QStringLiteral("\r"));
    } else if (token == QLatin1String("Esc")) {
      SendKey(target, Qt::Key_Escape, QStringLiteral("\x1b"));
    } else if (token == QLatin1String("Left")) {
      SendKey(target, Qt::Key_Left, {});
    } else if (token == QLatin1String("Right")) {
      SendKey(target, Qt::Key_Right, {});
    } else if (token == QLatin1String("Home")) {
      SendKey(target, Qt::Key_Home, {});
    } else if (token == QLatin1String("End")) {
      SendKey(target, Qt::Key_End, {});
    } else if (token == QLatin1String("S-End")) {
      SendKey(target, Qt::Key_End, {}, Qt::ShiftModifier);
    } else {
      qFatal("unknown key %s", qPrintable(token));
    }
  }
}

// Empties `box` and plays `script` into it, as a user who selects all,
// deletes and types.
inline void Retype(QLineEdit* box, const QString& script) {
  box->setFocus();
  box->selectAll();
  box->del();
  PlayKeys(box, script);
}

// Where a control paints its content, in its parent's coordinates: a
// label's text or picture as aligned, any other control its rectangle.
inline QRect ContentRect(const QWidget* widget) {
  const QRect inside = widget->contentsRect();
  QRect content = inside;
  if (auto* label = qobject_cast<const QLabel*>(widget)) {
    if (!label->text().isEmpty()) {
      content = label->fontMetrics().boundingRect(inside, int(label->alignment()), label->text());
    } else if (!label->pixmap().isNull()) {
      content = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                    label->pixmap().deviceIndependentSize().toSize(), inside);
    }
  }
  return content.translated(widget->pos());
}

// What a user would see wrong in a window: a caption cut off by its
// control, or a control's content running into a sibling's. Controls named
// in `backgrounds` carry others on them by design and are left out.
inline QStringList OverlapsAndCutOffs(const QWidget& root, const QStringList& backgrounds) {
  QList<const QWidget*> shown;
  for (const QWidget* w : root.findChildren<QWidget*>()) {
    if (w->isVisible() && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_") &&
        !backgrounds.contains(w->objectName()) && w->window() == root.window())
      shown << w;
  }
  QStringList problems;
  for (const QWidget* w : shown) {
    const auto* label = qobject_cast<const QLabel*>(w);
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    const auto* list = qobject_cast<const QComboBox*>(w);
    bool cut = label && !label->text().isEmpty() &&
               !w->contentsRect().contains(ContentRect(w).translated(-w->pos()));
    cut = cut || (button && button->sizeHint().width() > button->width());
    if (list) {
      QStyleOptionComboBox option;
      option.initFrom(list);
      const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                        QStyle::SC_ComboBoxEditField, list);
      cut = list->fontMetrics().horizontalAdvance(list->currentText()) > field.width();
    }
    if (cut)
      problems << w->objectName() + " is cut off";
  }
  for (qsizetype i = 0; i < shown.size(); ++i) {
    for (qsizetype j = i + 1; j < shown.size(); ++j) {
      if (shown[i]->parentWidget() == shown[j]->parentWidget() &&
          ContentRect(shown[i]).intersects(ContentRect(shown[j])))
        problems << shown[i]->objectName() + " runs into " + shown[j]->objectName();
    }
  }
  return problems;
}

// The ways a user pastes into a box.
enum class PasteRoute { EditMenu, ShiftInsert, CtrlV };

// Pastes `text` into `box` by `route`. The edit menu is opened with a right
// click's context-menu event and its Paste item clicked, as a user does;
// a disabled Paste (nothing to paste) closes the menu instead.
inline void PasteBy(PasteRoute route, QLineEdit* box, const QString& text) {
  QApplication::clipboard()->setText(text);
  box->setFocus();
  switch (route) {
    case PasteRoute::ShiftInsert:
      SendKey(box, Qt::Key_Insert, {}, Qt::ShiftModifier);
      return;
    case PasteRoute::CtrlV:
      SendKey(box, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
      return;
    case PasteRoute::EditMenu:
      break;
  }
  bool found = false;
  QTimer::singleShot(0, [&found] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QAction* paste = menu ? menu->findChild<QAction*>(QStringLiteral("paste")) : nullptr;
    found = paste != nullptr;
    if (paste && paste->isEnabled()) {
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
    } else if (menu) {
      menu->close();
    }
  });
  const QPoint at = box->rect().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
  QApplication::sendEvent(box, &event);
  QVERIFY2(found, "the edit menu had no Paste item");
}

}  // namespace kalvane::test
