#pragma once
// The main window `TForma`: its components and the state of its unit.
#include <windows.h>

#include <string>
#include <vector>

#include "app/settings_model.h"
#include "app/status_text.h"
#include "app/win32/status_bar.h"
#include "documents/history.h"
#include "platform/win32/edit_area_win32.h"
#include "platform/win32/platform_win32.h"

struct TForma {
  HWND Handle = nullptr;
  // The application window: it carries the taskbar entry and owns Handle.
  HWND Application = nullptr;
  HMENU Menu = nullptr;
  HMENU PopupMenu = nullptr;   // the edit area's context menu
  HMENU PopupMenu1 = nullptr;  // the tray icon's menu
  HACCEL Accelerators = nullptr;
  Rich_Edit RxRichEdit;
  Status_Bar StatusBar;

  Win32_Prompts Prompts{nullptr};
  Win32_Sound Sound;
  // Where the window events send their sounds; tests listen in here.
  Sound_Player* Event_Sounds = &Sound;
  Win32_Shell Shell{nullptr};
  Win32_Files Files;
  Win32_Keyboard Keyboard{nullptr};

  std::string Exe_Path;
  std::vector<std::string> Args;  // command-line arguments after the program name

  std::string Current_Path;
  Text_Font_Spec Text_Font;
  HFONT Font_Handle = nullptr;
  int32_t Back_Color = kTooltipBackground;
  bool Word_Wrap = true;
  Window_Bounds Normal_Bounds;
  bool Started_Maximized = false;
  bool Window_Shown = false;
  uint8_t Size_Count = 0;
  uint32_t Saved_Layout = 0;
  Recent_Files History_List;
  Search_State Search;
  bool Activated = false;
  bool Status_Visible = true;
};

extern TForma Forma;
// The live settings that the settings dialog's controls show.
extern Nastroyki_Model Nastroyki;

bool Create_Forma(HINSTANCE instance, const std::vector<std::string>& args);
// Runs before the message loop shows the window.
void Show_Forma(int show_command);

std::string Document_Name();
void Set_Document_Name(const std::string& name);
// The application title: the text of the taskbar entry.
std::string Application_Title();
void Set_Application_Title(const std::string& title);
void Refresh_Status();
void Reset_Editor();
void Apply_Text_Font();
void Set_Status_Bar_Visible(bool visible);
void Fill_History_Menu();

// Command dispatch of the menus (forma_commands.cpp).
void Forma_Command(int id);
void Forma_Menu_Opening(HMENU menu);
