// The output files of lirovant-text: never through a link at a scratch name,
// the old file's mode kept, nothing left behind when interrupted or when a
// write fails, a pipe written to rather than replaced, pipes read as streams.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/output_file.h"
#include "cli/text_tool.h"
#include "text/exact_conversion.h"

namespace {

namespace fs = std::filesystem;

const std::string Russian =
    u8"Широкая электрификация южных губерний даст мощный толчок сельскому хозяйству.\n";

class OutputFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("lirovant_out_" + std::to_string(getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  std::string File(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
    return Path(name);
  }
  static std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  static int Tool(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    return Run_Text_Tool(args, in, out, err);
  }
  fs::path folder_;
};

TEST_F(OutputFile, ALinkAtTheOldScratchNameIsNotFollowedAndALinkAsOutLeadsToItsFile) {
  const std::string koi = File("koi.txt", Convert_Exact(Russian, Page_UTF8, Page_KOI).text);
  const std::string precious = File("precious.txt", "keep me");
  fs::create_symlink(precious, Path("o.txt.lirovant-text.tmp"));
  EXPECT_EQ(Tool({"convert", "--from", "KOI", "--to", "WIN", koi, Path("o.txt")}), Exit_Done);
  EXPECT_EQ(Read(precious), "keep me");
  EXPECT_EQ(Read(Path("o.txt")), Convert_Exact(Russian, Page_UTF8, Page_WIN).text);

  fs::create_symlink(precious, Path("link.txt"));
  EXPECT_EQ(Tool({"convert", "--to", "UTF-8", koi, Path("link.txt")}), Exit_Done);
  EXPECT_TRUE(fs::is_symlink(Path("link.txt")));
  EXPECT_EQ(Read(precious), Russian);
  EXPECT_EQ(Names(), (std::vector<std::string>{"koi.txt", "link.txt", "o.txt", "o.txt.lirovant-text.tmp",
                                               "precious.txt"}));
}

TEST_F(OutputFile, ReplacingAFileKeepsItsModeAndANewFileTakesTheUmask) {
  const std::string out = File("out.txt", "old");
  ASSERT_EQ(chmod(out.c_str(), 0600), 0);
  EXPECT_EQ(Tool({"convert", "--from", "UTF-8", "--to", "KOI", "-", out}, Russian), Exit_Done);
  struct stat kept {};
  ASSERT_EQ(stat(out.c_str(), &kept), 0);
  EXPECT_EQ(kept.st_mode & 07777, 0600u);
  const mode_t mask = umask(022);
  EXPECT_EQ(Tool({"convert", "--from", "UTF-8", "--to", "KOI", "-", Path("new.txt")}, Russian), Exit_Done);
  umask(mask);
  ASSERT_EQ(stat(Path("new.txt").c_str(), &kept), 0);
  EXPECT_EQ(kept.st_mode & 07777, 0644u);
}

// Run in a child of its own: the signal ends that process, as it would the tool.
TEST_F(OutputFile, AnInterruptionRemovesTheScratchFile) {
  for (const int signal_number : {SIGINT, SIGTERM}) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      Output_File file(Path("big.txt"));
      file.Write(std::string(1 << 20, 'x'));
      if (!fs::exists(file.Scratch_Name())) _exit(3);
      raise(signal_number);
      _exit(4);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal_number) << status;
    EXPECT_TRUE(Names().empty()) << Names().front();
  }
}

// A write that fails (here past the file size limit) is exit code 5, and the
// old file and nothing else stays; so is standard output that takes nothing.
TEST_F(OutputFile, AFailedWriteIsAnErrorAndLeavesTheOldFile) {
  const std::string out = File("out.txt", "old");
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, 1000};
    setrlimit(RLIMIT_FSIZE, &limit);
    std::string text;
    while (text.size() < 100000) text += Russian;
    _exit(Tool({"convert", "--from", "UTF-8", "--to", "UTF-16", "-", out}, text));
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == Exit_Unwritable) << status;
  EXPECT_EQ(Read(out), "old");
  EXPECT_EQ(Names(), std::vector<std::string>{"out.txt"});

  std::istringstream in(Russian);
  std::ostringstream out_stream, err;
  out_stream.setstate(std::ios::badbit);  // as a full disk leaves it
  EXPECT_EQ(Run_Text_Tool({"convert", "--from", "UTF-8", "--to", "KOI"}, in, out_stream, err),
            Exit_Unwritable);
  std::istringstream in_again(Russian);
  EXPECT_EQ(Run_Text_Tool({"detect"}, in_again, out_stream, err), Exit_Unwritable);
}

// A pipe named as OUT is written to and stays a pipe; a pipe named as IN is
// read as a stream, for detect and for --from auto.
TEST_F(OutputFile, PipesAreReadAndWrittenAsStreams) {
  const std::string pipe = Path("pipe");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = Read(pipe); });
  EXPECT_EQ(Tool({"convert", "--from", "UTF-8", "--to", "KOI", "-", pipe}, Russian), Exit_Done);
  reader.join();
  EXPECT_EQ(received, Convert_Exact(Russian, Page_UTF8, Page_KOI).text);
  EXPECT_TRUE(fs::is_fifo(pipe));

  const std::string koi = Convert_Exact(Russian, Page_UTF8, Page_KOI).text;
  for (const std::vector<std::string>& args : {std::vector<std::string>{"detect", pipe},
                                               std::vector<std::string>{"convert", "--to", "UTF-8", pipe}}) {
    std::thread writer([&] { std::ofstream(pipe, std::ios::binary) << koi; });
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(Run_Text_Tool(args, in, out, err), Exit_Done) << err.str();
    writer.join();
    EXPECT_EQ(out.str(), args[0] == "detect" ? "KOI\t" + pipe + "\n" : Russian);
  }
}

// Standard input is judged by its head and streamed: what is held at once
// is one piece of a text of many, and the text comes through whole.
TEST_F(OutputFile, StandardInputIsHeldOnlyAsFarAsItsHead) {
  std::string text;
  while (text.size() < (5u << 20)) text += Russian;
  std::istringstream in(text);
  Tool_Input input("-", in);
  EXPECT_LE(input.Head().size(), 1u << 20);
  EXPECT_EQ(input.Read_Rest(), text);
}

}  // namespace
