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

// Puts `find_text` into the dialog's find field and shows the dialog. True
// when the dialog was created now (its show event is due); false when it was
// open already and only came to the front, or could not be created.
bool Show_Search_Dialog(Search_Dialog which, HWND owner, const std::wstring& find_text);
// Closes the dialog as its own close button does, which reports the close.
void Close_Search_Dialog(Search_Dialog which);
HWND Search_Dialog_Window(Search_Dialog which);
// Which dialog a report comes from; false for a report of neither.
bool Search_Dialog_Of(const FINDREPLACEW* report, Search_Dialog& which);
// After the close report: the window is gone, its texts and options stay.
void Forget_Search_Dialog_Window(Search_Dialog which);

// The dialog's find text (Windows-1251) and match-case box.
Find_Query Search_Dialog_Query(Search_Dialog which);
// The Replace dialog's replace text (Windows-1251).
std::string Replace_Dialog_Text();
