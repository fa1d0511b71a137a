#include "text/selection_frame.h"

#include "text/layout_retype.h"
#include "text/letter_case.h"
#include "text/line_cleanup.h"

namespace {

// Puts the result over the range that was taken. The range is selected again
// first: a repaint in the middle of the command must never make the result
// land on another selection.
void Put_Over(Text_Command_Host& host, const Selection& taken, const std::string& result) {
  host.edit.Set_Selection(taken.Start, taken.End);
  host.extras.Replace_Selection_Unrecorded(result);
}

}  // namespace

void Retype_To_Russian_Command(Text_Command_Host& host) {
  Layout_Guard layout(host.keyboard);
  const Selection sel = host.edit.Get_Selection();
  const std::string result = Retype_To_Russian(host.edit.Selected_Text());
  host.extras.Replace_Selection_Unrecorded(result);
  host.edit.Set_Selection(sel.Start, sel.End);
  host.extras.Selection_Charset_To_Font();
  host.edit.Set_Selection(sel.End, sel.End);
}

void Retype_To_Latin_Command(Text_Command_Host& host) {
  Layout_Guard layout(host.keyboard);
  host.extras.Replace_Selection_Unrecorded(Retype_To_Latin(host.edit.Selected_Text()));
}

void Toggle_Case_Command(Text_Command_Host& host) {
  Layout_Guard layout(host.keyboard);
  const Selection sel = host.edit.Get_Selection();
  host.extras.Replace_Selection_Unrecorded(Toggle_Case_Text(host.edit.Selected_Text()));
  host.edit.Set_Selection(sel.Start, sel.End);
}

void Selection_Command(Text_Command_Host& host, Text_Transform transform) {
  const Selection taken = host.edit.Get_Selection();
  const std::string Work_Text = host.edit.Selected_Text();
  Long_Command command(host, std::int64_t(Work_Text.size()), {Progress_Label, true});
  const std::string result = transform(Work_Text, command.On_Position());
  command.Full_Bar();
  Put_Over(host, taken, result);
}

void Space_Plus_Command(Text_Command_Host& host) {
  const Selection taken = host.edit.Get_Selection();
  const std::string text = host.edit.Selected_Text();
  Long_Command command(host, std::int64_t(text.size()), {nullptr, false});
  const std::string result = Add_Spaces_Into_Words(text, command.On_Position());
  Put_Over(host, taken, result);
}
