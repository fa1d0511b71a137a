#include "documents/edit_area_commands.h"

#include "platform/keyboard_layout.h"

// An undo or redo changes the text, so the document differs from its file
// even right after a save; not every edit control says so by itself.
void Undo_Keeping_Caret(Edit_Area& edit, Edit_Operations& ops) {
  const int32_t caret = edit.Get_Selection().Start;
  const bool changes = ops.Can_Undo();
  ops.Undo();
  if (changes) edit.Set_Modified(true);
  edit.Set_Selection(caret, caret);
}

void Redo_Keeping_Caret(Edit_Area& edit, Edit_Operations& ops) {
  const int32_t caret = edit.Get_Selection().Start;
  const bool changes = ops.Can_Redo();
  ops.Redo();
  if (changes) edit.Set_Modified(true);
  edit.Set_Selection(caret, caret);
}

void Paste_Plain_Text(Edit_Area& edit, Edit_Operations& ops, Clipboard& clipboard, Keyboard& keys,
                      uint32_t& saved_layout, Document_Prompts& prompts) {
  if (!clipboard.Holds_Text()) {
    prompts.Information(kClipboardNotText);
    return;
  }
  saved_layout = Saved_Layout_Record(keys);
  clipboard.Keep_Only_Text();
  ops.Paste();
  edit.Set_Modified(true);
  Restore_Layout(keys, saved_layout);
}
