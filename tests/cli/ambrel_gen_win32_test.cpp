// ambrel-gen.exe started the Windows way: a UTF-16 command line naming files outside the
// ANSI code page, and standard output and error that get the program's bytes unchanged.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which it needs
#include <tlhelp32.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

struct Outcome {
  DWORD status = 0;
  std::string out;
  std::string err;
};

std::wstring beside_this_program(const std::wstring& name) {
  wchar_t path[4096];
  DWORD length = GetModuleFileNameW(nullptr, path, 4096);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

std::string read_all(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (file != INVALID_HANDLE_VALUE && ReadFile(file, buffer, sizeof buffer, &got, nullptr) &&
         got > 0) {
    bytes.append(buffer, got);
  }
  CloseHandle(file);
  return bytes;
}

// Removes a folder and everything in it, however deep (paths past MAX_PATH included).
void remove_tree(const std::wstring& folder) {
  const std::wstring long_form = L"\\\\?\\" + folder;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((long_form + L"\\*").c_str(), &found);
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      remove_tree(folder + L"\\" + name);
    } else {
      DeleteFileW((long_form + L"\\" + name).c_str());
    }
  }
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  RemoveDirectoryW(long_form.c_str());
}

class AmbrelGenOnWindows : public ::testing::Test {
 protected:
  // Wine gives out process numbers again from one run to the next, so a folder of a run
  // that ended before its clean-up (killed, or a crash) may have this name: it goes first.
  void SetUp() override {
    wchar_t temp[MAX_PATH + 1];
    ASSERT_NE(GetTempPathW(MAX_PATH + 1, temp), 0u);
    folder_ = std::wstring(temp) + L"ambrel_gen_" + std::to_wstring(GetCurrentProcessId());
    remove_tree(folder_);
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr)) << GetLastError();
  }
  void TearDown() override { remove_tree(folder_); }

  // Folders inside each other under the test's folder until the path is longer than
  // MAX_PATH, which only the "\\?\" form of a name can reach.
  std::wstring deep_folder() {
    std::wstring path = folder_;
    while (path.size() < MAX_PATH + 40) {
      path += L"\\" + std::wstring(60, L'd');
      EXPECT_TRUE(CreateDirectoryW((L"\\\\?\\" + path).c_str(), nullptr));
    }
    return path;
  }

  std::wstring write(const std::wstring& name, const std::string& bytes) {
    std::wstring path = name.find(L'\\') == std::wstring::npos ? folder_ + L"\\" + name : name;
    HANDLE file = CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return path;
  }

  HANDLE output_file(const wchar_t* name) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW((folder_ + name).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  }

  // Starts the program in the test's folder, its output going to the files out and err;
  // a null process, and the test failed with the system's reason, when it cannot start.
  PROCESS_INFORMATION start(std::initializer_list<std::wstring> arguments) {
    HANDLE out = output_file(L"\\out");
    HANDLE err = output_file(L"\\err");
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    start.hStdOutput = out;
    start.hStdError = err;
    std::wstring command = L"\"" + beside_this_program(L"ambrel-gen.exe") + L"\"";
    for (const std::wstring& argument : arguments) command += L" \"" + argument + L"\"";
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, folder_.c_str(),
                       &start, &process)) {
      CloseHandle(process.hThread);
    } else {
      DWORD error = GetLastError();
      ADD_FAILURE() << "ambrel-gen.exe could not be started: CreateProcessW failed with error "
                    << error;
    }
    CloseHandle(out);
    CloseHandle(err);
    return process;
  }

  Outcome finish(const PROCESS_INFORMATION& process) {
    Outcome outcome;
    outcome.status = 0xFFFFFFFF;
    if (process.hProcess != nullptr) {
      WaitForSingleObject(process.hProcess, INFINITE);
      GetExitCodeProcess(process.hProcess, &outcome.status);
      CloseHandle(process.hProcess);
    }
    outcome.out = read_all(folder_ + L"\\out");
    outcome.err = read_all(folder_ + L"\\err");
    return outcome;
  }

  Outcome run(std::initializer_list<std::wstring> arguments) { return finish(start(arguments)); }

  // The names in the test's folder that match `pattern`.
  std::vector<std::wstring> names_matching(const std::wstring& pattern) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder_ + L"\\" + pattern).c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
      names.emplace_back(found.cFileName);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    return names;
  }

  // Whether a file matching `pattern` holds some bytes already.
  bool written_matching(const std::wstring& pattern) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder_ + L"\\" + pattern).c_str(), &found);
    bool written = false;
    for (bool more = search != INVALID_HANDLE_VALUE; more && !written;
         more = FindNextFileW(search, &found))
      written = found.nFileSizeLow != 0 || found.nFileSizeHigh != 0;
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    return written;
  }

  // Suspends every thread of the process and waits until each has stopped (SuspendThread
  // alone only asks); a frozen process cannot take a step between a look and its end.
  static void freeze(DWORD process_id) {
    HANDLE threads = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (bool more = Thread32First(threads, &entry) != 0; more;
         more = Thread32Next(threads, &entry) != 0) {
      if (entry.th32OwnerProcessID != process_id) continue;
      HANDLE thread =
          OpenThread(THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT, FALSE, entry.th32ThreadID);
      if (thread == nullptr) continue;
      SuspendThread(thread);
      CONTEXT context{};
      context.ContextFlags = CONTEXT_CONTROL;
      GetThreadContext(thread, &context);
      CloseHandle(thread);
    }
    CloseHandle(threads);
  }

  std::wstring folder_;
};

TEST_F(AmbrelGenOnWindows, ReadsFilesNamedOutsideTheAnsiCodePageAndPrintsCrLfUnchanged) {
  const std::wstring name = L"\u03A9\u6F22\U0001F600.xml";
  std::wstring path = write(name, "<a x=\"1\"><b y=\"2.5\"/><b/></a>");
  Outcome run_ok = run({path});
  EXPECT_EQ(run_ok.status, 0u);
  EXPECT_EQ(run_ok.err, "");
  EXPECT_EQ(run_ok.out,
            "\r\n; /a\r\n; attributes: x\r\nStructure XML_A\r\n\tb.s     ; [] attributes: "
            "y\r\nEndStructure\r\n"
            "\r\n; /\r\nStructure XML_MAIN\r\n\ta.XML_A ;    attributes: x\r\nEndStructure\r\n");

  DeleteFileW(path.c_str());
  Outcome missing = run({path});
  EXPECT_EQ(missing.status, 3u);
  EXPECT_EQ(missing.out, "");
  // The name comes back in UTF-8, exactly as given.
  EXPECT_NE(
      missing.err.find("\xCE\xA9\xE6\xBC\xA2\xF0\x9F\x98\x80.xml: No such file or directory\n"),
      std::string::npos)
      << missing.err;
}

TEST_F(AmbrelGenOnWindows, SlashQuestionMarkShowsTheHelp) {
  Outcome help = run({L"/?"});
  EXPECT_EQ(help.status, 0u);
  EXPECT_EQ(help.out.rfind("Usage: ambrel-gen [OPTION]... [--] [FILE]...\n", 0), 0u) << help.out;
  EXPECT_EQ(run({L"--", L"/?"}).status, 3u);  // a file of that name, which cannot exist
}

// "--" ends the options also where the program start had to turn the command line into
// arguments itself.
TEST_F(AmbrelGenOnWindows, ANameAfterTheEndOfTheOptionsIsAFileEvenWithADash) {
  write(L"-dash.xml", "<d/>");
  Outcome unknown = run({L"-dash.xml"});
  EXPECT_EQ(unknown.status, 2u);
  EXPECT_NE(unknown.err.find("unknown option '-dash.xml'"), std::string::npos) << unknown.err;

  Outcome named = run({L"--", L"-dash.xml"});
  EXPECT_EQ(named.status, 0u) << named.err;
  EXPECT_NE(named.out.find("Structure XML_MAIN\r\n\td."), std::string::npos) << named.out;
}

// What the Linux program survives, with the same results: a name longer than MAX_PATH is
// read, a folder and a file another program holds exclusively are refused with a reason.
TEST_F(AmbrelGenOnWindows, LongNamesAreReadFoldersAndExclusivelyHeldFilesRefused) {
  std::wstring deep = deep_folder();
  std::wstring long_name = write(deep + L"\\long.xml", "<long v=\"1\"/>");
  ASSERT_GT(long_name.size(), static_cast<std::size_t>(MAX_PATH));
  Outcome read_long = run({long_name});
  EXPECT_EQ(read_long.status, 0u) << read_long.err;
  EXPECT_NE(read_long.out.find("Structure XML_MAIN\r\n\tlong.s "), std::string::npos)
      << read_long.out;

  Outcome folder = run({deep});
  EXPECT_EQ(folder.status, 3u);
  EXPECT_EQ(folder.out, "");
  EXPECT_NE(folder.err.find(": Is a directory\n"), std::string::npos) << folder.err;

  std::wstring held = write(L"held.xml", "<held/>");
  HANDLE exclusive = CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  Outcome refused = run({held});
  CloseHandle(exclusive);
  EXPECT_EQ(refused.status, 3u);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("held.xml: Permission denied\n"), std::string::npos) << refused.err;
  // Once let go, it is read as any file.
  EXPECT_EQ(run({held}).status, 0u);
}

// However the output is named (another case, another spelling, a hard link), it may not be
// an input; "-" is standard output.
TEST_F(AmbrelGenOnWindows, AnOutputThatIsAnInputIsRefusedAndDashIsStandardOutput) {
  std::wstring input = write(L"a.xml", "<a>1</a>");
  std::wstring hard = folder_ + L"\\hard.xml";
  ASSERT_TRUE(CreateHardLinkW(hard.c_str(), input.c_str(), nullptr));
  Outcome same = run({L"-o", L"A.XML", L"a.xml"});
  EXPECT_EQ(same.status, 2u);
  EXPECT_EQ(same.err,
            "ambrel-gen: the output A.XML is the input a.xml\nTry 'ambrel-gen --help'.\n");
  EXPECT_EQ(run({L"-o", L".\\a.xml", L"hard.xml"}).status, 2u);
  EXPECT_EQ(read_all(input), "<a>1</a>");
  Outcome dash = run({L"-o", L"-", L"a.xml"});
  EXPECT_EQ(dash.status, 0u) << dash.err;
  EXPECT_EQ(dash.out, "; /\r\nStructure XML_MAIN\r\n\ta.q\r\nEndStructure\r\n");
}

TEST_F(AmbrelGenOnWindows, AnOutputFileMayHaveTheLongestNameAFolderTakes) {
  write(L"in.xml", "<a>1</a>");
  const std::wstring longest = std::wstring(251, L'n') + L".txt";  // 255 characters
  const std::wstring output = folder_ + L"\\" + longest;
  for (int round = 0; round < 2; ++round) {  // new, then replaced
    Outcome result = run({L"-o", longest, L"in.xml"});
    EXPECT_EQ(result.status, 0u) << round << ": " << result.err;
    EXPECT_EQ(read_all(output), "; /\r\nStructure XML_MAIN\r\n\ta.q\r\nEndStructure\r\n");
  }
}

// A device is written as it is: a temporary file beside it would be the device again.
TEST_F(AmbrelGenOnWindows, DevicesAreWrittenDirectly) {
  std::wstring input = write(L"device.xml", "<a>1</a>");
  std::vector<std::wstring> devices{L"NUL", L"nul"};
  // CON is the console this test runs in, if it has one that takes text (ctest gives none).
  HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
  DWORD written = 0;
  if (console != INVALID_HANDLE_VALUE && WriteFile(console, "\r", 1, &written, nullptr))
    devices.push_back(L"CON");
  CloseHandle(console);
  for (const std::wstring& device : devices) {
    Outcome result = run({L"-o", device, input});
    EXPECT_EQ(result.status, 0u) << result.err;
    EXPECT_EQ(result.out, "");
  }
}

// Ended from outside while it writes: the system deletes the unfinished temporary file.
TEST_F(AmbrelGenOnWindows, ARunEndedWhileItWritesLeavesTheOldFileAndNothingBesideIt) {
  // Elements nested this deep declare some 64 MB: each path comment names every level above.
  // The writing must outlast the freeze below, which takes tens of milliseconds under Wine.
  constexpr int kDepth = 8000;
  std::string deep;
  for (int i = 0; i < kDepth; ++i) deep += "<a>";
  deep += "1";
  for (int i = 0; i < kDepth; ++i) deep += "</a>";
  write(L"deep.xml", deep);
  write(L"old.txt", "old");
  bool ended_while_writing = false;
  for (int attempt = 0; attempt < 20 && !ended_while_writing; ++attempt) {
    PROCESS_INFORMATION process = start({L"-o", L"old.txt", L"deep.xml"});
    ASSERT_NE(process.hProcess, nullptr);
    while (!ended_while_writing && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
      // Bytes in it mean the writing has begun: the file was made to go with its handle
      // before its first byte (between its making and that, there are a few instructions).
      if (!written_matching(L".ambrel-*")) continue;
      // Between the look and the end the run may have finished (a busy machine): it is
      // frozen first, and ended while writing only if its unfinished file is still there.
      freeze(process.dwProcessId);
      bool still_writing = written_matching(L".ambrel-*");
      ended_while_writing = TerminateProcess(process.hProcess, 9) != 0 && still_writing;
      if (!still_writing) write(L"old.txt", "old");
    }
    finish(process);
  }
  ASSERT_TRUE(ended_while_writing) << "the writing of the declarations was never seen";
  EXPECT_EQ(read_all(folder_ + L"\\old.txt"), "old");
  EXPECT_EQ(names_matching(L".ambrel-*"), std::vector<std::wstring>{});
  // Left to finish, the run puts the whole file in the old one's place.
  Outcome finished = run({L"-o", L"old.txt", L"deep.xml"});
  EXPECT_EQ(finished.status, 0u) << finished.err;
  EXPECT_EQ(read_all(folder_ + L"\\old.txt").rfind("\r\n; /a/a/a/", 0), 0u);
  EXPECT_EQ(names_matching(L".ambrel-*"), std::vector<std::wstring>{});
}

}  // namespace
