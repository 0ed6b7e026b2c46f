#include "i18n/accessible_names.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/colour_window.h"
#include "ui/main_frms.h"

namespace kalvane {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A caption as a name: "Supply Voltage :" speaks as "Supply Voltage".
QString AsName(std::string_view caption) {
  QString name = Text(caption).trimmed();
  if (name.endsWith(QLatin1Char(':')))
    name.chop(1);
  return name.trimmed();
}

std::string_view CaptionOf(std::string_view control, LedCalcMode mode, Language language) {
  for (const Caption& caption : ModeCaptions(mode)) {
    if (caption.name == control)
      return caption.In(language);
  }
  for (const Caption& caption : kMainWindowCaptions) {
    if (caption.name == control)
      return caption.In(language);
  }
  return {};
}

struct NamedBox {
  const char* box;
  const char* caption;
  const char* unit;
  char spinLetter;  // 0: no spin buttons
};
constexpr NamedBox kBoxes[] = {
    {"Vtdc", "Label1", "Label8", 'A'},      {"LedCount", "Label2", "Label9", 'B'},
    {"VLed", "Label3", "Label10", 'C'},     {"ALed", "Label4", "Label11", 'D'},
    {"ResisSH", "Label6", "Label13", '\0'}, {"WatSH", "Label5", "Label12", '\0'},
};

// The English names of the colours as spoken; the list items keep their
// own spelling.
QString SpokenEnglishName(BandColour colour) {
  if (colour == BandColour::Silver)
    return QStringLiteral("Silver");
  return Text(InfoOf(colour).englishName);
}

}  // namespace

QString BandAccessibleName(int band, BandColour colour, Language language) {
  if (language == Language::Persian) {
    return QStringLiteral("باند %1: %2").arg(band + 1).arg(Text(InfoOf(colour).persianName));
  }
  return QStringLiteral("Band %1: %2").arg(band + 1).arg(SpokenEnglishName(colour));
}

void ApplyMainWindowAccessibleNames(MainFrms& main, Language language) {
  QWidget* client = main.centralWidget();
  const LedCalcMode mode = main.Mode();
  const bool persian = language == Language::Persian;
  for (const NamedBox& named : kBoxes) {
    const QString name =
        QStringLiteral("%1 (%2)").arg(AsName(CaptionOf(named.caption, mode, language)),
                                      AsName(CaptionOf(named.unit, mode, language)));
    client->findChild<QWidget*>(QLatin1String(named.box))->setAccessibleName(name);
    if (!named.spinLetter)
      continue;
    const QString letter(QLatin1Char(named.spinLetter));
    client->findChild<QWidget*>(QStringLiteral("BtUp") + letter)
        ->setAccessibleName((persian ? QStringLiteral("افزايش: ") : QStringLiteral("Increase: ")) +
                            name);
    client->findChild<QWidget*>(QStringLiteral("BtDown") + letter)
        ->setAccessibleName((persian ? QStringLiteral("کاهش: ") : QStringLiteral("Decrease: ")) +
                            name);
  }
  client->findChild<QWidget*>(QStringLiteral("SerMov"))
      ->setAccessibleName(persian ? QStringLiteral("نحوه اتصال LED ها")
                                  : QStringLiteral("LED arrangement"));
  client->findChild<QWidget*>(QStringLiteral("Image1"))
      ->setAccessibleName(persian ? QStringLiteral("نمودار مدار")
                                  : QStringLiteral("Circuit diagram"));
}

void ApplyColourWindowAccessibleNames(ColourWindow& window, Language language) {
  const bool persian = language == Language::Persian;
  // The bands are named by the window itself when it is given its language.
  window.findChild<QWidget*>(QStringLiteral("ResisEnter"))
      ->setAccessibleName(persian ? QStringLiteral("مقاومت به اهم")
                                  : QStringLiteral("Resistance in Ohm"));
  window.findChild<QWidget*>(QStringLiteral("Image6"))
      ->setAccessibleName(persian ? QStringLiteral("تصوير مقاومت")
                                  : QStringLiteral("Resistor drawing"));
}

}  // namespace kalvane
