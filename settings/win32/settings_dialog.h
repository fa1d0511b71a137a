#pragma once
// The settings dialog: created hidden once the main window has shown (or by
// its first showing) and kept as long as the main window lives; "Настройки
// программы" shows it modally.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "common/settings_model.h"
#include "platform/edit_area.h"
#include "platform/help_viewer.h"
#include "platform/sound.h"
#include "platform/win32/command_table.h"
#include "settings/win32/layout_mode_label_win32.h"

class Settings_Form;
class Win32_Registry;
class Win32_Prompts;

// What the settings dialog takes from the main window.
class Settings_Dialog_Host {
 public:
  virtual ~Settings_Dialog_Host() = default;
  virtual HWND Window() = 0;
  // The live settings the dialog's controls show.
  virtual Settings_Model& Settings() = 0;
  // The edit area, whose undo depth OK sets.
  virtual Edit_Area& Edit() = 0;
  virtual Sound_Player& Sounds() = 0;
  virtual const std::string& Exe_Path() = 0;
  // Where F1 and the title bar's "?" show their topics.
  virtual Help_Viewer& Help() = 0;
  virtual bool Status_Bar_Visible() = 0;
  // Shows or hides the status bar together with its menu separator.
  virtual void Set_Status_Bar_Visible(bool visible) = 0;
  // OK applied the dialog's settings: the settings file keeps them now.
  virtual void Settings_Accepted() = 0;
};

class Settings_Dialog {
 public:
  explicit Settings_Dialog(Settings_Dialog_Host& host);
  ~Settings_Dialog();
  Settings_Dialog(const Settings_Dialog&) = delete;
  Settings_Dialog& operator=(const Settings_Dialog&) = delete;

  // Later calls return the dialog made by the first one.
  HWND Create(HINSTANCE instance, HWND owner);
  HWND Handle() const { return dialog_; }
  // Fills the dialog from the live settings and the registry, shows it
  // modally and returns once it closes.
  void Show();
  void Register(Command_Table& table);

 private:
  class Form_Host;
  static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  INT_PTR On_Message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Show_Form_Controls();
  void On_Init_Dialog();
  void Browse_Sound(int row);
  void Play_Sound(int row);
  void On_Row_Command(int id);
  void End_Modal();
  void On_Command(int id, int code);
  void On_Slider();
  void On_Help(const HELPINFO& info);
  void Centre_On_Screen();
  std::vector<HWND> Disable_Other_Windows();
  void Run_Modal();

  Settings_Dialog_Host& host_;
  std::unique_ptr<Win32_Registry> registry_;
  std::unique_ptr<Form_Host> form_host_;
  std::unique_ptr<Win32_Prompts> prompts_;
  std::unique_ptr<Settings_Form> form_;
  HWND dialog_ = nullptr;
  // The label under the start-up layout slider, which blinks when the slider moves.
  Win32_Layout_Label mode_label_;
  bool modal_ = false;
  bool blinking_ = false;
  int32_t slider_position_ = 1;
};
