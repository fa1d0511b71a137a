#include "text/win32/conversion_marks.h"

#include "app/command_ids.h"
#include "app/win32/forma.h"
#include "text/conversion_frame.h"

void Mark_Conversion(const std::string& name) {
  // The menu identifiers follow the order of the conversions' table.
  for (int i = 0; i < Conversion_Count; ++i) {
    const bool checked = Conversion_Checked(Conversions[i], name);
    CheckMenuItem(Forma.Menu, IDM_DOS_WIN + i, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  }
}
