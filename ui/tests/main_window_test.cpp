// The main window as a view of the LED panel, driven offscreen through its
// controls: what it shows at start, that every control reaches the panel
// and shows what comes back, the message box, a layout in which nothing
// overlaps or is cut off in either language, and the program's end.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "ui/main_window.h"
#include "ui/pictures.h"
#include "ui/tests/gui_test_support.h"
#include "ui/twips.h"
#include "widgets/dis_rclick.h"
#include "widgets/picture_button.h"

using namespace kalvane;
using test::Get;

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

class MainWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<MainWindow> window_;

  QString TextOf(const char* name) { return test::TextOf(*window_, QLatin1String(name)); }
  void Type(const char* box, const QString& keys) {
    auto* edit = Get<QLineEdit>(*window_, QLatin1String(box));
    edit->setFocus();
    edit->selectAll();
    edit->del();
    test::PlayKeys(edit, keys);
  }
  void ClickCalc(MessageWatch* watch = nullptr) {
    if (watch)
      watch->Arm();
    QTest::mouseClick(Get<QPushButton>(*window_, "Calc"), Qt::LeftButton);
  }
  bool ShowsPicture(Picture picture) {
    const QPixmap expected = RenderPicture(picture, QSize(301, 80));
    return !expected.isNull() &&
           Get<QLabel>(*window_, "Image1")->pixmap().cacheKey() == expected.cacheKey();
  }

 private slots:
  void init() { test::OpenFresh(window_); }
  void cleanup() { window_.reset(); }

  void startsPersianWithTheDesignedValues() {
    QCOMPARE(window_->ProgLang(), QStringLiteral("Persian"));
    QCOMPARE(window_->windowTitle(), QStringLiteral(" کالوانه نسخه 1"));
    QCOMPARE(window_->layoutDirection(), Qt::RightToLeft);
    QVERIFY(Get<QRadioButton>(*window_, "Resis")->isChecked());
    QCOMPARE(Get<QComboBox>(*window_, "SerMov")->currentIndex(), 0);
    QCOMPARE(Get<QComboBox>(*window_, "SerMov")->itemText(1), QStringLiteral("حالت موازي"));
    QCOMPARE(Get<QGroupBox>(*window_, "Frame1")->title(), QStringLiteral(" محاسبه حالت سري led "));
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

  // A few controls where the design puts them, colours and the fixed size;
  // the tables in i18n hold the rest.
  void hasTheDesignedLookInSpotChecks() {
    QCOMPARE(Get(*window_, "Vtdc")->pos(), TwipPoint(1800, 1190));
    QCOMPARE(Get(*window_, "Label12")->pos(), TwipPoint(810, 720));  // off the table, as designed
    QCOMPARE(Get(*window_, "ResisSH")->pos(), TwipPoint(1580, 240));
    QCOMPARE(Get(*window_, "D1L")->pos(), TwipPoint(1780, 6790));
    QCOMPARE(Get<QLineEdit>(*window_, "Vtdc")->palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(Get<QLabel>(*window_, "Label9")->palette().color(QPalette::WindowText),
             QColor(0, 128, 0));
    QCOMPARE(Get<QLabel>(*window_, "WatPish")->palette().color(QPalette::WindowText),
             QColor(0, 0, 255));
    QCOMPARE(window_->centralWidget()->size(), QSize(332, 511));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
  }

  // In both languages and in every mode and arrangement, no text or picture
  // runs into another control and no caption is cut off. The diagram's
  // labels stand on its picture by design.
  void nothingOverlapsOrIsCutOff_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<QString>("series");
    for (const char* language : {"Per", "En"}) {
      for (const char* mode : {"Resis", "Volt", "Amp"}) {
        for (int arrangement : {0, 1}) {
          QTest::addRow("%s %s %s", language, mode, arrangement ? "parallel" : "series")
              << language << mode << arrangement << "E24";
        }
      }
      QTest::addRow("%s E192", language) << language << "Resis" << 0 << "E192";
    }
  }
  void nothingOverlapsOrIsCutOff() {
    QFETCH(QString, language);
    QFETCH(QString, mode);
    QFETCH(int, arrangement);
    QFETCH(QString, series);
    Get<QAction>(*window_, language)->trigger();
    Get<QAction>(*window_, series)->trigger();
    QTest::mouseClick(Get<QRadioButton>(*window_, mode), Qt::LeftButton);
    Get<QComboBox>(*window_, "SerMov")->setCurrentIndex(arrangement);
    ClickCalc();
    const QStringList problems =
        test::OverlapsAndCutOffs(*window_->centralWidget(), {"Image1", "Shape1"});
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
  }

  // The series menu is one exclusive group, E24 at the start; a choice
  // rewrites the two rows of the calculation shown and nothing else.
  void theSeriesMenuChoosesTheRowsSeries() {
    QVERIFY(window_->SeriesAction(StandardSeries::E24)->isChecked());
    ClickCalc();
    MessageWatch watch;
    watch.Arm();
    window_->SeriesAction(StandardSeries::E96)->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(watch.shown, 0);
    QVERIFY(window_->SeriesAction(StandardSeries::E96)->isChecked());
    QVERIFY(!window_->SeriesAction(StandardSeries::E24)->isChecked());
    QCOMPARE(TextOf("ResisPishLarg"), QStringLiteral("51.1 اهم  (بزرگتر)"));
    QCOMPARE(TextOf("ResisPishSmall"), QStringLiteral("49.9 اهم  (کوچکتر)"));
    QCOMPARE(TextOf("Label16"), QStringLiteral("مقاومت نزديک به رنج E96 :"));
    QCOMPARE(TextOf("ResisSH"), QStringLiteral("50"));
    QCOMPARE(TextOf("WatPish"), QStringLiteral("1/4 وات"));
    window_->EnglishAction()->trigger();
    QCOMPARE(TextOf("Label17"), QStringLiteral("Closest E96 resistor value :"));
    QCOMPARE(TextOf("ResisPishLarg"), QStringLiteral("51.1 Ohm  (Larger)"));
  }

  void calculationShowsThePanelsResults() {
    Type("LedCount", "2");
    ClickCalc();
    QCOMPARE(TextOf("ResisSH"), QStringLiteral("380"));
    QCOMPARE(TextOf("ResisPishLarg"), QStringLiteral("390 اهم  (بزرگتر)"));
    QCOMPARE(TextOf("Label15"), QStringLiteral("R : 380 Ohm"));
    QVERIFY(ShowsPicture(Picture::Series2));
    QVERIFY(Get(*window_, "D2L")->isVisible());
    QVERIFY(!Get(*window_, "D3L")->isVisible());
    QVERIFY(!Get(*window_, "DnL")->isVisible());
  }

  void anInvalidInputShowsTheMessageFirst() {
    Type("ALed", "");
    Type("Vtdc", "9");
    MessageWatch watch;
    ClickCalc(&watch);
    QCOMPARE(watch.shown, 1);
    QCOMPARE(watch.title, window_->windowTitle());
    QCOMPARE(watch.text, QStringLiteral("!مقادير وارد شده اشباه ميباشد"));
    QCOMPARE(watch.icon, QMessageBox::Warning);
    QCOMPARE(TextOf("ResisSH"), QStringLiteral("50"));
    QCOMPARE(TextOf("Label14"), QStringLiteral("VCC : 9V"));
  }

  void spinButtonsShowTheGreyedArrow() {
    Type("LedCount", "2");
    QTest::mouseClick(Get<PictureButton>(*window_, "BtDownB"), Qt::LeftButton);
    QCOMPARE(TextOf("LedCount"), QStringLiteral("1"));
    QVERIFY(!Get(*window_, "BtDownB")->isVisible());
    QVERIFY(Get(*window_, "DownDisB")->isVisible());
    // The greyed arrow is given its picture when it first shows.
    QVERIFY(!Get<QLabel>(*window_, "DownDisB")->pixmap().isNull());
    QTest::mouseClick(Get<PictureButton>(*window_, "BtUpB"), Qt::LeftButton);
    QVERIFY(Get(*window_, "BtDownB")->isVisible());
    QVERIFY(!Get(*window_, "UpDisB")->isVisible());
  }

  void modeButtonsShowTheirExampleAndRows() {
    QTest::mouseClick(Get<QRadioButton>(*window_, "Volt"), Qt::LeftButton);
    QCOMPARE(TextOf("VLed"), QStringLiteral("50"));
    QCOMPARE(TextOf("ResisSH"), QStringLiteral("2.2"));
    QCOMPARE(TextOf("Label3"), QStringLiteral("مقاومت هر شاخه LED :"));
    QCOMPARE(TextOf("Label13"), QStringLiteral("ولت"));
    QVERIFY(!Get(*window_, "ResisPishLarg")->isVisible());
    QVERIFY(!Get(*window_, "Label17")->isVisible());
    QCOMPARE(Get(*window_, "WatPish")->y(), Px(1200));
    QCOMPARE(Get(*window_, "Label7")->y(), Px(1200));
  }

  void parallelMovesTheLedNamesOnly() {
    const QString caption = Get<QGroupBox>(*window_, "Frame1")->title();
    Get<QComboBox>(*window_, "SerMov")->setCurrentIndex(1);
    QCOMPARE(Get(*window_, "D1L")->pos(), TwipPoint(1660, 6525));
    QCOMPARE(Get(*window_, "DnL")->pos(), TwipPoint(3650, 6525));
    QVERIFY(Get<QLabel>(*window_, "DnL")->alignment() & Qt::AlignRight);
    QVERIFY(ShowsPicture(Picture::ParallelN));
    QCOMPARE(Get<QGroupBox>(*window_, "Frame1")->title(), caption);
    Get<QComboBox>(*window_, "SerMov")->setCurrentIndex(0);
    QVERIFY(Get<QLabel>(*window_, "DnL")->alignment() & Qt::AlignHCenter);
  }

  void resultBoxesTakeNoKeys() {
    auto* box = Get<QLineEdit>(*window_, "WatSH");
    box->setFocus();
    box->setCursorPosition(0);
    test::PlayKeys(box, QStringLiteral("9 9 End Del BS"));
    QCOMPARE(box->text(), QStringLiteral("220"));
    QCOMPARE(box->cursorPosition(), 0);
  }

  void resultBoxesAreHookedAgainstRightClicksUntilClose() {
    auto* light = Get<QLineEdit>(*window_, "WatSH");
    auto* solved = Get<QLineEdit>(*window_, "ResisSH");
    QVERIFY(IsRightClickHooked(light));
    QVERIFY(IsRightClickHooked(solved));
    QVERIFY(!IsRightClickHooked(Get<QLineEdit>(*window_, "Vtdc")));
    window_->close();
    QVERIFY(!IsRightClickHooked(light));
    QVERIFY(!IsRightClickHooked(solved));
  }

  void closingTheMainWindowEndsTheEventLoop() {
    QTimer::singleShot(0, window_.get(), [this] { window_->close(); });
    // A loop the close does not end is stopped after a hundred turns of it,
    // counted rather than timed, so a busy machine cannot stop it early.
    int turns = 0;
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [&turns] {
      if (++turns == 100)
        QCoreApplication::exit(1);
    });
    guard.start(0);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(turns < 100);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
