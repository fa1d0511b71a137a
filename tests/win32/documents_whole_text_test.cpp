// Emptying or replacing the whole document in the real main window: the text,
// the modified flag and the way back through undo and redo.
#include <gtest/gtest.h>
#include <richedit.h>

#include <string>

#include "common/command_ids.h"
#include "app/win32/main_window.h"
#include "documents/win32/whole_text_win32.h"
#include "test_clipboard.h"
#include "test_main_window.h"

namespace {

void Command(int id) { SendMessageW(Window().Handle, WM_COMMAND, id, 0); }

void Load(const std::string& text) {
  Window().Reset_Editor();
  Window().Edit.Set_Text(text);
  Window().Edit.Set_Modified(false);
}

// A key as the edit area gets it from the message loop.
void Key(WPARAM key) {
  SendMessageW(Window().Edit.Handle(), WM_KEYDOWN, key, 1);
  SendMessageW(Window().Edit.Handle(), WM_KEYUP, key, 0xC0000001);
}

class Whole_Text : public Main_Window_Test {};

TEST_F(Whole_Text, DeleteKeyBackspaceAndMenuDeleteEmptyTheWholeTextUndoably) {
  const std::string text = "one\rtwo\rthree";
  for (const auto& empty_it :
       {+[] { Key(VK_DELETE); }, +[] { Key(VK_BACK); }, +[] { Command(IDM_Delete); }}) {
    Load(text);
    Window().Edit.Set_Selection(0, -1);
    empty_it();
    EXPECT_EQ(Window().Edit.Text(), "");
    EXPECT_TRUE(Window().Edit.Modified());
    Command(IDM_Undo);
    EXPECT_EQ(Window().Edit.Text(), text);
    Command(IDM_Redo);
    EXPECT_EQ(Window().Edit.Text(), "");
  }
}

TEST_F(Whole_Text, CutOfTheWholeTextLeavesItOnTheClipboard) {
  Load("first\rsecond");
  Window().Edit.Set_Selection(0, -1);
  Command(IDM_Cut);
  EXPECT_EQ(Window().Edit.Text(), "");
  EXPECT_EQ(Clipboard_Unicode(), L"first\r\nsecond");
  Command(IDM_Undo);
  EXPECT_EQ(Window().Edit.Text(), "first\rsecond");
}

TEST_F(Whole_Text, KeysOverPartOfTheTextStayTheControlsOwn) {
  Load("abcdef");
  Window().Edit.Set_Selection(1, 3);
  Key(VK_DELETE);
  EXPECT_EQ(Window().Edit.Text(), "adef");
  Command(IDM_Undo);
  EXPECT_EQ(Window().Edit.Text(), "abcdef");
  Window().Edit.Set_Selection(2, 2);
  Key(VK_BACK);
  EXPECT_EQ(Window().Edit.Text(), "acdef");
}

TEST_F(Whole_Text, PasteOverTheWholeTextReplacesItUndoably) {
  Load("old\rtext");
  // Characters Windows-1251 lacks go in as they are.
  const std::wstring emoji{wchar_t(0xD83D), wchar_t(0xDE00)};
  Put_Clipboard_Text(Window().Handle, L"\u4E2D\u00E4" + emoji + L"\r\n");
  Window().Edit.Set_Selection(0, -1);
  Command(IDM_Paste);
  EXPECT_EQ(Window().Edit.Control_Text(), L"\u4E2D\u00E4" + emoji + L"\r");
  Window().Edit.Set_Selection(0, -1);
  Put_Clipboard_Text(Window().Handle, L"\u041D\u043E\u0432\u044B\u0439\r\n\u0442\u0435\u043A\u0441\u0442");
  Command(IDM_Paste);
  EXPECT_EQ(Window().Edit.Text(), "\xCD\xEE\xE2\xFB\xE9\r\xF2\xE5\xEA\xF1\xF2");
  EXPECT_EQ(Window().Edit.Get_Selection().Start, 11);  // behind the pasted text
  EXPECT_TRUE(Window().Edit.Modified());
  Command(IDM_Undo);
  EXPECT_EQ(Window().Edit.Control_Text(), L"\u4E2D\u00E4" + emoji + L"\r");
  Command(IDM_Undo);
  EXPECT_EQ(Window().Edit.Text(), "old\rtext");
  // Over part of the text, the paste stays the control's own.
  Window().Edit.Set_Selection(0, 3);
  Command(IDM_Paste);
  EXPECT_EQ(Window().Edit.Text(), "\xCD\xEE\xE2\xFB\xE9\r\xF2\xE5\xEA\xF1\xF2\rtext");
}

// A new document, and loads, start a history of their own: nothing from the
// document before can be undone into it.
TEST_F(Whole_Text, ANewDocumentCannotUndoIntoTheOldOne) {
  Load("old text");
  Window().Edit.Set_Selection(0, -1);
  Command(IDM_Delete);
  ASSERT_TRUE(Window().Control.History().Can_Undo());
  Window().Reset_Editor();
  EXPECT_FALSE(Window().Control.History().Can_Undo());
  Command(IDM_Undo);
  EXPECT_EQ(Window().Edit.Text(), "");
}

}  // namespace
