// Between the core's UTF-8 texts and Qt's: the one place the windows
// convert them (colours: ToQColor in ui/view_support.h). Carets count
// characters on both sides (a Persian digit is one QChar and one character).
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kalvane {

inline QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string Utf8(const QString& text) {
  return text.toStdString();
}

}  // namespace kalvane
