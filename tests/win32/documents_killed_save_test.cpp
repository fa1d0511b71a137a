// A save killed half-way: the file on disk is the old one or the new one,
// whole; where it had to be rewritten in place, its old contents are whole in
// a kept copy named beside the file it was kept for. The tests run this very
// program as the saving process and kill it.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/win32/file_writer_win32.h"
#include "platform/win32/platform_win32.h"
#include "test_main_window.h"

namespace {

constexpr size_t kNewSize = size_t(96) << 20;
const wchar_t kTargetVariable[] = L"LV_DOCS_KILLED_SAVE_TARGET";
const wchar_t kWritingEvent[] = L"Local\\lv_docs_killed_save_writing";
const wchar_t kKeepVariable[] = L"LV_DOCS_KILLED_SAVE_KEEP";
const wchar_t kRewritingEvent[] = L"Local\\lv_docs_killed_save_rewriting";
// The run a killed in-place save leaves its kept copy under.
const wchar_t kDeadRun[] = L"0000dead-00000000000000a1";

std::string New_Content() {
  std::string bytes(kNewSize, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = char('a' + i % 26);
  return bytes;
}

std::wstring Self() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return self;
}

// Runs one disabled test of this program as a child, its report dropped, and
// ends it `delay` milliseconds after it sets `started` and `ready` holds,
// unless it is done by then. False when it ended before `ready` held.
bool Kill_Child_After(
    const std::wstring& test, HANDLE started, DWORD delay,
    const std::function<bool()>& ready = [] { return true; }) {
  std::wstring command = L"\"" + Self() + L"\" --gtest_filter=" + test + L" --gtest_also_run_disabled_tests";
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE quiet = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = quiet;
  PROCESS_INFORMATION child{};
  EXPECT_TRUE(CreateProcessW(Self().c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                             &startup, &child));
  CloseHandle(quiet);
  if (!child.hProcess) return false;
  EXPECT_EQ(WaitForSingleObject(started, 60000), WAIT_OBJECT_0);
  bool held = false;
  while (!(held = ready()) && WaitForSingleObject(child.hProcess, 0) == WAIT_TIMEOUT) continue;
  if (WaitForSingleObject(child.hProcess, delay) == WAIT_TIMEOUT) TerminateProcess(child.hProcess, 1);
  WaitForSingleObject(child.hProcess, INFINITE);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  return held;
}

// Written as another program would, without the writer under test.
void Write_File(const std::wstring& path, const std::string& bytes) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(f, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size());
  CloseHandle(f);
}

void Empty_Folder(const std::wstring& folder) {
  const std::string inside = Narrow(folder) + "\\";
  for (const std::string& name : Files_In(inside)) DeleteFileW(Wide(inside + name).c_str());
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
  const std::wstring folder = Wide(Temp_Path("lv_docs_killed_", ""));
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring target = folder + L"\\doc.txt";
  SetEnvironmentVariableW(kTargetVariable, target.c_str());
  const std::string fresh = New_Content();
  int old_seen = 0, new_seen = 0;
  for (DWORD delay : {0u, 30u, 120u, 400u, 20000u}) {
    Write_File(target, "old");
    HANDLE writing = CreateEventW(nullptr, TRUE, FALSE, kWritingEvent);
    Kill_Child_After(L"DocumentsKilledSave.DISABLED_ChildSaves", writing, delay);
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
  Empty_Folder(folder);
  RemoveDirectoryW(folder.c_str());
}

// The child's part of a save in place: the old contents are kept in the
// program's place under a run that will be gone, and the rewrite is told once
// it has begun.
TEST(DocumentsKilledSave, DISABLED_ChildSavesInPlace) {
  wchar_t target[MAX_PATH] = {}, keep[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(kTargetVariable, target, MAX_PATH) ||
      !GetEnvironmentVariableW(kKeepVariable, keep, MAX_PATH))
    GTEST_SKIP();
  const std::string bytes = New_Content();
  HANDLE writing = OpenEventW(EVENT_MODIFY_STATE, FALSE, kWritingEvent);
  HANDLE rewriting = OpenEventW(EVENT_MODIFY_STATE, FALSE, kRewritingEvent);
  Win32_File_Writer writer(Kept_Copy_Place{keep, kDeadRun});
  SetEvent(writing);
  const auto sink = writer.Begin_In_Place(Narrow(target));
  if (!sink) return;
  const size_t first = size_t(1) << 20;
  sink->Append(bytes.data(), first);
  SetEvent(rewriting);
  sink->Append(bytes.data() + first, bytes.size() - first);
  sink->Commit();
}

// Killed while it keeps the old contents or while it rewrites the file: the
// old contents are whole either in the file or in a kept copy, and a kept
// copy is named by its path file only once it is whole.
TEST(DocumentsKilledSave, AKilledSaveInPlaceLeavesTheOldContentsWholeAndNamed) {
  const std::wstring folder = Wide(Temp_Path("lv_docs_in_place_", ""));
  const std::wstring keep = folder + L"\\Recovery";
  CreateDirectoryW(folder.c_str(), nullptr);
  CreateDirectoryW(keep.c_str(), nullptr);
  const std::wstring target = folder + L"\\doc.txt";
  const std::wstring kept_path = keep + L"\\" + kDeadRun + L".1" + kKeptPathExtension;
  const std::wstring kept = keep + L"\\" + kDeadRun + L".1 doc.txt" + kKeptCopyExtension;
  const std::wstring part = keep + L"\\" + kDeadRun + L".1" + kKeptPartExtension;
  SetEnvironmentVariableW(kTargetVariable, target.c_str());
  SetEnvironmentVariableW(kKeepVariable, (keep + L"\\").c_str());
  // Large enough that keeping it takes a while for the early kills to land in.
  std::string old(size_t(48) << 20, '\0');
  for (size_t i = 0; i < old.size(); ++i) old[i] = char('A' + i % 23);
  const std::string fresh = New_Content();
  // Whether the kept copy is on its way and not yet whole.
  const auto copy_in_part = [&part, &old] {
    WIN32_FILE_ATTRIBUTE_DATA found{};
    return GetFileAttributesExW(part.c_str(), GetFileExInfoStandard, &found) && found.nFileSizeLow > 0 &&
           found.nFileSizeLow < old.size();
  };
  enum class Kill { At_Start, Mid_Copy, Mid_Rewrite, Never };
  for (const Kill kill : {Kill::At_Start, Kill::Mid_Copy, Kill::Mid_Rewrite, Kill::Never}) {
    Empty_Folder(keep);
    Write_File(target, old);
    HANDLE writing = CreateEventW(nullptr, TRUE, FALSE, kWritingEvent);
    HANDLE rewriting = CreateEventW(nullptr, TRUE, FALSE, kRewritingEvent);
    const bool landed = Kill_Child_After(
        L"DocumentsKilledSave.DISABLED_ChildSavesInPlace", kill == Kill::Mid_Rewrite ? rewriting : writing,
        kill == Kill::Never ? 20000 : 0,
        kill == Kill::Mid_Copy ? std::function<bool()>(copy_in_part) : [] { return true; });
    CloseHandle(writing);
    CloseHandle(rewriting);

    const std::string round = "killed in round " + std::to_string(int(kill));
    EXPECT_TRUE(landed) << round << ": the kill came too late";
    const auto on_disk = Win32_Files().Read_All(Narrow(target));
    const auto named = Win32_Files().Read_All(Narrow(kept_path));
    const auto copy = Win32_Files().Read_All(Narrow(kept));
    ASSERT_TRUE(on_disk) << round;
    if (kill == Kill::Mid_Rewrite) {
      EXPECT_NE(on_disk->size(), old.size()) << round << ": the file is cut";
    }
    if (*on_disk != old && *on_disk != fresh) {
      ASSERT_TRUE(named) << round << ": the file is cut (" << on_disk->size()
                         << " bytes) and no copy is named";
    }
    if (named) {
      EXPECT_EQ(*named, Narrow(target)) << round;
      ASSERT_TRUE(copy) << round;
      ASSERT_EQ(copy->size(), old.size()) << round << ": the named copy is not whole";
      ASSERT_TRUE(*copy == old) << round;
    }
    // A save that ran to its end leaves the new contents and nothing kept.
    if (kill == Kill::Never) {
      EXPECT_TRUE(*on_disk == fresh) << round;
      EXPECT_FALSE(named || copy) << round;
    }
  }
  SetEnvironmentVariableW(kTargetVariable, nullptr);
  SetEnvironmentVariableW(kKeepVariable, nullptr);
  Empty_Folder(keep);
  RemoveDirectoryW(keep.c_str());
  Empty_Folder(folder);
  RemoveDirectoryW(folder.c_str());
}

}  // namespace
