// The About window and the gradient routine behind its background.
#include <QDesktopServices>
#include <QLabel>
#include <QtTest>
#include <vector>

#include "i18n/about_lines.h"
#include "ui/about_window.h"
#include "ui/gradient.h"

using namespace kalvane;

Q_DECLARE_METATYPE(kalvane::Language)

namespace {

// Records the lines MakeGradient draws.
class RecordingCanvas : public GradientCanvas {
 public:
  RecordingCanvas(double width, double height) : width_(width), height_(height) {}
  struct Drawn {
    double x1, y1, x2, y2;
    Colour colour;
  };
  void SetAutoRedraw(bool persistent) override { autoRedraw = persistent; }
  double ScaleWidth() const override { return width_; }
  double ScaleHeight() const override { return height_; }
  void Line(double x1, double y1, double x2, double y2, Colour colour) override {
    lines.push_back({x1, y1, x2, y2, colour});
  }
  bool autoRedraw = false;
  std::vector<Drawn> lines;

 private:
  double width_, height_;
};

// Receives the URLs the program asks the desktop to open.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened.append(url); }
};

}  // namespace

class AATest : public QObject {
  Q_OBJECT

 private slots:
  void gradientRunsFromTheFirstToTheSecondColour_data() {
    QTest::addColumn<uint>("first");
    QTest::addColumn<uint>("second");
    QTest::addColumn<int>("direction");
    QTest::newRow("yellow to red-orange, left to right") << 65535u << Rgb(300, 10, 2).value << 6;
    QTest::newRow("red-orange to yellow") << Rgb(300, 10, 2).value << 65535u << 1;
    QTest::newRow("top to bottom") << Rgb(0, 0, 255).value << Rgb(255, 255, 255).value << 0;
    QTest::newRow("every component falling") << 0xFFFFFFu << 0u << 0;
  }
  void gradientRunsFromTheFirstToTheSecondColour() {
    QFETCH(uint, first);
    QFETCH(uint, second);
    QFETCH(int, direction);
    RecordingCanvas canvas(5325, 3765);
    MakeGradient(canvas, first, second, static_cast<std::uint8_t>(direction));
    QVERIFY(canvas.autoRedraw);
    const bool vertical = direction == 0;
    QCOMPARE(canvas.lines.size(),
             std::size_t(vertical ? 3766 : 5326));  // one per unit, S inclusive
    QCOMPARE(canvas.lines.front().colour.value, first);
    QCOMPARE(canvas.lines.back().colour.value, second);
    const auto& last = canvas.lines.back();
    if (vertical) {
      QCOMPARE(last.y1, 3765.0);
      QCOMPARE(last.y2, 3765.0);
      QCOMPARE(last.x2, 5325.0);
    } else {
      QCOMPARE(last.x1, 5325.0);
      QCOMPARE(last.y2, 3765.0);
    }
  }

  void equalColoursGiveAPlainFill() {
    RecordingCanvas canvas(300, 200);
    MakeGradient(canvas, Rgb(12, 34, 56).value, Rgb(12, 34, 56).value, 6);
    QCOMPARE(canvas.lines.size(), std::size_t(301));
    for (const auto& line : canvas.lines)
      QCOMPARE(line.colour, Rgb(12, 34, 56));
  }

  // Halves round to the even neighbour: in the line count and in every
  // component of a line's colour.
  void gradientTiesGoToTheEvenNeighbour_data() {
    QTest::addColumn<double>("width");
    QTest::addColumn<uint>("second");
    QTest::addColumn<QList<int>>("reds");  // of every line, left to right
    QTest::newRow("red 0.5 rounds down to 0") << 2.0 << Rgb(1, 0, 0).value << QList<int>{0, 0, 1};
    QTest::newRow("red 1.5 rounds up to 2") << 2.0 << Rgb(3, 0, 0).value << QList<int>{0, 2, 3};
    QTest::newRow("width 2.5 gives lines 0 to 2")
        << 2.5 << Rgb(0, 0, 0).value << QList<int>{0, 0, 0};
    QTest::newRow("width 3.5 gives lines 0 to 4")
        << 3.5 << Rgb(0, 0, 0).value << QList<int>{0, 0, 0, 0, 0};
  }
  void gradientTiesGoToTheEvenNeighbour() {
    QFETCH(double, width);
    QFETCH(uint, second);
    RecordingCanvas canvas(width, 10);
    MakeGradient(canvas, Rgb(0, 0, 0).value, second, 6);
    QList<int> reds;
    for (const auto& line : canvas.lines)
      reds << line.colour.Red();
    QTEST(reds, "reds");
  }

  void gradientMovesEachComponentMonotonically() {
    RecordingCanvas canvas(255, 10);
    MakeGradient(canvas, Rgb(0, 255, 10).value, Rgb(255, 0, 10).value, 1);
    for (std::size_t i = 1; i < canvas.lines.size(); ++i) {
      QVERIFY(canvas.lines[i].colour.Red() >= canvas.lines[i - 1].colour.Red());
      QVERIFY(canvas.lines[i].colour.Green() <= canvas.lines[i - 1].colour.Green());
      QCOMPARE(canvas.lines[i].colour.Blue(), 10);
    }
    QCOMPARE(canvas.lines[128].colour.Red(), 128);  // 128 exactly; no drift
  }

  void zeroExtentPaintsNothing() {
    RecordingCanvas canvas(0, 100);
    MakeGradient(canvas, 0, 0xFFFFFF, 6);
    QVERIFY(canvas.lines.empty());
  }

  void laysItselfOutForTheLanguage_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<int>("textLeft");
    QTest::addColumn<int>("pictureLeft");
    QTest::addColumn<int>("lines");
    QTest::newRow("Persian") << Language::Persian << "درباره" << Qt::RightToLeft << 144 << 8 << 18;
    QTest::newRow("English") << Language::English << "About" << Qt::LeftToRight << 8 << 230 << 19;
  }
  void laysItselfOutForTheLanguage() {
    QFETCH(Language, language);
    AboutWindow about(language);
    QTEST(about.windowTitle(), "title");
    QTEST(about.layoutDirection(), "direction");
    QTEST(about.findChild<QLabel*>("Label10")->x(), "textLeft");
    QTEST(about.findChild<QLabel*>("Image11")->x(), "pictureLeft");
    QTEST(int(about.findChild<QLabel*>("Label10")->text().count(QLatin1Char('\n')) + 1), "lines");
    // Every line shows, and the link below them stays inside the window.
    auto* details = about.findChild<QLabel*>("Label10");
    auto* link = about.findChild<QLabel*>("Label8");
    QVERIFY(details->sizeHint().height() <= details->height());
    QCOMPARE(link->x(), 130);
    QVERIFY(link->y() >= 224);
    QVERIFY(link->y() > details->geometry().bottom());
    QVERIFY(about.rect().contains(link->geometry()));
    QVERIFY(about.rect().contains(details->geometry()));
    QVERIFY(about.minimumSize() == about.maximumSize());
  }

  void detailLinesIndentItemsAndSubItems() {
    auto lines = [](Language language) {
      QStringList shown;
      for (const std::string& line : AboutLines(language))
        shown << QString::fromStdString(line);
      return shown;
    };
    const QStringList fa = lines(Language::Persian);
    const QStringList en = lines(Language::English);
    QVERIFY(fa[3].startsWith(QString(9, ' ')) && !fa[3].startsWith(QString(10, ' ')));
    QVERIFY(fa[4].startsWith(QString(23, ' ')) && !fa[4].startsWith(QString(24, ' ')));
    QVERIFY(en[4].startsWith(QString(24, ' ')) && !en[4].startsWith(QString(25, ' ')));
    QCOMPARE(fa.count(QString()), 1);
    QCOMPARE(en.count(QString()), 2);
    for (const QString& line : fa + en)
      QVERIFY(!line.contains(QChar(0x06CC)));
  }

  void linkOpensTheFixedAddressThroughTheDesktop() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    AboutWindow about(Language::Persian);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(about.findChild<QLabel*>("Label8"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.opened.size(), 1);
    QCOMPARE(catcher.opened.front(), QUrl(QString::fromLatin1(AboutWindow::kForumAddress)));
    QCOMPARE(catcher.opened.front().scheme(), QStringLiteral("https"));
  }
};

QTEST_MAIN(AATest)
#include "about_window_test.moc"
