#include "documents/edit_area_commands.h"

#include "app/keyboard_layout.h"

void Undo_Keeping_Caret(Edit_Area& edit, Edit_Operations& ops) {
  const int32_t caret = edit.Get_Selection().Start;
  ops.Undo();
  edit.Set_Selection(caret, caret);
}

void Redo_Keeping_Caret(Edit_Area& edit, Edit_Operations& ops) {
  const int32_t caret = edit.Get_Selection().Start;
  ops.Redo();
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
