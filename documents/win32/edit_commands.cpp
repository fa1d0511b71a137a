// The Edit menu, the context menu and their opening events, and the opening
// event of the Lines menu.
#include "app/command_ids.h"
#include "app/win32/commands.h"
#include "app/win32/forma.h"
#include "documents/control_text.h"
#include "documents/edit_area_commands.h"
#include "documents/menu_enabling.h"
#include "documents/text_file_format.h"
#include "platform/win32/clipboard_win32.h"
#include "platform/win32/document_prompts_win32.h"
#include "platform/win32/edit_operations_win32.h"
#include "documents/win32/whole_text_win32.h"

namespace {

Rich_Edit_Operations Operations() { return Rich_Edit_Operations(Forma.RxRichEdit.Handle()); }

// Undo and redo walk the document's history across whole-text replacements;
// the rest is the current control's own.
class Document_Operations : public Rich_Edit_Operations {
 public:
  Document_Operations() : Rich_Edit_Operations(Forma.RxRichEdit.Handle()) {}
  bool Can_Undo() override { return Document_History().Can_Undo(); }
  bool Can_Redo() override { return Document_History().Can_Redo(); }
  void Undo() override { Document_History().Undo(); }
  void Redo() override { Document_History().Redo(); }
  // Emptying the whole document is a whole-text replacement like any other.
  void Cut() override {
    if (!Whole_Text_Selected()) return Rich_Edit_Operations::Cut();
    Copy();
    Replace_Whole_Text("", true);
  }
  void Delete_Selection() override {
    if (!Whole_Text_Selected()) return Rich_Edit_Operations::Delete_Selection();
    Replace_Whole_Text("", true);
  }
  // So is pasting over the whole document; the text goes in with the CR line
  // breaks the control's own paste would give it.
  void Paste() override {
    if (!Whole_Text_Selected()) return Rich_Edit_Operations::Paste();
    const std::wstring pasted = Clipboard_Unicode_Text(Forma.Handle);
    Replace_Whole_Text(Disk_To_Working_Text(Control_Text_To_Document(pasted)), true);
  }
};

void Undo1Click() {
  Document_Operations ops;
  Undo_Keeping_Caret(Forma.RxRichEdit, ops);
}
void Redo1Click() {
  Document_Operations ops;
  Redo_Keeping_Caret(Forma.RxRichEdit, ops);
}
void Copy1Click() { Operations().Copy(); }
void Cut1Click() { Document_Operations().Cut(); }
void Delete1Click() { Document_Operations().Delete_Selection(); }
void Vydelit_Vse1Click() { Operations().Select_All(); }

// `_ClipBoard_`, behind both paste items.
void Paste1Click() {
  Document_Operations ops;
  Win32_Clipboard clipboard(Forma.Handle);
  Win32_Document_Prompts prompts(Forma.Handle);
  Paste_Plain_Text(Forma.RxRichEdit, ops, clipboard, Forma.Keyboard, Forma.Saved_Layout, prompts);
}

bool Has_Selection() {
  const Selection sel = Forma.RxRichEdit.Get_Selection();
  return sel.End > sel.Start;
}

Edit_Facts Current_Facts() {
  Document_Operations ops;
  Edit_Facts facts;
  facts.Selection = Has_Selection();
  facts.Clipboard_Text = Win32_Clipboard(Forma.Handle).Holds_Text();
  facts.Can_Undo = ops.Can_Undo();
  facts.Can_Redo = ops.Can_Redo();
  return facts;
}

// An item lives either in the main menu or in the context menu.
void Apply(const std::vector<Item_State>& states) {
  for (const Item_State& item : states) {
    const UINT flags = MF_BYCOMMAND | (item.Enabled ? MF_ENABLED : MF_GRAYED);
    if (EnableMenuItem(Forma.Menu, item.Id, flags) == -1) EnableMenuItem(Forma.PopupMenu, item.Id, flags);
  }
}

void PravkaClick(HMENU) { Apply(Pravka_Item_States(Current_Facts())); }
void PopupMenuPopup(HMENU) { Apply(Popup_Item_States(Current_Facts())); }
void StrokiClick(HMENU) { Apply(Stroki_Item_States(Has_Selection())); }

}  // namespace

void Register_Edit_Commands(Command_Table& table) {
  table.Add(IDM_Undo1, Undo1Click);
  table.Add(IDM_Undo2, Undo1Click);
  table.Add(IDM_Redo1, Redo1Click);
  table.Add(IDM_Redo2, Redo1Click);
  table.Add(IDM_Copy1, Copy1Click);
  table.Add(IDM_Copy2, Copy1Click);
  table.Add(IDM_Cut1, Cut1Click);
  table.Add(IDM_Cut2, Cut1Click);
  table.Add(IDM_Paste1, Paste1Click);
  table.Add(IDM_Paste2, Paste1Click);
  table.Add(IDM_Delete1, Delete1Click);
  table.Add(IDM_Delete2, Delete1Click);
  table.Add(IDM_Vydelit_Vse1, Vydelit_Vse1Click);
  table.Add(IDM_Vydelit_Vse2, Vydelit_Vse1Click);
  table.Add_Opening(IDM_Undo1, PravkaClick);
  table.Add_Opening(IDM_Undo2, PopupMenuPopup);
  table.Add_Opening(IDM_Help_String, StrokiClick);
}
