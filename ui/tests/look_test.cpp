// The application's identity and font: what the desktop and the window
// manager see, and a font that renders Persian without missing glyphs.
#include <QApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QRawFont>
#include <QStyle>
#include <QtTest>

#include "ui/look.h"

using namespace kalvane;

class LookTest : public QObject {
  Q_OBJECT

 private slots:
  void namesTheApplicationAndGivesItItsIcon() {
    ApplyApplicationLook(*qApp);
    QCOMPARE(QApplication::applicationName(), QStringLiteral("kalvane"));
    QCOMPARE(QApplication::applicationDisplayName(), QStringLiteral("Kalvane"));
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.0.0"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.example.Kalvane"));
    const QIcon icon = QApplication::windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(!icon.pixmap(QSize(64, 64)).isNull());  // drawn from the SVG at any size
  }

  // The layouts are checked with the Fusion style. Windows' native style
  // paints the colour lists white under their white captions.
  void looksAlikeOnEveryPlatform() {
    ApplyApplicationLook(*qApp);
    QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
  }

  void windowFontHasEveryPersianLetterTheInterfaceUses() {
    // Every Persian caption letter must come from an installed font (on
    // Windows, one the program carries and loads), not a box: the first
    // family covers Latin, a fallback family Arabic script.
    ApplyApplicationLook(*qApp);
    const QString persian = QStringLiteral("ابپتثجچحخدذرزژسشصضطظعغفقکگلمنوهيآ۰۱۲۳۴۵۶۷۸۹");
    const QFont font = WindowFont();
    QVERIFY(font.families().contains(QStringLiteral("Noto Sans Arabic UI")));
    bool covered = false;
    for (const QString& family : font.families()) {
      QRawFont raw = QRawFont::fromFont(QFont(family));
      if (!raw.isValid() || raw.familyName() != family)
        continue;
      covered = std::all_of(persian.begin(), persian.end(),
                            [&](QChar c) { return raw.supportsCharacter(c); });
      if (covered)
        break;
    }
    QVERIFY2(covered, "no installed font of the window font's families covers Persian");
    QVERIFY(!FrameFont().families().isEmpty() && FrameFont().bold());
    QVERIFY(!font.bold());
  }
};

QTEST_MAIN(LookTest)
#include "look_test.moc"
