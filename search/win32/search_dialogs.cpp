#include "search/win32/search_dialogs.h"

#include <dlgs.h>

#include "text/win1251_unicode.h"

namespace {

struct Dialog_Slot {
  DWORD Options;  // what the dialog is created with
  FINDREPLACEW Report{};
  wchar_t What[kDialogTextLimit + 1] = {};
  wchar_t With[kDialogTextLimit + 1] = {};
  HWND Window = nullptr;
};

// Find: only the find text, match case and find next; always forward.
Dialog_Slot Find_Slot{FR_DOWN | FR_HIDEWHOLEWORD | FR_HIDEUPDOWN};
Dialog_Slot Replace_Slot{FR_HIDEWHOLEWORD};

Dialog_Slot& Slot(Search_Dialog which) { return which == Search_Dialog::Find ? Find_Slot : Replace_Slot; }

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

bool Show_Search_Dialog(Search_Dialog which, HWND owner, const std::wstring& find_text) {
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

void Close_Search_Dialog(Search_Dialog which) {
  HWND window = Slot(which).Window;
  if (window && IsWindow(window)) SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
}

HWND Search_Dialog_Window(Search_Dialog which) { return Slot(which).Window; }

bool Search_Dialog_Of(const FINDREPLACEW* report, Search_Dialog& which) {
  if (report == &Find_Slot.Report)
    which = Search_Dialog::Find;
  else if (report == &Replace_Slot.Report)
    which = Search_Dialog::Replace;
  else
    return false;
  return true;
}

void Forget_Search_Dialog_Window(Search_Dialog which) { Slot(which).Window = nullptr; }

Find_Query Search_Dialog_Query(Search_Dialog which) {
  const Dialog_Slot& slot = Slot(which);
  return {Utf16_To_Win1251(slot.What), (slot.Report.Flags & FR_MATCHCASE) != 0};
}

std::string Replace_Dialog_Text() { return Utf16_To_Win1251(Replace_Slot.With); }
