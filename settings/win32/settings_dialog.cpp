#include "settings/win32/settings_dialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "common/command_ids.h"
#include "platform/win32/file_dialogs_win32.h"
#include "platform/win32/platform_win32.h"
#include "platform/win32/registry_win32.h"
#include "settings/settings_form.h"
#include "settings/sound_browse.h"
#include "settings/win32/settings_controls.h"
#include "settings/win32/settings_ids.h"
#include "settings/win32/layout_mode_label_win32.h"

namespace {

// The slider's move is handled after the slider's own mouse handling has
// returned: blinking_ inside it would pump the button-up into a slider that
// then keeps the mouse captured.
constexpr UINT kSlider_Moved = WM_APP + 1;

}  // namespace

// The main window as OK acts on it. Messages are owned by the dialog_, so
// closing them does not wake the main window while the dialog_ is modal.
class Settings_Dialog::Form_Host : public Settings_Form_Host {
 public:
  explicit Form_Host(Settings_Dialog& dialog_) : dialog_(dialog_) {}
  bool Status_Bar_Visible() override { return dialog_.host_.Status_Bar_Visible(); }
  void Set_Status_Bar_Visible(bool visible) override { dialog_.host_.Set_Status_Bar_Visible(visible); }
  void Notice(const std::string& text) override {
    MessageBoxW(dialog_.dialog_, Wide(text).c_str(), Wide(kMessageCaption).c_str(), MB_OK);
  }
  Program_Location Binding_Target() override { return {Executable_Path(), Windows_Directory()}; }

 private:
  Settings_Dialog& dialog_;
};

Settings_Dialog::Settings_Dialog(Settings_Dialog_Host& host)
    : host_(host),
      registry_(std::make_unique<Win32_Registry>()),
      form_host_(std::make_unique<Form_Host>(*this)),
      prompts_(std::make_unique<Win32_Prompts>(nullptr)),
      form_(
          std::make_unique<Settings_Form>(host.Settings(), host.Edit(), *registry_, *form_host_, *prompts_)),
      mode_label_(IDC_Layout_Label) {}

Settings_Dialog::~Settings_Dialog() {
  if (dialog_ && IsWindow(dialog_)) DestroyWindow(dialog_);
}

void Settings_Dialog::Show_Form_Controls() {
  Show_Controls(dialog_, form_->Controls);
  slider_position_ = int32_t(SendDlgItemMessageW(dialog_, IDC_Layout_Mode, TBM_GETPOS, 0, 0));
  Set_Layout_Label(mode_label_, slider_position_);
}

void Settings_Dialog::On_Init_Dialog() {
  prompts_->Set_Owner(dialog_);
  Init_Controls(dialog_);
  form_->Fill_From_Settings();
  Show_Form_Controls();
}

// A row's browse button: the open dialog for a sound file.
void Settings_Dialog::Browse_Sound(int row) {
  const std::wstring filter = Dialog_Filter(kSound_File_Filter);
  // Given a file with its folder the dialog opens there; given a folder
  // alone it may open in the last folder it showed instead.
  Win32_Files files;
  const Sound_Browse_Start start =
      Sound_Browse_Start_Of(Read_Row_File(dialog_, row), host_.Exe_Path(), files);
  const std::wstring folder = Wide(start.Folder);
  // Room for the longest name the system has, not only the old 260 characters.
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring shown = Wide(start.File);
  std::copy(shown.begin(), shown.begin() + std::min(shown.size(), file.size() - 1), file.begin());
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = dialog_;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = DWORD(file.size());
  ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
  if (GetOpenFileNameW(&ofn)) Set_Row_File(dialog_, row, Narrow(file.data()));
}

// A row's play button: the name as typed, returning at once.
void Settings_Dialog::Play_Sound(int row) { host_.Sounds().Play(Read_Row_File(dialog_, row), kSoundAsync); }

void Settings_Dialog::On_Row_Command(int id) {
  const int row = Row_Of(id);
  switch (Part_Of(id)) {
    case IDC_Row_Sound:
      Sync_Sound_Row(dialog_, row);
      break;
    case IDC_Row_Button:
      Browse_Sound(row);
      break;
    case IDC_Row_BitBtn:
      Play_Sound(row);
      break;
  }
}

void Settings_Dialog::End_Modal() { modal_ = false; }

void Settings_Dialog::On_Command(int id, int code) {
  switch (id) {
    case IDOK:
      form_->Controls = Read_Controls(dialog_);
      form_->Accept();
      host_.Settings_Accepted();
      End_Modal();
      return;
    case IDCANCEL:
      form_->Controls = Read_Controls(dialog_);
      form_->Cancel();
      Show_Form_Controls();
      End_Modal();
      return;
    case IDC_Undo_Limit:
      if (code == EN_CHANGE) form_->Undo_Limit_Changed(Read_Undo_Limit(dialog_));
      // Five digits can exceed the range: show the depth that counts.
      if (code == EN_KILLFOCUS) SetDlgItemInt(dialog_, IDC_Undo_Limit, UINT(Read_Undo_Limit(dialog_)), FALSE);
      return;
  }
  if (code == BN_CLICKED && Row_Of(id) >= 0) On_Row_Command(id);
}

// Layout_Mode_Moved: only a move by the user changes the position here.
void Settings_Dialog::On_Slider() {
  const int32_t position = int32_t(SendDlgItemMessageW(dialog_, IDC_Layout_Mode, TBM_GETPOS, 0, 0));
  if (position == slider_position_) return;
  slider_position_ = position;
  Layout_Mode_Moved(mode_label_, position, blinking_);
}

void Settings_Dialog::On_Help(const HELPINFO& info) {
  if (info.iContextType != HELPINFO_WINDOW) return;
  const DWORD context = Help_Context(info.iCtrlId);
  if (context == 0) return;
  if (!Show_Help_Topic(host_.Help(), host_.Exe_Path(), int(context)))
    prompts_->Error(Help_Missing_Text(Help_Page_Path(host_.Exe_Path(), int(context))));
}

INT_PTR CALLBACK Settings_Dialog::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) SetWindowLongPtrW(hwnd, DWLP_USER, lp);
  auto* self = reinterpret_cast<Settings_Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  return self ? self->On_Message(hwnd, msg, wp, lp) : FALSE;
}

INT_PTR Settings_Dialog::On_Message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      dialog_ = hwnd;
      mode_label_.Attach(hwnd);
      On_Init_Dialog();
      return TRUE;
    case WM_COMMAND:
      On_Command(LOWORD(wp), HIWORD(wp));
      return TRUE;
    case WM_HSCROLL:
      if (HWND(lp) == GetDlgItem(hwnd, IDC_Layout_Mode)) PostMessageW(hwnd, kSlider_Moved, 0, 0);
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
      if (item.CtlID == IDC_Layout_Label)
        mode_label_.Draw(item);
      else
        Draw_Play_Button(item);
      return TRUE;
    }
    case WM_HELP:
      On_Help(*reinterpret_cast<const HELPINFO*>(lp));
      return TRUE;
    case WM_CLOSE:
      // The title bar's close button is neither OK nor Cancel.
      form_->Controls = Read_Controls(hwnd);
      form_->Title_Bar_Close();
      End_Modal();
      return TRUE;
  }
  return FALSE;
}

void Settings_Dialog::Centre_On_Screen() {
  RECT work{}, box{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(dialog_, &box);
  const int x = work.left + ((work.right - work.left) - (box.right - box.left)) / 2;
  const int y = work.top + ((work.bottom - work.top) - (box.bottom - box.top)) / 2;
  SetWindowPos(dialog_, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}

namespace {

struct Enabled_Windows {
  HWND except;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect_Enabled(HWND window, LPARAM windows) {
  auto& list = *reinterpret_cast<Enabled_Windows*>(windows);
  if (window != list.except && IsWindowVisible(window) && IsWindowEnabled(window))
    list.found.push_back(window);
  return TRUE;
}

}  // namespace

// Every other window of the program refuses input while the dialog_ is up.
std::vector<HWND> Settings_Dialog::Disable_Other_Windows() {
  Enabled_Windows windows{dialog_, {}};
  EnumThreadWindows(GetCurrentThreadId(), Collect_Enabled, LPARAM(&windows));
  for (HWND window : windows.found) EnableWindow(window, FALSE);
  return windows.found;
}

void Settings_Dialog::Run_Modal() {
  const std::vector<HWND> disabled = Disable_Other_Windows();
  Centre_On_Screen();
  SetForegroundWindow(dialog_);
  // On_Show: the page control takes the focus and the spin box counts
  // as untouched.
  SetFocus(GetDlgItem(dialog_, IDC_PageControl));
  form_->On_Show();

  modal_ = true;
  MSG msg;
  while (modal_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      PostQuitMessage(got == 0 ? int(msg.wParam) : 0);
      break;
    }
    if (IsDialogMessageW(dialog_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  modal_ = false;
  for (HWND window : disabled) EnableWindow(window, TRUE);
  ShowWindow(dialog_, SW_HIDE);
  if (host_.Window()) SetForegroundWindow(host_.Window());
}

HWND Settings_Dialog::Create(HINSTANCE instance, HWND owner) {
  if (!dialog_)
    CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_SETTINGS), owner, Proc, reinterpret_cast<LPARAM>(this));
  return dialog_;
}

void Settings_Dialog::Show() {
  if (!dialog_) Create(GetModuleHandleW(nullptr), host_.Window());
  if (!dialog_ || modal_) return;
  prompts_->Set_Owner(dialog_);
  form_->Prepare_Options();
  Show_Form_Controls();
  Run_Modal();
}
