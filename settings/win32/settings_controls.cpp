#include "settings/win32/settings_controls.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "common/help_topics.h"
#include "platform/win32/platform_win32.h"
#include "settings/settings_texts.h"
#include "settings/win32/settings_ids.h"

namespace {

constexpr int kControl_Ids_Page1[] = {IDC_Group_Types,      IDC_Group_Misc,  IDC_Minimize_To_Tray,
                                      IDC_Escape_Closes,    IDC_Status_Bar,  IDC_Remember_Caret,
                                      IDC_Recognize_Page,   IDC_Undo_Limit,  IDC_Undo_Limit_Spin,
                                      IDC_Undo_Limit_Label, IDC_Layout_Mode, IDC_Layout_Mode_Label,
                                      IDC_Layout_Label};

std::vector<int> Page_Controls(int page) {
  std::vector<int> ids;
  if (page == 0) {
    ids.assign(std::begin(kControl_Ids_Page1), std::end(kControl_Ids_Page1));
    for (int i = 0; i < kFile_Type_Count; ++i) ids.push_back(IDC_CheckBox_First + i);
  } else {
    ids.push_back(IDC_Group_Sounds);
    for (int row = 0; row < kSoundCount; ++row)
      for (int part = IDC_Row_Label; part <= IDC_Row_BitBtn; ++part) ids.push_back(Row_Control(row, part));
  }
  return ids;
}

void Set_Check(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

std::string Item_Text(HWND dialog, int id) {
  HWND item = GetDlgItem(dialog, id);
  std::wstring text(size_t(GetWindowTextLengthW(item)) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(item, text.data(), int(text.size()))));
  return Narrow(text);
}

void Add_Hint(HWND tips, HWND dialog, int id, const char* text) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = dialog;
  tool.uId = UINT_PTR(GetDlgItem(dialog, id));
  std::wstring wide = Wide(text);
  tool.lpszText = wide.data();
  SendMessageW(tips, TTM_ADDTOOLW, 0, LPARAM(&tool));
}

}  // namespace

int Row_Control(int row, int part) { return IDC_Sound_Row_First + row * IDC_Sound_Row_Step + part; }

int Row_Of(int id) {
  const int offset = id - IDC_Sound_Row_First;
  if (offset < 0 || offset >= kSoundCount * IDC_Sound_Row_Step) return -1;
  return Part_Of(id) <= IDC_Row_BitBtn ? offset / IDC_Sound_Row_Step : -1;
}

int Part_Of(int id) { return (id - IDC_Sound_Row_First) % IDC_Sound_Row_Step; }

void Show_Controls(HWND dialog, const Settings_Controls& c) {
  for (int i = 0; i < kFile_Type_Count; ++i) Set_Check(dialog, IDC_CheckBox_First + i, c.File_Types[i]);
  const Settings_Model& s = c.Settings;
  Set_Check(dialog, IDC_Minimize_To_Tray, s.Minimize_To_Tray);
  Set_Check(dialog, IDC_Escape_Closes, s.Escape_Closes);
  Set_Check(dialog, IDC_Status_Bar, s.Show_Status_Bar);
  Set_Check(dialog, IDC_Remember_Caret, s.Caret_Memory);
  Set_Check(dialog, IDC_Recognize_Page, s.Recognize_Page_On_Open);
  SendDlgItemMessageW(dialog, IDC_Undo_Limit_Spin, UDM_SETPOS32, 0, s.Undo_Limit);
  SendDlgItemMessageW(dialog, IDC_Layout_Mode, TBM_SETPOS, TRUE, std::clamp(s.Layout_Mode, 1, 4));
  for (int row = 0; row < kSoundCount; ++row) {
    Set_Check(dialog, Row_Control(row, IDC_Row_Sound), s.Sound_On[row]);
    Set_Row_File(dialog, row, s.Sound_File[row]);
    Sync_Sound_Row(dialog, row);
  }
}

Settings_Controls Read_Controls(HWND dialog) {
  Settings_Controls c;
  for (int i = 0; i < kFile_Type_Count; ++i) c.File_Types[i] = Checked(dialog, IDC_CheckBox_First + i);
  Settings_Model& s = c.Settings;
  s.Minimize_To_Tray = Checked(dialog, IDC_Minimize_To_Tray);
  s.Escape_Closes = Checked(dialog, IDC_Escape_Closes);
  s.Show_Status_Bar = Checked(dialog, IDC_Status_Bar);
  s.Caret_Memory = Checked(dialog, IDC_Remember_Caret);
  s.Recognize_Page_On_Open = Checked(dialog, IDC_Recognize_Page);
  s.Undo_Limit = Read_Undo_Limit(dialog);
  s.Layout_Mode = int32_t(SendDlgItemMessageW(dialog, IDC_Layout_Mode, TBM_GETPOS, 0, 0));
  for (int row = 0; row < kSoundCount; ++row) {
    s.Sound_On[row] = Checked(dialog, Row_Control(row, IDC_Row_Sound));
    s.Sound_File[row] = Read_Row_File(dialog, row);
  }
  return c;
}

int32_t Read_Undo_Limit(HWND dialog) { return Undo_Limit_From_Text(Item_Text(dialog, IDC_Undo_Limit)); }

std::string Read_Row_File(HWND dialog, int row) { return Item_Text(dialog, Row_Control(row, IDC_Row_Edit)); }

void Set_Row_File(HWND dialog, int row, const std::string& path) {
  SetDlgItemTextW(dialog, Row_Control(row, IDC_Row_Edit), Wide(path).c_str());
}

void Init_Controls(HWND dialog) {
  HWND pages = GetDlgItem(dialog, IDC_PageControl);
  std::wstring captions[] = {Wide(kSettings_Page_Caption), Wide(kSounds_Page_Caption)};
  for (int i = 0; i < 2; ++i) {
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = captions[i].data();
    SendMessageW(pages, TCM_INSERTITEMW, i, LPARAM(&tab));
  }
  SendDlgItemMessageW(dialog, IDC_Undo_Limit, EM_LIMITTEXT, 5, 0);
  SendDlgItemMessageW(dialog, IDC_Undo_Limit_Spin, UDM_SETRANGE32, 0, kMax_Undo_Limit);
  SendDlgItemMessageW(dialog, IDC_Layout_Mode, TBM_SETRANGE, FALSE, MAKELPARAM(1, 4));
  SendDlgItemMessageW(dialog, IDC_Layout_Mode, TBM_SETPAGESIZE, 0, 1);
  SendDlgItemMessageW(dialog, IDC_Layout_Mode, TBM_SETPOS, TRUE, 1);

  HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                              dialog, nullptr, nullptr, nullptr);
  SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 400);
  for (int row = 0; row < kSoundCount; ++row) {
    Add_Hint(tips, dialog, Row_Control(row, IDC_Row_Sound), kSound_Row_Hints[row]);
    Add_Hint(tips, dialog, Row_Control(row, IDC_Row_Button), kBrowse_Hint);
    Add_Hint(tips, dialog, Row_Control(row, IDC_Row_BitBtn), kPlay_Hint);
  }
  // The page control lies beneath the pages' controls, and its own painting
  // must leave them alone.
  SetWindowPos(pages, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Show_Page(dialog, 0);
}

void Show_Page(HWND dialog, int page) {
  SendDlgItemMessageW(dialog, IDC_PageControl, TCM_SETCURSEL, page, 0);
  for (int shown = 0; shown < 2; ++shown)
    for (int id : Page_Controls(shown)) ShowWindow(GetDlgItem(dialog, id), shown == page ? SW_SHOW : SW_HIDE);
  // Group boxes leave their inside unpainted: repaint the whole page so no
  // trace of the other page stays behind.
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Sync_Sound_Row(HWND dialog, int row) {
  const bool on = Checked(dialog, Row_Control(row, IDC_Row_Sound));
  for (int part : {IDC_Row_Label, IDC_Row_Edit, IDC_Row_Button, IDC_Row_BitBtn})
    EnableWindow(GetDlgItem(dialog, Row_Control(row, part)), on);
}

DWORD Help_Context(int id) {
  if (id >= IDC_CheckBox_First && id < IDC_CheckBox_First + kFile_Type_Count) return kTopicFileTypes;
  switch (id) {
    case IDC_Minimize_To_Tray:
      return kTopicTray;
    case IDC_Escape_Closes:
      return kTopicEscape;
    case IDC_Status_Bar:
      return kTopicStatusBar;
    case IDC_Remember_Caret:
      return kTopicCaretMemory;
    case IDC_Recognize_Page:
      return kTopicRecognizePage;
    case IDC_Undo_Limit:
    case IDC_Undo_Limit_Spin:
      return kTopicUndoLimit;
  }
  const int row = Row_Of(id);
  if (row >= 0 && (Part_Of(id) == IDC_Row_Sound || Part_Of(id) == IDC_Row_Edit)) return kTopicSounds;
  return 0;
}

// A push button with a triangle pointing right: green when it can play.
void Draw_Play_Button(const DRAWITEMSTRUCT& item) {
  RECT r = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  const int h = (r.bottom - r.top) / 2 - 2;
  const int cx = (r.left + r.right) / 2 + (pushed ? 1 : 0);
  const int cy = (r.top + r.bottom) / 2 + (pushed ? 1 : 0);
  POINT triangle[3] = {{cx - h / 2, cy - h}, {cx - h / 2, cy + h}, {cx + h / 2 + 1, cy}};
  const COLORREF colour = disabled ? GetSysColor(COLOR_GRAYTEXT) : RGB(0, 128, 0);
  HBRUSH brush = CreateSolidBrush(colour);
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  HGDIOBJ old_brush = SelectObject(item.hDC, brush);
  HGDIOBJ old_pen = SelectObject(item.hDC, pen);
  Polygon(item.hDC, triangle, 3);
  SelectObject(item.hDC, old_brush);
  SelectObject(item.hDC, old_pen);
  DeleteObject(brush);
  DeleteObject(pen);
  if (item.itemState & ODS_FOCUS) {
    InflateRect(&r, -3, -3);
    DrawFocusRect(item.hDC, &r);
  }
}
