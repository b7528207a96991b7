// Loading files: the open-file command, drops on the input frame, and files that are not
// what they seem.

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <limits>
#include <optional>
#include <string>
#include <thread>

#include "app/file_load.h"
#include "app/tool_window.h"
#include "app_fixture.h"
#include "whole_text_generator.h"

namespace ambrel {
namespace {

namespace fs = std::filesystem;

constexpr std::u16string_view kDocument = u"<r><x>1</x><x>2</x><y>t</y></r>";

class AppFilesTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    directory = fs::temp_directory_path() /
                ("ambrel_app_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(directory);
  }
  // The application ends first: its reading threads may still hold a file, and Windows
  // keeps a folder holding a file someone has open.
  void TearDown() override {
    AppTest::TearDown();
    std::error_code failed;
    fs::remove_all(directory, failed);
    EXPECT_FALSE(failed) << directory << ": " << failed.message();
  }

  std::u16string write(const std::string& name, const std::string& bytes) {
    fs::path path = directory / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.u16string();
  }

  // Drops the files on the input frame at `time`; the loop loads the first.
  void drop_at(std::int64_t time, std::vector<std::u16string> files) {
    at(time, [this, files] {
      headless->user_drop_files(handle(u"frameIn"), files, {5, 5}, kDropCopy, 0);
    });
  }

  // Takes the events queued now, without waiting for any: a FIFO that has no writer keeps the
  // load awaiting a report that will not come.
  void take_queued() {
    for (int code = window_wait_event(0); code != 0; code = window_wait_event(0)) {
      application_handle_event(code);
    }
  }

  // Puts a known state in both panes, to see that a load changes nothing.
  void prefill() {
    headless->set_clipboard_text(kDocument);
    click(u"cmdPaste");
    settle();
  }

  fs::path directory;
};

TEST_F(AppFilesTest, OpenLoadsTheChosenFileAtOnce) {
  std::u16string path = write("in.xml", "<a><b>1.5</b></a>");
  headless->answer_open_file(path);
  click(u"cmdFile");
  settle();
  EXPECT_EQ(text(u"txtIn"), u"<a><b>1.5</b></a>");
  EXPECT_EQ(text(u"txtOut"), generate_declarations(u"<a><b>1.5</b></a>"));
  EXPECT_TRUE(enabled(u"cmdCopyAll"));
  ASSERT_TRUE(headless->last_open_file_request());
  const OpenFileRequest& request = *headless->last_open_file_request();
  EXPECT_EQ(request.title, u"Read XML from file");
  ASSERT_EQ(request.filters.size(), 1u);
  EXPECT_EQ(request.filters[0].description, u"XML text file (*.*)");
  EXPECT_EQ(request.filters[0].pattern, u"*.*");
  EXPECT_EQ(request.selected_filter, 0);
  EXPECT_EQ(request.initial_directory, u"");
  EXPECT_EQ(request.proposed_name, u"");
}

// `ambrel FILE`: the window opens with the file loaded, as a drop of it would load it.
TEST_F(AppFilesTest, AFileNamedAtTheStartIsLoadedAsADropWouldLoadIt) {
  std::u16string path = write("start.xml", "<s><v>2</v><v>3</v></s>");
  application_end();  // the test starts the whole program itself
  running = false;
  auto backend = std::make_unique<HeadlessBackend>();
  HeadlessBackend& program = *backend;
  std::u16string input, output;
  bool copy_all = false;
  program.schedule(1, [&] {
    input = text(u"txtIn");
    output = text(u"txtOut");
    copy_all = program.control_enabled(handle(u"cmdCopyAll"));
    program.user_close(main_window());
  });
  EXPECT_EQ(run_application(std::move(backend), native_path(path)), 0);
  EXPECT_EQ(input, u"<s><v>2</v><v>3</v></s>");
  EXPECT_EQ(output, generate_declarations(u"<s><v>2</v><v>3</v></s>"));
  EXPECT_TRUE(copy_all);
}

#if !defined(_WIN32)
// POSIX systems: names are bytes, and FIFOs and pipes have names.

// A name that is not UTF-8 (Latin-1 "café") reaches the system as the bytes it was given.
TEST_F(AppFilesTest, AFileNamedAtTheStartInLatin1IsLoaded) {
  std::string name = (directory / "caf").string() + "\xE9.xml";
  std::ofstream(name, std::ios::binary) << "<latin><v>1</v></latin>";
  application_end();
  running = false;
  auto backend = std::make_unique<HeadlessBackend>();
  HeadlessBackend& program = *backend;
  std::u16string input;
  program.schedule(1, [&] {
    input = text(u"txtIn");
    program.user_close(main_window());
  });
  EXPECT_EQ(run_application(std::move(backend), native_path_of_argument(name)), 0);
  EXPECT_EQ(input, u"<latin><v>1</v></latin>");
}

// Opening a FIFO waits for its writer: that wait must not hold the window, and Clear ends it.
TEST_F(AppFilesTest, AFifoWithoutAWriterLeavesTheWindowAnswering) {
  std::string fifo = (directory / "fifo.xml").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  prefill();
  std::promise<void> loaded;
  std::future<void> returned = loaded.get_future();
  std::atomic<bool> rescued{false};
  std::thread rescue([&] {
    // Should the load hold this thread, a writer comes at last, so that the test ends.
    if (returned.wait_for(std::chrono::seconds(10)) == std::future_status::ready) return;
    rescued = true;
    int writer = ::open(fifo.c_str(), O_WRONLY);
    if (writer >= 0) ::close(writer);
  });
  application_window()->load_file(native_path_of_argument(fifo));
  loaded.set_value();
  rescue.join();
  EXPECT_FALSE(rescued.load()) << "the load waited for the FIFO's writer";
  take_queued();
  EXPECT_EQ(text(u"txtIn"), kDocument);
  EXPECT_TRUE(application_window()->working());
  click(u"cmdClear");
  take_queued();
  EXPECT_EQ(text(u"txtIn"), u"");
  EXPECT_FALSE(application_window()->working());
}

TEST_F(AppFilesTest, AFifoIsLoadedOnceItsWriterSendsItsText) {
  std::string fifo = (directory / "fifo.xml").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  prefill();
  application_window()->load_file(native_path_of_argument(fifo));
  std::thread writer(
      [&] { std::ofstream(fifo, std::ios::binary) << "<late><v>1</v><v>2</v></late>"; });
  settle();
  writer.join();
  EXPECT_EQ(text(u"txtIn"), u"<late><v>1</v><v>2</v></late>");
  EXPECT_EQ(text(u"txtOut"), generate_declarations(u"<late><v>1</v><v>2</v></late>"));
}

// A pipe may never end, and the input editor holds all that is read: the load stops at its
// limit, says so, and declares what it read.
TEST_F(AppFilesTest, APipeIsReadNoFurtherThanTheLimit) {
  constexpr std::uint64_t kLimit = std::uint64_t{1} << 20;
  std::string fifo = (directory / "endless.xml").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::atomic<std::uint64_t> written{0};
  std::thread writer([&] {
    int end = ::open(fifo.c_str(), O_WRONLY);
    if (end < 0) return;
    // The reader's end closes at the limit: the write then fails here instead of killing.
    sigset_t pipe_signal;
    sigemptyset(&pipe_signal);
    sigaddset(&pipe_signal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe_signal, nullptr);
    std::string records = "<r>";
    while (records.size() < 4096) records += "<a>1</a>\n";
    while (written<8 * kLimit&& ::write(end, records.data(), records.size())> 0) {
      written += records.size();
    }
    ::close(end);
  });
  testing::internal::CaptureStderr();
  application_window()->load_file(native_path_of_argument(fifo), kLimit);
  settle();
  writer.join();
  std::string said = testing::internal::GetCapturedStderr();
  std::u16string input = text(u"txtIn");
  EXPECT_GE(input.size(), kLimit);
  EXPECT_LT(input.size(), kLimit + (std::uint64_t{1} << 17));
  EXPECT_LT(written.load(), 8 * kLimit);
  EXPECT_EQ(text(u"txtOut"), generate_declarations(input));
  EXPECT_NE(said.find("only the first 1 MiB"), std::string::npos) << said;
}
#endif

TEST_F(AppFilesTest, CancelledOpenChangesNothing) {
  prefill();
  headless->answer_open_file(u"");
  click(u"cmdFile");
  EXPECT_EQ(text(u"txtIn"), kDocument);
  EXPECT_EQ(text(u"txtOut"), generate_declarations(kDocument));
}

TEST_F(AppFilesTest, ThreeDroppedFilesLoadOnlyTheFirst) {
  std::u16string first = write("first.xml", "<first><v>1</v></first>");
  std::u16string second = write("second.xml", "<second/>");
  std::u16string third = write("third.xml", "<third/>");
  drop_at(10, {first, second, third});
  at(11, [this] {
    EXPECT_EQ(text(u"txtIn"), u"<first><v>1</v></first>");
    EXPECT_EQ(text(u"txtOut"), generate_declarations(u"<first><v>1</v></first>"));
  });
  run_until_closed_at(20);
}

// A POSIX file name may hold a line feed; the first dropped file is still loaded whole.
TEST_F(AppFilesTest, ADroppedFileWhoseNameHoldsALineFeedLoads) {
  std::u16string first = write("two\nlines.xml", "<lf/>");
  if (!fs::exists(fs::path(first))) GTEST_SKIP() << "no line feed in this system's file names";
  std::u16string second = write("lines.xml", "<other/>");
  drop_at(10, {first, second});
  at(11, [this] { EXPECT_EQ(text(u"txtIn"), u"<lf/>"); });
  run_until_closed_at(20);
}

TEST_F(AppFilesTest, DirectoriesMissingAndEmptyFilesChangeNothing) {
  prefill();
  std::u16string empty = write("empty.xml", "");
  drop_at(10, {directory.u16string()});
  drop_at(20, {(directory / "missing.xml").u16string()});
  drop_at(30, {empty});
  drop_at(40, {u""});
  application_window()->load_file(u"");
  at(50, [this] {
    EXPECT_EQ(text(u"txtIn"), kDocument);
    EXPECT_EQ(text(u"txtOut"), generate_declarations(kDocument));
  });
  run_until_closed_at(60);
}

TEST_F(AppFilesTest, AFileThatReportsNoSizeIsLoadedAsFarAsItReads) {
  prefill();
  drop_at(10, {u"/proc/self/status"});
  at(20, [this] { EXPECT_EQ(text(u"txtIn").rfind(u"Name:\t", 0), 0u); });
  run_until_closed_at(30);
}

TEST_F(AppFilesTest, ByteOrderMarksChooseTheDecoding) {
  application_window()->load_file(write("utf8.xml", "\xEF\xBB\xBF<caf\xC3\xA9>1</caf\xC3\xA9>"));
  settle();
  EXPECT_EQ(text(u"txtIn"), u"<caf\u00e9>1</caf\u00e9>");
  application_window()->load_file(write("utf16.xml", std::string("\xFF\xFE<\0a\0/\0>\0", 10)));
  settle();
  EXPECT_EQ(text(u"txtIn"), u"<a/>");
  EXPECT_EQ(text(u"txtOut"), generate_declarations(u"<a/>"));
  // Without a mark valid UTF-8 is UTF-8, other bytes single-byte characters.
  application_window()->load_file(write("plain.xml", "<caf\xC3\xA9/>"));
  settle();
  EXPECT_EQ(text(u"txtIn"), u"<caf\u00e9/>");
  application_window()->load_file(write("latin.xml", "<caf\xE9/>"));
  settle();
  EXPECT_EQ(text(u"txtIn"), u"<caf\u00e9/>");
}

TEST_F(AppFilesTest, BigEndianUtf16AndUtf32AreDecodedAfterTheirMarks) {
  prefill();
  application_window()->load_file(write("be.xml", std::string("\xFE\xFF\0<\0a\0/\0>", 10)));
  settle();
  EXPECT_EQ(text(u"txtIn"), u"<a/>");
  EXPECT_EQ(text(u"txtOut"), generate_declarations(u"<a/>"));
  application_window()->load_file(
      write("le32.xml", std::string("\xFF\xFE\0\0<\0\0\0b\0\0\0/\0\0\0>\0\0\0", 20)));
  settle();
  EXPECT_EQ(text(u"txtIn"), u"<b/>");
}

TEST_F(AppFilesTest, AFileThatCannotBeOpenedChangesNothing) {
  // Write-only even for the superuser, yet it has a size.
  const char* locked = "/sys/bus/pci/rescan";
  int probe = ::open(locked, O_RDONLY);
  if (probe >= 0) ::close(probe);
  std::error_code error;
  if (probe >= 0 || errno != EACCES || fs::file_size(locked, error) == 0) {
    GTEST_SKIP() << "no write-only file with a size here";
  }
  prefill();
  application_window()->load_file(u"/sys/bus/pci/rescan");
  settle();
  EXPECT_EQ(text(u"txtIn"), kDocument);
  EXPECT_EQ(text(u"txtOut"), generate_declarations(kDocument));
}

TEST_F(AppFilesTest, BinaryFilesLoadUpToTheirFirstZeroByte) {
  application_window()->load_file(
      write("binary.xml", std::string("<a>7</a>\0\x01\x02\xFF<b/>", 14)));
  settle();
  EXPECT_EQ(text(u"txtIn"), u"<a>7</a>");
  EXPECT_EQ(text(u"txtOut"), generate_declarations(u"<a>7</a>"));
}

TEST_F(AppFilesTest, AHugeFileWithAZeroSoonIsReadOnlyThatFar) {
  std::u16string path = write("huge.xml", "<a>1</a>");
  fs::resize_file(directory / "huge.xml", 200u << 20);  // 200 MB, the rest zeros
  application_window()->load_file(path);
  settle();
  EXPECT_EQ(text(u"txtIn"), u"<a>1</a>");
}

// A file on disk tells the input editor about how long its text will be, so that the editor
// makes room at once: as many units as its first piece's bytes foretell, or exactly as many as
// came when its text ended there (at a NUL, however large the file).
TEST_F(AppFilesTest, ALoadForetellsTheUnitsOfItsFile) {
  auto expected_of = [this](const std::string& name, const std::string& bytes) {
    write(name, bytes);
    std::optional<std::uint64_t> expected;
    FileLoad::Reports reports;
    reports.begin = [&expected](InputText text) { expected = text.expected_units; };
    reports.none = [&expected] { expected = std::numeric_limits<std::uint64_t>::max(); };
    reports.cut = [] {};
    FileLoad load(native_path_of_argument((directory / name).string()), 0, reports);
    while (!expected) window_wait_event(10);
    return *expected;
  };
  EXPECT_EQ(expected_of("ascii.xml", "<a>" + std::string(300000, ' ') + "</a>"), 300007u);
  std::string accents;
  for (int i = 0; i < 100000; ++i) accents += "\xC3\xA9";
  EXPECT_NEAR(static_cast<double>(expected_of("accents.xml", "<a>" + accents + "</a>")), 100007.0,
              1000.0);
  EXPECT_NEAR(static_cast<double>(expected_of("utf16.xml", "\xFF\xFE" + std::string(200000, 'a'))),
              100000.0, 1000.0);
  EXPECT_EQ(expected_of("zeros.xml", std::string("<a>1</a>\0", 9) + std::string(1u << 20, 'x')),
            8u);
}

}  // namespace
}  // namespace ambrel
