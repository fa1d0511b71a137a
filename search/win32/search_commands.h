#pragma once
// Find, find next, replace and go to line on the main window.
#include <windows.h>

// For the top of the main window's procedure: takes the reports of the Find
// and Replace dialogs, and Esc typed in the edit area while one of them is
// open (which closes that dialog and so never closes the program). True when
// the message was taken; the procedure then returns 0.
bool Search_Handle_Message(UINT msg, WPARAM wp, LPARAM lp);

// Close the dialog as its own close button does; nothing when it is closed.
void Close_Find_Dialog();
void Close_Replace_Dialog();
