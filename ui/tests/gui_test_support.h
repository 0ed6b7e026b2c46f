// What the GUI tests share: finding controls by their designed names, keys
// sent as a real X display sends them, and the routes a user pastes by.
// Header-only; every test program includes it once.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace kalvane::test {

template <typename T = QWidget>
T* Get(const QObject& root, const QString& name) {
  T* found = root.findChild<T*>(name);
  if (!found)
    qFatal("no control named %s", qPrintable(name));
  return found;
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
