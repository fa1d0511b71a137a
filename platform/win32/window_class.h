#pragma once

#include <windows.h>

// Registers a window class of this module unless it is known already, so that
// a second window of the class (another test's, another dialog's) takes the
// one registered first. False only when the system refuses the class.
bool Register_Window_Class(const WNDCLASSEXW& wc);
