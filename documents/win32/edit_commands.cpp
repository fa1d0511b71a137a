// The Edit menu, the context menu and their opening events, and the opening
// event of the Lines menu.
#include "common/command_ids.h"
#include "documents/win32/document_host.h"
#include "common/control_text.h"
#include "documents/edit_area_commands.h"
#include "documents/menu_enabling.h"
#include "common/line_ends.h"
#include "platform/win32/clipboard_win32.h"
#include "platform/win32/document_prompts_win32.h"
#include "platform/win32/edit_operations_win32.h"

namespace {

// Undo and redo walk the document's history across whole-text replacements;
// the rest is the current control's own.
class Document_Operations : public Rich_Edit_Operations {
 public:
  explicit Document_Operations(Document_Host& host)
      : Rich_Edit_Operations(host.Control.Edit().Handle()), host_(host), control_(host.Control) {}
  bool Can_Undo() override { return control_.History().Can_Undo(); }
  bool Can_Redo() override { return control_.History().Can_Redo(); }
  void Undo() override { control_.History().Undo(); }
  void Redo() override { control_.History().Redo(); }
  // Emptying the whole document is a whole-text replacement like any other.
  void Cut() override {
    if (!control_.Whole_Text_Selected()) return Rich_Edit_Operations::Cut();
    Copy();
    control_.Replace_Whole_Text(L"", true);
  }
  void Delete_Selection() override {
    if (!control_.Whole_Text_Selected()) return Rich_Edit_Operations::Delete_Selection();
    control_.Replace_Whole_Text(L"", true);
  }
  // So is pasting over the whole document; the text goes in with the CR line
  // breaks the control's own paste would give it.
  void Paste() override {
    if (!control_.Whole_Text_Selected()) return Rich_Edit_Operations::Paste();
    const std::wstring pasted = Clipboard_Unicode_Text(host_.Window);
    control_.Replace_Whole_Text(Disk_To_Working_Text(pasted), true);
  }

 private:
  Document_Host& host_;
  Document_Control& control_;
};

void Undo_Command(Document_Host& host) {
  Document_Operations ops(host);
  Undo_Keeping_Caret(host.Control.Edit(), ops);
}

void Redo_Command(Document_Host& host) {
  Document_Operations ops(host);
  Redo_Keeping_Caret(host.Control.Edit(), ops);
}

// `_ClipBoard_`, behind both paste items.
void Paste_Command(Document_Host& host) {
  Document_Operations ops(host);
  Win32_Clipboard clipboard(host.Window);
  Win32_Document_Prompts prompts(host.Window);
  Paste_Plain_Text(host.Control.Edit(), ops, clipboard, host.Keys, host.Saved_Layout, prompts);
}

bool Has_Selection(Document_Host& host) {
  const Selection sel = host.Control.Edit().Get_Selection();
  return sel.End > sel.Start;
}

Edit_Facts Current_Facts(Document_Host& host) {
  Document_Operations ops(host);
  Edit_Facts facts;
  facts.Selection = Has_Selection(host);
  facts.Clipboard_Text = Win32_Clipboard(host.Window).Holds_Text();
  facts.Can_Undo = ops.Can_Undo();
  facts.Can_Redo = ops.Can_Redo();
  return facts;
}

// An item lives either in the main menu or in the context menu.
void Apply(Document_Host& host, const std::vector<Item_State>& states) {
  for (const Item_State& item : states) {
    const UINT flags = MF_BYCOMMAND | (item.Enabled ? MF_ENABLED : MF_GRAYED);
    if (EnableMenuItem(host.Menu, item.Id, flags) == -1) EnableMenuItem(host.Context_Menu, item.Id, flags);
  }
}

}  // namespace

void Document_Commands::Register_Edit_Commands(Command_Table& table) {
  Document_Host* h = &host_;
  const auto undo = [h] { Undo_Command(*h); };
  const auto redo = [h] { Redo_Command(*h); };
  const auto copy = [h] { Document_Operations(*h).Copy(); };
  const auto cut = [h] { Document_Operations(*h).Cut(); };
  const auto paste = [h] { Paste_Command(*h); };
  const auto erase = [h] { Document_Operations(*h).Delete_Selection(); };
  const auto select_all = [h] { Document_Operations(*h).Select_All(); };
  table.Add(IDM_Undo, undo);
  table.Add(IDM_Context_Undo, undo);
  table.Add(IDM_Redo, redo);
  table.Add(IDM_Context_Redo, redo);
  table.Add(IDM_Copy, copy);
  table.Add(IDM_Context_Copy, copy);
  table.Add(IDM_Cut, cut);
  table.Add(IDM_Context_Cut, cut);
  table.Add(IDM_Paste, paste);
  table.Add(IDM_Context_Paste, paste);
  table.Add(IDM_Delete, erase);
  table.Add(IDM_Context_Delete, erase);
  table.Add(IDM_Select_All, select_all);
  table.Add(IDM_Context_Select_All, select_all);
  table.Add_Opening(IDM_Undo, [h](HMENU) { Apply(*h, Edit_Menu_States(Current_Facts(*h))); });
  table.Add_Opening(IDM_Context_Undo, [h](HMENU) { Apply(*h, Context_Menu_States(Current_Facts(*h))); });
  table.Add_Opening(IDM_Lines_Help, [h](HMENU) { Apply(*h, Lines_Menu_States(Has_Selection(*h))); });
}
