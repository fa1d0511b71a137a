#include "platform/win32/platform_win32.h"

#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>

#include "common/program_paths.h"
#include "common/settings_model.h"
#include "common/win1251_unicode.h"
#include "platform/platform_texts.h"

std::wstring Wide(const std::string& utf8) { return Utf8_To_Utf16(utf8); }
std::string Narrow(const std::wstring& wide) { return Utf16_To_Utf8(wide); }

std::string To_Ansi(const std::string& utf8) {
  const std::wstring wide = Wide(utf8);
  const int size =
      WideCharToMultiByte(CP_ACP, 0, wide.c_str(), int(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), int(wide.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::string From_Ansi(const std::string& ansi) {
  const int size = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), int(ansi.size()), nullptr, 0);
  std::wstring wide(size_t(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), int(ansi.size()), wide.data(), size);
  return Narrow(wide);
}

namespace {
int Box(HWND owner, const std::string& text, UINT type) {
  return MessageBoxW(owner, Wide(text).c_str(), Wide(kMessageCaption).c_str(), type);
}
Answer From_Id(int id) { return id == IDYES ? Answer::Yes : id == IDNO ? Answer::No : Answer::Cancel; }
}  // namespace

Answer Win32_Prompts::Ask_Yes_No(const std::string& text) {
  return From_Id(Box(owner_, text, MB_YESNO | MB_ICONQUESTION));
}

Answer Win32_Prompts::Ask_Yes_No_Cancel(const std::string& text) {
  return From_Id(Box(owner_, text, MB_YESNOCANCEL | MB_ICONQUESTION));
}

void Win32_Prompts::Error(const std::string& text) { Box(owner_, text, MB_OK | MB_ICONERROR); }
void Win32_Prompts::Beep() { MessageBeep(MB_OK); }

// A sound named without a folder ("Sound\\Zapusk.wav") lies beside the
// program, whichever folder the program was started in: a file opened by
// its binding starts it in the file's folder.
void Win32_Sound::Play(const std::string& name, unsigned flags) {
  std::string file = name;
  if (!name.empty() && !Is_Rooted_Path(name)) {
    const std::string beside = Beside_Program(name, Executable_Path());
    if (GetFileAttributesW(Wide(beside).c_str()) != INVALID_FILE_ATTRIBUTES) file = beside;
  }
  // The wide name: a folder of any letters, whatever the system's code page.
  PlaySoundW(Wide(file).c_str(), nullptr, flags);
}

void Win32_Shell::Open(const std::string& target) {
  ShellExecuteW(owner_, L"open", Wide(target).c_str(), L"", L"", SW_SHOW);
}

Win32_Shell::~Win32_Shell() {
  if (owner_ && !waiting_.empty()) KillTimer(owner_, UINT_PTR(this));
  Tell_Waiting();
}

void Win32_Shell::Add_To_Recent_Documents(const std::string& path) {
  // The shell's list follows a device name into the device and never returns.
  if (Is_Device_Name(path)) return;
  waiting_.push_back(Wide(path));
  // A timer's message comes after the paint messages.
  if (!owner_ || !SetTimer(owner_, UINT_PTR(this), 0, Tell_Later)) Tell_Waiting();
}

void CALLBACK Win32_Shell::Tell_Later(HWND owner, UINT, UINT_PTR id, DWORD) {
  KillTimer(owner, id);
  reinterpret_cast<Win32_Shell*>(id)->Tell_Waiting();
}

void Win32_Shell::Tell_Waiting() {
  for (const std::wstring& path : waiting_) SHAddToRecentDocs(SHARD_PATHW, path.c_str());
  waiting_.clear();
}

bool Win32_Files::Exists(const std::string& path) {
  if (GetFileAttributesW(File_Api_Path(path).c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  // A file the user may not even look at still answers "denied", not "missing".
  const DWORD error = GetLastError();
  return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND && error != ERROR_INVALID_NAME &&
         error != ERROR_BAD_NETPATH && error != ERROR_INVALID_DRIVE;
}

std::optional<File_Stamp> Win32_Files::Stamp_Of(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA found{};
  if (!GetFileAttributesExW(File_Api_Path(path).c_str(), GetFileExInfoStandard, &found)) return std::nullopt;
  File_Stamp stamp;
  stamp.Size = (unsigned long long)found.nFileSizeHigh << 32 | found.nFileSizeLow;
  stamp.Written =
      (unsigned long long)found.ftLastWriteTime.dwHighDateTime << 32 | found.ftLastWriteTime.dwLowDateTime;
  return stamp;
}

// Names are told apart as the file system does: relative or full, in any
// letter case.
bool Win32_Files::Same_File(const std::string& a, const std::string& b) {
  const std::wstring x = Full_Path(Wide(a)), y = Full_Path(Wide(b));
  return !x.empty() &&
         CompareStringOrdinal(x.c_str(), int(x.size()), y.c_str(), int(y.size()), TRUE) == CSTR_EQUAL;
}

namespace {

constexpr LONGLONG kViewedFileBytes = LONGLONG(1) << 20;

class Viewed_File_Bytes : public File_Bytes {
 public:
  Viewed_File_Bytes(HANDLE file, HANDLE mapping, const char* view, std::size_t size)
      : file_(file), mapping_(mapping), view_(view), size_(size) {
    GetFileTime(file, nullptr, nullptr, &written_);
  }
  ~Viewed_File_Bytes() override {
    UnmapViewOfFile(view_);
    CloseHandle(mapping_);
    CloseHandle(file_);
  }
  Viewed_File_Bytes(const Viewed_File_Bytes&) = delete;
  Viewed_File_Bytes& operator=(const Viewed_File_Bytes&) = delete;
  std::string_view View() const override { return {view_, size_}; }

  // A view of a file that another program shrank faults where the file
  // ends, and one the system lets be rewritten no longer holds what was
  // read: the file's size and time are looked at first, and the bytes are
  // read through the system, which answers a fault with a failure.
  bool Copy(std::size_t at, std::size_t size, char* out) const override {
    LARGE_INTEGER now_size{};
    FILETIME now_written{};
    if (!GetFileSizeEx(file_, &now_size) || std::size_t(now_size.QuadPart) != size_ ||
        !GetFileTime(file_, nullptr, nullptr, &now_written) || CompareFileTime(&now_written, &written_) != 0)
      return false;
    SIZE_T got = 0;
    return ReadProcessMemory(GetCurrentProcess(), view_ + at, out, size, &got) && got == size;
  }

 private:
  HANDLE file_, mapping_;
  const char* view_;
  std::size_t size_;
  FILETIME written_{};
};

// A view's pages are read when they are first touched; on a removable or
// network drive that read may fail long after the file was opened, and a
// failed read in a view ends the program. Only fixed disks are viewed.
bool On_Fixed_Disk(const std::wstring& path) {
  wchar_t volume[MAX_PATH + 1];
  return GetVolumePathNameW(path.c_str(), volume, MAX_PATH + 1) && GetDriveTypeW(volume) == DRIVE_FIXED;
}

Shared_File_Bytes View_Of_File(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size) || size.QuadPart < kViewedFileBytes || size.QuadPart >= 0x7FFFFFFF) {
    CloseHandle(file);
    return nullptr;
  }
  HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
  const void* view = mapping ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
  if (!view) {
    if (mapping) CloseHandle(mapping);
    CloseHandle(file);
    return nullptr;
  }
  return std::make_shared<Viewed_File_Bytes>(file, mapping, static_cast<const char*>(view),
                                             std::size_t(size.QuadPart));
}

}  // namespace

Shared_File_Bytes Win32_Files::Read_Shared(const std::string& path) {
  const std::wstring api_path = File_Api_Path(path);
  WIN32_FILE_ATTRIBUTE_DATA found{};
  const bool large = GetFileAttributesExW(api_path.c_str(), GetFileExInfoStandard, &found) &&
                     (LONGLONG(found.nFileSizeHigh) << 32 | found.nFileSizeLow) >= kViewedFileBytes;
  // A file someone is writing cannot be viewed; it is read as it stands.
  if (large && On_Fixed_Disk(api_path))
    if (auto view = View_Of_File(api_path)) return view;
  return Files::Read_Shared(path);
}

std::string System_Error_Text(unsigned long error) {
  switch (error) {
    case ERROR_ACCESS_DENIED:
      return kError_Access_Denied;
    case ERROR_FILE_READ_ONLY:
      return kError_Read_Only;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
      return kError_In_Use;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return kError_Disk_Full;
    case ERROR_FILE_NOT_FOUND:
      return kError_No_File;
    case ERROR_PATH_NOT_FOUND:
      return kError_No_Folder;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
      return kError_Bad_Name;
    case ERROR_WRITE_PROTECT:
      return kError_Write_Protected;
    case ERROR_NOT_READY:
      return kError_Not_Ready;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return kError_No_Memory;
    case ERROR_FILE_TOO_LARGE:
      return kError_Too_Large;
  }
  wchar_t* text = nullptr;
  const DWORD size = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      DWORD(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring said = size && text ? std::wstring(text, size) : std::wstring();
  if (text) LocalFree(text);
  while (!said.empty() && (said.back() == L'\r' || said.back() == L'\n' || said.back() == L' '))
    said.pop_back();
  return said.empty() ? System_Error_Number_Text(error) : Narrow(said);
}

std::optional<std::string> Win32_Files::Read_All(const std::string& path) {
  failure_ = 0;
  HANDLE file = CreateFileW(File_Api_Path(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    failure_ = GetLastError();
    return std::nullopt;
  }
  LARGE_INTEGER size{};
  std::optional<std::string> bytes;
  if (GetFileSizeEx(file, &size) && size.QuadPart < 0x7FFFFFFF) {
    std::string data(size_t(size.QuadPart), '\0');
    size_t done = 0;
    bool ok = true;
    while (ok && done < data.size()) {
      DWORD got = 0;
      const DWORD want = DWORD(std::min<size_t>(data.size() - done, 1u << 24));
      ok = ReadFile(file, data.data() + done, want, &got, nullptr) && got > 0;
      done += got;
    }
    if (ok) bytes = std::move(data);
  }
  if (!bytes) failure_ = size.QuadPart >= 0x7FFFFFFF ? ERROR_FILE_TOO_LARGE : GetLastError();
  CloseHandle(file);
  return bytes;
}

uint32_t Win32_Keyboard::Current_Layout() {
  const DWORD thread = GetWindowThreadProcessId(window_, nullptr);
  return uint32_t(uintptr_t(GetKeyboardLayout(thread)));
}

void Win32_Keyboard::Activate_Layout(const std::string& name) {
  LoadKeyboardLayoutA(name.c_str(), KLF_ACTIVATE);
}

std::wstring Full_Path(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return {};
  std::wstring full(size, L'\0');
  const DWORD got = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (got == 0 || got >= size) return {};
  full.resize(got);
  return full;
}

std::wstring File_Api_Path(const std::string& path) {
  const std::wstring given = Wide(path);
  const std::wstring full = Full_Path(given);
  constexpr size_t kLongestShortPath = MAX_PATH - 12;
  if (full.size() < kLongestShortPath) return given;
  return Wide(Long_Path_Form(Narrow(full)));
}

std::string Executable_Path() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD got = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    if (got < path.size()) {
      path.resize(got);
      return Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}
