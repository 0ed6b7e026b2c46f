// The entry rules of the main window's four number boxes, typed key by key
// into the real window: character sets, length limits by point and mode,
// the clean-up with the caret kept, pastes, Persian digits.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "core/entry_rules.h"
#include "ui/main_window.h"
#include "ui/numeric_entry.h"
#include "ui/tests/gui_test_support.h"

using namespace kalvane;

Q_DECLARE_METATYPE(kalvane::test::PasteRoute)

class NumericEntryTest : public QObject {
  Q_OBJECT

  std::unique_ptr<MainWindow> window_;

  QLineEdit* Box(const QString& name) { return window_->findChild<QLineEdit*>(name); }
  // Empties the box the way a user would (select all, Delete) and types.
  QString Type(const QString& name, const QString& keys, const QString& start = {}) {
    QLineEdit* box = Box(name);
    box->setFocus();
    box->setText(start);
    box->end(false);
    for (QChar c : keys) {
      if (c.unicode() < 128) {
        QTest::keyClick(box, c.toLatin1());
      } else {  // a Persian layout's key: QTest only spells ASCII
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
      }
    }
    return box->text();
  }

 private slots:
  void init() { test::OpenFresh(window_); }
  void cleanup() { window_.reset(); }

  void typedCharactersFollowEachBoxsSetAndLimit_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    // character sets
    test::AddTextRow("supply drops letters", {"Resis", "Vtdc", "", "1a2", "12"});
    test::AddTextRow("count drops the point", {"Resis", "LedCount", "", "1.2", "12"});
    test::AddTextRow("current drops the point", {"Resis", "ALed", "", "2.5", "25"});
    test::AddTextRow("voltage takes a second point", {"Resis", "VLed", "", "1.2.", "1.2."});
    test::AddTextRow("supply takes a second point", {"Resis", "Vtdc", "", "1.2.", "1.2."});
    // limits by point: 3 digits without a point, 5 characters with one
    test::AddTextRow("supply full at three digits", {"Resis", "Vtdc", "", "123.4", "123"});
    test::AddTextRow("supply point opens five", {"Resis", "Vtdc", "", "12.345", "12.34"});
    test::AddTextRow("count limited to three", {"Resis", "LedCount", "", "1234", "123"});
    test::AddTextRow("current five without point", {"Resis", "ALed", "", "123456", "12345"});
    // the resistor box of the voltage and current modes: 7 digits, then a point ends it
    test::AddTextRow("volt resistor seven digits", {"Volt", "VLed", "", "123456789", "1234567"});
    test::AddTextRow("volt resistor point is last", {"Volt", "VLed", "", "47.5", "47."});
    test::AddTextRow("amp resistor seven digits", {"Amp", "ALed", "", "123456789", "1234567"});
    test::AddTextRow("volt mode frees the current box", {"Volt", "ALed", "", "123456", "12345"});
    // Persian keyboard layouts
    test::AddTextRow("Persian digits", {"Resis", "Vtdc", "", "۱۲", "12"});
    test::AddTextRow("Arabic separator", {"Resis", "VLed", "", "۲٫۲", "2.2"});
    test::AddTextRow("Arabic-Indic digits", {"Resis", "LedCount", "", "٣٤", "34"});
    test::AddTextRow("Persian digit respects the limit", {"Resis", "Vtdc", "12", "۳۴", "123"});
  }
  void typedCharactersFollowEachBoxsSetAndLimit() {
    QFETCH(QString, mode);
    QTest::mouseClick(window_->findChild<QRadioButton*>(mode), Qt::LeftButton);
    QFETCH(QString, box);
    QFETCH(QString, start);
    QFETCH(QString, keys);
    QTEST(Type(box, keys, start), "expected");
  }

  // Text an input method commits follows the rules of typed text.
  void inputMethodTextFollowsTheTypedRules_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("expected");
    test::AddTextRow("digits go in", {"Vtdc", "1", "2", "12"});
    test::AddTextRow("a letter is refused", {"Vtdc", "1", "a", "1"});
    test::AddTextRow("Persian digits as ASCII", {"LedCount", "", "۱۲", "12"});
    test::AddTextRow("past the limit is refused", {"LedCount", "12", "34", "12"});
  }
  void inputMethodTextFollowsTheTypedRules() {
    QFETCH(QString, box);
    QFETCH(QString, start);
    QFETCH(QString, commit);
    QLineEdit* edit = Box(box);
    QVERIFY(!edit->testAttribute(Qt::WA_InputMethodEnabled));
    edit->setFocus();
    edit->setText(start);
    edit->end(false);
    QInputMethodEvent event;
    event.setCommitString(commit);
    QApplication::sendEvent(edit, &event);
    QTEST(edit->text(), "expected");
  }

  // Keys as a real X display sends them: Delete carries U+007F there,
  // Backspace "\b", Return "\r". Keys that type nothing keep their effect.
  void keysCarryingTheirX11Texts_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    test::AddTextRow("Delete at the start", {"Resis", "Vtdc", "1 2 Home Del", "2"});
    test::AddTextRow("Delete in the middle", {"Resis", "LedCount", "1 2 3 Left Left Del", "13"});
    test::AddTextRow("Delete at the end removes nothing", {"Resis", "ALed", "2 0 Del", "20"});
    test::AddTextRow("keypad Delete", {"Resis", "Vtdc", "1 2 Home KpDel", "2"});
    test::AddTextRow("Delete a selection", {"Resis", "VLed", "2 . 2 Home S-End Del", ""});
    test::AddTextRow("Backspace does nothing", {"Resis", "Vtdc", "1 2 BS", "12"});
    test::AddTextRow("Return and Escape type nothing", {"Resis", "VLed", "2 Ret Esc", "2"});
    test::AddTextRow("clipboard shortcuts do nothing",
                     {"Resis", "ALed", "2 0 Home S-End ^X ^V", "20"});
    test::AddTextRow("a point in the volt-mode resistor is deleted",
                     {"Volt", "VLed", "4 7 . Left Del 0", "470"});
    test::AddTextRow("a point in the amp-mode resistor is deleted",
                     {"Amp", "ALed", "3 3 0 Home Del 1", "130"});
  }
  void keysCarryingTheirX11Texts() {
    QFETCH(QString, mode);
    QTest::mouseClick(window_->findChild<QRadioButton*>(mode), Qt::LeftButton);
    QFETCH(QString, box);
    QLineEdit* edit = Box(box);
    edit->setFocus();
    edit->clear();
    QFETCH(QString, keys);
    test::PlayKeys(edit, keys);
    QTEST(edit->text(), "expected");
  }

  // Every route a box offers keeps its limit; the menu is the box's own.
  void everyPasteRouteKeepsTheLimit_data() {
    QTest::addColumn<test::PasteRoute>("route");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");
    using R = test::PasteRoute;
    for (auto [route, name] :
         {std::pair{R::EditMenu, "menu"}, std::pair{R::ShiftInsert, "Shift+Insert"}}) {
      const QByteArray tag(name);
      QTest::newRow(tag + ": supply, three digits") << route << "Resis"
                                                    << "Vtdc"
                                                    << "4444444"
                                                    << "444";
      QTest::newRow(tag + ": supply, a pasted point opens no room") << route << "Resis"
                                                                    << "Vtdc"
                                                                    << "12.3456"
                                                                    << "12.";
      QTest::newRow(tag + ": count") << route << "Resis"
                                     << "LedCount"
                                     << "98765"
                                     << "987";
      QTest::newRow(tag + ": voltage") << route << "Resis"
                                       << "VLed"
                                       << "123456789"
                                       << "123";
      QTest::newRow(tag + ": volt-mode resistor") << route << "Volt"
                                                  << "VLed"
                                                  << "123456789"
                                                  << "1234567";
      QTest::newRow(tag + ": current") << route << "Resis"
                                       << "ALed"
                                       << "123456789"
                                       << "12345";
      QTest::newRow(tag + ": 1 MB") << route << "Resis"
                                    << "Vtdc" << QString(1 << 20, u'7') << "777";
      // Invisible marks never take a digit's room, and a voltage loses them.
      QTest::newRow(tag + ": supply, marks dropped before the cut") << route << "Resis"
                                                                    << "Vtdc"
                                                                    << "\u200f2\u200b4\u200e"
                                                                    << "24";
      QTest::newRow(tag + ": voltage, marks dropped") << route << "Resis"
                                                      << "VLed"
                                                      << "\u200f1.8"
                                                      << "1.8";
    }
    QTest::newRow("Ctrl+V is refused") << R::CtrlV << "Resis"
                                       << "Vtdc"
                                       << "45"
                                       << "";
  }
  void everyPasteRouteKeepsTheLimit() {
    QFETCH(test::PasteRoute, route);
    QFETCH(QString, mode);
    QTest::mouseClick(window_->findChild<QRadioButton*>(mode), Qt::LeftButton);
    QFETCH(QString, box);
    QFETCH(QString, clipboard);
    QLineEdit* edit = Box(box);
    edit->selectAll();
    edit->del();
    test::PasteBy(route, edit, clipboard);
    QTEST(edit->text(), "expected");
  }

  void theEditMenuSpeaksTheInterfaceLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("paste");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("Persian") << "Per" << QStringLiteral("چسباندن") << Qt::RightToLeft;
    QTest::newRow("English") << "En" << QStringLiteral("&Paste") << Qt::LeftToRight;
  }
  // The menu reads in the interface language's direction, whatever the
  // direction of the box it edits (the SMD window's boxes are always left to
  // right): here the box is turned against the language.
  void theEditMenuSpeaksTheInterfaceLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, paste);
    QFETCH(Qt::LayoutDirection, direction);
    if (language == "En")
      window_->findChild<QAction*>(language)->trigger();
    QLineEdit* box = Box(QStringLiteral("Vtdc"));
    box->setLayoutDirection(direction == Qt::RightToLeft ? Qt::LeftToRight : Qt::RightToLeft);
    QStringList captions;
    Qt::LayoutDirection shown = Qt::LayoutDirectionAuto;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
          captions << action->text();
      }
      shown = menu->layoutDirection();
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &event);
    QCOMPARE(captions.size(), 7);
    QCOMPARE(captions[4], paste);
    QCOMPARE(shown, direction);
  }

  // The Menu key opens the edit menu at the box, away from the mouse: it
  // flows left of that point in Persian and right of it in English.
  void theEditMenuFromTheKeyboardFlowsWithTheLanguage_data() {
    QTest::addColumn<bool>("english");
    QTest::newRow("Persian: left of the box's centre") << false;
    QTest::newRow("English: right of the box's centre") << true;
  }
  void theEditMenuFromTheKeyboardFlowsWithTheLanguage() {
    QFETCH(bool, english);
    if (english)
      window_->EnglishAction()->trigger();
    QLineEdit* box = Box(QStringLiteral("Vtdc"));
    const QPoint at = box->mapToGlobal(box->rect().center());
    QCursor::setPos(at + QPoint(40, 40));
    QRect shown;
    QTimer::singleShot(0, [&shown] {
      QWidget* menu = QApplication::activePopupWidget();
      shown = menu->geometry();
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Keyboard, box->rect().center(), at);
    QApplication::sendEvent(box, &event);
    QVERIFY(!shown.isEmpty());
    QCOMPARE(english ? shown.left() : shown.left() + shown.width(), at.x());
  }

  void pasteIsCleanedLimitedAndTheCaretKept_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");
    QTest::newRow("supply") << "Vtdc"
                            << "1a2"
                            << "12" << 2;
    QTest::newRow("count") << "LedCount"
                           << "x42"
                           << "42" << 2;
    QTest::newRow("Persian digits survive") << "Vtdc"
                                            << "۱۲"
                                            << "12" << 2;
    QTest::newRow("voltage box takes letters") << "VLed"
                                               << "e5"
                                               << "e5" << 2;
  }
  void pasteIsCleanedLimitedAndTheCaretKept() {
    QFETCH(QString, box);
    QFETCH(QString, clipboard);
    QLineEdit* edit = Box(box);
    edit->clear();
    QApplication::clipboard()->setText(clipboard);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    QTEST(edit->text(), "expected");
    QFETCH(int, caret);
    QCOMPARE(edit->cursorPosition(), std::min(caret, int(edit->text().size())));
  }

  // The core's set of invisible marks a paste loses is Qt's set of format
  // characters in the Basic Multilingual Plane, character for character.
  void pastesLoseQtsFormatCharacters() {
    for (char16_t code = 0; code < 0xFFFF; ++code) {
      if (code == '\r' || code == '\n' || (code >= 0xD800 && code <= 0xDFFF))
        continue;
      const QChar character(code);
      const bool format = character.category() == QChar::Other_Format;
      if (PastedLine(QString(character).toStdString()).empty() != format)
        QFAIL(qPrintable(
            QStringLiteral("U+%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0'))));
    }
  }

  void cleanUpKeepsTheCaretWhereItWas() {
    QLineEdit* box = Box(QStringLiteral("Vtdc"));
    box->setText(QStringLiteral("12"));
    box->setCursorPosition(1);
    box->insert(QStringLiteral("x"));  // "1x2", caret after the x
    QCOMPARE(box->text(), QStringLiteral("12"));
    QCOMPARE(box->cursorPosition(), 2);
  }
};

QTEST_MAIN(NumericEntryTest)
#include "numeric_entry_test.moc"
