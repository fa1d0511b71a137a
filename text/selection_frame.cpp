#include "text/selection_frame.h"

#include "text/layout_retype.h"
#include "text/letter_case.h"
#include "text/line_cleanup.h"

namespace {

// The result with the kept characters back in place, as one undo step.
void Put_Back(Text_Command_Host& host, const Kept_Text& taken, const std::string& result) {
  host.extras.Replace_Selection_Step(Put_Back_Kept(result, taken.Kept));
}

// Puts the result over the range that was taken. The range is selected again
// first: a repaint in the middle of the command must never make the result
// land on another selection.
void Put_Over(Text_Command_Host& host, const Selection& range, const Kept_Text& taken,
              const std::string& result) {
  host.edit.Set_Selection(range.Start, range.End);
  Put_Back(host, taken, result);
}

}  // namespace

void Retype_To_Russian_Command(Text_Command_Host& host) {
  Layout_Guard layout(host.keyboard);
  const Selection sel = host.edit.Get_Selection();
  const Kept_Text taken = host.extras.Take_Selection();
  Put_Back(host, taken, Retype_To_Russian(taken.Bytes));
  host.edit.Set_Selection(sel.Start, sel.End);
  host.extras.Selection_Charset_To_Font();
  host.edit.Set_Selection(sel.End, sel.End);
}

void Retype_To_Latin_Command(Text_Command_Host& host) {
  Layout_Guard layout(host.keyboard);
  const Kept_Text taken = host.extras.Take_Selection();
  Put_Back(host, taken, Retype_To_Latin(taken.Bytes));
}

void Toggle_Case_Command(Text_Command_Host& host) {
  Layout_Guard layout(host.keyboard);
  const Selection sel = host.edit.Get_Selection();
  const Kept_Text taken = host.extras.Take_Selection();
  Put_Back(host, taken, Toggle_Case_Text(taken.Bytes));
  host.edit.Set_Selection(sel.Start, sel.End);
}

void Selection_Command(Text_Command_Host& host, Text_Transform transform) {
  const Selection range = host.edit.Get_Selection();
  const Kept_Text taken = host.extras.Take_Selection();
  Text_Long_Command command(host, std::int64_t(taken.Bytes.size()), {Progress_Label, true});
  const std::string result = transform(taken.Bytes, command.On_Position());
  command.Full_Bar();
  Put_Over(host, range, taken, result);
}

void Space_Plus_Command(Text_Command_Host& host) {
  const Selection range = host.edit.Get_Selection();
  const Kept_Text taken = host.extras.Take_Selection();
  Text_Long_Command command(host, std::int64_t(taken.Bytes.size()), {nullptr, false});
  const std::string result = Add_Spaces_Into_Words(taken.Bytes, command.On_Position());
  Put_Over(host, range, taken, result);
}
