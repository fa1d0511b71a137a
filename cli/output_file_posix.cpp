#include "cli/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "cli/tool_files.h"

namespace {

// The scratch file an interruption removes. A signal handler may only look
// at what is already in memory, so the name waits here as plain characters.
char Scratch_To_Remove[PATH_MAX + 64];
volatile std::sig_atomic_t Scratch_Held = 0;
constexpr int Interruptions[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

extern "C" void Remove_Scratch_And_Stop(int signal_number) {
  if (Scratch_Held) unlink(Scratch_To_Remove);
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

void Hold_Scratch(const std::string& name) {
  if (name.size() >= sizeof Scratch_To_Remove) return;
  std::memcpy(Scratch_To_Remove, name.c_str(), name.size() + 1);
  Scratch_Held = 1;
  for (const int signal_number : Interruptions) std::signal(signal_number, Remove_Scratch_And_Stop);
}

void Let_Scratch_Go() {
  Scratch_Held = 0;
  for (const int signal_number : Interruptions) std::signal(signal_number, SIG_DFL);
}

[[noreturn]] void Fail(const std::string& name, int error) {
  throw Tool_Error{Exit_Unwritable, "cannot write " + name + ": " + std::strerror(error)};
}

// The file a link leads to, through any number of links; the name itself
// when it is no link.
std::string Through_Links(const std::string& name) {
  std::error_code error;
  if (!std::filesystem::is_symlink(name, error)) return name;
  const std::filesystem::path target = std::filesystem::weakly_canonical(name, error);
  return error ? name : target.string();
}

}  // namespace

struct Output_File::State {
  std::string name;     // as the user gave it, for messages
  std::string target;   // the file that is replaced or written
  std::string scratch;  // empty when the target is written directly
  int fd = -1;
  bool existed = false;
  struct stat old {};
  bool committed = false;
};

Output_File::Output_File(const std::string& name) : state_(std::make_unique<State>()) {
  State& s = *state_;
  s.name = name;
  s.target = Through_Links(name);
  s.existed = stat(s.target.c_str(), &s.old) == 0;
  if (s.existed && S_ISDIR(s.old.st_mode)) Fail(name, EISDIR);
  if (s.existed && !S_ISREG(s.old.st_mode)) {
    s.fd = open(s.target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (s.fd < 0) Fail(name, errno);
    return;
  }
  // mkstemps makes the name unique and creates the file exclusively, with
  // no one else's permission: a link or file already at that name is left
  // alone.
  std::string pattern = s.target + ".XXXXXX.lirovant-text.tmp";
  s.fd = mkstemps(pattern.data(), static_cast<int>(std::strlen(".lirovant-text.tmp")));
  if (s.fd < 0) Fail(name, errno);
  s.scratch = pattern;
  Hold_Scratch(s.scratch);
}

Output_File::~Output_File() {
  State& s = *state_;
  if (s.fd >= 0) close(s.fd);
  if (!s.committed && !s.scratch.empty()) {
    unlink(s.scratch.c_str());
    Let_Scratch_Go();
  }
}

void Output_File::Write(std::string_view text) {
  State& s = *state_;
  while (!text.empty()) {
    const ssize_t written = write(s.fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) Fail(s.name, written < 0 ? errno : ENOSPC);
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

void Output_File::Commit() {
  State& s = *state_;
  if (!s.scratch.empty()) {
    if (s.existed) {
      // The owner first: a change of owner clears the set-id bits that the
      // mode then puts back. Only the owner's group may be all one can keep.
      if (fchown(s.fd, s.old.st_uid, s.old.st_gid) != 0)
        (void)fchown(s.fd, static_cast<uid_t>(-1), s.old.st_gid);
      if (fchmod(s.fd, s.old.st_mode & 07777) != 0) Fail(s.name, errno);
    } else {
      const mode_t mask = umask(0);
      umask(mask);
      if (fchmod(s.fd, 0666 & ~mask) != 0) Fail(s.name, errno);
    }
  }
  const int fd = s.fd;
  s.fd = -1;
  if (close(fd) != 0) Fail(s.name, errno);
  if (!s.scratch.empty() && rename(s.scratch.c_str(), s.target.c_str()) != 0) Fail(s.name, errno);
  s.committed = true;
  if (!s.scratch.empty()) Let_Scratch_Go();
}

std::string Output_File::Scratch_Name() const { return state_->scratch; }
