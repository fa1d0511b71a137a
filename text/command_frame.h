#pragma once
// What the text commands need of the main window and of the edit area; the
// progress display that brackets a long command is platform/long_command.h.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/file_encoding.h"
#include "common/kept_text.h"
#include "platform/keyboard_layout.h"
#include "platform/clipboard_writer.h"
#include "platform/edit_area.h"
#include "platform/keyboard.h"
#include "platform/long_command.h"
#include "platform/prompts.h"
#include "platform/status_panels.h"
#include "text/text_texts.h"

// The edit area's operations that Edit_Area leaves out.
class Edit_Area_Extras {
 public:
  virtual ~Edit_Area_Extras() = default;
  // The selection as the commands work on it, characters Windows-1251
  // lacks kept aside.
  virtual Kept_Text Take_Selection() = 0;
  // The whole text as the commands work on it, characters Windows-1251
  // lacks kept aside.
  virtual Kept_Text Take_Text() = 0;
  // Replaces the selection with a text as the control holds it, as one undo
  // step that leaves the earlier ones reachable; the caret then stands behind
  // the new text with nothing selected.
  virtual void Replace_Selection_Step(const std::wstring& text) = 0;
  // Replaces the selection without an undo record, which ends the undo
  // history; the caret then stands behind the new text with nothing selected.
  virtual void Replace_Selection_Unrecorded(const std::string& text) = 0;
  // Gives the selected text the character set of the edit area's font.
  virtual void Selection_Charset_To_Font() = 0;
  virtual void Empty_Undo() = 0;
  // Whether long lines wrap on screen, so that display lines are not the
  // text's lines.
  virtual bool Word_Wrap() = 0;
  // Where each display line of the text, the edit area's whole text as the
  // caller has just taken it, starts, in order. on_position gets the offsets
  // of the text passed, for the progress display.
  virtual std::vector<std::size_t> Display_Line_Starts(const std::string& text,
                                                       const Position_Callback& on_position) = 0;
};

// The display lines' starts as the edit area tells them one by one.
std::vector<std::size_t> Line_Starts_Of(Edit_Area& edit);

// Everything a text command works with.
struct Text_Command_Host {
  Edit_Area& edit;
  Edit_Area_Extras& extras;
  Keyboard& keyboard;
  Status_Panels& panels;
  Command_Window& window;
  Clipboard_Writer& clipboard;
  Prompts& prompts;
  // Checks the menu item of this command id, unchecks the other conversions'.
  std::function<void(int menu_id)> Mark_Conversion;
  // A text that came from its file unchanged was read anew in this
  // encoding: the file is in it, and the next save writes it back so.
  std::function<void(File_Encoding encoding)> File_Read_As = {};
};

// A long command over the host's panels, window and keyboard.
class Text_Long_Command : public Long_Command {
 public:
  Text_Long_Command(Text_Command_Host& host, std::int64_t size, Long_Command_Style style)
      : Long_Command(host.panels, host.window, host.keyboard, size, style) {}
};

// The commands that read the text as Windows-1251 bytes throughout (the
// code-page conversions, smart formatting) would spoil a character the code
// page lacks, so they leave such a text alone: true, after telling the user
// which character stops them, when the text holds one.
bool Refuse_Outside_Win1251(Text_Command_Host& host, const Kept_Text& text);
