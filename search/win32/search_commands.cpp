// Find, find next, replace and go to line.
#include "search/win32/search_commands.h"

#include <richedit.h>

#include "common/command_ids.h"
#include "platform/keyboard_layout.h"
#include "common/program_paths.h"
#include "common/settings_file.h"
#include "platform/win32/edit_search_win32.h"
#include "platform/win32/profile_win32.h"
#include "platform/win32/search_ui_win32.h"
#include "search/find_command.h"
#include "search/go_to_line.h"
#include "search/replace_command.h"
#include "search/win32/edit_shortcuts.h"
#include "search/win32/line_input.h"
#include "search/win32/search_dialogs.h"
#include "common/win1251_unicode.h"

namespace {

// The seams a search command works through, over the main window's edit area.
struct Command_Frame {
  explicit Command_Frame(Search_Host& host)
      : search(host.Edit.Handle()), ui(host.Window, host.Busy, host.Status), context{host.Edit,  search,
                                                                                     ui,         host.Keys,
                                                                                     host.State, host.Whole,
                                                                                     host.Status} {}
  Rich_Edit_Search search;
  Win32_Search_Ui ui;
  Search_Context context;
};

struct Settings_Frame {
  explicit Settings_Frame(const std::string& exe_path) : profile(Settings_File_Path(exe_path)) {}
  Win32_Profile profile;
  Settings_File file{profile};
};

// Posted to the main window to put the dialogs back above it.
UINT Keep_In_Front_Message() {
  static const UINT message = RegisterWindowMessageW(L"Lirovant.Keep_Search_Dialogs_In_Front");
  return message;
}

// How often an open dialog's place above the main window is looked at.
constexpr UINT kOrder_Check_Ms = 250;

// The other dialog's menu item: only one search dialog is open at a time.
int Other_Item(Search_Dialog which) { return which == Search_Dialog::Find ? IDM_Replace : IDM_Find; }

// The edit area switches between inserting and overwriting at every press of
// Insert, as the key's toggle state does.
bool Overwriting() { return (GetKeyState(VK_INSERT) & 1) != 0; }

}  // namespace

void Search_Commands::Enable_Item(int id, bool enabled) {
  EnableMenuItem(host_.Menu, UINT(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

// Under Wine the main window can also come above its dialogs with no
// message at all, when the window system's own order reaches the program
// some time after the main window came back from the tray: while a dialog
// is open, its place is looked at now and then.
void CALLBACK Search_Commands::Check_Order(HWND, UINT, UINT_PTR id, DWORD) {
  auto* commands = reinterpret_cast<Search_Commands*>(id);
  commands->dialogs_.Keep_Above(commands->host_.Window);
}

void Search_Commands::Dialog_Shown(Search_Dialog which) {
  SetTimer(host_.Window, UINT_PTR(this), kOrder_Check_Ms, Check_Order);
  host_.Dialogs.Add(dialogs_.Window(which));
  Restore_Layout(host_.Keys, host_.Saved_Layout);
  Search_Dialog_Shown(host_.State, which == Search_Dialog::Replace);
  shortcuts_.Release();
  Enable_Item(Other_Item(which), false);
}

void Search_Commands::Dialog_Closed(Search_Dialog which) {
  host_.Dialogs.Remove(dialogs_.Window(which));
  dialogs_.Forget_Window(which);
  KillTimer(host_.Window, UINT_PTR(this));
  shortcuts_.Restore();
  Search_Dialog_Closed(host_.State, which == Search_Dialog::Replace, host_.Status, Overwriting());
  Enable_Item(Other_Item(which), true);
}

void Search_Commands::Show_Find() {
  host_.Saved_Layout = host_.Keys.Current_Layout();
  Settings_Frame settings(host_.Exe_Path);
  const std::string preset = Find_Preset(settings.file, host_.Edit);
  if (dialogs_.Show(Search_Dialog::Find, host_.Window, Win1251_To_Utf16(preset)))
    Dialog_Shown(Search_Dialog::Find);
}

void Search_Commands::Show_Replace() {
  host_.Saved_Layout = host_.Keys.Current_Layout();
  const std::string preset = Replace_Preset(host_.Edit);
  if (dialogs_.Show(Search_Dialog::Replace, host_.Window, Win1251_To_Utf16(preset)))
    Dialog_Shown(Search_Dialog::Replace);
  // With a preset the user goes on in the text; without one, types in the dialog.
  if (!preset.empty()) {
    SetFocus(host_.Edit.Handle());
    dialogs_.Keep_In_Front();
  }
}

void Search_Commands::Find_Next() {
  if (busy_) return;
  Command_Frame frame(host_);
  Settings_Frame settings(host_.Exe_Path);
  ::Find_Next(frame.context, settings.file, dialogs_.Query(Search_Dialog::Find));
  dialogs_.Keep_In_Front();
}

void Search_Commands::Go_To_Line() {
  const std::string typed = Input_Box(host_.Window, kMessageCaption, kGoToLinePrompt, "");
  Command_Frame frame(host_);
  ::Go_To_Line_Command(host_.Edit, frame.search, frame.ui, typed);
}

void Search_Commands::Run_Report(Search_Dialog which, DWORD flags) {
  Command_Frame frame(host_);
  const std::string outside = dialogs_.Outside_Win1251(which);
  if (!outside.empty() && (flags & (FR_FINDNEXT | FR_REPLACE | FR_REPLACEALL))) {
    frame.ui.Notice(Search_Outside_Win1251_Notice(outside));
    return;
  }
  const Find_Query query = dialogs_.Query(which);
  if (which == Search_Dialog::Find) {
    if (!(flags & FR_FINDNEXT)) return;
    Settings_Frame settings(host_.Exe_Path);
    Find_From_Dialog(frame.context, settings.file, query);
  } else if (flags & FR_FINDNEXT) {
    Find_Next_For_Replace(frame.context, query);
  } else if (flags & FR_REPLACEALL) {
    Replace_All(frame.context, query, dialogs_.Replace_Text());
  } else if (flags & FR_REPLACE) {
    Replace_Selection_And_Find(frame.context, query, dialogs_.Replace_Text());
  }
}

void Search_Commands::On_Report(Search_Dialog which, DWORD flags) {
  if (flags & FR_DIALOGTERM) {
    Dialog_Closed(which);
    return;
  }
  if (busy_) return;
  busy_ = true;
  Run_Report(which, flags);
  busy_ = false;
  dialogs_.Keep_In_Front();
}

bool Search_Commands::Esc_Typed_In_Edit_Area(LPARAM lp) {
  const auto* header = reinterpret_cast<const NMHDR*>(lp);
  if (!header || header->hwndFrom != host_.Edit.Handle() || header->code != EN_MSGFILTER) return false;
  const auto* filter = reinterpret_cast<const MSGFILTER*>(lp);
  return filter->msg == WM_CHAR && filter->wParam == VK_ESCAPE;
}

bool Search_Commands::Handle_Message(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == Search_Dialog_Message()) {
    const auto* report = reinterpret_cast<const FINDREPLACEW*>(lp);
    Search_Dialog which;
    if (dialogs_.Of(report, which)) On_Report(which, report->Flags);
    return true;
  }
  // Wine raises an activated window above the windows it owns once the
  // activation is over: after a message box or the input box has closed,
  // the dialogs come back on top then.
  if (msg == WM_ACTIVATE && LOWORD(wp) != WA_INACTIVE) Keep_Dialogs_In_Front();
  if (msg == Keep_In_Front_Message()) {
    dialogs_.Keep_In_Front();
    return true;
  }
  // Taken before the main window sees it: with the dialog closed first, the
  // key would look like Esc with no dialog open and could close the program.
  // The key still reaches the edit area (the notification answers 0).
  if (msg == WM_NOTIFY && Dialog_Visible() && Esc_Typed_In_Edit_Area(lp)) {
    Close_Find_Dialog();
    Close_Replace_Dialog();
    return true;
  }
  return false;
}

void Search_Commands::Keep_Dialogs_In_Front() {
  if (Dialog_Visible()) PostMessageW(host_.Window, Keep_In_Front_Message(), 0, 0);
}

bool Search_Commands::Dialog_Visible() {
  for (Search_Dialog which : {Search_Dialog::Find, Search_Dialog::Replace})
    if (HWND dialog = dialogs_.Window(which); dialog && IsWindowVisible(dialog)) return true;
  return false;
}

void Search_Commands::Register(Command_Table& table) {
  table.Add(IDM_Find, [this] { Show_Find(); });
  table.Add(IDM_Find_Next, [this] { Find_Next(); });
  table.Add(IDM_Replace, [this] { Show_Replace(); });
  table.Add(IDM_Go_To_Line, [this] { Go_To_Line(); });
}
