#include "ui/about_window.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <optional>

#include "core/colour.h"
#include "i18n/about_lines.h"
#include "i18n/about_window_layout.h"
#include "i18n/accessible_texts.h"
#include "i18n/caption_tables.h"
#include "ui/gradient.h"
#include "ui/look.h"
#include "ui/pictures.h"
#include "ui/qt_text.h"
#include "ui/twips.h"
#include "ui/view_support.h"

namespace kalvane {
namespace {

constexpr std::uint32_t kYellow = 65535;
constexpr std::uint8_t kLeftToRight = 6;
constexpr const char* kWebSiteText = "kalvane.example.org";

// A gradient canvas over a pixmap, in twips. Lines one twip apart land
// fifteen to a pixel, and each covers the ones before it: only the last
// line of every pixel row or column shows. So a row or column is filled
// once, in its last line's colour, when the lines move on past it.
class PixmapCanvas : public GradientCanvas {
 public:
  PixmapCanvas(QPixmap& pixmap, QSize twips) : pixmap_(pixmap), twips_(twips) {}
  ~PixmapCanvas() override { FillPending(); }
  void SetAutoRedraw(bool) override {}
  double ScaleWidth() const override { return twips_.width(); }
  double ScaleHeight() const override { return twips_.height(); }
  void Line(double x1, double y1, double x2, double y2, Colour colour) override {
    if (!painter_.isActive())
      painter_.begin(&pixmap_);
    const QColor qcolour = ToQColor(colour);
    const bool vertical = x1 == x2;
    if (!vertical && y1 != y2) {  // not a gradient line: drawn as it is
      FillPending();
      painter_.setPen(QPen(qcolour, 0));
      painter_.drawLine(QPointF(x1, y1) / kTwipsPerPixel, QPointF(x2, y2) / kTwipsPerPixel);
      return;
    }
    const double ratio = pixmap_.devicePixelRatio();
    const int pixel = static_cast<int>(std::floor((vertical ? x1 : y1) * ratio / kTwipsPerPixel));
    if (pending_ && (pending_->vertical != vertical || pending_->pixel != pixel))
      FillPending();
    pending_ = Pending{vertical, pixel, qcolour};
  }

 private:
  struct Pending {
    bool vertical;
    int pixel;  // device pixel column (vertical) or row
    QColor colour;
  };
  void FillPending() {
    if (!pending_)
      return;
    const double ratio = pixmap_.devicePixelRatio();
    const QSizeF size = QSizeF(pixmap_.size()) / ratio;
    const double at = pending_->pixel / ratio;
    painter_.fillRect(pending_->vertical ? QRectF(at, 0, 1 / ratio, size.height())
                                         : QRectF(0, at, size.width(), 1 / ratio),
                      pending_->colour);
    pending_.reset();
  }

  QPixmap& pixmap_;
  QSize twips_;
  QPainter painter_;
  std::optional<Pending> pending_;
};

// The link: a label that acts on a left click and, when focused, on Enter
// or Space.
class LinkLabel : public QLabel {
 public:
  LinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
      : QLabel(text, parent), onClick_(std::move(onClick)) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      onClick_();
    }
  }
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
      onClick_();
      return;
    }
    QLabel::keyPressEvent(event);
  }

 private:
  std::function<void()> onClick_;
};

}  // namespace

AboutWindow::AboutWindow(Language language, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AA"));
  setWindowTitle(QStringLiteral("  درباره"));
  setFont(WindowFont());
  setModal(true);

  pictureFrame_ = new QFrame(this);
  pictureFrame_->setObjectName(QStringLiteral("Shape1"));
  pictureFrame_->setFrameStyle(QFrame::Box | QFrame::Plain);
  pictureFrame_->resize(Px(AboutPictureFramePlace(language), language).size());
  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("Image11"));
  picture_->resize(Px(kAboutPicturePlace).size());
  picture_->setPixmap(RenderPicture(Picture::AboutPicture, picture_->size()));

  details_ = new QLabel(this);
  details_->setObjectName(QStringLiteral("Label10"));
  details_->setAlignment(Qt::AlignTop | Qt::AlignAbsolute | Qt::AlignRight);

  forumLink_ = new LinkLabel(QString(), this, [this] { OnOpenForumPage(); });
  forumLink_->setObjectName(QStringLiteral("Label8"));
  QFont linkFont = WindowFont();
  linkFont.setPointSizeF(11.25);
  linkFont.setBold(true);
  linkFont.setUnderline(true);
  forumLink_->setFont(linkFont);
  QPalette linkPalette = forumLink_->palette();
  linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 192));
  forumLink_->setPalette(linkPalette);
  forumLink_->setGeometry(Px(kForumLinkPlace));

  setFixedSize(TwipSize(kAboutClientWidth, kAboutClientHeight));
  Retranslate(language);
  connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

void AboutWindow::Retranslate(Language language) {
  const bool persian = language == Language::Persian;
  gradientFirst_ = persian ? kYellow : Rgb(300, 10, 2).value;
  gradientSecond_ = persian ? Rgb(300, 10, 2).value : kYellow;
  setLayoutDirection(DirectionOf(language));
  setWindowTitle(Text(kAboutTitle.In(language)));
  details_->setGeometry(Px(AboutDetailsPlace(language)));
  details_->setAlignment(Qt::AlignTop | SideOf(language));
  picture_->move(Px(kAboutPicturePlace, language).topLeft());
  pictureFrame_->move(Px(AboutPictureFramePlace(language)).topLeft());
  QStringList lines;
  for (const std::string& line : AboutLines(language))
    lines << Text(line);
  details_->setText(lines.join(QLatin1Char('\n')));
  forumLink_->move(Px(kForumLinkPlace).topLeft());
  forumLink_->setText(QLatin1String(kWebSiteText));
  forumLink_->setAccessibleName(Text(kForumLinkPrefix.In(language)) + QLatin1String(kWebSiteText));
  picture_->setAccessibleName(Text(kAboutPictureName.In(language)));
  forumLink_->adjustSize();
  FitContents();
}

// The details may need more lines than the designed height holds in this
// font: the label grows downwards, the link and the window follow, so no
// line is ever cut off.
void AboutWindow::FitContents() {
  constexpr int kGap = 6;
  // The details are plain lines, never wrapped, each as tall as the window
  // font's line (a fallback font for Persian letters does not change it):
  // their height is known without laying the text out, which the paint does.
  const int lines = static_cast<int>(details_->text().count(QLatin1Char('\n'))) + 1;
  const int needed = lines * details_->fontMetrics().lineSpacing();
  if (needed > details_->height())
    details_->resize(details_->width(), needed);
  const int linkTop = std::max(forumLink_->y(), details_->geometry().bottom() + kGap);
  forumLink_->move(forumLink_->x(), linkTop);
  const QSize designed = TwipSize(kAboutClientWidth, kAboutClientHeight);
  const int height = std::max(designed.height(), forumLink_->geometry().bottom() + kGap);
  if (height != this->height() || designed.width() != width())
    setFixedSize(designed.width(), height);
  // Painted once the size is final: the gradient spans the whole window.
  PaintGradient(gradientFirst_, gradientSecond_, kLeftToRight);
}

void AboutWindow::PaintGradient(std::uint32_t first, std::uint32_t second, std::uint8_t direction) {
  const QSize client = size();
  const qreal ratio = devicePixelRatioF();
  // Every line spans the whole window, so one pixel row (one column for a
  // top-to-bottom gradient) holds the whole picture; painting stretches it.
  const QSize strip = direction == 0 ? QSize(1, client.height()) : QSize(client.width(), 1);
  background_ = QPixmap(strip * ratio);
  background_.setDevicePixelRatio(ratio);
  background_.fill(palette().color(QPalette::Window));
  {
    PixmapCanvas canvas(background_, QSize(Twips(client.width()), Twips(client.height())));
    MakeGradient(canvas, first, second, direction);
  }
  update();
}

void AboutWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(rect(), background_);
}

void AboutWindow::OnOpenForumPage() {
  QDesktopServices::openUrl(QUrl(QLatin1String(kForumAddress)));
}

}  // namespace kalvane
