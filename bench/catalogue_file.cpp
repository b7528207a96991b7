// Writes about MEGABYTES million bytes of catalogue XML (or with --json the same records as
// JSON) to standard output, with LF line ends (or CR LF with --crlf): the documents the window
// benchmark opens and pastes. --one-line writes the same text as one line (minified);
// --long-key a JSON record whose one key is MEGABYTES long.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "catalogue_text.h"

int main(int argc, char** argv) {
  bool crlf = false, json = false, one_line = false, long_key = false;
  int at = 1;
  for (; at < argc - 1; ++at) {
    if (std::strcmp(argv[at], "--crlf") == 0) {
      crlf = true;
    } else if (std::strcmp(argv[at], "--json") == 0) {
      json = true;
    } else if (std::strcmp(argv[at], "--one-line") == 0) {
      one_line = true;
    } else if (std::strcmp(argv[at], "--long-key") == 0) {
      long_key = true;
    } else {
      break;
    }
  }
  if (at != argc - 1) {
    std::fprintf(stderr, "usage: %s [--crlf] [--json] [--one-line | --long-key] MEGABYTES\n",
                 argv[0]);
    return 2;
  }
  double megabytes = std::atof(argv[argc - 1]);
  if (megabytes <= 0) {
    std::fprintf(stderr, "%s: not a size: %s\n", argv[0], argv[argc - 1]);
    return 2;
  }
  auto bytes = static_cast<std::size_t>(megabytes * 1e6);
  std::string line_end = crlf ? "\r\n" : "\n";
  std::string text = long_key ? ambrel::bench::long_key_json_text(bytes, line_end)
                     : json   ? ambrel::bench::catalogue_json_text(bytes, line_end)
                              : ambrel::bench::catalogue_text(bytes, line_end);
  if (one_line) text = ambrel::bench::one_line_of(text);
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
