#pragma once
// What the text commands need of the main window and of the edit area, and
// the progress display that brackets a long command.
//
// A long command disables the main window, shows a label in status panel 2
// and a growing row of marks in panel 3, and lets the window repaint at every
// mark. Long_Command does the begin step when it is constructed and the end
// step when it is destroyed, so the window comes back enabled, and the panels
// and the keyboard layout restored, however the command ends.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/kept_text.h"
#include "platform/keyboard_layout.h"
#include "platform/clipboard_writer.h"
#include "platform/edit_area.h"
#include "platform/keyboard.h"
#include "platform/prompts.h"
#include "platform/status_panels.h"
#include "text/progress.h"

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
  // caller has just taken it, starts, in order.
  virtual std::vector<std::size_t> Display_Line_Starts(const std::string& text) = 0;
};

// The display lines' starts as the edit area tells them one by one.
std::vector<std::size_t> Line_Starts_Of(Edit_Area& edit);

// The main window as a command sees it.
class Command_Window {
 public:
  virtual ~Command_Window() = default;
  virtual void Enable_Input(bool enabled) = 0;
  // Lets pending messages run so that the window repaints. User input that
  // arrives meanwhile is thrown away, whichever window of the program it is for.
  virtual void Process_Messages() = 0;
  // Status panel 2 shows a long command's label against its right edge.
  virtual void Align_Mode_Panel_Right(bool right) = 0;
  // A message box with one OK button, captioned like every other.
  virtual void Notice(const std::string& text) = 0;
};

// Everything a text command works with.
struct Text_Command_Host {
  Edit_Area& edit;
  Edit_Area_Extras& extras;
  Keyboard& keyboard;
  Status_Panels& panels;
  Command_Window& window;
  Clipboard_Writer& clipboard;
  Prompts& prompts;
  // Checks the menu item of the conversion of this name, unchecks the others.
  std::function<void(const std::string& name)> Mark_Conversion;
};

struct Long_Command_Style {
  const char* label = nullptr;  // panel 2 while it runs; none leaves panel 2 alone
  bool switch_layout = true;    // the Russian keyboard layout while it runs
};

class Long_Command {
 public:
  // size: the number of positions the command reports (characters or lines).
  Long_Command(Status_Panels& panels, Command_Window& window, Keyboard& keyboard, std::int64_t size,
               Long_Command_Style style);
  Long_Command(Text_Command_Host& host, std::int64_t size, Long_Command_Style style)
      : Long_Command(host.panels, host.window, host.keyboard, size, style) {}
  ~Long_Command();
  Long_Command(const Long_Command&) = delete;
  Long_Command& operator=(const Long_Command&) = delete;

  // Feeds the progress marks; hand it to the transformation.
  const Position_Callback& On_Position() const { return on_position_; }
  // One more mark, and a repaint.
  void Progress_Tick();
  // The whole row of marks, shown just before the result goes in.
  void Full_Bar();
  // The second pass of a two-pass command: a new label, no marks, the first mark due again.
  void Second_Pass(const char* label);

 private:
  Status_Panels& panels_;
  Command_Window& window_;
  std::optional<Layout_Guard> layout_;
  Progress progress_;
  Position_Callback on_position_;
  std::string Saved_Status_Text;
  bool labelled_;
};

// The commands that read the text as Windows-1251 bytes throughout (the
// code-page conversions, smart formatting) would spoil a character the code
// page lacks, so they leave such a text alone: true, after telling the user
// which character stops them, when the text holds one.
bool Refuse_Outside_Win1251(Text_Command_Host& host, const Kept_Text& text);
std::string Outside_Win1251_Refusal(const std::wstring& first);
