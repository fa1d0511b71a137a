#pragma once
// Letter case in Windows-1251.
#include <string>

#include "common/win1251_case.h"

std::string Upper_Case_Text(const std::string& text);
std::string Lower_Case_Text(const std::string& text);

// True when the text holds a byte of a..z, ё or а..я. The rarer small letters
// of the code page (ђ, ѓ, ...) deliberately do not count.
bool Has_Lower_Letter(const std::string& text);

// The case toggle of the selection: all capitals when the text holds a small
// letter by Has_Lower_Letter, otherwise all small letters. Length stays.
std::string Toggle_Case_Text(const std::string& text);
