#include "platform/win32/file_writer_win32.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/platform_win32.h"

namespace {

// Attributes a replaced file passes on to its successor.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::wstring Full_Path(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return {};
  std::wstring full(size, L'\0');
  const DWORD got = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (got == 0 || got >= size) return {};
  full.resize(got);
  return full;
}

std::wstring Folder_Of(const std::wstring& full) {
  const size_t slash = full.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : full.substr(0, slash + 1);
}

bool Write_File(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  for (size_t done = 0; ok && done < bytes.size();) {
    const DWORD chunk = DWORD(std::min<size_t>(bytes.size() - done, size_t(1) << 24));
    DWORD written = 0;
    ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written == chunk;
    done += written;
  }
  // The new file must be on the disk before it takes the old one's place.
  ok = ok && FlushFileBuffers(file);
  return CloseHandle(file) && ok;
}

bool Put_In_Place(const std::wstring& fresh, const std::wstring& target, bool replacing) {
  if (replacing && ReplaceFileW(target.c_str(), fresh.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                nullptr, nullptr))
    return true;
  return MoveFileExW(fresh.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace

bool Win32_File_Writer::Write_Whole(const std::string& path, const std::string& bytes) {
  const std::wstring target = Full_Path(Wide(path));
  const std::wstring folder = Folder_Of(target);
  if (folder.empty()) return false;
  const DWORD old = GetFileAttributesW(target.c_str());
  const bool replacing = old != INVALID_FILE_ATTRIBUTES;
  if (replacing && (old & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) return false;

  wchar_t fresh[MAX_PATH + 1] = {};
  if (!GetTempFileNameW(folder.c_str(), L"lv~", 0, fresh)) return false;
  if (!Write_File(fresh, bytes)) {
    DeleteFileW(fresh);
    return false;
  }
  if (!Put_In_Place(fresh, target, replacing)) {
    // A replace that failed half-way may have taken the old file away: then
    // the new one is all there is, and it stays.
    if (!replacing || GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) DeleteFileW(fresh);
    return false;
  }
  if (replacing) {
    const DWORD kept = old & kKeptAttributes;
    SetFileAttributesW(target.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL);
  }
  return true;
}
