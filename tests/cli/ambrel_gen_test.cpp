// Runs the built ambrel-gen as a user would and checks what it prints and returns.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

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
    std::string in = write("stdin", input);
    std::string command = std::string(AMBREL_GEN_PATH) + " " + arguments + " <'" + in + "' >'" +
                          directory_ + "/out' 2>'" + directory_ + "/err'";
    int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(directory_ + "/out"),
            read(directory_ + "/err")};
  }

  std::string directory_;
};

const std::string kExample = "<a x=\"1\"><b y=\"2.5\"/><b/></a>";
const std::string kExampleDeclarations =
    "\r\n; /a\r\n; attributes: x\r\nStructure XML_A\r\n\tb.s     ; [] attributes: y\r\nEndStructure\r\n"
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
  std::string utf16("\xFF\xFE<\0\xE4\0>\0" "1\0<\0/\0\xE4\0>\0", 18);
  std::string expected = "; /\r\nStructure XML_MAIN\r\n\t\xC3\xA4.q\r\nEndStructure\r\n";
  EXPECT_EQ(run("'" + write("utf16.xml", utf16) + "'").out, expected);
  EXPECT_EQ(run("'" + write("latin1.xml", "<\xE4>1</\xE4>") + "'").out, expected);
  EXPECT_EQ(run("", "\xEF\xBB\xBF<\xC3\xA4>1</\xC3\xA4>").out, expected);
}

TEST_F(AmbrelGen, MalformedDocumentIsDeclaredAsFarAsReadAndReported) {
  std::string path = write("cut.xml", "<a><b>1</b>");
  Outcome result = run("'" + path + "'");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "\r\n; /a\r\nStructure XML_A\r\n\tb.q\r\nEndStructure\r\n"
                        "\r\n; /\r\nStructure XML_MAIN\r\n\ta.XML_A\r\nEndStructure\r\n");
  EXPECT_EQ(result.err, path + ":1:12: no element found\n");

  Outcome mismatched = run("", "<a>\n<b>x</a>");
  EXPECT_EQ(mismatched.status, 1);
  EXPECT_EQ(mismatched.err, "<stdin>:2:7: mismatched tag\n");

  Outcome no_element = run("", "no markup");
  EXPECT_EQ(no_element.status, 1);
  EXPECT_EQ(no_element.out, "");
}

TEST_F(AmbrelGen, UnreadableInputsFailWithOneLineAndNoOutput) {
  Outcome missing = run("'" + directory_ + "/missing.xml'");
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "ambrel-gen: " + directory_ + "/missing.xml: No such file or directory\n");

  Outcome directory = run("'" + directory_ + "'");
  EXPECT_EQ(directory.status, 2);
  EXPECT_EQ(directory.out, "");
  EXPECT_EQ(directory.err, "ambrel-gen: " + directory_ + ": Is a directory\n");

  if (::geteuid() != 0) {  // root reads every file
    std::string locked = write("locked.xml", kExample);
    ::chmod(locked.c_str(), 0);
    Outcome denied = run("'" + locked + "'");
    EXPECT_EQ(denied.status, 2);
    EXPECT_EQ(denied.out, "");
    EXPECT_EQ(denied.err, "ambrel-gen: " + locked + ": Permission denied\n");
  }
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
  EXPECT_EQ(help.out.rfind("Usage: ambrel-gen [FILE|-]\n", 0), 0u);
  Outcome version = run("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("ambrel-gen ") + AMBREL_VERSION + "\n");
  Outcome unknown = run("--verbose");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.out, "");
  EXPECT_EQ(unknown.err, "ambrel-gen: unknown option '--verbose'\nTry 'ambrel-gen --help'.\n");
  EXPECT_EQ(run("a.xml b.xml").status, 2);
}

}  // namespace
