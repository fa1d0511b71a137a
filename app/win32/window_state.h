#pragma once
// How the main window keeps its place and reacts to size changes,
// minimising (to the tray when asked) and restoring.
#include <windows.h>

constexpr UINT kTrayCallback = 1147;

// WM_SIZE, after the children have been laid out.
void Window_State_Size(WPARAM size_type);
// WM_SYSCOMMAND; returns what the default handling returned.
LRESULT Window_State_Sys_Command(HWND hwnd, WPARAM command, LPARAM lp);
// The tray icon's callback message.
void Tray_Callback(LPARAM mouse_message);
void Remove_Tray_Icon();
