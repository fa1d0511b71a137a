#pragma once
// The dots per inch a window is drawn at. The program declares itself aware
// of each monitor's scale, so it lays out and draws at the DPI of the monitor
// its window is on; the layouts are written for 96 and scaled from there.
// The functions that tell a window's own DPI came with Windows 10 and 8.1,
// so they are looked up at run time: on older systems the system DPI holds
// for every window.
#include <windows.h>

constexpr int kBaseDpi = 96;

// The system's DPI, which a program unaware of scaling is always shown at.
int System_Dpi();
// The DPI of the monitor `window` stands on.
int Window_Dpi(HWND window);
// `pixels` at 96 DPI, at `dpi`.
inline int Scaled(int pixels, int dpi) { return MulDiv(pixels, dpi, kBaseDpi); }
// A system metric (SM_CXSMICON, SM_CXVSCROLL, ...) as it is at `dpi`.
int Metric_For_Dpi(int index, int dpi);
// The window rectangle around a client rectangle, with the frame at `dpi`.
RECT Frame_Around(RECT client, DWORD style, DWORD ex_style, int dpi);
