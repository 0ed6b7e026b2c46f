// The interface language and the six words that calculation results and
// the invalid-input message are built from, in Persian and in English.
// Plain data, no behaviour; which captions a window shows is i18n's.
#pragma once

#include <string_view>

namespace kalvane {

// The language of the whole interface: Persian at every start.
enum class Language { Persian, English };

// The language state's name for a language, "Persian" or "English".
constexpr std::string_view ProgLangText(Language language) {
  return language == Language::Persian ? "Persian" : "English";
}

struct LanguageWords {
  Language language;
  std::string_view wattUnit;             // unit word after a power rating
  std::string_view invalidInputMessage;  // text of the invalid-input message box
  std::string_view errorWord;            // error word written into result fields
  std::string_view ohmUnit;              // unit word in the standard-value captions
  std::string_view largerTag;            // tag of the nearest larger standard value
  std::string_view smallerTag;           // tag of the nearest smaller standard value
};

// One word per line, in the order of LanguageWords.
// clang-format off
// Persian texts use the Arabic yeh (U+064A) and the keheh (U+06A9).
inline constexpr LanguageWords kPersianWords = {
    Language::Persian,
    "وات",
    "!مقادير وارد شده اشباه ميباشد",
    "خطا",
    "اهم",
    "(بزرگتر)",
    "(کوچکتر)",
};

inline constexpr LanguageWords kEnglishWords = {
    Language::English,
    "W",
    "The entered value is invalid!",
    "Error",
    "Ohm",
    "(Larger)",
    "(Smaller)",
};
// clang-format on

constexpr const LanguageWords& WordsOf(Language language) {
  return language == Language::Persian ? kPersianWords : kEnglishWords;
}

}  // namespace kalvane
