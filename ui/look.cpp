#include "ui/look.h"

#include <QApplication>
#include <QIcon>
#include <QStringList>
#ifdef Q_OS_WIN
#include <QDir>
#include <QFontDatabase>
#endif

#include "ui/pictures.h"

namespace kalvane {

#ifdef Q_OS_WIN
// Windows has none of the Noto fonts the windows are laid out with: the
// program carries them in the fonts folder beside it, loaded once, before
// the first window font is made (so that anything that builds a window,
// tests included, measures with them).
static bool LoadCarriedFonts() {
  const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
  for (const QString& file : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
    if (QFontDatabase::addApplicationFont(folder.filePath(file)) < 0)
      qWarning("could not load the font %s", qPrintable(folder.filePath(file)));
  }
  return true;
}
#endif

QFont WindowFont() {
#ifdef Q_OS_WIN
  static const bool carriedFontsLoaded = LoadCarriedFonts();
  (void)carriedFontsLoaded;
#endif
  QFont font;
  font.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("Noto Sans Arabic UI"),
                    QStringLiteral("Noto Sans Arabic")});
  font.setPointSizeF(8.25);
  font.setStyleHint(QFont::SansSerif);
  // Noto Sans runs wider than the font the windows were measured for; a
  // slight condensing keeps the English captions clear of their boxes.
  font.setStretch(92);
  // Set explicitly, so that a control inside a bold frame stays regular.
  font.setBold(false);
  return font;
}

QFont FrameFont() {
  QFont font = WindowFont();
  font.setBold(true);
  return font;
}

void ApplyApplicationLook(QApplication& app) {
#ifdef Q_OS_WIN
  // The native Windows style paints drop-down lists white whatever their
  // palette says, which hides the colour lists' white captions: the windows
  // use the same Fusion style as on Linux, where their layouts are checked.
  QApplication::setStyle(QStringLiteral("Fusion"));
#endif
  QApplication::setApplicationName(QStringLiteral("kalvane"));
  QApplication::setApplicationDisplayName(QStringLiteral("Kalvane"));
  QApplication::setApplicationVersion(QStringLiteral(KALVANE_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("org.example.Kalvane"));
  QApplication::setWindowIcon(QIcon(PicturePath(Picture::AppIcon)));
  app.setFont(WindowFont());
}

}  // namespace kalvane
