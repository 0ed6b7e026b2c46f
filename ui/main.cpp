// Program entry: the application's look, then the main window, modeless.
// The program runs as long as the main window exists.
#include <QApplication>

#include "ui/look.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kalvane::ApplyApplicationLook(app);
  kalvane::MainWindow mainWindow;
  mainWindow.show();
  return app.exec();
}
