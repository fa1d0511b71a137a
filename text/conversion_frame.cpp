#include "text/conversion_frame.h"

bool Convert_Document(Text_Command_Host& host, const std::string& Conversion_Name, Codepage source,
                      Codepage target) {
  const Kept_Text whole = host.extras.Take_Text();
  const std::string& text = whole.Bytes;
  if (text.empty() || Refuse_Outside_Win1251(host, whole)) return false;
  const std::string converted = Convert_Text(text, source, target);
  const std::int32_t start = host.edit.Get_Selection().Start;
  {
    Layout_Guard layout(host.keyboard);
    host.clipboard.Put_Text(converted);
    // The document is replaced with the converted text itself rather than
    // by pasting the clipboard back: the clipboard may be held open or
    // rewritten by another program in between, and a paste would then put
    // foreign text in place of the whole document.
    host.edit.Set_Selection(0, host.edit.Text_Length());
    host.edit.Replace_Selection(converted);
  }
  host.edit.Set_Selection(start, start);
  host.Mark_Conversion(Conversion_Name);
  return true;
}

bool Conversion_Checked(const Conversion& conversion, const std::string& name) {
  return name == conversion.Conversion_Name;
}
