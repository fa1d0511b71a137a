#pragma once
// How the main window keeps its place and reacts to size changes,
// minimising (to the tray when asked) and restoring.
#include <windows.h>

#include <shellapi.h>

#include <string>

class Main_Window;
struct Screen_Area;

constexpr UINT kTrayIconId = 1;

// The application window: a top-level window never seen on the screen that
// carries the program's taskbar entry and icon and owns the main window.
// Minimising the program minimises it and hides the main window; restoring
// it brings the main window back. Created hidden.
HWND Create_Application_Window(Main_Window& window, HINSTANCE instance, HICON icon);
// Minimises the program: the main window goes, the taskbar entry shows it
// minimised.
void Minimize_Application(Main_Window& window);

// The rectangle that holds every screen.
Screen_Area Virtual_Screen();

// WM_SIZE, after the children have been laid out.
void Window_State_Size(Main_Window& window, WPARAM size_type);
// WM_SYSCOMMAND; returns what the default handling returned.
LRESULT Window_State_Sys_Command(Main_Window& window, HWND hwnd, WPARAM command, LPARAM lp);
// The message a new taskbar sends every top-level window, as after the
// shell restarted; the tray icons of the old one are gone.
UINT Taskbar_Created_Message();
// Puts the tray icon back when the program was in the tray; if the icon
// cannot be added, the taskbar entry comes back instead.
void Taskbar_Created(Main_Window& window);
// The tray icon's callback message.
void Tray_Callback(Main_Window& window, LPARAM mouse_message);
// Deletes the tray icon; nothing happens when there is none.
void Remove_Tray_Icon(Main_Window& window);

// The record that adds the icon, in the system's first, smallest form: the
// window, identifier 1, the callback message, the icon and the tip. The tip
// is shortened to its field and nothing is written past the field.
void Fill_Tray_Record(NOTIFYICONDATAW& record, HWND owner, HICON icon, const std::string& tip);
