#include "text/win32/rich_edit_extras.h"

#include <richedit.h>

#include "app/win32/forma.h"
#include "documents/win32/whole_text_win32.h"
#include "text/win1251_unicode.h"

void Rich_Edit_Extras::Replace_Selection_Unrecorded(const std::string& text) {
  // An unrecorded edit ends the undo history in any case, and a new control
  // takes a long text far faster than the old one gives its text up.
  if (Whole_Text_Selected()) {
    Replace_Whole_Text(text, false);
    return;
  }
  const std::wstring wide = Win1251_To_Utf16(text);
  SendMessageW(Forma.RxRichEdit.Handle(), EM_REPLACESEL, FALSE, LPARAM(wide.c_str()));
}

void Rich_Edit_Extras::Selection_Charset_To_Font() {
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask = CFM_CHARSET;
  format.bCharSet = BYTE(Forma.Text_Font.Charset);
  SendMessageW(Forma.RxRichEdit.Handle(), EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
}

void Rich_Edit_Extras::Empty_Undo() {
  SendMessageW(Forma.RxRichEdit.Handle(), EM_EMPTYUNDOBUFFER, 0, 0);
  Document_History().Forget();
}

bool Rich_Edit_Extras::Word_Wrap() { return Forma.Word_Wrap; }
