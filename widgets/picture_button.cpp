// PictureButton: the mouse state table, the leave poll, drawing and the
// property bag. The owner's handlers run synchronously inside these handlers.
#include "widgets/picture_button.h"

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QRectF>
#include <QVariant>
#include <cmath>
#include <optional>
#include <utility>

namespace kalvane {
namespace {

constexpr char kPictureKey[] = "Picture";
constexpr char kPictureHoverKey[] = "PictureHover";
constexpr char kPictureDownKey[] = "PictureDown";

int ButtonNumber(Qt::MouseButtons buttons) {
  int number = 0;
  if (buttons & Qt::LeftButton)
    number += PictureButton::kLeftButton;
  if (buttons & Qt::RightButton)
    number += PictureButton::kRightButton;
  if (buttons & Qt::MiddleButton)
    number += PictureButton::kMiddleButton;
  return number;
}

int ShiftNumber(Qt::KeyboardModifiers modifiers) {
  int number = 0;
  if (modifiers & Qt::ShiftModifier)
    number += PictureButton::kShiftKey;
  if (modifiers & Qt::ControlModifier)
    number += PictureButton::kCtrlKey;
  if (modifiers & Qt::AltModifier)
    number += PictureButton::kAltKey;
  return number;
}

// The mouse event arguments as the owner receives them, by reference.
struct MouseArguments {
  int Button;
  int Shift;
  float X;
  float Y;
};

MouseArguments ArgumentsOf(const QMouseEvent& event, Qt::MouseButtons buttons) {
  return {ButtonNumber(buttons), ShiftNumber(event.modifiers()),
          static_cast<float>(event.position().x()), static_cast<float>(event.position().y())};
}

// The size a picture takes on screen, in device-independent pixels; a HiDPI
// pixmap with a fractional size is rounded up so that nothing is cut off.
// An empty picture has no size.
std::optional<QSize> NaturalSize(const QPixmap& picture) {
  if (picture.isNull())
    return std::nullopt;
  const QSizeF size = picture.deviceIndependentSize();
  return QSize(static_cast<int>(std::ceil(size.width())),
               static_cast<int>(std::ceil(size.height())));
}

QPixmap ReadPicture(const QVariantMap& bag, const char* key) {
  const auto found = bag.constFind(QLatin1String(key));
  if (found == bag.constEnd())
    return {};
  switch (found->typeId()) {
    case QMetaType::QPixmap:
      return found->value<QPixmap>();
    case QMetaType::QImage:
      return QPixmap::fromImage(found->value<QImage>());
    default:
      return {};
  }
}

void WritePicture(QVariantMap& bag, const char* key, const QPixmap& picture) {
  if (picture.isNull()) {
    bag.remove(QLatin1String(key));
  } else {
    bag.insert(QLatin1String(key), QVariant::fromValue(picture));
  }
}

}  // namespace

PictureButton::PictureButton(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);  // moves without a button held are how an enter is seen
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  resize(kSizeWithoutPicture);
  leavePoll_.setInterval(1);
  leavePoll_.setTimerType(Qt::PreciseTimer);
  connect(&leavePoll_, &QTimer::timeout, this, &PictureButton::OnLeavePollTick);
}

PictureButton::~PictureButton() = default;

void PictureButton::setPicture(const QPixmap& picture) {
  picture_ = picture;
  Redraw();
  emit propertyChanged(QLatin1String(kPictureKey));
}

void PictureButton::setPictureHover(const QPixmap& picture) {
  pictureHover_ = picture;
  Redraw();
  emit propertyChanged(QLatin1String(kPictureHoverKey));
}

void PictureButton::setPictureDown(const QPixmap& picture) {
  pictureDown_ = picture;
  Redraw();
  emit propertyChanged(QLatin1String(kPictureDownKey));
}

const QPixmap& PictureButton::ShownPicture() const {
  switch (state_) {
    case ButtonState::Hover:
      return pictureHover_;
    case ButtonState::Pressed:
      return pictureDown_;
    case ButtonState::Normal:
      break;
  }
  return picture_;
}

void PictureButton::SetPointerProbe(PointerProbe probe) {
  probe_ = std::move(probe);
}

bool PictureButton::IsPointerOver() const {
  if (probe_)
    return probe_(*this);
  return QApplication::widgetAt(QCursor::pos()) == this;
}

void PictureButton::Save(QVariantMap& bag) const {
  WritePicture(bag, kPictureKey, picture_);
  WritePicture(bag, kPictureHoverKey, pictureHover_);
  WritePicture(bag, kPictureDownKey, pictureDown_);
}

void PictureButton::Load(const QVariantMap& bag) {
  picture_ = ReadPicture(bag, kPictureKey);
  pictureHover_ = ReadPicture(bag, kPictureHoverKey);
  pictureDown_ = ReadPicture(bag, kPictureDownKey);
  Redraw();
}

QSize PictureButton::sizeHint() const {
  return shownSize_;
}

void PictureButton::SetStateAndRedraw(ButtonState state) {
  state_ = state;
  Redraw();
}

void PictureButton::Redraw() {
  update();
  const std::optional<QSize> natural = NaturalSize(ShownPicture());
  if (!natural)
    return;  // an empty picture paints nothing and keeps the size
  if (*natural != shownSize_) {
    shownSize_ = *natural;
    updateGeometry();
  }
  // Causes a resize and so one more Redraw, which finds the size unchanged.
  if (size() != *natural)
    resize(*natural);
}

void PictureButton::paintEvent(QPaintEvent*) {
  const QPixmap& picture = ShownPicture();
  if (picture.isNull())
    return;
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture);
}

void PictureButton::resizeEvent(QResizeEvent*) {
  Redraw();
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
  MouseArguments a = ArgumentsOf(*event, event->buttons());
  emit MouseMove(a.Button, a.Shift, a.X, a.Y);
  if (a.Button >= 2)
    return;  // right or middle button, or several buttons
  if (!IsPointerOver()) {
    // A drag off the control while the left button holds the mouse grab.
    inside_ = false;
    SetStateAndRedraw(ButtonState::Normal);
  } else if (a.Button == 0 && !inside_) {
    StartLeavePoll();
    inside_ = true;
    emit MouseEnter();
    SetStateAndRedraw(ButtonState::Hover);
  } else if (a.Button == kLeftButton) {
    inside_ = true;
    SetStateAndRedraw(ButtonState::Pressed);
    inside_ = false;  // the next move without a button is a fresh enter
  }
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  HandlePress(event);
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click is still a press of the control.
  HandlePress(event);
  emit DblClick();
}

void PictureButton::HandlePress(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    leftPressPending_ = true;
  MouseArguments a = ArgumentsOf(*event, event->button());
  emit MouseDown(a.Button, a.Shift, a.X, a.Y);
  if (a.Button == kLeftButton)
    SetStateAndRedraw(ButtonState::Pressed);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  const bool left = event->button() == Qt::LeftButton;
  const bool makes_click = left && leftPressPending_ && QRectF(rect()).contains(event->position());
  if (left)
    leftPressPending_ = false;

  MouseArguments a = ArgumentsOf(*event, event->button());
  emit MouseUp(a.Button, a.Shift, a.X, a.Y);
  if (IsPointerOver()) {
    if (!inside_) {
      // Hover must always have a leave poll behind it, or the picture would
      // stay lit once the pointer left without a move over the control (after
      // a drag back onto it, or a press that no move came before).
      StartLeavePoll();
      inside_ = true;
      emit MouseEnter();
    }
    SetStateAndRedraw(ButtonState::Hover);
  } else {
    SetStateAndRedraw(ButtonState::Normal);
  }
  if (makes_click)
    emit Click();
}

void PictureButton::SetLeavePollClock(LeavePollClock clock) {
  pollClock_ = clock;
  if (pollRunning_ && clock == LeavePollClock::Automatic) {
    leavePoll_.start();
  } else {
    leavePoll_.stop();
  }
}

void PictureButton::TickLeavePoll() {
  if (pollRunning_)
    OnLeavePollTick();
}

void PictureButton::StartLeavePoll() {
  pollRunning_ = true;
  if (pollClock_ == LeavePollClock::Automatic)
    leavePoll_.start();
}

void PictureButton::OnLeavePollTick() {
  if (IsPointerOver())
    return;
  pollRunning_ = false;
  leavePoll_.stop();
  inside_ = false;
  emit MouseLeave();
  SetStateAndRedraw(ButtonState::Normal);
}

}  // namespace kalvane
