// winhelp_show FILE.hlp (NUMBER | finder) [SECONDS]
//
// Opens a topic of a help file the way the program does (HELP_CONTEXT with
// a context number, or HELP_FINDER), keeps the help viewer open for a while
// so that it can be looked at, then closes it with HELP_QUIT.
#include <windows.h>

#include <cstdlib>
#include <cstring>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc < 3) return 2;
  const char* file = __argv[1];
  const char* topic = __argv[2];
  const DWORD seconds = __argc > 3 ? static_cast<DWORD>(std::strtoul(__argv[3], nullptr, 10)) : 10;

  HWND owner = CreateWindowA("STATIC", "winhelp_show", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                             instance, nullptr);
  const BOOL shown = std::strcmp(topic, "finder") == 0
                         ? WinHelpA(owner, file, HELP_FINDER, 0)
                         : WinHelpA(owner, file, HELP_CONTEXT, std::strtoul(topic, nullptr, 10));
  if (!shown) return 1;

  const DWORD until = GetTickCount() + seconds * 1000;
  while (static_cast<LONG>(until - GetTickCount()) > 0) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(50);
  }
  WinHelpA(owner, file, HELP_QUIT, 0);
  DestroyWindow(owner);
  return 0;
}
