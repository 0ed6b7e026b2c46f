// Renders every window of the program, in both languages, into PNG files:
//   kalvane-screenshot OUTPUT_DIR
// Run it offscreen (QT_QPA_PLATFORM=offscreen); QT_SCALE_FACTOR=2 gives the
// HiDPI pictures. The windows show the states the README describes: the
// main window after a calculation (and under E96), the colour windows with a
// typed value, the SMD window with its examples.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTimer>

#include <QKeyEvent>
#include <QLineEdit>

#include "ui/about_window.h"
#include "ui/colour_code_window.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/smd_code_window.h"

namespace {

bool Save(QWidget& window, const QString& path) {
  window.show();
  QApplication::processEvents();
  const bool saved = window.grab().save(path);
  if (!saved)
    qWarning("could not write %s", qPrintable(path));
  return saved;
}

// Types `keys` at the end of the window's typed-resistance box, key by key.
void TypeResistance(QWidget& window, const QString& keys) {
  auto* box = window.findChild<QLineEdit*>(QStringLiteral("ResisEnter"));
  box->clear();
  for (QChar key : keys) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(key));
    QApplication::sendEvent(box, &press);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kalvane::ApplyApplicationLook(app);
  if (argc != 2) {
    qWarning("usage: kalvane-screenshot OUTPUT_DIR");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(QStringLiteral(".")))
    return 1;

  bool ok = true;
  for (const char* language : {"fa", "en"}) {
    const QString suffix = QStringLiteral("-%1.png").arg(QLatin1String(language));
    kalvane::MainWindow main;
    if (QLatin1String(language) == QLatin1String("en"))
      main.OnSwitchToEnglish();
    main.OnCalculate();
    ok &= Save(main, out.filePath(QStringLiteral("main") + suffix));
    main.OnSeriesChosen(kalvane::StandardSeries::E96);
    ok &= Save(main, out.filePath(QStringLiteral("main-e96") + suffix));
    main.OnSeriesChosen(kalvane::StandardSeries::E24);

    kalvane::ColourCodeWindow& four = main.FourBandWindow();
    TypeResistance(four, QStringLiteral("4700"));
    ok &= Save(four, out.filePath(QStringLiteral("calc4band") + suffix));
    kalvane::ColourCodeWindow& five = main.FiveBandWindow();
    TypeResistance(five, QStringLiteral("4.75"));
    ok &= Save(five, out.filePath(QStringLiteral("calc5band") + suffix));
    kalvane::ColourCodeWindow& six = main.SixBandWindow();
    TypeResistance(six, QStringLiteral("47.5"));
    six.EnglishSelector(5)->setCurrentIndex(2);  // Red, 50 ppm/K
    ok &= Save(six, out.filePath(QStringLiteral("calc6band") + suffix));
    kalvane::SmdCodeWindow& smd = main.SmdWindow();
    ok &= Save(smd, out.filePath(QStringLiteral("smd") + suffix));


    kalvane::AboutWindow about(main.CurrentLanguage());
    ok &= Save(about, out.filePath(QStringLiteral("about") + suffix));
  }
  return ok ? 0 : 1;
}
