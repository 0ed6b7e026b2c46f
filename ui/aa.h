// The About window: the program's details beside its picture, over a
// two-colour gradient, and a link to the project's forum page. It lays
// itself out for the language current when it opens and keeps no state
// between openings.
#pragma once

#include <QDialog>
#include <QPixmap>

class QFrame;
class QLabel;

namespace kalvane {

class AA : public QDialog {
  Q_OBJECT

 public:
  // The page the link opens: a fixed https address, handed to the desktop's
  // URL handler, never to a shell.
  static constexpr const char* kForumAddress = "https://kalvane.example.org/forum";

  // Runs the load steps for `progLang` ("Persian" or "English").
  explicit AA(const QString& progLang, QWidget* parent = nullptr);

  // The link's action, as a click or Enter on it triggers it.
  void Label8_Click();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Form_Load(const QString& progLang);
  void PaintGradient(std::uint32_t first, std::uint32_t second, std::uint8_t direction);
  void FitContents();

  std::uint32_t gradientFirst_ = 0;
  std::uint32_t gradientSecond_ = 0;
  // MakeGradient's picture, one pixel deep, kept like an auto-redraw surface.
  QPixmap background_;
  QLabel* Image11 = nullptr;
  QFrame* Shape1 = nullptr;
  QLabel* Label10 = nullptr;
  QLabel* Label8 = nullptr;
};

// The details shown in the About window, one line per element, in each
// language ("" for the empty lines).
QStringList AboutLines(bool persian);

}  // namespace kalvane
