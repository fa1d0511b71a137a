#pragma once
// The Win32 sides of the small seams: message boxes, sounds, the shell,
// whole-file reads and keyboard layouts.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/keyboard.h"
#include "platform/prompts.h"
#include "platform/shell.h"
#include "platform/sound.h"

// The message the tray icon sends the main window.
constexpr UINT kTrayCallback = 1147;

std::wstring Wide(const std::string& utf8);
std::string Narrow(const std::wstring& wide);
// What a system error means, in the program's own words for the failures a
// file meets most (a read-only file, a full disk, a file in use), otherwise
// as the system words it.
std::string System_Error_Text(unsigned long error);
// UTF-8 to the system's ANSI code page and back, for the A functions.
std::string To_Ansi(const std::string& utf8);
std::string From_Ansi(const std::string& ansi);

class Win32_Prompts : public Prompts {
 public:
  explicit Win32_Prompts(HWND owner) : owner_(owner) {}
  void Set_Owner(HWND owner) { owner_ = owner; }
  Answer Ask_Yes_No(const std::string& text) override;
  Answer Ask_Yes_No_Cancel(const std::string& text) override;
  void Error(const std::string& text) override;
  void Beep() override;

 private:
  HWND owner_;
};

class Win32_Sound : public Sound_Player {
 public:
  void Play(const std::string& name, unsigned flags) override;
};

class Win32_Shell : public Shell {
 public:
  explicit Win32_Shell(HWND owner) : owner_(owner) {}
  ~Win32_Shell() override;
  Win32_Shell(const Win32_Shell&) = delete;
  Win32_Shell& operator=(const Win32_Shell&) = delete;
  void Set_Owner(HWND owner) { owner_ = owner; }
  void Open(const std::string& target) override;
  // The shell hears of the document once the owner has painted what was
  // opened: telling it takes some tens of milliseconds under Wine.
  void Add_To_Recent_Documents(const std::string& path) override;

 private:
  static void CALLBACK Tell_Later(HWND owner, UINT, UINT_PTR id, DWORD);
  void Tell_Waiting();

  HWND owner_;
  std::vector<std::wstring> waiting_;
};

class Win32_Files : public Files {
 public:
  std::optional<std::string> Read_All(const std::string& path) override;
  // A file of a megabyte and more on a local disk comes as a view of the
  // file: reading it into memory first would cost more than the first
  // screen may take. Others may read the file meanwhile but not change it.
  Shared_File_Bytes Read_Shared(const std::string& path) override;
  bool Exists(const std::string& path) override;
  std::optional<File_Stamp> Stamp_Of(const std::string& path) override;
  bool Same_File(const std::string& a, const std::string& b) override;
  std::string Failure_Reason() override { return failure_ ? System_Error_Text(failure_) : std::string(); }

 private:
  unsigned long failure_ = 0;
};

class Win32_Keyboard : public Keyboard {
 public:
  explicit Win32_Keyboard(HWND window) : window_(window) {}
  void Set_Window(HWND window) { window_ = window; }
  uint32_t Current_Layout() override;
  void Activate_Layout(const std::string& name) override;

 private:
  HWND window_;
};

// The path completed by the system (the current folder and drive filled in);
// empty when it cannot be completed.
std::wstring Full_Path(const std::wstring& path);
// The path as the file functions take it at any length: a full path of 248
// characters or more (the limit of a folder's name) in its long form, so
// that names past the old limit still reach their files; a shorter one as
// given, so that device names and relative names work as they always did.
std::wstring File_Api_Path(const std::string& path);

// The executable's full path.
std::string Executable_Path();
