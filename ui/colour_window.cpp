#include "ui/colour_window.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "i18n/accessible_names.h"
#include "i18n/language.h"
#include "ui/band_picture.h"
#include "ui/look.h"
#include "ui/numeric_entry.h"
#include "ui/pictures.h"
#include "ui/twips.h"
#include "widgets/dis_rclick_combo.h"

namespace kalvane {
namespace {

// Where the controls of each window kind stand, in twips.
struct Geometry {
  QSize client;
  std::array<QRect, kMaxBandCount> selectors;  // unused past the band count
  QRect body;                                  // Image6
  std::array<int, kMaxBandCount> stripLefts;
  QRect frame3, frame1, valueEnglish, valuePersian, frame2, tolerance;
};

constexpr int kSelectorTop = 240;
constexpr int kSelectorHeight = 315;
constexpr int kEndStripTop = 850;
constexpr int kMiddleStripTop = 910;
const QRect kResisEnterRect(1060, 360, 1455, 285);

const Geometry& GeometryOf(WindowKind kind) {
  static const Geometry four{{5880, 4035},
                             {QRect(120, kSelectorTop, 1215, kSelectorHeight),
                              QRect(1440, kSelectorTop, 1215, kSelectorHeight),
                              QRect(2760, kSelectorTop, 1455, kSelectorHeight),
                              QRect(4440, kSelectorTop, 1335, kSelectorHeight), QRect()},
                             QRect(1320, 850, 3330, 795),
                             {1920, 2595, 3255, 3930, 0},
                             QRect(1150, 1800, 3615, 880),
                             QRect(120, 3000, 3615, 880),
                             QRect(150, 420, 1455, 255),
                             QRect(1800, 420, 1590, 255),
                             QRect(3960, 3000, 1815, 880),
                             QRect(110, 420, 1590, 255)};
  static const Geometry five{{7200, 4035},
                             {QRect(120, kSelectorTop, 1215, kSelectorHeight),
                              QRect(1440, kSelectorTop, 1215, kSelectorHeight),
                              QRect(2760, kSelectorTop, 1215, kSelectorHeight),
                              QRect(4080, kSelectorTop, 1455, kSelectorHeight),
                              QRect(5760, kSelectorTop, 1335, kSelectorHeight)},
                             QRect(1920, 850, 3330, 795),
                             {2530, 3000, 3480, 3940, 4540},
                             QRect(1780, 1800, 3615, 880),
                             QRect(120, 3000, 4095, 880),
                             QRect(150, 420, 1455, 255),
                             QRect(2280, 420, 1590, 255),
                             QRect(4440, 3000, 2610, 880),
                             QRect(105, 420, 2400, 255)};
  return kind == WindowKind::FourBand ? four : five;
}

QRect Px(const QRect& twips) {
  return TwipRect(twips.x(), twips.y(), twips.width(), twips.height());
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToQColor(Colour colour) {
  return QColor(colour.Red(), colour.Green(), colour.Blue());
}

// Band names as the windows call their selectors and strips.
QString BandName(const ColourWindowLayout& layout, int band) {
  if (band == layout.toleranceBand)
    return QStringLiteral("BandTolerance");
  return QStringLiteral("Band%1").arg(band + 1);
}
QString StripName(const ColourWindowLayout& layout, int band) {
  if (band == layout.toleranceBand)
    return QStringLiteral("ColorToler");
  return QStringLiteral("Color%1").arg(band + 1);
}

// The selector takes the back and text colour of its colour; the list that
// drops down inherits them. The list is not touched here: Qt builds it only
// when it first drops down.
void PaintSelector(QComboBox* selector, const QColor& back, const QColor& text) {
  QPalette palette = selector->palette();
  for (QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window}) {
    palette.setColor(role, back);
  }
  for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText}) {
    palette.setColor(role, text);
  }
  selector->setPalette(palette);
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

ColourWindow::ColourWindow(WindowKind kind, const QString& progLang, QWidget* parent)
    : QDialog(parent), kind_(kind), layout_(LayoutOf(kind)), state_(kind) {
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(true);
  setFont(WindowFont());
  BuildControls();
  Form_Load(progLang);
}

int ColourWindow::BandCount() const {
  return layout_.bandCount;
}

void ColourWindow::BuildControls() {
  const Geometry& g = GeometryOf(kind_);
  auto* discarder = new TypedCharacterDiscarder(this);
  for (int band = 0; band < layout_.bandCount; ++band) {
    const auto items = ItemsOf(layout_.lists[band]);
    for (bool persian : {true, false}) {
      auto* selector = new QComboBox(this);
      selector->setObjectName(BandName(layout_, band) + (persian ? "_F" : "_E"));
      for (const BandListItem& item : items)
        selector->addItem(Text(persian ? item.persian : item.english));
      selector->setGeometry(Px(g.selectors[band]));
      selector->installEventFilter(discarder);
      (persian ? bandF_ : bandE_)[band] = selector;
    }
  }

  Image6 = new QLabel(this);
  Image6->setObjectName(QStringLiteral("Image6"));
  Image6->setGeometry(Px(g.body));
  Image6->setPixmap(RenderPicture(Picture::ResistorBody, Image6->size()));
  for (int band = 0; band < layout_.bandCount; ++band) {
    const bool end = band == 0 || band == layout_.toleranceBand;
    auto* strip = new QLabel(this);
    strip->setObjectName(StripName(layout_, band));
    strip->setGeometry(
        TwipRect(g.stripLefts[band], end ? kEndStripTop : kMiddleStripTop, 120, end ? 780 : 660));
    strips_[band] = strip;
  }

  auto frame = [this](const char* name, const QRect& twips) {
    auto* box = new QGroupBox(this);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(Px(twips));
    return box;
  };
  Frame3 = frame("Frame3", g.frame3);
  Frame1 = frame("Frame1", g.frame1);
  Frame2 = frame("Frame2", g.frame2);

  ResisEnter = new QLineEdit(Text(kInitialEntryText), Frame3);
  ResisEnter->setObjectName(QStringLiteral("ResisEnter"));
  ResisEnter->setGeometry(Px(kResisEnterRect));
  ResisEnter->setMaxLength(static_cast<int>(layout_.entryLengthLimit));
  InstallCharacterFilter(ResisEnter,
                         {kDecimalSet, {}, ControlKeys::Keep, [this] { return language_; }});

  auto label = [](const char* name, QWidget* parent, const QRect& twips) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(Px(twips));
    return l;
  };
  LResValE = label("LResValE", Frame1, g.valueEnglish);
  LResValE->setLayoutDirection(Qt::LeftToRight);
  LResValF = label("LResValF", Frame1, g.valuePersian);
  LResValF->setLayoutDirection(Qt::RightToLeft);
  LResValF->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
  LToler = label("LToler", Frame2, g.tolerance);
  LToler->setLayoutDirection(Qt::LeftToRight);
  LToler->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

  // Selectors start without a selection, so that choosing the defaults at
  // load runs their handlers.
  for (int band = 0; band < layout_.bandCount; ++band) {
    bandF_[band]->setCurrentIndex(-1);
    bandE_[band]->setCurrentIndex(-1);
    const bool tolerance = band == layout_.toleranceBand;
    connect(bandF_[band], &QComboBox::currentIndexChanged, this, [this, band, tolerance] {
      if (tolerance) {
        PersianToleranceChanged();
      } else {
        PersianBandChanged(band);
      }
    });
    connect(bandE_[band], &QComboBox::currentIndexChanged, this,
            [this, band] { EnglishBandChanged(band); });
  }
}

void ColourWindow::Form_Load(const QString& progLang) {
  setFixedSize(TwipSize(GeometryOf(kind_).client.width(), GeometryOf(kind_).client.height()));
  state_ = ColourWindowState(kind_);  // ComputeCount 0: nothing computed yet

  for (int band = 0; band < layout_.bandCount; ++band) {
    bandF_[band]->setCurrentIndex(layout_.defaultPositions[band]);
  }
  for (int band = 0; band < layout_.bandCount; ++band) {
    SetComboBoxHeight(static_cast<qint16>(bandF_[band]->count()), bandF_[band]);
  }
  for (int band = 0; band < layout_.bandCount; ++band) {
    hookedEditParts_[band] = FindEditChild(bandF_[band]);
    HookNoContextMenu(hookedEditParts_[band]);
  }
  for (int band = 0; band < layout_.bandCount; ++band) {
    bandE_[band]->setCurrentIndex(layout_.defaultPositions[band]);
  }
  for (int band = 0; band < layout_.bandCount; ++band)
    PaintTwinFromPersian(band);
  for (int band = 0; band < layout_.bandCount; ++band) {
    SetComboBoxHeight(static_cast<qint16>(bandE_[band]->count()), bandE_[band]);
  }
  for (int band = 0; band < layout_.bandCount; ++band) {
    hookedEditParts_[kMaxBandCount + band] = FindEditChild(bandE_[band]);
    HookNoContextMenu(hookedEditParts_[kMaxBandCount + band]);
  }

  // The typed value drives the bands from now on; the initial "1" does not.
  // Qt 6.4's redo can leave the box longer than its limit (undo twice, redo,
  // type): such a text is cut back first, and the cut runs this again.
  connect(ResisEnter, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (text.size() > ResisEnter->maxLength()) {
      ResisEnter->setText(text.left(ResisEnter->maxLength()));
      return;
    }
    // A pasted Persian or Arabic-Indic number is read as typed ones are.
    if (const QString ascii = ToAsciiNumberText(text); ascii != text) {
      const int caret = ResisEnter->cursorPosition();
      ResisEnter->setText(ascii);
      ResisEnter->setCursorPosition(caret);
      return;
    }
    ApplyTypedValue(kind_, *this);
  });

  SetTabOrder();
  ApplyColourWindowCaptions(*this, LanguageOf(progLang.toStdString()));
}

void ColourWindow::Form_Unload() {
  for (QWidget*& editPart : hookedEditParts_) {
    UnhookNoContextMenu(editPart);
    editPart = nullptr;
  }
}

void ColourWindow::closeEvent(QCloseEvent* event) {
  Form_Unload();
  QDialog::closeEvent(event);
}

void ColourWindow::done(int result) {
  Form_Unload();
  QDialog::done(result);
}

BandPositions ColourWindow::Positions() const {
  BandPositions positions{};
  for (int band = 0; band < layout_.bandCount; ++band)
    positions[band] = bandF_[band]->currentIndex();
  return positions;
}

void ColourWindow::ShowBandPicture(int band, int position) {
  const auto colour = ColourAt(layout_.lists[band], position);
  if (!colour)
    return;
  const bool end = band == 0 || band == layout_.toleranceBand;
  strips_[band]->setPixmap(BandStrip(InfoOf(*colour).back, end ? kEndBandSize : kMiddleBandSize));
  const BandColourInfo& info = InfoOf(*colour);
  PaintSelector(bandF_[band], ToQColor(info.back), ToQColor(info.text));
  NameSelectors(band, position);
}

void ColourWindow::SetCurrentLanguage(Language language) {
  language_ = language;
  for (int band = 0; band < layout_.bandCount; ++band)
    NameSelectors(band, bandF_[band]->currentIndex());
}

void ColourWindow::NameSelectors(int band, int position) {
  const auto colour = ColourAt(layout_.lists[band], position);
  if (!colour)
    return;
  const QString name = BandAccessibleName(band, *colour, language_);
  bandF_[band]->setAccessibleName(name);
  bandE_[band]->setAccessibleName(name);
  strips_[band]->setAccessibleName(name);
}

// Reading order: right to left across the Persian set, left to right across
// the English one, then the typed box. Only the visible set takes the focus.
void ColourWindow::SetTabOrder() {
  std::vector<QWidget*> chain;
  for (int band = layout_.bandCount - 1; band >= 0; --band)
    chain.push_back(bandF_[band]);
  for (int band = 0; band < layout_.bandCount; ++band)
    chain.push_back(bandE_[band]);
  chain.push_back(ResisEnter);
  for (std::size_t i = 1; i < chain.size(); ++i)
    setTabOrder(chain[i - 1], chain[i]);
}

void ColourWindow::PaintTwinFromPersian(int band) {
  const QPalette& persian = bandF_[band]->palette();
  PaintSelector(bandE_[band], persian.color(QPalette::Button), persian.color(QPalette::ButtonText));
}

void ColourWindow::PersianBandChanged(int band) {
  const int position = bandF_[band]->currentIndex();
  if (position < 0)
    return;  // cleared: nothing to show
  ShowBandPicture(band, position);
  bandE_[band]->setCurrentIndex(position);
  PaintTwinFromPersian(band);

  if (state_.ComputeCount() == 0) {
    // Nothing computed yet: every band gets its default first.
    for (int b = 0; b < layout_.bandCount; ++b)
      bandF_[b]->setCurrentIndex(layout_.defaultPositions[b]);
  }
  state_.ConvertDat();
  const auto value = DecodeBands(kind_, Positions());
  if (!value)
    return;
  state_.SetBandValueText(value->text);
  if (layout_.writesValueToEntry) {
    ResisEnter->setText(Text(value->text));
    ResisEnter->end(false);
  }
  // A write-back's nested run selects nothing new, so the bands still show
  // `value`; it is formatted from the positions as they stand to be sure.
  const auto shown = DecodeBands(kind_, Positions());
  const FormattedResistance formatted = FormatResistance(shown ? shown->text : value->text);
  state_.SetBandValueText(formatted.scaledText);
  LResValE->setText(Text(formatted.englishCaption));
  LResValF->setText(Text(formatted.persianCaption));
}

void ColourWindow::PersianToleranceChanged() {
  const int band = layout_.toleranceBand;
  const int position = bandF_[band]->currentIndex();
  if (position < 0)
    return;
  ShowBandPicture(band, position);
  bandE_[band]->setCurrentIndex(position);
  PaintTwinFromPersian(band);
  state_.ConvertDat();
  if (auto caption = state_.ToleranceLabelText(position))
    LToler->setText(Text(*caption));
}

void ColourWindow::EnglishBandChanged(int band) {
  const int position = bandE_[band]->currentIndex();
  if (position < 0)
    return;
  bandF_[band]->setCurrentIndex(position);
  PaintTwinFromPersian(band);
}

// Qt sizes the drop-down itself: letting it show `itemCount` rows shows the
// whole list without a scroll bar.
void ColourWindow::SetComboBoxHeight(qint16 itemCount, QComboBox* selector) {
  selector->setMaxVisibleItems(itemCount);
}

std::string ColourWindow::EntryText() const {
  return ResisEnter->text().toStdString();
}

void ColourWindow::ReplaceEntryText(const std::string& text, bool caretToEnd) {
  const QString replacement = QString::fromStdString(text);
  if (replacement != ResisEnter->text())
    ResisEnter->setText(replacement);
  if (caretToEnd)
    ResisEnter->end(false);
}

void ColourWindow::SelectBand(int band, int position) {
  if (band >= 0 && band < layout_.bandCount)
    bandF_[band]->setCurrentIndex(position);
}

}  // namespace kalvane
