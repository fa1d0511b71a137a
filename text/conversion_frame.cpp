#include "text/conversion_frame.h"

#include <algorithm>

#include "text/menu_conversion.h"

namespace {

// The text is converted a piece at a time, so that the marks grow and Esc is
// seen while a large text is converted.
constexpr std::size_t kPiece = 16 * 1024;

}  // namespace

bool Convert_Document(Text_Command_Host& host, int menu_id) {
  const Conversion* conversion = Conversion_Of(menu_id);
  if (!conversion) return false;
  Kept_Text whole = host.extras.Take_Text();
  if (whole.Bytes.empty() || Refuse_Outside_Win1251(host, whole)) return false;
  std::string text = std::move(whole.Bytes);
  const std::int32_t start = host.edit.Get_Selection().Start;
  {
    Text_Long_Command command(host, std::int64_t(text.size()), {Progress_Label, true});
    for (std::size_t at = 0; at < text.size(); at += kPiece) {
      const std::size_t end = std::min(text.size(), at + kPiece);
      Convert_Menu_Run(text, at, end, conversion->source, conversion->target);
      Report_Position(command.On_Position(), std::int64_t(end));
    }
    command.Full_Bar();
    host.clipboard.Put_Text(text);
    // The document is replaced with the converted text itself rather than
    // by pasting the clipboard back: the clipboard may be held open or
    // rewritten by another program in between, and a paste would then put
    // foreign text in place of the whole document.
    host.edit.Set_Selection(0, host.edit.Text_Length());
    host.edit.Replace_Selection(text);
  }
  host.edit.Set_Selection(start, start);
  host.Mark_Conversion(menu_id);
  return true;
}
