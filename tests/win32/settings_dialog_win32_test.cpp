// The settings dialog in the real program's windows: its layout, and OK,
// Cancel and the title-bar close driven from inside its modal loop, with the
// bindings checked in the real HKEY_CLASSES_ROOT through the wide API.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/command_ids.h"
#include "app/win32/main_window.h"
#include "test_main_window.h"
#include "platform/win32/platform_win32.h"
#include "platform/win32/registry_win32.h"
#include "settings/win32/settings_dialog.h"
#include "settings/win32/settings_ids.h"

namespace {

std::optional<std::wstring> Raw_Default(const std::wstring& key) {
  HKEY open = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &open) != ERROR_SUCCESS) return std::nullopt;
  wchar_t buffer[1024] = {};
  DWORD size = sizeof buffer - sizeof(wchar_t);
  DWORD type = 0;
  const LONG rc = RegQueryValueExW(open, L"", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(open);
  if (rc != ERROR_SUCCESS || type != REG_SZ) return std::wstring(L"<no value>");
  return std::wstring(buffer);
}

std::wstring Text_Of(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

HWND Dialog() { return Probe().Settings_Box().Handle(); }

// What the user does while the dialog is up; runs inside its modal loop.
std::function<void(HWND)> user;
bool user_ran = false;

void CALLBACK Run_User(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  user_ran = true;
  user(Dialog());
}

void Options_With(std::function<void(HWND)> actions) {
  user = std::move(actions);
  user_ran = false;
  SetTimer(nullptr, 0, 50, Run_User);
  Probe().Settings_Box().Show();
  EXPECT_TRUE(user_ran);
  EXPECT_FALSE(IsWindowVisible(Dialog()));
  EXPECT_TRUE(IsWindowEnabled(Probe().Handle()));
}

void Click(HWND dialog, int id) {
  HWND box = GetDlgItem(dialog, id);
  CheckDlgButton(dialog, id, IsDlgButtonChecked(dialog, id) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(box));
}

void Press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

class SettingsDialogWin32 : public Main_Window_Test {};

TEST_F(SettingsDialogWin32, PagesCaptionsAndRanges) {
  HWND dialog = Dialog();
  ASSERT_TRUE(dialog);
  EXPECT_EQ(Text_Of(dialog), L" Настройки");
  const LONG ex = GetWindowLongW(dialog, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_TOPMOST);
  EXPECT_TRUE(ex & WS_EX_CONTEXTHELP);
  // The title bar's "?" button is drawn only beside the close button alone.
  const LONG style = GetWindowLongW(dialog, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

  HWND pages = GetDlgItem(dialog, IDC_PageControl);
  ASSERT_EQ(SendMessageW(pages, TCM_GETITEMCOUNT, 0, 0), 2);
  const wchar_t* tabs[] = {L"Настройки", L"Звуки"};
  for (int i = 0; i < 2; ++i) {
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(pages, TCM_GETITEMW, i, LPARAM(&item));
    EXPECT_STREQ(text, tabs[i]);
  }
  const wchar_t* types[] = {L"TXT", L"INI", L"DIZ", L"CFG", L"LOG", L"BAT", L"REG", L"RU", L"NFO", L"BAK"};
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(Text_Of(GetDlgItem(dialog, IDC_CheckBox_First + i)),
              std::wstring(L"привязать к файлам  - ") + types[i]);
  EXPECT_EQ(Text_Of(GetDlgItem(dialog, IDC_Group_Types)), L" Типы файлов ");
  EXPECT_EQ(Text_Of(GetDlgItem(dialog, IDC_Group_Misc)), L" Разное ");
  EXPECT_EQ(Text_Of(GetDlgItem(dialog, IDC_Group_Sounds)), L" Управление звуком ");
  EXPECT_EQ(Text_Of(GetDlgItem(dialog, IDOK)), L"Ок");
  EXPECT_EQ(Text_Of(GetDlgItem(dialog, IDCANCEL)), L"Отмена");

  int low = -1, high = -1;
  SendDlgItemMessageW(dialog, IDC_Undo_Limit_Spin, UDM_GETRANGE32, WPARAM(&low), LPARAM(&high));
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 65535);
  EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_Layout_Mode, TBM_GETRANGEMIN, 0, 0), 1);
  EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_Layout_Mode, TBM_GETRANGEMAX, 0, 0), 4);
}

// Every caption fits its control at the dialog's font.
TEST_F(SettingsDialogWin32, CaptionsAreNotClipped) {
  HWND dialog = Dialog();
  HDC dc = GetDC(dialog);
  HGDIOBJ old = SelectObject(dc, HFONT(SendMessageW(dialog, WM_GETFONT, 0, 0)));
  const int check_mark = GetSystemMetrics(SM_CXMENUCHECK) + 6;
  int measured = 0;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t cls[32] = {};
    GetClassNameW(child, cls, 32);
    const std::wstring text = Text_Of(child);
    if (text.empty() || (lstrcmpiW(cls, L"Button") != 0 && lstrcmpiW(cls, L"Static") != 0)) continue;
    const LONG type = GetWindowLongW(child, GWL_STYLE) & 0xF;
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
    RECT r{};
    GetClientRect(child, &r);
    const bool box = lstrcmpiW(cls, L"Button") == 0 && (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX);
    EXPECT_LE(extent.cx + (box ? check_mark : 0), r.right) << Narrow(text);
    EXPECT_LE(extent.cy, r.bottom + 2) << Narrow(text);
    ++measured;
  }
  EXPECT_GE(measured, 30);  // boxes, labels, groups and buttons of both pages
  for (const wchar_t* longest : {L"всегда запоминается при выходе"}) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, longest, lstrlenW(longest), &extent);
    RECT r{};
    GetClientRect(GetDlgItem(dialog, IDC_Layout_Label), &r);
    EXPECT_LE(extent.cx + 1, r.right);
  }
  SelectObject(dc, old);
  ReleaseDC(dialog, dc);
}

class SettingsDialogBindings : public Main_Window_Test {
 protected:
  void SetUp() override {
    Main_Window_Test::SetUp();
    txt_existed = registry.Key_Exists(".txt");
    txt_value = registry.Read_String(".txt", "");
    Remove_Program_Keys();
  }
  void TearDown() override {
    Main_Window_Test::TearDown();
    Remove_Program_Keys();
    if (!txt_existed)
      registry.Delete_Key(".txt");
    else if (txt_value)
      registry.Write_String(".txt", "", *txt_value);
  }
  void Remove_Program_Keys() {
    registry.Delete_Key("TXT_Lirovant_Store");
    registry.Delete_Key("TXT_Lirovant_ZMK");
  }

  Win32_Registry registry;
  bool txt_existed = false;
  std::optional<std::string> txt_value;
};

TEST_F(SettingsDialogBindings, TickTxtOkBindsUntickOkRestores) {
  if (!txt_value || txt_value->empty()) registry.Write_String(".txt", "", "txtfile");
  const std::wstring before = *Raw_Default(L".txt");

  Options_With([](HWND dialog) {
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_CheckBox_TXT), UINT(BST_UNCHECKED));
    Click(dialog, IDC_CheckBox_TXT);
    Press(dialog, IDOK);
  });
  const std::wstring command = L"\"" + Wide(Executable_Path()) + L"\" \"%1\"";
  EXPECT_EQ(Raw_Default(L".txt"), L"TXT_Lirovant_ZMK");
  EXPECT_EQ(Raw_Default(L"TXT_Lirovant_Store"), before);
  EXPECT_EQ(Raw_Default(L"TXT_Lirovant_ZMK"), L"Файл TXT");
  EXPECT_EQ(Raw_Default(L"TXT_Lirovant_ZMK\\DefaultIcon"), L"\"" + Wide(Executable_Path()) + L"\",1");
  EXPECT_EQ(Raw_Default(L"TXT_Lirovant_ZMK\\shell\\open\\command"), command);
  EXPECT_EQ(Raw_Default(L"TXT_Lirovant_ZMK\\shell\\edit\\command"), command);
  EXPECT_EQ(Raw_Default(L"TXT_Lirovant_ZMK\\shell\\edit"), L"&Изменить");

  Options_With([](HWND dialog) {
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_CheckBox_TXT), UINT(BST_CHECKED));
    Click(dialog, IDC_CheckBox_TXT);
    Press(dialog, IDOK);
  });
  EXPECT_EQ(Raw_Default(L".txt"), before);
  EXPECT_FALSE(Raw_Default(L"TXT_Lirovant_Store"));
  EXPECT_FALSE(Raw_Default(L"TXT_Lirovant_ZMK"));
}

TEST_F(SettingsDialogBindings, CancelAndUntouchedOkLeaveRegistryAlone) {
  Options_With([](HWND dialog) {
    Click(dialog, IDC_CheckBox_TXT);
    Press(dialog, IDCANCEL);
  });
  EXPECT_FALSE(Raw_Default(L"TXT_Lirovant_ZMK"));
  Options_With([](HWND dialog) {
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_CheckBox_TXT), UINT(BST_UNCHECKED));
    Press(dialog, IDOK);
  });
  EXPECT_FALSE(Raw_Default(L"TXT_Lirovant_Store"));
}

TEST_F(SettingsDialogWin32, CancelRestoresTitleBarCloseKeeps) {
  Probe().Settings().Minimize_To_Tray = false;
  Probe().Settings().Layout_Mode = 1;
  Options_With([](HWND dialog) {
    Click(dialog, IDC_Minimize_To_Tray);
    SendDlgItemMessageW(dialog, IDC_Layout_Mode, TBM_SETPOS, TRUE, 3);
    SendMessageW(dialog, WM_HSCROLL, TB_ENDTRACK, LPARAM(GetDlgItem(dialog, IDC_Layout_Mode)));
    // The move is handled once the slider's own handling has returned; the
    // label then blinks and ends shown with the new mode's text.
    HWND label = GetDlgItem(dialog, IDC_Layout_Label);
    EXPECT_TRUE(
        Wait_Until([label] { return Text_Of(label) == L"всегда английская" && IsWindowVisible(label); }));
    Press(dialog, IDCANCEL);
  });
  EXPECT_FALSE(Probe().Settings().Minimize_To_Tray);
  EXPECT_EQ(Probe().Settings().Layout_Mode, 1);
  HWND dialog = Dialog();
  EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_Layout_Mode, TBM_GETPOS, 0, 0), 1);
  EXPECT_EQ(Text_Of(GetDlgItem(dialog, IDC_Layout_Label)), L"всегда по умолчанию");

  const int32_t undo = Probe().Edit().Undo_Limit();
  Options_With([](HWND dialog) {
    Click(dialog, IDC_Minimize_To_Tray);
    SetDlgItemTextW(dialog, IDC_Undo_Limit, L"77");
    SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  EXPECT_TRUE(Probe().Settings().Minimize_To_Tray);
  EXPECT_EQ(Probe().Edit().Undo_Limit(), undo);
  Probe().Settings().Minimize_To_Tray = false;
}

void Turn_To_Page(HWND dialog, int page) {
  HWND pages = GetDlgItem(dialog, IDC_PageControl);
  SendMessageW(pages, TCM_SETCURSEL, page, 0);
  NMHDR header{pages, IDC_PageControl, UINT(TCN_SELCHANGE)};
  SendMessageW(dialog, WM_NOTIFY, IDC_PageControl, LPARAM(&header));
}

bool turned_away = false;

// The user turns to "Звуки" while the slider's label still blinks: the blink
// goes on unseen there, and the label comes back with its own page only.
TEST_F(SettingsDialogWin32, TheLayoutLabelShowsOnItsOwnPageOnly) {
  Options_With([](HWND dialog) {
    HWND label = GetDlgItem(dialog, IDC_Layout_Label);
    turned_away = false;
    // The blink runs the messages itself: the turn comes in the middle of it.
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR timer, DWORD) {
      KillTimer(nullptr, timer);
      Turn_To_Page(Dialog(), 1);
      turned_away = true;
    });
    SendDlgItemMessageW(dialog, IDC_Layout_Mode, TBM_SETPOS, TRUE, 3);
    SendMessageW(dialog, WM_HSCROLL, TB_ENDTRACK, LPARAM(GetDlgItem(dialog, IDC_Layout_Mode)));
    // Seen once the blink that took the turn has returned.
    ASSERT_TRUE(Wait_Until([] { return turned_away; }));
    EXPECT_FALSE(IsWindowVisible(label));
    Turn_To_Page(dialog, 0);
    EXPECT_TRUE(IsWindowVisible(label));
    EXPECT_EQ(Text_Of(label), L"всегда английская");
    Press(dialog, IDCANCEL);
  });
}

TEST_F(SettingsDialogWin32, OkAppliesStatusBarAndUndoLimit) {
  Options_With([](HWND dialog) {
    CheckDlgButton(dialog, IDC_Status_Bar, BST_UNCHECKED);
    SetDlgItemTextW(dialog, IDC_Undo_Limit, L"90");
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_Recognize_Page), UINT(BST_UNCHECKED));
    CheckDlgButton(dialog, IDC_Recognize_Page, BST_CHECKED);
    Press(dialog, IDOK);
  });
  EXPECT_TRUE(Probe().Settings().Recognize_Page_On_Open);
  EXPECT_FALSE(Probe().Settings().Show_Status_Bar);
  EXPECT_FALSE(IsWindowVisible(Probe().Status().Handle()));
  EXPECT_EQ(GetMenuState(Probe().Menu(), IDM_Time_Date_Separator, MF_BYCOMMAND), UINT(-1));
  EXPECT_EQ(Probe().Edit().Undo_Limit(), 90);

  Options_With([](HWND dialog) {
    EXPECT_EQ(GetDlgItemInt(dialog, IDC_Undo_Limit, nullptr, FALSE), 90u);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_Recognize_Page), UINT(BST_CHECKED));
    CheckDlgButton(dialog, IDC_Status_Bar, BST_CHECKED);
    CheckDlgButton(dialog, IDC_Recognize_Page, BST_UNCHECKED);
    Press(dialog, IDOK);
  });
  EXPECT_FALSE(Probe().Settings().Recognize_Page_On_Open);
  EXPECT_TRUE(IsWindowVisible(Probe().Status().Handle()));
  EXPECT_NE(GetMenuState(Probe().Menu(), IDM_Time_Date_Separator, MF_BYCOMMAND), UINT(-1));
}

TEST_F(SettingsDialogWin32, SoundRowFollowsItsBox) {
  HWND dialog = Dialog();
  Probe().Settings().Sound_On[2] = false;
  Options_With([](HWND dialog) {
    const int row = IDC_Sound_Row_First + 2 * IDC_Sound_Row_Step;
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, row + IDC_Row_Edit)));
    Click(dialog, row + IDC_Row_Sound);
    for (int part : {IDC_Row_Label, IDC_Row_Edit, IDC_Row_Button, IDC_Row_BitBtn})
      EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, row + part))) << part;
    Press(dialog, IDOK);
  });
  EXPECT_TRUE(Probe().Settings().Sound_On[2]);
  (void)dialog;
  Probe().Settings().Sound_On[2] = false;
}

}  // namespace
