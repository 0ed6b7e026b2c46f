// The two routines that convert the interface between Persian and English.
// They decide whether a switch converts anything and which windows it
// reaches; each window then writes its own captions, directions and
// positions for the language (TranslatableWindow::Retranslate). They leave
// the language state and its words alone: the menu handlers assign those
// right after the call.
#pragma once

#include <vector>

#include "core/language_words.h"

namespace kalvane {

// A window that can show itself in either language.
class TranslatableWindow {
 public:
  virtual void Retranslate(Language language) = 0;

 protected:
  ~TranslatableWindow() = default;
};

// The owner of the language state: the main window.
class LanguageOwner {
 public:
  virtual Language CurrentLanguage() const = 0;
  // The windows a switch converts, the owner first, then both colour-code
  // windows; one that was never loaded is loaded now, hidden, in the
  // language still current.
  virtual std::vector<TranslatableWindow*> WindowsToConvert() = 0;

 protected:
  ~LanguageOwner() = default;
};

// Converts from English; nothing happens unless the language is English.
void SetPersianCaptions(LanguageOwner& owner);
// Converts from Persian; nothing happens unless the language is Persian.
void SetEnglishCaptions(LanguageOwner& owner);

}  // namespace kalvane
