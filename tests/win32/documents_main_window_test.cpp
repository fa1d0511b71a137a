// The document and edit commands inside the real main window: menu states,
// shortcuts, the clipboard and a recent-files load and save.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "common/command_ids.h"
#include "app/win32/main_window.h"
#include "test_main_window.h"
#include "documents/win32/document_host.h"
#include "platform/win32/file_writer_win32.h"
#include "platform/win32/platform_win32.h"
#include "common/win1251_unicode.h"
#include "box_answerer.h"
#include "test_clipboard.h"

namespace {

// Presses a shortcut as the message loop would hand it over.
bool Shortcut(WPARAM key, bool ctrl, bool shift = false) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = ctrl ? 0x80 : 0;
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  keys[VK_MENU] = 0;
  SetKeyboardState(keys);
  MSG msg{Probe().Edit().Handle(), WM_KEYDOWN, key, 0, 0, {0, 0}};
  const bool taken = Window().Translate_Shortcut(msg);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  return taken;
}

std::wstring Clipboard_Text() {
  std::wstring text;
  if (!Open_Clipboard(Probe().Handle())) return L"<busy>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// Counts and dismisses message boxes that a command should not have shown.
class Box_Watch {
 public:
  Box_Watch()
      : thread_([this] {
          while (!stop_) {
            HWND box = FindWindowW(L"#32770", nullptr);
            DWORD pid = 0;
            if (box) GetWindowThreadProcessId(box, &pid);
            if (box && pid == GetCurrentProcessId() && IsWindowVisible(box)) {
              ++shown_;
              PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
              PostMessageW(box, WM_CLOSE, 0, 0);
            }
            Sleep(50);
          }
        }) {}
  ~Box_Watch() {
    stop_ = true;
    thread_.join();
  }
  int Shown() const { return shown_; }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<int> shown_{0};
  std::thread thread_;
};

bool Enabled(int id) {
  HMENU root =
      GetMenuState(Probe().Menu(), id, MF_BYCOMMAND) != UINT(-1) ? Probe().Menu() : Probe().Context_Menu();
  return !(GetMenuState(root, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
}

void Set_Document(const std::string& text, int32_t start, int32_t end) {
  Probe().Edit().Set_Text(text);
  Probe().Edit().Set_Selection(start, end);
  Probe().Edit().Set_Modified(false);
}

class DocumentsMainWindow : public Main_Window_Test {};

TEST_F(DocumentsMainWindow, ShortcutOfADisabledItemDoesNothingAndTheKeyStops) {
  Put_Clipboard_Text(Probe().Handle(), L"before");
  Set_Document("hello world", 5, 5);
  EXPECT_TRUE(Shortcut('C', true));
  EXPECT_FALSE(Enabled(IDM_Copy));
  EXPECT_EQ(Clipboard_Text(), L"before");
  EXPECT_TRUE(Shortcut('X', true));
  EXPECT_EQ(Probe().Edit().Text(), "hello world");

  Probe().Edit().Set_Selection(0, 5);
  EXPECT_TRUE(Shortcut('C', true));
  EXPECT_TRUE(Enabled(IDM_Copy));
  EXPECT_EQ(Clipboard_Text(), L"hello");
}

TEST_F(DocumentsMainWindow, OpeningEventsFollowSelectionClipboardAndUndo) {
  Put_Clipboard_Text(Probe().Handle(), L"x");
  Set_Document("abc", 1, 1);
  Window().Menu_Opening(GetSubMenu(Probe().Menu(), 1));
  EXPECT_TRUE(Enabled(IDM_Paste));
  EXPECT_TRUE(Enabled(IDM_Context_Paste));
  EXPECT_FALSE(Enabled(IDM_Copy));
  EXPECT_FALSE(Enabled(IDM_Delete));
  EXPECT_FALSE(Enabled(IDM_Undo));
  EXPECT_TRUE(Enabled(IDM_Select_All));

  Probe().Edit().Set_Selection(0, 2);
  Probe().Edit().Replace_Selection("Z");  // undoable
  Probe().Edit().Set_Selection(0, 1);
  HMENU popup = GetSubMenu(Probe().Context_Menu(), 0);
  Window().Menu_Opening(popup);
  EXPECT_TRUE(Enabled(IDM_Context_Undo));
  EXPECT_TRUE(Enabled(IDM_Context_Cut));
  EXPECT_TRUE(Enabled(IDM_Context_Delete));
  HMENU stroki = GetSubMenu(Probe().Menu(), 3);
  Window().Menu_Opening(stroki);
  EXPECT_TRUE(Enabled(IDM_Tabs_To_Spaces));
  EXPECT_TRUE(Enabled(IDM_Add_Spaces));
  Probe().Edit().Set_Selection(1, 1);
  Window().Menu_Opening(stroki);
  EXPECT_FALSE(Enabled(IDM_Remove_Line_Breaks));
  EXPECT_TRUE(Enabled(IDM_Smart_Format));
  EXPECT_TRUE(Enabled(IDM_Go_To_Line));
}

TEST_F(DocumentsMainWindow, UndoPutsTheCaretBackWithoutASelection) {
  Set_Document("one two three", 4, 7);
  Probe().Edit().Replace_Selection("2");
  Probe().Edit().Set_Selection(10, 10);
  EXPECT_TRUE(Shortcut('Z', true));
  EXPECT_EQ(Probe().Edit().Text(), "one two three");
  const Selection sel = Probe().Edit().Get_Selection();
  EXPECT_EQ(sel.Start, 10);
  EXPECT_EQ(sel.End, 10);
}

TEST_F(DocumentsMainWindow, PasteLeavesOnlyPlainTextOnTheClipboard) {
  Put_Clipboard_Text(Probe().Handle(), L"Привет", true);
  ASSERT_TRUE(IsClipboardFormatAvailable(RegisterClipboardFormatW(L"Rich Text Format")));
  Set_Document("[]", 1, 1);
  EXPECT_TRUE(Shortcut('V', true));
  EXPECT_EQ(Win1251_To_Utf8(Probe().Edit().Text()), "[Привет]");
  EXPECT_TRUE(Probe().Edit().Modified());
  EXPECT_FALSE(IsClipboardFormatAvailable(RegisterClipboardFormatW(L"Rich Text Format")));
  EXPECT_EQ(Clipboard_Text(), L"Привет");

  // Shift+Insert goes through the context menu's item in the same way; line
  // breaks arrive as the control's own.
  Put_Clipboard_Text(Probe().Handle(), L"a\r\nb");
  Probe().Edit().Set_Selection(0, 0);
  EXPECT_TRUE(Shortcut(VK_INSERT, false, true));
  EXPECT_EQ(Win1251_To_Utf8(Probe().Edit().Text()), "a\rb[Привет]");
  EXPECT_TRUE(Shortcut('Z', true));
  EXPECT_EQ(Win1251_To_Utf8(Probe().Edit().Text()), "[Привет]");
}

TEST_F(DocumentsMainWindow, APictureOnTheClipboardIsNotPastedAndNothingIsShown) {
  ASSERT_TRUE(Open_Clipboard(Probe().Handle()));
  EmptyClipboard();
  HDC screen = GetDC(nullptr);
  SetClipboardData(CF_BITMAP, CreateCompatibleBitmap(screen, 4, 4));
  ReleaseDC(nullptr, screen);
  CloseClipboard();
  Set_Document("text", 4, 4);
  Box_Watch watch;
  EXPECT_TRUE(Shortcut('V', true));
  EXPECT_TRUE(Shortcut(VK_INSERT, false, true));
  // A box would have stopped the shortcut until the watch answered it.
  Settle();
  EXPECT_EQ(watch.Shown(), 0);
  EXPECT_EQ(Probe().Edit().Text(), "text");
  EXPECT_FALSE(Probe().Edit().Modified());
}

// Logging off with unsaved text asks first; Cancel keeps the session from
// ending and the text from going.
TEST_F(DocumentsMainWindow, TheEndOfASessionAsksAboutUnsavedText) {
  Probe().Edit().Set_Text("unsaved");
  Probe().Edit().Set_Modified(true);
  {
    Box_Answerer answerer(IDCANCEL);
    EXPECT_EQ(SendMessageW(Probe().Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
    ASSERT_EQ(answerer.texts.size(), 1u);
    EXPECT_EQ(Narrow(answerer.texts[0]), "Сохранить изменения в текущей лировушке?");
  }
  EXPECT_TRUE(IsWindow(Probe().Handle()));
  EXPECT_EQ(Probe().Edit().Text(), "unsaved");
  {
    Box_Answerer answerer(IDNO);
    EXPECT_NE(SendMessageW(Probe().Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_EQ(answerer.texts.size(), 1u);
  }
}

TEST_F(DocumentsMainWindow, AHistoryItemLoadsItsFileAndSaveWritesItBack) {
  const std::string path = Temp_Path("lv_docs_history_");
  ASSERT_TRUE(Win32_File_Writer().Write_Whole(path, "first\nsecond\r\n"));
  Set_Document("", 0, 0);
  Probe().Doc().Name = "Лировушка.txt";
  Probe().History_List().Add(path, 0);
  Window().Fill_History_Menu();
  SendMessageW(Probe().Handle(), WM_COMMAND, IDM_Recent_1, 0);
  EXPECT_EQ(Window().Caption(), path);
  EXPECT_EQ(Probe().Edit().Text(), "first\rsecond\r");
  EXPECT_FALSE(Probe().Edit().Modified());
  EXPECT_EQ(Probe().Dialog_Path(), path);

  Probe().Edit().Set_Selection(0, 0);
  Probe().Edit().Replace_Selection("0\r");
  EXPECT_TRUE(Shortcut('S', true));
  EXPECT_FALSE(Probe().Edit().Modified());
  EXPECT_EQ(Win32_Files().Read_All(path).value_or(""), "0\r\nfirst\r\nsecond\r\n");
  EXPECT_TRUE(Window().May_Close());  // nothing unsaved: no question
  DeleteFileW(Wide(path).c_str());
}

// The submenu "Сохранять в кодировке" with its radio items checked as on opening.
HMENU Opened_Encoding_Menu() {
  HMENU found = nullptr;
  for (int i = 0; i < GetMenuItemCount(Probe().Menu()) && !found; ++i) {
    HMENU top = GetSubMenu(Probe().Menu(), i);
    for (int k = 0; k < GetMenuItemCount(top) && !found; ++k) {
      HMENU sub = GetSubMenu(top, k);
      if (sub && GetMenuItemID(sub, 0) == IDM_Encoding_Win) found = sub;
    }
  }
  if (found) SendMessageW(Probe().Handle(), WM_INITMENUPOPUP, WPARAM(found), 0);
  return found;
}

int Checked_Encoding_Item() {
  HMENU menu = Opened_Encoding_Menu();
  int checked = 0;
  for (int id = IDM_Encoding_Win; id <= IDM_Encoding_Ibm855; ++id)
    if (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) checked = checked ? -1 : id;
  return checked;
}

TEST_F(DocumentsMainWindow, TheFileEncodingItemFollowsTheDocumentAndAChoiceIsTheNextSave) {
  const std::string path = Temp_Path("lv_docs_koi_");
  const std::string koi =
      "\xF0\xD2\xC9\xD7\xC5\xD4, \xCD\xC9\xD2! \xE5\xDD\xA3 \xC5\xDD\xA3\r\n";  // Привет, мир! Ещё ещё
  ASSERT_TRUE(Win32_File_Writer().Write_Whole(path, koi));
  ASSERT_NE(Opened_Encoding_Menu(), nullptr);
  EXPECT_EQ(Checked_Encoding_Item(), IDM_Encoding_Win);
  Probe().Settings().Recognize_Page_On_Open = true;
  Set_Document("", 0, 0);
  Probe().History_List().Add(path, 0);
  Window().Fill_History_Menu();
  SendMessageW(Probe().Handle(), WM_COMMAND, IDM_Recent_1, 0);
  Probe().Settings().Recognize_Page_On_Open = false;
  EXPECT_EQ(Probe().Doc().Encoding, File_Encoding::Koi);
  EXPECT_EQ(Probe().Status().Text(kPanelEncoding), " KOI");
  EXPECT_EQ(Probe().Edit().Text(), Utf8_To_Win1251("Привет, мир! Ещё ещё\r"));
  EXPECT_EQ(Checked_Encoding_Item(), IDM_Encoding_Koi);

  Box_Watch boxes;
  SendMessageW(Probe().Handle(), WM_COMMAND, IDM_Encoding_Iso, 0);
  EXPECT_EQ(Probe().Doc().Encoding, File_Encoding::Iso);
  EXPECT_EQ(Checked_Encoding_Item(), IDM_Encoding_Iso);
  EXPECT_EQ(Probe().Status().Text(kPanelEncoding), " ISO");
  EXPECT_EQ(Probe().Edit().Text(), Utf8_To_Win1251("Привет, мир! Ещё ещё\r"));
  EXPECT_TRUE(Shortcut('S', true));
  EXPECT_EQ(Win32_Files().Read_All(path).value_or(""),
            "\xBF\xE0\xD8\xD2\xD5\xE2, \xDC\xD8\xE0! \xB5\xE9\xF1 \xD5\xE9\xF1\r\n");
  EXPECT_EQ(boxes.Shown(), 0);  // ISO holds every character: no warning, no question

  // The file, ISO now, read again as KOI shows what KOI makes of its bytes,
  // and the next save is KOI; the file stays as it is.
  SendMessageW(Probe().Handle(), WM_COMMAND, IDM_Reread_Koi, 0);
  EXPECT_EQ(Probe().Doc().Encoding, File_Encoding::Koi);
  EXPECT_EQ(Checked_Encoding_Item(), IDM_Encoding_Koi);
  EXPECT_FALSE(Probe().Edit().Modified());
  EXPECT_EQ(Narrow(Probe().Edit().Control_Text()), "©ЮьруБ, эьЮ! ╣ИЯ уИЯ\r");
  DeleteFileW(Wide(path).c_str());
}

}  // namespace
