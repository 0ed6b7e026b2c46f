// Drives the real main window offscreen: the designed start state, the
// calculation button with its message, the spin buttons, the arrangement
// and mode choices, and the program's end when the window closes.
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "ui/main_frms.h"
#include "ui/pictures.h"
#include "ui/twips.h"
#include "widgets/dis_rclick.h"
#include "widgets/picture_button.h"

using namespace kalvane;

namespace {

// Closes the next modal message box and remembers what it showed.
struct MessageWatch {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int shown = 0;

  void Arm() {
    QTimer::singleShot(0, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box)
        return;
      ++shown;
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      box->accept();
    });
  }
};

}  // namespace

class MainFrmsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<MainFrms> window_;

  template <typename T>
  T* Get(const char* name) {
    T* widget = window_->centralWidget()->findChild<T*>(QLatin1String(name));
    if (!widget)
      qFatal("no control %s", name);
    return widget;
  }
  QString TextOf(const char* name) {
    if (auto* box = window_->findChild<QLineEdit*>(QLatin1String(name)))
      return box->text();
    return Get<QLabel>(name)->text();
  }
  void SetBox(const char* name, const QString& text) { Get<QLineEdit>(name)->setText(text); }
  void ClickCalc(MessageWatch* watch = nullptr) {
    if (watch)
      watch->Arm();
    QTest::mouseClick(Get<QPushButton>("Calc"), Qt::LeftButton);
  }
  void ClickSpin(const char* name) { QTest::mouseClick(Get<PictureButton>(name), Qt::LeftButton); }
  bool ShowsPicture(Picture picture) {
    const QPixmap expected = RenderPicture(picture, QSize(301, 80));
    return HasDrawing(expected) &&
           Get<QLabel>("Image1")->pixmap().cacheKey() == expected.cacheKey();
  }
  // A picture that rendered to nothing is one colour all over.
  static bool HasDrawing(const QPixmap& picture) {
    if (picture.isNull())
      return false;
    QImage blank = picture.toImage();
    blank.fill(blank.pixel(0, 0));
    return picture.toImage() != blank;
  }

 private slots:
  void init() {
    window_ = std::make_unique<MainFrms>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { window_.reset(); }

  void startsPersianWithTheDesignedValues() {
    QCOMPARE(window_->ProgLang(), QStringLiteral("Persian"));
    QCOMPARE(window_->windowTitle(), QStringLiteral(" کالوانه نسخه 1"));
    QCOMPARE(window_->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(window_->Mode(), LedCalcMode::Resis);
    QVERIFY(Get<QRadioButton>("Resis")->isChecked());
    QCOMPARE(Get<QComboBox>("SerMov")->currentIndex(), 0);
    QCOMPARE(Get<QComboBox>("SerMov")->itemText(1), QStringLiteral("حالت موازي"));
    QCOMPARE(Get<QGroupBox>("Frame1")->title(), QStringLiteral(" محاسبه حالت سري led "));
    const std::pair<const char*, const char*> values[] = {
        {"Vtdc", "12"},           {"LedCount", "5"},         {"VLed", "2.2"},
        {"ALed", "20"},           {"ResisSH", "50"},         {"WatSH", "220"},
        {"Label14", "VCC : 12V"}, {"Label15", "R : 50 Ohm"}, {"DnL", "D5"}};
    for (const auto& [name, text] : values)
      QCOMPARE(TextOf(name), QString::fromUtf8(text));
    QCOMPARE(TextOf("WatPish"), QStringLiteral("1/4 وات"));
    QCOMPARE(TextOf("ResisPishLarg"), QStringLiteral("51 اهم  (بزرگتر)"));
    QCOMPARE(TextOf("ResisPishSmall"), QStringLiteral("47 اهم  (کوچکتر)"));
    QVERIFY(ShowsPicture(Picture::SeriesN));
  }

  void hasTheDesignedColoursAndFixedSize() {
    QCOMPARE(Get<QLineEdit>("Vtdc")->palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(Get<QLabel>("Label9")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    QCOMPARE(Get<QLineEdit>("ResisSH")->palette().color(QPalette::Text), QColor(0, 0, 255));
    QCOMPARE(Get<QLabel>("WatPish")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(window_->centralWidget()->size(), QSize(332, 511));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
  }

  void placesControlsAtTheirDesignedTwips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("twips");
    QTest::newRow("SerMov") << "SerMov" << QPoint(2400, 360);
    QTest::newRow("Vtdc") << "Vtdc" << QPoint(1800, 1190);
    QTest::newRow("BtDownB") << "BtDownB" << QPoint(1560, 1795);
    QTest::newRow("Label2 designed top") << "Label2" << QPoint(2505, 1665);
    QTest::newRow("Label9 designed") << "Label9" << QPoint(1140, 1680);
    QTest::newRow("Label12 designed top") << "Label12" << QPoint(810, 720);
    QTest::newRow("ResisSH in Frame2") << "ResisSH" << QPoint(1580, 240);
    QTest::newRow("WatPish resistor mode") << "WatPish" << QPoint(1640, 1850);
    QTest::newRow("D1L series") << "D1L" << QPoint(1780, 6790);
    QTest::newRow("Calc") << "Calc" << QPoint(1740, 5350);
  }
  void placesControlsAtTheirDesignedTwips() {
    QFETCH(QString, name);
    QFETCH(QPoint, twips);
    auto* widget = window_->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->pos(), TwipPoint(twips.x(), twips.y()));
  }

  void calcWithTheDefaultsGivesTheDesignedResults() {
    SetBox("ResisSH", QString());
    ClickCalc();
    QCOMPARE(TextOf("ResisSH"), QStringLiteral("50"));
    QCOMPARE(TextOf("WatSH"), QStringLiteral("220"));
    QCOMPARE(TextOf("ResisPishLarg"), QStringLiteral("51 اهم  (بزرگتر)"));
    QCOMPARE(TextOf("ResisPishSmall"), QStringLiteral("47 اهم  (کوچکتر)"));
    QCOMPARE(TextOf("WatPish"), QStringLiteral("1/4 وات"));
    QCOMPARE(TextOf("Label15"), QStringLiteral("R : 50 Ohm"));
    QCOMPARE(TextOf("Label14"), QStringLiteral("VCC : 12V"));
    QVERIFY(ShowsPicture(Picture::SeriesN));
    QCOMPARE(TextOf("DnL"), QStringLiteral("D5"));
    QVERIFY(Get<QLabel>("DnL")->isVisible());
  }

  void diagramFollowsTheLedCount_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("picture");
    QTest::addColumn<bool>("d2");
    QTest::addColumn<bool>("d3");
    QTest::addColumn<bool>("dn");
    QTest::newRow("one") << "1" << int(Picture::Series1) << false << false << false;
    QTest::newRow("two") << "2" << int(Picture::Series2) << true << false << false;
    QTest::newRow("three") << "3" << int(Picture::Series3) << true << true << false;
    QTest::newRow("twelve") << "12" << int(Picture::SeriesN) << true << true << true;
  }
  void diagramFollowsTheLedCount() {
    QFETCH(QString, count);
    QFETCH(int, picture);
    SetBox("LedCount", count);
    ClickCalc();
    QVERIFY(ShowsPicture(static_cast<Picture>(picture)));
    QVERIFY(Get<QLabel>("D1L")->isVisible());
    QTEST(Get<QLabel>("D2L")->isVisible(), "d2");
    QTEST(Get<QLabel>("D3L")->isVisible(), "d3");
    QTEST(Get<QLabel>("DnL")->isVisible(), "dn");
    if (count == QStringLiteral("12"))
      QCOMPARE(TextOf("DnL"), QStringLiteral("D12"));
  }

  void zeroCountLeavesTheDiagram() {
    SetBox("LedCount", QStringLiteral("2"));
    ClickCalc();
    SetBox("LedCount", QStringLiteral("0"));
    ClickCalc();  // series resistor mode: 12 V across the resistor alone, no message
    QCOMPARE(TextOf("ResisSH"), QStringLiteral("600"));
    QVERIFY(ShowsPicture(Picture::Series2));
  }

  void emptyBoxShowsTheMessageAndKeepsTheResults() {
    SetBox("ALed", QString());
    SetBox("Vtdc", QStringLiteral("9"));
    SetBox("ResisSH", QStringLiteral("kept"));
    MessageWatch watch;
    ClickCalc(&watch);
    QCOMPARE(watch.shown, 1);
    QCOMPARE(watch.title, window_->windowTitle());
    QCOMPARE(watch.text, QStringLiteral("!مقادير وارد شده اشباه ميباشد"));
    QCOMPARE(watch.icon, QMessageBox::Warning);
    QCOMPARE(TextOf("ResisSH"), QStringLiteral("kept"));
    QCOMPARE(TextOf("WatPish"), QStringLiteral("1/4 وات"));
    QCOMPARE(TextOf("Label14"), QStringLiteral("VCC : 9V"));
  }

  void unsolvableCircuitsShowTheErrorWord_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("vLed");
    QTest::addColumn<QString>("aLed");
    QTest::newRow("voltage below the limit") << "Volt"
                                             << "600"
                                             << "20";
    QTest::newRow("zero LED current") << "Resis"
                                      << "2.2"
                                      << "0";
    QTest::newRow("zero resistor") << "Amp"
                                   << "2.2"
                                   << "0";
  }
  void unsolvableCircuitsShowTheErrorWord() {
    QFETCH(QString, mode);
    QTest::mouseClick(window_->findChild<QRadioButton*>(mode), Qt::LeftButton);
    QFETCH(QString, vLed);
    QFETCH(QString, aLed);
    SetBox("VLed", vLed);
    SetBox("ALed", aLed);
    MessageWatch watch;
    ClickCalc(&watch);
    QCOMPARE(watch.shown, 1);
    for (const char* field : {"ResisSH", "WatSH", "WatPish"}) {
      QCOMPARE(TextOf(field), QStringLiteral("خطا"));
    }
    QCOMPARE(TextOf("Label15"), QStringLiteral("R : 50 Ohm"));
  }

  // The rows start at "51 (larger)" and "47 (smaller)"; a circuit with no
  // standard value on one side must not leave the start value there.
  void standardRowsEmptyWhereTheTableEnds_data() {
    QTest::addColumn<QStringList>("boxes");  // Vtdc, LedCount, VLed, ALed
    QTest::addColumn<QString>("larger");
    QTest::addColumn<QString>("smaller");
    const QString larger51 = QStringLiteral("51 اهم  (بزرگتر)");
    const QString smaller47 = QStringLiteral("47 اهم  (کوچکتر)");
    QTest::newRow("below the table has no smaller value")
        << QStringList{"3", "1", "2.9", "200"} << QStringLiteral("1.0 اهم  (بزرگتر)") << QString();
    QTest::newRow("above the table has no larger value")
        << QStringList{"100", "5", "2.2", "0.001"} << QString()
        << QStringLiteral("10000000 اهم  (کوچکتر)");
    QTest::newRow("no finite resistor has neither")
        << QStringList{"12", "5", "2.2", "0"} << QString() << QString();
    QTest::newRow("invalid input keeps both")
        << QStringList{"12", "5", "2.2", "."} << larger51 << smaller47;
  }
  void standardRowsEmptyWhereTheTableEnds() {
    QFETCH(QStringList, boxes);
    const char* names[] = {"Vtdc", "LedCount", "VLed", "ALed"};
    for (int i = 0; i < 4; ++i)
      SetBox(names[i], boxes[i]);
    MessageWatch watch;
    ClickCalc(&watch);
    QTEST(TextOf("ResisPishLarg"), "larger");
    QTEST(TextOf("ResisPishSmall"), "smaller");
  }

  void spinButtonsStepAndGreyOutAtTheLimit() {
    SetBox("Vtdc", QStringLiteral("0.2"));
    ClickSpin("BtDownA");
    QCOMPARE(TextOf("Vtdc"), QStringLiteral("0.1"));
    QVERIFY(Get<PictureButton>("BtDownA")->isVisible());
    ClickSpin("BtDownA");
    QCOMPARE(TextOf("Vtdc"), QStringLiteral("0"));
    QVERIFY(!Get<PictureButton>("BtDownA")->isVisible());
    QVERIFY(Get<QLabel>("DownDisA")->isVisible());
    ClickSpin("BtUpA");
    QCOMPARE(TextOf("Vtdc"), QStringLiteral("0.1"));
    QVERIFY(Get<PictureButton>("BtDownA")->isVisible());
    QVERIFY(!Get<QLabel>("DownDisA")->isVisible());
    QVERIFY(!Get<QLabel>("UpDisA")->isVisible());

    SetBox("LedCount", QStringLiteral("2"));
    ClickSpin("BtDownB");
    QCOMPARE(TextOf("LedCount"), QStringLiteral("1"));
    QVERIFY(Get<QLabel>("DownDisB")->isVisible());
  }

  void spinDownBelowZeroLosesTheMinusInCleanedBoxes_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("after");
    QTest::newRow("supply") << "Vtdc"
                            << "BtDownA"
                            << "0.1";
    QTest::newRow("count") << "LedCount"
                           << "BtDownB"
                           << "1";
    QTest::newRow("LED voltage keeps it") << "VLed"
                                          << "BtDownC"
                                          << "-0.1";
    QTest::newRow("LED current keeps it") << "ALed"
                                          << "BtDownD"
                                          << "-1";
  }
  void spinDownBelowZeroLosesTheMinusInCleanedBoxes() {
    QFETCH(QString, box);
    QFETCH(QString, button);
    window_->findChild<QLineEdit*>(box)->setText(QStringLiteral("0"));
    QTest::mouseClick(window_->findChild<PictureButton*>(button), Qt::LeftButton);
    QTEST(window_->findChild<QLineEdit*>(box)->text(), "after");
  }

  void typingDoesNotReenableAGreyedDownButton() {
    SetBox("ALed", QStringLiteral("1"));
    ClickSpin("BtDownD");
    QVERIFY(!Get<PictureButton>("BtDownD")->isVisible());
    SetBox("ALed", QStringLiteral("30"));
    QTest::mouseClick(Get<QRadioButton>("Amp"), Qt::LeftButton);
    QVERIFY(!Get<PictureButton>("BtDownD")->isVisible());
  }

  void parallelMovesTheLedNamesOnly() {
    const QString caption = Get<QGroupBox>("Frame1")->title();
    Get<QComboBox>("SerMov")->setCurrentIndex(1);
    QCOMPARE(Get<QLabel>("D1L")->pos(), TwipPoint(1660, 6525));
    QCOMPARE(Get<QLabel>("DnL")->pos(), TwipPoint(3650, 6525));
    QVERIFY(Get<QLabel>("DnL")->alignment() & Qt::AlignRight);
    QVERIFY(ShowsPicture(Picture::ParallelN));
    QCOMPARE(Get<QGroupBox>("Frame1")->title(), caption);
    QCOMPARE(TextOf("ResisSH"), QStringLiteral("50"));
    ClickCalc();
    QCOMPARE(TextOf("ResisSH"), QStringLiteral("100"));
    QCOMPARE(TextOf("WatPish"), QStringLiteral("1 وات"));
    QCOMPARE(TextOf("ResisPishSmall"), QStringLiteral("91 اهم  (کوچکتر)"));
    Get<QComboBox>("SerMov")->setCurrentIndex(0);
    QCOMPARE(Get<QLabel>("D1L")->pos(), TwipPoint(1780, 6790));
    QVERIFY(Get<QLabel>("DnL")->alignment() & Qt::AlignHCenter);
  }

  void modeButtonsLoadTheirWorkedExample_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("vLed");
    QTest::addColumn<QString>("aLed");
    QTest::addColumn<QString>("solved");
    QTest::addColumn<bool>("standardRows");
    QTest::addColumn<int>("ratingTop");
    QTest::addColumn<QString>("label3");
    QTest::addColumn<QString>("label13");
    QTest::newRow("voltage") << "Volt"
                             << "50"
                             << "20"
                             << "2.2" << false << 1200 << "مقاومت هر شاخه LED :"
                             << "ولت";
    QTest::newRow("current") << "Amp"
                             << "2.2"
                             << "50"
                             << "20" << false << 1200 << "ولتاژ دو سر هر LED :"
                             << "ميلي آمپر";
    QTest::newRow("resistor") << "Resis"
                              << "2.2"
                              << "20"
                              << "50" << true << 1850 << "ولتاژ دو سر هر LED :"
                              << "اهم";
  }
  void modeButtonsLoadTheirWorkedExample() {
    QFETCH(QString, mode);
    SetBox("Vtdc", QStringLiteral("3"));
    SetBox("VLed", QStringLiteral("7"));
    QTest::mouseClick(window_->findChild<QRadioButton*>(mode), Qt::LeftButton);
    QCOMPARE(TextOf("Vtdc"), QStringLiteral("12"));
    QTEST(TextOf("VLed"), "vLed");
    QTEST(TextOf("ALed"), "aLed");
    QTEST(TextOf("ResisSH"), "solved");
    QCOMPARE(TextOf("WatSH"), QStringLiteral("220"));
    QTEST(Get<QLabel>("ResisPishLarg")->isVisible(), "standardRows");
    QTEST(Get<QLabel>("Label17")->isVisible(), "standardRows");
    QFETCH(int, ratingTop);
    QCOMPARE(Get<QLabel>("WatPish")->y(), Px(ratingTop));
    QCOMPARE(Get<QLabel>("Label7")->y(), Px(ratingTop));
    QTEST(TextOf("Label3"), "label3");
    QTEST(TextOf("Label13"), "label13");
    QCOMPARE(TextOf("WatPish"), QStringLiteral("1/4 وات"));  // untouched
  }

  void modeCaptionsFollowTheLanguageWords() {
    window_->SetLanguageWords(kEnglishWords);
    QTest::mouseClick(Get<QRadioButton>("Amp"), Qt::LeftButton);
    QCOMPARE(TextOf("Label4"), QStringLiteral("Resistor each branch LED :"));
    QCOMPARE(TextOf("Label11"), QStringLiteral("Ohm"));
    ClickCalc();
    QCOMPARE(TextOf("WatPish"), QStringLiteral("1/4 W"));
  }

  void resultBoxesTakeNoKeys() {
    auto* box = Get<QLineEdit>("WatSH");
    box->setFocus();
    box->setCursorPosition(0);
    QTest::keyClicks(box, QStringLiteral("99"));
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QStringLiteral("220"));
    QCOMPARE(box->cursorPosition(), 0);
  }

  void resultBoxesAreHookedAgainstRightClicksUntilClose() {
    auto* watSH = Get<QLineEdit>("WatSH");
    auto* resisSH = Get<QLineEdit>("ResisSH");
    QVERIFY(IsRightClickHooked(watSH));
    QVERIFY(IsRightClickHooked(resisSH));
    QVERIFY(!IsRightClickHooked(Get<QLineEdit>("Vtdc")));
    QTest::mouseClick(watSH, Qt::RightButton);  // no menu, nothing changes
    QCOMPARE(watSH->text(), QStringLiteral("220"));
    window_->close();
    QVERIFY(!IsRightClickHooked(watSH));
    QVERIFY(!IsRightClickHooked(resisSH));
  }

  void closingTheMainWindowEndsTheEventLoop() {
    QTimer::singleShot(0, window_.get(), [this] { window_->close(); });
    QTimer failSafe;
    bool timedOut = false;
    failSafe.singleShot(5000, [&] {
      timedOut = true;
      QCoreApplication::exit(1);
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!timedOut);
  }
};

QTEST_MAIN(MainFrmsTest)
#include "main_frms_test.moc"
