#include "cli/output_file.h"

#include <windows.h>

#include <string>

#include "cli/tool_files.h"

namespace {

std::wstring Wide(const std::string& name) {
  const int size = MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, nullptr, 0);
  std::wstring wide(size > 0 ? size_t(size) : 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide.data(), size);
  wide.resize(wide.size() - 1);
  return wide;
}

[[noreturn]] void Fail(const std::string& name) {
  throw Tool_Error{Exit_Unwritable,
                   "cannot write " + name + " (error " + std::to_string(GetLastError()) + ")"};
}

// The scratch file Ctrl+C and closing the console remove.
wchar_t Scratch_To_Remove[MAX_PATH + 64];
volatile LONG Scratch_Held = 0;

BOOL WINAPI Remove_Scratch(DWORD) {
  if (Scratch_Held) DeleteFileW(Scratch_To_Remove);
  return FALSE;  // and the process ends as it would have
}

// A device (NUL, CON, a pipe) is no disk file to replace.
bool Is_Device(const std::wstring& name) {
  const HANDLE file = CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool device = GetFileType(file) != FILE_TYPE_DISK;
  CloseHandle(file);
  return device;
}

}  // namespace

struct Output_File::State {
  std::string name;
  std::wstring target, scratch;
  HANDLE file = INVALID_HANDLE_VALUE;
  bool committed = false;
};

Output_File::Output_File(const std::string& name) : state_(std::make_unique<State>()) {
  State& s = *state_;
  s.name = name;
  s.target = Wide(name);
  if (Is_Device(s.target)) {
    s.file = CreateFileW(s.target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (s.file == INVALID_HANDLE_VALUE) Fail(name);
    return;
  }
  // CREATE_NEW fails on any file already at the name, so a unique name is
  // tried until one is free.
  for (unsigned attempt = 0; s.file == INVALID_HANDLE_VALUE; ++attempt) {
    s.scratch = s.target + L"." + std::to_wstring((GetTickCount() ^ GetCurrentProcessId()) + attempt) +
                L".lirovant-text.tmp";
    s.file =
        CreateFileW(s.scratch.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (s.file == INVALID_HANDLE_VALUE && (GetLastError() != ERROR_FILE_EXISTS || attempt > 100)) Fail(name);
  }
  if (s.scratch.size() < MAX_PATH + 64) {
    s.scratch.copy(Scratch_To_Remove, s.scratch.size());
    Scratch_To_Remove[s.scratch.size()] = L'\0';
    Scratch_Held = 1;
    SetConsoleCtrlHandler(Remove_Scratch, TRUE);
  }
}

Output_File::~Output_File() {
  State& s = *state_;
  if (s.file != INVALID_HANDLE_VALUE) CloseHandle(s.file);
  if (!s.committed && !s.scratch.empty()) DeleteFileW(s.scratch.c_str());
  if (!s.scratch.empty()) {
    Scratch_Held = 0;
    SetConsoleCtrlHandler(Remove_Scratch, FALSE);
  }
}

void Output_File::Write(std::string_view text) {
  State& s = *state_;
  while (!text.empty()) {
    const DWORD chunk = text.size() > (1u << 30) ? (1u << 30) : DWORD(text.size());
    DWORD written = 0;
    if (!WriteFile(s.file, text.data(), chunk, &written, nullptr) || written == 0) Fail(s.name);
    text.remove_prefix(written);
  }
}

void Output_File::Commit() {
  State& s = *state_;
  const HANDLE file = s.file;
  s.file = INVALID_HANDLE_VALUE;
  if (!CloseHandle(file)) Fail(s.name);
  if (!s.scratch.empty() && !MoveFileExW(s.scratch.c_str(), s.target.c_str(), MOVEFILE_REPLACE_EXISTING))
    Fail(s.name);
  s.committed = true;
}

std::string Output_File::Scratch_Name() const {
  const std::wstring& scratch = state_->scratch;
  return std::string(scratch.begin(), scratch.end());
}
