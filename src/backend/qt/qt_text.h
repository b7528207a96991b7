#pragma once

// The backend's texts are UTF-16, as Qt's are: they pass to Qt without a conversion.

#include <QString>
#include <string_view>

namespace ambrel {

inline QString to_qstring(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace ambrel
