// Renders every window of the program, in both languages, into PNG files:
//   kalvane-screenshot OUTPUT_DIR
// Run it offscreen (QT_QPA_PLATFORM=offscreen); QT_SCALE_FACTOR=2 gives the
// HiDPI pictures. The windows show the states the README describes: the
// main window after a calculation (and under E96), then every window of the
// shelf as its pose leaves it (the colour windows with a typed value).
#include <QApplication>
#include <QDialog>
#include <QDir>

#include "ui/led_panel_view.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/window_shelf.h"

namespace {

bool Save(QWidget& window, const QString& path) {
  window.show();
  QApplication::processEvents();
  const bool saved = window.grab().save(path);
  if (!saved)
    qWarning("could not write %s", qPrintable(path));
  return saved;
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
    kalvane::LedPanelView& panel = main.PanelView();
    panel.OnCalculate();
    ok &= Save(main, out.filePath(QStringLiteral("main") + suffix));
    panel.OnSeriesChosen(kalvane::StandardSeries::E96);
    ok &= Save(main, out.filePath(QStringLiteral("main-e96") + suffix));
    panel.OnSeriesChosen(kalvane::StandardSeries::E24);

    for (const kalvane::ShelfWindow& shelved : kalvane::WindowShelf()) {
      QDialog& window = main.Window(*shelved.item);
      if (shelved.pose)
        shelved.pose(window);
      const std::string_view name = shelved.picture.empty() ? shelved.item->name : shelved.picture;
      ok &= Save(window, out.filePath(kalvane::Text(name) + suffix));
    }
  }
  return ok ? 0 : 1;
}
