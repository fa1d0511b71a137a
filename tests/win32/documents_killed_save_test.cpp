// A save killed half-way: the file on disk is the old one or the new one,
// whole. The test runs this very program as the saving process and kills it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/file_writer_win32.h"
#include "platform/win32/platform_win32.h"

namespace {

constexpr size_t kNewSize = size_t(96) << 20;
const wchar_t kTargetVariable[] = L"LV_DOCS_KILLED_SAVE_TARGET";
const wchar_t kWritingEvent[] = L"Local\\lv_docs_killed_save_writing";

std::string New_Content() {
  std::string bytes(kNewSize, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = char('a' + i % 26);
  return bytes;
}

// The child's part: only when the parent names the target.
TEST(DocumentsKilledSave, DISABLED_ChildSaves) {
  wchar_t target[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(kTargetVariable, target, MAX_PATH)) GTEST_SKIP();
  const std::string bytes = New_Content();
  HANDLE writing = OpenEventW(EVENT_MODIFY_STATE, FALSE, kWritingEvent);
  SetEvent(writing);
  Win32_File_Writer().Write_Whole(Narrow(target), bytes);
}

TEST(DocumentsKilledSave, TheFileIsOldOrNewAndWhole) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder =
      std::wstring(temp) + L"lv_docs_killed_" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring target = folder + L"\\doc.txt";
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  SetEnvironmentVariableW(kTargetVariable, target.c_str());
  const std::string fresh = New_Content();
  int old_seen = 0, new_seen = 0;
  for (DWORD delay : {0u, 30u, 120u, 400u, 20000u}) {
    {
      HANDLE f = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      DWORD written = 0;
      WriteFile(f, "old", 3, &written, nullptr);
      CloseHandle(f);
    }
    HANDLE writing = CreateEventW(nullptr, TRUE, FALSE, kWritingEvent);
    std::wstring command =
        L"\"" + std::wstring(self) +
        L"\" --gtest_filter=DocumentsKilledSave.DISABLED_ChildSaves --gtest_also_run_disabled_tests";
    // The child's report would only clutter this one.
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE quiet = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = quiet;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(
        CreateProcessW(self, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child));
    CloseHandle(quiet);
    ASSERT_EQ(WaitForSingleObject(writing, 60000), WAIT_OBJECT_0);
    if (WaitForSingleObject(child.hProcess, delay) == WAIT_TIMEOUT) TerminateProcess(child.hProcess, 1);
    WaitForSingleObject(child.hProcess, INFINITE);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    CloseHandle(writing);

    const auto on_disk = Win32_Files().Read_All(Narrow(target));
    ASSERT_TRUE(on_disk.has_value()) << "delay " << delay;
    if (*on_disk == "old") {
      ++old_seen;
    } else {
      ASSERT_EQ(on_disk->size(), fresh.size()) << "delay " << delay;
      ASSERT_TRUE(*on_disk == fresh) << "delay " << delay;
      ++new_seen;
    }
  }
  SetEnvironmentVariableW(kTargetVariable, nullptr);
  EXPECT_GE(old_seen, 1);  // at least one kill landed before the replace
  EXPECT_GE(new_seen, 1);  // and the unhurried save completed
  // Scratch files of killed saves may stay; they never hide the document.
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") DeleteFileW((folder + L"\\" + name).c_str());
    } while (FindNextFileW(h, &found));
    FindClose(h);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace
