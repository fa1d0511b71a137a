#pragma once
// How the main window keeps its place and reacts to size changes,
// minimising (to the tray when asked) and restoring.
#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <string>

#include "common/settings_model.h"

struct Screen_Area;

constexpr UINT kTrayIconId = 1;

// The window's rectangle on the screen as the settings file keeps it.
Window_Bounds Current_Bounds(HWND window);

// What the window's state takes from the main window.
class Window_State_Host {
 public:
  virtual ~Window_State_Host() = default;
  virtual HWND Main_Handle() = 0;
  // The scale the stored rectangle is read at.
  virtual int Window_Dpi() = 0;
  virtual std::string Settings_Path() = 0;
  virtual void Play_Window_Sound(int event) = 0;
  virtual bool Minimize_To_Tray() = 0;
  // The tray icon's tip: the document's name.
  virtual std::string Tray_Tip() = 0;
  virtual HMENU Tray_Popup() = 0;
  // Puts the shown Find or Replace dialog back above the main window.
  virtual void Keep_Dialogs_In_Front() = 0;
};

class Window_State {
 public:
  explicit Window_State(Window_State_Host& host) : host_(host) {}
  Window_State(const Window_State&) = delete;
  Window_State& operator=(const Window_State&) = delete;

  // The application window: a top-level window never seen on the screen
  // that carries the program's taskbar entry and icon and owns the main
  // window. Minimising the program minimises it and hides the main window;
  // restoring it brings the main window back. Created hidden.
  HWND Create_Application_Window(HINSTANCE instance, HICON icon);
  HWND Application() const { return application_; }
  // Minimises the program: the main window goes, the taskbar entry shows it
  // minimised.
  void Minimize_Application();

  // The rectangle a restore returns to and whether the window starts
  // maximised, as the settings file gave them at creation.
  void Start(const Window_Bounds& normal, bool maximized);
  const Window_Bounds& Normal_Bounds() const { return normal_bounds_; }
  bool Started_Maximized() const { return started_maximized_; }
  // WM_SHOWWINDOW.
  void Shown(bool shown) { window_shown_ = shown; }
  bool Window_Shown() const { return window_shown_; }

  // WM_SIZE, after the children have been laid out.
  void Size(WPARAM size_type);
  // WM_SYSCOMMAND; returns what the default handling returned.
  LRESULT Sys_Command(HWND hwnd, WPARAM command, LPARAM lp);
  // Puts the tray icon back when the program was in the tray; if the icon
  // cannot be added, the taskbar entry comes back instead.
  void Taskbar_Created();
  // The tray icon's callback message.
  void Tray_Callback(LPARAM mouse_message);
  // Deletes the tray icon; nothing happens when there is none.
  void Remove_Tray_Icon();

 private:
  static LRESULT CALLBACK Application_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT On_Application_Message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Application_Sys_Command(HWND hwnd, WPARAM command, LPARAM lp);
  void Application_Restored();
  void Restore_Stored_Bounds();
  HICON Tray_Icon();
  bool Add_Tray_Icon();
  void Delete_Tray_Icon();
  void Tray_Or_Taskbar();
  void Show_Tray_Menu();
  void Keep_Maximized_Start();
  void Activate_Main_Window();
  void Show_Owned_Dialogs(bool show);

  Window_State_Host& host_;
  HWND application_ = nullptr;
  Window_Bounds normal_bounds_;
  bool started_maximized_ = false;
  bool window_shown_ = false;
  uint8_t size_count_ = 0;
  // A main window minimised on its own rather than through the application
  // window sounds like a restore when it comes back, whatever its size.
  bool was_minimized_ = false;
  bool application_minimized_ = false;
  // Set while a restore whose sound has already been played is under way.
  bool restore_sounded_ = false;
  // Minimised to the tray: the icon stands for the program, or the taskbar
  // entry while no icon could be added.
  bool minimized_to_tray_ = false;
};

// The rectangle that holds every screen.
Screen_Area Virtual_Screen();
// The message a new taskbar sends every top-level window, as after the
// shell restarted; the tray icons of the old one are gone.
UINT Taskbar_Created_Message();

// The record that adds the icon, in the system's first, smallest form: the
// window, identifier 1, the callback message, the icon and the tip. The tip
// is shortened to its field and nothing is written past the field.
void Fill_Tray_Record(NOTIFYICONDATAW& record, HWND owner, HICON icon, const std::string& tip);
