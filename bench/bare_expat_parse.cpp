// The baseline of the ambrel-gen benchmark: the ordinary 8-bit expat parses a file read in
// 64 KiB pieces, with no handlers. Exit status 0 when the file is well-formed.
#include <expat.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  int file = open(argv[1], O_RDONLY);
  if (file < 0) return 3;
  XML_Parser parser = XML_ParserCreate(nullptr);
  std::vector<char> buffer(64 * 1024);
  bool ok = true;
  for (;;) {
    ssize_t got = read(file, buffer.data(), buffer.size());
    if (got < 0) return 3;
    ok = XML_Parse(parser, buffer.data(), static_cast<int>(got), got == 0 ? XML_TRUE : XML_FALSE) ==
         XML_STATUS_OK;
    if (!ok || got == 0) break;
  }
  XML_ParserFree(parser);
  close(file);
  return ok ? 0 : 1;
}
