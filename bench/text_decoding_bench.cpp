// Decoding a file's bytes to UTF-16 and encoding UTF-16 back to UTF-8, in MB of input per
// second, beside memcpy and strlen over the same bytes as the memory-speed baseline. The
// decoder runs as the loader runs it: 64 KiB pieces, each piece's text replacing the last.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "support/text_decoding.h"
#include "support/platform_file.h"
#include "support/unicode_text.h"
#include "support/text_loading.h"

namespace {

using namespace ambrel;

constexpr std::size_t kBytes = 64u << 20;
constexpr int kRounds = 5;

using bench::seconds_since;

// The best of a few rounds, as MB (10^6 bytes of input) per second.
double megabytes_per_second(std::size_t bytes, const std::function<void()>& work) {
  double best = 1e30;
  for (int round = 0; round < kRounds; ++round) {
    auto start = std::chrono::steady_clock::now();
    work();
    best = std::min(best, seconds_since(start));
  }
  return static_cast<double>(bytes) / 1e6 / best;
}

// Catalogue-like records; `accent` is put into every text (empty: pure ASCII).
std::string document(const std::string& accent) {
  std::string doc = "<catalog>\n";
  for (long i = 0; doc.size() < kBytes; ++i) {
    std::string n = std::to_string(i);
    doc += "  <book id=\"bk" + n + "\">\n    <author>Author" + accent + " " + n +
           "</author>\n    <title>Title " + n + accent + "</title>\n    <price>" +
           std::to_string(i % 100) + ".95</price>\n  </book>\n";
  }
  doc.resize(kBytes);
  return doc;
}

volatile std::size_t sink = 0;

void decode_in_pieces(const std::string& bytes) {
  MarkedTextDecoder decoder;
  std::u16string piece;
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  for (std::size_t at = 0; at < bytes.size(); at += Utf16PieceReader::kPieceBytes) {
    piece.clear();
    decoder.decode(data + at, std::min(Utf16PieceReader::kPieceBytes, bytes.size() - at), piece);
    sink = sink + piece.size();
  }
  decoder.finish(piece);
}

void report(const char* what, double rate, double baseline) {
  std::printf("  %-44s %8.0f MB/s  (%.2f of memcpy)\n", what, rate, rate / baseline);
}

}  // namespace

int main() {
  std::printf("text decoding, %zu MB inputs, best of %d rounds\n", kBytes >> 20, kRounds);
  std::string ascii = document("");
  std::string utf8 = document("\xC3\xA9\xE2\x82\xAC");  // é€ in every text: about 4 % of the bytes
  std::string latin1 = document("\xE9\xE8");  // bytes that are not UTF-8: the careful path
  std::vector<char> copy(kBytes + 1);

  double memcpy_rate =
      megabytes_per_second(kBytes, [&] { std::memcpy(copy.data(), ascii.data(), kBytes); });
  report("memcpy", memcpy_rate, memcpy_rate);
  report("strlen", megabytes_per_second(kBytes, [&] { sink = std::strlen(ascii.c_str()); }),
         memcpy_rate);
  report("decode ASCII, 64 KiB pieces",
         megabytes_per_second(kBytes, [&] { decode_in_pieces(ascii); }), memcpy_rate);
  report("decode UTF-8 (4 % multi-byte), 64 KiB pieces",
         megabytes_per_second(kBytes, [&] { decode_in_pieces(utf8); }), memcpy_rate);
  report("decode Windows-1252 text, 64 KiB pieces",
         megabytes_per_second(kBytes, [&] { decode_in_pieces(latin1); }), memcpy_rate);

  std::u16string text = utf8_to_utf16(utf8);
  report("encode UTF-16 to UTF-8, 64 Ki-unit slices",
         megabytes_per_second(
             kBytes,
             [&] {
               for (std::size_t at = 0; at < text.size(); at += 65536) {
                 sink = sink + utf16_to_utf8(std::u16string_view(text).substr(at, 65536)).size();
               }
             }),
         memcpy_rate);
  report("encode UTF-16 to UTF-8, whole text into new memory",
         megabytes_per_second(kBytes, [&] { sink = utf16_to_utf8(text).size(); }), memcpy_rate);

  char path[] = "/tmp/ambrel_decoding_bench_XXXXXX";
  int fd = ::mkstemp(path);
  if (fd < 0 || ::write(fd, utf8.data(), utf8.size()) != static_cast<ssize_t>(utf8.size())) {
    std::printf("  (cannot write a temporary file)\n");
    return 1;
  }
  ::close(fd);
  report("read + decode a UTF-8 file (page cache)",
         megabytes_per_second(kBytes,
                              [&] {
                                Utf16PieceReader reader(PlatformFile::open_for_reading(path));
                                std::u16string piece;
                                while (reader.next(piece)) sink = sink + piece.size();
                              }),
         memcpy_rate);
  ::unlink(path);
  return 0;
}
