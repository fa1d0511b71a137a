#include "settings/win32/nastroyki_dialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

#include "app/command_ids.h"
#include "app/program_paths.h"
#include "app/win32/forma.h"
#include "platform/win32/platform_win32.h"
#include "platform/win32/registry_win32.h"
#include "settings/nastroyki_form.h"
#include "settings/win32/nastroyki_controls.h"
#include "settings/win32/nastroyki_ids.h"
#include "settings/win32/nastroyki_label_win32.h"

namespace {

constexpr char kSound_File_Filter[] = "Звуковые файлы (*.wav)|*.wav";
// The slider's move is handled after the slider's own mouse handling has
// returned: blinking inside it would pump the button-up into a slider that
// then keeps the mouse captured.
constexpr UINT kSlider_Moved = WM_APP + 1;

HWND dialog = nullptr;
bool modal = false;
bool blinking = false;
int32_t slider_position = 1;

// The main window as OK acts on it. Messages are owned by the dialog, so
// closing them does not wake the main window while the dialog is modal.
class Forma_Host : public Nastroyki_Host {
 public:
  bool Status_Bar_Visible() override { return Forma.Status_Visible; }
  void Set_Status_Bar_Visible(bool visible) override { ::Set_Status_Bar_Visible(visible); }
  void Notice(const std::string& text) override {
    MessageBoxW(dialog, Wide(text).c_str(), Wide(kMessageCaption).c_str(), MB_OK);
  }
  Program_Location Binding_Target() override { return {Executable_Path(), Windows_Directory()}; }
};

Nastroyki_Form& Form() {
  static Win32_Registry registry;
  static Forma_Host host;
  static Win32_Prompts prompts{nullptr};
  static Nastroyki_Form form{Nastroyki, Forma.RxRichEdit, registry, host, prompts};
  prompts.Set_Owner(dialog);
  return form;
}

Win32_Layout_Label Label_Raskladki() { return Win32_Layout_Label(dialog, IDC_Label_Raskladki); }

void Show_Form_Controls() {
  Show_Controls(dialog, Form().Controls);
  slider_position = int32_t(SendDlgItemMessageW(dialog, IDC_RxSlider, TBM_GETPOS, 0, 0));
  Win32_Layout_Label label = Label_Raskladki();
  Set_Layout_Label(label, slider_position);
}

void FormCreate() {
  Init_Controls(dialog);
  Form().FormCreate();
  Show_Form_Controls();
}

// Button1Click..Button5Click.
void Browse_Sound(int row) {
  std::wstring filter = Wide(kSound_File_Filter);
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  filter.push_back(L'\0');
  wchar_t file[MAX_PATH * 4] = {};
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = dialog;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file;
  ofn.nMaxFile = DWORD(std::size(file));
  ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
  if (GetOpenFileNameW(&ofn)) Set_Row_File(dialog, row, Narrow(file));
}

// BitBtn1Click..BitBtn5Click: the name as typed, returning at once.
void Play_Sound(int row) { Forma.Sound.Play(Read_Row_File(dialog, row), kSoundAsync); }

void On_Row_Command(int id) {
  const int row = Row_Of(id);
  switch (Part_Of(id)) {
    case IDC_Row_Sound:
      Sync_Sound_Row(dialog, row);
      break;
    case IDC_Row_Button:
      Browse_Sound(row);
      break;
    case IDC_Row_BitBtn:
      Play_Sound(row);
      break;
  }
}

void End_Modal() { modal = false; }

void On_Command(int id, int code) {
  switch (id) {
    case IDOK:
      Form().Controls = Read_Controls(dialog);
      Form().OkClick();
      End_Modal();
      return;
    case IDCANCEL:
      Form().Controls = Read_Controls(dialog);
      Form().CancelClick();
      Show_Form_Controls();
      End_Modal();
      return;
    case IDC_Kol_Undo:
      if (code == EN_CHANGE) Form().Kol_UndoChange(Read_Kol_Undo(dialog));
      // Five digits can exceed the range: show the depth that counts.
      if (code == EN_KILLFOCUS) SetDlgItemInt(dialog, IDC_Kol_Undo, UINT(Read_Kol_Undo(dialog)), FALSE);
      return;
  }
  if (code == BN_CLICKED && Row_Of(id) >= 0) On_Row_Command(id);
}

// RxSliderChanged: only a move by the user changes the position here.
void On_Slider() {
  const int32_t position = int32_t(SendDlgItemMessageW(dialog, IDC_RxSlider, TBM_GETPOS, 0, 0));
  if (position == slider_position) return;
  slider_position = position;
  Win32_Layout_Label label = Label_Raskladki();
  RxSliderChanged(label, position, blinking);
}

void On_Help(const HELPINFO& info) {
  if (info.iContextType != HELPINFO_WINDOW) return;
  const DWORD context = Help_Context(info.iCtrlId);
  if (context == 0) return;
  WinHelpW(dialog, Wide(Help_File_Path(Forma.Exe_Path)).c_str(), HELP_CONTEXT, context);
}

INT_PTR CALLBACK Nastroyki_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      dialog = hwnd;
      FormCreate();
      return TRUE;
    case WM_COMMAND:
      On_Command(LOWORD(wp), HIWORD(wp));
      return TRUE;
    case WM_HSCROLL:
      if (HWND(lp) == GetDlgItem(hwnd, IDC_RxSlider)) PostMessageW(hwnd, kSlider_Moved, 0, 0);
      return TRUE;
    case kSlider_Moved:
      On_Slider();
      return TRUE;
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lp);
      if (header->idFrom == IDC_PageControl && header->code == TCN_SELCHANGE)
        Show_Page(hwnd, int(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
      return TRUE;
    }
    case WM_DRAWITEM: {
      const DRAWITEMSTRUCT& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (item.CtlID == IDC_Label_Raskladki)
        Win32_Layout_Label::Draw(item);
      else
        Draw_Play_Button(item);
      return TRUE;
    }
    case WM_HELP:
      On_Help(*reinterpret_cast<const HELPINFO*>(lp));
      return TRUE;
    case WM_CLOSE:
      // The title bar's close button is neither OK nor Cancel.
      Form().Controls = Read_Controls(hwnd);
      Form().Title_Bar_Close();
      End_Modal();
      return TRUE;
  }
  return FALSE;
}

void Centre_On_Screen() {
  RECT work{}, box{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(dialog, &box);
  const int x = work.left + ((work.right - work.left) - (box.right - box.left)) / 2;
  const int y = work.top + ((work.bottom - work.top) - (box.bottom - box.top)) / 2;
  SetWindowPos(dialog, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}

BOOL CALLBACK Collect_Enabled(HWND window, LPARAM windows) {
  if (window != dialog && IsWindowVisible(window) && IsWindowEnabled(window))
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

// Every other window of the program refuses input while the dialog is up.
std::vector<HWND> Disable_Other_Windows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), Collect_Enabled, LPARAM(&windows));
  for (HWND window : windows) EnableWindow(window, FALSE);
  return windows;
}

void Run_Modal() {
  const std::vector<HWND> disabled = Disable_Other_Windows();
  Centre_On_Screen();
  SetForegroundWindow(dialog);
  // FormActivate: the page control takes the focus and the spin box counts
  // as untouched.
  SetFocus(GetDlgItem(dialog, IDC_PageControl));
  Form().FormActivate();

  modal = true;
  MSG msg;
  while (modal) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      PostQuitMessage(got == 0 ? int(msg.wParam) : 0);
      break;
    }
    if (IsDialogMessageW(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  modal = false;
  for (HWND window : disabled) EnableWindow(window, TRUE);
  ShowWindow(dialog, SW_HIDE);
  if (Forma.Handle) SetForegroundWindow(Forma.Handle);
}

}  // namespace

HWND Create_Nastroyki(HINSTANCE instance, HWND owner) {
  if (!dialog) CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_NASTROYKI), owner, Nastroyki_Proc, 0);
  return dialog;
}

void OptionsClick() {
  if (!dialog || modal) return;
  Form().Prepare_Options();
  Show_Form_Controls();
  Run_Modal();
}
