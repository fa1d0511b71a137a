#pragma once
// A long text put into an edit control a screen first: the start goes in at
// once, the rest in pieces between messages on a timer of the control, so
// the window paints, resizes and closes meanwhile. Whoever lets the user
// change the text takes the rest in first (Finish); the pieces always go in
// behind the end. The control's modified flag, selection and scroll
// position stay as they are set, and it keeps no undo steps of the intake.
#include <windows.h>

#include <richedit.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/intake_source.h"

// Why an intake ended before the whole text was in.
enum class Intake_Cut { Stopped, File_Changed };

class Text_Intake {
 public:
  // `progress` gets the characters in and the total after each run of
  // pieces; `done` runs once the last piece is in, `cut` instead when the
  // intake ends with only a part of the text in.
  Text_Intake(std::function<void(std::size_t taken, std::size_t total)> progress, std::function<void()> done,
              std::function<void(Intake_Cut)> cut = {});
  ~Text_Intake();
  Text_Intake(const Text_Intake&) = delete;
  Text_Intake& operator=(const Text_Intake&) = delete;

  // Puts `text` in place of the control's text: the first piece now, the
  // rest later. A text that fits in the first piece is in on return.
  void Begin(HWND control, std::wstring text);
  void Begin(HWND control, std::unique_ptr<Intake_Source> source);
  bool Busy() const { return control_ != nullptr; }
  HWND Control() const { return control_; }
  // Takes the rest in now: true once it is in. A stoppable wait keeps the
  // window painting and the share moving, and Esc gives it up: false then,
  // with the rest still coming in as before. A file that changed meanwhile
  // ends the intake with a part of the text: false as well.
  bool Finish(bool stoppable = false);
  // The user ends the intake: the part that is in stays, and `cut` hears of it.
  void Give_Up();
  // Drops the rest: the control is going away with its document.
  void Stop();
  // While the text up to `offset` and a screen beyond is not in, the caret
  // goes there once it is, unless the user has moved it meanwhile; true
  // then. False when the caller can place the caret itself.
  bool Place_Caret_Later(int32_t offset) { return Select_Later(offset, offset); }
  // The same for a selection; an end of -1 is the end of the whole text.
  // A selection the caller can make itself ends any waiting one.
  bool Select_Later(int32_t start, int32_t end);
  // The caret that waits for its text, if any.
  std::optional<int32_t> Waiting_Caret() const;
  std::optional<CHARRANGE> Waiting_Selection() const { return waiting_; }
  std::size_t Total() const { return source_ ? source_->Size() : 0; }

 private:
  static void CALLBACK On_Timer(HWND control, UINT, UINT_PTR, DWORD);
  void Take_Run();
  // Puts the next piece in; its length.
  std::size_t Take_Piece(std::size_t wanted, bool seek_end);
  void Place_Waiting_Caret();
  // Drawing is off while pieces go in; what they show is painted after.
  void Paint_If_Shown(std::size_t in_before);
  // Pieces for about `milliseconds`, or all of them; false when the file
  // changed under them.
  bool Take_Pieces_For(double milliseconds);
  void End();
  void Cut(Intake_Cut why);

  std::function<void(std::size_t, std::size_t)> progress_;
  std::function<void()> done_;
  std::function<void(Intake_Cut)> cut_;
  HWND control_ = nullptr;
  std::unique_ptr<Intake_Source> source_;
  std::wstring piece_;  // the last piece, its room kept for the next
  std::size_t taken_ = 0;
  std::size_t piece_chars_ = 0;
  std::optional<CHARRANGE> waiting_;
  // The selection when the waiting one began to wait: another one means the user moved.
  CHARRANGE caret_from_{0, 0};
};
