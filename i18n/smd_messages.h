// The SMD code window's inline messages: why a typed code or a typed
// resistance has no reading, in both languages.
#pragma once

#include <string_view>

#include "core/language_words.h"
#include "core/smd_code.h"

namespace kalvane {

std::string_view SmdCodeMessage(SmdCodeError error, Language language);
std::string_view ResistanceTextMessage(ResistanceTextError error, Language language);

}  // namespace kalvane
