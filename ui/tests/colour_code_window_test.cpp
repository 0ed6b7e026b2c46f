// The colour-code windows as views of their model, driven as a user would:
// what they show at load, picks in either selector set, the 4-band
// write-back with its caret, keys and pastes by every route, the selectors'
// key and menu rules, and opening through the main window's menu in either
// language. The model's own rules are tested in the core.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "ui/colour_code_window.h"
#include "ui/main_window.h"
#include "ui/tests/gui_test_support.h"
#include "widgets/dis_rclick_combo.h"

using namespace kalvane;

Q_DECLARE_METATYPE(WindowKind)
Q_DECLARE_METATYPE(kalvane::Language)
Q_DECLARE_METATYPE(kalvane::test::PasteRoute)

namespace {

std::unique_ptr<ColourCodeWindow> Open(WindowKind kind, Language language = Language::Persian) {
  auto window = std::make_unique<ColourCodeWindow>(kind, language);
  window->setAttribute(Qt::WA_DeleteOnClose, false);
  window->show();
  return window;
}

QList<int> Positions(const ColourCodeWindow& window, bool english = false) {
  QList<int> positions;
  for (int band = 0; band < window.BandCount(); ++band) {
    positions
        << (english ? window.EnglishSelector(band) : window.PersianSelector(band))->currentIndex();
  }
  return positions;
}

QString TextOf(const QWidget& window, const char* name) {
  return test::TextOf(window, QLatin1String(name));
}

QLineEdit* Entry(const QWidget& window) {
  return window.findChild<QLineEdit*>("ResisEnter");
}

// Closes the next modal window once it shows, after running `act` on it.
void WhenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
      return;
    act(modal);
    modal->close();
  });
}

}  // namespace

class ColourWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensWithTheDefaultBands_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QString>("tolerance");
    QTest::newRow("4-band") << WindowKind::FourBand << QList<int>{0, 0, 1, 1} << "±5%";
    QTest::newRow("5-band") << WindowKind::FiveBand << QList<int>{0, 0, 0, 0, 0} << "±1%";
    QTest::newRow("6-band") << WindowKind::SixBand << QList<int>{0, 0, 0, 0, 0, 1} << "±1%";
  }
  void opensWithTheDefaultBands() {
    QFETCH(WindowKind, kind);
    auto window = Open(kind);
    QTEST(Positions(*window), "positions");
    QTEST(Positions(*window, true), "positions");
    QCOMPARE(TextOf(*window, "LResValE"), QStringLiteral("1 Ohm"));
    QCOMPARE(TextOf(*window, "LResValF"), QStringLiteral("1 اهم"));
    QTEST(TextOf(*window, "LToler"), "tolerance");
    QCOMPARE(TextOf(*window, "ResisEnter"), QStringLiteral("1"));
    QCOMPARE(window->Model().State().ComputeCount() > 0, true);
    for (int band = 0; band < window->BandCount(); ++band) {
      QCOMPARE(window->EnglishSelector(band)->palette().color(QPalette::Button),
               window->PersianSelector(band)->palette().color(QPalette::Button));
      QVERIFY(window->PersianSelector(band)->isVisible());
      QVERIFY(!window->EnglishSelector(band)->isVisible());
    }
    QVERIFY(window->minimumSize() == window->maximumSize());
  }

  void nothingOverlapsOrIsCutOff_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<Language>("language");
    QTest::newRow("4-band Persian") << WindowKind::FourBand << Language::Persian;
    QTest::newRow("4-band English") << WindowKind::FourBand << Language::English;
    QTest::newRow("5-band Persian") << WindowKind::FiveBand << Language::Persian;
    QTest::newRow("5-band English") << WindowKind::FiveBand << Language::English;
    QTest::newRow("6-band Persian") << WindowKind::SixBand << Language::Persian;
    QTest::newRow("6-band English") << WindowKind::SixBand << Language::English;
  }
  void nothingOverlapsOrIsCutOff() {
    QFETCH(WindowKind, kind);
    QFETCH(Language, language);
    auto window = Open(kind, language);
    for (int band = 0; band < window->BandCount(); ++band) {  // the widest items
      window->PersianSelector(band)->setCurrentIndex(window->PersianSelector(band)->count() - 1);
    }
    const QStringList problems = test::OverlapsAndCutOffs(*window, {"Image6"});
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
  }

  void sixBandShowsTheTemperatureCoefficient() {
    auto window = Open(WindowKind::SixBand, Language::English);
    QCOMPARE(window->objectName(), QStringLiteral("Calc6Band"));
    QCOMPARE(TextOf(*window, "LTempCo"), QStringLiteral("100 ppm/K"));
    window->EnglishSelector(5)->setCurrentIndex(3);  // Orange
    QCOMPARE(TextOf(*window, "LTempCo"), QStringLiteral("15 ppm/K"));
    QCOMPARE(window->PersianSelector(5)->currentIndex(), 3);
    QCOMPARE(window->findChild<QLabel*>("ColorTC")->accessibleName(),
             QStringLiteral("Band 6: Orange"));
    QCOMPARE(TextOf(*window, "LResValE"), QStringLiteral("1 Ohm"));
    window->Retranslate(Language::Persian);
    QCOMPARE(window->findChild<QGroupBox*>("Frame4")->title(), QStringLiteral(" ضريب دمايي "));
  }

  void fourBandWritesTheValueBackWithTheCaretAtTheEnd() {
    auto window = Open(WindowKind::FourBand);
    window->PersianSelector(0)->setCurrentIndex(3);  // Yellow
    window->PersianSelector(1)->setCurrentIndex(7);  // Violet
    window->PersianSelector(2)->setCurrentIndex(4);  // Red, x100
    QCOMPARE(Entry(*window)->text(), QStringLiteral("4700"));
    QCOMPARE(Entry(*window)->cursorPosition(), 4);
    QCOMPARE(TextOf(*window, "LResValE"), QStringLiteral("4.7 K Ohm"));
    QCOMPARE(TextOf(*window, "LResValF"), QStringLiteral("4.7 کيلو اهم"));
  }

  void fiveBandLeavesTheTypedBoxAlone() {
    auto window = Open(WindowKind::FiveBand);
    window->PersianSelector(3)->setCurrentIndex(5);  // Orange, x1000
    QCOMPARE(Entry(*window)->text(), QStringLiteral("1"));
    QCOMPARE(TextOf(*window, "LResValE"), QStringLiteral("100 K Ohm"));
  }

  void englishPicksActLikePersianPicks() {
    auto window = Open(WindowKind::FourBand, Language::English);
    QVERIFY(window->EnglishSelector(0)->isVisible());
    window->EnglishSelector(1)->setCurrentIndex(6);  // Blue
    QCOMPARE(window->PersianSelector(1)->currentIndex(), 6);
    QCOMPARE(TextOf(*window, "LResValE"), QStringLiteral("1.6 Ohm"));
    for (QComboBox* selector : {window->PersianSelector(1), window->EnglishSelector(1)}) {
      QCOMPARE(selector->palette().color(QPalette::Button), QColor(0, 0, 255));
      QCOMPARE(selector->palette().color(QPalette::ButtonText), QColor(255, 255, 255));
    }
    QCOMPARE(window->EnglishSelector(1)->currentText(), QStringLiteral("6-Blue"));
  }

  void aTypedValueColoursTheEnglishSelectors() {
    auto window = Open(WindowKind::FourBand, Language::English);
    Entry(*window)->selectAll();
    QTest::keyClicks(Entry(*window), QStringLiteral("68"));
    QCOMPARE(Positions(*window, true), (QList<int>{5, 8, 2, 1}));
    QCOMPARE(window->EnglishSelector(1)->palette().color(QPalette::Button), QColor(128, 128, 128));
  }

  void toleranceChangesOnlyTheToleranceCaption() {
    auto window = Open(WindowKind::FourBand);
    auto* strip = window->findChild<QLabel*>("ColorToler");
    const qint64 before = strip->pixmap().cacheKey();
    window->PersianSelector(3)->setCurrentIndex(5);  // Blue, 0.25
    QCOMPARE(TextOf(*window, "LToler"), QStringLiteral("±0.25%"));
    QCOMPARE(TextOf(*window, "LResValE"), QStringLiteral("1 Ohm"));
    QCOMPARE(Entry(*window)->text(), QStringLiteral("1"));
    QVERIFY(strip->pixmap().cacheKey() != before);
  }

  void selectorsTakeNoTypedCharactersAndOpenNoMenu() {
    auto window = Open(WindowKind::FourBand);
    QComboBox* selector = window->PersianSelector(1);
    selector->setFocus();
    QTest::keyClicks(selector, QStringLiteral("5bW 9"));
    QCOMPARE(selector->currentIndex(), 0);
    QTest::keyClick(selector, Qt::Key_Down);  // the arrow keys still choose
    QCOMPARE(selector->currentIndex(), 1);
    // Every list of both sets is hooked against the context menu while the
    // window is loaded, and unhooked when it closes.
    std::vector<QWidget*> editParts;
    for (int band = 0; band < window->BandCount(); ++band) {
      editParts.push_back(FindEditChild(window->PersianSelector(band)));
      editParts.push_back(FindEditChild(window->EnglishSelector(band)));
    }
    for (QWidget* part : editParts)
      QVERIFY(IsNoContextMenuHooked(part));
    window->close();
    for (QWidget* part : editParts)
      QVERIFY(!IsNoContextMenuHooked(part));
  }

  void listsDropDownWithoutAScrollBar() {
    auto window = Open(WindowKind::FiveBand);
    for (int band = 0; band < window->BandCount(); ++band) {
      QComboBox* selector = window->PersianSelector(band);
      QCOMPARE(selector->maxVisibleItems(), selector->count());
    }
  }

  // Keys reach the model and the box shows what it made of them after each
  // one, the 4-band write-back and the cut of a digit included. The model's
  // tests hold the worked sequences in full.
  void typedSequences_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("boxAfterEachKey");
    QTest::addColumn<QList<int>>("bands");
    const auto four = WindowKind::FourBand, five = WindowKind::FiveBand;
    QTest::newRow("4 a zero") << four << "470" << QStringList{"4", "47", "470"}
                              << QList<int>{3, 7, 3, 1};
    QTest::newRow("4 third digit cut")
        << four << "475" << QStringList{"4", "47", "47"} << QList<int>{3, 7, 2, 1};
    QTest::newRow("4 below one") << four << "0.47" << QStringList{"0", "0.", "0.4", "0.47"}
                                 << QList<int>{3, 7, 0, 1};
    QTest::newRow("4 leading point removed")
        << four << ".5" << QStringList{"", "5"} << QList<int>{4, 0, 1, 1};
    QTest::newRow("5 two decimals")
        << five << "4.75" << QStringList{"4", "4.", "4.7", "4.75"} << QList<int>{3, 7, 5, 0, 0};
    QTest::newRow("5 Persian digits")
        << five << "۴۷" << QStringList{"4", "47"} << QList<int>{3, 7, 0, 1, 0};
    QTest::newRow("5 letters refused")
        << five << "4k7" << QStringList{"4", "4", "47"} << QList<int>{3, 7, 0, 1, 0};
  }
  // Pasted texts are read as typed ones, by every route: characters no key
  // could type are dropped, Persian and Arabic digits read as ASCII, the
  // rest cut at the box's limit, and then the same tests.
  void pastedTexts_data() {
    QTest::addColumn<test::PasteRoute>("route");
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QList<int>>("bands");
    const auto four = WindowKind::FourBand, five = WindowKind::FiveBand;
    using R = test::PasteRoute;
    for (auto [route, name] :
         {std::pair{R::CtrlV, "Ctrl+V"}, std::pair{R::ShiftInsert, "Shift+Insert"},
          std::pair{R::EditMenu, "menu"}}) {
      const QByteArray tag(name);
      QTest::newRow(tag + ": 5 Persian decimal") << route << five << "۴۷٫۵"
                                                 << "47.5" << QList<int>{3, 7, 5, 1, 0};
      QTest::newRow(tag + ": 4 letters dropped") << route << four << "abc47"
                                                 << "47" << QList<int>{3, 7, 2, 1};
      QTest::newRow(tag + ": 4 one megabyte cut at eight")
          << route << four << "47" + QString(1 << 20, u'0') << "47000000" << QList<int>{3, 7, 8, 1};
      QTest::newRow(tag + ": 4 nothing to paste") << route << four << ""
                                                  << "" << QList<int>{0, 0, 1, 1};
    }
  }
  void pastedTexts() {
    QFETCH(test::PasteRoute, route);
    QFETCH(WindowKind, kind);
    QFETCH(QString, pasted);
    auto window = Open(kind);
    QLineEdit* box = Entry(*window);
    box->selectAll();
    box->del();
    test::PasteBy(route, box, pasted);
    QTEST(box->text(), "box");
    QTEST(Positions(*window), "bands");
  }

  // Keys as a real X display sends them (Delete with U+007F, Backspace with
  // "\b"): in the typed box both edit.
  void typedBoxKeysCarryingTheirX11Texts_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("box");
    test::AddTextRow("Delete at the start", {"4 7 Home Del", "7"});
    test::AddTextRow("Delete in the middle", {"4 7 0 Left Left Del", "40"});
    test::AddTextRow("Backspace at the end", {"4 7 BS", "4"});
    test::AddTextRow("keypad Delete", {"4 7 Home KpDel", "7"});
    test::AddTextRow("select all and type over", {"4 7 ^A 1 5", "15"});
  }
  void typedBoxKeysCarryingTheirX11Texts() {
    auto window = Open(WindowKind::FourBand);
    QLineEdit* box = Entry(*window);
    box->setFocus();
    box->selectAll();
    box->del();
    QFETCH(QString, keys);
    test::PlayKeys(box, keys);
    QTEST(box->text(), "box");
  }

  void typedSequences() {
    QFETCH(WindowKind, kind);
    QFETCH(QString, keys);
    QFETCH(QStringList, boxAfterEachKey);
    auto window = Open(kind);
    QLineEdit* box = Entry(*window);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);  // emptied first, 1 Ohm still selected
    QCOMPARE(box->text(), QString());
    for (qsizetype i = 0; i < keys.size(); ++i) {
      const QChar key = keys[i];
      if (key.unicode() < 128) {
        QTest::keyClick(box, key.toLatin1());
      } else {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(key));
        QApplication::sendEvent(box, &press);
      }
      QVERIFY2(box->text() == boxAfterEachKey[i],
               qPrintable(QStringLiteral("after key %1: %2").arg(i + 1).arg(box->text())));
      QCOMPARE(box->cursorPosition(), box->text().size());
    }
    QTEST(Positions(*window), "bands");
    QTEST(Positions(*window, true), "bands");
  }

  // Escape closes a colour window as its close box does: unloaded, so the
  // next opening starts from the defaults.
  void escapeUnloadsTheWindowLikeTheCloseBox() {
    MainWindow main;
    main.show();
    QPointer<QWidget> closed;
    QTimer::singleShot(0, [&] {
      auto* window = qobject_cast<ColourCodeWindow*>(QApplication::activeModalWidget());
      QVERIFY(window);
      window->PersianSelector(0)->setCurrentIndex(8);
      closed = window;
      QTest::keyClick(window, Qt::Key_Escape);
    });
    main.Action(kFourBandItem)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(closed.isNull());
    QList<int> seenPositions;
    WhenModal([&](QWidget* modal) {
      seenPositions = Positions(*qobject_cast<ColourCodeWindow*>(modal));
    });
    main.Action(kFourBandItem)->trigger();
    QCOMPARE(seenPositions, (QList<int>{0, 0, 1, 1}));
  }

  void menuOpensAFreshWindowEachTimeInTheCurrentLanguage() {
    MainWindow main;
    main.show();
    QString seenTitle;
    QList<int> seenPositions;
    WhenModal([&](QWidget* modal) {
      auto* window = qobject_cast<ColourCodeWindow*>(modal);
      window->PersianSelector(0)->setCurrentIndex(8);
      seenTitle = window->windowTitle();
    });
    main.Action(kFourBandItem)->trigger();
    QCOMPARE(seenTitle, QStringLiteral(" محاسبه كد رنگي مقاومت هاي 4 باند"));
    WhenModal([&](QWidget* modal) {
      seenPositions = Positions(*qobject_cast<ColourCodeWindow*>(modal));
    });
    main.Action(kFourBandItem)->trigger();
    QCOMPARE(seenPositions, (QList<int>{0, 0, 1, 1}));  // closed, unloaded, loaded afresh

    main.EnglishAction()->trigger();  // converts the never-opened 5-band window too
    for (int opening = 0; opening < 2; ++opening) {
      bool englishShown = false;
      WhenModal([&](QWidget* modal) {
        auto* window = qobject_cast<ColourCodeWindow*>(modal);
        englishShown =
            window->EnglishSelector(0)->isVisible() && !window->PersianSelector(0)->isVisible() &&
            !window->findChild<QLabel*>("LResValF")->isVisible() &&
            window->windowTitle() == QStringLiteral("5 Band Resistor Color Code Calculation") &&
            window->findChild<QGroupBox*>("Frame1")->title() == QStringLiteral(" Resistor value ");
      });
      main.Action(kFiveBandItem)->trigger();
      QVERIFY2(englishShown, opening == 0 ? "first opening" : "second opening");
    }
  }
};

QTEST_MAIN(ColourWindowTest)
#include "colour_code_window_test.moc"
