#include "i18n/language.h"

#include "i18n/accessible_names.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/calc4band.h"
#include "ui/calc5band.h"
#include "ui/colour_window.h"
#include "ui/main_frms.h"
#include "ui/twips.h"

namespace kalvane {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename T = QWidget>
T* Find(QObject* root, std::string_view name) {
  return root->findChild<T*>(Text(name));
}

Qt::LayoutDirection DirectionOf(Language language) {
  return language == Language::Persian ? Qt::RightToLeft : Qt::LeftToRight;
}

// Writes a caption into whatever kind of control carries it.
void SetCaption(QObject* control, const QString& caption) {
  if (auto* menu = qobject_cast<QMenu*>(control)) {
    menu->setTitle(caption);
  } else if (auto* action = qobject_cast<QAction*>(control)) {
    action->setText(caption);
  } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
    frame->setTitle(caption);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(caption);
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(caption);
  } else if (auto* window = qobject_cast<QWidget*>(control); window && window->isWindow()) {
    window->setWindowTitle(caption);
  }
}

// A named control: a menu first (its action carries the same name), then
// any other object.
QObject* FindControl(MainFrms& main, std::string_view name) {
  if (name == "MainFrms")
    return &main;
  if (auto* menu = Find<QMenu>(&main, name))
    return menu;
  if (auto* action = Find<QAction>(&main, name))
    return action;
  return Find(main.centralWidget(), name);
}

void ApplyPlacement(QWidget* widget, const Placement& placement, Language language,
                    LedCalcMode mode) {
  int top = placement.top;
  if (top == kModeDependentTop) {
    top = mode == LedCalcMode::Resis ? kRatingRowTopResis : kRatingRowTopOther;
  }
  widget->move(Px(placement.Left(language)), Px(top));
}

void ReplaceAll(QLabel* label, std::string_view from, std::string_view to) {
  QString text = label->text();
  text.replace(Text(from), Text(to), Qt::CaseSensitive);
  label->setText(text);
}

}  // namespace

void ApplyReadingDirection(QWidget* widget, Language language) {
  const Qt::Alignment side = language == Language::Persian ? Qt::AlignRight : Qt::AlignLeft;
  widget->setLayoutDirection(DirectionOf(language));
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setAlignment(side | Qt::AlignAbsolute | Qt::AlignVCenter);
  } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    box->setAlignment(side | Qt::AlignAbsolute | Qt::AlignVCenter);
  }
}

void ApplyMainWindowCaptions(MainFrms& main, Language language) {
  const LedCalcMode mode = main.Mode();
  // The panel's controls live in the client area; the colour windows are
  // children of the main window too and reuse names such as Frame1.
  QWidget* client = main.centralWidget();

  // 1. The window.
  main.setLayoutDirection(DirectionOf(language));

  // 2, 9, 11. Title, menus, mode buttons, frames, button and fixed labels.
  for (const Caption& caption : kMainWindowCaptions) {
    if (QObject* control = FindControl(main, caption.name)) {
      SetCaption(control, Text(caption.In(language)));
    }
  }

  // 3. Frame1 names the arrangement selected now.
  auto* serMov = Find<QComboBox>(client, "SerMov");
  auto* frame1 = Find<QGroupBox>(client, "Frame1");
  frame1->setLayoutDirection(DirectionOf(language));
  if (serMov->currentIndex() == 0)
    frame1->setTitle(Text(kFrame1SeriesCaption.In(language)));
  if (serMov->currentIndex() == 1)
    frame1->setTitle(Text(kFrame1ParallelCaption.In(language)));

  // 4. The arrangement list is refilled, then its series item selected,
  // which lays out the diagram for series.
  serMov->setLayoutDirection(DirectionOf(language));
  {
    const QSignalBlocker refilling(serMov);
    serMov->clear();
    for (const Caption& item : kSerMovItems)
      serMov->addItem(Text(item.In(language)));
    serMov->setCurrentIndex(-1);
  }
  serMov->setCurrentIndex(0);

  // 5. The mode buttons: the button on the reading side, and their widths.
  for (const Placement& width : kModeButtonWidths) {
    auto* option = Find<QRadioButton>(client, width.name);
    option->setLayoutDirection(DirectionOf(language));
    option->resize(std::max(Px(width.Left(language)), option->sizeHint().width()),
                   option->height());
  }

  // 6, 8. Every placed control moves; captions and boxes take the reading
  // direction. Spin buttons and their pictures only move.
  for (const Placement& placement : kMainWindowPlacements) {
    auto* widget = Find(client, placement.name);
    if (!widget)
      continue;
    const bool picture = widget->property(kPictureOnlyProperty).toBool();
    if (!picture && (qobject_cast<QLabel*>(widget) || qobject_cast<QLineEdit*>(widget))) {
      ApplyReadingDirection(widget, language);
    }
    ApplyPlacement(widget, placement, language, mode);
  }

  // 7. The result frame.
  Find(client, "Frame2")->setLayoutDirection(DirectionOf(language));

  // 10. The captions of the rows whose meaning follows the mode.
  for (const Caption& caption : ModeCaptions(mode)) {
    Find<QLabel>(client, caption.name)->setText(Text(caption.In(language)));
  }

  // 12. Result labels keep their numbers; only the unit words change.
  for (const UnitWordSwap& swap : kResultUnitWords) {
    auto* label = Find<QLabel>(client, swap.label);
    if (language == Language::Persian) {
      ReplaceAll(label, swap.english, swap.persian);
    } else {
      ReplaceAll(label, swap.persian, swap.english);
    }
  }

  ApplyMainWindowAccessibleNames(main, language);
}

void ApplyColourWindowCaptions(ColourWindow& window, Language language) {
  const bool persian = language == Language::Persian;
  window.SetCurrentLanguage(language);
  window.setLayoutDirection(DirectionOf(language));
  const Caption& title =
      window.Kind() == WindowKind::FourBand ? kCalc4BandCaption : kCalc5BandCaption;
  window.setWindowTitle(Text(title.In(language)));
  for (int band = 0; band < window.BandCount(); ++band) {
    window.PersianSelector(band)->setVisible(persian);
    window.EnglishSelector(band)->setVisible(!persian);
  }
  const std::pair<std::string_view, const Caption*> frames[] = {
      {"Frame1", &kColourFrame1Caption},
      {"Frame2", &kColourFrame2Caption},
      {"Frame3", &kColourFrame3Caption},
  };
  for (const auto& [name, caption] : frames) {
    auto* frame = Find<QGroupBox>(&window, name);
    frame->setLayoutDirection(DirectionOf(language));
    frame->setTitle(Text(caption->In(language)));
  }
  Find<QLabel>(&window, "LResValF")->setVisible(persian);
  ApplyReadingDirection(Find(&window, "ResisEnter"), language);
  ApplyColourWindowAccessibleNames(window, language);
}

// A colour window that is not loaded is loaded now, hidden, in the language
// still current, and then converted.
void ConvertColourWindows(MainFrms& main, Language language) {
  ApplyColourWindowCaptions(main.Calc4BandInstance(), language);
  ApplyColourWindowCaptions(main.Calc5BandInstance(), language);
}

void SetPersianCaptions(MainFrms& main) {
  if (main.ProgLang() != Text(kEnglish))
    return;
  ApplyMainWindowCaptions(main, Language::Persian);
  ConvertColourWindows(main, Language::Persian);
}

void SetEnglishCaptions(MainFrms& main) {
  if (main.ProgLang() != Text(kPersian))
    return;
  ApplyMainWindowCaptions(main, Language::English);
  ConvertColourWindows(main, Language::English);
}

}  // namespace kalvane
