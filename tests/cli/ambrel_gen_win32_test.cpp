// ambrel-gen.exe started the Windows way: a UTF-16 command line naming files outside the
// ANSI code page, and standard output and error that get the program's bytes unchanged.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

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
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (file != INVALID_HANDLE_VALUE && ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    bytes.append(buffer, got);
  }
  CloseHandle(file);
  return bytes;
}

class AmbrelGenOnWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH + 1];
    ASSERT_NE(GetTempPathW(MAX_PATH + 1, temp), 0u);
    folder_ = std::wstring(temp) + L"ambrel_gen_" + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
  }
  void TearDown() override {
    for (const wchar_t* name : {L"\\out", L"\\err", L"\\\u03A9\u6F22\U0001F600.xml"}) {
      DeleteFileW((folder_ + name).c_str());
    }
    RemoveDirectoryW(folder_.c_str());
  }

  std::wstring write(const std::wstring& name, const std::string& bytes) {
    std::wstring path = folder_ + L"\\" + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return path;
  }

  HANDLE output_file(const wchar_t* name) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW((folder_ + name).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  }

  Outcome run(const std::wstring& argument) {
    HANDLE out = output_file(L"\\out");
    HANDLE err = output_file(L"\\err");
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    start.hStdOutput = out;
    start.hStdError = err;
    std::wstring command = L"\"" + beside_this_program(L"ambrel-gen.exe") + L"\" \"" + argument + L"\"";
    PROCESS_INFORMATION process{};
    Outcome outcome;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &process)) {
      WaitForSingleObject(process.hProcess, INFINITE);
      GetExitCodeProcess(process.hProcess, &outcome.status);
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    } else {
      outcome.status = 0xFFFFFFFF;
    }
    CloseHandle(out);
    CloseHandle(err);
    outcome.out = read_all(folder_ + L"\\out");
    outcome.err = read_all(folder_ + L"\\err");
    return outcome;
  }

  std::wstring folder_;
};

TEST_F(AmbrelGenOnWindows, ReadsFilesNamedOutsideTheAnsiCodePageAndPrintsCrLfUnchanged) {
  const std::wstring name = L"\u03A9\u6F22\U0001F600.xml";
  std::wstring path = write(name, "<a x=\"1\"><b y=\"2.5\"/><b/></a>");
  Outcome run_ok = run(path);
  EXPECT_EQ(run_ok.status, 0u);
  EXPECT_EQ(run_ok.err, "");
  EXPECT_EQ(run_ok.out,
            "\r\n; /a\r\n; attributes: x\r\nStructure XML_A\r\n\tb.s     ; [] attributes: y\r\nEndStructure\r\n"
            "\r\n; /\r\nStructure XML_MAIN\r\n\ta.XML_A ;    attributes: x\r\nEndStructure\r\n");

  DeleteFileW(path.c_str());
  Outcome missing = run(path);
  EXPECT_EQ(missing.status, 2u);
  EXPECT_EQ(missing.out, "");
  // The name comes back in UTF-8, exactly as given.
  EXPECT_NE(missing.err.find("\xCE\xA9\xE6\xBC\xA2\xF0\x9F\x98\x80.xml: No such file or directory\n"),
            std::string::npos)
      << missing.err;
}

}  // namespace
