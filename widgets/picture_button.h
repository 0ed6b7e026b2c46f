// A captionless, borderless button that shows one of three pictures (at rest,
// under the pointer, held down) and takes the size of the picture it shows.
// It reports the mouse to its owner and adds MouseEnter and MouseLeave; what a
// click means is the owner's business, not this control's.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QVariantMap>
#include <QWidget>
#include <functional>

class QMouseEvent;

namespace kalvane {

class PictureButton : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QPixmap Picture READ Picture WRITE setPicture)
  Q_PROPERTY(QPixmap PictureHover READ PictureHover WRITE setPictureHover)
  Q_PROPERTY(QPixmap PictureDown READ PictureDown WRITE setPictureDown)

 public:
  // Selects the picture shown: PictureHover in Hover, PictureDown in Pressed,
  // Picture otherwise.
  enum class ButtonState { Normal = 0, Hover = 1, Pressed = 2 };

  // The Button numbers of the mouse events: for a press or a release the one
  // button concerned, for a move the sum of the buttons held.
  static constexpr int kLeftButton = 1;
  static constexpr int kRightButton = 2;
  static constexpr int kMiddleButton = 4;
  // The Shift numbers of the mouse events, summed.
  static constexpr int kShiftKey = 1;
  static constexpr int kCtrlKey = 2;
  static constexpr int kAltKey = 4;

  // Size of a button that has not shown a picture yet. Where no picture
  // paints, the parent's background shows through.
  static constexpr QSize kSizeWithoutPicture{16, 16};

  // Answers whether the pointer is over `button` in the sense of the leave
  // poll: the topmost widget under the pointer is the button itself (a child
  // of it or a window lying over it counts as outside).
  using PointerProbe = std::function<bool(const PictureButton& button)>;

  explicit PictureButton(QWidget* parent = nullptr);
  ~PictureButton() override;

  // The pictures are shared with the caller (QPixmap is implicitly shared),
  // not copied. A null pixmap is an empty picture: it paints nothing and
  // leaves the size as it was. A set redraws with the current state, so
  // setting PictureHover in Normal still shows Picture, and then emits
  // propertyChanged with the property's name.
  const QPixmap& Picture() const { return picture_; }
  const QPixmap& PictureHover() const { return pictureHover_; }
  const QPixmap& PictureDown() const { return pictureDown_; }
  void setPicture(const QPixmap& picture);
  void setPictureHover(const QPixmap& picture);
  void setPictureDown(const QPixmap& picture);

  ButtonState State() const { return state_; }
  // True from MouseEnter until the pointer is found outside, or until a move
  // with the left button held, after which the next plain move or a release
  // over the button is a fresh enter.
  bool IsInside() const { return inside_; }
  // True while the leave poll runs: from an enter until the first tick
  // that finds the pointer outside.
  bool IsLeavePollRunning() const { return pollRunning_; }

  // What ticks the leave poll. Automatic: a 1 ms timer, while the poll runs.
  // Manual: only TickLeavePoll, so that a test decides when the pointer is
  // judged instead of the machine's load.
  enum class LeavePollClock { Automatic, Manual };
  void SetLeavePollClock(LeavePollClock clock);
  // One tick of a running poll now: a pointer found outside ends the poll
  // and raises MouseLeave. Does nothing while the poll is not running.
  void TickLeavePoll();
  // The picture chosen by the current state; it may be null.
  const QPixmap& ShownPicture() const;

  // Replaces how the pointer position is judged; an empty probe restores the
  // default, QApplication::widgetAt(QCursor::pos()) == this.
  void SetPointerProbe(PointerProbe probe);
  bool IsPointerOver() const;

  // Writes the three pictures into `bag` under "Picture", "PictureHover" and
  // "PictureDown". An empty picture is the default and is not written; a key
  // it would have used is removed, so the bag never holds a stale picture.
  void Save(QVariantMap& bag) const;
  // Reads the three pictures from `bag`. A missing key, or a value that is
  // neither a QPixmap nor a QImage, gives the empty default. Loading marks no
  // property changed.
  void Load(const QVariantMap& bag);

  QSize sizeHint() const override;

 signals:
  void Click();
  void DblClick();
  // Raised before the control's own handling, with X and Y in the control's
  // pixels. The control reads Button again afterwards, so a handler connected
  // directly (the default for a same-thread connection) can steer it.
  void MouseMove(int& Button, int& Shift, float& X, float& Y);
  void MouseUp(int& Button, int& Shift, float& X, float& Y);
  void MouseDown(int& Button, int& Shift, float& X, float& Y);
  void MouseEnter();
  void MouseLeave();
  // A property was set from outside and a saved copy of the control is stale.
  void propertyChanged(const QString& name);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void SetStateAndRedraw(ButtonState state);
  void Redraw();
  void HandlePress(QMouseEvent* event);
  void StartLeavePoll();
  void OnLeavePollTick();

  QPixmap picture_;
  QPixmap pictureHover_;
  QPixmap pictureDown_;
  ButtonState state_ = ButtonState::Normal;
  bool inside_ = false;
  // A left press arrived on this control and its release has not yet come;
  // the release over the control then makes a click.
  bool leftPressPending_ = false;
  // Natural size of the last picture shown; an empty picture keeps it.
  QSize shownSize_ = kSizeWithoutPicture;
  PointerProbe probe_;
  bool pollRunning_ = false;
  LeavePollClock pollClock_ = LeavePollClock::Automatic;
  QTimer leavePoll_;  // runs while the poll runs under the automatic clock
};

}  // namespace kalvane
