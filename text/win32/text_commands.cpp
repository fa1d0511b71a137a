// Code pages, re-typing, transliteration, case and the line commands.
#include <exception>
#include <utility>

#include "common/command_ids.h"
#include "text/codepages.h"
#include "text/conversion_frame.h"
#include "text/line_cleanup.h"
#include "text/recode_frame.h"
#include "text/selection_frame.h"
#include "text/smart_format_frame.h"
#include "text/translit.h"
#include "text/win32/conversion_marks.h"
#include "text/win32/text_commands.h"

Text_Commands::Text_Commands(Text_Host host)
    : host_(std::move(host)),
      extras_(host_),
      progress_(host_),
      unicode_(host_.Edit),
      frame_{host_.Document,    extras_,    host_.Keys,     host_.Status,
             progress_,         clipboard_, host_.Messages, [this](int menu_id) { Mark(menu_id); },
             host_.File_Read_As} {}

// A command that runs out of memory on a huge text leaves the document as
// it was; its frame has already given the window back by the time this
// catches.
// A command the user stops leaves the text as it was too, and says so.
template <typename Command>
void Text_Commands::Run_Guarded(Command command) {
  clipboard_.Set_Owner(host_.Window);
  try {
    Run_Stoppable(host_.Status, [this, &command] { command(frame_); });
  } catch (const std::exception&) {
    host_.Messages.Beep();
  }
}

void Text_Commands::Run_Recode(void (*command)(Text_Command_Host&, Unicode_Edit&)) {
  Run_Guarded([this, command](Text_Command_Host& frame) { command(frame, unicode_); });
}

void Text_Commands::Mark(int menu_id) { Mark_Conversion(host_.Menu, menu_id); }

namespace {

template <Text_Transform transform>
void Selection_Transform(Text_Command_Host& host) {
  Selection_Command(host, transform);
}

}  // namespace

void Text_Commands::Register(Command_Table& table) {
  const auto add = [&table, this](int id, void (*command)(Text_Command_Host&)) {
    table.Add(id, [this, command] { Run_Guarded(command); });
  };
  for (const Conversion& c : Conversions) {
    const int id = c.Menu_Id;
    table.Add(id,
              [this, id] { Run_Guarded([id](Text_Command_Host& frame) { Convert_Document(frame, id); }); });
  }
  add(IDM_Retype_To_Russian, Retype_To_Russian_Command);
  add(IDM_Retype_To_Latin, Retype_To_Latin_Command);
  add(IDM_Toggle_Case, Toggle_Case_Command);
  add(IDM_Transliterate, Selection_Transform<Translit_Text>);
  add(IDM_Remove_Line_Breaks, Selection_Transform<Remove_Line_Breaks>);
  add(IDM_Squeeze_Spaces, Selection_Transform<Squeeze_Spaces>);
  add(IDM_Remove_Leading_Space, Selection_Transform<Remove_Line_Start_Space>);
  add(IDM_Tabs_To_Spaces, Selection_Transform<Replace_Tabs>);
  add(IDM_Remove_Trailing_Spaces, Selection_Transform<Remove_Trailing_Spaces>);
  add(IDM_Add_Spaces, Space_Plus_Command);
  add(IDM_Smart_Format, [](Text_Command_Host& frame) { Smart_Format_Document(frame); });
  table.Add(IDM_Recognize_Page, [this] { Run_Recode(Recognize_Page_Command); });
  table.Add(IDM_UTF8_WIN, [this] { Run_Recode(Utf8_To_Win_Command); });
  table.Add(IDM_WIN_UTF8, [this] { Run_Recode(Win_To_Utf8_Command); });
}
