#pragma once
// The frame of a command that can run long on a large text: the progress
// display around it, and the user's way out of it.
//
// A long command refuses the user's input, shows a label in status panel 2
// and a growing row of marks in panel 3, and lets the window repaint at every
// mark. Long_Command does the begin step when it is constructed and the end
// step when it is destroyed, so input comes back, and the panels and the
// keyboard layout are restored, however the command ends.
//
// Esc, or a request to close the program, stops the command at its next mark:
// Long_Command throws Command_Stopped from there, before the command has put
// anything in, so the text stays as it was. Run_Stoppable catches it and says
// so in the status bar; the close request is made again once the window takes
// input, and then asks about unsaved changes as usual.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/keyboard.h"
#include "platform/keyboard_layout.h"
#include "platform/progress.h"
#include "platform/status_panels.h"
#include "platform/platform_texts.h"

// The main window as a long command sees it.
class Command_Window {
 public:
  virtual ~Command_Window() = default;
  // Off while a long command runs: the user's keys and clicks are thrown
  // away, but Esc and a close request are noted.
  virtual void Enable_Input(bool enabled) = 0;
  // Lets pending messages run so that the window repaints. User input that
  // arrives meanwhile is thrown away, whichever window of the program it is
  // for, after noting an Esc or a close request in it.
  virtual void Process_Messages() = 0;
  // Whether the user has asked the running command to stop, by Esc or by a
  // request to close the program.
  virtual bool Stop_Asked() = 0;
  // Status panel 2 shows a long command's label against its right edge.
  virtual void Align_Mode_Panel_Right(bool right) = 0;
  // A message box with one OK button, captioned like every other.
  virtual void Notice(const std::string& text) = 0;
};

// What a long command throws when the user stops it.
struct Command_Stopped {};

// kCommand_Stopped_Status, status panel 1 after a stopped command, is in
// platform/platform_texts.h.

// Runs `command`; when the user stops it, panel 1 says so and false comes back.
bool Run_Stoppable(Status_Panels& panels, const std::function<void()>& command);

struct Long_Command_Style {
  const char* label = nullptr;  // panel 2 while it runs; none leaves panel 2 alone
  bool switch_layout = true;    // the Russian keyboard layout while it runs
};

class Long_Command {
 public:
  // size: the number of positions the command reports (characters or lines).
  Long_Command(Status_Panels& panels, Command_Window& window, Keyboard& keyboard, std::int64_t size,
               Long_Command_Style style);
  ~Long_Command();
  Long_Command(const Long_Command&) = delete;
  Long_Command& operator=(const Long_Command&) = delete;

  // Feeds the progress marks; hand it to the transformation. Throws
  // Command_Stopped at a mark once the user has asked to stop.
  const Position_Callback& On_Position() const { return on_position_; }
  // One more mark, and a repaint.
  void Progress_Tick();
  // The whole row of marks, shown just before the result goes in; the last
  // point at which the command stops.
  void Full_Bar();
  // A repaint between two steps of the command that report no positions.
  void Check_Stop();
  // The second pass of a two-pass command: a new label, no marks, the first mark due again.
  void Second_Pass(const char* label);

 private:
  void Process_Messages();

  Status_Panels& panels_;
  Command_Window& window_;
  std::optional<Layout_Guard> layout_;
  Progress progress_;
  Position_Callback on_position_;
  std::string Saved_Status_Text;
  bool labelled_;
};
