#include "text/win32/unicode_edit_win32.h"

#include <richedit.h>

void Rich_Edit_Unicode::Replace_Text(const std::wstring& text) {
  edit_.Set_Selection(0, -1);
  SendMessageW(edit_.Handle(), EM_REPLACESEL, TRUE, LPARAM(text.c_str()));
}
