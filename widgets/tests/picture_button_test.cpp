// Drives PictureButton through Qt's real mouse delivery (window-system
// events, the implicit grab, double-click detection) offscreen. The offscreen
// cursor is moved along with every event, so the button's own leave poll
// judges the pointer as it would on a desktop. The tests tick the poll
// themselves (the manual clock), so no result depends on when a timer fires.
#define QTEST_QPA_MOUSE_HANDLING
#include <QtTest>

#include "widgets/picture_button.h"

using namespace kalvane;
using State = PictureButton::ButtonState;

namespace {

QPixmap Solid(QSize size, Qt::GlobalColor colour, qreal ratio = 1.0) {
  QPixmap pixmap(size);
  pixmap.fill(colour);
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

const QPoint kOnButton{3, 3};  // inside every picture used here

}  // namespace

class PictureButtonTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QWidget> host_;
  PictureButton* button_ = nullptr;
  QStringList events_;
  QPixmap normal_, hover_, down_;

  QPoint OffButton() const { return {150, 60}; }  // in host coordinates

  void PointerToButton(QPoint at = kOnButton) {
    QCursor::setPos(button_->mapToGlobal(at));
    QTest::mouseMove(button_, at);
  }
  void PointerOffButton() {
    QCursor::setPos(host_->mapToGlobal(OffButton()));
    QTest::mouseMove(host_.get(), OffButton());
  }
  // One tick of the poll must report the leave, and nothing else.
  void TickAndExpectLeave() {
    button_->TickLeavePoll();
    QCOMPARE(Take(), "MouseLeave");
  }
  // Lets the leave poll tick a few times.
  void LetPollRun() {
    for (int tick = 0; tick < 3; ++tick)
      button_->TickLeavePoll();
  }
  qint64 Shown() const { return button_->ShownPicture().cacheKey(); }

  void Record(PictureButton* button) {
    auto mouse = [this](const char* name) {
      return [this, name](int& Button, int& Shift, float&, float&) {
        events_ << QStringLiteral("%1(%2,%3)").arg(QLatin1String(name)).arg(Button).arg(Shift);
      };
    };
    connect(button, &PictureButton::MouseDown, this, mouse("MouseDown"));
    connect(button, &PictureButton::MouseUp, this, mouse("MouseUp"));
    connect(button, &PictureButton::MouseMove, this, mouse("MouseMove"));
    connect(button, &PictureButton::Click, this, [this] { events_ << "Click"; });
    connect(button, &PictureButton::DblClick, this, [this] { events_ << "DblClick"; });
    connect(button, &PictureButton::MouseEnter, this, [this] { events_ << "MouseEnter"; });
    connect(button, &PictureButton::MouseLeave, this, [this] { events_ << "MouseLeave"; });
  }

  // The events since the last call, as one line.
  QString Take() {
    const QString line = events_.join(' ');
    events_.clear();
    return line;
  }

 private slots:
  void init() {
    host_ = std::make_unique<QWidget>();
    host_->resize(200, 100);
    button_ = new PictureButton(host_.get());
    button_->SetLeavePollClock(PictureButton::LeavePollClock::Manual);
    button_->move(10, 10);
    normal_ = Solid({20, 10}, Qt::gray);
    hover_ = Solid({20, 10}, Qt::white);
    down_ = Solid({20, 10}, Qt::black);
    button_->setPicture(normal_);
    button_->setPictureHover(hover_);
    button_->setPictureDown(down_);
    Record(button_);
    host_->show();
    QVERIFY(QTest::qWaitForWindowExposed(host_.get()));
    PointerOffButton();
    events_.clear();
  }
  void cleanup() {
    for (Qt::MouseButton held : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
      if (QGuiApplication::mouseButtons() & held)
        QTest::mouseRelease(host_.get(), held);
    }
    host_.reset();
  }

  void EnterMoveWithinAndLeave() {
    PointerToButton();
    QCOMPARE(Take(), "MouseMove(0,0) MouseEnter");
    QCOMPARE(Shown(), hover_.cacheKey());
    QVERIFY(button_->IsInside());

    PointerToButton({8, 5});
    LetPollRun();
    QCOMPARE(Take(), "MouseMove(0,0)");
    QVERIFY(button_->IsLeavePollRunning());

    PointerOffButton();
    TickAndExpectLeave();
    QCOMPARE(Shown(), normal_.cacheKey());
    QVERIFY(!button_->IsInside());
    QVERIFY(!button_->IsLeavePollRunning());
  }

  // Under the automatic clock the timer ticks the poll by itself: the leave
  // comes with the first tick after the pointer is off, however late that is.
  void AutomaticClockTicksByItself() {
    button_->SetLeavePollClock(PictureButton::LeavePollClock::Automatic);
    PointerToButton();
    QVERIFY(button_->IsLeavePollRunning());
    Take();
    PointerOffButton();  // a tick may already come while the move is delivered
    for (int wait = 0; wait < 1000 && events_.isEmpty() && button_->IsLeavePollRunning(); ++wait)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);  // the timer's next tick
    QCOMPARE(Take(), "MouseLeave");
    QVERIFY(!button_->IsLeavePollRunning());
  }

  void ClickSequences_data() {
    QTest::addColumn<Qt::MouseButton>("which");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("twice");
    QTest::addColumn<QString>("events");
    QTest::newRow("LeftClick") << Qt::LeftButton << Qt::KeyboardModifiers() << false
                               << "MouseDown(1,0) MouseUp(1,0) Click";
    QTest::newRow("DoubleClickIsTwoPressesAndTwoClicks")
        << Qt::LeftButton << Qt::KeyboardModifiers() << true
        << "MouseDown(1,0) MouseUp(1,0) Click MouseDown(1,0) DblClick MouseUp(1,0) Click";
    QTest::newRow("RightClickIsNoClick")
        << Qt::RightButton << Qt::KeyboardModifiers() << false << "MouseDown(2,0) MouseUp(2,0)";
    QTest::newRow("MiddleWithShiftCtrl")
        << Qt::MiddleButton << (Qt::ShiftModifier | Qt::ControlModifier) << false
        << "MouseDown(4,3) MouseUp(4,3)";
    QTest::newRow("AltLeftClick") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::AltModifier)
                                  << false << "MouseDown(1,4) MouseUp(1,4) Click";
  }
  void ClickSequences() {
    QFETCH(Qt::MouseButton, which);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, twice);
    QFETCH(QString, events);
    PointerToButton();
    Take();
    if (twice) {
      QTest::mouseDClick(button_, which, modifiers, kOnButton);
    } else {
      QTest::mouseClick(button_, which, modifiers, kOnButton);
    }
    QCOMPARE(Take(), events);
    QCOMPARE(button_->State(), State::Hover);
  }

  // Which picture a press shows, and which one its release leaves.
  void PressAndRelease_data() {
    QTest::addColumn<Qt::MouseButton>("which");
    QTest::addColumn<bool>("releaseOver");
    QTest::addColumn<State>("whilePressed");
    QTest::addColumn<State>("afterRelease");
    QTest::addColumn<bool>("click");
    QTest::newRow("LeftReleasedOver")
        << Qt::LeftButton << true << State::Pressed << State::Hover << true;
    QTest::newRow("LeftDraggedOffAndReleased")
        << Qt::LeftButton << false << State::Normal << State::Normal << false;
    QTest::newRow("RightKeepsHover")
        << Qt::RightButton << true << State::Hover << State::Hover << false;
    QTest::newRow("RightReleasedOff")
        << Qt::RightButton << false << State::Hover << State::Normal << false;
    QTest::newRow("MiddleKeepsHover")
        << Qt::MiddleButton << true << State::Hover << State::Hover << false;
  }
  void PressAndRelease() {
    QFETCH(Qt::MouseButton, which);
    QFETCH(bool, releaseOver);
    QFETCH(State, whilePressed);
    QFETCH(State, afterRelease);
    QFETCH(bool, click);
    PointerToButton();
    QTest::mousePress(button_, which, {}, kOnButton);
    if (!releaseOver)
      PointerOffButton();  // the grab keeps the events coming here
    QCOMPARE(button_->State(), whilePressed);
    Take();
    QTest::mouseRelease(releaseOver ? static_cast<QWidget*>(button_) : host_.get(), which, {},
                        releaseOver ? kOnButton : OffButton());
    QCOMPARE(button_->State(), afterRelease);
    QCOMPARE(Take().endsWith("Click"), click);
  }

  void DragOffRaisesLeaveWhileHeld() {
    PointerToButton();
    QTest::mousePress(button_, Qt::LeftButton, {}, kOnButton);
    QCOMPARE(Shown(), down_.cacheKey());
    Take();
    PointerOffButton();
    QCOMPARE(Take(), "MouseMove(1,0)");
    QCOMPARE(Shown(), normal_.cacheKey());
    TickAndExpectLeave();
    QVERIFY(QGuiApplication::mouseButtons() & Qt::LeftButton);
    QVERIFY(!button_->IsLeavePollRunning());
  }

  void ReleaseAfterMoveWithLeftHeldIsAFreshEnter() {
    PointerToButton();
    QTest::mousePress(button_, Qt::LeftButton, {}, kOnButton);
    PointerToButton({6, 4});
    QCOMPARE(button_->State(), State::Pressed);
    QVERIFY(!button_->IsInside());
    Take();
    QTest::mouseRelease(button_, Qt::LeftButton, {}, {6, 4});
    QCOMPARE(Take(), "MouseUp(1,0) MouseEnter Click");
    QCOMPARE(button_->State(), State::Hover);
    QVERIFY(button_->IsInside());
  }

  void MoveWithTwoButtonsChangesNothing() {
    PointerToButton();
    QTest::mousePress(button_, Qt::LeftButton, {}, kOnButton);
    QTest::mousePress(button_, Qt::RightButton, {}, kOnButton);
    Take();
    PointerOffButton();
    QCOMPARE(Take(), "MouseMove(3,0)");
    QCOMPARE(button_->State(), State::Pressed);
  }

  // A release that leaves the button lit always has a leave poll behind it,
  // also when no move over the button came first.
  void ClickWithoutPriorMoveIsStillPolled() {
    button_->hide();
    QCursor::setPos(button_->mapToGlobal(kOnButton));
    QTest::mouseMove(host_.get(), button_->mapToParent(kOnButton));
    button_->show();
    Take();
    QTest::mouseClick(button_, Qt::LeftButton, {}, kOnButton);
    QCOMPARE(Take(), "MouseDown(1,0) MouseUp(1,0) MouseEnter Click");
    QVERIFY(button_->IsLeavePollRunning());
    QCursor::setPos(host_->mapToGlobal(OffButton()));  // leaves without a move on the button
    TickAndExpectLeave();
    QCOMPARE(Shown(), normal_.cacheKey());
  }

  void WhatCoversThePointerCountsAsOutside_data() {
    QTest::addColumn<bool>("childOfButton");
    QTest::newRow("WindowOverTheButton") << false;
    QTest::newRow("ChildOfTheButton") << true;
  }
  void WhatCoversThePointerCountsAsOutside() {
    QFETCH(bool, childOfButton);
    PointerToButton();
    LetPollRun();
    QCOMPARE(Take(), "MouseMove(0,0) MouseEnter");
    std::unique_ptr<QWidget> cover;
    if (childOfButton) {
      cover.reset(new QWidget(button_));
      cover->setGeometry(0, 0, 8, 8);
      cover->show();
    } else {
      cover = std::make_unique<QWidget>();
      cover->setGeometry(QRect(button_->mapToGlobal(QPoint(0, 0)), QSize(8, 8)));
      cover->show();
      QVERIFY(QTest::qWaitForWindowExposed(cover.get()));
    }
    TickAndExpectLeave();
    QCOMPARE(Shown(), normal_.cacheKey());
  }

  // The owner's handler changes Button, and the button follows the new value.
  void OwnerHandlerSteersButton_data() {
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("newButton");
    QTest::addColumn<QString>("events");
    QTest::addColumn<State>("state");
    QTest::newRow("LeftDownTurnedIntoRightKeepsHover")
        << "MouseDown" << 2 << "MouseMove(0,0) MouseEnter MouseDown(1,0)" << State::Hover;
    QTest::newRow("PlainMoveTurnedIntoRightIsNoEnter")
        << "MouseMove" << 2 << "MouseMove(0,0)" << State::Normal;
    QTest::newRow("PlainMoveTurnedIntoLeftPresses")
        << "MouseMove" << 1 << "MouseMove(0,0)" << State::Pressed;
  }
  void OwnerHandlerSteersButton() {
    QFETCH(QString, event);
    QFETCH(int, newButton);
    QFETCH(QString, events);
    QFETCH(State, state);
    auto steer = [newButton](int& Button, int&, float&, float&) { Button = newButton; };
    if (event == "MouseDown") {
      connect(button_, &PictureButton::MouseDown, this, steer);
    } else {
      connect(button_, &PictureButton::MouseMove, this, steer);
    }
    PointerToButton();
    if (event == "MouseDown")
      QTest::mousePress(button_, Qt::LeftButton, {}, kOnButton);
    QCOMPARE(Take(), events);
    QCOMPARE(button_->State(), state);
  }

  void ReplacedProbeDecidesUntilRestored() {
    button_->SetPointerProbe([](const PictureButton&) { return true; });
    PointerToButton();
    PointerOffButton();
    LetPollRun();
    QCOMPARE(button_->State(), State::Hover);
    Take();
    button_->SetPointerProbe({});
    TickAndExpectLeave();
  }

  void SizeFollowsShownPicture_data() {
    QTest::addColumn<QPixmap>("hover");
    QTest::addColumn<QSize>("size");
    QTest::newRow("LargerHoverPicture") << Solid({30, 15}, Qt::white) << QSize(30, 15);
    QTest::newRow("HiDpiPictureAtItsLogicalSize")
        << Solid({60, 30}, Qt::white, 2.0) << QSize(30, 15);
    QTest::newRow("FractionalLogicalSizeRoundedUp")
        << Solid({25, 15}, Qt::white, 2.0) << QSize(13, 8);
    QTest::newRow("EmptyHoverPictureKeepsSize") << QPixmap() << QSize(20, 10);
  }
  void SizeFollowsShownPicture() {
    QFETCH(QPixmap, hover);
    QFETCH(QSize, size);
    button_->setPictureHover(hover);
    QCOMPARE(button_->size(), QSize(20, 10));  // still showing Picture
    PointerToButton();
    QCOMPARE(button_->State(), State::Hover);
    QCOMPARE(button_->size(), size);
    QCOMPARE(button_->sizeHint(), size);
    PointerOffButton();
    button_->TickLeavePoll();
    QCOMPARE(button_->State(), State::Normal);
    QCOMPARE(button_->size(), QSize(20, 10));
  }

  void SetRedrawsWithCurrentStateAndMarksChanged_data() {
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<bool>("hovering");
    QTest::addColumn<bool>("showsNewPicture");
    QTest::newRow("PictureAtRest") << QByteArray("Picture") << false << true;
    QTest::newRow("PictureHoverAtRest") << QByteArray("PictureHover") << false << false;
    QTest::newRow("PictureHoverWhileHovering") << QByteArray("PictureHover") << true << true;
    QTest::newRow("PictureDownWhileHovering") << QByteArray("PictureDown") << true << false;
  }
  void SetRedrawsWithCurrentStateAndMarksChanged() {
    QFETCH(QByteArray, property);
    QFETCH(bool, hovering);
    QFETCH(bool, showsNewPicture);
    if (hovering)
      PointerToButton();
    QSignalSpy changed(button_, &PictureButton::propertyChanged);
    const QPixmap fresh = Solid({40, 12}, Qt::red);
    QVERIFY(button_->setProperty(property.constData(), fresh));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QString::fromLatin1(property));
    QCOMPARE(button_->property(property.constData()).value<QPixmap>().cacheKey(), fresh.cacheKey());
    QCOMPARE(Shown() == fresh.cacheKey(), showsNewPicture);
    QCOMPARE(button_->size() == QSize(40, 12), showsNewPicture);
  }

  void SaveWritesOnlyPicturesThatAreSet() {
    QVariantMap bag{{"PictureDown", QVariant::fromValue(down_)}};  // stale from before
    PictureButton fresh;
    fresh.setPictureHover(hover_);
    fresh.Save(bag);
    QCOMPARE(bag.keys(), QStringList{"PictureHover"});
    QCOMPARE(bag.value("PictureHover").value<QPixmap>().cacheKey(), hover_.cacheKey());

    button_->Save(bag);
    QCOMPARE(bag.keys(), (QStringList{"Picture", "PictureDown", "PictureHover"}));
    PictureButton loaded;
    loaded.Load(bag);
    QCOMPARE(loaded.Picture().cacheKey(), normal_.cacheKey());
    QCOMPARE(loaded.PictureHover().cacheKey(), hover_.cacheKey());
    QCOMPARE(loaded.PictureDown().cacheKey(), down_.cacheKey());
    QCOMPARE(loaded.size(), QSize(20, 10));
  }

  void LoadTakesDefaultsForMissingOrForeignValues() {
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QVariantMap bag{{"Picture", image}, {"PictureHover", QString("not a picture")}};
    QSignalSpy changed(button_, &PictureButton::propertyChanged);
    button_->Load(bag);
    QCOMPARE(button_->Picture().size(), QSize(7, 5));
    QVERIFY(button_->PictureHover().isNull());
    QVERIFY(button_->PictureDown().isNull());
    QCOMPARE(changed.count(), 0);
  }
};

QTEST_MAIN(PictureButtonTest)
#include "picture_button_test.moc"
