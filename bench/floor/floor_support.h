// What every floor shares, written the way a plain Qt program writes it: the
// window font, an SVG picture rendered into a pixmap at the screen's pixel
// ratio, a widget that paints a pixmap (the floor's spin button) and the
// text conversion. Nothing here is lazy, cached or shared with the program.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <string_view>

class QApplication;
class QDialog;
class QMainWindow;

namespace kalvane::floor {

// The window font: Noto Sans with the Arabic faces after it, 8.25 pt,
// condensed to 92 %, regular.
QFont PlainFont();
QFont BoldFont();

// The application's names, icon and font, as a Qt program sets them up.
void SetUpApplication(QApplication& app);

// `path` (a resource) rendered at `size` device-independent pixels.
QPixmap SvgPixmap(const QString& path, QSize size);

inline QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Sets the text colours of `widget`.
void SetTextColour(QWidget* widget, const QColor& colour);

// A widget that holds three pictures (at rest, under the pointer, held down)
// and paints the first: what a plain program would write for a picture
// button, with the mouse tracking a hover needs and nothing else.
class PlainPictureButton : public QWidget {
 public:
  PlainPictureButton(const QPixmap& normal, const QPixmap& hover, const QPixmap& pressed,
                     QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap normal_, hover_, pressed_;
};

// The secondary windows' floors, each built whole, shown modally from the
// main window's floor and destroyed when closed.
void ExecFourBandFloor(QWidget* parent);
void ExecFiveBandFloor(QWidget* parent);
void ExecSixBandFloor(QWidget* parent);
void ExecSmdFloor(QWidget* parent);
void ExecLedArrayFloor(QWidget* parent);
void ExecDividerFloor(QWidget* parent);
void ExecNetworkFinderFloor(QWidget* parent);
void ExecAboutFloor(QWidget* parent);

// The main window's floor, built whole.
void BuildMainWindowFloor(QMainWindow& window);

}  // namespace kalvane::floor
