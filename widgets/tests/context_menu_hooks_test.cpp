// DisRClick and DisRClickCombo on real Qt widgets, with Qt's own mouse
// delivery, so a right click produces the context-menu request Qt derives
// from it. Whether a menu would open is seen by a watcher filter installed
// before the hook: the hook runs first, so whatever it discards never reaches
// the watcher.
#define QTEST_QPA_MOUSE_HANDLING
#include <QAbstractItemView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QtTest>

#include "widgets/dis_rclick.h"
#include "widgets/dis_rclick_combo.h"

using namespace kalvane;

namespace {

// Records the events that reach a widget past its hooks. It takes the
// context-menu requests itself, so no real menu opens and blocks the test.
class Watcher : public QObject {
 public:
  explicit Watcher(QWidget* watched) { watched->installEventFilter(this); }
  QStringList seen;

  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::ContextMenu:
        seen << "Menu";
        return true;
      case QEvent::MouseButtonPress:
        seen << (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton ? "RightPress"
                                                                               : "LeftPress");
        break;
      case QEvent::KeyPress:
        seen << "Key";
        break;
      default:
        break;
    }
    return false;
  }
  QString Take() {
    const QString line = seen.join(' ');
    seen.clear();
    return line;
  }
};

// What the platform sends for the Menu key (or Shift+F10).
void MenuKeyRequest(QWidget* widget) {
  const QPoint at = widget->rect().center();
  QContextMenuEvent request(QContextMenuEvent::Keyboard, at, widget->mapToGlobal(at));
  QApplication::sendEvent(widget, &request);
}

}  // namespace

class ContextMenuHooksTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QWidget> window_;

  QLineEdit* NewBox() {
    auto* box = new QLineEdit(QStringLiteral("220"), window_.get());
    box->show();
    return box;
  }

 private slots:
  void init() {
    window_ = std::make_unique<QWidget>();
    window_->resize(300, 200);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { window_.reset(); }

  void RightClickOnHookedBoxDoesNothing() {
    QLineEdit* box = NewBox();
    box->setCursorPosition(1);
    Watcher watcher(box);
    HookRightClick(box);
    QTest::mouseClick(box, Qt::RightButton, {}, {40, 5});
    QCOMPARE(watcher.Take(), "");
    QCOMPARE(box->text(), "220");
    QCOMPARE(box->cursorPosition(), 1);
    MenuKeyRequest(box);
    QCOMPARE(watcher.Take(), "");
  }

  void EverythingElseReachesHookedBox() {
    QLineEdit* box = NewBox();
    Watcher watcher(box);
    HookRightClick(box);
    QTest::mouseClick(box, Qt::LeftButton, {}, {2, 5});
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_5);
    QTest::keyClick(box, Qt::Key_Menu);
    QCOMPARE(watcher.Take(), "LeftPress Key Key Key");
    QCOMPARE(box->text(), "2205");
  }

  // Hook and unhook in the combinations a window's load and close can make.
  void HookAndUnhook_data() {
    QTest::addColumn<int>("hooks");
    QTest::addColumn<int>("unhooks");
    QTest::addColumn<QString>("rightClick");
    QTest::newRow("HookedOnce") << 1 << 0 << "";
    QTest::newRow("HookedTwiceIsInstalledOnce") << 2 << 1 << "RightPress Menu";
    QTest::newRow("UnhookedGetsRightClickBack") << 1 << 1 << "RightPress Menu";
    QTest::newRow("UnhookWithoutHookChangesNothing") << 0 << 2 << "RightPress Menu";
  }
  void HookAndUnhook() {
    QFETCH(int, hooks);
    QFETCH(int, unhooks);
    QFETCH(QString, rightClick);
    QLineEdit* box = NewBox();
    Watcher watcher(box);
    for (int i = 0; i < hooks; ++i)
      HookRightClick(box);
    for (int i = 0; i < unhooks; ++i)
      UnhookRightClick(box);
    QCOMPARE(IsRightClickHooked(box), rightClick.isEmpty());
    QTest::mouseClick(box, Qt::RightButton, {}, {40, 5});
    QCOMPARE(watcher.Take(), rightClick);
  }

  // A destroyed box must not stay on the books: a new box, perhaps at the
  // same address, is hooked afresh.
  void DestroyedBoxIsForgotten() {
    QLineEdit* first = NewBox();
    HookRightClick(first);
    HookNoContextMenu(first);
    delete first;
    QLineEdit* second = NewBox();
    QVERIFY(!IsRightClickHooked(second));
    QVERIFY(!IsNoContextMenuHooked(second));
    Watcher watcher(second);
    HookRightClick(second);
    QTest::mouseClick(second, Qt::RightButton, {}, {40, 5});
    QCOMPARE(watcher.Take(), "");
  }

  void HookedComboOpensNoMenu_data() {
    QTest::addColumn<bool>("editable");
    QTest::newRow("SelectOnlyList") << false;
    QTest::newRow("EditableList") << true;
  }
  void HookedComboOpensNoMenu() {
    QFETCH(bool, editable);
    auto* combo = new QComboBox(window_.get());
    combo->addItems({"Black", "Brown", "Red"});
    combo->setEditable(editable);
    combo->resize(120, 24);
    combo->show();
    QWidget* editPart = FindEditChild(combo);
    QCOMPARE(editPart, editable ? static_cast<QWidget*>(combo->lineEdit()) : combo);
    Watcher watcher(editPart);
    HookNoContextMenu(editPart);

    QTest::mouseClick(editPart, Qt::RightButton, {}, {10, 10});
    MenuKeyRequest(editPart);
    QCOMPARE(watcher.Take(), "RightPress");
    QCOMPARE(combo->currentIndex(), 0);

    // The list itself still opens, from its arrow.
    QTest::mousePress(combo, Qt::LeftButton, {}, {combo->width() - 6, 12});
    QVERIFY(combo->view()->isVisible());  // the press opens it at once
    combo->hidePopup();
    QTest::mouseRelease(window_.get(), Qt::LeftButton, {}, {1, 1});

    watcher.Take();

    UnhookNoContextMenu(editPart);
    MenuKeyRequest(editPart);
    QCOMPARE(watcher.Take(), "Menu");
  }

  // Closing a colour window destroys its lists; the next window's new lists
  // are hooked again and behave the same. Unhooking a list that is gone
  // already does nothing.
  void NewListsOfAReopenedWindowAreHookedAgain() {
    QWidget* previous = nullptr;
    for (int opening = 0; opening < 2; ++opening) {
      UnhookNoContextMenu(previous);
      auto colourWindow = std::make_unique<QWidget>(window_.get());
      auto* band = new QComboBox(colourWindow.get());
      band->addItems({"Black", "Brown"});
      colourWindow->show();
      QWidget* editPart = FindEditChild(band);
      Watcher watcher(editPart);
      HookNoContextMenu(editPart);
      MenuKeyRequest(editPart);
      QCOMPARE(watcher.Take(), "");
      QVERIFY(IsNoContextMenuHooked(editPart));
      previous = editPart;
    }
  }

  void EditPartIsTheLineEditOrTheListItself() {
    QComboBox selectOnly;
    QCOMPARE(FindEditChild(&selectOnly), &selectOnly);
    QCOMPARE(FindEditChild(nullptr), nullptr);
    QComboBox editable;
    editable.setEditable(true);
    QCOMPARE(FindEditChild(&editable), editable.lineEdit());
    QCOMPARE(WindowClassName(FindEditChild(&editable)), "QLineEdit");
    auto* own = new QLineEdit;
    editable.setLineEdit(own);  // a line edit the owner supplies
    QCOMPARE(FindEditChild(&editable), own);
  }
};

QTEST_MAIN(ContextMenuHooksTest)
#include "context_menu_hooks_test.moc"
