#pragma once
// The check marks of the twenty code-page conversions in the main menu.
#include <string>

// Checks the item of the conversion named `name` ("DOS_WIN", ...) and unchecks
// the other nineteen; a name of no conversion ("Убрать галки") clears them all.
void Mark_Conversion(const std::string& name);
