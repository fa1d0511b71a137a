#pragma once
// WinHelp where the Windows folder has its viewer; the shell's browser otherwise.
#include <windows.h>

#include "platform/help_viewer.h"

class Win32_Help_Viewer : public Help_Viewer {
 public:
  explicit Win32_Help_Viewer(HWND owner) : owner_(owner) {}
  void Set_Owner(HWND owner) { owner_ = owner; }
  bool Show_Winhelp(const std::string& help_file, std::optional<int> topic) override;
  bool Open_Page(const std::string& page) override;

 private:
  HWND owner_;
};

// Whether the Windows folder or its System32 holds a real winhlp32.exe:
// systems since Vista ship none.
bool Winhelp_Viewer_Present();
