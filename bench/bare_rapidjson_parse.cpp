// The baseline of the JSON benchmark: RapidJSON's reader, as ambrel-gen runs it (iterative,
// values one after another), with no handlers over a file read in 64 KiB pieces. Exit
// status 0 when the file is well-formed.
#include <rapidjson/filereadstream.h>
#include <rapidjson/reader.h>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::FILE* file = std::fopen(argv[1], "rb");
  if (file == nullptr) return 3;
  std::vector<char> buffer(64 * 1024);
  rapidjson::FileReadStream stream(file, buffer.data(), buffer.size());
  rapidjson::Reader reader;
  rapidjson::BaseReaderHandler<> handler;
  constexpr unsigned kFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseStopWhenDoneFlag;
  bool ok = true;
  for (;;) {
    while (stream.Peek() == ' ' || stream.Peek() == '\n' || stream.Peek() == '\r' ||
           stream.Peek() == '\t')
      stream.Take();
    if (stream.Peek() == '\0') break;
    ok = !reader.Parse<kFlags>(stream, handler).IsError();
    if (!ok) break;
  }
  std::fclose(file);
  return ok ? 0 : 1;
}
