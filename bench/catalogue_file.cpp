// Writes about MEGABYTES million bytes of catalogue XML to standard output, with LF line ends
// (or CR LF with --crlf): the documents the window benchmark opens and pastes.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "catalogue_text.h"

int main(int argc, char** argv) {
  bool crlf = argc == 3 && std::strcmp(argv[1], "--crlf") == 0;
  if (argc != 2 && !crlf) {
    std::fprintf(stderr, "usage: %s [--crlf] MEGABYTES\n", argv[0]);
    return 2;
  }
  double megabytes = std::atof(argv[argc - 1]);
  if (megabytes <= 0) {
    std::fprintf(stderr, "%s: not a size: %s\n", argv[0], argv[argc - 1]);
    return 2;
  }
  std::string text = ambrel::bench::catalogue_text(static_cast<std::size_t>(megabytes * 1e6),
                                                   crlf ? "\r\n" : "\n");
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
