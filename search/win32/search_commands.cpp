// Find, find next, replace and go to line.
#include "search/win32/search_commands.h"

#include <richedit.h>

#include "app/command_ids.h"
#include "app/keyboard_layout.h"
#include "app/program_paths.h"
#include "app/settings_file.h"
#include "app/win32/commands.h"
#include "app/win32/forma.h"
#include "platform/win32/edit_search_win32.h"
#include "platform/win32/profile_win32.h"
#include "platform/win32/search_ui_win32.h"
#include "search/find_command.h"
#include "search/go_to_line.h"
#include "search/replace_command.h"
#include "search/win32/edit_shortcuts.h"
#include "search/win32/line_input.h"
#include "search/win32/search_dialogs.h"
#include "text/win1251_unicode.h"

namespace {

// The seams a search command works through, over the main window's edit area.
struct Command_Frame {
  Rich_Edit_Search search{Forma.RxRichEdit.Handle()};
  Win32_Search_Ui ui{Forma.Handle, Modeless_Dialog_Message};
  Search_Context context{Forma.RxRichEdit, search, ui, Forma.Keyboard, Forma.Search};
};

struct Settings_Frame {
  Win32_Profile profile{Settings_File_Path(Forma.Exe_Path)};
  Settings_File file{profile};
};

// A replace-all run pumps messages while it works; the dialog's buttons must
// not start a second run inside it.
bool Busy = false;

void Enable_Item(int id, bool enabled) {
  EnableMenuItem(Forma.Menu, UINT(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

// The other dialog's menu item: only one search dialog is open at a time.
int Other_Item(Search_Dialog which) { return which == Search_Dialog::Find ? IDM_Find2 : IDM_Find1; }

// The edit area switches between inserting and overwriting at every press of
// Insert, as the key's toggle state does.
bool Overwriting() { return (GetKeyState(VK_INSERT) & 1) != 0; }

void Dialog_Shown(Search_Dialog which) {
  Add_Modeless_Dialog(Search_Dialog_Window(which));
  Restore_Layout(Forma.Keyboard, Forma.Saved_Layout);
  Search_Dialog_Shown(Forma.Search, which == Search_Dialog::Replace);
  Release_Edit_Shortcuts();
  Enable_Item(Other_Item(which), false);
}

void Dialog_Closed(Search_Dialog which) {
  Remove_Modeless_Dialog(Search_Dialog_Window(which));
  Forget_Search_Dialog_Window(which);
  Restore_Edit_Shortcuts();
  Search_Dialog_Closed(Forma.Search, which == Search_Dialog::Replace, Forma.StatusBar, Overwriting());
  Enable_Item(Other_Item(which), true);
}

void Find1Click() {
  Forma.Saved_Layout = Forma.Keyboard.Current_Layout();
  Settings_Frame settings;
  const std::string preset = Find_Preset(settings.file, Forma.RxRichEdit);
  if (Show_Search_Dialog(Search_Dialog::Find, Forma.Handle, Win1251_To_Utf16(preset)))
    Dialog_Shown(Search_Dialog::Find);
}

void Find2Click() {
  Forma.Saved_Layout = Forma.Keyboard.Current_Layout();
  const std::string preset = Replace_Preset(Forma.RxRichEdit);
  if (Show_Search_Dialog(Search_Dialog::Replace, Forma.Handle, Win1251_To_Utf16(preset)))
    Dialog_Shown(Search_Dialog::Replace);
  // With a preset the user goes on in the text; without one, types in the dialog.
  if (!preset.empty()) SetFocus(Forma.RxRichEdit.Handle());
}

void Naiti_DaleeClick() {
  if (Busy) return;
  Command_Frame frame;
  Settings_Frame settings;
  ::Naiti_DaleeClick(frame.context, settings.file, Search_Dialog_Query(Search_Dialog::Find));
}

void PerehodClick() {
  const std::string typed = Input_Box(Forma.Handle, kMessageCaption, kGoToLinePrompt, "");
  Command_Frame frame;
  ::PerehodClick(Forma.RxRichEdit, frame.search, frame.ui, typed);
}

void Run_Report(Search_Dialog which, DWORD flags) {
  Command_Frame frame;
  const Find_Query query = Search_Dialog_Query(which);
  if (which == Search_Dialog::Find) {
    if (!(flags & FR_FINDNEXT)) return;
    Settings_Frame settings;
    FindDialogFind(frame.context, settings.file, query);
  } else if (flags & FR_FINDNEXT) {
    Poisk_Zamena(frame.context, query);
  } else if (flags & FR_REPLACEALL) {
    Replace_All(frame.context, query, Replace_Dialog_Text());
  } else if (flags & FR_REPLACE) {
    Replace_Selection_And_Find(frame.context, query, Replace_Dialog_Text());
  }
}

void On_Report(Search_Dialog which, DWORD flags) {
  if (flags & FR_DIALOGTERM) {
    Dialog_Closed(which);
    return;
  }
  if (Busy) return;
  Busy = true;
  Run_Report(which, flags);
  Busy = false;
}

bool Esc_Typed_In_Edit_Area(LPARAM lp) {
  const auto* header = reinterpret_cast<const NMHDR*>(lp);
  if (!header || header->hwndFrom != Forma.RxRichEdit.Handle() || header->code != EN_MSGFILTER) return false;
  const auto* filter = reinterpret_cast<const MSGFILTER*>(lp);
  return filter->msg == WM_CHAR && filter->wParam == VK_ESCAPE;
}

}  // namespace

bool Search_Handle_Message(UINT msg, WPARAM, LPARAM lp) {
  if (msg == Search_Dialog_Message()) {
    const auto* report = reinterpret_cast<const FINDREPLACEW*>(lp);
    Search_Dialog which;
    if (Search_Dialog_Of(report, which)) On_Report(which, report->Flags);
    return true;
  }
  // Taken before the main window sees it: with the dialog closed first, the
  // key would look like Esc with no dialog open and could close the program.
  // The key still reaches the edit area (the notification answers 0).
  if (msg == WM_NOTIFY && (Forma.Search.Find_Open || Forma.Search.Replace_Open) &&
      Esc_Typed_In_Edit_Area(lp)) {
    Close_Find_Dialog();
    Close_Replace_Dialog();
    return true;
  }
  return false;
}

void Close_Find_Dialog() { Close_Search_Dialog(Search_Dialog::Find); }
void Close_Replace_Dialog() { Close_Search_Dialog(Search_Dialog::Replace); }

void Register_Search_Commands(Command_Table& table) {
  table.Add(IDM_Find1, Find1Click);
  table.Add(IDM_Naiti_Dalee, Naiti_DaleeClick);
  table.Add(IDM_Find2, Find2Click);
  table.Add(IDM_Perehod, PerehodClick);
}
