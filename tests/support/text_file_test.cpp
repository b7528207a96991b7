#include "text_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <future>
#include <string>
#include <thread>

#include "support/object_registry.h"
#include "support/text_loading.h"
#include "support/unicode_text.h"

namespace ambrel {
namespace {

class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/ambrel_text_file_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    directory_ = pattern;
  }
  void TearDown() override {
    std::string command = "rm -rf '" + directory_ + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }

  std::u16string write(const std::string& name, const std::string& bytes) {
    std::string path = directory_ + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return utf8_to_utf16(path);
  }

  struct Loaded {
    TextFormat detected;
    std::u16string text;
  };

  // The load command's order: open, detect, read the whole rest in that format, close.
  Loaded load(std::u16string_view path) {
    int file = files_.open_for_reading(kAnyNumber, path);
    EXPECT_NE(files_.is_file(file), 0);
    TextFormat detected = files_.detect_text_format(file);
    std::u16string text = files_.read_text(file, static_cast<std::int32_t>(detected) | WholeFile);
    EXPECT_EQ(files_.read_error(file), 0);
    LoadedText whole = load_text_file(native_path(path));
    EXPECT_EQ(whole.error, 0);
    EXPECT_EQ(whole.text, text);
    files_.close(file);
    EXPECT_EQ(files_.is_file(file), 0);
    return {detected, text};
  }

  TextFiles files_;
  std::string directory_;
};

TEST_F(TextFileTest, ByteOrderMarksChooseTheFormatAndAreNotPartOfTheText) {
  Loaded utf8 = load(write("u8", "\xEF\xBB\xBF<a>\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80</a>"));
  EXPECT_EQ(utf8.detected, TextFormat::Utf8);
  EXPECT_EQ(utf8.text, u"<a>\u00e4\u20ac\U0001F600</a>");

  Loaded utf16 = load(write("u16", std::string("\xFF\xFE<\0a\0\xE4\0\x3D\xD8\x00\xDE", 12)));
  EXPECT_EQ(utf16.detected, TextFormat::Utf16);
  EXPECT_EQ(utf16.text, u"<a\u00e4\U0001F600");

  Loaded big_endian = load(write("be", std::string("\xFE\xFF\0<\0a\xD8\x3D\xDE\x00\0", 11)));
  EXPECT_EQ(big_endian.detected, TextFormat::Utf16BigEndian);
  EXPECT_EQ(big_endian.text, u"<a\U0001F600");

  Loaded utf32 = load(write(
      "u32",
      std::string("\xFF\xFE\0\0<\0\0\0\x00\xF6\x01\0\0\xD8\0\0\0\0\x11\0\0\0\0\0z\0\0\0", 28)));
  EXPECT_EQ(utf32.detected, TextFormat::Utf32);
  EXPECT_EQ(utf32.text, u"<\U0001F600\uFFFD\uFFFD");  // a surrogate and a value past U+10FFFF

  Loaded utf32_be = load(write("u32be", std::string("\0\0\xFE\xFF\0\0\0<\0\0\0\0\0\0\0>", 16)));
  EXPECT_EQ(utf32_be.detected, TextFormat::Utf32BigEndian);
  EXPECT_EQ(utf32_be.text, u"<");  // ended by the zero character
}

TEST_F(TextFileTest, NamesAreTheSystemsBytes) {
  std::string name = directory_ + "/caf\xE9\xFF.xml";  // not UTF-8
  std::ofstream(name, std::ios::binary) << "<a/>";
  EXPECT_EQ(file_size(name), 4);
  int file = files_.open_for_reading(kAnyNumber, name);
  ASSERT_NE(file, 0);
  EXPECT_EQ(files_.read_text(file, WholeFile), u"<a/>");
  EXPECT_EQ(load_text_file(name).text, u"<a/>");
}

TEST_F(TextFileTest, PipesAreReadToTheirEndAndDirectoriesAreErrors) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  ASSERT_EQ(::write(ends[1], "\xEF\xBB\xBF<a>\xC3\xA4</a>", 13), 13);
  ::close(ends[1]);
  LoadedText piped = load_text_file("/dev/fd/" + std::to_string(ends[0]));
  ::close(ends[0]);
  EXPECT_EQ(piped.error, 0);
  EXPECT_FALSE(piped.empty_file);
  EXPECT_EQ(piped.text, u"<a>\u00e4</a>");

  EXPECT_EQ(load_text_file(directory_).error, EISDIR);
  EXPECT_EQ(load_text_file(directory_ + "/missing").error, ENOENT);
  LoadedText empty = load_text_file(utf16_to_utf8(write("empty", "")));
  EXPECT_EQ(empty.error, 0);
  EXPECT_TRUE(empty.empty_file);
  // Files under /proc say they hold 0 bytes; only reading tells.
  LoadedText status = load_text_file("/proc/self/status");
  EXPECT_FALSE(status.empty_file);
  EXPECT_EQ(status.text.rfind(u"Name:\t", 0), 0u);
  // A read that fails is an error, not the end of the text.
  Utf16PieceReader reader(PlatformFile::open_for_reading(directory_));
  std::u16string piece;
  EXPECT_FALSE(reader.next(piece));
  EXPECT_EQ(reader.error(), EISDIR);
}

// A FIFO opened with a stop does not wait for its writer; its read does, until the writer
// sends, or the stop comes from another thread.
TEST_F(TextFileTest, AStopEndsTheWaitsOfAFifo) {
  std::string fifo = directory_ + "/fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  FileWaitStop stop;
  PlatformFile file = PlatformFile::open_for_reading(fifo, stop);
  ASSERT_TRUE(file.is_open());
  EXPECT_EQ(file.info().kind, FileKind::Stream);
  auto read = std::async(std::launch::async, [&file] {
    unsigned char byte = 0;
    return file.read(&byte, 1);
  });
  EXPECT_EQ(read.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout)
      << "the read did not wait for a writer";
  stop.stop();
  EXPECT_EQ(read.get(), -1);
  EXPECT_EQ(file.error(), ECANCELED);
  EXPECT_EQ(PlatformFile::open_for_reading(fifo, stop).error(), ECANCELED);

  // With a writer, the text comes as it does without a stop, up to the writer's end.
  FileWaitStop idle;
  PlatformFile late = PlatformFile::open_for_reading(fifo, idle);
  std::thread writer([&fifo] { std::ofstream(fifo, std::ios::binary) << "<a>1</a>"; });
  Utf16PieceReader reader(std::move(late));
  std::u16string text, piece;
  while (reader.next(piece)) text += piece;
  writer.join();
  EXPECT_EQ(reader.error(), 0);
  EXPECT_EQ(text, u"<a>1</a>");
}

TEST_F(TextFileTest, AHugeSparseFileIsReadUpToItsFirstZeroByte) {
  std::string path = utf16_to_utf8(write("sparse", "<r><a>1</a></r>"));
  if (::truncate(path.c_str(), off_t{1} << 36) != 0) GTEST_SKIP() << "no sparse files here";
  LoadedText loaded = load_text_file(path);
  EXPECT_EQ(loaded.error, 0);
  EXPECT_EQ(loaded.text, u"<r><a>1</a></r>");
}

TEST_F(TextFileTest, UnmarkedFilesAreUtf8WhereValidElseWindows1252) {
  Loaded utf8 = load(write("plain8", "<a>\xC3\xA4\r\n\xE2\x82\xAC</a>"));
  EXPECT_EQ(utf8.detected, TextFormat::Ascii);
  EXPECT_EQ(utf8.text, u"<a>\u00e4\r\n\u20ac</a>");

  Loaded latin1 = load(write("latin1", "<a>\xE4\xF6\xFC \x80\x81\x9F\xFF</a>"));
  EXPECT_EQ(latin1.text, u"<a>\u00e4\u00f6\u00fc \u20ac\u0081\u0178\u00ff</a>");

  // A valid sequence in the middle of Latin-1 bytes is still taken as UTF-8.
  Loaded mixed = load(write("mixed", "\xE9t\xC3\xA9\xC3"));
  EXPECT_EQ(mixed.text, u"\u00e9t\u00e9\u00c3");
}

TEST_F(TextFileTest, ReadingStopsAtNulAndDropsCutShortUnits) {
  EXPECT_EQ(load(write("nul", std::string("<a>x\0<b/></a>", 13))).text, u"<a>x");
  EXPECT_EQ(load(write("nul16", std::string("\xFF\xFEx\0\0\0y\0", 8))).text, u"x");
  EXPECT_EQ(load(write("odd16", std::string("\xFF\xFEx\0y", 5))).text, u"x");
  EXPECT_EQ(load(write("cut8", "\xEF\xBB\xBFok\xE2\x82")).text, u"ok");
}

TEST_F(TextFileTest, Utf8ReadTurnsBadBytesIntoMarks) {
  // A byte that starts no sequence gives "?", a broken sequence U+FFFD, and decoding
  // goes on at the byte that broke it.
  Loaded bad = load(write("bad8",
                          "\xEF\xBB\xBF"
                          "a\x80"
                          "b\xE2\x41"
                          "c\xC0\xAF"));
  EXPECT_EQ(bad.text, u"a?b\uFFFDAc\uFFFD?");
}

TEST_F(TextFileTest, LinesAndBufferBoundaries) {
  std::string long_text(10000, 'x');
  long_text[4095] = '\xC3';  // a two-byte sequence across the first buffer boundary
  long_text[4096] = '\xA9';
  Loaded across = load(write("long", long_text));
  ASSERT_EQ(across.text.size(), 9999u);
  EXPECT_EQ(across.text[4095], u'\u00e9');

  int file = files_.open_for_reading(kAnyNumber, write("lines", "one\r\ntwo\nthree"));
  EXPECT_EQ(files_.read_text(file, static_cast<std::int32_t>(TextFormat::Utf8)), u"one");
  EXPECT_EQ(files_.read_text(file, 0), u"two");
  EXPECT_EQ(files_.read_text(file, 0), u"three");
  EXPECT_EQ(files_.read_text(file, 0), u"");
  files_.close(file);
}

TEST_F(TextFileTest, SizesOfFilesDirectoriesAndMissingPaths) {
  std::u16string empty = write("empty", "");
  std::u16string four = write("four", "abcd");
  std::u16string directory = utf8_to_utf16(directory_);
  EXPECT_EQ(file_size(empty), 0);
  EXPECT_EQ(file_size(four), 4);
  EXPECT_EQ(file_size(four + u"/"), 4);
  EXPECT_EQ(file_size(directory), -2);
  EXPECT_EQ(file_size(directory + u"//"), -2);
  EXPECT_EQ(file_size(u"/"), -2);
  EXPECT_EQ(file_size(directory + u"/missing"), -1);
  EXPECT_EQ(file_size(u""), -1);
}

TEST_F(TextFileTest, OpenRefusesDirectoriesAndMissingFilesButNotOtherReaders) {
  std::u16string path = write("shared", "<a/>");
  EXPECT_EQ(files_.open_for_reading(kAnyNumber, utf8_to_utf16(directory_)), 0);
  EXPECT_EQ(errno, EISDIR);
  EXPECT_EQ(files_.open_for_reading(kAnyNumber, utf8_to_utf16(directory_ + "/missing")), 0);
  EXPECT_EQ(errno, ENOENT);

  int first = files_.open_for_reading(kAnyNumber, path);
  int second = files_.open_for_reading(kAnyNumber, path);
  ASSERT_NE(first, 0);
  ASSERT_NE(second, 0);
  EXPECT_NE(first, second);
  EXPECT_EQ(files_.read_text(second, WholeFile), u"<a/>");
  EXPECT_EQ(files_.open_for_reading(3, path), 1);
  EXPECT_NE(files_.is_file(3), 0);
  files_.close(first);
  EXPECT_EQ(files_.is_file(first), 0);
  EXPECT_EQ(files_.read_text(first, WholeFile), u"");
  EXPECT_EQ(files_.detect_text_format(first), TextFormat::Ascii);
}

TEST_F(TextFileTest, EmptyFileHasNoMarkAndNoText) {
  Loaded empty = load(write("empty", ""));
  EXPECT_EQ(empty.detected, TextFormat::Ascii);
  EXPECT_EQ(empty.text, u"");
  Loaded one = load(write("one", "<"));
  EXPECT_EQ(one.detected, TextFormat::Ascii);
  EXPECT_EQ(one.text, u"<");
}

}  // namespace
}  // namespace ambrel
