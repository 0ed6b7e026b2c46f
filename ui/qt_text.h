// Between the core's UTF-8 texts and colours and Qt's: the one place the
// windows convert them. Carets count characters on both sides (a Persian
// digit is one QChar and one character).
#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "core/colour.h"

namespace kalvane {

inline QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string Utf8(const QString& text) {
  return text.toStdString();
}

inline QColor ToQColor(Colour colour) {
  return QColor(colour.Red(), colour.Green(), colour.Blue());
}

}  // namespace kalvane
