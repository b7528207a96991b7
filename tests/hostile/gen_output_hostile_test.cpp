// ambrel-gen -o when the run does not end well: interrupted while it writes, or out of disk
// space. The old file stays as it was (or is wholly replaced), and nothing is left beside it.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const std::string kGen = AMBREL_GEN_PATH;

std::string read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

// Elements nested this deep: a small input whose declarations are some 16 MB (each level's
// path comment names every level above it), so writing them takes a while.
std::string deep_document(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "<a>";
  text += "1";
  for (int i = 0; i < depth; ++i) text += "</a>";
  return text;
}

class GenOutputHostileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/ambrel_gen_output_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    folder_ = pattern;
    input_ = folder_ / "deep.xml";
    std::ofstream(input_, std::ios::binary) << deep_document(4000);
    target_ = folder_ / "out.txt";
  }
  void TearDown() override { fs::remove_all(folder_); }

  // The names in the folder besides the input and the target.
  std::set<std::string> leftovers() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      if (entry.path() != input_ && entry.path() != target_) names.insert(entry.path().filename());
    }
    return names;
  }

  // Whether the process `child` has a file in the folder open besides the input: the
  // declarations are being written.
  bool writing(pid_t child) const {
    std::error_code error;
    for (const auto& entry :
         fs::directory_iterator("/proc/" + std::to_string(child) + "/fd", error)) {
      fs::path open = fs::read_symlink(entry.path(), error);
      if (!error && open.parent_path() == folder_ && open != input_) return true;
    }
    return false;
  }

  // Runs ambrel-gen -o on the input, started by `starter` (programs that exec it in their
  // place), and sends `signal` while it writes (stopped first, so that the signal cannot
  // come after the writing); false when the run ended before.
  bool interrupt_while_writing(int signal, int& status, std::vector<std::string> starter = {}) {
    std::vector<std::string> arguments = std::move(starter);
    arguments.insert(arguments.end(), {kGen, "-o", target_.string(), input_.string()});
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;
    bool caught = false;
    while (!caught && ::waitpid(child, &status, WNOHANG) == 0) {
      if (!writing(child)) continue;
      ::kill(child, SIGSTOP);
      caught = writing(child);
      if (caught) ::kill(child, signal);
      ::kill(child, SIGCONT);
    }
    if (caught) ::waitpid(child, &status, 0);
    return caught;
  }

  // Interrupts a run with each signal while it writes: the target stays as it was and
  // nothing is left beside it.
  void expect_clean_interruptions(const std::vector<int>& signals,
                                  const std::vector<std::string>& starter = {}) {
    for (int signal : signals) {
      std::ofstream(target_, std::ios::binary) << "old";
      int status = 0;
      bool caught = false;
      for (int attempt = 0; attempt < 20 && !caught; ++attempt)
        caught = interrupt_while_writing(signal, status, starter);
      ASSERT_TRUE(caught) << "the writing of the declarations was never seen";
      EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;  // as uncaught
      EXPECT_EQ(read(target_), "old") << signal;
      EXPECT_EQ(leftovers(), std::set<std::string>{}) << signal;
    }
  }

  fs::path folder_;
  fs::path input_;
  fs::path target_;
};

// Where the file system cannot make unnamed files, a temporary file has a name until it is
// complete, and a signal that cannot be caught leaves it.
bool unnamed_files_here(const fs::path& folder) {
#ifdef O_TMPFILE
  int handle = ::open(folder.c_str(), O_TMPFILE | O_WRONLY, 0600);
  if (handle < 0) return false;
  ::close(handle);
  return true;
#else
  return false;
#endif
}

TEST_F(GenOutputHostileTest, ASignalWhileWritingLeavesTheOldFileAndNothingBesideIt) {
  std::vector<int> signals{SIGINT, SIGTERM, SIGHUP};
  if (unnamed_files_here(folder_)) signals.push_back(SIGKILL);
  expect_clean_interruptions(signals);
}

// Without /proc an unnamed file could not be given a name at the end, so the temporary file
// has one all along: the signals remove it.
TEST_F(GenOutputHostileTest, ASignalRemovesATemporaryFileThatHasAName) {
  const std::string hide_proc = "umount -l /proc && exec \"$0\" \"$@\"";
  const std::vector<std::string> without_proc{"unshare", "-m", "--propagation", "private",
                                              "sh",      "-c", hide_proc};
  if (::geteuid() != 0 || std::system("unshare -m --propagation private umount -l /proc") != 0)
    GTEST_SKIP() << "hiding /proc needs root with mount namespaces";
  expect_clean_interruptions({SIGINT, SIGTERM, SIGHUP}, without_proc);
}

// A file system of 64 KiB, mounted in a mount namespace of its own, that the output does not
// fit on.
TEST_F(GenOutputHostileTest, AFullDiskLeavesTheOldFileAndNothingBesideIt) {
  if (::geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
  fs::path small = folder_ / "small";
  fs::create_directory(small);
  fs::path script = folder_ / "full.sh";
  std::ofstream(script) << "mount -t tmpfs -o size=64k tmpfs \"$1\" || exit 100\n"
                        << "printf old >\"$1/out.txt\"\n"
                        << "\"$2\" -o \"$1/out.txt\" \"$3\" 2>\"$4\"\n"
                        << "echo \"$?\"; cat \"$1/out.txt\"; echo; ls -A \"$1\"\n";
  std::string command = "unshare -m --propagation private sh '" + script.string() + "' '" +
                        small.string() + "' '" + kGen + "' '" + input_.string() + "' '" +
                        (folder_ / "err").string() + "' >'" + (folder_ / "report").string() +
                        "' 2>/dev/null";
  int status = std::system(command.c_str());
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    GTEST_SKIP() << "no mount namespace for a small file system here";
  EXPECT_EQ(read(folder_ / "report"), "4\nold\nout.txt\n");
  EXPECT_EQ(read(folder_ / "err"), "ambrel-gen: cannot write the declarations to " +
                                       small.string() + "/out.txt: No space left on device\n");
}

}  // namespace
