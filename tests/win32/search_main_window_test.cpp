// Find, replace and go to line inside the real main window: the system's
// Find and Replace dialogs, their reports, the shortcuts they take away, Esc,
// the counters in the status bar and the input box.
#include <windows.h>

#include <dlgs.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "common/command_ids.h"
#include "common/program_paths.h"
#include "app/win32/main_window.h"
#include "test_main_window.h"
#include "platform/win32/platform_win32.h"
#include "search/find_command.h"
#include "search/win32/search_commands.h"
#include "search/win32/search_dialogs.h"
#include "search/win32/search_ids.h"
#include "common/win1251_unicode.h"

namespace {

std::string W(const std::string& utf8) { return Utf8_To_Win1251(utf8); }

// Presses a shortcut as the message loop hands it over; true when taken.
bool Shortcut(WPARAM key, bool ctrl) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = ctrl ? 0x80 : 0;
  keys[VK_SHIFT] = keys[VK_MENU] = 0;
  SetKeyboardState(keys);
  MSG msg{Probe().Edit().Handle(), WM_KEYDOWN, key, 0, 0, {0, 0}};
  const bool taken = Window().Translate_Shortcut(msg);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  return taken;
}

// Whether `dialog` lies above the main window in the stacking order.
bool Above_Main_Window(HWND dialog) {
  for (HWND below = GetWindow(dialog, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT))
    if (below == Probe().Handle()) return true;
  return false;
}

bool Grayed(int id) { return (GetMenuState(Probe().Menu(), UINT(id), MF_BYCOMMAND) & MF_GRAYED) != 0; }

std::wstring Caption(int id) { return Visible_Caption(Probe().Menu(), UINT(id)); }

std::wstring Field(HWND dialog, int id) {
  wchar_t text[512] = {};
  GetDlgItemTextW(dialog, id, text, 512);
  return text;
}

// Plays the user at the modal windows of the main thread from another
// thread: answers message boxes with `answer` (OK when there is no such
// button) and types `typed` into the input box, then OK (Cancel when
// `typed` is null). Notes the texts of the message boxes. `at_first_box`
// runs on that thread while the first message box is up, before it is answered.
class Modal_Player {
 public:
  Modal_Player(int answer, const wchar_t* typed = nullptr, std::function<void()> at_first_box = {})
      : answer_(answer),
        typed_(typed),
        at_first_box_(std::move(at_first_box)),
        thread_id_(GetCurrentThreadId()) {
    worker_ = std::thread([this] { Watch(); });
  }
  ~Modal_Player() {
    stop_ = true;
    worker_.join();
  }
  std::vector<std::wstring> texts;
  std::atomic<int> input_boxes{0};

 private:
  static BOOL CALLBACK Find(HWND hwnd, LPARAM found) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    // The Find and Replace dialogs are modeless: not ours to answer.
    if (std::wstring(cls) != L"#32770" || !IsWindowVisible(hwnd) || GetDlgItem(hwnd, edt1)) return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
  }
  void Press(HWND box, int id) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(box, id)));
    for (int i = 0; i < 200 && IsWindow(box) && IsWindowVisible(box); ++i) Sleep(10);
  }
  void Watch() {
    while (!stop_) {
      HWND box = nullptr;
      EnumThreadWindows(thread_id_, Find, LPARAM(&box));
      if (box && GetDlgItem(box, IDC_LINE_INPUT_TEXT)) {
        ++input_boxes;
        if (typed_) SetDlgItemTextW(box, IDC_LINE_INPUT_TEXT, typed_);
        Press(box, typed_ ? IDOK : IDCANCEL);
      } else if (box) {
        wchar_t text[2048] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 2048);
        texts.push_back(text);
        if (at_first_box_) std::exchange(at_first_box_, nullptr)();
        Press(box, GetDlgItem(box, answer_) ? answer_ : IDOK);
      }
      Sleep(20);
    }
  }
  int answer_;
  const wchar_t* typed_;
  std::function<void()> at_first_box_;
  DWORD thread_id_;
  std::atomic<bool> stop_{false};
  std::thread worker_;
};

// Go to line, `typed` into its input box (Cancel when null): the texts of
// the message boxes that followed, and how many input boxes showed.
std::vector<std::wstring> Go_To_Line_Typing(const wchar_t* typed, int* input_boxes = nullptr) {
  Modal_Player player(IDOK, typed);
  Window().Command(IDM_Go_To_Line);
  if (input_boxes) *input_boxes = player.input_boxes;
  return player.texts;
}

class Search_Main_Window : public Main_Window_Test {
 protected:
  void Load(const std::string& utf8, int32_t start = 0, int32_t end = 0) {
    Probe().Edit().Set_Text(W(utf8));
    Probe().Edit().Set_Selection(start, end);
    Pump();
  }
  std::pair<int32_t, int32_t> Sel() {
    const Selection s = Probe().Edit().Get_Selection();
    return {s.Start, s.End};
  }
  HWND Dialog(Search_Dialog which) { return Probe().Searches().Dialog_Window(which); }
  std::string Stored_Find_Text() {
    wchar_t text[512] = {};
    GetPrivateProfileStringW(L"Find", L"Text", L"<none>", text, 512,
                             Wide(Settings_File_Path(Probe().Exe_Path())).c_str());
    return Narrow(text);
  }
};

TEST_F(Search_Main_Window, FindDialogTakesTheFiveShortcutsAndFind2UntilEscClosesIt) {
  Load("один ёж и ЁЖ", 5, 7);
  Probe().Search().Search_Count = 7;
  Window().Command(IDM_Find);
  HWND dialog = Dialog(Search_Dialog::Find);
  ASSERT_TRUE(dialog && IsWindow(dialog));
  EXPECT_EQ(Narrow(Field(dialog, edt1)), "ёж");
  EXPECT_TRUE(Probe().Search().Find_Open);
  EXPECT_EQ(Probe().Search().Search_Count, 0);
  EXPECT_TRUE(Grayed(IDM_Replace));
  EXPECT_FALSE(Grayed(IDM_Find));
  for (WPARAM key : {'C', 'V', 'X', 'Z', 'Y'}) EXPECT_FALSE(Shortcut(key, true)) << char(key);
  EXPECT_TRUE(Shortcut('A', true));
  EXPECT_EQ(Narrow(Caption(IDM_Copy)), "Копировать");
  EXPECT_FALSE(Shortcut('R', true) && Probe().Search().Replace_Open) << "Ctrl+R must not open Replace";

  // Esc in the edit area closes only the dialog, whatever the Esc setting says.
  const bool escape = Probe().Settings().Escape_Closes;
  Probe().Settings().Escape_Closes = true;
  SendMessageW(Probe().Edit().Handle(), WM_CHAR, VK_ESCAPE, 1);
  Probe().Settings().Escape_Closes = escape;
  MSG close{};
  EXPECT_FALSE(PeekMessageW(&close, Probe().Handle(), WM_CLOSE, WM_CLOSE, PM_REMOVE));
  Pump();
  EXPECT_TRUE(IsWindow(Probe().Handle()));
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_FALSE(Probe().Search().Find_Open);
  EXPECT_FALSE(Grayed(IDM_Replace));
  EXPECT_TRUE(Shortcut('C', true));
  EXPECT_EQ(Narrow(Caption(IDM_Copy)), "Копировать\tCtrl+C");
  const bool overwrite = (GetKeyState(VK_INSERT) & 1) != 0;
  EXPECT_EQ(Probe().Status().Text(kPanelMode), overwrite ? " Замена" : " Вставка");
}

TEST_F(Search_Main_Window, FindNextButtonSearchesCountsAndStoresTheText) {
  Load("Ёж, ёж и ЁЖ");
  Window().Command(IDM_Find);
  HWND dialog = Dialog(Search_Dialog::Find);
  ASSERT_TRUE(dialog);
  SetDlgItemTextW(dialog, edt1, L"ёж");
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(dialog, IDOK)));
  Pump();
  EXPECT_EQ(Sel(), std::make_pair(0, 2));
  EXPECT_TRUE(Probe().Search().Find_Next_Ready);
  EXPECT_EQ(Stored_Find_Text(), "ёж");
  EXPECT_EQ(GetFocus(), Probe().Edit().Handle());
  EXPECT_TRUE(Above_Main_Window(dialog));
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(dialog, IDOK)));
  Pump();
  EXPECT_EQ(Sel(), std::make_pair(4, 6));
  EXPECT_EQ(Probe().Search().Search_Count, 2);
  EXPECT_EQ(Probe().Status().Text(kPanelMode), " Всего найдено: 2");

  // Match case: only the small letters match.
  CheckDlgButton(dialog, chx2, BST_CHECKED);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(chx2, BN_CLICKED), LPARAM(GetDlgItem(dialog, chx2)));
  Probe().Edit().Set_Selection(0, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(dialog, IDOK)));
  Pump();
  EXPECT_EQ(Sel(), std::make_pair(4, 6));

  // F3 repeats with the dialog's text and options, open or closed.
  Probe().Searches().Close_Find_Dialog();
  Pump();
  Probe().Edit().Set_Selection(0, 0);
  Window().Command(IDM_Find_Next);
  Pump();
  EXPECT_EQ(Sel(), std::make_pair(4, 6));
}

TEST_F(Search_Main_Window, FindDialogReopensWithTheStoredText) {
  WritePrivateProfileStringW(L"Find", L"Text", L"прошлое",
                             Wide(Settings_File_Path(Probe().Exe_Path())).c_str());
  Load("текст");
  Window().Command(IDM_Find);
  ASSERT_TRUE(Dialog(Search_Dialog::Find));
  EXPECT_EQ(Narrow(Field(Dialog(Search_Dialog::Find), edt1)), "прошлое");
}

TEST_F(Search_Main_Window, ReplaceAllCountsInTheStatusBarAndAsksTheTwoLineQuestion) {
  Load("кот, кот и кот", 0, 3);
  Window().Command(IDM_Replace);
  HWND dialog = Dialog(Search_Dialog::Replace);
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(Probe().Search().Replace_Open);
  EXPECT_TRUE(Grayed(IDM_Find));
  EXPECT_EQ(Narrow(Field(dialog, edt1)), "кот");
  EXPECT_EQ(GetFocus(), Probe().Edit().Handle());
  EXPECT_FALSE(Shortcut('V', true));
  SetDlgItemTextW(dialog, edt2, L"пёс");
  std::vector<std::wstring> texts;
  const auto replace_all = [dialog] {
    return SendMessageTimeoutW(dialog, WM_COMMAND, MAKEWPARAM(psh2, BN_CLICKED),
                               LPARAM(GetDlgItem(dialog, psh2)), SMTO_NORMAL, 3000, nullptr);
  };
  bool clicked_again = false;
  {
    // Replace all, pressed again while the first runs (the run lets posted
    // messages through after each replacement) and while its question
    // stands, does not start a second run inside the first.
    Modal_Player player(IDCANCEL, nullptr, [&] { clicked_again = replace_all() != 0; });
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(psh2, BN_CLICKED), LPARAM(GetDlgItem(dialog, psh2)));
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(psh2, BN_CLICKED), LPARAM(GetDlgItem(dialog, psh2)));
    texts = player.texts;
  }
  EXPECT_TRUE(clicked_again);
  Pump();
  EXPECT_EQ(Win1251_To_Utf8(Probe().Edit().Text()), "пёс, пёс и пёс");
  EXPECT_EQ(Probe().Search().Search_Count, 3);
  EXPECT_EQ(Probe().Status().Text(kPanelMode), " Всего замен: 3");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(Narrow(texts[0]),
            "Усе шо было заменил. А может и вообще не нашел,\nчто менять...! Попытаться менять сначала?");
  EXPECT_EQ(Sel(), std::make_pair(Probe().Edit().Text_Length(), Probe().Edit().Text_Length()));
  EXPECT_TRUE(IsWindowEnabled(Probe().Handle()));
  EXPECT_TRUE(Above_Main_Window(dialog));

  // A replacement Windows-1251 cannot hold is refused, never put in as '?'.
  SetDlgItemTextW(dialog, edt1, L"\u043F");
  SetDlgItemTextW(dialog, edt2, L"\u4E2D");
  {
    Modal_Player player(IDOK);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(psh2, BN_CLICKED), LPARAM(GetDlgItem(dialog, psh2)));
    texts = player.texts;
  }
  EXPECT_EQ(Win1251_To_Utf8(Probe().Edit().Text()), "пёс, пёс и пёс");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(Narrow(texts[0]), Search_Outside_Win1251_Notice("中"));

  // The whole replacement is one undo step.
  Window().Command(IDM_Undo);
  EXPECT_EQ(Win1251_To_Utf8(Probe().Edit().Text()), "кот, кот и кот");

  Probe().Searches().Close_Replace_Dialog();
  Pump();
  EXPECT_FALSE(Probe().Search().Replace_Open);
  EXPECT_FALSE(Grayed(IDM_Find));
  EXPECT_TRUE(Shortcut('A', true));
}

TEST_F(Search_Main_Window, ReplaceWithoutSelectionStartsEmptyAndKeepsTheFocus) {
  Load("abc abc", 2, 2);
  Window().Command(IDM_Replace);
  HWND dialog = Dialog(Search_Dialog::Replace);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(Field(dialog, edt1), L"");
  SetDlgItemTextW(dialog, edt1, L"abc");
  SetDlgItemTextW(dialog, edt2, L"X");
  // Replace with nothing selected only finds the next match.
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(psh1, BN_CLICKED), LPARAM(GetDlgItem(dialog, psh1)));
  Pump();
  EXPECT_EQ(Sel(), std::make_pair(4, 7));
  std::vector<std::wstring> texts;
  {
    // The replacement, then nothing more to find: the question, Cancel.
    Modal_Player player(IDCANCEL);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(psh1, BN_CLICKED), LPARAM(GetDlgItem(dialog, psh1)));
    texts = player.texts;
  }
  Pump();
  EXPECT_EQ(Probe().Edit().Text(), "abc X");
  EXPECT_EQ(Sel(), std::make_pair(4, 5));
  EXPECT_EQ(Probe().Search().Search_Count, 1);
  EXPECT_EQ(texts.size(), 1u);
}

// The dialogs belong to the main window: above it after its message boxes
// and input box, gone with it to the tray and back with it, and a hidden one
// leaves Esc to the edit area.
TEST_F(Search_Main_Window, DialogsStayAboveTheMainWindowAndGoWithIt) {
  Load("один\rдва");
  Window().Command(IDM_Find);
  HWND dialog = Dialog(Search_Dialog::Find);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), Probe().Handle());
  EXPECT_EQ(Go_To_Line_Typing(L"abc").size(), 1u);  // the input box, then its notice
  Settle();
  EXPECT_TRUE(Above_Main_Window(dialog));

  Probe().Settings().Minimize_To_Tray = true;
  SendMessageW(Probe().Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Settle();
  EXPECT_FALSE(IsWindowVisible(Probe().Handle()));
  EXPECT_FALSE(IsWindowVisible(dialog));
  SendMessageW(Probe().Handle(), kTrayCallback, 1, WM_LBUTTONUP);
  Settle();
  EXPECT_TRUE(IsWindowVisible(dialog));
  // Under Wine the window system's own order reaches the program a while
  // after the windows show, and may put the main window on top again.
  EXPECT_TRUE(Wait_Until([dialog] { return Above_Main_Window(dialog); }, 2000));
  EXPECT_EQ(GetActiveWindow(), Probe().Handle());

  ShowWindow(dialog, SW_HIDE);
  Probe().Settings().Escape_Closes = true;
  SendMessageW(Probe().Edit().Handle(), WM_CHAR, VK_ESCAPE, 1);
  MSG close{};
  EXPECT_TRUE(PeekMessageW(&close, Probe().Handle(), WM_CLOSE, WM_CLOSE, PM_REMOVE));
  EXPECT_TRUE(IsWindow(dialog));
}

TEST_F(Search_Main_Window, GoToLineAsksInItsOwnInputBox) {
  Load("один\r  два\rтри");
  int input_boxes = 0;
  EXPECT_TRUE(Go_To_Line_Typing(L"2", &input_boxes).empty());
  EXPECT_EQ(input_boxes, 1);
  EXPECT_EQ(Sel(), std::make_pair(7, 7));
  Go_To_Line_Typing(nullptr);
  EXPECT_EQ(Sel(), std::make_pair(7, 7));
  const std::vector<std::wstring> texts = Go_To_Line_Typing(L"12abc");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(Narrow(texts[0]), "Введено что-то совсем несуразное!");
  EXPECT_EQ(Sel(), std::make_pair(7, 7));
}

}  // namespace
