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

void Command(int id) { SendMessageW(Probe().Handle(), WM_COMMAND, id, 0); }

void Load(const std::string& text) {
  Window().Reset_Editor();
  Probe().Edit().Set_Text(text);
  Probe().Edit().Set_Modified(false);
}

// A key as the edit area gets it from the message loop.
void Key(WPARAM key) {
  SendMessageW(Probe().Edit().Handle(), WM_KEYDOWN, key, 1);
  SendMessageW(Probe().Edit().Handle(), WM_KEYUP, key, 0xC0000001);
}

class Whole_Text : public Main_Window_Test {};

TEST_F(Whole_Text, DeleteKeyBackspaceAndMenuDeleteEmptyTheWholeTextUndoably) {
  const std::string text = "one\rtwo\rthree";
  for (const auto& empty_it :
       {+[] { Key(VK_DELETE); }, +[] { Key(VK_BACK); }, +[] { Command(IDM_Delete); }}) {
    Load(text);
    Probe().Edit().Set_Selection(0, -1);
    empty_it();
    EXPECT_EQ(Probe().Edit().Text(), "");
    EXPECT_TRUE(Probe().Edit().Modified());
    Command(IDM_Undo);
    EXPECT_EQ(Probe().Edit().Text(), text);
    Command(IDM_Redo);
    EXPECT_EQ(Probe().Edit().Text(), "");
  }
}

TEST_F(Whole_Text, CutOfTheWholeTextLeavesItOnTheClipboard) {
  Load("first\rsecond");
  Probe().Edit().Set_Selection(0, -1);
  Command(IDM_Cut);
  EXPECT_EQ(Probe().Edit().Text(), "");
  EXPECT_EQ(Clipboard_Unicode(), L"first\r\nsecond");
  Command(IDM_Undo);
  EXPECT_EQ(Probe().Edit().Text(), "first\rsecond");
}

TEST_F(Whole_Text, KeysOverPartOfTheTextStayTheControlsOwn) {
  Load("abcdef");
  Probe().Edit().Set_Selection(1, 3);
  Key(VK_DELETE);
  EXPECT_EQ(Probe().Edit().Text(), "adef");
  Command(IDM_Undo);
  EXPECT_EQ(Probe().Edit().Text(), "abcdef");
  Probe().Edit().Set_Selection(2, 2);
  Key(VK_BACK);
  EXPECT_EQ(Probe().Edit().Text(), "acdef");
}

TEST_F(Whole_Text, PasteOverTheWholeTextReplacesItUndoably) {
  Load("old\rtext");
  // Characters Windows-1251 lacks go in as they are.
  const std::wstring emoji{wchar_t(0xD83D), wchar_t(0xDE00)};
  Put_Clipboard_Text(Probe().Handle(), L"\u4E2D\u00E4" + emoji + L"\r\n");
  Probe().Edit().Set_Selection(0, -1);
  Command(IDM_Paste);
  EXPECT_EQ(Probe().Edit().Control_Text(), L"\u4E2D\u00E4" + emoji + L"\r");
  Probe().Edit().Set_Selection(0, -1);
  Put_Clipboard_Text(Probe().Handle(), L"\u041D\u043E\u0432\u044B\u0439\r\n\u0442\u0435\u043A\u0441\u0442");
  Command(IDM_Paste);
  EXPECT_EQ(Probe().Edit().Text(), "\xCD\xEE\xE2\xFB\xE9\r\xF2\xE5\xEA\xF1\xF2");
  EXPECT_EQ(Probe().Edit().Get_Selection().Start, 11);  // behind the pasted text
  EXPECT_TRUE(Probe().Edit().Modified());
  Command(IDM_Undo);
  EXPECT_EQ(Probe().Edit().Control_Text(), L"\u4E2D\u00E4" + emoji + L"\r");
  Command(IDM_Undo);
  EXPECT_EQ(Probe().Edit().Text(), "old\rtext");
  // Over part of the text, the paste stays the control's own.
  Probe().Edit().Set_Selection(0, 3);
  Command(IDM_Paste);
  EXPECT_EQ(Probe().Edit().Text(), "\xCD\xEE\xE2\xFB\xE9\r\xF2\xE5\xEA\xF1\xF2\rtext");
}

// A new document, and loads, start a history of their own: nothing from the
// document before can be undone into it.
TEST_F(Whole_Text, ANewDocumentCannotUndoIntoTheOldOne) {
  Load("old text");
  Probe().Edit().Set_Selection(0, -1);
  Command(IDM_Delete);
  ASSERT_TRUE(Probe().Control().History().Can_Undo());
  Window().Reset_Editor();
  EXPECT_FALSE(Probe().Control().History().Can_Undo());
  Command(IDM_Undo);
  EXPECT_EQ(Probe().Edit().Text(), "");
}

}  // namespace
