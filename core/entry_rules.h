// The character and length rules of the program's number boxes, over UTF-8
// text: which characters a box takes, how the digits of a Persian keyboard
// read, how long a text may grow, and the clean-up after a change. Pure
// functions; they know nothing of keys, carets or widgets.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kalvane {

inline constexpr std::string_view kDecimalSet = "0123456789.";
inline constexpr std::string_view kIntegerSet = "0123456789";
// Every printable ASCII character, the space included: boxes that read what
// is typed and say what is wrong with it.
inline constexpr std::string_view kPrintableAscii =
    " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
    "abcdefghijklmnopqrstuvwxyz{|}~";

// `text` with every Persian digit (U+06F0..U+06F9) and Arabic-Indic digit
// (U+0660..U+0669) as its ASCII digit and the Arabic decimal separator
// U+066B as "."; every other character, valid or not, stays as it is.
std::string ToAsciiNumberText(std::string_view utf8);

// The characters of `text` that occur in the ASCII set `allowed`, in order.
// Any other character, also a multi-byte one, is left out whole.
std::string KeepOnly(std::string_view utf8, std::string_view allowed);

// What one key's text types into a box taking `allowed`: the text with its
// Persian and Arabic digits as ASCII, or none when a character of it is
// outside the set, in which case the whole key is refused.
std::optional<std::string> TypedInsertion(std::string_view keyText, std::string_view allowed);

// For a box of `length` characters, `selected` of them selected, that holds
// at most `limit`: what a key's text types (as TypedInsertion, and refused
// when the box would grow past the limit), and what a paste inserts (the
// characters a key could type, as ASCII, as many as there is room for).
std::optional<std::string> KeyInsertionWithin(std::string_view keyText, std::string_view allowed,
                                              std::size_t length, std::size_t selected,
                                              std::size_t limit);
std::string PasteInsertionWithin(std::string_view clipboard, std::string_view allowed,
                                 std::size_t length, std::size_t selected, std::size_t limit);

// A pasted text as one line: the invisible format characters of the Basic
// Multilingual Plane (Unicode category Cf: direction marks, zero-width
// spaces, the soft hyphen...) and carriage returns left out, line feeds as
// spaces; every other character stays as it is.
std::string PastedLine(std::string_view clipboard);
// What a paste inserts into a box of `length` characters that takes any
// character: PastedLine, as many characters as there is room for.
std::string PastedLineWithin(std::string_view clipboard, std::size_t length, std::size_t selected,
                             std::size_t limit);

// A length limit that follows the decimal point: `lengthWithPoint` when "."
// occurs in `text` from the 1-based position `start` on, else
// `lengthWithoutPoint`. A limit only stops further typing; it never shortens
// a text that is already longer.
int LimitByPoint(std::string_view text, int start, int lengthWithPoint, int lengthWithoutPoint);

// The number of characters (code points) of a UTF-8 text, the unit limits
// and carets count in; a stray byte counts as one.
std::size_t CharacterCount(std::string_view utf8);
// The byte offset at which character `characters` starts (the text's size
// past its end).
std::size_t ByteOffsetOf(std::string_view utf8, std::size_t characters);

}  // namespace kalvane
