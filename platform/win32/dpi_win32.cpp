#include "platform/win32/dpi_win32.h"

namespace {

template <typename Function>
Function User32_Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

using Dpi_For_Window = UINT(WINAPI*)(HWND);
using Dpi_For_Monitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using Metrics_For_Dpi = int(WINAPI*)(int, UINT);

// Windows 8.1 tells the DPI of a monitor but not of a window.
int Monitor_Dpi(HWND window) {
  static const auto dpi_for_monitor = [] {
    HMODULE shcore = LoadLibraryW(L"shcore.dll");
    return shcore ? reinterpret_cast<Dpi_For_Monitor>(
                        reinterpret_cast<void (*)()>(GetProcAddress(shcore, "GetDpiForMonitor")))
                  : nullptr;
  }();
  UINT x = 0, y = 0;
  const int effective_dpi = 0;
  if (!dpi_for_monitor ||
      dpi_for_monitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), effective_dpi, &x, &y) != S_OK)
    return 0;
  return int(y);
}

}  // namespace

int System_Dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kBaseDpi;
}

int Window_Dpi(HWND window) {
  static const auto dpi_for_window = User32_Function<Dpi_For_Window>("GetDpiForWindow");
  int dpi = 0;
  if (window) dpi = dpi_for_window ? int(dpi_for_window(window)) : Monitor_Dpi(window);
  return dpi > 0 ? dpi : System_Dpi();
}

int Metric_For_Dpi(int index, int dpi) {
  static const auto metrics_for_dpi = User32_Function<Metrics_For_Dpi>("GetSystemMetricsForDpi");
  if (metrics_for_dpi) return metrics_for_dpi(index, UINT(dpi));
  return MulDiv(GetSystemMetrics(index), dpi, System_Dpi());
}

RECT Frame_Around(RECT client, DWORD style, DWORD ex_style, int dpi) {
  using Adjust_For_Dpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjust_for_dpi = User32_Function<Adjust_For_Dpi>("AdjustWindowRectExForDpi");
  if (!adjust_for_dpi || !adjust_for_dpi(&client, style, FALSE, ex_style, UINT(dpi)))
    AdjustWindowRectEx(&client, style, FALSE, ex_style);
  return client;
}
