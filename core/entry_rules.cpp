#include "core/entry_rules.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <utility>

namespace kalvane {
namespace {

// Bytes of the UTF-8 character that starts with `lead` (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4)
    return 4;
  if (lead >= 0xE0)
    return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2)
    return 2;
  return 1;
}

// The ASCII character a two-byte Persian or Arabic number character stands
// for, or 0. U+0660..U+0669 are D9 A0..D9 A9, U+066B is D9 AB and
// U+06F0..U+06F9 are DB B0..DB B9.
char AsciiOf(unsigned char lead, unsigned char trail) {
  if (lead == 0xD9 && trail >= 0xA0 && trail <= 0xA9)
    return static_cast<char>('0' + (trail - 0xA0));
  if (lead == 0xD9 && trail == 0xAB)
    return '.';
  if (lead == 0xDB && trail >= 0xB0 && trail <= 0xB9)
    return static_cast<char>('0' + (trail - 0xB0));
  return 0;
}

// Calls `each(character)` for every character of `text`, as its bytes.
template <typename Each>
void ForEachCharacter(std::string_view text, Each each) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length =
        std::min(SequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
    each(text.substr(i, length));
    i += length;
  }
}

}  // namespace

std::string ToAsciiNumberText(std::string_view utf8) {
  std::string ascii;
  ascii.reserve(utf8.size());
  ForEachCharacter(utf8, [&ascii](std::string_view c) {
    const char digit =
        c.size() == 2 ? AsciiOf(static_cast<unsigned char>(c[0]), static_cast<unsigned char>(c[1]))
                      : 0;
    if (digit) {
      ascii += digit;
    } else {
      ascii.append(c);
    }
  });
  return ascii;
}

std::string KeepOnly(std::string_view utf8, std::string_view allowed) {
  std::string kept;
  kept.reserve(utf8.size());
  ForEachCharacter(utf8, [&](std::string_view c) {
    if (c.size() == 1 && allowed.find(c[0]) != std::string_view::npos)
      kept += c[0];
  });
  return kept;
}

std::optional<std::string> TypedInsertion(std::string_view keyText, std::string_view allowed) {
  std::string ascii = ToAsciiNumberText(keyText);
  if (KeepOnly(ascii, allowed).size() != ascii.size())
    return std::nullopt;
  return ascii;
}

namespace {

// Characters left free in the box once the selection is replaced.
std::size_t Room(std::size_t length, std::size_t selected, std::size_t limit) {
  const std::size_t kept = length - std::min(selected, length);
  return limit > kept ? limit - kept : 0;
}

}  // namespace

std::optional<std::string> KeyInsertionWithin(std::string_view keyText, std::string_view allowed,
                                              std::size_t length, std::size_t selected,
                                              std::size_t limit) {
  std::optional<std::string> typed = TypedInsertion(keyText, allowed);
  if (!typed || typed->size() > Room(length, selected, limit))
    return std::nullopt;
  return typed;
}

std::string PasteInsertionWithin(std::string_view clipboard, std::string_view allowed,
                                 std::size_t length, std::size_t selected, std::size_t limit) {
  std::string kept = KeepOnly(ToAsciiNumberText(clipboard), allowed);
  kept.resize(std::min(kept.size(), Room(length, selected, limit)));
  return kept;
}

namespace {

// The format characters (Cf) of the Basic Multilingual Plane, as ranges.
constexpr std::pair<char32_t, char32_t> kFormatCharacters[] = {
    {0x00AD, 0x00AD}, {0x0600, 0x0605}, {0x061C, 0x061C}, {0x06DD, 0x06DD}, {0x070F, 0x070F},
    {0x0890, 0x0891}, {0x08E2, 0x08E2}, {0x180E, 0x180E}, {0x200B, 0x200F}, {0x202A, 0x202E},
    {0x2060, 0x2064}, {0x2066, 0x206F}, {0xFEFF, 0xFEFF}, {0xFFF9, 0xFFFB},
};

// The code point of a two- or three-byte UTF-8 character, or none.
std::optional<char32_t> BmpCodePoint(std::string_view c) {
  const auto byte = [&c](std::size_t i) {
    return static_cast<char32_t>(static_cast<unsigned char>(c[i]));
  };
  if (c.size() == 2)
    return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
  if (c.size() == 3)
    return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
  return std::nullopt;
}

bool IsFormatCharacter(std::string_view c) {
  const std::optional<char32_t> code = BmpCodePoint(c);
  return code && std::any_of(std::begin(kFormatCharacters), std::end(kFormatCharacters),
                             [code](const auto& range) {
                               return *code >= range.first && *code <= range.second;
                             });
}

}  // namespace

std::string PastedLine(std::string_view clipboard) {
  std::string line;
  line.reserve(clipboard.size());
  ForEachCharacter(clipboard, [&line](std::string_view c) {
    if (c == "\n")
      line += ' ';
    else if (c != "\r" && !IsFormatCharacter(c))
      line.append(c);
  });
  return line;
}

std::string PastedLineWithin(std::string_view clipboard, std::size_t length, std::size_t selected,
                             std::size_t limit) {
  std::string line = PastedLine(clipboard);
  line.resize(ByteOffsetOf(line, Room(length, selected, limit)));
  return line;
}

int LimitByPoint(std::string_view text, int start, int lengthWithPoint, int lengthWithoutPoint) {
  const std::size_t from = static_cast<std::size_t>(std::max(start, 1) - 1);
  const bool hasPoint = from < text.size() && text.find('.', from) != std::string_view::npos;
  return hasPoint ? lengthWithPoint : lengthWithoutPoint;
}

std::size_t ByteOffsetOf(std::string_view utf8, std::size_t characters) {
  std::size_t offset = 0;
  for (; characters > 0 && offset < utf8.size(); --characters) {
    offset +=
        std::min(SequenceLength(static_cast<unsigned char>(utf8[offset])), utf8.size() - offset);
  }
  return offset;
}

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  ForEachCharacter(utf8, [&count](std::string_view) { ++count; });
  return count;
}

}  // namespace kalvane
