// Emptying or replacing the whole document in the real main window: the text,
// the modified flag and the way back through undo and redo.
#include <gtest/gtest.h>
#include <richedit.h>

#include <string>

#include "common/command_ids.h"
#include "app/win32/main_window.h"
#include "documents/win32/whole_text_win32.h"
#include "test_clipboard.h"
#include "test_forma.h"

namespace {

void Command(int id) { SendMessageW(Forma.Handle, WM_COMMAND, id, 0); }

void Load(const std::string& text) {
  Reset_Editor();
  Forma.Edit.Set_Text(text);
  Forma.Edit.Set_Modified(false);
}

// A key as the edit area gets it from the message loop.
void Key(WPARAM key) {
  SendMessageW(Forma.Edit.Handle(), WM_KEYDOWN, key, 1);
  SendMessageW(Forma.Edit.Handle(), WM_KEYUP, key, 0xC0000001);
}

class Whole_Text : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Shown_Test_Main_Window()); }
  void TearDown() override { Load(""); }
};

TEST_F(Whole_Text, DeleteKeyBackspaceAndMenuDeleteEmptyTheWholeTextUndoably) {
  const std::string text = "one\rtwo\rthree";
  for (const auto& empty_it :
       {+[] { Key(VK_DELETE); }, +[] { Key(VK_BACK); }, +[] { Command(IDM_Delete); }}) {
    Load(text);
    Forma.Edit.Set_Selection(0, -1);
    empty_it();
    EXPECT_EQ(Forma.Edit.Text(), "");
    EXPECT_TRUE(Forma.Edit.Modified());
    Command(IDM_Undo);
    EXPECT_EQ(Forma.Edit.Text(), text);
    Command(IDM_Redo);
    EXPECT_EQ(Forma.Edit.Text(), "");
  }
}

TEST_F(Whole_Text, CutOfTheWholeTextLeavesItOnTheClipboard) {
  Load("first\rsecond");
  Forma.Edit.Set_Selection(0, -1);
  Command(IDM_Cut);
  EXPECT_EQ(Forma.Edit.Text(), "");
  EXPECT_EQ(Clipboard_Unicode(), L"first\r\nsecond");
  Command(IDM_Undo);
  EXPECT_EQ(Forma.Edit.Text(), "first\rsecond");
}

TEST_F(Whole_Text, KeysOverPartOfTheTextStayTheControlsOwn) {
  Load("abcdef");
  Forma.Edit.Set_Selection(1, 3);
  Key(VK_DELETE);
  EXPECT_EQ(Forma.Edit.Text(), "adef");
  Command(IDM_Undo);
  EXPECT_EQ(Forma.Edit.Text(), "abcdef");
  Forma.Edit.Set_Selection(2, 2);
  Key(VK_BACK);
  EXPECT_EQ(Forma.Edit.Text(), "acdef");
}

TEST_F(Whole_Text, PasteOverTheWholeTextReplacesItUndoably) {
  Load("old\rtext");
  Put_Clipboard_Text(Forma.Handle, L"\u041D\u043E\u0432\u044B\u0439\r\n\u0442\u0435\u043A\u0441\u0442");
  Forma.Edit.Set_Selection(0, -1);
  Command(IDM_Paste);
  EXPECT_EQ(Forma.Edit.Text(), "\xCD\xEE\xE2\xFB\xE9\r\xF2\xE5\xEA\xF1\xF2");
  EXPECT_EQ(Forma.Edit.Get_Selection().Start, 11);  // behind the pasted text
  EXPECT_TRUE(Forma.Edit.Modified());
  Command(IDM_Undo);
  EXPECT_EQ(Forma.Edit.Text(), "old\rtext");
  // Over part of the text, the paste stays the control's own.
  Forma.Edit.Set_Selection(0, 3);
  Command(IDM_Paste);
  EXPECT_EQ(Forma.Edit.Text(), "\xCD\xEE\xE2\xFB\xE9\r\xF2\xE5\xEA\xF1\xF2\rtext");
}

// A new document, and loads, start a history of their own: nothing from the
// document before can be undone into it.
TEST_F(Whole_Text, ANewDocumentCannotUndoIntoTheOldOne) {
  Load("old text");
  Forma.Edit.Set_Selection(0, -1);
  Command(IDM_Delete);
  ASSERT_TRUE(Document_History().Can_Undo());
  Reset_Editor();
  EXPECT_FALSE(Document_History().Can_Undo());
  Command(IDM_Undo);
  EXPECT_EQ(Forma.Edit.Text(), "");
}

}  // namespace
