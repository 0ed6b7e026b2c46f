#include "i18n/accessible_texts.h"

namespace kalvane {
std::string_view SpokenCaption(std::string_view caption) {
  auto trim = [](std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
      return std::string_view();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
  };
  std::string_view name = trim(caption);
  if (!name.empty() && name.back() == ':')
    name.remove_suffix(1);
  return trim(name);
}

std::string BoxAccessibleName(std::string_view caption, std::string_view unit) {
  std::string name(SpokenCaption(caption));
  name.append(" (").append(SpokenCaption(unit)).append(")");
  return name;
}

std::string BandAccessibleName(int band, BandColour colour, Language language) {
  const BandColourInfo& info = InfoOf(colour);
  std::string name = language == Language::Persian ? "باند " : "Band ";
  name += static_cast<char>('1' + band);  // a window has at most six bands
  name += ": ";
  // The English names are spoken as spelt, except the lists' "Seliver".
  if (language == Language::Persian) {
    name += info.persianName;
  } else {
    name += colour == BandColour::Silver ? std::string_view("Silver") : info.englishName;
  }
  return name;
}

}  // namespace kalvane
