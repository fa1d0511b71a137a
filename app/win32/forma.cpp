#include "app/win32/forma.h"

#include "app/win32/commands.h"
#include "app/win32/window_state.h"
#include "documents/view_font.h"
#include "documents/win32/file_commands.h"
#include "documents/win32/whole_text_win32.h"
#include "search/win32/search_commands.h"

#include <commctrl.h>
#include <richedit.h>
#include <windowsx.h>

#include "app/command_ids.h"
#include "app/event_sounds.h"
#include "app/keyboard_layout.h"
#include "app/lifecycle.h"
#include "app/program_paths.h"
#include "app/startup_settings.h"
#include "platform/win32/profile_win32.h"
#include "text/win1251_unicode.h"

TForma Forma;
Nastroyki_Model Nastroyki;

namespace {

constexpr wchar_t kClassName[] = L"TForma";
constexpr int kEditId = 100;
constexpr UINT kFirstActivation = WM_APP + 1;

Window_Bounds Current_Bounds() {
  RECT r{};
  GetWindowRect(Forma.Handle, &r);
  return {r.top, r.left, r.bottom - r.top, r.right - r.left};
}

void Layout_Children() {
  RECT client{};
  GetClientRect(Forma.Handle, &client);
  int bottom = client.bottom;
  if (Forma.Status_Visible) {
    SendMessageW(Forma.StatusBar.Handle(), WM_SIZE, 0, 0);
    bottom -= Forma.StatusBar.Height();
  }
  MoveWindow(Forma.RxRichEdit.Handle(), 0, 0, client.right, bottom > 0 ? bottom : 0, TRUE);
}

// Creation: the settings that shape the window and the edit area.
void FormCreate() {
  Forma.StatusBar.Set_Text(kPanelMode, kInsertText);
  Forma.Window_Shown = false;
  Forma.Search.Find_Next_Ready = false;
  Forma.Started_Maximized = false;

  Win32_Profile profile(Settings_File_Path(Forma.Exe_Path));
  Settings_File file(profile);
  const Creation_Settings s = Read_Creation_Settings(file, Forma.Args, Forma.Exe_Path);
  if (s.Startup_Layout) Forma.Keyboard.Activate_Layout(*s.Startup_Layout);
  Forma.Current_Path = s.Current_Path;
  MoveWindow(Forma.Handle, s.Bounds.Left, s.Bounds.Top, s.Bounds.Width, s.Bounds.Height, FALSE);
  Forma.Normal_Bounds = s.Normal_Bounds;
  Forma.Started_Maximized = s.Maximized;
  Forma.Back_Color = s.Back_Color;
  Forma.RxRichEdit.Set_Background(s.Back_Color);
  Forma.Text_Font = s.Font;
  Forma.RxRichEdit.Set_Undo_Limit(s.Undo_Limit);
  Apply_Text_Font();
  Forma.Word_Wrap = s.Word_Wrap;
  Forma.RxRichEdit.Set_Word_Wrap(s.Word_Wrap);
  CheckMenuItem(Forma.Menu, IDM_WordWrap1, s.Word_Wrap ? MF_CHECKED : MF_UNCHECKED);
  Forma.History_List.Files = s.Files;
  Forma.History_List.Fill();
  Fill_History_Menu();
}

// The first activation: the live settings, the start sound and the document
// named on the command line.
void FormActivate() {
  Win32_Profile profile(Settings_File_Path(Forma.Exe_Path));
  Settings_File file(profile);
  Nastroyki = Read_Activation_Settings(file);
  Set_Status_Bar_Visible(Nastroyki.Bar);
  Forma.RxRichEdit.Set_Undo_Limit(Nastroyki.Kol_Undo);
  Play_Event_Sound(Nastroyki, kSoundStart, *Forma.Event_Sounds);

  const uint32_t layout = Forma.Keyboard.Current_Layout();
  const Command_Line_Document doc =
      Open_Command_Line(Forma.Args, Program_Prefix(Forma.Exe_Path), Forma.Files, Forma.Prompts, Forma.Shell);
  if (doc.Text) {
    Reset_Editor();
    Put_Start_Up_Text(*doc.Text);
  }
  Restore_Layout(Forma.Keyboard, layout);
  Set_Document_Name(doc.Name);
  Set_Application_Title(doc.Name);
  if (doc.Text) {
    Forma.History_List.Add(doc.Name, 0);
    Fill_History_Menu();
  }
  EnableMenuItem(Forma.Menu, IDM_Paste1, IsClipboardFormatAvailable(CF_TEXT) ? MF_ENABLED : MF_GRAYED);
  Forma.RxRichEdit.Set_Modified(false);
  Refresh_Status();
  if (auto caret = Forma.History_List.Caret_To_Restore(doc.Name, Nastroyki.Poziciya_Kursora))
    Forma.RxRichEdit.Set_Selection(*caret, *caret);
}

Close_State Gather_Close_State() {
  Close_State s;
  s.Current_Path = Forma.Current_Path;
  // Minimising the program (to the taskbar or the tray) only hides the main
  // window, which keeps its rectangle and its maximised state meanwhile.
  s.Bounds = Current_Bounds();
  s.Maximized = IsZoomed(Forma.Handle) != FALSE;
  // A main window minimised on its own stands off the screen; what counts
  // then is where it comes back to.
  WINDOWPLACEMENT place{};
  place.length = sizeof place;
  if (IsIconic(Forma.Handle) && GetWindowPlacement(Forma.Handle, &place)) {
    const RECT& r = place.rcNormalPosition;
    s.Bounds = {r.top, r.left, r.bottom - r.top, r.right - r.left};
    s.Maximized = (place.flags & WPF_RESTORETOMAXIMIZED) != 0;
  }
  s.Normal_Bounds = Forma.Normal_Bounds;
  s.Layout_Name = Layout_Name_To_Record(Forma.Keyboard.Current_Layout());
  s.Model = Nastroyki;
  s.Undo_Limit = Forma.RxRichEdit.Undo_Limit();
  s.Back_Color = Forma.Back_Color;
  s.Font = Forma.Text_Font;
  s.Word_Wrap = Forma.Word_Wrap;
  Forma.History_List.Remember_Caret(Document_Name(), Forma.RxRichEdit.Get_Selection().Start);
  s.Files = Forma.History_List.Files;
  return s;
}

void FormClose() {
  Win32_Profile profile(Settings_File_Path(Forma.Exe_Path));
  Settings_File file(profile);
  Close_Program(Gather_Close_State(), file, *Forma.Event_Sounds, Forma.Prompts);
  Remove_Tray_Icon();
}

// Keys that reach the edit area: Insert flips the mode indicator, Esc closes,
// Delete and Backspace over the whole text empty it through a new control.
// Returns whether the edit area is to ignore the key.
bool On_Edit_Key(const MSGFILTER& filter) {
  const bool deleting = filter.wParam == VK_DELETE || filter.wParam == VK_BACK;
  if (filter.msg == WM_KEYDOWN && deleting && Whole_Text_Selected()) {
    Replace_Whole_Text("", true);
    return true;
  }
  if (filter.msg == WM_KEYDOWN && filter.wParam == VK_INSERT) {
    Forma.StatusBar.Set_Text(kPanelMode, Insert_Key_Toggle(Forma.StatusBar.Text(kPanelMode)));
  } else if (filter.msg == WM_CHAR && filter.wParam == VK_ESCAPE) {
    if (Nastroyki.Escape && !Forma.Search.Find_Open && !Forma.Search.Replace_Open)
      PostMessageW(Forma.Handle, WM_CLOSE, 0, 0);
  }
  return false;
}

void On_Link(const ENLINK& link) {
  if (link.msg != WM_LBUTTONUP) return;
  Forma.Shell.Open(Win1251_To_Utf8(Forma.RxRichEdit.Text_Range(link.chrg.cpMin, link.chrg.cpMax)));
}

LRESULT On_Notify(NMHDR* header) {
  if (header->hwndFrom != Forma.RxRichEdit.Handle()) return 0;
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
void RxRichEditChange() {
  const Selection sel = Forma.RxRichEdit.Get_Selection();
  if (sel.End <= sel.Start) return;
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask = CFM_CHARSET;
  format.bCharSet = BYTE(Forma.Text_Font.Charset);
  SendMessageW(Forma.RxRichEdit.Handle(), EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
}

LRESULT CALLBACK Forma_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (Search_Handle_Message(msg, wp, lp)) return 0;
  switch (msg) {
    case WM_SIZE:
      Layout_Children();
      Window_State_Size(wp);
      return 0;
    case WM_SIZING:
      if (Forma.Word_Wrap) Refresh_Status();
      break;
    case WM_SHOWWINDOW:
      Forma.Window_Shown = wp != FALSE;
      break;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE && !Forma.Activated) {
        Forma.Activated = true;
        PostMessageW(hwnd, kFirstActivation, 0, 0);
      }
      break;
    case kFirstActivation:
      FormActivate();
      return 0;
    case WM_SETFOCUS:
      SetFocus(Forma.RxRichEdit.Handle());
      return 0;
    case WM_NOTIFY:
      return On_Notify(reinterpret_cast<NMHDR*>(lp));
    case WM_COMMAND:
      // Parked edit controls and the one being filled share the id; only the
      // shown one's changes count.
      if (lp && GetDlgCtrlID(HWND(lp)) == kEditId) {
        if (HWND(lp) == Forma.RxRichEdit.Handle() && HIWORD(wp) == EN_CHANGE) {
          Document_History().Changed();
          RxRichEditChange();
        }
        return 0;
      }
      Forma_Command(LOWORD(wp));
      return 0;
    case WM_INITMENUPOPUP:
      Forma_Menu_Opening(HMENU(wp));
      return 0;
    case WM_CONTEXTMENU:
      if (HWND(wp) == Forma.RxRichEdit.Handle()) {
        HMENU popup = GetSubMenu(Forma.PopupMenu, 0);
        Forma_Menu_Opening(popup);
        POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (at.x == -1 && at.y == -1) GetCursorPos(&at);
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd, nullptr);
        return 0;
      }
      break;
    case WM_SYSCOMMAND:
      return Window_State_Sys_Command(hwnd, wp, lp);
    case kTrayCallback:
      Tray_Callback(lp);
      return 0;
    case WM_CLOSE:
      if (FormCloseQuery()) {
        FormClose();
        DestroyWindow(hwnd);
      }
      return 0;
    // Logging off closes the program as the close button does.
    case WM_QUERYENDSESSION:
      return FormCloseQuery();
    case WM_ENDSESSION:
      if (wp) FormClose();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

namespace {

std::string Window_Text(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(size_t(length) + 1, L'\0');
  GetWindowTextW(window, text.data(), length + 1);
  text.resize(size_t(length));
  return Narrow(text);
}

}  // namespace

std::string Document_Name() { return Window_Text(Forma.Handle); }

// Only the caption: the taskbar shows the application window's text.
void Set_Document_Name(const std::string& name) { SetWindowTextW(Forma.Handle, Wide(name).c_str()); }

std::string Application_Title() { return Window_Text(Forma.Application); }

void Set_Application_Title(const std::string& title) {
  SetWindowTextW(Forma.Application, Wide(title).c_str());
}

void Refresh_Status() { Status_Refresh(Forma.RxRichEdit, Forma.StatusBar, Forma.Search); }

void Apply_Text_Font() {
  HDC dc = GetDC(nullptr);
  const int height = -MulDiv(Shown_Font_Size(Forma.Text_Font.Size), GetDeviceCaps(dc, LOGPIXELSY), 72);
  ReleaseDC(nullptr, dc);
  const int style = Forma.Text_Font.Style;
  HFONT font = CreateFontW(height, 0, 0, 0, (style & kBold) ? FW_BOLD : FW_NORMAL, (style & kItalic) != 0,
                           (style & kUnderline) != 0, (style & kStrikeOut) != 0,
                           BYTE(Forma.Text_Font.Charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH, Wide(Forma.Text_Font.Name).c_str());
  Forma.RxRichEdit.Apply_Font(Forma.Text_Font, font);
  if (Forma.Font_Handle) DeleteObject(Forma.Font_Handle);
  Forma.Font_Handle = font;
}

namespace {

// Wine's control empties a long text paragraph by paragraph, in a time that
// grows with the square of the lines, while a control of its own is made and
// destroyed at once: a document is dropped by taking a new control.
void Replace_Edit_Control() {
  HWND old = Forma.RxRichEdit.Handle();
  const int32_t undo_limit = Forma.RxRichEdit.Undo_Limit();
  const bool had_focus = GetFocus() == old;
  HWND edit = Rich_Edit::Create(Forma.Handle, kEditId, Forma.Word_Wrap);
  if (!edit) {
    Forma.RxRichEdit.Set_Text("");
    return;
  }
  Forma.RxRichEdit.Attach(edit);
  Forma.RxRichEdit.Set_Undo_Limit(undo_limit);
  Forma.RxRichEdit.Set_Background(Forma.Back_Color);
  Forma.RxRichEdit.Set_Word_Wrap(Forma.Word_Wrap);
  Layout_Children();
  if (had_focus) SetFocus(edit);
  DestroyWindow(old);
}

}  // namespace

void Reset_Editor() {
  Document_History().Forget();
  if (Forma.RxRichEdit.Text_Length() > 0) Replace_Edit_Control();
  Forma.RxRichEdit.Set_Text("");
  Forma.RxRichEdit.Set_Selection(0, -1);
  Apply_Text_Font();
}

void Set_Status_Bar_Visible(bool visible) {
  Forma.Status_Visible = visible;
  ShowWindow(Forma.StatusBar.Handle(), visible ? SW_SHOW : SW_HIDE);
  // The separator above "Время/Дата" comes and goes with the status bar.
  const bool has_separator = GetMenuState(Forma.Menu, IDM_N15, MF_BYCOMMAND) != UINT(-1);
  if (visible && !has_separator) {
    InsertMenuW(Forma.Menu, IDM_TIme_Date, MF_BYCOMMAND | MF_SEPARATOR, IDM_N15, nullptr);
  } else if (!visible && has_separator) {
    DeleteMenu(Forma.Menu, IDM_N15, MF_BYCOMMAND);
  }
  Layout_Children();
}

void Fill_History_Menu() {
  HMENU file_menu = GetSubMenu(Forma.Menu, 0);
  HMENU store = nullptr;
  for (int i = 0; i < GetMenuItemCount(file_menu) && !store; ++i) store = GetSubMenu(file_menu, i);
  if (!store) return;
  while (GetMenuItemCount(store) > 0) DeleteMenu(store, 0, MF_BYPOSITION);
  for (int i = 0; i < kHistorySize; ++i) {
    const History_Item& item = Forma.History_List.Items[i];
    if (!item.Visible) continue;
    std::string caption = item.Caption + "\tAlt+" + std::to_string(i + 1);
    // A single & would underline the next letter of a path.
    for (size_t at = caption.find('&'); at != std::string::npos; at = caption.find('&', at + 2))
      caption.insert(at, "&");
    AppendMenuW(store, MF_STRING | (item.Enabled ? 0 : MF_GRAYED), IDM_Name1 + i, Wide(caption).c_str());
  }
}

bool Create_Forma(HINSTANCE instance, const std::vector<std::string>& args) {
  // Tests place the program elsewhere to keep their settings files apart.
  if (Forma.Exe_Path.empty()) Forma.Exe_Path = Executable_Path();
  Forma.Args = args;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = Forma_Proc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, L"MAINICON");
  // The taskbar entry is the application window's; the main window, which
  // it owns, has none of its own.
  Forma.Application = Create_Application_Window(instance, wc.hIcon);
  if (!Forma.Application) return false;
  wc.hIconSm = wc.hIcon;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  if (!RegisterClassExW(&wc)) return false;

  Forma.Menu = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINMENU));
  Forma.PopupMenu = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_POPUPMENU));
  Forma.PopupMenu1 = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_TRAYMENU));
  Forma.Accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
  Forma.Handle = CreateWindowExW(0, kClassName, L"Запоминаем текущую раскладку", WS_OVERLAPPEDWINDOW, 80, 80,
                                 400, 300, Forma.Application, Forma.Menu, instance, nullptr);
  if (!Forma.Handle) return false;
  Forma.Prompts.Set_Owner(Forma.Handle);
  Forma.Shell.Set_Owner(Forma.Handle);
  Forma.Keyboard.Set_Window(Forma.Handle);
  Forma.StatusBar.Create(Forma.Handle);
  HWND edit = Rich_Edit::Create(Forma.Handle, kEditId, true);
  if (!edit) return false;
  Forma.RxRichEdit.Attach(edit);
  Register_All_Commands(Commands());
  FormCreate();
  Layout_Children();
  // Off the screen and of no size, it shows nowhere but in the taskbar.
  ShowWindow(Forma.Application, SW_SHOWNOACTIVATE);
  return true;
}

void Show_Forma(int show_command) {
  // A start minimised is the program's: the main window comes up as usual
  // and the application window takes the minimised state.
  const bool minimised = show_command == SW_MINIMIZE || show_command == SW_SHOWMINIMIZED ||
                         show_command == SW_SHOWMINNOACTIVE || show_command == SW_FORCEMINIMIZE;
  const int main_command = minimised ? SW_SHOWNORMAL : show_command;
  ShowWindow(Forma.Handle, Forma.Started_Maximized ? SW_SHOWMAXIMIZED : main_command);
  UpdateWindow(Forma.Handle);
  if (minimised) Minimize_Application();
}
