// The LED array window as a view of its model: keys and pastes reach the
// model, the design or the problem shows in the window's language with
// nothing stale left, and nothing overlaps or is cut off in any state.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "ui/led_array_picture.h"
#include "ui/led_array_window.h"
#include "ui/tests/gui_test_support.h"

using namespace kalvane;

Q_DECLARE_METATYPE(kalvane::Language)
Q_DECLARE_METATYPE(kalvane::test::PasteRoute)

class LedArrayWindowTest : public QObject {
  Q_OBJECT

  static QLineEdit* Box(const QWidget& window, const char* name) {
    return test::Get<QLineEdit>(window, QLatin1String(name));
  }
  // After the layouts have taken in the new texts, as they do before the
  // next paint.
  static void ExpectTidy(const QWidget& window) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QStringList problems = test::OverlapsAndCutOffs(window, {"Frame1", "Frame2", "Frame3"});
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
  }

 private slots:
  // Keys typed into one box, and what the results then show.
  void typedInputsShowTheirDesignOrProblem_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("shown");  // LKind1, LStandard1, LKind2, LTotalCurrent, message
    const auto en = Language::English, fa = Language::Persian;
    // The example's LEDs spread from 2.9 to 3.3 V.
    const QString kWorstCase = QStringLiteral(
        "In the worst case a string carries more than 10 % above the wanted current.");
    QTest::newRow("worked example")
        << en << "ArrCount"
        << "2 5"
        << QStringList{"8 strings of 3 LEDs", "150 Ohm (E24)", "1 string of 1 LED (remainder)",
                       "162.9 mA", kWorstCase};
    QTest::newRow("even split, no remainder")
        << en << "ArrCount"
        << "2 4" << QStringList{"8 strings of 3 LEDs", "150 Ohm (E24)", "", "144 mA", kWorstCase};
    QTest::newRow("Persian digits")
        << fa << "ArrCount"
        << "۲ ۴"
        << QStringList{
               "8 رشته 3 تايي", "150 اهم (E24)", "", "144 ميلي آمپر",
               "در بدترين حالت جريان يک رشته بيش از 10 درصد از جريان خواسته شده بالاتر است."};
    QTest::newRow("supply below one LED leaves nothing stale")
        << en << "ArrSupply"
        << "3"
        << QStringList{"", "", "", "",
                       "The supply cannot drive even one LED: it must be above the LED voltage."};
    QTest::newRow("empty box") << fa << "ArrCurrent"
                               << ""
                               << QStringList{"", "", "", "", "جريان هر LED: عددي وارد کنيد."};
    QTest::newRow("letters refused, Backspace kept")
        << en << "ArrSupply"
        << "1 x 2 5 BS"
        << QStringList{"8 strings of 3 LEDs", "150 Ohm (E24)", "1 string of 1 LED (remainder)",
                       "162.9 mA", kWorstCase};
    QTest::newRow("spread warns of the worst case")
        << en << "ArrSupplyTol"
        << "1 0"
        << QStringList{"12 strings of 2 LEDs", "300 Ohm (E24)", "1 string of 1 LED (remainder)",
                       "250.9 mA",
                       "In the worst case a string carries more than 10 % above the wanted "
                       "current."};
  }
  void typedInputsShowTheirDesignOrProblem() {
    QFETCH(Language, language);
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QStringList, shown);
    LedArrayWindow window(language, StandardSeries::E24);
    window.show();
    test::Retype(Box(window, qPrintable(box)), keys);
    const char* names[] = {"LKind1", "LStandard1", "LKind2", "LTotalCurrent", "LArrMessage"};
    for (int i = 0; i < 5; ++i)
      QCOMPARE(test::TextOf(window, QLatin1String(names[i])), shown[i]);
    auto* picture = test::Get<LedArrayPicture>(window, "ArrPicture");
    QCOMPARE(picture->Strings().size(), std::size_t(shown[0].isEmpty()   ? 0
                                                    : shown[2].isEmpty() ? 1
                                                                         : 2));
    ExpectTidy(window);
  }

  // Every route cleans the paste and keeps the box's limit.
  void pastesKeepTheLimit_data() {
    QTest::addColumn<test::PasteRoute>("route");
    QTest::newRow("Ctrl+V") << test::PasteRoute::CtrlV;
    QTest::newRow("Shift+Insert") << test::PasteRoute::ShiftInsert;
    QTest::newRow("menu") << test::PasteRoute::EditMenu;
  }
  void pastesKeepTheLimit() {
    QFETCH(test::PasteRoute, route);
    LedArrayWindow window(Language::English, StandardSeries::E24);
    window.show();
    QLineEdit* count = Box(window, "ArrCount");
    count->selectAll();
    test::PasteBy(route, count, QStringLiteral("\u200f۴ LEDs") + QString(1 << 20, u'7'));
    QCOMPARE(count->text(), QStringLiteral("4777"));
    QCOMPARE(test::TextOf(window, "LArrMessage"),
             QStringLiteral("Number of LEDs: type a value from 1 to 1000."));
  }

  void fixedCountAndSeriesFollowTheControls() {
    LedArrayWindow window(Language::English, StandardSeries::E96);
    window.show();
    QCOMPARE(test::TextOf(window, "LStandard1"), QStringLiteral("137 Ohm (E96)"));
    QLineEdit* perString = Box(window, "ArrPerString");
    QVERIFY(!perString->isEnabled());
    test::Retype(Box(window, "ArrHeadroom"), "3");
    QCOMPARE(perString->text(), QStringLiteral("2"));  // the automatic count
    test::Get<QCheckBox>(window, "ArrAuto")->setChecked(false);
    QVERIFY(perString->isEnabled());
    test::Retype(perString, "3");
    QCOMPARE(test::TextOf(window, "LKind1"), QStringLiteral("8 strings of 3 LEDs"));
    test::Retype(perString, "2");
    QCOMPARE(test::TextOf(window, "LKind1"), QStringLiteral("12 strings of 2 LEDs"));
    test::Get<QComboBox>(window, "ArrSeries")->setCurrentIndex(0);
    QCOMPARE(test::TextOf(window, "LStandard1"), QStringLiteral("330 Ohm (E6)"));
    QCOMPARE(test::TextOf(window, "LRange1"), QStringLiteral("13.64 to 23.48 mA"));
    ExpectTidy(window);
  }

  void aSwitchRewritesWhatItShows() {
    LedArrayWindow window(Language::Persian, StandardSeries::E24);
    window.show();
    QCOMPARE(window.layoutDirection(), Qt::RightToLeft);
    ExpectTidy(window);
    window.Retranslate(Language::English);
    QCOMPARE(window.windowTitle(), QStringLiteral("LED Array Designer"));
    QCOMPARE(window.layoutDirection(), Qt::LeftToRight);
    QCOMPARE(test::TextOf(window, "LKind2"), QStringLiteral("1 string of 1 LED (remainder)"));
    QCOMPARE(Box(window, "ArrSupply")->accessibleName(), QStringLiteral("Supply voltage (V)"));
    QCOMPARE(test::Get<LedArrayPicture>(window, "ArrPicture")->accessibleDescription(),
             QStringLiteral("8 strings of 3 LEDs, each with 150 Ohm; "
                            "1 string of 1 LED (remainder), with 470 Ohm"));
    ExpectTidy(window);
  }
};

QTEST_MAIN(LedArrayWindowTest)
#include "led_array_window_test.moc"
