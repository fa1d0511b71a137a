#include "platform/win32/file_writer_win32.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <utility>

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

bool Put_In_Place(const std::wstring& fresh, const std::wstring& target, bool replacing) {
  if (replacing &&
      ReplaceFileW(target.c_str(), fresh.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
    return true;
  return MoveFileExW(fresh.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// The new file beside the target, written through a handle that stays open
// until the file is complete.
class Win32_File_Sink : public File_Sink {
 public:
  Win32_File_Sink(std::wstring target, std::wstring fresh, HANDLE file, DWORD old_attributes)
      : target_(std::move(target)), fresh_(std::move(fresh)), file_(file), old_(old_attributes) {}
  Win32_File_Sink(const Win32_File_Sink&) = delete;
  Win32_File_Sink& operator=(const Win32_File_Sink&) = delete;
  ~Win32_File_Sink() override {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    if (!fresh_.empty()) DeleteFileW(fresh_.c_str());
  }

  bool Append(const char* bytes, size_t size) override {
    for (size_t done = 0; ok_ && done < size;) {
      const DWORD chunk = DWORD(std::min<size_t>(size - done, size_t(1) << 24));
      DWORD written = 0;
      ok_ = WriteFile(file_, bytes + done, chunk, &written, nullptr) && written == chunk;
      done += written;
    }
    return ok_;
  }

  bool Commit() override {
    // The new file must be on the disk before it takes the old one's place.
    ok_ = ok_ && FlushFileBuffers(file_);
    ok_ = CloseHandle(file_) && ok_;
    file_ = INVALID_HANDLE_VALUE;
    if (!ok_) return false;
    const bool replacing = old_ != INVALID_FILE_ATTRIBUTES;
    if (!Put_In_Place(fresh_, target_, replacing)) {
      // A replace that failed half-way may have taken the old file away: then
      // the new one is all there is, and it stays.
      if (replacing && GetFileAttributesW(target_.c_str()) == INVALID_FILE_ATTRIBUTES) fresh_.clear();
      return ok_ = false;
    }
    fresh_.clear();
    if (replacing) {
      const DWORD kept = old_ & kKeptAttributes;
      SetFileAttributesW(target_.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL);
    }
    return true;
  }

 private:
  std::wstring target_, fresh_;  // fresh_ is emptied once it is no longer ours to remove
  HANDLE file_;
  DWORD old_;
  bool ok_ = true;
};

}  // namespace

std::unique_ptr<File_Sink> Win32_File_Writer::Begin(const std::string& path) {
  const std::wstring target = Full_Path(Wide(path));
  const std::wstring folder = Folder_Of(target);
  if (folder.empty()) return nullptr;
  const DWORD old = GetFileAttributesW(target.c_str());
  if (old != INVALID_FILE_ATTRIBUTES && (old & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return nullptr;

  wchar_t fresh[MAX_PATH + 1] = {};
  if (!GetTempFileNameW(folder.c_str(), L"lv~", 0, fresh)) return nullptr;
  HANDLE file =
      CreateFileW(fresh, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DeleteFileW(fresh);
    return nullptr;
  }
  return std::make_unique<Win32_File_Sink>(target, fresh, file, old);
}
