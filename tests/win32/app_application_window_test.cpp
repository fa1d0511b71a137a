// The application window of the real program: it alone carries the taskbar
// entry and the application title, it owns the main window, and minimising
// the program minimises it (or hides it, for the tray) while the main window
// goes off the screen and later comes back as it was.
#include <windows.h>

#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "common/command_ids.h"
#include "app/event_sounds.h"
#include "common/program_paths.h"
#include "app/win32/main_window.h"
#include "app/win32/window_state.h"
#include "platform/win32/file_writer_win32.h"
#include "platform/win32/platform_win32.h"
#include "box_answerer.h"
#include "test_main_window.h"

namespace {

// Listens to the window events' sounds in place of the sound service, with
// every sound ticked and named after its event.
class Sound_Recorder : public Sound_Player {
 public:
  Sound_Recorder() : kept_player_(Probe().Event_Sounds()), kept_model_(Probe().Settings()) {
    Probe().Event_Sounds() = this;
    for (int n = 0; n < kSoundCount; ++n) {
      Probe().Settings().Sound_On[n] = true;
      Probe().Settings().Sound_File[n] = "sound" + std::to_string(n + 1);
    }
  }
  ~Sound_Recorder() override {
    Probe().Event_Sounds() = kept_player_;
    Probe().Settings() = kept_model_;
  }
  void Play(const std::string& name, unsigned) override { played_.push_back(name); }
  int Times(int event) const {
    return int(std::count(played_.begin(), played_.end(), "sound" + std::to_string(event)));
  }
  void Clear() { played_.clear(); }

 private:
  Sound_Player* kept_player_;
  Settings_Model kept_model_;
  std::vector<std::string> played_;
};

std::wstring Text_Of(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return text;
}

// The system's rule for a taskbar button.
bool Has_Taskbar_Entry(HWND window) {
  if (!IsWindowVisible(window)) return false;
  const LONG_PTR ex = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if (ex & WS_EX_APPWINDOW) return true;
  return !GetWindow(window, GW_OWNER) && !(ex & WS_EX_TOOLWINDOW);
}

class AppApplicationWindow : public Main_Window_Test {
 protected:
  void SetUp() override {
    Main_Window_Test::SetUp();
    ShowWindow(Probe().Handle(), SW_SHOWNORMAL);
    Settle();
  }
};

// Answers the modal windows of the main window's thread from a thread of its
// own: file dialogs get `file_name` and OK, message boxes `answer`.
class Dialog_Answerer {
 public:
  Dialog_Answerer(std::wstring file_name, int answer)
      : file_name_(std::move(file_name)),
        answer_(answer),
        thread_id_(GetCurrentThreadId()),
        worker_([this] { Watch(); }) {}
  ~Dialog_Answerer() {
    stop_ = true;
    worker_.join();
  }
  int File_Dialogs() const { return file_dialogs_; }
  int Boxes() const { return boxes_; }

 private:
  void Watch() {
    while (!stop_) {
      if (HWND dialog = Shown_Dialog(thread_id_)) {
        // The file dialog fills its name box after it shows.
        Sleep(300);
        const int name_box = GetDlgItem(dialog, cmb13) ? cmb13 : GetDlgItem(dialog, edt1) ? edt1 : 0;
        if (name_box) {
          ++file_dialogs_;
          SetDlgItemTextW(dialog, name_box, file_name_.c_str());
          Press_Dialog_Button(dialog, IDOK);
        } else {
          ++boxes_;
          Press_Dialog_Button(dialog, GetDlgItem(dialog, answer_) ? answer_ : IDOK);
        }
      }
      Sleep(20);
    }
  }

  std::wstring file_name_;
  int answer_;
  DWORD thread_id_;
  std::atomic<bool> stop_{false};
  std::atomic<int> file_dialogs_{0}, boxes_{0};
  std::thread worker_;
};

void Command(int id) { SendMessageW(Probe().Handle(), WM_COMMAND, id, 0); }
// A system command, or a left click on the tray icon, and all that follows it.
void System_Command(HWND window, WPARAM command) {
  SendMessageW(window, WM_SYSCOMMAND, command, 0);
  Settle();
}
void Click_Tray_Icon() {
  SendMessageW(Probe().Handle(), kTrayCallback, kTrayIconId, WM_LBUTTONUP);
  Settle();
}

std::string Temp_File(const std::string& tag) { return Temp_Path("lv_app_window_" + tag + "_"); }

// The files a test made, removed when it ends.
class Document_Scope {
 public:
  ~Document_Scope() {
    for (const std::string& path : files) DeleteFileW(Wide(path).c_str());
  }
  std::vector<std::string> files;
};

}  // namespace

TEST_F(AppApplicationWindow, OwnsTheMainWindowAndAloneCarriesTheTaskbarEntry) {
  EXPECT_EQ(GetWindow(Probe().Handle(), GW_OWNER), Probe().Application());
  EXPECT_EQ(GetAncestor(Probe().Application(), GA_PARENT), GetDesktopWindow());
  EXPECT_FALSE(GetWindowLongPtrW(Probe().Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_TRUE(Has_Taskbar_Entry(Probe().Application()));
  EXPECT_FALSE(Has_Taskbar_Entry(Probe().Handle()));
  // It never shows: no size, and nowhere on any screen.
  RECT r{};
  GetWindowRect(Probe().Application(), &r);
  EXPECT_EQ(r.right - r.left, 0);
  EXPECT_EQ(r.bottom - r.top, 0);
  const RECT screens{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                     GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                     GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  EXPECT_TRUE(r.right <= screens.left || r.bottom <= screens.top);
  // The taskbar shows the program's icon.
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
  ASSERT_TRUE(icon);
  EXPECT_EQ(HICON(GetClassLongPtrW(Probe().Application(), GCLP_HICON)), icon);
  // The first activation gave it the document name.
  EXPECT_FALSE(Text_Of(Probe().Application()).empty());
}

TEST_F(AppApplicationWindow, ActivatingItHandsTheKeyboardToTheMainWindow) {
  SetForegroundWindow(Probe().Application());
  SetActiveWindow(Probe().Application());
  Settle();
  EXPECT_EQ(GetActiveWindow(), Probe().Handle());
}

TEST_F(AppApplicationWindow, NewSetsTheTitleOnlyForAnUnmodifiedDocument) {
  Document_Scope scope;
  Probe().Doc().Name = Probe().Doc().Title = "C:\\old.txt";
  Window().Show_Document();
  Probe().Edit().Set_Text("text");
  Probe().Edit().Set_Modified(false);
  Command(IDM_New);
  EXPECT_EQ(Text_Of(Probe().Handle()), L"Лировушка.txt");
  EXPECT_EQ(Text_Of(Probe().Application()), L"Лировушка.txt");
  EXPECT_EQ(Window().Application_Title(), "Лировушка.txt");

  // Dropping changes with No: the caption goes, the taskbar text stays.
  Probe().Doc().Name = Probe().Doc().Title = "C:\\old.txt";
  Window().Show_Document();
  Probe().Edit().Set_Text("changed");
  Probe().Edit().Set_Modified(true);
  {
    Dialog_Answerer answerer(L"", IDNO);
    Command(IDM_New);
    EXPECT_EQ(answerer.Boxes(), 1);
  }
  EXPECT_EQ(Text_Of(Probe().Handle()), L"Лировушка.txt");
  EXPECT_EQ(Text_Of(Probe().Application()), L"C:\\old.txt");
  EXPECT_EQ(Probe().Edit().Text(), "");
}

TEST_F(AppApplicationWindow, LoadingAFileNamesBothWindowsAndSaveAsOnlyTheCaption) {
  Document_Scope scope;
  const std::string first = Temp_File("first"), second = Temp_File("second"), copy = Temp_File("copy");
  scope.files = {first, second, copy};
  DeleteFileW(Wide(copy).c_str());
  ASSERT_TRUE(Win32_File_Writer().Write_Whole(first, "one\r\n"));
  ASSERT_TRUE(Win32_File_Writer().Write_Whole(second, "two\r\n"));
  Probe().Edit().Set_Modified(false);

  // Through the open dialog.
  {
    Dialog_Answerer answerer(Wide(first), IDOK);
    Command(IDM_Open);
    EXPECT_EQ(answerer.File_Dialogs(), 1);
  }
  EXPECT_EQ(Window().Caption(), first);
  EXPECT_EQ(Narrow(Text_Of(Probe().Application())), first);

  // Through a recent-files item.
  Probe().History_List().Add(second, 0);
  Window().Fill_History_Menu();
  Command(IDM_Recent_1);
  EXPECT_EQ(Window().Caption(), second);
  EXPECT_EQ(Narrow(Text_Of(Probe().Application())), second);

  // Saving under a new name renames the document, not the taskbar entry.
  {
    Dialog_Answerer answerer(Wide(copy), IDOK);
    Command(IDM_Save_As);
    EXPECT_EQ(answerer.File_Dialogs(), 1);
    EXPECT_EQ(answerer.Boxes(), 0);
  }
  EXPECT_EQ(Window().Caption(), copy);
  EXPECT_EQ(Win32_Files().Read_All(copy).value_or(""), "two\r\n");
  EXPECT_EQ(Narrow(Text_Of(Probe().Application())), second);
}

TEST_F(AppApplicationWindow, MinimiseGoesToTheTaskbarEntryAndRestoreBringsTheWindowBackOnce) {
  Sound_Recorder sounds;
  Probe().Settings().Minimize_To_Tray = false;
  System_Command(Probe().Handle(), SC_MINIMIZE);
  EXPECT_FALSE(IsWindowVisible(Probe().Handle()));
  EXPECT_TRUE(IsIconic(Probe().Application()));
  EXPECT_TRUE(Has_Taskbar_Entry(Probe().Application()));
  EXPECT_EQ(sounds.Times(kSoundMinimize), 1);
  EXPECT_EQ(sounds.Times(kSoundRestore), 0);

  // A click on the taskbar entry.
  System_Command(Probe().Application(), SC_RESTORE);
  EXPECT_TRUE(IsWindowVisible(Probe().Handle()));
  EXPECT_FALSE(IsIconic(Probe().Handle()));
  EXPECT_FALSE(IsIconic(Probe().Application()));
  EXPECT_EQ(GetActiveWindow(), Probe().Handle());
  EXPECT_EQ(sounds.Times(kSoundRestore), 1);
  EXPECT_EQ(sounds.Times(kSoundMaximize), 0);

  // A maximised window comes back maximised.
  ShowWindow(Probe().Handle(), SW_MAXIMIZE);
  Settle();
  ASSERT_TRUE(IsZoomed(Probe().Handle()));
  sounds.Clear();
  System_Command(Probe().Handle(), SC_MINIMIZE);
  EXPECT_FALSE(IsWindowVisible(Probe().Handle()));
  ShowWindow(Probe().Application(), SW_RESTORE);
  Settle();
  EXPECT_TRUE(IsWindowVisible(Probe().Handle()));
  EXPECT_TRUE(IsZoomed(Probe().Handle()));
  EXPECT_EQ(sounds.Times(kSoundRestore), 1);
  EXPECT_EQ(sounds.Times(kSoundMaximize), 0);
  ShowWindow(Probe().Handle(), SW_RESTORE);
  Settle();
}

TEST_F(AppApplicationWindow, TheTrayTakesTheTaskbarEntryAndALeftClickGivesItBackWithOneSound) {
  Sound_Recorder sounds;
  Probe().Settings().Minimize_To_Tray = true;
  System_Command(Probe().Handle(), SC_MINIMIZE);
  EXPECT_FALSE(IsWindowVisible(Probe().Application()));
  EXPECT_FALSE(IsWindowVisible(Probe().Handle()));
  EXPECT_FALSE(Has_Taskbar_Entry(Probe().Application()));
  EXPECT_EQ(sounds.Times(kSoundMinimize), 1);

  Click_Tray_Icon();
  EXPECT_TRUE(Has_Taskbar_Entry(Probe().Application()));
  EXPECT_FALSE(IsIconic(Probe().Application()));
  EXPECT_TRUE(IsWindowVisible(Probe().Handle()));
  EXPECT_FALSE(IsIconic(Probe().Handle()));
  EXPECT_EQ(sounds.Times(kSoundRestore), 1);
}

// Whether the program's tray icon is there: only an icon that is there can be changed.
bool Tray_Icon_Shown() {
  NOTIFYICONDATAW record{};
  Fill_Tray_Record(record, Probe().Handle(), nullptr, "?");
  record.uFlags = NIF_TIP;
  return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

TEST_F(AppApplicationWindow, WithoutATrayIconTheTaskbarEntryStaysAndANewTaskbarGetsTheIconBack) {
  Probe().Settings().Minimize_To_Tray = true;
  // Something holds the icon's place, so the program's own icon cannot be added.
  NOTIFYICONDATAW blocker{};
  Fill_Tray_Record(blocker, Probe().Handle(), nullptr, "blocker");
  ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &blocker));
  System_Command(Probe().Handle(), SC_MINIMIZE);
  Shell_NotifyIconW(NIM_DELETE, &blocker);
  EXPECT_FALSE(IsWindowVisible(Probe().Handle()));
  EXPECT_TRUE(Has_Taskbar_Entry(Probe().Application()));
  EXPECT_TRUE(IsIconic(Probe().Application()));
  EXPECT_FALSE(Tray_Icon_Shown());

  // The taskbar is made anew (the shell restarted): now the icon can go in.
  SendMessageW(Probe().Handle(), Taskbar_Created_Message(), 0, 0);
  Settle();
  EXPECT_TRUE(Tray_Icon_Shown());
  EXPECT_FALSE(Has_Taskbar_Entry(Probe().Application()));
  // A new taskbar that lost the icon, and one that kept it: one icon either way.
  for (bool lost : {true, false}) {
    if (lost) Shell_NotifyIconW(NIM_DELETE, &blocker);
    SendMessageW(Probe().Handle(), Taskbar_Created_Message(), 0, 0);
    Settle();
    EXPECT_TRUE(Tray_Icon_Shown()) << lost;
    EXPECT_FALSE(Has_Taskbar_Entry(Probe().Application())) << lost;
  }

  // Back from the tray, a new taskbar gets no icon.
  SendMessageW(Probe().Handle(), kTrayCallback, kTrayIconId, WM_LBUTTONUP);
  SendMessageW(Probe().Handle(), Taskbar_Created_Message(), 0, 0);
  Settle();
  EXPECT_FALSE(Tray_Icon_Shown());
  EXPECT_TRUE(IsWindowVisible(Probe().Handle()));
}

// What close writes describes the main window wherever the program is:
// minimised maximised, or in the tray from the normal state.
TEST_F(AppApplicationWindow, CloseWhileMinimisedStoresTheMainWindowsPlace) {
  Sound_Recorder sounds;
  const std::wstring ini = Wide(Settings_File_Path(Probe().Exe_Path()));
  auto stored = [&ini](const wchar_t* key) {
    return int(GetPrivateProfileIntW(L"Size", key, -1, ini.c_str()));
  };
  auto state = [&ini] {
    wchar_t text[32] = {};
    GetPrivateProfileStringW(L"Size", L"WindowState", L"", text, 32, ini.c_str());
    return std::wstring(text);
  };

  MoveWindow(Probe().Handle(), 110, 90, 520, 410, TRUE);
  Settle();
  Probe().Settings().Minimize_To_Tray = true;
  System_Command(Probe().Handle(), SC_MINIMIZE);
  ASSERT_FALSE(IsWindowVisible(Probe().Handle()));
  SendMessageW(Probe().Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(stored(L"Left"), 110);
  EXPECT_EQ(stored(L"Top"), 90);
  EXPECT_EQ(stored(L"Width"), 520);
  EXPECT_EQ(stored(L"Height"), 410);
  EXPECT_EQ(stored(L"Left_Store"), 110);
  EXPECT_EQ(stored(L"Width_Store"), 520);
  EXPECT_EQ(state(), L"wsNormal");
  Click_Tray_Icon();

  ShowWindow(Probe().Handle(), SW_MAXIMIZE);
  Settle();
  RECT maximised{};
  GetWindowRect(Probe().Handle(), &maximised);
  Probe().Settings().Minimize_To_Tray = false;
  System_Command(Probe().Handle(), SC_MINIMIZE);
  ASSERT_TRUE(IsIconic(Probe().Application()));
  SendMessageW(Probe().Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(state(), L"wsMaximized");
  EXPECT_EQ(stored(L"Left"), maximised.left);
  EXPECT_EQ(stored(L"Width"), maximised.right - maximised.left);
  EXPECT_EQ(stored(L"Left_Store"), 110);
  EXPECT_EQ(stored(L"Top_Store"), 90);
  EXPECT_EQ(stored(L"Height_Store"), 410);
  System_Command(Probe().Application(), SC_RESTORE);
  ShowWindow(Probe().Handle(), SW_RESTORE);
  Settle();
}

namespace {

class Link_Recorder : public Shell {
 public:
  std::vector<std::string> opened;
  void Open(const std::string& target) override { opened.push_back(target); }
  void Add_To_Recent_Documents(const std::string&) override {}
};

// A left click on the edit area at a character, as the mouse gives it.
void Click_At_Character(int32_t offset) {
  HWND edit = Probe().Edit().Handle();
  const LRESULT at = SendMessageW(edit, EM_POSFROMCHAR, WPARAM(offset), 0);
  const LPARAM point = MAKELPARAM(LOWORD(at) + 2, HIWORD(at) + 4);
  SendMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageW(edit, WM_LBUTTONUP, 0, point);
  Settle();
}

}  // namespace

// The edit area finds the addresses in the text; a click on one opens it,
// once, with every character as it is, and a click beside it opens nothing.
TEST_F(AppApplicationWindow, AClickOnALinkInTheTextOpensItOnce) {
  Link_Recorder links;
  Probe().Link_Opener() = &links;
  const std::wstring text = L"see http://example.com/\u00E4\u0436 here\r";
  Probe().Edit().Set_Control_Text(text);
  Settle();
  Click_At_Character(1);
  EXPECT_TRUE(links.opened.empty());
  Click_At_Character(int32_t(text.find(L"example")));
  EXPECT_EQ(links.opened, (std::vector<std::string>{"http://example.com/äж"}));
  Probe().Link_Opener() = &Probe().Shell();
}
