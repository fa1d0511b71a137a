#pragma once
// The settings dialog `TNastroyki`: created hidden at start-up, after the
// main window, and kept until the process ends.
#include <windows.h>

HWND Create_Nastroyki(HINSTANCE instance, HWND owner);
