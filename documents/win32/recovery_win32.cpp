#include "documents/win32/recovery_win32.h"

#include <shlobj.h>

#include <algorithm>
#include <cstdio>

#include "documents/documents_texts.h"
#include "platform/win32/platform_win32.h"

namespace {

constexpr wchar_t kCopyExtension[] = L".recovery";
constexpr wchar_t kLockExtension[] = L".lock";

std::wstring Folder_Of(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"" : path.substr(0, slash + 1);
}

// The folder and any of its parents not there yet.
bool Make_Folder(const std::wstring& folder) {
  if (CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) return true;
  if (GetLastError() != ERROR_PATH_NOT_FOUND) return false;
  const std::wstring parent = Folder_Of(folder.substr(0, folder.size() - 1));
  return !parent.empty() && parent != folder && Make_Folder(parent) &&
         CreateDirectoryW(folder.c_str(), nullptr);
}

std::wstring Local_Application_Data() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, path))) return {};
  return std::wstring(path) + L"\\";
}

// The settings file's folder, then the user's own: where a copy may lie.
std::vector<std::wstring> Candidate_Folders(const std::wstring& settings_path) {
  std::vector<std::wstring> folders{Folder_Of(settings_path) + L"Recovery\\"};
  const std::wstring local = Local_Application_Data();
  if (!local.empty()) folders.push_back(local + L"Lirovant\\Recovery\\");
  return folders;
}

std::wstring Run_Name() {
  wchar_t name[40];
  swprintf(name, 40, L"%08lx-%016llx", GetCurrentProcessId(),
           static_cast<unsigned long long>(GetTickCount64() ^ (uint64_t(GetCurrentThreadId()) << 40)));
  return name;
}

// The lock lives as long as its run: the system removes it when the run
// ends, however it ends.
HANDLE Take_Lock(const std::wstring& path) {
  return CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

// A run is alive while its lock cannot be opened; a lock that opens was
// left by a run that is gone.
bool Alive(const std::wstring& folder, const std::wstring& run) {
  const std::wstring lock = folder + run + kLockExtension;
  HANDLE h = CreateFileW(lock.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h != INVALID_HANDLE_VALUE) {
    CloseHandle(h);
    DeleteFileW(lock.c_str());
    return false;
  }
  return GetLastError() == ERROR_SHARING_VIOLATION;
}

struct Found_File {
  std::wstring Name;
  FILETIME Written;
};

std::vector<Found_File> Files_Like(const std::wstring& folder, const std::wstring& pattern) {
  std::vector<Found_File> found;
  WIN32_FIND_DATAW data{};
  HANDLE search = FindFirstFileW((folder + pattern).c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return found;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      found.push_back({data.cFileName, data.ftLastWriteTime});
  } while (FindNextFileW(search, &data));
  FindClose(search);
  // Newest first.
  std::sort(found.begin(), found.end(), [](const Found_File& a, const Found_File& b) {
    return CompareFileTime(&a.Written, &b.Written) > 0;
  });
  return found;
}

unsigned long long Now_As_File_Time() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  return (unsigned long long)now.dwHighDateTime << 32 | now.dwLowDateTime;
}

// "09.12.2026 в 10:15", the local time of a system time.
std::string When(unsigned long long written) {
  FILETIME utc{DWORD(written & 0xFFFFFFFF), DWORD(written >> 32)}, local{};
  SYSTEMTIME t{};
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &t)) return "";
  return Recovery_Time_Text(t.wDay, t.wMonth, t.wYear, t.wHour, t.wMinute);
}

double Milliseconds_Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

Recovery::~Recovery() {
  if (window_) KillTimer(window_, UINT_PTR(this));
  Wait_For_Write();
  if (lock_ != INVALID_HANDLE_VALUE) CloseHandle(lock_);
}

void Recovery::Start(HWND window, const std::string& settings_path) {
  window_ = window;
  const std::wstring run = Run_Name();
  candidates_ = Candidate_Folders(Wide(settings_path));
  for (const std::wstring& folder : candidates_) {
    if (!Make_Folder(folder)) continue;
    lock_ = Take_Lock(folder + run + kLockExtension);
    if (lock_ == INVALID_HANDLE_VALUE) continue;
    place_ = {folder, run};
    copy_path_ = folder + run + kCopyExtension;
    return;
  }
}

std::vector<std::wstring> Recovery::Folders() const { return candidates_; }

void Recovery::Text_Changed() {
  if (copy_path_.empty()) return;
  last_change_ = std::chrono::steady_clock::now();
  if (taking_) {
    Stop_Taking();
    if (!put_off_since_) put_off_since_ = last_change_;
  }
  Schedule(kRecoveryPauseMilliseconds);
}

void Recovery::Schedule(unsigned milliseconds) { SetTimer(window_, UINT_PTR(this), milliseconds, On_Timer); }

void CALLBACK Recovery::On_Timer(HWND window, UINT, UINT_PTR id, DWORD) {
  KillTimer(window, id);
  auto* self = reinterpret_cast<Recovery*>(id);
  if (self->taking_) {
    self->Take_Pieces();
    return;
  }
  if (!self->edit_.Modified()) {
    self->Remove_Copy();
    return;
  }
  // One write at a time, and a large text's writes spaced by what they cost.
  const auto now = std::chrono::steady_clock::now();
  if (self->writing_ || now < self->next_write_) {
    const auto wait =
        std::max(std::chrono::milliseconds(100),
                 std::chrono::duration_cast<std::chrono::milliseconds>(self->next_write_ - now));
    self->Schedule(unsigned(wait.count()));
    return;
  }
  self->Write_Copy();
}

// Units of text taken at once: some 10 ms of the control's under Wine, for
// a piece far into a large text.
constexpr int32_t kPieceUnits = int32_t(1) << 19;
// Pieces follow one another until this much time has gone, or a key or a
// click waits.
constexpr double kStepMilliseconds = 25;
// How long the typing may keep putting a copy off before one is taken in a
// single step.
constexpr std::chrono::seconds kLongestPutOff{60};

bool Input_Waits() { return HIWORD(GetQueueStatus(QS_INPUT | QS_SENDMESSAGE)) != 0; }

// The text is taken on the window's thread in pieces between messages, so
// that a key typed meanwhile waits for one piece at most; a change of the
// text gives the copy up until the next pause. Making the copy's bytes and
// writing them (through a new file that takes the old one's place) goes on
// another thread, so that typing does not wait for the disk.
void Recovery::Write_Copy() {
  if (copy_path_.empty() || !edit_.Modified() || taking_) return;
  Wait_For_Write();
  Taking taking;
  taking.Copy.Doc = doc_;
  taking.Copy.Caret = edit_.Get_Selection().Start;
  taking.Copy.Written = Now_As_File_Time();
  taking.Control = edit_.Handle();
  taking.Length = edit_.Text_Length();
  taking.Copy.Text.reserve(size_t(taking.Length));
  taking_ = std::move(taking);
  writing_ = true;
  Take_Pieces();
}

void Recovery::Take_Pieces() {
  Taking& t = *taking_;
  const auto start = std::chrono::steady_clock::now();
  const bool whole = put_off_since_ && start - *put_off_since_ > kLongestPutOff;
  double spent = 0;
  for (int32_t at = int32_t(t.Copy.Text.size()); at < t.Length; at = int32_t(t.Copy.Text.size())) {
    if (!whole && spent > 0 && (spent > kStepMilliseconds || Input_Waits())) {
      t.Spent_Ms += spent;
      t.Longest_Step_Ms = std::max(t.Longest_Step_Ms, spent);
      Schedule(0);
      return;
    }
    const int32_t end = whole ? t.Length : std::min(t.Length, at + kPieceUnits);
    // Another control or another length: the text the pieces came from is
    // gone, whatever told of it.
    const std::wstring piece = edit_.Handle() == t.Control && edit_.Text_Length() == t.Length
                                   ? edit_.Control_Text_Range(at, end)
                                   : std::wstring();
    if (int32_t(piece.size()) != end - at) {
      Stop_Taking();
      Schedule(kRecoveryPauseMilliseconds);
      return;
    }
    t.Copy.Text += piece;
    spent = Milliseconds_Since(start);
  }
  last_snapshot_ms_ = t.Spent_Ms + spent;
  last_step_ms_ = std::max(t.Longest_Step_Ms, spent);
  put_off_since_.reset();
  Recovery_Copy copy = std::move(t.Copy);
  taking_.reset();
  Start_Write(std::move(copy));
}

void Recovery::Stop_Taking() {
  if (!taking_) return;
  taking_.reset();
  writing_ = false;
}

void Recovery::Start_Write(Recovery_Copy copy) {
  copy_exists_ = true;
  writer_ = std::thread([this, path = Narrow(copy_path_), copy = std::move(copy)] {
    const auto start = std::chrono::steady_clock::now();
    Win32_File_Writer().Write_Whole(path, Recovery_Copy_Bytes(copy));
    last_write_ms_ = Milliseconds_Since(start);
    writing_ = false;
  });
  const double cost = last_snapshot_ms_ + 4 * std::max(0.0, double(last_write_ms_));
  next_write_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(long(cost * 4));
}

void Recovery::Wait_For_Write() {
  if (writer_.joinable()) writer_.join();
}

void Recovery::Remove_Copy() {
  Stop_Taking();
  put_off_since_.reset();
  Wait_For_Write();
  if (copy_exists_) DeleteFileW(copy_path_.c_str());
  copy_exists_ = false;
}

void Recovery::Check_Saved() {
  if (!copy_exists_ && !writing_) return;
  if (edit_.Modified()) return;
  KillTimer(window_, UINT_PTR(this));
  Remove_Copy();
}

void Recovery::Clean_Close() {
  if (window_) KillTimer(window_, UINT_PTR(this));
  Remove_Copy();
  if (lock_ != INVALID_HANDLE_VALUE) CloseHandle(lock_);
  lock_ = INVALID_HANDLE_VALUE;
  copy_path_.clear();
}

std::optional<Recovery_Copy> Recovery::Offer_Left_Copies(Prompts& prompts) {
  for (const std::wstring& folder : Folders()) {
    for (const Found_File& file : Files_Like(folder, std::wstring(L"*") + kCopyExtension)) {
      const std::wstring run = file.Name.substr(0, file.Name.size() - wcslen(kCopyExtension));
      if (run == place_.Run || Alive(folder, run)) continue;
      const std::wstring path = folder + file.Name;
      const auto bytes = Win32_Files().Read_All(Narrow(path));
      const auto copy = bytes ? Read_Recovery_Copy(*bytes) : std::nullopt;
      if (!copy) {
        prompts.Error(Damaged_Recovery_Text(Narrow(path)));
        continue;
      }
      if (prompts.Ask_Yes_No(Recover_Question(copy->Doc.Name, When(copy->Written))) != Answer::Yes) {
        DeleteFileW(path.c_str());
        continue;
      }
      // The copy is this run's own now, until a save or a new one replaces it.
      if (!copy_path_.empty() &&
          MoveFileExW(path.c_str(), copy_path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        copy_exists_ = true;
      return copy;
    }
  }
  return std::nullopt;
}

// A save killed before its copy of the old contents was whole had not
// touched its file yet: such a part of a run that is gone only takes room.
void Recovery::Drop_Unfinished_Kept_Copies(const std::wstring& folder) {
  for (const Found_File& file : Files_Like(folder, std::wstring(L"*") + kKeptPartExtension)) {
    const std::wstring run = file.Name.substr(0, file.Name.find(L'.'));
    if (run != place_.Run && !Alive(folder, run)) DeleteFileW((folder + file.Name).c_str());
  }
}

void Recovery::Offer_Kept_Copies(Prompts& prompts, const std::function<void(const std::string&)>& open) {
  for (const std::wstring& folder : Folders()) {
    Drop_Unfinished_Kept_Copies(folder);
    for (const Found_File& file : Files_Like(folder, std::wstring(L"*") + kKeptPathExtension)) {
      const std::wstring stem = file.Name.substr(0, file.Name.size() - wcslen(kKeptPathExtension));
      const std::wstring run = stem.substr(0, stem.find(L'.'));
      if (run == place_.Run || Alive(folder, run)) continue;
      const auto target = Win32_Files().Read_All(Narrow(folder + file.Name));
      const auto copies = Files_Like(folder, stem + L" *" + kKeptCopyExtension);
      if (!target || copies.empty()) continue;
      const std::string copy = Narrow(folder + copies.front().Name);
      if (prompts.Ask_Yes_No(Kept_Copy_Question(*target, copy)) == Answer::Yes) {
        open(copy);
        // Opened, the copy is the user's like any other file: it is not
        // offered again.
        if (doc_.Name == copy) DeleteFileW((folder + file.Name).c_str());
        return;
      }
    }
  }
}
