// The entry: the three windows in their order, then the message loop.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/win32/commands.h"
#include "app/win32/forma.h"
#include "about/win32/about_box.h"
#include "settings/win32/nastroyki_dialog.h"

namespace {

std::vector<std::string> Command_Line_Arguments() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(Narrow(argv[i]));
  LocalFree(argv);
  return args;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  if (!Create_Forma(instance, Command_Line_Arguments())) return 1;
  Create_Nastroyki(instance, Forma.Handle);
  Create_About_Box(instance, Forma.Handle);
  Show_Forma(show);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (Modeless_Dialog_Message(msg)) continue;
    if (Translate_Shortcut(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // The taskbar entry goes with the main window, not with the process.
  DestroyWindow(Forma.Application);
  return int(msg.wParam);
}
