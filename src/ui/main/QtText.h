#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kav::ui {

// Engine texts are UTF-8 bytes; bytes that are not UTF-8 show as replacement characters.
inline QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text) {
  return text.toUtf8().toStdString();
}

}  // namespace kav::ui
