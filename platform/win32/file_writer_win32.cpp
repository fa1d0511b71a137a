#include "platform/win32/file_writer_win32.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/win32/platform_win32.h"

namespace {

using Failure_Cell = std::shared_ptr<std::atomic<unsigned long>>;

// Notes the system's error of the first step that failed.
bool Noted(bool ok, const Failure_Cell& failure) {
  if (!ok && failure && *failure == 0) *failure = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
  return ok;
}

bool Write_All(HANDLE file, const char* bytes, size_t size) {
  for (size_t done = 0; done < size;) {
    const DWORD chunk = DWORD(std::min<size_t>(size - done, size_t(1) << 24));
    DWORD written = 0;
    if (!WriteFile(file, bytes + done, chunk, &written, nullptr) || written != chunk) return false;
    done += written;
  }
  return true;
}

bool Copy_All(HANDLE from, HANDLE to) {
  std::string buffer(size_t(1) << 20, '\0');
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(from, buffer.data(), DWORD(buffer.size()), &got, nullptr)) return false;
    if (got == 0) return true;
    if (!Write_All(to, buffer.data(), got)) return false;
  }
}

// Attributes a replaced file passes on to its successor.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

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
  Win32_File_Sink(std::wstring target, std::wstring fresh, HANDLE file, DWORD old_attributes,
                  Failure_Cell failure)
      : target_(std::move(target)),
        fresh_(std::move(fresh)),
        file_(file),
        old_(old_attributes),
        failure_(std::move(failure)) {}
  Win32_File_Sink(const Win32_File_Sink&) = delete;
  Win32_File_Sink& operator=(const Win32_File_Sink&) = delete;
  ~Win32_File_Sink() override {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    if (!fresh_.empty()) DeleteFileW(fresh_.c_str());
  }

  bool Append(const char* bytes, size_t size) override {
    return ok_ = ok_ && Noted(Write_All(file_, bytes, size), failure_);
  }

  bool Commit() override {
    // The new file must be on the disk before it takes the old one's place.
    ok_ = ok_ && Noted(FlushFileBuffers(file_), failure_);
    ok_ = Noted(CloseHandle(file_), failure_) && ok_;
    file_ = INVALID_HANDLE_VALUE;
    if (!ok_) return false;
    const bool replacing = old_ != INVALID_FILE_ATTRIBUTES;
    if (!Noted(Put_In_Place(fresh_, target_, replacing), failure_)) {
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
  Failure_Cell failure_;
  bool ok_ = true;
};

// Where no new file can be made beside the target, the target itself is
// rewritten. Its old contents wait in a copy until the new ones are
// complete; a failure puts them back, and if even that fails the copy stays
// where it is rather than be lost. A program killed meanwhile leaves the
// copy, and the file that names its target, for its next start to offer.
class In_Place_Sink : public File_Sink {
 public:
  In_Place_Sink(HANDLE target, std::wstring keep, std::wstring keep_path, Failure_Cell failure)
      : target_(target),
        keep_(std::move(keep)),
        keep_path_(std::move(keep_path)),
        failure_(std::move(failure)) {}
  In_Place_Sink(const In_Place_Sink&) = delete;
  In_Place_Sink& operator=(const In_Place_Sink&) = delete;
  ~In_Place_Sink() override {
    if (!done_) Put_Back();
    CloseHandle(target_);
  }

  bool Append(const char* bytes, size_t size) override {
    if (ok_ && !started_) ok_ = started_ = Noted(Rewind(target_), failure_);
    return ok_ = ok_ && Noted(Write_All(target_, bytes, size), failure_);
  }

  bool Commit() override {
    if (ok_ && !started_) ok_ = started_ = Noted(Rewind(target_), failure_);
    ok_ = ok_ && Noted(SetEndOfFile(target_) && FlushFileBuffers(target_), failure_);
    if (!ok_) return false;
    done_ = true;
    Drop_Copy();
    return true;
  }

 private:
  static bool Rewind(HANDLE file) {
    LARGE_INTEGER zero{};
    return SetFilePointerEx(file, zero, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  }

  void Put_Back() {
    if (!started_) {
      Drop_Copy();
      return;
    }
    HANDLE copy = CreateFileW(keep_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const bool restored = copy != INVALID_HANDLE_VALUE && Rewind(target_) && Copy_All(copy, target_) &&
                          SetEndOfFile(target_) && FlushFileBuffers(target_);
    if (copy != INVALID_HANDLE_VALUE) CloseHandle(copy);
    if (restored) Drop_Copy();
  }

  void Drop_Copy() {
    DeleteFileW(keep_.c_str());
    if (!keep_path_.empty()) DeleteFileW(keep_path_.c_str());
  }

  HANDLE target_;
  std::wstring keep_, keep_path_;
  Failure_Cell failure_;
  bool ok_ = true, started_ = false, done_ = false;
};

// Scratch names nobody gives a document, so that what a killed save left
// behind can be told apart and cleared.
constexpr wchar_t kScratchStem[] = L"~lirovant-save-";
constexpr wchar_t kKeepStem[] = L"~lirovant-keep-";

// Two made in the same tick by this process differ in the attempt.
std::wstring Unique_Tail(int attempt) {
  wchar_t tail[64];
  swprintf(tail, 64, L"%08lx%08llx%04x.tmp", GetCurrentProcessId(),
           static_cast<unsigned long long>(GetTickCount64()), unsigned(attempt + 1) & 0xFFFF);
  return tail;
}

// A new empty file of the stem in the folder, or INVALID_HANDLE_VALUE.
HANDLE Create_Scratch(const std::wstring& folder, const wchar_t* stem, std::wstring& name) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    name = folder + stem + Unique_Tail(attempt);
    HANDLE file =
        CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

// Scratch files of saves that never ended. One still being written is open
// without sharing and cannot be deleted, so another copy of the program
// saving here at the same time keeps its own.
void Clear_Leftovers(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder + kScratchStem + L"*.tmp").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((folder + found.cFileName).c_str());
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

// The temporary folder with its trailing backslash, in the form the file
// functions take at any length; empty when the system names none.
std::wstring Temporary_Folder() {
  const DWORD size = GetTempPathW(0, nullptr);
  if (size == 0) return {};
  std::wstring temp(size, L'\0');
  const DWORD got = GetTempPathW(size, temp.data());
  if (got == 0 || got >= size) return {};
  temp.resize(got);
  return File_Api_Path(Narrow(temp));
}

std::wstring Name_Part(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// A new file holding `text`; false leaves none.
bool Write_New(const std::wstring& name, const std::string& text) {
  HANDLE file =
      CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool written = Write_All(file, text.data(), text.size()) && FlushFileBuffers(file);
  CloseHandle(file);
  if (!written) DeleteFileW(name.c_str());
  return written;
}

// In the program's own place the copy is named after this run and the file
// it keeps, and a file beside it names that file whole; it is written under
// a name of its own first, `part`. Otherwise it goes to the temporary folder.
HANDLE Create_Kept_Copy(const Kept_Copy_Place& place, const std::wstring& target, std::wstring& keep,
                        std::wstring& part, std::wstring& keep_path) {
  if (place.Folder.empty()) {
    const std::wstring temp = Temporary_Folder();
    return temp.empty() ? INVALID_HANDLE_VALUE : Create_Scratch(temp, kKeepStem, keep);
  }
  const std::wstring stem = place.Folder + place.Run + L"." + std::to_wstring(++*place.Kept);
  keep_path = stem + kKeptPathExtension;
  keep = stem + L" " + Name_Part(target) + kKeptCopyExtension;
  part = stem + kKeptPartExtension;
  return CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::unique_ptr<File_Sink> Rewrite_In_Place(const std::wstring& target, const Kept_Copy_Place& place,
                                            const Failure_Cell& failure) {
  HANDLE file =
      CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (!Noted(file != INVALID_HANDLE_VALUE, failure)) return nullptr;
  std::wstring keep, part, keep_path;
  HANDLE copy = Create_Kept_Copy(place, target, keep, part, keep_path);
  bool kept = Noted(copy != INVALID_HANDLE_VALUE && Copy_All(file, copy) && FlushFileBuffers(copy), failure);
  if (copy != INVALID_HANDLE_VALUE) CloseHandle(copy);
  // The copy takes its name, and the file naming its target is written, only
  // once it is whole: a kill before leaves a part for the next start to
  // clear, and the file itself not yet touched.
  if (kept && !part.empty())
    kept = Noted(MoveFileExW(part.c_str(), keep.c_str(), MOVEFILE_WRITE_THROUGH) &&
                     Write_New(keep_path, Narrow(target)),
                 failure);
  if (!kept) {
    if (!part.empty()) DeleteFileW(part.c_str());
    if (!keep.empty()) DeleteFileW(keep.c_str());
    CloseHandle(file);
    return nullptr;
  }
  return std::make_unique<In_Place_Sink>(file, keep, keep_path, failure);
}

// Past 260 characters only the prefixed form reaches the file; the
// scratch names made from its folder carry the prefix along.
std::wstring Target_Of(const std::string& path) { return File_Api_Path(Narrow(Full_Path(Wide(path)))); }

}  // namespace

std::unique_ptr<File_Sink> Win32_File_Writer::Begin_In_Place(const std::string& path) {
  *failure_ = 0;
  return Rewrite_In_Place(Target_Of(path), keep_, failure_);
}

std::string Win32_File_Writer::Failure_Reason() {
  return *failure_ ? System_Error_Text(*failure_) : std::string();
}

std::unique_ptr<File_Sink> Win32_File_Writer::Begin(const std::string& path) {
  *failure_ = 0;
  const std::wstring target = Target_Of(path);
  const std::wstring folder = Folder_Of(target);
  if (folder.empty()) {
    *failure_ = ERROR_INVALID_NAME;
    return nullptr;
  }
  const DWORD old = GetFileAttributesW(target.c_str());
  if (old != INVALID_FILE_ATTRIBUTES && (old & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    *failure_ = old & FILE_ATTRIBUTE_DIRECTORY ? ERROR_ACCESS_DENIED : ERROR_FILE_READ_ONLY;
    return nullptr;
  }

  Clear_Leftovers(folder);
  std::wstring fresh;
  HANDLE file = Create_Scratch(folder, kScratchStem, fresh);
  if (file != INVALID_HANDLE_VALUE)
    return std::make_unique<Win32_File_Sink>(target, fresh, file, old, failure_);
  // A folder that takes no new files may still let its files be rewritten.
  if (old != INVALID_FILE_ATTRIBUTES) return Rewrite_In_Place(target, keep_, failure_);
  *failure_ = GetLastError();
  return nullptr;
}
