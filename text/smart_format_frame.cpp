#include "text/smart_format_frame.h"

#include <utility>

Line_List Shown_Lines(Edit_Area& edit, Edit_Area_Extras& extras, const Position_Callback& on_position) {
  std::string text = edit.Text();
  if (!extras.Word_Wrap()) return Split_Lines(std::move(text));
  std::vector<std::size_t> starts = extras.Display_Line_Starts(text, on_position);
  return Cut_Display_Lines(std::move(text), starts);
}

Smart_Format_Outcome Smart_Format_Document(Text_Command_Host& host) {
  if (Refuse_Outside_Win1251(host, host.extras.Take_Text())) return Smart_Format_Outcome::Declined;
  Line_List lines;
  {
    Text_Long_Command reading(host, host.edit.Text_Length(), {Progress_Label, false});
    lines = Shown_Lines(host.edit, host.extras, reading.On_Position());
  }
  if (Smart_Format_Too_Short(lines.size())) {
    host.prompts.Beep();
    return Smart_Format_Outcome::Too_Short;
  }
  if (host.prompts.Ask_Yes_No(Smart_Format_Warning) != Answer::Yes) return Smart_Format_Outcome::Declined;
  {
    Text_Long_Command command(host, std::int64_t(lines.size()), {Progress_Label_First_Pass, true});
    const Rebuilt_Lines rebuilt = Smart_Format_Rebuild(std::move(lines), command.On_Position());
    command.Second_Pass(Progress_Label_Second_Pass);
    // Justified from the rebuilt lines, not from lines read back from the
    // screen: a widened line may wrap again there and shift every later
    // display line.
    const std::string result =
        Smart_Format_Justify(rebuilt.lines, rebuilt.Max_Line_Length, command.On_Position());
    host.edit.Set_Selection(0, host.edit.Text_Length());
    host.extras.Replace_Selection_Unrecorded(result);
  }
  host.extras.Empty_Undo();
  host.window.Notice(Smart_Format_Done);
  return Smart_Format_Outcome::Done;
}
