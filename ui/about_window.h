// The About window: the program's details beside its picture, over a
// two-colour gradient, and a link to the project's forum page. It lays
// itself out for the language current when it opens and keeps no state
// between openings.
#pragma once

#include <QDialog>
#include <QPixmap>

#include "core/language_words.h"
#include "i18n/language_switch.h"

class QFrame;
class QLabel;

namespace kalvane {

class AboutWindow : public QDialog, public TranslatableWindow {
  Q_OBJECT

 public:
  // The page the link opens: a fixed https address, handed to the desktop's
  // URL handler, never to a shell.
  static constexpr const char* kForumAddress = "https://kalvane.example.org/forum";

  // Runs the load steps in `language`. No language switch reaches the
  // window: it is modal, and unloads itself when closed.
  explicit AboutWindow(Language language, QWidget* parent = nullptr);

  // The load steps that depend on the language: the gradient's direction,
  // the reading direction, the title, the details and where they stand.
  void Retranslate(Language language) override;

  // The link's action, as a click or Enter on it triggers it.
  void OnOpenForumPage();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintGradient(std::uint32_t first, std::uint32_t second, std::uint8_t direction);
  void FitContents();

  std::uint32_t gradientFirst_ = 0;
  std::uint32_t gradientSecond_ = 0;
  // MakeGradient's picture, one pixel deep, kept like an auto-redraw surface.
  QPixmap background_;
  QLabel* picture_ = nullptr;
  QFrame* pictureFrame_ = nullptr;
  QLabel* details_ = nullptr;
  QLabel* forumLink_ = nullptr;
};

}  // namespace kalvane
