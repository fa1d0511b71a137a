#include "platform/win32/help_viewer_win32.h"

#include <shellapi.h>

#include <cwchar>
#include <vector>

#include "platform/win32/platform_win32.h"

namespace {

// A system folder by the function that names it, with its trailing backslash.
std::wstring Folder_From(UINT (*WINAPI name)(LPWSTR, UINT)) {
  const UINT size = name(nullptr, 0);
  if (size == 0) return {};
  std::wstring folder(size, L'\0');
  const UINT got = name(folder.data(), size);
  if (got == 0 || got >= size) return {};
  folder.resize(got);
  if (folder.back() != L'\\') folder += L'\\';
  return folder;
}

// The description in the file's version resource; empty when it has none.
std::wstring File_Description(const std::wstring& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<BYTE> data(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return {};
  struct Translation {
    WORD language, code_page;
  };
  void* found = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &found, &length) ||
      length < sizeof(Translation))
    return {};
  const auto* translation = static_cast<const Translation*>(found);
  wchar_t key[64];
  swprintf(key, 64, L"\\StringFileInfo\\%04x%04x\\FileDescription", translation->language,
           translation->code_page);
  if (!VerQueryValueW(data.data(), key, &found, &length) || !found || length == 0) return {};
  return static_cast<const wchar_t*>(found);
}

bool Is_File(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

// Since Vista the Windows folder holds only a stand-in of that name, which
// says in a box of its own that the viewer is missing; its description calls
// it a stub.
bool Winhelp_Viewer_Present() {
  for (auto name : {GetWindowsDirectoryW, GetSystemDirectoryW}) {
    const std::wstring folder = Folder_From(name);
    if (folder.empty()) continue;
    const std::wstring viewer = folder + L"winhlp32.exe";
    if (Is_File(viewer)) return File_Description(viewer).find(L"Stub") == std::wstring::npos;
  }
  return false;
}

// Without a viewer WinHelpW would end in the system's own error box, so it is
// not called at all.
bool Win32_Help_Viewer::Show_Winhelp(const std::string& help_file, std::optional<int> topic) {
  if (!Winhelp_Viewer_Present()) return false;
  const std::wstring file = Wide(help_file);
  return topic ? WinHelpW(owner_, file.c_str(), HELP_CONTEXT, ULONG_PTR(*topic)) != FALSE
               : WinHelpW(owner_, file.c_str(), HELP_FINDER, 0) != FALSE;
}

bool Win32_Help_Viewer::Open_Page(const std::string& page) {
  const HINSTANCE result =
      ShellExecuteW(owner_, L"open", Wide(page).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}
