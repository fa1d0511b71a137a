#include "app/win32/main_window.h"

#include "about/win32/about_box.h"
#include "app/win32/window_state.h"
#include "app/menu_letters.h"
#include "text/win32/text_commands.h"
#include "app/window_placement.h"
#include "documents/view_font.h"
#include "text/win32/conversion_marks.h"

#include <commctrl.h>
#include <richedit.h>
#include <windowsx.h>

#include "common/command_ids.h"
#include "app/event_sounds.h"
#include "documents/whole_text_need.h"
#include "platform/intake_pieces.h"
#include "platform/keyboard_layout.h"
#include "app/lifecycle.h"
#include "common/program_paths.h"
#include "app/startup_settings.h"
#include "platform/win32/dpi_win32.h"
#include "platform/win32/profile_win32.h"
#include "platform/win32/window_class.h"
#include "common/win1251_unicode.h"

namespace {

// The window class keeps the name it has always had: tools that find the
// program's window look for it.
constexpr wchar_t kClassName[] = L"TForma";
constexpr int kEditId = 100;
constexpr UINT kFirstActivation = WM_APP + 1;
// Posted by the first activation: what the first window does not show is made
// once it has shown.
constexpr UINT kCreate_Hidden_Windows = WM_APP + 2;
// The recent-files items in the order of the list.
constexpr int kRecent_Items[kHistorySize] = {IDM_Recent_1, IDM_Recent_2, IDM_Recent_3, IDM_Recent_4,
                                             IDM_Recent_5, IDM_Recent_6, IDM_Recent_7, IDM_Recent_8};

}  // namespace

void Main_Window::Layout_Children() {
  RECT client{};
  GetClientRect(Handle, &client);
  int bottom = client.bottom;
  if (Status_Visible) {
    SendMessageW(Status.Handle(), WM_SIZE, 0, 0);
    Status.Lay_Out();
    bottom -= Status.Height();
  }
  MoveWindow(Edit.Handle(), 0, 0, client.right, bottom > 0 ? bottom : 0, TRUE);
}

// Creation: the settings that shape the window and the edit area.
void Main_Window::Apply_Creation_Settings() {
  Status.Set_Text(kPanelMode, kInsertText);
  Search.Find_Next_Ready = false;

  Win32_Profile profile(Settings_File_Path(Exe_Path));
  Settings_File file(profile);
  Creation_Settings s = Read_Creation_Settings(file, Args, Exe_Path, Status.Dpi());
  s.Bounds = Fit_On_Screen(s.Bounds, Virtual_Screen());
  s.Normal_Bounds = Fit_On_Screen(s.Normal_Bounds, Virtual_Screen());
  if (s.Startup_Layout) Keyboard.Activate_Layout(*s.Startup_Layout);
  Dialog_Path = s.Dialog_Path;
  MoveWindow(Handle, s.Bounds.Left, s.Bounds.Top, s.Bounds.Width, s.Bounds.Height, FALSE);
  State.Start(s.Normal_Bounds, s.Maximized);
  Look.Back_Color = s.Back_Color;
  Edit.Set_Background(s.Back_Color);
  Look.Font = s.Font;
  Edit.Set_Undo_Limit(s.Undo_Limit);
  Apply_Text_Font();
  Look.Word_Wrap = s.Word_Wrap;
  Edit.Set_Word_Wrap(s.Word_Wrap);
  CheckMenuItem(Menu, IDM_Word_Wrap, s.Word_Wrap ? MF_CHECKED : MF_UNCHECKED);
  History_List.Files = s.Files;
  History_List.Fill();
  Fill_History_Menu();
}

// The first activation: the live settings, the start sound and the document
// named on the command line.
void Main_Window::On_First_Activation() {
  Win32_Profile profile(Settings_File_Path(Exe_Path));
  Settings_File file(profile);
  Settings = Read_Activation_Settings(file);
  Set_Status_Bar_Visible(Settings.Show_Status_Bar);
  Edit.Set_Undo_Limit(Settings.Undo_Limit);
  Play_Event_Sound(Settings, kSoundStart, *Event_Sounds);

  // Posted: they are made once this first screen's work is done.
  PostMessageW(Handle, kCreate_Hidden_Windows, 0, 0);
  const uint32_t layout = Keyboard.Current_Layout();
  // Text a killed run left unsaved comes first; taken back, it stands in
  // place of the document on the command line.
  Recovery_Files.Start(Handle, Settings_File_Path(Exe_Path));
  if (auto copy = Recovery_Files.Offer_Left_Copies(Prompts)) {
    Documents->With_Session([&](Document_Session& s) { Restore_Document(s, *copy); });
    Restore_Layout(Keyboard, layout);
    Started = true;
    return;
  }
  const Command_Line_Document doc = Open_Command_Line(Args, Program_Prefix(Exe_Path), Files, Prompts, Shell);
  bool loaded = false;
  if (doc.Bytes)
    Documents->With_Session([&](Document_Session& s) { loaded = Load_File(s, doc.Name, doc.Bytes); });
  Restore_Layout(Keyboard, layout);
  if (!loaded) {
    Doc.Name = Doc.Title = doc.Bytes ? kUntitledName : doc.Name;
    Show_Document();
  }
  EnableMenuItem(Menu, IDM_Paste, IsClipboardFormatAvailable(CF_TEXT) ? MF_ENABLED : MF_GRAYED);
  Edit.Set_Modified(false);
  Refresh_Status();
  Started = true;
  if (loaded) Write_Settings();
  Recovery_Files.Offer_Kept_Copies(Prompts, [this](const std::string& copy) {
    Documents->With_Session([&copy](Document_Session& s) { Open_Chosen_File(s, copy); });
  });
}

// The settings dialog and the about box, made hidden as soon as the first
// window is up rather than before it: the start shows sooner, and either is
// made at once should its command come first.
void Main_Window::Create_Hidden_Windows() {
  const HINSTANCE instance = HINSTANCE(GetWindowLongPtrW(Handle, GWLP_HINSTANCE));
  Settings_Box->Create(instance, Handle);
  About->Create(instance);
}

// The window went to a monitor of another scale, or the scale changed: what
// is drawn in pixels follows, and the window takes the rectangle the system
// gives it there.
void Main_Window::On_Dpi_Changed(int dpi, const RECT& suggested) {
  Status.Set_Dpi(dpi);
  Edit.Set_Dpi(dpi);
  SetWindowPos(Handle, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  Layout_Children();
}

Close_State Main_Window::Gather_Close_State() {
  Close_State s;
  s.Dialog_Path = Dialog_Path;
  // Minimising the program (to the taskbar or the tray) only hides the main
  // window, which keeps its rectangle and its maximised state meanwhile.
  s.Bounds = Current_Bounds(Handle);
  s.Maximized = IsZoomed(Handle) != FALSE;
  // A main window minimised on its own stands off the screen; what counts
  // then is where it comes back to.
  WINDOWPLACEMENT place{};
  place.length = sizeof place;
  if (IsIconic(Handle) && GetWindowPlacement(Handle, &place)) {
    const RECT& r = place.rcNormalPosition;
    s.Bounds = {r.top, r.left, r.bottom - r.top, r.right - r.left};
    s.Maximized = (place.flags & WPF_RESTORETOMAXIMIZED) != 0;
  }
  s.Normal_Bounds = State.Normal_Bounds();
  s.Layout_Name = Layout_Name_To_Record(Keyboard.Current_Layout());
  s.Model = Settings;
  s.Undo_Limit = Edit.Undo_Limit();
  s.Back_Color = Look.Back_Color;
  s.Font = Look.Font;
  s.Word_Wrap = Look.Word_Wrap;
  History_List.Remember_Caret(Doc.Name, Intake.Waiting_Caret().value_or(Edit.Get_Selection().Start));
  s.Files = History_List.Files;
  return s;
}

void Main_Window::On_Close() {
  Recovery_Files.Clean_Close();
  Win32_Profile profile(Settings_File_Path(Exe_Path));
  profile.Begin_Batch();
  Settings_File file(profile);
  Close_Program(Gather_Close_State(), file, *Event_Sounds, Prompts);
  State.Remove_Tray_Icon();
}

// A setting confirmed or a recent file noted survives a kill. A folder that
// refuses the file is reported once; the close reports it again.
void Main_Window::Write_Settings() {
  if (!Started) return;
  Win32_Profile profile(Settings_File_Path(Exe_Path));
  profile.Begin_Batch();
  Settings_File file(profile);
  if (!Write_All_Settings(Gather_Close_State(), file, Settings_Refused ? nullptr : &Prompts))
    Settings_Refused = true;
}

void Main_Window::History_Changed() {
  Fill_History_Menu();
  Write_Settings();
}

// Keys that reach the edit area: Insert flips the mode indicator, Esc closes,
// Delete and Backspace over the whole text empty it through a new control.
// Returns whether the edit area is to ignore the key.
bool Main_Window::On_Edit_Key(const MSGFILTER& filter) {
  const bool deleting = filter.wParam == VK_DELETE || filter.wParam == VK_BACK;
  if (filter.msg == WM_KEYDOWN && deleting && Control.Whole_Text_Selected()) {
    Control.Replace_Whole_Text(L"", true);
    return true;
  }
  if (filter.msg == WM_KEYDOWN && filter.wParam == VK_INSERT) {
    Status.Set_Text(kPanelMode, Insert_Key_Toggle(Status.Text(kPanelMode)));
  } else if (filter.msg == WM_CHAR && filter.wParam == VK_ESCAPE) {
    // A held Esc repeats: only a fresh press closes, never the rest of one
    // that stopped a long command.
    const bool repeat = (filter.lParam & (LPARAM(1) << 30)) != 0;
    if (Settings.Escape_Closes && !repeat && !(Searches && Searches->Dialog_Visible()))
      PostMessageW(Handle, WM_CLOSE, 0, 0);
  }
  return false;
}

void Main_Window::On_Link(const ENLINK& link) {
  if (link.msg != WM_LBUTTONUP) return;
  // As the control holds it: a link may name characters Windows-1251 lacks.
  Link_Opener->Open(Utf16_To_Utf8(Edit.Control_Text_Range(link.chrg.cpMin, link.chrg.cpMax)));
}

LRESULT Main_Window::On_Notify(NMHDR* header) {
  if (header->hwndFrom != Edit.Handle()) return 0;
  switch (header->code) {
    case EN_SELCHANGE:
      Refresh_Status();
      break;
    case EN_MSGFILTER:
      return On_Edit_Key(*reinterpret_cast<MSGFILTER*>(header));
    case EN_LINK:
      On_Link(*reinterpret_cast<ENLINK*>(header));
      break;
  }
  return 0;
}

// After a change, a selection takes the character set of the edit area's font.
void Main_Window::On_Edit_Change() {
  const Selection sel = Edit.Get_Selection();
  if (sel.End <= sel.Start) return;
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask = CFM_CHARSET;
  format.bCharSet = BYTE(Look.Font.Charset);
  SendMessageW(Edit.Handle(), EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
}

LRESULT Main_Window::On_Message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (Searches && Searches->Handle_Message(msg, wp, lp)) return 0;
  if (msg == Taskbar_Created_Message()) {
    State.Taskbar_Created();
    return 0;
  }
  switch (msg) {
    case WM_SIZE:
      Layout_Children();
      // Wrapped lines follow the width, so the line count changes with every
      // new size, dragged or maximised alike; a minimised window shows none.
      if (Look.Word_Wrap && wp != SIZE_MINIMIZED) Refresh_Status();
      State.Size(wp);
      return 0;
    case WM_SHOWWINDOW:
      State.Shown(wp != FALSE);
      break;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE && !Activated) {
        Activated = true;
        PostMessageW(hwnd, kFirstActivation, 0, 0);
      }
      break;
    case kFirstActivation:
      On_First_Activation();
      return 0;
    case kCreate_Hidden_Windows:
      Create_Hidden_Windows();
      return 0;
    case WM_DPICHANGED:
      On_Dpi_Changed(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_SETFOCUS:
      SetFocus(Edit.Handle());
      return 0;
    case WM_NOTIFY:
      return On_Notify(reinterpret_cast<NMHDR*>(lp));
    case WM_COMMAND:
      // Parked edit controls and the one being filled share the id; only the
      // shown one's changes count.
      if (lp && GetDlgCtrlID(HWND(lp)) == kEditId) {
        if (HWND(lp) == Edit.Handle() && HIWORD(wp) == EN_CHANGE) {
          Control.History().Changed();
          On_Edit_Change();
          Recovery_Files.Text_Changed();
          Show_Modified();
        }
        return 0;
      }
      Command(LOWORD(wp));
      return 0;
    case WM_INITMENUPOPUP:
      Menu_Opening(HMENU(wp));
      return 0;
    case WM_CONTEXTMENU:
      if (HWND(wp) == Edit.Handle()) {
        HMENU popup = GetSubMenu(Context_Menu, 0);
        Menu_Opening(popup);
        POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (at.x == -1 && at.y == -1) GetCursorPos(&at);
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd, nullptr);
        return 0;
      }
      break;
    case WM_SYSCOMMAND:
      return State.Sys_Command(hwnd, wp, lp);
    case kTrayCallback:
      State.Tray_Callback(lp);
      return 0;
    case WM_CLOSE:
      // A long command stops first; the request comes again once it has.
      if (Busy.Busy()) {
        Busy.Ask_Close();
        return 0;
      }
      if (May_Close()) {
        On_Close();
        DestroyWindow(hwnd);
      }
      return 0;
    // Logging off closes the program as the close button does.
    case WM_QUERYENDSESSION:
      return May_Close();
    case WM_ENDSESSION:
      if (wp) On_Close();
      return 0;
    case WM_DESTROY:
      if (Quit_On_Destroy) PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

namespace {

std::string Window_Text(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(size_t(length) + 1, L'\0');
  GetWindowTextW(window, text.data(), length + 1);
  text.resize(size_t(length));
  return Narrow(text);
}

}  // namespace

std::string Main_Window::Caption() { return Window_Text(Handle); }
std::string Main_Window::Application_Title() { return Window_Text(State.Application()); }

// The caption names the document; the taskbar entry, which belongs to the
// application window, shows its title.
void Main_Window::Show_Document() {
  SetWindowTextW(Handle, Wide(Doc.Name).c_str());
  SetWindowTextW(State.Application(), Wide(Doc.Title).c_str());
  Show_Document_Form();
}

void Main_Window::Show_Document_Form() {
  Status.Set_Text(kPanelEncoding, Document_Panel_Text(Doc.Encoding, Doc.Ends, Doc.Mixed_Ends));
  Show_Modified();
}

// Every edit sets the edit area's flag; a load, a save or New clears it.
void Main_Window::Show_Modified() {
  const std::string mode = Mark_Modified(Status.Text(kPanelMode), Edit.Modified());
  if (Status.Text(kPanelMode) != mode) Status.Set_Text(kPanelMode, mode);
}

void Main_Window::Refresh_Status() {
  Status_Refresh(Edit, Status, Search);
  Show_Document_Form();
}

void Main_Window::Apply_Text_Font() { Documents->Apply_Text_Font(); }

// Wine's control empties a long text paragraph by paragraph, in a time that
// grows with the square of the lines, while a control of its own is made and
// destroyed at once: a document is dropped by taking a new control.
void Main_Window::Replace_Edit_Control() {
  HWND old = Edit.Handle();
  const int32_t undo_limit = Edit.Undo_Limit();
  const bool had_focus = GetFocus() == old;
  HWND edit = Rich_Edit::Create(Handle, kEditId, Look.Word_Wrap);
  if (!edit) {
    Edit.Set_Text("");
    return;
  }
  Edit.Attach(edit);
  Edit.Set_Undo_Limit(undo_limit);
  Edit.Set_Background(Look.Back_Color);
  Edit.Set_Word_Wrap(Look.Word_Wrap);
  Edit.Set_Dpi(Status.Dpi());
  Layout_Children();
  if (had_focus) SetFocus(edit);
  DestroyWindow(old);
}

void Main_Window::Reset_Editor() {
  Intake.Stop();
  // A search counter belongs to the text it counted in.
  Search.Search_Count = 0;
  Put_Mode_Back();
  Control.History().Forget();
  if (Edit.Text_Length() > 0) Replace_Edit_Control();
  Edit.Set_Text("");
  Edit.Set_Selection(0, -1);
  Apply_Text_Font();
}

void Main_Window::Set_Status_Bar_Visible(bool visible) {
  Status_Visible = visible;
  ShowWindow(Status.Handle(), visible ? SW_SHOW : SW_HIDE);
  // The separator above "Время/Дата" comes and goes with the status bar.
  const bool has_separator = GetMenuState(Menu, IDM_Time_Date_Separator, MF_BYCOMMAND) != UINT(-1);
  if (visible && !has_separator) {
    InsertMenuW(Menu, IDM_Time_Date, MF_BYCOMMAND | MF_SEPARATOR, IDM_Time_Date_Separator, nullptr);
  } else if (!visible && has_separator) {
    DeleteMenu(Menu, IDM_Time_Date_Separator, MF_BYCOMMAND);
  }
  Layout_Children();
}

void Main_Window::Fill_History_Menu() {
  HMENU file_menu = GetSubMenu(Menu, 0);
  HMENU store = nullptr;
  for (int i = 0; i < GetMenuItemCount(file_menu) && !store; ++i) store = GetSubMenu(file_menu, i);
  if (!store) return;
  while (GetMenuItemCount(store) > 0) DeleteMenu(store, 0, MF_BYPOSITION);
  std::wstring letters;  // underlined in the items above
  for (int i = 0; i < kHistorySize; ++i) {
    const History_Item& item = History_List.Items[i];
    if (!item.Visible) continue;
    const std::string caption = With_Menu_Letter(item.Caption + "\tAlt+" + std::to_string(i + 1), letters);
    AppendMenuW(store, MF_STRING | (item.Enabled ? 0 : MF_GRAYED), kRecent_Items[i], Wide(caption).c_str());
  }
}

class Main_Window::Settings_Dialog_Link : public Settings_Dialog_Host {
 public:
  explicit Settings_Dialog_Link(Main_Window& window) : window_(window) {}
  HWND Window() override { return window_.Handle; }
  Settings_Model& Settings() override { return window_.Settings; }
  Edit_Area& Edit() override { return window_.Edit; }
  Sound_Player& Sounds() override { return window_.Sound; }
  const std::string& Exe_Path() override { return window_.Exe_Path; }
  Help_Viewer& Help() override { return *window_.Help_Display; }
  bool Status_Bar_Visible() override { return window_.Status_Visible; }
  void Set_Status_Bar_Visible(bool visible) override { window_.Set_Status_Bar_Visible(visible); }
  void Settings_Accepted() override { window_.Write_Settings(); }

 private:
  Main_Window& window_;
};

namespace {}  // namespace

Main_Window::Main_Window()
    : Intake([this](std::size_t taken, std::size_t total) { Show_Intake(taken, total); },
             [this] { Intake_Done(); }, [this](Intake_Cut why) { Intake_Cut_Short(why); }),
      Control(Edit, Look, Intake, [this] { Refresh_Status(); }),
      Settings_Link(std::make_unique<Settings_Dialog_Link>(*this)),
      Settings_Box(std::make_unique<Settings_Dialog>(*Settings_Link)) {}

Main_Window::~Main_Window() {
  Settings_Box.reset();
  if (Handle && IsWindow(Handle)) {
    State.Remove_Tray_Icon();
    DestroyWindow(Handle);
  }
  if (State.Application() && IsWindow(State.Application())) DestroyWindow(State.Application());
  if (Look.Font_Handle) DeleteObject(Look.Font_Handle);
  if (Context_Menu) DestroyMenu(Context_Menu);
  if (Tray_Menu) DestroyMenu(Tray_Menu);
}

LRESULT CALLBACK Main_Window::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* created = reinterpret_cast<const CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
  }
  auto* self = reinterpret_cast<Main_Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self ? self->On_Message(hwnd, msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

bool Main_Window::Create(HINSTANCE instance, const std::vector<std::string>& args) {
  if (Exe_Path.empty()) Exe_Path = Executable_Path();
  Args = args;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, L"MAINICON");
  // The taskbar entry is the application window's; the main window, which
  // it owns, has none of its own.
  if (!State.Create_Application_Window(instance, wc.hIcon)) return false;
  wc.hIconSm = wc.hIcon;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  if (!Register_Window_Class(wc)) return false;

  Menu = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINMENU));
  Context_Menu = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_POPUPMENU));
  Tray_Menu = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_TRAYMENU));
  Accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
  Handle = CreateWindowExW(0, kClassName, Wide(kFirst_Window_Caption).c_str(), WS_OVERLAPPEDWINDOW, 80, 80,
                           400, 300, State.Application(), Menu, instance, this);
  if (!Handle) return false;
  Prompts.Set_Owner(Handle);
  Busy.Set_Window(Handle);
  Shell.Set_Owner(Handle);
  Help.Set_Owner(Handle);
  Keyboard.Set_Window(Handle);
  Status.Create(Handle);
  HWND edit = Rich_Edit::Create(Handle, kEditId, true);
  if (!edit) return false;
  Edit.Attach(edit);
  Edit.Set_Dpi(Status.Dpi());
  Register_Commands();
  Apply_Creation_Settings();
  Layout_Children();
  // Off the screen and of no size, it shows nowhere but in the taskbar.
  ShowWindow(State.Application(), SW_SHOWNOACTIVATE);
  return true;
}

void Main_Window::Show(int show_command) {
  // A start minimised is the program's: the main window comes up as usual
  // and the application window takes the minimised state.
  const bool minimised = show_command == SW_MINIMIZE || show_command == SW_SHOWMINIMIZED ||
                         show_command == SW_SHOWMINNOACTIVE || show_command == SW_FORCEMINIMIZE;
  const int main_command = minimised ? SW_SHOWNORMAL : show_command;
  ShowWindow(Handle, State.Started_Maximized() ? SW_SHOWMAXIMIZED : main_command);
  UpdateWindow(Handle);
  if (minimised) State.Minimize_Application();
}

// A key that changes the text, or goes beyond what is in, waits for the
// whole text, and Esc gives the wait up with the key; moving about the part
// that is in does not wait. Esc while the text comes in ends the intake.
bool Main_Window::Take_Message(MSG& msg) {
  if (Intake.Busy() && msg.hwnd == Edit.Handle()) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      Intake.Give_Up();
      return true;
    }
    const bool needs =
        msg.message == WM_CHAR || (msg.message == WM_KEYDOWN &&
                                   Key_Needs_Whole_Text(unsigned(msg.wParam), GetKeyState(VK_CONTROL) < 0));
    if (needs && !Intake.Finish(true)) return true;
  }
  return Modeless.Take(msg) || Translate_Shortcut(msg);
}

// The share taken in stands in the mode panel, which shows in the narrowest
// window, as the label of a long command does. Counting the lines walks the
// whole text in Wine's control, longer as more comes in (27 ms at 24
// million characters), so the line panels follow each time the text has
// grown by a sixteenth: all the counts of an intake cost some seventeen
// counts of the whole text, a fraction of a percent of its time.
void Main_Window::Show_Intake(std::size_t taken, std::size_t total) {
  if (!Mode_Before_Intake) Mode_Before_Intake = Status.Text(kPanelMode);
  if (taken < Counted_Intake || taken >= Counted_Intake + Counted_Intake / 16) {
    Refresh_Status();
    Counted_Intake = taken;
  }
  Status.Set_Text(kPanelMode, Intake_Progress_Text(taken, total));
}

void Main_Window::Put_Mode_Back() {
  if (Mode_Before_Intake) Status.Set_Text(kPanelMode, *Mode_Before_Intake);
  Mode_Before_Intake.reset();
}

void Main_Window::Intake_Done() {
  Put_Mode_Back();
  Refresh_Status();
}

// Only a part of the file is in: the document says so, and a save over the
// file asks first.
void Main_Window::Intake_Cut_Short(Intake_Cut why) {
  Put_Mode_Back();
  Doc.Partial = true;
  Refresh_Status();
  Status.Set_Text(kPanelMode, why == Intake_Cut::Stopped ? kIntakeStoppedText : kIntakeBrokenText);
  if (why == Intake_Cut::File_Changed) Prompts.Error(File_Changed_During_Intake_Text(Doc.Name));
}

bool Main_Window::May_Close() { return Documents->May_Close(); }

void Main_Window::Clear_Conversion_Marks() { Mark_Conversion(Menu, No_Conversion); }

std::string Main_Window::Settings_Path() { return Settings_File_Path(Exe_Path); }

void Main_Window::Play_Window_Sound(int event) { Play_Event_Sound(Settings, event, *Event_Sounds); }

void Main_Window::Keep_Dialogs_In_Front() {
  if (Searches) Searches->Keep_Dialogs_In_Front();
}
