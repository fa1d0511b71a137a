#pragma once
// A window rectangle read from the settings file, made one the window can
// take: a size it can have, wholly on the screens but for the frame of a
// maximised window.
#include <cstdint>

#include "common/settings_model.h"

// The rectangle that holds every screen.
struct Screen_Area {
  int32_t Left = 0, Top = 0, Width = 0, Height = 0;
};

Window_Bounds Fit_On_Screen(const Window_Bounds& stored, const Screen_Area& screen);
