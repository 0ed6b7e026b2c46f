// The network finder window as a view of its model: keys and pastes reach
// the model, each count's network, value and error show in the window's
// language, nothing stale stays on screen, a picked runner-up is drawn, and
// nothing overlaps or is cut off. Searches are run with SearchNow, never
// waited for.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "i18n/network_finder_texts.h"
#include "ui/network_finder_window.h"
#include "ui/network_schematic.h"
#include "ui/tests/gui_test_support.h"

using namespace kalvane;

Q_DECLARE_METATYPE(kalvane::Language)
Q_DECLARE_METATYPE(kalvane::test::PasteRoute)

class NetworkFinderWindowTest : public QObject {
  Q_OBJECT

  static QLineEdit* Box(const NetworkFinderWindow& window, const char* name) {
    return test::Get<QLineEdit>(window, QLatin1String(name));
  }

 private slots:
  void typedTargetsShowNetworksOrAMessage_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("value1");  // LValue1
    QTest::addColumn<QString>("message");
    const auto en = Language::English, fa = Language::Persian;
    QTest::newRow("exact with one") << en << "4 k 7"
                                    << "= 4.7 K Ohm  (exact)"
                                    << "1 resistor is already within a tenth of E24's tolerance "
                                       "(0.5 %): more buy nothing.";
    QTest::newRow("unknown unit") << en << "4 m 7"
                                  << ""
                                  << "Only R, k or M may follow the number.";
    QTest::newRow("Persian digits")
        << fa << "۱ ۰ k"
        << "= 10 کيلو اهم  (\u202Aدقيق\u202C)"
        << "1 مقاومت همين حالا در يک دهم تلورانس \u202AE24 (0.5 %)\u202C است؛ "
           "مقاومت بيشتر سودي ندارد.";
    QTest::newRow("empty") << fa << ""
                           << ""
                           << "مقدار مورد نظر را به اهم وارد کنيد، مثلا 3300 يا 3k3.";
  }
  void typedTargetsShowNetworksOrAMessage() {
    QFETCH(Language, language);
    QFETCH(QString, keys);
    NetworkFinderWindow window(language);
    window.show();
    test::Retype(Box(window, "TargetEnter"), keys);
    window.SearchNow();
    QTEST(test::TextOf(window, "LValue1"), "value1");
    QTEST(test::TextOf(window, "LMessage"), "message");
    const QStringList problems = test::OverlapsAndCutOffs(window, {});
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
  }

  // Between a key and its search's results no earlier result shows.
  void aNewTextClearsTheOldNetworksAtOnce() {
    NetworkFinderWindow window(Language::English);
    window.show();
    window.SearchNow();
    QVERIFY(!test::TextOf(window, "LValue4").isEmpty());
    test::Retype(Box(window, "TargetEnter"), QStringLiteral("2 2 k"));
    for (const char* value : {"LValue1", "LValue2", "LValue3", "LValue4"})
      QCOMPARE(test::TextOf(window, QLatin1String(value)), QString());
    QVERIFY(!test::Get<NetworkSchematic>(window, "Schematic2")->Shown().has_value());
    QCOMPARE(test::TextOf(window, "LMessage"), QStringLiteral("Searching..."));
    window.SearchNow();
    QCOMPARE(test::TextOf(window, "LValue1"), QStringLiteral("= 22 K Ohm  (exact)"));
  }

  void pickingARunnerUpDrawsIt() {
    NetworkFinderWindow window(Language::English);
    window.show();
    window.SearchNow();
    auto* pick = test::Get<QComboBox>(window, "Pick3");
    QCOMPARE(pick->count(), 5);
    pick->setCurrentIndex(2);
    emit pick->activated(2);
    const Network& third = (*window.Model().Results())[2].networks[2];
    QCOMPARE(*test::Get<NetworkSchematic>(window, "Schematic3")->Shown(), third);
    QCOMPARE(test::TextOf(window, "LValue3"),
             QString::fromStdString(NetworkValueText(third, Language::English)));
    QCOMPARE(pick->currentIndex(), 2);
  }

  void aStockListLimitsTheValues() {
    NetworkFinderWindow window(Language::English);
    window.show();
    test::Get<QRadioButton>(window, "StockMode")->click();
    QCOMPARE(Box(window, "ListEnter")->accessibleName(), QStringLiteral("Values in stock"));
    QCOMPARE(test::TextOf(window, "LMessage"),
             QStringLiteral("List the values you have, e.g. 100 220 1k."));
    test::Retype(Box(window, "ListEnter"), QStringLiteral("1 0 0 ، 2 2 0"));
    QCOMPARE(Box(window, "ListEnter")->text(), QStringLiteral("100,220"));
    window.SearchNow();
    for (const CountResult& count : *window.Model().Results()) {
      for (const Network& network : count.networks) {
        for (int r = 0; r < ResistorCount(network.shape); ++r)
          QVERIFY(network.ohms[static_cast<std::size_t>(r)] == 100 ||
                  network.ohms[static_cast<std::size_t>(r)] == 220);
      }
    }
    test::Retype(Box(window, "ListEnter"), QStringLiteral("1 0 0 , x"));
    QCOMPARE(test::TextOf(window, "LMessage"),
             QStringLiteral("Entry 2 of the list: not a resistance."));
  }

  void pastesKeepTheLimit_data() {
    QTest::addColumn<test::PasteRoute>("route");
    QTest::newRow("Ctrl+V") << test::PasteRoute::CtrlV;
    QTest::newRow("Shift+Insert") << test::PasteRoute::ShiftInsert;
    QTest::newRow("menu") << test::PasteRoute::EditMenu;
  }
  void pastesKeepTheLimit() {
    QFETCH(test::PasteRoute, route);
    NetworkFinderWindow window(Language::English);
    window.show();
    QLineEdit* target = Box(window, "TargetEnter");
    target->selectAll();
    test::PasteBy(route, target, QStringLiteral("\u200f33") + QString(1 << 20, u'0'));
    QCOMPARE(target->text(), QStringLiteral("330000000000"));
  }

  void aSwitchRewritesWhatItShows() {
    NetworkFinderWindow window(Language::Persian);
    window.SearchNow();
    QCOMPARE(window.layoutDirection(), Qt::RightToLeft);
    window.Retranslate(Language::English);
    QCOMPARE(window.windowTitle(), QStringLiteral("Resistor Network Finder"));
    QCOMPARE(window.layoutDirection(), Qt::LeftToRight);
    QCOMPARE(Box(window, "TargetEnter")->accessibleName(),
             QStringLiteral("Wanted resistance (Ohm)"));
    QVERIFY(test::TextOf(window, "LValue1").endsWith(QStringLiteral(" %)")));
  }

  // The error as the lists and the value lines write it.
  void errorsReadInPercentPpmOrExact_data() {
    QTest::addColumn<double>("error");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("persian");
    QTest::newRow("zero") << 0.0 << "exact"
                          << "دقيق";
    QTest::newRow("percent") << 0.012345 << "+1.23 %"
                             << "+1.23 %";
    QTest::newRow("small percent") << -0.000125 << "-0.0125 %"
                                   << "-0.0125 %";
    QTest::newRow("ppm below 0.01 %") << 0.0000987654 << "+98.8 ppm"
                                      << "+98.8 ppm";
    QTest::newRow("tiny") << -2.5e-11 << "-2.5E-05 ppm"
                          << "-2.5E-05 ppm";
  }
  void errorsReadInPercentPpmOrExact() {
    QFETCH(double, error);
    QTEST(QString::fromStdString(ErrorText(error, Language::English)), "english");
    QTEST(QString::fromStdString(ErrorText(error, Language::Persian)), "persian");
  }
};

QTEST_MAIN(NetworkFinderWindowTest)
#include "network_finder_window_test.moc"
