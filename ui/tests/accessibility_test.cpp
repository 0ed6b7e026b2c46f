// Accessible names in the interface language, kept current through mode
// changes, band changes and language switches, and the keyboard's tab order.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "ui/colour_code_window.h"
#include "ui/main_window.h"
#include "ui/tests/gui_test_support.h"

using namespace kalvane;

class AccessibilityTest : public QObject {
  Q_OBJECT

  std::unique_ptr<MainWindow> main_;
  QWidget* Get(const char* name) { return main_->centralWidget()->findChild<QWidget*>(name); }

  QStringList TabOrder(QWidget* window, QWidget* first, int steps) {
    first->setFocus();
    QStringList names{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < steps; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      names << QApplication::focusWidget()->objectName();
    }
    Q_UNUSED(window);
    return names;
  }

 private slots:
  void init() { test::OpenFresh(main_); }
  void cleanup() { main_.reset(); }

  void mainWindowNamesFollowLanguageAndMode_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("persian");
    QTest::addColumn<QString>("english");
    test::AddTextRow("supply", {"Vtdc", "ولتاژ منبع تغذيه DC (ولت)", "Supply Voltage (V)"});
    test::AddTextRow("count",
                     {"LedCount", "تعداد LED سري شده (تعداد)", "Count of LEDs in series (pcs.)"});
    test::AddTextRow("result",
                     {"ResisSH", "مقاومت براي هر شاخه (اهم)", "Resistor for each branch (Ohm)"});
    test::AddTextRow(
        "spin up", {"BtUpA", "افزايش: ولتاژ منبع تغذيه DC (ولت)", "Increase: Supply Voltage (V)"});
    test::AddTextRow("spin down", {"BtDownD", "کاهش: جريان هر LED (ميلي آمپر)",
                                   "Decrease: Current of one LED (mA)"});
    test::AddTextRow("arrangement", {"SerMov", "نحوه اتصال LED ها", "LED arrangement"});
    test::AddTextRow("diagram", {"Image1", "نمودار مدار", "Circuit diagram"});
  }
  void mainWindowNamesFollowLanguageAndMode() {
    QFETCH(QString, control);
    QTEST(Get(control.toLatin1())->accessibleName(), "persian");
    main_->EnglishAction()->trigger();
    QTEST(Get(control.toLatin1())->accessibleName(), "english");
    main_->PersianAction()->trigger();
    QTEST(Get(control.toLatin1())->accessibleName(), "persian");
  }

  void boxNamesFollowTheirMeaningInEachMode() {
    main_->EnglishAction()->trigger();
    QTest::mouseClick(qobject_cast<QRadioButton*>(Get("Volt")), Qt::LeftButton);
    QCOMPARE(Get("VLed")->accessibleName(), QStringLiteral("Resistor each branch LED (Ohm)"));
    QCOMPARE(Get("ResisSH")->accessibleName(), QStringLiteral("Voltage across one LED (V)"));
  }

  void bandSelectorsSayTheirColour() {
    ColourCodeWindow window(WindowKind::FourBand, Language::English);
    QCOMPARE(window.EnglishSelector(0)->accessibleName(), QStringLiteral("Band 1: Brown"));
    QCOMPARE(window.EnglishSelector(3)->accessibleName(), QStringLiteral("Band 4: Gold"));
    window.EnglishSelector(0)->setCurrentIndex(3);
    QCOMPARE(window.EnglishSelector(0)->accessibleName(), QStringLiteral("Band 1: Yellow"));
    QCOMPARE(window.PersianSelector(0)->accessibleName(), QStringLiteral("Band 1: Yellow"));
    window.EnglishSelector(2)->setCurrentIndex(0);
    QCOMPARE(window.EnglishSelector(2)->accessibleName(), QStringLiteral("Band 3: Silver"));
    ColourCodeWindow persian(WindowKind::FourBand, Language::Persian);
    QCOMPARE(persian.PersianSelector(0)->accessibleName(), QStringLiteral("باند 1: قهوه اي"));
    QCOMPARE(persian.findChild<QLineEdit*>("ResisEnter")->accessibleName(),
             QStringLiteral("مقاومت به اهم"));
    // A switch renames the band pictures with the selectors.
    QCOMPARE(persian.findChild<QLabel*>("Color1")->accessibleName(),
             QStringLiteral("باند 1: قهوه اي"));
    persian.Retranslate(Language::English);
    QCOMPARE(persian.findChild<QLabel*>("Color1")->accessibleName(),
             QStringLiteral("Band 1: Brown"));
    QCOMPARE(persian.EnglishSelector(0)->accessibleName(), QStringLiteral("Band 1: Brown"));
  }

  void tabFollowsTheReadingOrder() {
    QCOMPARE(
        TabOrder(main_.get(), Get("SerMov"), 7),
        QStringList({"SerMov", "Resis", "Vtdc", "LedCount", "VLed", "ALed", "ResisSH", "WatSH"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Calc"));
  }

  void colourWindowTabsAcrossTheVisibleSetInReadingOrder_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("Persian, right to left")
        << "Persian"
        << QStringList{"BandTolerance_F", "Band3_F", "Band2_F", "Band1_F", "ResisEnter"};
    QTest::newRow("English, left to right")
        << "English"
        << QStringList{"Band1_E", "Band2_E", "Band3_E", "BandTolerance_E", "ResisEnter"};
  }
  void colourWindowTabsAcrossTheVisibleSetInReadingOrder() {
    QFETCH(QString, language);
    QFETCH(QStringList, order);
    ColourCodeWindow window(WindowKind::FourBand,
                            language == "English" ? Language::English : Language::Persian);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(TabOrder(&window, window.findChild<QWidget*>(order.front()), 4), order);
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
