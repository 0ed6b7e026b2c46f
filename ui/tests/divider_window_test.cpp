// The divider / regulator window as a view of its model: keys and pastes
// reach the model, the pairs, the message and the picture show in the
// language of the window, a picked row is drawn, and nothing overlaps or is
// cut off in any state.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "i18n/divider_texts.h"
#include "ui/divider_window.h"
#include "ui/tests/gui_test_support.h"

using namespace kalvane;

Q_DECLARE_METATYPE(kalvane::Language)
Q_DECLARE_METATYPE(kalvane::test::PasteRoute)

class DividerWindowTest : public QObject {
  Q_OBJECT

  static QLineEdit* Box(const DividerWindow& window, const QString& name) {
    return test::Get<QLineEdit>(window, name);
  }
  static QTableWidget* Table(const DividerWindow& window) {
    return test::Get<QTableWidget>(window, QStringLiteral("ResultTable"));
  }
  static void ExpectNothingOverlaps(const DividerWindow& window) {
    const QStringList problems = test::OverlapsAndCutOffs(window, {});
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
  }

 private slots:
  // What typing into a box shows, in both languages and both modes.
  void typedTextsShowPairsOrAMessage_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<bool>("regulator");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("kept");  // what the box holds afterwards
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("rows");
    const auto en = Language::English, fa = Language::Persian;
    QTest::newRow("a new Vin") << en << false << "VinEnter"
                               << "1 2"
                               << "12"
                               << "Output asked for: 3.3 V; the best pair comes first. Pick a "
                                  "row to draw it."
                               << 12;
    QTest::newRow("Vout above Vin") << en << false << "TargetEnter"
                                    << "1 2"
                                    << "12"
                                    << "Output voltage Vout (V): Vout must be below Vin." << 0;
    QTest::newRow("empty Vin") << en << false << "VinEnter"
                               << ""
                               << ""
                               << "Input voltage Vin (V): type a number, e.g. 5." << 0;
    QTest::newRow("a load of nothing")
        << en << false << "LoadEnter"
        << "0"
        << "0"
        << "Load on the output (Ohm, optional): a load of 0 Ohm shorts the output." << 0;
    QTest::newRow("a bad exclusion")
        << en << false << "ExcludeEnter"
        << "1 k , x"
        << "1k,x"
        << "Values to leave out: entry 2 is not a resistance (e.g. 4k7); separate entries with "
           "commas or spaces."
        << 0;
    QTest::newRow("Persian digits and separator")
        << fa << false << "VinEnter"
        << "۱ ۲ ٫ ۵"
        << "12.5"
        << "ولتاژ خروجي خواسته شده: \u200E3.3 V\u200E؛ بهترين جفت اول است. براي نمايش، يک رديف را "
           "انتخاب "
           "کنيد."
        << 12;
    QTest::newRow("regulator below Vref")
        << fa << true << "RegVoutEnter"
        << "1"
        << "1"
        << "ولتاژ خروجي Vout (ولت): Vout بايد بيشتر از Vref باشد." << 0;
    QTest::newRow("regulator range upside down")
        << en << true << "R2MaxEnter"
        << "1 0"
        << "10"
        << "R2 (Ohm) to: the upper end is below the lower end." << 0;
    QTest::newRow("a switching regulator's feedback")
        << en << true << "IadjEnter"
        << "0"
        << "0"
        << "Output asked for: 5 V; the best pair comes first. Pick a row to draw it." << 12;
  }
  void typedTextsShowPairsOrAMessage() {
    QFETCH(Language, language);
    DividerWindow window(language);
    window.show();
    QFETCH(bool, regulator);
    if (regulator)
      test::Get<QRadioButton>(window, QStringLiteral("ModeRegulator"))->click();
    QFETCH(QString, box);
    QFETCH(QString, keys);
    test::Retype(Box(window, box), keys);
    QTEST(Box(window, box)->text(), "kept");
    QTEST(test::TextOf(window, QStringLiteral("LMessage")), "message");
    QTEST(Table(window)->rowCount(), "rows");
    ExpectNothingOverlaps(window);
  }

  // The window opens with a result, the best pair drawn; a picked row is
  // drawn instead.
  void aPickedRowIsDrawn() {
    DividerWindow window(Language::English);
    window.show();
    QTableWidget* table = Table(window);
    QCOMPARE(table->rowCount(), 12);
    const auto description = [&window] {
      return test::Get<QWidget>(window, QStringLiteral("DividerPicture"))->accessibleDescription();
    };
    const DividerPair best = window.Model().Pairs()->front();
    QCOMPARE(description(), QStringLiteral("Vin = 5 V, R1 = %1, R2 = %2, Vout = %3")
                                .arg(QString::fromStdString(OhmsText(best.r1)),
                                     QString::fromStdString(OhmsText(best.r2)),
                                     QString::fromStdString(VoltsText(best.vout))));
    table->setCurrentCell(4, 2);
    QCOMPARE(window.Model().SelectedRow(), 4u);
    QVERIFY(description().contains(table->item(4, 0)->text()));
    QVERIFY(description().contains(table->item(4, 1)->text()));
    // A new text searches again: no row of the old pairs stays picked.
    test::Retype(Box(window, QStringLiteral("TargetEnter")), QStringLiteral("2 . 5"));
    QCOMPARE(table->currentRow(), 0);
    QCOMPARE(table->item(0, 3)->text(), QStringLiteral("exact"));
  }

  void theSeriesAndTheRatioSearchAgain() {
    DividerWindow window(Language::English, StandardSeries::E6);
    window.show();
    auto* series = test::Get<QComboBox>(window, QStringLiteral("SeriesList"));
    QCOMPARE(series->currentText(), QStringLiteral("E6"));
    series->setCurrentIndex(5);
    QCOMPARE(window.Model().Series(), StandardSeries::E192);
    test::Get<QComboBox>(window, QStringLiteral("TargetKind"))->setCurrentIndex(1);
    test::Retype(Box(window, QStringLiteral("TargetEnter")), QStringLiteral("0 . 5"));
    QCOMPARE(window.Model().WantedVout(), 2.5);
    QCOMPARE(Box(window, QStringLiteral("TargetEnter"))->accessibleName(),
             QStringLiteral("Ratio Vout / Vin"));
    test::Retype(Box(window, QStringLiteral("TargetEnter")), QStringLiteral("2"));
    QCOMPARE(test::TextOf(window, QStringLiteral("LMessage")),
             QStringLiteral("Ratio Vout / Vin: the ratio lies between 0 and 1."));
  }

  // Every route keeps the box's limit; letters stay to be named.
  void pastesKeepTheLimit_data() {
    QTest::addColumn<test::PasteRoute>("route");
    QTest::newRow("Ctrl+V") << test::PasteRoute::CtrlV;
    QTest::newRow("Shift+Insert") << test::PasteRoute::ShiftInsert;
    QTest::newRow("menu") << test::PasteRoute::EditMenu;
  }
  void pastesKeepTheLimit() {
    QFETCH(test::PasteRoute, route);
    DividerWindow window(Language::English);
    window.show();
    QLineEdit* vin = Box(window, QStringLiteral("VinEnter"));
    vin->selectAll();
    test::PasteBy(route, vin, QStringLiteral("\u200f1\u066b2V") + QString(1 << 20, u'7'));
    QCOMPARE(vin->text(), QStringLiteral("1.2V777777"));
    QCOMPARE(test::TextOf(window, QStringLiteral("LMessage")),
             QStringLiteral("Input voltage Vin (V): this is not a number; type digits with at "
                            "most one point, e.g. 3.3."));
  }

  void bothModesFitInBothLanguages_data() {
    QTest::addColumn<Language>("language");
    QTest::newRow("Persian") << Language::Persian;
    QTest::newRow("English") << Language::English;
  }
  void bothModesFitInBothLanguages() {
    QFETCH(Language, language);
    DividerWindow window(language);
    window.show();
    ExpectNothingOverlaps(window);
    test::Get<QRadioButton>(window, QStringLiteral("ModeRegulator"))->click();
    QVERIFY(Box(window, QStringLiteral("VrefEnter"))->isVisible());
    QVERIFY(!Box(window, QStringLiteral("VinEnter"))->isVisible());
    QCOMPARE(Table(window)->rowCount(), 12);
    ExpectNothingOverlaps(window);
  }

  void aSwitchRewritesWhatItShows() {
    DividerWindow window(Language::Persian);
    QCOMPARE(window.layoutDirection(), Qt::RightToLeft);
    window.Retranslate(Language::English);
    QCOMPARE(window.windowTitle(),
             QStringLiteral("Voltage Divider and Adjustable Regulator Resistors"));
    QCOMPARE(window.layoutDirection(), Qt::LeftToRight);
    QCOMPARE(Box(window, QStringLiteral("VinEnter"))->accessibleName(),
             QStringLiteral("Input voltage Vin (V)"));
    QCOMPARE(Box(window, QStringLiteral("TotalMaxEnter"))->accessibleName(),
             QStringLiteral("R1 + R2 (Ohm) to"));
    QCOMPARE(Table(window)->horizontalHeaderItem(3)->text(), QStringLiteral("Error"));
    QVERIFY(test::TextOf(window, QStringLiteral("LMessage")).startsWith("Output asked for"));
  }

  // The numbers of the table and the picture, written the same in both
  // languages but for the word for an exact match.
  void numbersAreWrittenWithTheirUnits_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const std::string& written, const char* expected) {
      QTest::newRow(name) << QString::fromStdString(written) << QString::fromUtf8(expected);
    };
    row("ohms", OhmsText(470), "470 Ω");
    row("kilo-ohms", OhmsText(1800), "1.8 kΩ");
    row("mega-ohms", OhmsText(2.2e6), "2.2 MΩ");
    row("below ten ohms", OhmsText(4.7), "4.7 Ω");
    row("volts keep four digits", VoltsText(3.3), "3.300 V");
    row("volts rounded", VoltsText(12.046), "12.05 V");
    row("milliamperes", AmpsText(1.6667e-3), "1.67 mA");
    row("microamperes", AmpsText(8.5e-4), "850 µA");
    row("amperes", AmpsText(1.2), "1.2 A");
    row("nanoamperes", AmpsText(5e-8), "50 nA");
    row("exact", RelativeErrorText(0, Language::English), "exact");
    row("exact in Persian", RelativeErrorText(0, Language::Persian), "دقيق");
    row("percent", RelativeErrorText(0.0034, Language::English), "+0.34 %");
    row("a hundredth of a percent", RelativeErrorText(1e-4, Language::English), "+0.01 %");
    row("ppm below it", RelativeErrorText(-2.5e-5, Language::Persian), "-25 ppm");
    DividerPair pair;
    pair.voutLow = 3.19;
    pair.voutHigh = 3.4;
    row("a worst-case range keeps its zeros", PairRowTexts(pair, Language::English)[5],
        "3.190 – 3.400 V");
  }
  void numbersAreWrittenWithTheirUnits() {
    QFETCH(QString, written);
    QTEST(written, "expected");
  }

  void tabRunsDownTheBoxes() {
    DividerWindow window(Language::English);
    const QStringList expected = {"VinEnter",  "TargetKind",    "TargetEnter",
                                  "LoadEnter", "TotalMinEnter", "TotalMaxEnter"};
    QWidget* at = Box(window, expected.front());
    for (const QString& name : expected.mid(1)) {
      at = at->nextInFocusChain();
      while (at->focusPolicy() == Qt::NoFocus)
        at = at->nextInFocusChain();
      QCOMPARE(at->objectName(), name);
    }
  }
};

QTEST_MAIN(DividerWindowTest)
#include "divider_window_test.moc"
