#pragma once

#include <QByteArray>
#include <string>

#include "lang/cp1251.h"

namespace tavlo {

// Answers are built in UTF-8 and sent in Windows-1251.
inline QByteArray Answer(const std::string& utf8) {
  const std::string bytes = Utf8ToCp1251(utf8);
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// A text field of a space-separated record: "#" stands for an empty one.
inline std::string Word(const std::string& text) { return text.empty() ? "#" : text; }

inline const QByteArray kRefused = "no";
inline const QByteArray kDone = "ok";
inline const QByteArray kTaken = "is";

}  // namespace tavlo
