#pragma once
// Each Win32 test that needs the real main window gets a new one: created in
// a folder of its own (so its settings file starts absent), shown, past its
// first activation, and destroyed when the test ends. Waits are on
// conditions, never on a fixed time.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/win32/main_window.h"
#include "common/win1251_unicode.h"

// The main window of the test that runs now.
inline std::unique_ptr<Main_Window>& Current_Test_Window() {
  static std::unique_ptr<Main_Window> window;
  return window;
}

inline Main_Window& Window() { return *Current_Test_Window(); }

// The parts of a main window the tests look at, and the seams where they
// stand in for its sounds, links and help.
class Main_Window_Probe {
 public:
  explicit Main_Window_Probe(Main_Window& window) : w_(window) {}
  HWND Handle() const { return w_.Handle; }
  HWND Application() const { return w_.State.Application(); }
  HMENU Menu() const { return w_.Menu; }
  HMENU Context_Menu() const { return w_.Context_Menu; }
  HMENU Tray_Menu() const { return w_.Tray_Menu; }
  Rich_Edit& Edit() { return w_.Edit; }
  Status_Bar& Status() { return w_.Status; }
  Settings_Model& Settings() { return w_.Settings; }
  Text_Look& Look() { return w_.Look; }
  Document& Doc() { return w_.Doc; }
  Search_State& Search() { return w_.Search; }
  Recent_Files& History_List() { return w_.History_List; }
  const std::string& Dialog_Path() const { return w_.Dialog_Path; }
  const std::string& Exe_Path() const { return w_.Exe_Path; }
  Text_Intake& Intake() { return w_.Intake; }
  Document_Control& Control() { return w_.Control; }
  Recovery& Recovery_Files() { return w_.Recovery_Files; }
  Busy_Window& Busy() { return w_.Busy; }
  Win32_Keyboard& Keyboard() { return w_.Keyboard; }
  Modeless_Dialogs& Modeless() { return w_.Modeless; }
  Document_Commands& Documents() { return *w_.Documents; }
  // What the text commands take from the window, as the window hands it to them.
  Text_Host Text_Parts() {
    return {w_.Handle,   w_.Menu,   w_.Edit,    w_.Control.Area(), w_.Control, w_.Look,
            w_.Keyboard, w_.Status, w_.Prompts, w_.Busy,           {}};
  }
  Search_Commands& Searches() { return *w_.Searches; }
  Settings_Dialog& Settings_Box() { return *w_.Settings_Box; }
  const Window_Bounds& Normal_Bounds() const { return w_.State.Normal_Bounds(); }
  bool Window_Shown() const { return w_.State.Window_Shown(); }
  bool Started() const { return w_.Started; }
  // The seams: where the window events sound, links open and help shows.
  Sound_Player*& Event_Sounds() { return w_.Event_Sounds; }
  ::Shell*& Link_Opener() { return w_.Link_Opener; }
  Win32_Shell& Shell() { return w_.Shell; }
  Help_Viewer*& Help_Display() { return w_.Help_Display; }
  // A test's window keeps its settings in a folder of its own and does not
  // end the test program when it goes.
  void Place_Apart(const std::string& folder) {
    w_.Exe_Path = folder + "\\Lirovant.exe";
    w_.Quit_On_Destroy = false;
  }

 private:
  Main_Window& w_;
};

inline Main_Window_Probe Probe(Main_Window& window = Window()) { return Main_Window_Probe(window); }

// A menu item's text as the user reads it: without the & that underlines
// its letter, a doubled & as one.
inline std::wstring Visible_Caption(HMENU menu, UINT item, UINT by = MF_BYCOMMAND) {
  wchar_t text[256] = {};
  GetMenuStringW(menu, item, text, 256, by);
  std::wstring shown;
  for (const wchar_t* c = text; *c; ++c) {
    if (*c == L'&' && *++c == L'\0') break;
    shown += *c;
  }
  return shown;
}

// Runs what the message loop would run, the modeless dialogs included.
inline void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (Current_Test_Window() && Probe(*Current_Test_Window()).Modeless().Take(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Pumps messages until `done` holds; false when `limit_ms` passed first.
inline bool Wait_Until(const std::function<bool()>& done, int limit_ms = 5000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limit_ms);
  for (;;) {
    Pump();
    if (done()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// Pumps until the thread's queue has stayed empty through three looks: what
// the last step posted, and what the window system sent back, has been
// handled.
inline void Settle(int limit_ms = 2000) {
  int quiet = 0;
  Wait_Until(
      [&quiet] {
        quiet = GetQueueStatus(QS_ALLINPUT) == 0 ? quiet + 1 : 0;
        return quiet >= 3;
      },
      limit_ms);
}

// The names in a folder ending in a backslash, "." and ".." aside.
inline std::vector<std::string> Files_In(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found{};
  HANDLE h = FindFirstFileW(Wide(folder + "*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = Narrow(found.cFileName);
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileW(h, &found));
  FindClose(h);
  return names;
}

// A folder of the temporary folder for one window's settings file, emptied,
// its recovery copies included: Wine gives its processes the same few ids
// run after run, and a copy an earlier run left would be offered with a
// question nobody answers.
inline std::string Fresh_Settings_Folder() {
  static int count = 0;
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  const std::wstring folder = std::wstring(base) + L"lirovant_window_" +
                              std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++count);
  CreateDirectoryW(folder.c_str(), nullptr);
  DeleteFileW((folder + L"\\Lirovant.ini").c_str());
  const std::string left = Narrow(folder) + "\\Recovery\\";
  for (const std::string& name : Files_In(left)) DeleteFileW(Wide(left + name).c_str());
  return Narrow(folder);
}

// A path in the temporary folder that is this process's own: `name`, the
// process's id, then `ending`.
inline std::string Temp_Path(const std::string& name, const std::string& ending = ".txt") {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  return Narrow(temp) + name + std::to_string(GetCurrentProcessId()) + ending;
}

// A new main window as the program makes it, its settings file in `folder`;
// shown and past its first activation when `show` is set.
inline std::unique_ptr<Main_Window> Make_Main_Window(const std::string& folder, bool show = true,
                                                     const std::vector<std::string>& args = {}) {
  auto window = std::make_unique<Main_Window>();
  Probe(*window).Place_Apart(folder);
  if (!window->Create(GetModuleHandleW(nullptr), args)) return nullptr;
  if (show) {
    ShowWindow(Probe(*window).Handle(), SW_SHOW);
    SetForegroundWindow(Probe(*window).Handle());
    Main_Window* w = window.get();
    if (!Wait_Until([w] { return Probe(*w).Started(); })) return nullptr;
    Pump();
  }
  return window;
}

// The fixture of every test that works in the main window: Window() is a new
// one for each test.
class Main_Window_Test : public ::testing::Test {
 protected:
  void SetUp() override {
    Current_Test_Window() = Make_Main_Window(Fresh_Settings_Folder(), Shown());
    ASSERT_TRUE(Current_Test_Window()) << "no main window";
  }
  void TearDown() override {
    Current_Test_Window().reset();
    Pump();
  }
  // A test that needs the window unshown says so.
  virtual bool Shown() const { return true; }
};
