#pragma once
// A small modal input box: a caption, a prompt and one text field.
#include <windows.h>

#include <string>

// The typed text on OK, `preset` on Cancel. Texts are UTF-8.
std::string Input_Box(HWND owner, const std::string& caption, const std::string& prompt,
                      const std::string& preset);
