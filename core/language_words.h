// The language state the main window owns: the language code and the six
// words that calculation results and the invalid-input message are built
// from, in Persian and in English. Plain data, no behaviour.
#pragma once

#include <string_view>

namespace kalvane {

// Values of the main window's ProgLang field, compared exactly.
inline constexpr std::string_view kPersian = "Persian";
inline constexpr std::string_view kEnglish = "English";

struct LanguageWords {
  std::string_view ProgLang;
  std::string_view WatLang;      // unit word after a power rating
  std::string_view ProgError;    // text of the invalid-input message box
  std::string_view ProgError2;   // error word written into result fields
  std::string_view OhmLang;      // unit word in the standard-value captions
  std::string_view LargerLang;   // tag of the nearest larger standard value
  std::string_view SmallerLang;  // tag of the nearest smaller standard value
};

// One word per line, in the order of LanguageWords.
// clang-format off
// Persian texts use the Arabic yeh (U+064A) and the keheh (U+06A9).
inline constexpr LanguageWords kPersianWords = {
    kPersian,
    "وات",
    "!مقادير وارد شده اشباه ميباشد",
    "خطا",
    "اهم",
    "(بزرگتر)",
    "(کوچکتر)",
};

inline constexpr LanguageWords kEnglishWords = {
    kEnglish,
    "W",
    "The entered value is invalid!",
    "Error",
    "Ohm",
    "(Larger)",
    "(Smaller)",
};
// clang-format on

}  // namespace kalvane
