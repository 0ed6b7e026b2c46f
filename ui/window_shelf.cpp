#include "ui/window_shelf.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <array>

#include "i18n/divider_captions.h"
#include "i18n/led_array_captions.h"
#include "i18n/network_finder_captions.h"

#include "ui/about_window.h"
#include "ui/colour_code_window.h"
#include "ui/divider_window.h"
#include "ui/led_array_window.h"
#include "ui/network_finder_window.h"
#include "ui/smd_code_window.h"

namespace kalvane {
namespace {

// Types `keys` into the window's typed-resistance box, key by key, as the
// screenshots show it.
void TypeResistance(QDialog& window, const QString& keys) {
  auto* box = window.findChild<QLineEdit*>(QStringLiteral("ResisEnter"));
  box->clear();
  for (QChar key : keys) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(key));
    QApplication::sendEvent(box, &press);
  }
}

template <WindowKind kind>
QDialog* BuildColourWindow(const WindowRequest& request) {
  return new ColourCodeWindow(kind, request.language, request.parent);
}

void PoseFourBand(QDialog& window) {
  TypeResistance(window, QStringLiteral("4700"));
}
void PoseFiveBand(QDialog& window) {
  TypeResistance(window, QStringLiteral("4.75"));
}
void PoseSixBand(QDialog& window) {
  TypeResistance(window, QStringLiteral("47.5"));
  static_cast<ColourCodeWindow&>(window).EnglishSelector(5)->setCurrentIndex(2);  // Red, 50 ppm/K
}

void PoseNetworkFinder(QDialog& window) {
  static_cast<NetworkFinderWindow&>(window).SearchNow();
}

// One line per window, in the order of its menu.
const std::array kShelf = {
    ShelfWindow{.item = &kFourBandItem,
                .menu = ShelfMenu::ColourCode,
                .build = BuildColourWindow<WindowKind::FourBand>,
                .loadedBySwitch = true,
                .picture = "calc4band",
                .pose = PoseFourBand},
    ShelfWindow{.item = &kFiveBandItem,
                .menu = ShelfMenu::ColourCode,
                .build = BuildColourWindow<WindowKind::FiveBand>,
                .loadedBySwitch = true,
                .picture = "calc5band",
                .pose = PoseFiveBand},
    ShelfWindow{.item = &kSixBandItem,
                .menu = ShelfMenu::ColourCode,
                .build = BuildColourWindow<WindowKind::SixBand>,
                .picture = "calc6band",
                .pose = PoseSixBand},
    ShelfWindow{.item = &kSmdItem,
                .menu = ShelfMenu::Tools,
                .build = Build<SmdCodeWindow>,
                .picture = "smd"},
    ShelfWindow{.item = &kNetworkFinderItem,
                .menu = ShelfMenu::Tools,
                .build = Build<NetworkFinderWindow>,
                .picture = "network",
                .pose = PoseNetworkFinder},
    ShelfWindow{.item = &kDividerItem,
                .menu = ShelfMenu::Tools,
                .build = Build<DividerWindow>,
                .picture = "divider"},
    ShelfWindow{.item = &kLedArrayItem,
                .menu = ShelfMenu::Tools,
                .build = BuildWithSeries<LedArrayWindow>,
                .picture = "ledarray"},
    ShelfWindow{.item = &kAboutItem,
                .menu = ShelfMenu::Help,
                .build = Build<AboutWindow>,
                .picture = "about"},
};

}  // namespace

std::span<const ShelfWindow> WindowShelf() {
  return kShelf;
}

const ShelfWindow* FindOnShelf(std::string_view itemName) {
  for (const ShelfWindow& window : kShelf) {
    if (window.item->name == itemName)
      return &window;
  }
  return nullptr;
}

TranslatableWindow& Translatable(QDialog& window) {
  return dynamic_cast<TranslatableWindow&>(window);
}

}  // namespace kalvane
