// The SMD code window as a view of its model: keys and pastes reach the
// model, the readings, codes and messages show in the language of the
// window, and nothing overlaps or is cut off in any state.
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "ui/smd_code_window.h"
#include "ui/tests/gui_test_support.h"

using namespace kalvane;

Q_DECLARE_METATYPE(kalvane::Language)
Q_DECLARE_METATYPE(kalvane::test::PasteRoute)

class SmdCodeWindowTest : public QObject {
  Q_OBJECT

  static QLineEdit* Box(const SmdCodeWindow& window, const char* name) {
    return test::Get<QLineEdit>(window, QLatin1String(name));
  }

 private slots:
  // What typed codes and values show, in both languages.
  void typedTextsShowTheirReadingOrMessage_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("codes");  // 3-digit, 4-digit, EIA-96, then the message
    const auto en = Language::English, fa = Language::Persian;
    QTest::newRow("jumper") << en << "0"
                            << "0 Ohm (jumper)"
                            << "0" << QStringList{"000", "0000", "no code", "= 0 Ohm"};
    QTest::newRow("EIA-96") << en << "6 8 X"
                            << "49.9 Ohm (EIA-96)"
                            << "4 . 7 5 k" << QStringList{"no code", "4751", "66B", "= 4.75 K Ohm"};
    QTest::newRow("no such index") << en << "9 7 A"
                                   << "EIA-96 numbers run from 01 to 96."
                                   << "1 0 k" << QStringList{"103", "1002", "01C", "= 10 K Ohm"};
    QTest::newRow("two Rs") << en << "4 R 7 R"
                            << "A code holds at most one R."
                            << "4 . 7 x"
                            << QStringList{"", "", "", "Only R, k or M may follow the number."};
    QTest::newRow("Persian digits")
        << fa << "۴ ۷ ۲"
        << "4.7 کيلو اهم (سه رقمي)"
        << "۴ k ۷" << QStringList{"472", "4701", "بدون کد", "برابر 4.7 کيلو اهم"};
    QTest::newRow("empty") << fa << ""
                           << "کد چاپ شده روي مقاومت را وارد کنيد، مثلا 472 يا 01C."
                           << ""
                           << QStringList{"", "", "",
                                          "مقدار را به اهم وارد کنيد، مثلا 4700 يا 4k7."};
  }
  void typedTextsShowTheirReadingOrMessage() {
    QFETCH(Language, language);
    SmdCodeWindow window(language);
    window.show();
    QFETCH(QString, code);
    QFETCH(QString, value);
    test::Retype(Box(window, "CodeEnter"), code);
    test::Retype(Box(window, "ValueEnter"), value);
    QTEST(test::TextOf(window, "LReading"), "reading");
    QFETCH(QStringList, codes);
    const char* shown[] = {"LThreeCode", "LFourCode", "LEiaCode", "LValueMessage"};
    for (int i = 0; i < 4; ++i)
      QCOMPARE(test::TextOf(window, QLatin1String(shown[i])), codes[i]);
    const QStringList problems = test::OverlapsAndCutOffs(window, {});
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
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
    SmdCodeWindow window(Language::English);
    window.show();
    QLineEdit* code = Box(window, "CodeEnter");
    code->selectAll();
    test::PasteBy(route, code, QStringLiteral("\u200f47") + QString(1 << 20, u'G'));
    QCOMPARE(code->text(), QStringLiteral("47GG"));
    QVERIFY(test::TextOf(window, "LReading").startsWith(QStringLiteral("No code uses")));
  }

  void aSwitchRewritesWhatItShows() {
    SmdCodeWindow window(Language::Persian);
    window.Retranslate(Language::English);
    QCOMPARE(window.windowTitle(), QStringLiteral("SMD Resistor Code Calculation"));
    QCOMPARE(test::TextOf(window, "LReading"), QStringLiteral("4.7 K Ohm (3-digit)"));
    QCOMPARE(window.layoutDirection(), Qt::LeftToRight);
    QCOMPARE(Box(window, "CodeEnter")->accessibleName(), QStringLiteral("Code on the resistor"));
  }
};

QTEST_MAIN(SmdCodeWindowTest)
#include "smd_code_window_test.moc"
