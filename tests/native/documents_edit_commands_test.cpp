// The Edit menu's commands, the guarded paste and the enabling tables.
#include <gtest/gtest.h>

#include <map>

#include "common/command_ids.h"
#include "documents/edit_area_commands.h"
#include "documents/menu_enabling.h"
#include "fakes/documents_fakes.h"

namespace {

std::map<int, bool> As_Map(const std::vector<Item_State>& states) {
  std::map<int, bool> m;
  for (const auto& s : states) {
    EXPECT_EQ(m.count(s.Id), 0u) << "item " << s.Id << " set twice";
    m[s.Id] = s.Enabled;
  }
  return m;
}

TEST(DocumentsMenuEnabling, EditMenuFollowsClipboardSelectionUndoAndRedoEachOnItsOwn) {
  const auto none = As_Map(Edit_Menu_States({}));
  ASSERT_EQ(none.size(), 7u);
  for (const auto& [id, on] : none) EXPECT_FALSE(on) << id;

  const auto clip = As_Map(Edit_Menu_States({false, true, false, false}));
  EXPECT_TRUE(clip.at(IDM_Paste));
  EXPECT_TRUE(clip.at(IDM_Context_Paste));
  EXPECT_FALSE(clip.at(IDM_Copy));

  const auto sel = As_Map(Edit_Menu_States({true, false, false, false}));
  for (int id : {IDM_Cut, IDM_Copy, IDM_Delete}) EXPECT_TRUE(sel.at(id)) << id;
  EXPECT_FALSE(sel.at(IDM_Paste));
  EXPECT_FALSE(sel.at(IDM_Undo));

  const auto undo = As_Map(Edit_Menu_States({false, false, true, false}));
  EXPECT_TRUE(undo.at(IDM_Undo));
  EXPECT_FALSE(undo.at(IDM_Redo));
  const auto redo = As_Map(Edit_Menu_States({false, false, false, true}));
  EXPECT_FALSE(redo.at(IDM_Undo));
  EXPECT_TRUE(redo.at(IDM_Redo));
  // Select all, find and the date are never in the table.
  for (int id : {IDM_Select_All, IDM_Find, IDM_Replace, IDM_Time_Date}) EXPECT_EQ(none.count(id), 0u);
}

TEST(DocumentsMenuEnabling, ContextMenuMirrorsTheEditMenuOnItsOwnItems) {
  const auto all = As_Map(Context_Menu_States({true, true, true, true}));
  ASSERT_EQ(all.size(), 6u);
  for (const auto& [id, on] : all) EXPECT_TRUE(on) << id;
  const auto sel = As_Map(Context_Menu_States({true, false, false, false}));
  for (int id : {IDM_Context_Cut, IDM_Context_Copy, IDM_Context_Delete}) EXPECT_TRUE(sel.at(id));
  for (int id : {IDM_Context_Paste, IDM_Context_Undo, IDM_Context_Redo}) EXPECT_FALSE(sel.at(id));
  EXPECT_EQ(all.count(IDM_Context_Select_All), 0u);
  EXPECT_EQ(all.count(IDM_Paste), 0u);
}

TEST(DocumentsMenuEnabling, LinesMenuEnablesTheSixSelectionCommandsOnly) {
  const auto on = As_Map(Lines_Menu_States(true));
  const auto off = As_Map(Lines_Menu_States(false));
  ASSERT_EQ(on.size(), 6u);
  for (int id : {IDM_Add_Spaces, IDM_Remove_Leading_Space, IDM_Squeeze_Spaces, IDM_Remove_Trailing_Spaces,
                 IDM_Remove_Line_Breaks, IDM_Tabs_To_Spaces}) {
    EXPECT_TRUE(on.at(id));
    EXPECT_FALSE(off.at(id));
  }
  for (int id : {IDM_Lines_Help, IDM_Smart_Format, IDM_Go_To_Line}) EXPECT_EQ(on.count(id), 0u);
}

TEST(DocumentsUndo, TheCaretGoesBackWithNoSelection) {
  Fake_Edit edit;
  Fake_Edit_Operations ops(edit);
  edit.sel = {7, 7};
  ops.after_undo = {2, 9};
  Undo_Keeping_Caret(edit, ops);
  EXPECT_EQ(ops.calls, std::vector<std::string>{"undo"});
  EXPECT_EQ(edit.sel.Start, 7);
  EXPECT_EQ(edit.sel.End, 7);
  edit.sel = {3, 5};
  Redo_Keeping_Caret(edit, ops);
  EXPECT_EQ(ops.calls.back(), "redo");
  EXPECT_EQ(edit.sel.Start, 3);
  EXPECT_EQ(edit.sel.End, 3);
}

TEST(DocumentsPaste, TextIsPastedAsPlainTextUnderTheRussianLayout) {
  Fake_Edit edit;
  edit.text = "ab";
  edit.sel = {1, 1};
  Fake_Edit_Operations ops(edit);
  ops.clipboard = "XY";
  Fake_Clipboard clipboard;
  Fake_Keyboard keys;
  Fake_Document_Prompts prompts;
  uint32_t saved = 0;
  keys.current = 0x04090409u;
  Paste_Plain_Text(edit, ops, clipboard, keys, saved, prompts);
  EXPECT_EQ(edit.text, "aXYb");
  EXPECT_TRUE(edit.modified);
  EXPECT_TRUE(clipboard.only_text);
  EXPECT_EQ(saved, 0x04090409u);
  EXPECT_EQ(keys.activated, (std::vector<std::string>{"00000419", "00000409"}));
  EXPECT_TRUE(prompts.information.empty());

  // A layout other than English or Russian is not switched back.
  keys.current = 0x04070407u;
  keys.activated.clear();
  Paste_Plain_Text(edit, ops, clipboard, keys, saved, prompts);
  EXPECT_EQ(keys.activated, std::vector<std::string>{"00000419"});
}

TEST(DocumentsPaste, AnythingButTextIsRefusedWithAMessageAndNothingChanges) {
  Fake_Edit edit;
  edit.text = "ab";
  Fake_Edit_Operations ops(edit);
  Fake_Clipboard clipboard;
  clipboard.text = false;
  Fake_Keyboard keys;
  Fake_Document_Prompts prompts;
  uint32_t saved = 123;
  Paste_Plain_Text(edit, ops, clipboard, keys, saved, prompts);
  EXPECT_EQ(prompts.information, std::vector<std::string>{"В буфере обмена находится не текст"});
  EXPECT_EQ(edit.text, "ab");
  EXPECT_FALSE(edit.modified);
  EXPECT_FALSE(clipboard.only_text);
  EXPECT_TRUE(ops.calls.empty());
  EXPECT_TRUE(keys.activated.empty());
  EXPECT_EQ(saved, 123u);
}

}  // namespace

TEST(DocumentsUndo, AnUndoAfterASaveMarksTheDocumentModified) {
  Fake_Edit edit;
  Fake_Edit_Operations ops(edit);
  edit.modified = false;  // just saved
  ops.can_undo = true;
  Undo_Keeping_Caret(edit, ops);
  EXPECT_TRUE(edit.modified);
  edit.modified = false;
  ops.can_redo = false;  // nothing to redo changes nothing
  Redo_Keeping_Caret(edit, ops);
  EXPECT_FALSE(edit.modified);
  ops.can_redo = true;
  Redo_Keeping_Caret(edit, ops);
  EXPECT_TRUE(edit.modified);
}
