#pragma once
// The twenty code-page conversion items of the main menu.
#include <windows.h>

#include <string>

#include "text/codepages.h"

// Each conversion's menu item, by the conversion's name.
struct Conversion_Item {
  int Id;
  const char* Name;
};
extern const Conversion_Item kConversion_Items[20];

// The conversion of the table that the item names.
const Conversion& Conversion_Of(const Conversion_Item& item);

// Checks the item of the conversion named `name` ("DOS_WIN", ...) and unchecks
// the other nineteen; a name of no conversion ("Убрать галки") clears them all.
void Mark_Conversion(HMENU menu, const std::string& name);
