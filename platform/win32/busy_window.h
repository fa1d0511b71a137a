#pragma once
// The main window while a long command runs on it (platform/long_command.h).
// The window stays enabled, so that its close button and Alt+F4 still reach
// the program, but between the command's steps every key and click, for
// whichever window of the program, is thrown away: a modeless dialog must not
// move the selection or edit the text under a running command either. Esc
// among them asks the command to stop; a close request asks it to stop and is
// made again once the command is over.
#include <windows.h>

class Busy_Window {
 public:
  void Set_Window(HWND main) { main_ = main; }

  // The start and the end of a long command; they may nest.
  void Begin();
  void End();
  bool Busy() const { return depth_ > 0; }

  // Runs pending messages, so that the windows repaint and timers fire,
  // and notes Esc and close requests in the user's input.
  void Pump();
  bool Stop_Asked() const { return stop_; }
  // For the main window's WM_CLOSE while busy.
  void Ask_Close();

 private:
  void Note_Input(const MSG& msg);

  HWND main_ = nullptr;
  int depth_ = 0;
  bool stop_ = false;
  bool close_ = false;
};
