// Code pages, re-typing, transliteration, case and the line commands.
#include <exception>

#include "app/command_ids.h"
#include "app/win32/commands.h"
#include "app/win32/forma.h"
#include "app/win32/progress_display.h"
#include "documents/win32/whole_text_win32.h"
#include "platform/win32/clipboard_writer_win32.h"
#include "text/codepages.h"
#include "text/conversion_frame.h"
#include "text/line_cleanup.h"
#include "text/selection_frame.h"
#include "text/smart_format_frame.h"
#include "text/translit.h"
#include "text/win32/conversion_marks.h"
#include "text/win32/rich_edit_extras.h"

namespace {

Text_Command_Host& Host() {
  static Document_Edit_Area edit;
  static Rich_Edit_Extras extras;
  static Win32_Clipboard_Writer clipboard;
  static Text_Command_Host host{edit,           extras,    Forma.Keyboard, Forma.StatusBar,
                                Forma_Window(), clipboard, Forma.Prompts,  Mark_Conversion};
  clipboard.Set_Owner(Forma.Handle);
  return host;
}

// A command that runs out of memory on a huge text leaves the document as it
// was; its frame has already given the window back by the time this catches.
template <typename Command>
void Run(Command command) {
  try {
    command(Host());
  } catch (const std::exception&) {
    Forma.Prompts.Beep();
  }
}

void Convert(int index) {
  const Conversion& c = Conversions[index];
  Run([&c](Text_Command_Host& host) { Convert_Document(host, c.Conversion_Name, c.source, c.target); });
}

void DOS_WINClick() { Convert(0); }
void KOI_WINClick() { Convert(1); }
void ISO_WINClick() { Convert(2); }
void MAC_WINClick() { Convert(3); }
void WIN_DOSClick() { Convert(4); }
void WIN_KOIClick() { Convert(5); }
void WIN_ISOClick() { Convert(6); }
void WIN_MACClick() { Convert(7); }
void DOS_ISOClick() { Convert(8); }
void DOS_KOIClick() { Convert(9); }
void DOS_MACClick() { Convert(10); }
void KOI_DOSClick() { Convert(11); }
void KOI_ISOClick() { Convert(12); }
void KOI_MACClick() { Convert(13); }
void ISO_DOSClick() { Convert(14); }
void ISO_KOIClick() { Convert(15); }
void ISO_MACClick() { Convert(16); }
void MAC_DOSClick() { Convert(17); }
void MAC_KOIClick() { Convert(18); }
void MAC_ISOClick() { Convert(19); }

constexpr Command_Handler Conversion_Clicks[Conversion_Count] = {
    DOS_WINClick, KOI_WINClick, ISO_WINClick, MAC_WINClick, WIN_DOSClick, WIN_KOIClick, WIN_ISOClick,
    WIN_MACClick, DOS_ISOClick, DOS_KOIClick, DOS_MACClick, KOI_DOSClick, KOI_ISOClick, KOI_MACClick,
    ISO_DOSClick, ISO_KOIClick, ISO_MACClick, MAC_DOSClick, MAC_KOIClick, MAC_ISOClick};

void KirilicaClick() { Run(Kirilica_Command); }
void LatinicaClick() { Run(Latinica_Command); }
void RegistrClick() { Run(Registr_Command); }

template <Text_Transform transform>
void Selection_Click() {
  Run([](Text_Command_Host& host) { Selection_Command(host, transform); });
}

void Space_PlusClick() { Run(Space_Plus_Command); }
void Umnyiy_FormatClick() { Run(Smart_Format_Document); }

}  // namespace

void Register_Text_Commands(Command_Table& table) {
  for (int i = 0; i < Conversion_Count; ++i) table.Add(IDM_DOS_WIN + i, Conversion_Clicks[i]);
  table.Add(IDM_Kirilica, KirilicaClick);
  table.Add(IDM_Latinica, LatinicaClick);
  table.Add(IDM_Registr, RegistrClick);
  table.Add(IDM_Translit, Selection_Click<Translit_Text>);
  table.Add(IDM_Del_Enter, Selection_Click<Remove_Line_Breaks>);
  table.Add(IDM_Del_Space_In_Word, Selection_Click<Squeeze_Spaces>);
  table.Add(IDM_Space_Del, Selection_Click<Remove_Line_Start_Space>);
  table.Add(IDM_Del_Tab, Selection_Click<Replace_Tabs>);
  table.Add(IDM_Space_Del_Right, Selection_Click<Remove_Trailing_Spaces>);
  table.Add(IDM_Space_Plus, Space_PlusClick);
  table.Add(IDM_Umnyiy_Format, Umnyiy_FormatClick);
}
