#pragma once

// The backend's texts are UTF-16, as Qt's are: they pass to Qt without a conversion. Not
// through QString::fromUtf16, which decodes a byte-order mark: it would drop a leading U+FEFF
// and swap the bytes of a text that starts with U+FFFE.

#include <QString>
#include <string_view>

namespace ambrel {

inline QString to_qstring(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

}  // namespace ambrel
