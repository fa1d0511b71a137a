#pragma once
// The system's modeless Find and Replace dialogs of the main window. Their
// texts and options outlive the dialogs, so find next can use them when the
// dialog is closed.
#include <windows.h>

#include <commdlg.h>

#include <string>

#include "search/search_step.h"

enum class Search_Dialog { Find, Replace };

// The message through which both dialogs report to their owner.
UINT Search_Dialog_Message();

// The pair of dialogs of one main window.
class Search_Dialogs {
 public:
  // Puts `find_text` into the dialog's find field and shows the dialog. True
  // when the dialog was created now (its show event is due); false when it
  // was open already and only came to the front, or could not be created.
  bool Show(Search_Dialog which, HWND owner, const std::wstring& find_text);
  // Closes the dialog as its own close button does, which reports the close.
  void Close(Search_Dialog which);
  HWND Window(Search_Dialog which) { return Slot(which).Window; }
  // Puts an open dialog back above the main window without taking the
  // focus from it.
  void Keep_In_Front();
  // The same for an open dialog that lies below `owner`.
  void Keep_Above(HWND owner);
  // Which dialog a report comes from; false for a report of neither.
  bool Of(const FINDREPLACEW* report, Search_Dialog& which) const;
  // After the close report: the window is gone, its texts and options stay.
  void Forget_Window(Search_Dialog which) { Slot(which).Window = nullptr; }

  // The dialog's find text (Windows-1251) and match-case box.
  Find_Query Query(Search_Dialog which);
  // The Replace dialog's replace text (Windows-1251).
  std::string Replace_Text() const;
  // The first character of the dialog's texts (find, and replace in the
  // Replace dialog) that Windows-1251 lacks, as UTF-8; empty when none.
  std::string Outside_Win1251(Search_Dialog which);

 private:
  struct Dialog_Slot {
    DWORD Options;  // what the dialog is created with
    FINDREPLACEW Report{};
    wchar_t What[kDialogTextLimit + 1] = {};
    wchar_t With[kDialogTextLimit + 1] = {};
    HWND Window = nullptr;
  };
  Dialog_Slot& Slot(Search_Dialog which) { return which == Search_Dialog::Find ? find_ : replace_; }

  // Find: only the find text, match case and find next; always forward.
  Dialog_Slot find_{FR_DOWN | FR_HIDEWHOLEWORD | FR_HIDEUPDOWN};
  Dialog_Slot replace_{FR_HIDEWHOLEWORD};
};
