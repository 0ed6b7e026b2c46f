#include "i18n/about_lines.h"

namespace kalvane {
namespace {

std::string Indented(int spaces, std::string_view text) {
  return std::string(static_cast<std::size_t>(spaces), ' ') + std::string(text);
}

}  // namespace

std::vector<std::string> AboutLines(Language language) {
  if (language == Language::Persian) {
    constexpr int item = 9, sub = 23;
    return {
        "کالوانه نسخه 1",
        "ماشين حساب الکترونيک براي علاقه مندان",
        "محاسبات برنامه :",
        Indented(item, "1- مقاومت سري LED"),
        Indented(sub, "مقاومت براي LED هاي سري"),
        Indented(sub, "مقاومت براي LED هاي موازي"),
        Indented(sub, "ولتاژ يا جريان هر LED"),
        Indented(sub, "مقدار استاندارد و وات مقاومت"),
        Indented(item, "2- کد رنگي مقاومت"),
        Indented(sub, "مقاومت هاي 4، 5 و 6 باند"),
        Indented(sub, "کد مقاومت هاي SMD"),
        // The mark keeps the number with its line: after "SMD" it would
        // otherwise run on left to right with the line before.
        Indented(item, "\u200f3- ترکيب مقاومت ها و آرايه LED"),
        Indented(sub, "يافتن ترکيب مقاومت ها"),
        Indented(sub, "تقسيم ولتاژ و رگولاتور"),
        Indented(sub, "طراحي آرايه LED"),
        "ايميل : kalvane@example.org",
        "",
        "تلفن : ندارد، لطفا ايميل بزنيد",
    };
  }
  constexpr int item = 9, sub = 24;
  return {
      "Kalvane V1.0",
      "Electronics calculator for hobbyists",
      "What it calculates:",
      Indented(item, "1. LED series resistor"),
      Indented(sub, "Resistor for LEDs in series"),
      Indented(sub, "Resistor for LEDs in parallel"),
      Indented(sub, "Voltage or current of one LED"),
      Indented(sub, "Standard value and wattage"),
      Indented(item, "2. Resistor colour code"),
      Indented(sub, "4-, 5- and 6-band resistors"),
      Indented(sub, "SMD resistor codes"),
      Indented(item, "3. Resistor combinations and LED arrays"),
      Indented(sub, "Resistor network finder"),
      Indented(sub, "Voltage divider and regulator"),
      Indented(sub, "LED array designer"),
      "",
      "E-mail: kalvane@example.org",
      "",
      "Phone: none, please write by e-mail",
  };
}

}  // namespace kalvane
