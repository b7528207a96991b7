#include "app/shown_file_name.h"

#include "support/name_quoting.h"
#include "support/unicode_text.h"

namespace ambrel {

std::string shown_file_name(const NativePath& path) {
#if defined(_WIN32)
  return shown_name(utf16_to_utf8({reinterpret_cast<const char16_t*>(path.data()), path.size()}));
#else
  return shown_name(path);
#endif
}

}  // namespace ambrel
