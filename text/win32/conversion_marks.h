#pragma once
// The check marks of the twenty code-page conversion items of the main menu.
#include <windows.h>

#include "text/codepages.h"

// Checks the item of the conversion whose command id is `menu_id` and
// unchecks the other nineteen; No_Conversion, like any id of no conversion,
// clears them all.
void Mark_Conversion(HMENU menu, int menu_id);
