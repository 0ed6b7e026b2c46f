#include "i18n/language_switch.h"

namespace kalvane {
namespace {

void ConvertFrom(LanguageOwner& owner, Language from, Language to) {
  if (owner.CurrentLanguage() != from)
    return;
  for (TranslatableWindow* window : owner.WindowsToConvert())
    window->Retranslate(to);
}

}  // namespace

void SetPersianCaptions(LanguageOwner& owner) {
  ConvertFrom(owner, Language::English, Language::Persian);
}

void SetEnglishCaptions(LanguageOwner& owner) {
  ConvertFrom(owner, Language::Persian, Language::English);
}

}  // namespace kalvane
