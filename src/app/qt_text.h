// Field texts between the core (the system's 8-bit text) and Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace ombrix {

inline QString to_qstring(std::string_view text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string to_field_text(const QString& text) { return text.toLocal8Bit().toStdString(); }

}  // namespace ombrix
