// The composition root: each subsystem is made from its part of the main
// window and registers its commands. Every menu item's handler is found from
// here.
#include "about/win32/about_box.h"
#include "app/win32/main_window.h"
#include "common/command_ids.h"
#include "documents/whole_text_need.h"
#include "text/text_as_bytes.h"
#include "text/win32/text_commands.h"

void Main_Window::Register_Commands() {
  Documents = std::make_unique<Document_Commands>(Document_Host{Handle,
                                                                Menu,
                                                                Context_Menu,
                                                                Control,
                                                                Look,
                                                                *this,
                                                                Prompts,
                                                                Files,
                                                                Shell,
                                                                Help_Display,
                                                                Keyboard,
                                                                History_List,
                                                                Dialog_Path,
                                                                Saved_Layout,
                                                                Search.Find_Next_Ready,
                                                                Settings,
                                                                Exe_Path,
                                                                Doc,
                                                                Recovery_Files.Place(),
                                                                {},
                                                                Recognize_File_Page});
  // A WIN document read anew in its file's true page is that page's file.
  const auto file_read_as = [this](File_Encoding encoding) {
    if (Doc.Encoding != File_Encoding::Win) return;
    Doc.Encoding = encoding;
    Show_Document();
  };
  Text = std::make_unique<Text_Commands>(Text_Host{Handle, Menu, Edit, Control.Area(), Control, Look,
                                                   Keyboard, Status, Prompts, Busy, file_read_as});
  Searches =
      std::make_unique<Search_Commands>(Search_Host{Handle, Menu, Accelerators, Edit, Keyboard, Status,
                                                    Search, Saved_Layout, Modeless, Exe_Path, Control, Busy});
  About = std::make_unique<About_Box>(Handle);
  // A command that works on the text takes the rest of a long one in first;
  // Esc gives the wait up, and the command with it.
  Commands.Before_Each(
      [this](int id) { return !Command_Needs_Whole_Text(id, Edit.Modified()) || Intake.Finish(true); });
  // A document saved, dropped or replaced keeps no recovery copy and shows
  // no mark of changes.
  Commands.After_Each([this] {
    Recovery_Files.Check_Saved();
    Show_Modified();
  });
  Register_Shell_Commands();
  Documents->Register(Commands);
  Text->Register(Commands);
  Searches->Register(Commands);
  Settings_Box->Register(Commands);
  About->Register(Commands);
}
