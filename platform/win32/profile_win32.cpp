#include "platform/win32/profile_win32.h"

#include <windows.h>

#include "platform/win32/platform_win32.h"

namespace {
// A default no settings file can hold tells an absent key from an empty one.
constexpr const wchar_t* kAbsent =
    L"\x01\x02"
    L"absent"
    L"\x03";

std::wstring Folder_Of(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}
}  // namespace

Win32_Profile::~Win32_Profile() { Drop_Stage(); }

std::optional<std::string> Win32_Profile::Read(const std::string& section, const std::string& key) {
  const std::wstring file = stage_.empty() ? Wide(path_) : stage_;
  // A value that fills the buffer may have been cut: the buffer grows until
  // the whole value fits, however long a path the history holds.
  std::wstring buffer(2048, L'\0');
  for (;;) {
    const DWORD got = GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), kAbsent,
                                               buffer.data(), DWORD(buffer.size()), file.c_str());
    if (got + 1 < buffer.size() || buffer.size() >= (1u << 20)) {
      buffer.resize(got);
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  if (buffer == kAbsent) return std::nullopt;
  return Narrow(buffer);
}

bool Win32_Profile::Write(const std::string& section, const std::string& key, const std::string& value) {
  if (!Stage()) return false;
  if (!WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(value).c_str(),
                                  stage_.c_str()))
    failed_ = true;
  return batch_ ? !failed_ : Commit();
}

// The copy is a new file of a name no other file has (a link put where the
// copy goes is never written through), in the settings file's own folder, so
// that it can take the file's place in one step.
bool Win32_Profile::Stage() {
  if (!stage_.empty()) return !failed_;
  const std::wstring path = Wide(path_);
  wchar_t name[MAX_PATH + 16] = {};
  if (!GetTempFileNameW(Folder_Of(path).c_str(), L"liv", 0, name)) return false;
  stage_ = name;
  failed_ = false;
  if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES && !CopyFileW(path.c_str(), name, FALSE)) {
    Drop_Stage();
    return false;
  }
  return true;
}

bool Win32_Profile::Commit() {
  if (stage_.empty()) return true;
  bool done = !failed_;
  if (done) {
    // The copy's bytes reach the disk before it takes the file's name.
    HANDLE h =
        CreateFileW(stage_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      FlushFileBuffers(h);
      CloseHandle(h);
    }
    done =
        MoveFileExW(stage_.c_str(), Wide(path_).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  }
  if (done) stage_.clear();
  Drop_Stage();
  batch_ = false;
  return done;
}

void Win32_Profile::Drop_Stage() {
  if (!stage_.empty()) DeleteFileW(stage_.c_str());
  stage_.clear();
  failed_ = false;
}
