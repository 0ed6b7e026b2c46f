// A second yardstick, for reading the start-up and memory figures: the part
// of the program's first window that Qt alone costs, whatever the program
// does. It is the minimal program plus what the design asks of every start:
// a main window with the menu bar, right to left, Persian text in the window
// font and a bold frame caption. None of the program's controls or work.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QString>
#include <string_view>

#include "i18n/caption_tables.h"

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string_view PersianCaption(std::string_view name) {
  for (const kalvane::Caption* caption : kalvane::kMainWindowCaptions) {
    if (caption->name == name)
      return caption->persian;
  }
  return name;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The program's window font (ui/look.cpp), without linking the program.
  QFont font;
  font.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("Noto Sans Arabic UI"),
                    QStringLiteral("Noto Sans Arabic")});
  font.setPointSizeF(8.25);
  font.setStretch(92);
  app.setFont(font);

  QMainWindow window;
  window.setLayoutDirection(Qt::RightToLeft);
  window.setWindowTitle(Text(PersianCaption("MainFrms")));
  QMenu* tools = window.menuBar()->addMenu(Text(PersianCaption("Tol")));
  tools->addAction(Text(PersianCaption("ResCol")));
  QMenu* language = window.menuBar()->addMenu(Text(PersianCaption("Lang")));
  language->addAction(Text(PersianCaption("Per")));
  language->addAction(Text(PersianCaption("En")));
  window.menuBar()->addMenu(Text(PersianCaption("Help")))->addAction(Text(PersianCaption("About")));

  auto* frame = new QGroupBox(Text(kalvane::kInputFrameSeries.persian));
  QFont bold = font;
  bold.setBold(true);
  frame->setFont(bold);
  auto* caption = new QLabel(Text(PersianCaption("Calc")), frame);
  caption->setFont(font);
  caption->move(20, 30);
  window.setCentralWidget(frame);
  window.resize(332, 200);
  window.show();
  return app.exec();
}
