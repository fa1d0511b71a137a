#include "text/win32/conversion_marks.h"

void Mark_Conversion(HMENU menu, int menu_id) {
  for (const Conversion& c : Conversions) {
    const bool checked = c.Menu_Id == menu_id;
    CheckMenuItem(menu, UINT(c.Menu_Id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  }
}
