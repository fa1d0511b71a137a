#pragma once
// How the main window shows its text. Controls made to stand in for the edit
// area (a whole-text replacement, a scratch control) take the same look.
#include <windows.h>

#include "common/settings_model.h"

struct Text_Look {
  Text_Font_Spec Font;
  HFONT Font_Handle = nullptr;  // the edit area's font object, made from Font
  int32_t Back_Color = kTooltipBackground;
  bool Word_Wrap = true;
};
