// The shell against the real platform: the profile functions, the RichEdit
// control, the menus and the status bar of the real main window.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "common/command_ids.h"
#include "common/ini_file.h"
#include "app/startup_settings.h"
#include "app/win32/main_window.h"
#include "platform/win32/profile_win32.h"
#include "test_main_window.h"
#include "common/win1251_unicode.h"

namespace {

std::string Temp_Folder(const char* name) {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  std::string folder = Narrow(base) + name;
  CreateDirectoryW(Wide(folder).c_str(), nullptr);
  return folder + "\\";
}

std::string Slurp(const std::string& path) {
  std::ifstream in(Wide(path).c_str(), std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The same steps through a profile: a search text, a whole close, a second
// close with other values and a key written in other letter case.
void Run_Profile_Steps(Profile& profile) {
  Settings_File file(profile);
  file.Write_String("Find", "Text", "Введите слово или фразу");
  Close_State state;
  state.Dialog_Path = "C:\\Документы\\отчёт.txt";
  state.Layout_Name = "00000419";
  state.Model.Sound_File = {"Sound\\Zapusk.wav", "", "x.wav", "y.wav", "z.wav"};
  state.Files.Names[0] = "C:\\a.txt";
  for (auto& p : state.Files.Positions) p = "0";
  Write_Close_Settings(file, state);
  state.Bounds = {100, 120, 500, 600};
  state.Maximized = true;
  state.Font.Name = "Lucida Console";
  state.Files.Names[1] = "D:\\b b.txt";
  Write_Close_Settings(file, state);
  file.Write_String("SIZE", "top", "7");
}

// The system's side lies in a folder whose name Windows-1251 cannot hold.
TEST(ProfileFile, PortableFileAndSystemProfileWriteTheSameBytes) {
  const std::string greek = Temp_Folder("lirovant_profile_Ωμέγα");
  const std::string system_path = greek + "Lirovant.ini";
  const std::string portable_path = Temp_Folder("lirovant_profile") + "portable.ini";
  DeleteFileW(Wide(system_path).c_str());
  DeleteFileW(Wide(portable_path).c_str());

  Win32_Profile system(system_path);
  Run_Profile_Steps(system);
  Ini_File portable(portable_path);
  Run_Profile_Steps(portable);

  const std::string a = Slurp(system_path), b = Slurp(portable_path);
  ASSERT_FALSE(a.empty());
  EXPECT_EQ(a, b);
  // And each reads back what the other wrote.
  Settings_File from_system(system), from_portable(portable);
  EXPECT_EQ(from_system.Read_String("Find", "Text", ""), "Введите слово или фразу");
  EXPECT_EQ(from_portable.Read_Integer("Size", "Top", 0), 7);
  EXPECT_EQ(from_system.Read_String("Font", "FontName", ""), "Lucida Console");
  EXPECT_TRUE(from_system.Key_Exists("Poziciya_Store", "Poziciya_Kursora_8"));
  EXPECT_FALSE(from_system.Key_Exists("Poziciya_Store", "Poziciya_Kursora_9"));
  EXPECT_EQ(from_system.Read_String("File_Store", "FileName3", "absent"), "");

  // A batch reaches the file only at its commit, whole, and leaves no copy beside it.
  Win32_Profile batch(system_path);
  batch.Begin_Batch();
  Settings_File batched(batch);
  batched.Write_Integer("Size", "Top", 9);
  batched.Write_String("Size", "Path", "C:\\Ωμέγα");
  EXPECT_EQ(Slurp(system_path), a);
  batched.Commit();
  Win32_Profile after(system_path);
  EXPECT_EQ(Settings_File(after).Read_Integer("Size", "Top", 0), 9);
  EXPECT_EQ(Settings_File(after).Read_String("Size", "Path", ""), "C:\\Ωμέγα");
  EXPECT_EQ(Files_In(greek), std::vector<std::string>{"Lirovant.ini"});
}

TEST(ProfileFile, RefusedWriteReportsTheFile) {
  Win32_Profile profile("Z:\\no\\such\\folder\\Lirovant.ini");
  Settings_File file(profile);
  EXPECT_THROW(file.Write_Integer("Size", "Top", 1), Settings_Write_Error);
}

class MainWindow : public Main_Window_Test {
 protected:
  bool Shown() const override { return false; }
  static std::string Panel(int n) {
    wchar_t text[256] = {};
    SendMessageW(Probe().Status().Handle(), SB_GETTEXTW, n, LPARAM(text));
    return Narrow(text);
  }
  static std::string Menu_Text(int id) { return Narrow(Visible_Caption(Probe().Menu(), UINT(id))); }
  static bool Grayed(int id) { return GetMenuState(Probe().Menu(), id, MF_BYCOMMAND) & MF_GRAYED; }
};

// Other suites share this window and change its font and settings, so this
// checks that the edit area shows Text_Font, not that Text_Font is the default.
TEST_F(MainWindow, TheEditAreaShowsTextFontAndTheStatusBarHasItsSixPanels) {
  // A window with room for them all gives the panels their widths of old.
  SetWindowPos(Probe().Handle(), nullptr, 0, 0, 1000, 300, SWP_NOMOVE | SWP_NOZORDER);
  std::vector<int> parts(8);
  ASSERT_EQ(SendMessageW(Probe().Status().Handle(), SB_GETPARTS, 8, LPARAM(parts.data())), 6);
  EXPECT_EQ(parts, (std::vector<int>{130, 260, 410, 616, 666, 746, 0, 0}));
  // The last panel shows the document's file encoding and its line ends
  // where they are not CR LF; New makes it WIN. The mode panel marks
  // unsaved changes, and Insert keeps the mark.
  Probe().Doc().Encoding = File_Encoding::Utf16_Be;
  Probe().Doc().Ends = Line_End::Lf;
  Probe().Doc().Mixed_Ends = true;
  Window().Refresh_Status();
  EXPECT_EQ(Panel(kPanelEncoding), " UTF-16 BE LF (смеш.)");
  Probe().Edit().Set_Modified(false);
  Window().Command(IDM_New);
  EXPECT_EQ(Probe().Doc().Encoding, File_Encoding::Win);
  EXPECT_EQ(Panel(kPanelEncoding), " WIN");
  EXPECT_EQ(Panel(kPanelMode), " Вставка");
  SendMessageW(Probe().Edit().Handle(), WM_CHAR, 'x', 1);
  EXPECT_EQ(Panel(kPanelMode), " Вставка *");
  Probe().Status().Set_Text(kPanelMode, Insert_Key_Toggle(Probe().Status().Text(kPanelMode)));
  EXPECT_EQ(Panel(kPanelMode), " Замена *");
  Probe().Status().Set_Text(kPanelMode, Insert_Key_Toggle(Probe().Status().Text(kPanelMode)));
  Probe().Edit().Set_Modified(false);
  Window().Command(IDM_Select_All);
  EXPECT_EQ(Panel(kPanelMode), " Вставка");
  Window().Reset_Editor();
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  SendMessageW(Probe().Edit().Handle(), EM_GETCHARFORMAT, SCF_DEFAULT, LPARAM(&format));
  EXPECT_EQ(format.yHeight, Probe().Look().Font.Size * 20);
  EXPECT_EQ(format.bCharSet, Probe().Look().Font.Charset);
  EXPECT_EQ(Narrow(format.szFaceName), Probe().Look().Font.Name);
}

// The default 400 by 300 window, at 96 DPI and after moves to monitors of
// 144 and 192: the bar's font and height follow, every panel shows the
// widest of its usual texts whole, and none runs under the sizing grip. The
// edit area's text is zoomed from the system's DPI to the window's.
TEST_F(MainWindow, StatusPanelsShowTheirTextsWholeInTheDefaultWindowAtEveryScale) {
  HWND bar = Probe().Status().Handle();
  for (int dpi : {96, 144, 192, 96}) {
    RECT place{80, 80, 80 + MulDiv(400, dpi, 96), 80 + MulDiv(300, dpi, 96)};
    SendMessageW(Probe().Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&place));
    Probe().Status().Set_Text(kPanelLine, " Строка: 1234: 56");
    Probe().Status().Set_Text(kPanelCount, " Всего строк: 1234");
    Probe().Status().Set_Text(kPanelMode, " Всего замен: 3");
    Probe().Status().Set_Text(kPanelEncoding, " UTF-16 LE");
    HFONT font = HFONT(SendMessageW(bar, WM_GETFONT, 0, 0));
    LOGFONTW look{};
    GetObjectW(font, sizeof look, &look);
    EXPECT_EQ(look.lfHeight, -MulDiv(11, dpi, 96)) << dpi;
    EXPECT_GE(Probe().Status().Height(), MulDiv(19, dpi, 96)) << dpi;
    RECT client{};
    GetClientRect(bar, &client);
    const int grip =
        GetWindowLongW(bar, GWL_STYLE) & SBARS_SIZEGRIP ? MulDiv(GetSystemMetrics(SM_CXVSCROLL), dpi, 96) : 0;
    HDC dc = GetDC(bar);
    HGDIOBJ old = SelectObject(dc, font);
    for (int panel : {kPanelLine, kPanelCount, kPanelMode, kPanelEncoding}) {
      const std::wstring text = Wide(Probe().Status().Text(panel));
      SIZE size{};
      GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
      RECT r{};
      SendMessageW(bar, SB_GETRECT, panel, LPARAM(&r));
      EXPECT_GE(r.right - r.left, size.cx + MulDiv(8, dpi, 96)) << "panel " << panel << " at " << dpi;
      EXPECT_LE(r.right, client.right - grip) << panel << " at " << dpi;
    }
    SelectObject(dc, old);
    ReleaseDC(bar, dc);
    const LRESULT zoom =
        SendMessageW(Probe().Edit().Handle(), EM_GETZOOM, WPARAM(&place.left), LPARAM(&place.top));
    EXPECT_EQ(zoom && place.left != place.top, dpi != 96) << dpi;
  }
}

// Dropping a long document takes a new control, which must keep the old one's settings.
TEST_F(MainWindow, ResetEditorOnALongTextKeepsUndoLimitAndTakesNotifications) {
  Probe().Edit().Set_Undo_Limit(37);
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "line of the document\r";
  Probe().Edit().Set_Text(text);
  HWND before = Probe().Edit().Handle();
  Window().Reset_Editor();
  EXPECT_NE(Probe().Edit().Handle(), before);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(Probe().Edit().Text_Length(), 0);
  EXPECT_EQ(Probe().Edit().Undo_Limit(), 37);
  Probe().Edit().Set_Text(Utf8_To_Win1251("а\rб"));
  Probe().Edit().Set_Selection(2, 2);
  Pump();
  EXPECT_EQ(Panel(0), " Строка: 2: 0");  // the new control's selection change reached the window
  Probe().Edit().Set_Undo_Limit(50);
}

TEST_F(MainWindow, MenusCarryTheirCaptionsShortcutsAndInitialStates) {
  EXPECT_EQ(Menu_Text(IDM_New), "Создать\tCtrl+N");
  EXPECT_EQ(Menu_Text(IDM_Delete), "Удалить         Del");
  EXPECT_EQ(Menu_Text(IDM_DOS_WIN), "Перевести из DOS в WIN кодировку\tAlt+D");
  EXPECT_EQ(Menu_Text(IDM_MAC_ISO), "Перевести из MAC в ISO кодировку");
  EXPECT_EQ(Menu_Text(IDM_Smart_Format), "Умное форматирование");
  EXPECT_EQ(Menu_Text(IDM_Lines_Help), "Обязательно прочти Help !!!");
  EXPECT_EQ(Menu_Text(IDM_Recent_1), "Хм! Пока ничего не открывалось\tAlt+1");
  for (int id : {IDM_Undo, IDM_Redo, IDM_Copy, IDM_Cut, IDM_Paste, IDM_Delete, IDM_Retype_To_Russian,
                 IDM_Retype_To_Latin, IDM_Transliterate, IDM_Remove_Line_Breaks, IDM_Squeeze_Spaces,
                 IDM_Remove_Leading_Space, IDM_Tabs_To_Spaces, IDM_Remove_Trailing_Spaces, IDM_Add_Spaces,
                 IDM_Recent_1})
    EXPECT_TRUE(Grayed(id)) << id;
  EXPECT_EQ(GetMenuState(Probe().Menu(), IDM_Recent_1 + 1, MF_BYCOMMAND), UINT(-1));  // hidden
  EXPECT_FALSE(Grayed(IDM_Find));
  wchar_t title[64] = {};
  GetMenuStringW(Probe().Menu(), 0, title, 64, MF_BYPOSITION);
  EXPECT_STREQ(title, L"&Файл");
  EXPECT_EQ(GetMenuItemCount(Probe().Menu()), 7);
}

// The underlined letter of each item of `menu` and of its submenus, by menu;
// an item without one counts as the letter 0.
void Collect_Menu_Letters(HMENU menu, std::vector<std::vector<wchar_t>>& menus) {
  std::vector<wchar_t> letters;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, UINT(i), TRUE, &item);
    if (item.fType & MFT_SEPARATOR) continue;
    wchar_t text[256] = {};
    GetMenuStringW(menu, UINT(i), text, 256, MF_BYPOSITION);
    wchar_t letter = 0;
    for (const wchar_t* c = text; *c && *c != L'\t'; ++c)
      if (*c == L'&' && *++c != L'&') {
        letter = *c;
        break;
      }
    letters.push_back(letter ? wchar_t(uintptr_t(CharLowerW(LPWSTR(uintptr_t(letter))))) : 0);
    if (HMENU sub = GetSubMenu(menu, i)) Collect_Menu_Letters(sub, menus);
  }
  menus.push_back(letters);
}

TEST_F(MainWindow, EveryMenuItemHasALetterOfItsOwnInItsMenu) {
  Probe().History_List().Add("C:\\x.txt", 0);
  Probe().History_List().Add("C:\\y.txt", 0);
  Window().Fill_History_Menu();
  std::vector<std::vector<wchar_t>> menus;
  // The context and tray menus show their one popup, never its holder.
  for (HMENU menu :
       {Probe().Menu(), GetSubMenu(Probe().Context_Menu(), 0), GetSubMenu(Probe().Tray_Menu(), 0)})
    Collect_Menu_Letters(menu, menus);
  EXPECT_EQ(menus.size(), 15u);
  for (const auto& letters : menus) {
    for (size_t i = 0; i < letters.size(); ++i) {
      EXPECT_NE(letters[i], 0) << "menu of " << letters.size() << " items, item " << i;
      for (size_t k = i + 1; k < letters.size(); ++k) EXPECT_NE(letters[i], letters[k]) << i << " " << k;
    }
  }
  EXPECT_EQ(Menu_Text(IDM_Recent_2), "2. C:\\x.txt\tAlt+2");
  // F1 opens the help.
  EXPECT_EQ(Menu_Text(IDM_Help_Contents), "Помощь\tF1");
}

// How many separators stand right above "Время/Дата" in the "Правка" menu.
static int Separators_Above_Time_Date(HMENU menu) {
  HMENU edit = GetSubMenu(menu, 1);
  int position = GetMenuItemCount(edit) - 1;
  while (position >= 0 && GetMenuItemID(edit, position) != IDM_Time_Date) --position;
  int separators = 0;
  while (--position >= 0 && (GetMenuState(edit, position, MF_BYPOSITION) & MF_SEPARATOR)) ++separators;
  return separators;
}

TEST_F(MainWindow, StatusBarSeparatorFollowsTheStatusBar) {
  Window().Set_Status_Bar_Visible(false);
  EXPECT_EQ(GetMenuState(Probe().Menu(), IDM_Time_Date_Separator, MF_BYCOMMAND), UINT(-1));
  EXPECT_EQ(Separators_Above_Time_Date(Probe().Menu()), 0);
  Window().Set_Status_Bar_Visible(true);
  EXPECT_NE(GetMenuState(Probe().Menu(), IDM_Time_Date_Separator, MF_BYCOMMAND), UINT(-1));
  EXPECT_EQ(Separators_Above_Time_Date(Probe().Menu()), 1);
  Window().Set_Status_Bar_Visible(true);
  EXPECT_EQ(Separators_Above_Time_Date(Probe().Menu()), 1);
}

TEST_F(MainWindow, WorkingTextCrossesTheControlAsWindows1251WithCrBreaks) {
  std::string all;
  for (int b = 1; b < 256; ++b)
    if (b != '\n') all += char(b);
  Probe().Edit().Set_Text(all);
  EXPECT_EQ(Probe().Edit().Text(), all);
  Probe().Edit().Set_Text("abc\rdef\r");
  EXPECT_EQ(Probe().Edit().Text(), "abc\rdef\r");
  EXPECT_EQ(Probe().Edit().Text_Length(), 8);
}

TEST_F(MainWindow, StatusRefreshCountsLinesOfTheRealControl) {
  Probe().Edit().Set_Text("");
  Window().Refresh_Status();
  EXPECT_EQ(Panel(0), " Строка: 1: 0");
  EXPECT_EQ(Panel(1), " Всего строк: 1");
  Probe().Edit().Set_Text("abc\r");
  Probe().Edit().Set_Selection(3, 3);
  Pump();
  Window().Refresh_Status();
  EXPECT_EQ(Panel(0), " Строка: 1: 3");
  EXPECT_EQ(Panel(1), " Всего строк: 1");
  Probe().Edit().Set_Text(Utf8_To_Win1251("один\rдва\rтри"));
  Probe().Edit().Set_Selection(7, 7);
  Pump();
  EXPECT_EQ(Panel(0), " Строка: 2: 2");  // the selection change refreshed it
  EXPECT_EQ(Panel(1), " Всего строк: 3");
  // At the end, after a final break: the caret's line is never beyond the count.
  Probe().Edit().Set_Text(Utf8_To_Win1251("один\rдва\r"));
  Probe().Edit().Set_Selection(Probe().Edit().Text_Length(), Probe().Edit().Text_Length());
  Pump();
  EXPECT_EQ(Panel(0), " Строка: 3: 0");
  EXPECT_EQ(Panel(1), " Всего строк: 3");
}

// A search counter belongs to the text it counted in: with another document
// it starts again.
TEST_F(MainWindow, TheReplaceCounterStartsAgainWithAnotherDocument) {
  Probe().Search().Replace_Open = true;
  Probe().Search().Search_Count = 3;
  Window().Refresh_Status();
  EXPECT_EQ(Panel(2), " Всего замен: 3");
  Probe().Edit().Set_Modified(false);
  Window().Command(IDM_New);
  EXPECT_EQ(Panel(2), " Всего замен: 0");
  Probe().Search().Replace_Open = false;
}

TEST_F(MainWindow, WrappedLineCountFollowsMaximiseAndRestore) {
  if (!Probe().Look().Word_Wrap) Window().Command(IDM_Word_Wrap);
  std::string text;
  for (int i = 0; i < 300; ++i) text += "word ";
  Probe().Edit().Set_Text(text);
  const auto shown_count = [] { return " Всего строк: " + std::to_string(Probe().Edit().Line_Count()); };
  SetWindowPos(Probe().Handle(), nullptr, 0, 0, 400, 300, SWP_NOZORDER);
  Settle();
  Window().Refresh_Status();
  const std::string narrow = Panel(1);
  ShowWindow(Probe().Handle(), SW_MAXIMIZE);
  Settle();
  ASSERT_NE(shown_count(), narrow);
  EXPECT_EQ(Panel(1), shown_count());
  ShowWindow(Probe().Handle(), SW_RESTORE);
  Settle();
  EXPECT_EQ(Panel(1), narrow);
}

TEST_F(MainWindow, InsertKeyInTheEditAreaFlipsTheIndicator) {
  HWND edit = Probe().Edit().Handle();
  SetFocus(edit);
  Probe().Status().Set_Text(2, " Вставка");
  SendMessageW(edit, WM_KEYDOWN, VK_INSERT, 0x00520001);
  EXPECT_EQ(Panel(2), " Замена");
  SendMessageW(edit, WM_KEYDOWN, VK_INSERT, 0x00520001);
  EXPECT_EQ(Panel(2), " Вставка");
  Probe().Status().Set_Text(2, " Всего найдено: 3");
  SendMessageW(edit, WM_KEYDOWN, VK_INSERT, 0x00520001);
  EXPECT_EQ(Panel(2), " Всего найдено: 3");
  Probe().Status().Set_Text(2, " Вставка");
}

TEST_F(MainWindow, ClearingTheHistoryLeavesTheEmptyCaption) {
  Probe().History_List().Add("C:\\x.txt", 0);
  Window().Fill_History_Menu();
  EXPECT_EQ(Menu_Text(IDM_Recent_1), "1. C:\\x.txt\tAlt+1");
  EXPECT_FALSE(Grayed(IDM_Recent_1));
  Window().Command(IDM_Clear_History);
  EXPECT_EQ(Menu_Text(IDM_Recent_1), "Хм! Пока ничего не открывалось\tAlt+1");
  EXPECT_TRUE(Grayed(IDM_Recent_1));
}

}  // namespace
