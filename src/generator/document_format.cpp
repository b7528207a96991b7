#include "generator/document_format.h"

namespace ambrel {

std::optional<DocumentFormat> FormatDetection::look_at(std::u16string_view piece) {
  for (char16_t unit : piece) {
    bool mark = at_text_start_ && unit == u'\uFEFF';
    at_text_start_ = false;
    if (mark || unit == u' ' || unit == u'\t' || unit == u'\r' || unit == u'\n') continue;
    return unit == u'{' || unit == u'[' ? DocumentFormat::json : DocumentFormat::xml;
  }
  return std::nullopt;
}

}  // namespace ambrel
