#include "search/win32/search_dialogs.h"

#include <dlgs.h>

#include "common/control_text.h"
#include "common/file_encoding.h"
#include "common/win1251_unicode.h"

namespace {

// A field of the dialog, or the report's copy of it when the dialog is gone.
std::wstring Field_Text(HWND dialog, int id, const wchar_t* reported) {
  if (!dialog || !GetDlgItem(dialog, id)) return reported;
  wchar_t text[kDialogTextLimit + 1] = {};
  GetDlgItemTextW(dialog, id, text, kDialogTextLimit + 1);
  return text;
}

void Copy_Field(wchar_t (&field)[kDialogTextLimit + 1], const std::wstring& text) {
  const size_t length = std::min(text.size(), kDialogTextLimit);
  text.copy(field, length);
  field[length] = L'\0';
}

}  // namespace

UINT Search_Dialog_Message() {
  static const UINT message = RegisterWindowMessageW(FINDMSGSTRINGW);
  return message;
}

bool Search_Dialogs::Show(Search_Dialog which, HWND owner, const std::wstring& find_text) {
  Dialog_Slot& slot = Slot(which);
  Copy_Field(slot.What, find_text);
  if (slot.Window && IsWindow(slot.Window)) {
    SetDlgItemTextW(slot.Window, edt1, slot.What);
    SetActiveWindow(slot.Window);
    BringWindowToTop(slot.Window);
    return false;
  }
  const DWORD match_case = slot.Report.Flags & FR_MATCHCASE;
  slot.Report = {};
  slot.Report.lStructSize = sizeof(slot.Report);
  slot.Report.hwndOwner = owner;
  slot.Report.hInstance = GetModuleHandleW(nullptr);
  slot.Report.Flags = slot.Options | match_case;
  slot.Report.lpstrFindWhat = slot.What;
  slot.Report.wFindWhatLen = WORD(std::size(slot.What));
  if (which == Search_Dialog::Replace) {
    slot.Report.lpstrReplaceWith = slot.With;
    slot.Report.wReplaceWithLen = WORD(std::size(slot.With));
  }
  slot.Window = which == Search_Dialog::Find ? FindTextW(&slot.Report) : ReplaceTextW(&slot.Report);
  return slot.Window != nullptr;
}

// Focus put into the text, or a message box that closes, activates the main
// window; Wine then raises it over the dialogs it owns.
void Search_Dialogs::Keep_In_Front() {
  for (HWND window : {find_.Window, replace_.Window}) {
    if (window && IsWindow(window))
      SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void Search_Dialogs::Keep_Above(HWND owner) {
  for (HWND window : {find_.Window, replace_.Window}) {
    if (!window || !IsWindow(window) || !IsWindowVisible(window)) continue;
    HWND above = GetWindow(owner, GW_HWNDPREV);
    while (above && above != window) above = GetWindow(above, GW_HWNDPREV);
    if (!above) SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void Search_Dialogs::Close(Search_Dialog which) {
  HWND window = Slot(which).Window;
  if (window && IsWindow(window)) SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
}

bool Search_Dialogs::Of(const FINDREPLACEW* report, Search_Dialog& which) const {
  if (report == &find_.Report)
    which = Search_Dialog::Find;
  else if (report == &replace_.Report)
    which = Search_Dialog::Replace;
  else
    return false;
  return true;
}

Find_Query Search_Dialogs::Query(Search_Dialog which) {
  const Dialog_Slot& slot = Slot(which);
  return {Utf16_To_Win1251(slot.What), (slot.Report.Flags & FR_MATCHCASE) != 0};
}

std::string Search_Dialogs::Replace_Text() const { return Utf16_To_Win1251(replace_.With); }

// Read from the dialog's fields, not from the report: Wine's dialogs pass
// their texts through the system's 8-bit code page, which has already turned
// such a character into '?' there.
std::string Search_Dialogs::Outside_Win1251(Search_Dialog which) {
  const Dialog_Slot& slot = Slot(which);
  std::wstring texts = Field_Text(slot.Window, edt1, slot.What);
  if (which == Search_Dialog::Replace) texts.append(L" ").append(Field_Text(slot.Window, edt2, slot.With));
  return Characters_Outside_Win1251(texts, kNulSymbol).First;
}
