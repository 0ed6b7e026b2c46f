#include "core/resistance_list.h"

#include <string>

#include "core/entry_rules.h"

namespace kalvane {
namespace {

bool IsSeparator(char c) {
  return c == ',' || c == ';' || c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The Arabic comma U+060C and semicolon U+061B as ASCII, so that a list
// typed on a Persian keyboard splits like any other.
std::string WithAsciiSeparators(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i]) == 0xD8) {
      const auto next = static_cast<unsigned char>(utf8[i + 1]);
      if (next == 0x8C || next == 0x9B) {
        out.push_back(next == 0x8C ? ',' : ';');
        ++i;
        continue;
      }
    }
    out.push_back(utf8[i]);
  }
  return out;
}

}  // namespace

std::variant<std::vector<ResistanceText>, ResistanceListError> ReadResistanceList(
    std::string_view typed) {
  const std::string text = WithAsciiSeparators(ToAsciiNumberText(typed));
  std::vector<ResistanceText> values;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsSeparator(text[i]))
      ++i;
    std::size_t end = i;
    while (end < text.size() && !IsSeparator(text[end]))
      ++end;
    if (end == i)
      break;
    auto read = ReadResistanceText(std::string_view(text).substr(i, end - i));
    if (const auto* error = std::get_if<ResistanceTextError>(&read))
      return ResistanceListError{values.size() + 1, *error};
    auto& value = std::get<ResistanceText>(read);
    if (value.ohms <= 0)
      return ResistanceListError{values.size() + 1, ResistanceTextError::OutOfRange};
    values.push_back(std::move(value));
    i = end;
  }
  return values;
}

}  // namespace kalvane
