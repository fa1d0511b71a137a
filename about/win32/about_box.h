#pragma once
// The about box: the program's picture, name and version, a scrolling story
// and two links. Created once, hidden; each opening is modal.
#include <windows.h>

// Creates the box, hidden and owned by owner; a second call returns the box
// made by the first. Returns nullptr when the window cannot be made.
HWND Create_About_Box(HINSTANCE instance, HWND owner);

// "О программе": starts the story from the beginning and shows the box
// modally, centred on the screen that holds owner (or the primary screen)
// and drawn at that screen's scale; returns when the box has been closed.
// Creates the box first when Create_About_Box has not; does nothing while
// the box is already open.
void Show_About_Box(HWND owner);

// What a click on a link does with its target ("mailto:..." or the home page).
// The default hands it to the shell; the tests record it instead. Returns the
// previous one.
using About_Link_Opener = void (*)(HWND box, const wchar_t* target);
About_Link_Opener Set_About_Link_Opener(About_Link_Opener opener);
