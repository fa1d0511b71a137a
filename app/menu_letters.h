#pragma once
// Menu items made at run time get an underlined letter for the keyboard, as
// the items of the resource menus have theirs.
#include <string>

// The caption (UTF-8, "text\tshortcut") as a menu item's text: every & of
// the text doubled so that it shows, and an & before the first letter or
// digit of the text that `used` does not hold yet; that letter, in small
// case, joins `used`. A text whose every letter is used already has none.
std::string With_Menu_Letter(const std::string& caption, std::wstring& used);
