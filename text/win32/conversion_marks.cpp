#include "text/win32/conversion_marks.h"

#include "common/command_ids.h"
#include "text/conversion_frame.h"

const Conversion_Item kConversion_Items[20] = {
    {IDM_DOS_WIN, "DOS_WIN"}, {IDM_KOI_WIN, "KOI_WIN"}, {IDM_ISO_WIN, "ISO_WIN"}, {IDM_MAC_WIN, "MAC_WIN"},
    {IDM_WIN_DOS, "WIN_DOS"}, {IDM_WIN_KOI, "WIN_KOI"}, {IDM_WIN_ISO, "WIN_ISO"}, {IDM_WIN_MAC, "WIN_MAC"},
    {IDM_DOS_ISO, "DOS_ISO"}, {IDM_DOS_KOI, "DOS_KOI"}, {IDM_DOS_MAC, "DOS_MAC"}, {IDM_KOI_DOS, "KOI_DOS"},
    {IDM_KOI_ISO, "KOI_ISO"}, {IDM_KOI_MAC, "KOI_MAC"}, {IDM_ISO_DOS, "ISO_DOS"}, {IDM_ISO_KOI, "ISO_KOI"},
    {IDM_ISO_MAC, "ISO_MAC"}, {IDM_MAC_DOS, "MAC_DOS"}, {IDM_MAC_KOI, "MAC_KOI"}, {IDM_MAC_ISO, "MAC_ISO"},
};

const Conversion& Conversion_Of(const Conversion_Item& item) {
  for (const Conversion& c : Conversions)
    if (std::string(c.Conversion_Name) == item.Name) return c;
  return Conversions[0];  // every item names a conversion of the table
}

void Mark_Conversion(HMENU menu, const std::string& name) {
  for (const Conversion_Item& item : kConversion_Items) {
    const bool checked = Conversion_Checked(Conversion_Of(item), name);
    CheckMenuItem(menu, UINT(item.Id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  }
}
