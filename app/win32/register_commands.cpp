// The composition root: each subsystem gets its part of the main window and
// registers its commands. Every menu item's handler is found from here.
#include "about/win32/about_box.h"
#include "app/win32/main_window.h"
#include "common/command_ids.h"
#include "documents/whole_text_need.h"
#include "text/text_as_bytes.h"

void Register_Shell_Commands(Main_Window& window);

void Register_All_Commands(Main_Window& w) {
  w.Documents.emplace(Document_Host{w.Handle,
                                    w.Menu,
                                    w.Context_Menu,
                                    w.Control,
                                    w.Look,
                                    w,
                                    w.Prompts,
                                    w.Files,
                                    w.Shell,
                                    w.Help_Display,
                                    w.Keyboard,
                                    w.History_List,
                                    w.Current_Path,
                                    w.Saved_Layout,
                                    w.Search.Find_Next_Ready,
                                    w.Settings,
                                    w.Exe_Path,
                                    w.Doc,
                                    w.Recovery_Files.Place(),
                                    {},
                                    Recognize_File_Page});
  // A WIN document read anew in its file's true page is that page's file.
  const auto file_read_as = [&w](File_Encoding encoding) {
    if (w.Doc.Encoding != File_Encoding::Win) return;
    w.Doc.Encoding = encoding;
    w.Show_Document();
  };
  w.Text.emplace(Text_Host{w.Handle, w.Menu, w.Edit, w.Control.Area(), w.Control, w.Look, w.Keyboard,
                           w.Status, w.Prompts, w.Busy, file_read_as});
  w.Searches = std::make_unique<Search_Commands>(Search_Host{w.Handle, w.Menu, w.Accelerators, w.Edit,
                                                             w.Keyboard, w.Status, w.Search, w.Saved_Layout,
                                                             w.Modeless, w.Exe_Path, w.Control, w.Busy});
  Command_Table& table = w.Commands;
  // A command that works on the text takes the rest of a long one in first;
  // Esc gives the wait up, and the command with it.
  table.Before_Each(
      [&w](int id) { return !Command_Needs_Whole_Text(id, w.Edit.Modified()) || w.Intake.Finish(true); });
  // A document saved, dropped or replaced keeps no recovery copy and shows
  // no mark of changes.
  table.After_Each([&w] {
    w.Recovery_Files.Check_Saved();
    w.Show_Modified();
  });
  Register_Shell_Commands(w);
  Register_File_Commands(table, *w.Documents);
  Register_Edit_Commands(table, *w.Documents);
  Register_View_Commands(table, *w.Documents);
  Register_Print_Help_Commands(table, *w.Documents);
  Register_Encoding_Commands(table, *w.Documents);
  Register_Text_Commands(table, *w.Text);
  w.Searches->Register(table);
  w.Settings_Box->Register(table);
  HWND owner = w.Handle;
  table.Add(IDM_About, [owner] { Show_About_Box(owner); });
}
