#include "ui/colour_code_window.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "i18n/accessible_texts.h"
#include "i18n/caption_tables.h"
#include "i18n/colour_window_layout.h"
#include "ui/band_picture.h"
#include "ui/look.h"
#include "ui/numeric_entry.h"
#include "ui/pictures.h"
#include "ui/qt_text.h"
#include "ui/twips.h"
#include "ui/view_support.h"
#include "widgets/dis_rclick_combo.h"

namespace kalvane {
namespace {

// The designed names of a window's controls.
QString DesignedName(WindowKind kind) {
  return QStringLiteral("Calc%1Band").arg(LayoutOf(kind).bandCount);
}
QString SelectorName(const ColourWindowLayout& layout, int band) {
  if (band == layout.toleranceBand)
    return QStringLiteral("BandTolerance");
  if (band == layout.temperatureCoefficientBand)
    return QStringLiteral("BandTC");
  return QStringLiteral("Band%1").arg(band + 1);
}
QString PictureName(const ColourWindowLayout& layout, int band) {
  if (band == layout.toleranceBand)
    return QStringLiteral("ColorToler");
  if (band == layout.temperatureCoefficientBand)
    return QStringLiteral("ColorTC");
  return QStringLiteral("Color%1").arg(band + 1);
}

const Caption& TitleOf(WindowKind kind) {
  switch (kind) {
    case WindowKind::FourBand:
      return kFourBandTitle;
    case WindowKind::FiveBand:
      break;
    case WindowKind::SixBand:
      return kSixBandTitle;
  }
  return kFiveBandTitle;
}

// The selector takes the back and text colour of its colour; the list that
// drops down inherits them. The list is not touched here: Qt builds it only
// when it first drops down.
void PaintSelector(QComboBox* selector, const BandColourInfo& colour) {
  QPalette palette = selector->palette();
  for (QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window})
    palette.setColor(role, ToQColor(colour.back));
  for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText})
    palette.setColor(role, ToQColor(colour.text));
  selector->setPalette(palette);
}

void ShowPosition(QComboBox* selector, int position) {
  if (selector->currentIndex() == position)
    return;
  const QSignalBlocker showing(selector);
  selector->setCurrentIndex(position);
}

// Typed characters never reach a selector or its list: only the mouse and
// the arrow keys choose an item. Installed on a selector, it also watches the
// list, which Qt creates on the first drop-down and polishes before showing.
class TypedCharacterDiscarder : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ChildPolished) {
      if (auto* view = watched->findChild<QAbstractItemView*>())
        view->installEventFilter(this);
      return false;
    }
    return event->type() == QEvent::KeyPress &&
           RoleOf(*static_cast<QKeyEvent*>(event)) == KeyRole::Character;
  }
};

}  // namespace

ColourCodeWindow::ColourCodeWindow(WindowKind kind, Language language, QWidget* parent)
    : QDialog(parent), model_(kind) {
  setObjectName(DesignedName(kind));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(true);
  setFont(WindowFont());
  paintedPositions_.fill(-1);
  BuildControls();
  const ColourWindowPlaces& g = ColourPlacesOf(kind);
  setFixedSize(TwipSize(g.clientWidth, g.clientHeight));
  HookSelectorMenus();
  SetTabOrder();
  Retranslate(language);
}

int ColourCodeWindow::BandCount() const {
  return LayoutOf(Kind()).bandCount;
}

void ColourCodeWindow::BuildControls() {
  const ColourWindowLayout& layout = LayoutOf(Kind());
  const ColourWindowPlaces& g = ColourPlacesOf(Kind());
  auto* discarder = new TypedCharacterDiscarder(this);
  for (int band = 0; band < layout.bandCount; ++band) {
    for (bool persian : {true, false}) {
      auto* selector = new QComboBox(this);
      selector->setObjectName(SelectorName(layout, band) + (persian ? "_F" : "_E"));
      for (const BandListItem& item : ItemsOf(layout.lists[Index(band)]))
        selector->addItem(Text(persian ? item.persian : item.english));
      selector->setGeometry(Px(g.selectors[Index(band)]));
      selector->installEventFilter(discarder);
      // The whole list shows when it drops down, without a scroll bar.
      selector->setMaxVisibleItems(selector->count());
      (persian ? persianSelectors_ : englishSelectors_)[Index(band)] = selector;
      connect(selector, &QComboBox::currentIndexChanged, this, [this, band, persian](int index) {
        if (persian) {
          OnPersianPicked(band, index);
        } else {
          OnEnglishPicked(band, index);
        }
      });
    }
  }

  resistorBody_ = new QLabel(this);
  resistorBody_->setObjectName(QStringLiteral("Image6"));
  resistorBody_->setGeometry(Px(g.body));
  resistorBody_->setPixmap(RenderPicture(Picture::ResistorBody, resistorBody_->size()));
  for (int band = 0; band < layout.bandCount; ++band) {
    const bool end = g.onEndCap[Index(band)];
    auto* picture = new QLabel(this);
    picture->setObjectName(PictureName(layout, band));
    picture->setGeometry(TwipRect(g.pictureLefts[Index(band)],
                                  end ? kEndPictureTop : kMiddlePictureTop, 120, end ? 780 : 660));
    bandPictures_[Index(band)] = picture;
  }

  auto frame = [this](const ControlPlace& place) { return NewFrame(this, place.name, place); };
  typedValueFrame_ = frame(g.typedValueFrame);
  resistanceFrame_ = frame(g.resistanceFrame);
  toleranceFrame_ = frame(g.toleranceFrame);
  if (layout.temperatureCoefficientBand >= 0)
    temperatureFrame_ = frame(g.temperatureFrame);

  typedValueBox_ = new QLineEdit(Text(model_.Text()), typedValueFrame_);
  typedValueBox_->setObjectName(Text(kTypedValueBoxPlace.name));
  typedValueBox_->setGeometry(Px(kTypedValueBoxPlace));
  typedValueBox_->setMaxLength(static_cast<int>(model_.LengthLimit()));
  InstallEntryRules(typedValueBox_,
                    ModelEntryRules(model_, ControlKeys::Keep, [this] { return language_; }));
  // Any change of the box's text reaches the model; the model's own texts
  // are written with the box's signals blocked.
  connect(typedValueBox_, &QLineEdit::textChanged, this, &ColourCodeWindow::OnEntryEdited);

  auto label = [](QWidget* parent, const ControlPlace& place) {
    QLabel* l = NewLabel(parent, place.name);
    l->setGeometry(Px(place));
    return l;
  };
  englishResistanceLabel_ = label(resistanceFrame_, g.englishValue);
  englishResistanceLabel_->setLayoutDirection(Qt::LeftToRight);
  persianResistanceLabel_ = label(resistanceFrame_, g.persianValue);
  persianResistanceLabel_->setLayoutDirection(Qt::RightToLeft);
  persianResistanceLabel_->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
  toleranceLabel_ = label(toleranceFrame_, g.tolerance);
  toleranceLabel_->setLayoutDirection(Qt::LeftToRight);
  toleranceLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  if (temperatureFrame_) {
    temperatureLabel_ = label(temperatureFrame_, g.temperature);
    temperatureLabel_->setLayoutDirection(Qt::LeftToRight);
    temperatureLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  }
}

// The lists' edit parts open no context menu while the window is loaded.
void ColourCodeWindow::HookSelectorMenus() {
  for (int band = 0; band < BandCount(); ++band) {
    hookedEditParts_[Index(band)] = FindEditChild(PersianSelector(band));
    hookedEditParts_[kMaxBandCount + Index(band)] = FindEditChild(EnglishSelector(band));
  }
  for (QWidget* editPart : hookedEditParts_)
    HookNoContextMenu(editPart);
}

void ColourCodeWindow::UnhookSelectorMenus() {
  for (QWidget*& editPart : hookedEditParts_) {
    UnhookNoContextMenu(editPart);
    editPart = nullptr;
  }
}

void ColourCodeWindow::closeEvent(QCloseEvent* event) {
  UnhookSelectorMenus();
  QDialog::closeEvent(event);
}

void ColourCodeWindow::done(int result) {
  UnhookSelectorMenus();
  QDialog::done(result);
}

// Reading order: right to left across the Persian set, left to right across
// the English one, then the typed box. Only the visible set takes the focus.
void ColourCodeWindow::SetTabOrder() {
  std::vector<QWidget*> chain;
  for (int band = BandCount() - 1; band >= 0; --band)
    chain.push_back(PersianSelector(band));
  for (int band = 0; band < BandCount(); ++band)
    chain.push_back(EnglishSelector(band));
  chain.push_back(typedValueBox_);
  for (std::size_t i = 1; i < chain.size(); ++i)
    setTabOrder(chain[i - 1], chain[i]);
}

void ColourCodeWindow::Retranslate(Language language) {
  language_ = language;
  const bool persian = language == Language::Persian;
  setLayoutDirection(DirectionOf(language));
  setWindowTitle(Text(TitleOf(Kind()).In(language)));
  for (int band = 0; band < BandCount(); ++band) {
    PersianSelector(band)->setVisible(persian);
    EnglishSelector(band)->setVisible(!persian);
    // Screen readers on Linux name a drop-down list by its current item; the
    // band's picture, which carries the band's name, labels the visible one.
    bandPictures_[Index(band)]->setBuddy(persian ? PersianSelector(band) : EnglishSelector(band));
  }
  const std::pair<QGroupBox*, const Caption*> frames[] = {
      {resistanceFrame_, &kResistanceFrame},
      {toleranceFrame_, &kToleranceFrame},
      {typedValueFrame_, &kTypedValueFrame},
      {temperatureFrame_, &kTemperatureFrame},
  };
  for (const auto& [frame, caption] : frames) {
    if (!frame)
      continue;
    frame->setLayoutDirection(DirectionOf(language));
    frame->setTitle(Text(caption->In(language)));
  }
  persianResistanceLabel_->setVisible(persian);
  typedValueBox_->setLayoutDirection(DirectionOf(language));
  typedValueBox_->setAlignment(SideOf(language) | Qt::AlignVCenter);
  typedValueBox_->setAccessibleName(Text(kTypedValueBoxName.In(language)));
  resistorBody_->setAccessibleName(Text(kResistorDrawingName.In(language)));
  paintedPositions_.fill(-1);  // the band names are in the language shown
  ShowModel();
}

void ColourCodeWindow::OnPersianPicked(int band, int position) {
  model_.SelectPersian(band, position);
  ShowModel();
}

void ColourCodeWindow::OnEnglishPicked(int band, int position) {
  model_.SelectEnglish(band, position);
  ShowModel();
}

void ColourCodeWindow::OnEntryEdited() {
  model_.EditEntry(Utf8(typedValueBox_->text()),
                   static_cast<std::size_t>(typedValueBox_->cursorPosition()));
  ShowModel();
}

void ColourCodeWindow::ShowModel() {
  for (int band = 0; band < BandCount(); ++band)
    ShowBand(band);
  const QString text = Text(model_.Text());
  const QSignalBlocker showing(typedValueBox_);
  if (typedValueBox_->text() != text)
    typedValueBox_->setText(text);
  const int caret = static_cast<int>(model_.Caret());
  if (typedValueBox_->cursorPosition() != caret)
    typedValueBox_->setCursorPosition(caret);
  ShowText(englishResistanceLabel_, model_.ResistanceCaptionEnglish());
  ShowText(persianResistanceLabel_, model_.ResistanceCaptionPersian());
  ShowText(toleranceLabel_, model_.ToleranceCaption());
  if (temperatureLabel_)
    ShowText(temperatureLabel_, model_.TemperatureCoefficientCaption());
}

// Both selectors of a band at the model's positions, painted in the colour
// chosen, with its picture on the drawing and its spoken name.
void ColourCodeWindow::ShowBand(int band) {
  const ColourWindowLayout& layout = LayoutOf(Kind());
  const int position = model_.Positions()[Index(band)];
  ShowPosition(PersianSelector(band), position);
  ShowPosition(EnglishSelector(band), model_.EnglishPositions()[Index(band)]);
  if (paintedPositions_[Index(band)] == position)
    return;
  const std::optional<BandColour> colour = ColourAt(layout.lists[Index(band)], position);
  if (!colour)
    return;
  paintedPositions_[Index(band)] = position;
  const BandColourInfo& info = InfoOf(*colour);
  const bool end = ColourPlacesOf(Kind()).onEndCap[Index(band)];
  bandPictures_[Index(band)]->setPixmap(BandStrip(info.back, end ? kEndBandSize : kMiddleBandSize));
  const QString name = Text(BandAccessibleName(band, *colour, language_));
  for (QWidget* named :
       {static_cast<QWidget*>(PersianSelector(band)), static_cast<QWidget*>(EnglishSelector(band)),
        static_cast<QWidget*>(bandPictures_[Index(band)])}) {
    named->setAccessibleName(name);
  }
  PaintSelector(PersianSelector(band), info);
  PaintSelector(EnglishSelector(band), info);
}

}  // namespace kalvane
