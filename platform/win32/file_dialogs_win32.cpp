#include "platform/win32/file_dialogs_win32.h"

#include <commdlg.h>

#include <vector>

#include "common/program_paths.h"
#include "platform/platform_texts.h"
#include "platform/win32/platform_win32.h"
#include "zmk/zmk.h"

namespace {

constexpr size_t kNameRoom = 32768;

bool Is_Folder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(File_Api_Path(Narrow(path)).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The folder as the dialogs can take it: as it is when short enough, else
// its short form when that is, else none.
std::wstring Within_Dialog_Limit(const std::wstring& folder) {
  if (folder.size() < MAX_PATH) return folder;
  const std::wstring api = File_Api_Path(Narrow(folder));
  const DWORD size = GetShortPathNameW(api.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring short_form(size, L'\0');
  const DWORD got = GetShortPathNameW(api.c_str(), short_form.data(), size);
  if (got == 0 || got >= size) return {};
  short_form.resize(got);
  const std::wstring plain = Wide(Without_Long_Path_Prefix(Narrow(short_form)));
  return plain.size() < MAX_PATH ? plain : std::wstring();
}

// The dialog must not move the process's current folder: the event sounds
// are found relative to it.
std::optional<std::string> Run(HWND owner, const std::string& folder, const std::string& name, bool save) {
  std::vector<wchar_t> file(kNameRoom, L'\0');
  std::wstring given = Wide(name);
  // The dialogs break on a proposal past 260 characters: a long path
  // proposes only its file name, in the folder the dialog starts in.
  if (given.size() >= MAX_PATH) given = given.substr(given.find_last_of(L"\\/") + 1);
  if (given.size() < kNameRoom) std::copy(given.begin(), given.end(), file.begin());
  const std::wstring start = Dialog_Start_Folder(folder);
  const std::wstring filter = Dialog_Filter(save ? kSave_Filter : kOpen_Filter);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = DWORD(file.size());
  ofn.lpstrInitialDir = start.empty() ? nullptr : start.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ENABLESIZING;
  if (save) {
    ofn.Flags |= OFN_OVERWRITEPROMPT;
    ofn.lpstrDefExt = L"txt";
  }
  const BOOL confirmed = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (!confirmed) return std::nullopt;
  return Narrow(file.data());
}

}  // namespace

std::wstring Dialog_Start_Folder(const std::string& path) {
  const std::wstring wide = Wide(path);
  if (wide.empty() || Is_Folder(wide)) return Within_Dialog_Limit(wide);
  const size_t slash = wide.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return {};
  const std::wstring parent = wide.substr(0, slash + 1);
  return Is_Folder(parent) ? Within_Dialog_Limit(parent) : std::wstring();
}

std::wstring Dialog_Filter(const char* parts) {
  std::wstring filter = Wide(parts);
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  return filter;
}

std::optional<std::string> Win32_File_Dialogs::Ask_Open(const std::string& initial_folder) {
  return Run(owner_, initial_folder, "", false);
}

std::optional<std::string> Win32_File_Dialogs::Ask_Save(const std::string& initial_folder,
                                                        const std::string& file_name) {
  return Run(owner_, initial_folder, file_name, true);
}

std::optional<std::string> Zmk_File_Name_Part::Name_Of(const std::string& path) {
  // The library works on the system's 8-bit strings; its buffer is exactly as
  // long as the path, with room for the zero.
  const std::string ansi = To_Ansi(path);
  std::vector<char> buffer(ansi.size() + 1, '\0');
  if (_NameFile_In_Path_(ansi.c_str(), buffer.data()) == 0) return std::nullopt;
  return From_Ansi(std::string(buffer.data()));
}
