// Runs the built ambrel-gen as a user would and checks what it prints and returns.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace {

const std::string kGen = AMBREL_GEN_PATH;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

class AmbrelGen : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/ambrel_gen_test_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    directory_ = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + directory_ + "'").c_str()); }

  std::string write(const std::string& name, const std::string& bytes) {
    made_.insert(name);
    std::string path = directory_ + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
  }

  // `arguments` are passed through the shell as they are; standard input is `input`.
  Outcome run(const std::string& arguments, const std::string& input = "") {
    return shell(kGen + " " + arguments, input);
  }

  // Runs a shell script with `input` as its standard input, capturing its output.
  Outcome shell(const std::string& script, const std::string& input = "") {
    std::string in = write("stdin", input);
    std::string command =
        "{ " + script + "\n} <'" + in + "' >'" + directory_ + "/out' 2>'" + directory_ + "/err'";
    int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(directory_ + "/out"),
            read(directory_ + "/err")};
  }

  // The names in the test's folder that neither the test nor the run's `outputs` made:
  // what an output file's writing left beside it.
  std::string leftovers(std::initializer_list<std::string> outputs = {}) {
    std::set<std::string> known = made_;
    known.insert(outputs);
    known.insert({"out", "err"});  // the shell's
    std::string names;
    for (const auto& entry : std::filesystem::directory_iterator(directory_)) {
      std::string name = entry.path().filename().string();
      if (known.count(name) == 0) names += name + " ";
    }
    return names;
  }

  std::string directory_;
  std::set<std::string> made_;
};

const std::string kExample = "<a x=\"1\"><b y=\"2.5\"/><b/></a>";
const std::string kExampleDeclarations =
    "\r\n; /a\r\n; attributes: x\r\nStructure XML_A\r\n\tb.s     ; [] attributes: "
    "y\r\nEndStructure\r\n"
    "\r\n; /\r\nStructure XML_MAIN\r\n\ta.XML_A ;    attributes: x\r\nEndStructure\r\n";

TEST_F(AmbrelGen, PrintsTheDeclarationsOfAFileOrStandardInput) {
  std::string path = write("example.xml", kExample);
  for (const std::string& arguments : {"'" + path + "'", std::string(), std::string("-")}) {
    Outcome result = run(arguments, kExample);
    EXPECT_EQ(result.status, 0) << arguments;
    EXPECT_EQ(result.out, kExampleDeclarations) << arguments;
    EXPECT_EQ(result.err, "") << arguments;
  }
}

TEST_F(AmbrelGen, DecodesByByteOrderMarkAndWritesUtf8) {
  // "<ä>1</ä>" in UTF-16 little-endian with its mark.
  std::string utf16(
      "\xFF\xFE<\0\xE4\0>\0"
      "1\0<\0/\0\xE4\0>\0",
      18);
  std::string expected = "; /\r\nStructure XML_MAIN\r\n\t\xC3\xA4.q\r\nEndStructure\r\n";
  EXPECT_EQ(run("'" + write("utf16.xml", utf16) + "'").out, expected);
  EXPECT_EQ(run("'" + write("latin1.xml", "<\xE4>1</\xE4>") + "'").out, expected);
  EXPECT_EQ(run("", "\xEF\xBB\xBF<\xC3\xA4>1</\xC3\xA4>").out, expected);
}

TEST_F(AmbrelGen, MalformedDocumentIsDeclaredAsFarAsReadAndReported) {
  std::string path = write("cut.xml", "<a><b>1</b>");
  Outcome result = run("'" + path + "'");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out,
            "\r\n; /a\r\nStructure XML_A\r\n\tb.q\r\nEndStructure\r\n"
            "\r\n; /\r\nStructure XML_MAIN\r\n\ta.XML_A\r\nEndStructure\r\n");
  EXPECT_EQ(result.err, path + ":1:12: no element found\n");

  Outcome mismatched = run("", "<a>\n<b>x</a>");
  EXPECT_EQ(mismatched.status, 1);
  EXPECT_EQ(mismatched.err, "<stdin>:2:7: mismatched tag\n");

  // COLUMN counts characters: a tab, a character of two bytes and one outside the Basic
  // Multilingual Plane are one each.
  Outcome columns = run("", "<a>\t\xC3\xA4\xF0\x9F\x98\x80</b>");
  EXPECT_EQ(columns.err, "<stdin>:1:9: mismatched tag\n");

  Outcome no_element = run("", "no markup");
  EXPECT_EQ(no_element.status, 1);
  EXPECT_EQ(no_element.out, "");
}

TEST_F(AmbrelGen, UnreadableInputsFailWithOneLineAndNoOutput) {
  Outcome missing = run("'" + directory_ + "/missing.xml'");
  EXPECT_EQ(missing.status, 3);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "ambrel-gen: " + directory_ + "/missing.xml: No such file or directory\n");

  Outcome directory = run("'" + directory_ + "'");
  EXPECT_EQ(directory.status, 3);
  EXPECT_EQ(directory.out, "");
  EXPECT_EQ(directory.err, "ambrel-gen: " + directory_ + ": Is a directory\n");

  if (::geteuid() != 0) {  // root reads every file
    std::string locked = write("locked.xml", kExample);
    ::chmod(locked.c_str(), 0);
    Outcome denied = run("'" + locked + "'");
    EXPECT_EQ(denied.status, 3);
    EXPECT_EQ(denied.out, "");
    EXPECT_EQ(denied.err, "ambrel-gen: " + locked + ": Permission denied\n");
  }
}

TEST_F(AmbrelGen, MessagesNameTheFileTheyAreAbout) {
  Outcome empty_name = run("''");
  EXPECT_EQ(empty_name.status, 3);
  EXPECT_EQ(empty_name.err, "ambrel-gen: '': No such file or directory\n");
  std::string folderless = directory_ + "/none/out.h";
  Outcome no_folder = run("-o '" + folderless + "'", kExample);
  EXPECT_EQ(no_folder.status, 4);
  EXPECT_EQ(no_folder.err, "ambrel-gen: cannot write the declarations to " + folderless +
                               ": No such file or directory\n");
  Outcome full = run(">/dev/full", kExample);
  EXPECT_EQ(full.status, 4);
  EXPECT_EQ(full.err,
            "ambrel-gen: cannot write the declarations to standard output: No space left on "
            "device\n");
}

// A name can hold bytes the terminal acts on (ESC, BEL) or that are no UTF-8: every
// message shows them escaped, in the shell's quoting, never raw.
TEST_F(AmbrelGen, MessagesShowControlBytesInNamesEscaped) {
  const std::string name = "\x1B]0;owned\a\xE9.xml";
  const std::string quoted = "'" + directory_ + "/'$'\\033'']0;owned'$'\\a\\351''.xml'";
  std::string path = write(name, "<a>");
  EXPECT_EQ(run("'" + path + "'").err, quoted + ":1:4: no element found\n");
  ::unlink(path.c_str());
  EXPECT_EQ(run("'" + path + "'").err, "ambrel-gen: " + quoted + ": No such file or directory\n");
  EXPECT_EQ(run("-o '" + directory_ + "/none/" + name + "'", kExample).err,
            "ambrel-gen: cannot write the declarations to '" + directory_ + "/none/'$'\\033''" +
                "]0;owned'$'\\a\\351''.xml': No such file or directory\n");
  EXPECT_EQ(run("'--\x1B[2J'").err,
            "ambrel-gen: unknown option '--'$'\\033''[2J'\nTry 'ambrel-gen --help'.\n");
  std::string input = write("in\x07.xml", kExample);
  EXPECT_EQ(run("-o '" + input + "' '" + input + "'").err,
            "ambrel-gen: the output '" + directory_ + "/in'$'\\a''.xml' is the input '" +
                directory_ + "/in'$'\\a''.xml'\nTry 'ambrel-gen --help'.\n");
}

TEST_F(AmbrelGen, EmptyInputDeclaresNothingAndSucceeds) {
  Outcome file = run("'" + write("empty.xml", "") + "'");
  EXPECT_EQ(file.status, 0);
  EXPECT_EQ(file.out, "");
  EXPECT_EQ(file.err, "");
  Outcome input = run("-", "");
  EXPECT_EQ(input.status, 0);
  EXPECT_EQ(input.out, "");
}

TEST_F(AmbrelGen, OptionsAndUsageErrors) {
  Outcome help = run("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: ambrel-gen [OPTION]... [--] [FILE]...\n", 0), 0u);
  Outcome version = run("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("ambrel-gen ") + AMBREL_VERSION + "\n");
  Outcome unknown = run("--verbose");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.out, "");
  EXPECT_EQ(unknown.err, "ambrel-gen: unknown option '--verbose'\nTry 'ambrel-gen --help'.\n");
  EXPECT_EQ(run("-o").status, 2);
  EXPECT_EQ(run("-o a.h -o b.h").status, 2);
  EXPECT_EQ(run("-o a.h -o b.h").out, "");
  // What COLUMN counts is said, as the fault's place is checked below.
  EXPECT_NE(help.out.find("COLUMN counts\n     characters from 1; a tab is one"),
            std::string::npos);
  // Every exit status is explained.
  for (const char* line : {"0 ", "1 ", "2 ", "3 ", "4 ", "5 "}) {
    EXPECT_NE(help.out.find(std::string("\n  ") + line), std::string::npos) << line;
  }
}

TEST_F(AmbrelGen, HelpAndVersionThatCannotBeWrittenFail) {
  for (const char* option : {"--help", "--version"}) {
    Outcome full = run(std::string(option) + " >/dev/full");
    EXPECT_EQ(full.status, 4) << option;
    EXPECT_EQ(full.err, "ambrel-gen: cannot write to standard output: No space left on device\n")
        << option;
  }
}

TEST_F(AmbrelGen, DoubleDashEndsTheOptions) {
  write("-x.xml", kExample);
  Outcome result = shell("cd '" + directory_ + "' && " + kGen + " -- -x.xml");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, kExampleDeclarations);
  EXPECT_EQ(run("-- --help").status, 3);  // a file named "--help", which is missing
}

TEST_F(AmbrelGen, EachFailureHasItsOwnStatus) {
  std::string path = write("example.xml", kExample);
  EXPECT_EQ(run("'" + path + "' >/dev/full").status, 4);
  EXPECT_EQ(run("'" + directory_ + "/missing.xml'").status, 3);
  EXPECT_EQ(run("", "<a>").status, 1);
  EXPECT_EQ(run("--bad").status, 2);
}

// Address sanitizer reserves terabytes of address space, so limits on it cannot be tested there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kCanLimitMemory = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kCanLimitMemory = false;
#else
constexpr bool kCanLimitMemory = true;
#endif
#else
constexpr bool kCanLimitMemory = true;
#endif

TEST_F(AmbrelGen, RunningOutOfMemoryIsReportedNeverAnAbort) {
  if (!kCanLimitMemory) GTEST_SKIP() << "address space cannot be limited under the sanitizer";
  // The name, held by the parser and the catalogue, is more than the limit allows.
  std::string path = write("long.xml", "<" + std::string(8u << 20, 'a') + "/>");
  Outcome result = shell("ulimit -v 65536; exec " + kGen + " '" + path + "'");
  EXPECT_EQ(result.status, 5);
  EXPECT_EQ(result.err, "ambrel-gen: " + path + ": out of memory\n");
}

// Each level's structure carries its whole path: 600 levels of 600-character keys print
// over 100 MB, far more than the catalogue of 600 kinds takes.
std::string nested_long_keys() {
  std::string text;
  for (int level = 0; level < 600; ++level)
    text += "{\"" + std::to_string(1000 + level) + std::string(596, 'k') + "\":";
  return text + "1" + std::string(600, '}');
}

TEST_F(AmbrelGen, DeclarationsLargerThanTheMemoryAreWrittenAsTheyArePrinted) {
  if (!kCanLimitMemory) GTEST_SKIP() << "address space cannot be limited under the sanitizer";
  std::string path = write("nested.json", nested_long_keys());
  // The output file takes its place whole, after the last structure.
  std::string target = write("out.txt", "old");
  Outcome replaced =
      shell("ulimit -v 262144; exec " + kGen + " --lf -o '" + target + "' '" + path + "'");
  EXPECT_EQ(replaced.status, 0);
  EXPECT_EQ(replaced.err, "");
  std::string text = read(target);
  EXPECT_GT(text.size(), 100u << 20);
  std::string end = "\n; /\nStructure JSON_MAIN\n\t1000" + std::string(596, 'k') + ".JSON_1000" +
                    std::string(596, 'K') + "\nEndStructure\n";
  EXPECT_EQ(text.substr(text.size() - end.size()), end);
  EXPECT_EQ(leftovers({"out.txt"}), "");
}

TEST_F(AmbrelGen, AFileLargerThanTheMemoryIsAFailureNotAnEmptyDocument) {
  if (!kCanLimitMemory) GTEST_SKIP() << "address space cannot be limited under the sanitizer";
  std::string body(32u << 20, 'x');
  std::string path = write("big.xml", "<r><a>" + body + "</a></r>");
  Outcome result = shell("ulimit -v 65536; exec " + kGen + " '" + path + "'");
  // Read in pieces the document fits; whole, it does not: either way, never empty success.
  if (result.status == 0) {
    EXPECT_EQ(result.out,
              "\r\n; /r\r\nStructure XML_R\r\n\ta.s\r\nEndStructure\r\n"
              "\r\n; /\r\nStructure XML_MAIN\r\n\tr.XML_R\r\nEndStructure\r\n");
  } else {
    EXPECT_EQ(result.status, 5);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "ambrel-gen: " + path + ": out of memory\n");
  }
}

TEST_F(AmbrelGen, AHugeSparseFileIsReadUpToItsFirstZeroByte) {
  std::string path = write("sparse.xml", "<r><a>1</a></r>");
  std::error_code error;
  std::filesystem::resize_file(path, std::uintmax_t{64} << 30, error);
  if (error) GTEST_SKIP() << "no sparse files here: " << error.message();
  Outcome result = run("'" + path + "'");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "\r\n; /r\r\nStructure XML_R\r\n\ta.q\r\nEndStructure\r\n"
            "\r\n; /\r\nStructure XML_MAIN\r\n\tr.XML_R\r\nEndStructure\r\n");
}

TEST_F(AmbrelGen, PipesFifosAndDevicesAreReadToTheirEnd) {
  std::string path = write("example.xml", kExample);
  Outcome piped = run("/dev/stdin", kExample);
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(piped.out, kExampleDeclarations);
  Outcome through_cat = shell("cat '" + path + "' | " + kGen + " /dev/stdin");
  EXPECT_EQ(through_cat.out, kExampleDeclarations);

  std::string fifo = directory_ + "/fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // The writer gives up after a while should the reader never open the FIFO.
  Outcome from_fifo = shell(kGen + " '" + fifo + "' & timeout 20 sh -c \"cat '" + path + "' >'" +
                            fifo + "'\"; wait $!");
  EXPECT_EQ(from_fifo.status, 0) << from_fifo.err;
  EXPECT_EQ(from_fifo.out, kExampleDeclarations);

  // Random bytes end at their first zero byte: read, and not a document.
  Outcome random = run("/dev/urandom");
  EXPECT_EQ(random.status, 1);
  EXPECT_EQ(random.err.rfind("/dev/urandom:", 0), 0u) << random.err;
}

// Files under /proc and /sys say they hold 0 bytes; only reading tells.
TEST_F(AmbrelGen, FilesThatReportNoSizeAreReadToTheirEnd) {
  // The environment of ambrel-gen itself: this one entry, which is a document.
  Outcome result = shell("env -i '<a>1</a><!--=-->' " + kGen + " /proc/self/environ");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "; /\r\nStructure XML_MAIN\r\n\ta.q\r\nEndStructure\r\n");
}

TEST_F(AmbrelGen, ADirectoryOnStandardInputIsAReadError) {
  Outcome result = run("- <'" + directory_ + "'");
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "ambrel-gen: <stdin>: Is a directory\n");
}

TEST_F(AmbrelGen, FileNamesAreTheSystemsBytes) {
  std::string path = write("caf\xE9-\xFF.xml", kExample);  // not UTF-8
  Outcome result = run("'" + path + "'");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, kExampleDeclarations);
  Outcome cut = run("'" + write("cut\xE9.xml", "<a>") + "'");
  // Shown with the byte that is no UTF-8 escaped, as every message shows it.
  EXPECT_EQ(cut.err, "'" + directory_ + "/cut'$'\\351''.xml':1:4: no element found\n");
}

TEST_F(AmbrelGen, SeveralInputsGiveOneSetOfDeclarations) {
  std::string first = write("first.xml", "<a x=\"1\"><b y=\"2.5\"/></a>");
  std::string second = write("second.xml", "<a><b/></a>");
  std::string empty = write("empty.xml", "");
  // Standard input among the files; an empty input is no document.
  Outcome result = run("'" + first + "' - '" + empty + "' '" + second + "'", "<a><b/></a>");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "\r\n; /a\r\n; attributes: x\r\nStructure XML_A\r\n\tb.s     ;    attributes: y\r\n"
            "EndStructure\r\n\r\n; /\r\nStructure XML_MAIN\r\n\ta.XML_A ;    attributes: "
            "x\r\nEndStructure\r\n");
  EXPECT_EQ(result.err, "");
}

TEST_F(AmbrelGen, EachMalformedInputIsReportedAndContributes) {
  std::string cut = write("cut.xml", "<a><b>1</b>");
  std::string whole = write("whole.xml", "<a><c>x</c></a>");
  Outcome result = run("'" + cut + "' - '" + whole + "'", "<a>\n<d>");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out,
            "\r\n; /a\r\nStructure XML_A\r\n\tb.q\r\n\tc.s\r\n\td.s\r\nEndStructure\r\n"
            "\r\n; /\r\nStructure XML_MAIN\r\n\ta.XML_A\r\nEndStructure\r\n");
  EXPECT_EQ(result.err, cut + ":1:12: no element found\n<stdin>:2:4: no element found\n");
}

TEST_F(AmbrelGen, AnUnreadableInputAmongSeveralWritesNothing) {
  std::string cut = write("cut.xml", "<a>");
  std::string good = write("good.xml", kExample);
  std::string old = write("old.h", "old");
  Outcome result =
      run("-o '" + old + "' '" + cut + "' '" + directory_ + "/missing.xml' '" + good + "'");
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, cut + ":1:4: no element found\nambrel-gen: " + directory_ +
                            "/missing.xml: No such file or directory\n");
  EXPECT_EQ(read(old), "old");
}

TEST_F(AmbrelGen, LineFeedsAloneOnRequest) {
  Outcome result = run("--lf", kExample);
  EXPECT_EQ(result.status, 0);
  std::string expected;
  for (char c : kExampleDeclarations) {
    if (c != '\r') expected += c;
  }
  EXPECT_EQ(result.out, expected);
}

TEST_F(AmbrelGen, IdentifiersOnRequest) {
  Outcome result = run("--identifiers --lf", "<x:r xmlns:x=\"u\"><a-b>1</a-b></x:r>");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "\n; /x:r\n; attributes: xmlns:x\nStructure XML_X_R\n\ta_b.q       ;    name: "
            "a-b\nEndStructure\n"
            "\n; /\nStructure XML_MAIN\n\tx_r.XML_X_R ;    name: x:r attributes: "
            "xmlns:x\nEndStructure\n");
}

TEST_F(AmbrelGen, OutputFileIsReplacedWhenComplete) {
  std::string target = write("out.h", "old");
  ::chmod(target.c_str(), 0640);
  Outcome result = run("-o '" + target + "'", kExample);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(read(target), kExampleDeclarations);
  struct stat status {};
  ASSERT_EQ(::stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);  // the old file's mode
  std::string fresh = directory_ + "/fresh.h";
  EXPECT_EQ(run("-o '" + fresh + "' -- -", kExample).status, 0);
  EXPECT_EQ(read(fresh), kExampleDeclarations);
  EXPECT_EQ(leftovers({"fresh.h"}), "");
}

// However it is named: the same name, another spelling, a link, a hard link, standard input.
TEST_F(AmbrelGen, AnOutputThatIsAnInputIsRefusedBeforeAnythingIsWritten) {
  for (const char* name : {"a.xml", "b.xml", "c.xml"}) write(name, kExample);
  ASSERT_EQ(::symlink("a.xml", (directory_ + "/soft.xml").c_str()), 0);
  ASSERT_EQ(::link((directory_ + "/a.xml").c_str(), (directory_ + "/hard.xml").c_str()), 0);
  struct Case {
    std::string arguments;
    std::string problem;
  };
  for (const Case& c : {Case{"-o a.xml a.xml", "the output a.xml is the input a.xml"},
                        Case{"-o ./b.xml c.xml b.xml", "the output ./b.xml is the input b.xml"},
                        Case{"-o soft.xml b.xml a.xml", "the output soft.xml is the input a.xml"},
                        Case{"-o a.xml hard.xml", "the output a.xml is the input hard.xml"},
                        Case{"-o a.xml - <a.xml", "the output a.xml is the input <stdin>"}}) {
    Outcome result = shell("cd '" + directory_ + "' && " + kGen + " " + c.arguments);
    EXPECT_EQ(result.status, 2) << c.arguments;
    EXPECT_EQ(result.out, "") << c.arguments;
    EXPECT_EQ(result.err, "ambrel-gen: " + c.problem + "\nTry 'ambrel-gen --help'.\n");
  }
  for (const char* name : {"a.xml", "b.xml", "c.xml"})
    EXPECT_EQ(read(directory_ + "/" + name), kExample) << name;
}

TEST_F(AmbrelGen, AReplacedFileStaysItsOwnersWithItsGroupAndMode) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can write a file of another user";
  std::string target = write("theirs.h", "old");
  const uid_t nobody = 65534;
  const gid_t nogroup = 65534;
  ASSERT_EQ(::chown(target.c_str(), nobody, nogroup), 0);
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  Outcome result = run("-o '" + target + "'", kExample);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(read(target), kExampleDeclarations);
  struct stat status {};
  ASSERT_EQ(::stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_uid, nobody);
  EXPECT_EQ(status.st_gid, nogroup);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(AmbrelGen, AnOutputFileMayHaveTheLongestNameAFolderTakes) {
  const std::string longest = std::string(251, 'n') + ".txt";  // 255 bytes
  const std::string target = directory_ + "/" + longest;
  for (const char* round : {"new", "replaced"}) {
    Outcome result = run("-o '" + target + "'", kExample);
    EXPECT_EQ(result.status, 0) << round << ": " << result.err;
    EXPECT_EQ(read(target), kExampleDeclarations) << round;
  }
  EXPECT_EQ(leftovers({longest}), "");
}

// What the shell opened is written where it points (appended to, here), never replaced:
// /dev/stdout names the log itself when it is one.
TEST_F(AmbrelGen, AnOutputReachedThroughADescriptorIsWrittenDirectly) {
  std::string log = directory_ + "/log";
  ASSERT_EQ(::symlink("/dev/stdout", (directory_ + "/to-stdout").c_str()), 0);
  for (const std::string& redirected :
       {std::string("-o /dev/stdout >>"), std::string("-o /proc/self/fd/1 >>"),
        std::string("-o /dev/stderr 2>>"), std::string("-o /dev/fd/3 3>>"),
        "-o '" + directory_ + "/to-stdout' >>"}) {
    std::ofstream(log, std::ios::binary) << "earlier\n";
    Outcome result = run(redirected + "'" + log + "'", kExample);
    EXPECT_EQ(result.status, 0) << redirected << ": " << result.err;
    EXPECT_EQ(read(log), "earlier\n" + kExampleDeclarations) << redirected;
  }
  EXPECT_EQ(leftovers({"log", "to-stdout"}), "");
  Outcome closed = run("-o /dev/fd/9", kExample);
  EXPECT_EQ(closed.status, 4);
  EXPECT_EQ(closed.err,
            "ambrel-gen: cannot write the declarations to /dev/fd/9: Bad file descriptor\n");
}

// As "-" is standard input among the inputs; a file named "-" is still reached as ./-.
TEST_F(AmbrelGen, OutputDashIsStandardOutput) {
  Outcome result = shell("cd '" + directory_ + "' && " + kGen + " -o -", kExample);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, kExampleDeclarations);
  EXPECT_FALSE(std::filesystem::exists(directory_ + "/-"));
  EXPECT_EQ(shell("cd '" + directory_ + "' && " + kGen + " -o ./-", kExample).out, "");
  EXPECT_EQ(read(directory_ + "/-"), kExampleDeclarations);
}

// The file a link names gets the output; the link stays a link, even a dangling one.
TEST_F(AmbrelGen, AnOutputFileNamedThroughALinkIsWrittenThroughIt) {
  std::string real = write("real.h", "old");
  std::string link = directory_ + "/link.h";
  ASSERT_EQ(::symlink("real.h", link.c_str()), 0);
  EXPECT_EQ(run("-o '" + link + "'", kExample).status, 0);
  EXPECT_EQ(read(real), kExampleDeclarations);
  struct stat status {};
  ASSERT_EQ(::lstat(link.c_str(), &status), 0);
  EXPECT_TRUE(S_ISLNK(status.st_mode));
  std::string dangling = directory_ + "/dangling.h";
  ASSERT_EQ(::symlink("made.h", dangling.c_str()), 0);
  EXPECT_EQ(run("-o '" + dangling + "'", kExample).status, 0);
  EXPECT_EQ(read(directory_ + "/made.h"), kExampleDeclarations);
  ASSERT_EQ(::lstat(dangling.c_str(), &status), 0);
  EXPECT_TRUE(S_ISLNK(status.st_mode));
  EXPECT_EQ(leftovers({"link.h", "dangling.h", "made.h"}), "");
}

// What the system itself cannot resolve is refused, as the shell's redirection would be,
// and nothing is replaced: neither a link of a loop nor one of a chain longer than the
// system follows (the file at its end would keep its old text while the chain was cut).
TEST_F(AmbrelGen, AnOutputBehindALinkLoopOrTooLongAChainIsRefused) {
  std::string real = write("real.h", "old");
  ASSERT_EQ(::symlink("loop-b", (directory_ + "/loop-a").c_str()), 0);
  ASSERT_EQ(::symlink("loop-a", (directory_ + "/loop-b").c_str()), 0);
  const int kLinks = 45;  // more than the 40 the system follows
  for (int i = 0; i < kLinks; ++i) {
    std::string next = i + 1 == kLinks ? "real.h" : "chain-" + std::to_string(i + 1);
    ASSERT_EQ(::symlink(next.c_str(), (directory_ + "/chain-" + std::to_string(i)).c_str()), 0);
  }
  for (const std::string name : {"loop-a", "chain-0"}) {
    std::string link = directory_ + "/" + name;
    Outcome result = run("-o '" + link + "'", kExample);
    EXPECT_EQ(result.status, 4) << name;
    EXPECT_EQ(result.err, "ambrel-gen: cannot write the declarations to " + link +
                              ": Too many levels of symbolic links\n");
  }
  for (const std::string name : {"loop-a", "loop-b", "chain-0", "chain-40", "chain-44"}) {
    struct stat status {};
    ASSERT_EQ(::lstat((directory_ + "/" + name).c_str(), &status), 0) << name;
    EXPECT_TRUE(S_ISLNK(status.st_mode)) << name;
  }
  EXPECT_EQ(read(real), "old");
  // A chain as long as the system follows is written through, as the shell would.
  for (int i = 0; i < 40; ++i) {
    std::string next = i + 1 == 40 ? "far.h" : "ok-" + std::to_string(i + 1);
    ASSERT_EQ(::symlink(next.c_str(), (directory_ + "/ok-" + std::to_string(i)).c_str()), 0);
  }
  EXPECT_EQ(run("-o '" + directory_ + "/ok-0'", kExample).status, 0);
  EXPECT_EQ(read(directory_ + "/far.h"), kExampleDeclarations);
  EXPECT_EQ(shell("echo shell >'" + directory_ + "/ok-0'").status, 0);  // the system's limit
}

// A hard link is another name of the same file; -o replaces the file under the name it is
// given, so the other name keeps the old text (and the old file is never half written).
TEST_F(AmbrelGen, AnOutputWithAnotherHardLinkReplacesOnlyTheNameGiven) {
  std::string target = write("out.h", "old");
  std::string other = directory_ + "/other.h";
  ASSERT_EQ(::link(target.c_str(), other.c_str()), 0);
  EXPECT_EQ(run("-o '" + target + "'", kExample).status, 0);
  EXPECT_EQ(read(target), kExampleDeclarations);
  EXPECT_EQ(read(other), "old");
}

// The temporary file must not need a longer name than the target: a path the shell can
// write, as long as the system takes, is written, in a new file and over an old one.
TEST_F(AmbrelGen, AnOutputPathAsLongAsTheSystemTakesIsWritten) {
  const std::size_t kLongestPath = PATH_MAX - 1;  // without the closing NUL
  const std::string name = "o.h";                 // far shorter than a temporary file's
  const std::size_t folder_length = kLongestPath - 1 - name.size();
  std::string folder = directory_;
  while (folder.size() < folder_length) {
    std::size_t left = folder_length - folder.size() - 1;             // after the next "/"
    std::size_t part = left <= 200 ? left : left == 201 ? 100 : 200;  // none of 0 bytes
    folder.append("/").append(part, 'd');
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0) << folder.size();
  }
  std::string target = folder + "/" + name;
  ASSERT_EQ(target.size(), kLongestPath);
  for (const char* round : {"new", "replaced"}) {
    Outcome result = run("-o '" + target + "'", kExample);
    EXPECT_EQ(result.status, 0) << round << ": " << result.err;
    EXPECT_EQ(read(target), kExampleDeclarations) << round;
  }
  EXPECT_EQ(shell("cd '" + folder + "' && ls -A").out, name + "\n");
}

TEST_F(AmbrelGen, AFailingWriteLeavesTheOldOutputFileUntouched) {
  std::string target = write("out.h", "old");
  std::string big = "<r>";
  for (int i = 0; i < 2000; ++i)
    big += "<k" + std::to_string(i) + ">1</k" + std::to_string(i) + ">";
  std::string input = write("big.xml", big + "</r>");
  // A file size limit of 4 KiB makes the write fail with EFBIG (the signal is ignored).
  Outcome full =
      shell("trap '' XFSZ; ulimit -f 4; exec " + kGen + " -o '" + target + "' '" + input + "'");
  EXPECT_EQ(full.status, 4);
  EXPECT_EQ(full.err,
            "ambrel-gen: cannot write the declarations to " + target + ": File too large\n");
  EXPECT_EQ(read(target), "old");
  EXPECT_EQ(run("-o '" + directory_ + "'", kExample).status, 4);  // a folder is no output file
  EXPECT_EQ(run("-o /dev/full", kExample).status, 4);             // devices are written in place
  if (::geteuid() != 0) {                                         // root writes every file
    ::chmod(target.c_str(), 0444);
    EXPECT_EQ(run("-o '" + target + "'", kExample).status, 4);
    EXPECT_EQ(read(target), "old");
  }
  EXPECT_EQ(leftovers(), "");
}

TEST_F(AmbrelGen, BigEndianAndUtf32FilesAreDecodedAfterTheirMarks) {
  const std::u32string document = U"<\u00e4>1</\u00e4>";
  const std::string expected = "; /\r\nStructure XML_MAIN\r\n\t\xC3\xA4.q\r\nEndStructure\r\n";
  std::string be16("\xFE\xFF", 2), le32("\xFF\xFE\0\0", 4), be32("\0\0\xFE\xFF", 4);
  for (char32_t c : document) {
    be16 += {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
    le32 += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8), '\0', '\0'};
    be32 += {'\0', '\0', static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
  }
  EXPECT_EQ(run("'" + write("be16.xml", be16) + "'").out, expected);
  EXPECT_EQ(run("'" + write("le32.xml", le32) + "'").out, expected);
  EXPECT_EQ(run("", be32).out, expected);
}

// JSON files are decoded as XML files are: by their mark, else valid UTF-8 sequences as UTF-8
// and every other byte as Windows-1252, also far into a file; the format is told after the
// mark.
TEST_F(AmbrelGen, JsonFilesAreDecodedByMarkElseUtf8ElseWindows1252) {
  const std::string pad = "\"pad\": \"" + std::string(3000000, 'x') + "\", ";
  Outcome broken =
      run("--lf '" +
          write("broken.json", "{\"caf\xE9\": \"x\xFF\", " + pad + "\"\xC3\xA9\x93\": 1}") + "'");
  EXPECT_EQ(broken.status, 0) << broken.err;
  EXPECT_EQ(broken.out,
            "; /\nStructure JSON_MAIN\n\tcaf\xC3\xA9.s\n\tpad.s\n\t\xC3\xA9\xE2\x80\x9C.q\n"
            "EndStructure\n");
  std::string utf16le("\xFF\xFE", 2);
  for (char c : std::string(" {\"\xE4\":2.5}")) utf16le += {c, '\0'};
  Outcome marked = run("--lf", utf16le);
  EXPECT_EQ(marked.status, 0) << marked.err;
  EXPECT_EQ(marked.out, "; /\nStructure JSON_MAIN\n\t\xC3\xA4.f\nEndStructure\n");
}

TEST_F(AmbrelGen, JsonIsDeclaredByTheSameRulesAndItsFaultsArePlaced) {
  std::string records = write("records.json",
                              "\xEF\xBB\xBF [{\"id\": 1, \"tags\": [\"a\"]},\n"
                              "  {\"id\": 2.5, \"owner\": {\"name\": null}}]");
  Outcome result = run("--lf '" + records + "'");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "\n; /owner\nStructure JSON_OWNER\n\tname.s\nEndStructure\n"
            "\n; /\nStructure JSON_MAIN\n\tid.f\n\towner.JSON_OWNER\n\ttags.s           ; []\n"
            "EndStructure\n");
  // JSON Lines on standard input: each line a sample.
  Outcome lines = run("--lf", "{\"a\": 1}\n{\"a\": \"x\", \"b\": true}\n");
  EXPECT_EQ(lines.out, "; /\nStructure JSON_MAIN\n\ta.s\n\tb.q\nEndStructure\n");
  // A number is typed by its form, whatever its size.
  Outcome huge = run("--lf", "{\"a\": 1e400, \"b\": " + std::string(400, '9') + "}\n");
  EXPECT_EQ(huge.status, 0) << huge.err;
  EXPECT_EQ(huge.out, "; /\nStructure JSON_MAIN\n\ta.f\n\tb.q\nEndStructure\n");
  Outcome malformed = run("--lf '" + write("cut.json", "{\"a\": 1,\n \"b\": [1 2]}") + "'");
  EXPECT_EQ(malformed.status, 1);
  EXPECT_EQ(malformed.out, "; /\nStructure JSON_MAIN\n\ta.q\n\tb.q ; []\nEndStructure\n");
  EXPECT_EQ(
      malformed.err,
      directory_ + "/cut.json:2:10: Missing a comma or ']' after an array element, found '2'.\n");
  // A comma between JSON Lines is named, the value before it declared.
  Outcome separated = run("--lf", "{\"a\":1},{\"b\":2}");
  EXPECT_EQ(separated.status, 1);
  EXPECT_EQ(separated.out, "; /\nStructure JSON_MAIN\n\ta.q\nEndStructure\n");
  EXPECT_EQ(separated.err, "<stdin>:1:8: Unexpected ',' after the end of a value.\n");
}

// Objects as records, --no-maps, print what this program printed before it knew of maps (the
// texts below were recorded then); --map and --record force a kind, and a path no kind has
// is a warning that leaves the status as it is.
TEST_F(AmbrelGen, MapsAreDetectedUnlessTurnedOffAndCanBeForcedEitherWay) {
  std::string dictionary =
      write("dict.json",
            "{\"fonts\":{\"A.TTF\":{\"by\":[\"x\"],\"n\":1},\"B.TTF\":{\"by\":[],\"n\":2.5}},"
            "\"deps\":{\"@a/b\":\"1\",\"c\":\"2\"},\"list\":[{\"m\":{\"1\":[1],\"2\":[2,3]}}]}");
  Outcome records = run("--lf --no-maps '" + dictionary + "'");
  EXPECT_EQ(records.status, 0) << records.err;
  EXPECT_EQ(records.out,
            "\n; /list[]/m\nStructure JSON_M\n\t1.q              ; []\n"
            "\t2.q              ; []\nEndStructure\n\n; /list[]\nStructure JSON_LIST\n"
            "\tm.JSON_M\nEndStructure\n\n; /fonts/B.TTF\nStructure JSON_B.TTF\n"
            "\tby.s             ; []\n\tn.f\nEndStructure\n; /fonts/A.TTF\n"
            "Structure JSON_A.TTF\n\tby.s             ; []\n\tn.q\nEndStructure\n\n; /fonts\n"
            "Structure JSON_FONTS\n\tA.TTF.JSON_A.TTF\n\tB.TTF.JSON_B.TTF\nEndStructure\n"
            "; /deps\nStructure JSON_DEPS\n\t@a/b.s\n\tc.s\nEndStructure\n\n; /\n"
            "Structure JSON_MAIN\n\tdeps.JSON_DEPS\n\tfonts.JSON_FONTS\n"
            "\tlist.JSON_LIST   ; []\nEndStructure\n");
  Outcome maps = run("--lf '" + dictionary + "'");
  EXPECT_EQ(maps.out,
            "\n; /list[]\nStructure JSON_LIST\n\tm.q              ; {} []\nEndStructure\n"
            "; /fonts{}\nStructure JSON_FONTS\n\tby.s             ; []\n\tn.f\nEndStructure\n"
            "; /deps\nStructure JSON_DEPS\n\t@a/b.s\n\tc.s\nEndStructure\n\n; /\n"
            "Structure JSON_MAIN\n\tdeps.JSON_DEPS\n\tfonts.JSON_FONTS ; {}\n"
            "\tlist.JSON_LIST   ; []\nEndStructure\n");
  Outcome forced = run("--lf --map /list/m --record /fonts --map /nowhere --record '/deps{}' '" +
                       dictionary + "'");
  EXPECT_EQ(forced.status, 0);
  EXPECT_EQ(forced.err,
            "ambrel-gen: warning: no kind of object has the path /nowhere\n"
            "ambrel-gen: warning: no kind of object has the path /deps{}\n");
  EXPECT_EQ(run("--map nowhere", "{}").status, 2);
}

TEST_F(AmbrelGen, AFormatCanBeChosenButNotMixed) {
  std::string json = write("a.json", "{\"a\": 1}");
  std::string xml = write("b.xml", "<b>1</b>");
  Outcome forced = run("--xml '" + json + "'");
  EXPECT_EQ(forced.status, 1);
  EXPECT_EQ(forced.err, json + ":1:1: not well-formed (invalid token)\n");
  Outcome as_json = run("--json", " <b/>");
  EXPECT_EQ(as_json.status, 1);
  EXPECT_EQ(as_json.err, "<stdin>:1:2: Invalid value, found '<'.\n");
  Outcome both = run("--json --xml '" + json + "'");
  EXPECT_EQ(both.status, 2);
  EXPECT_EQ(both.err,
            "ambrel-gen: --json and --xml cannot both be given\nTry 'ambrel-gen --help'.\n");
  Outcome mixed = run("'" + json + "' '" + xml + "'");
  EXPECT_EQ(mixed.status, 2);
  EXPECT_EQ(mixed.out, "");
  EXPECT_EQ(mixed.err, "ambrel-gen: " + json + " is JSON but " + xml +
                           " is XML: the inputs of one run are all XML or all JSON\n"
                           "Try 'ambrel-gen --help'.\n");
}

}  // namespace
