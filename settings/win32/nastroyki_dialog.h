#pragma once
// The settings dialog `TNastroyki`: created hidden at start-up, after the
// main window, and kept until the process ends.
#include <windows.h>

// Later calls return the dialog made by the first one.
HWND Create_Nastroyki(HINSTANCE instance, HWND owner);

// The main window's "Настройки программы": fills the dialog from the live
// settings and the registry, shows it modally and returns once it closes.
void OptionsClick();
