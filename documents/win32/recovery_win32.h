#pragma once
// Nothing typed is lost to a kill: while the document holds unsaved changes,
// a recovery copy of it is written a little after the typing stops, into a
// folder of the program's own, and the next start after a run that did not
// close cleanly offers to bring it back. A save that had to rewrite its file
// in place keeps the old contents there as well until it is done. Every
// running copy of the program holds a lock of its own in that folder, so
// that what belongs to one still running is never offered to another.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "documents/document.h"
#include "documents/recovery_copy.h"
#include "platform/prompts.h"
#include "platform/win32/edit_area_win32.h"
#include "platform/win32/file_writer_win32.h"

// The pause after the last change before a copy is written.
constexpr unsigned kRecoveryPauseMilliseconds = 2000;

class Recovery {
 public:
  Recovery(const Document& doc, Rich_Edit& edit) : doc_(doc), edit_(edit) {}
  ~Recovery();
  Recovery(const Recovery&) = delete;
  Recovery& operator=(const Recovery&) = delete;

  // Takes this run's place: the folder "Recovery" beside the settings file,
  // or the user's local application-data folder where that one cannot be
  // written. Without either, nothing is kept.
  void Start(HWND window, const std::string& settings_path);
  // Where a save in place keeps the old contents.
  const Kept_Copy_Place& Place() const { return place_; }
  // The text changed: a copy follows once the typing pauses.
  void Text_Changed();
  // After a command: a document without unsaved changes (saved, dropped,
  // replaced) keeps no copy.
  void Check_Saved();
  // The clean close: neither copy nor lock stays behind.
  void Clean_Close();
  // Begins a copy now, whatever the pause; for tests and benchmarks. Its
  // text comes in pieces between messages.
  void Write_Now() { Write_Copy(); }
  // A copy is under way: its text being taken, or its bytes being written.
  bool Writing() const { return writing_; }
  const std::wstring& Copy_Path() const { return copy_path_; }
  // What the last copy cost: the window's thread taking its text, in all and
  // in its longest step, which is what a key typed meanwhile may wait; and
  // the other thread making and writing its bytes.
  double Last_Snapshot_Milliseconds() const { return last_snapshot_ms_; }
  double Last_Snapshot_Step_Milliseconds() const { return last_step_ms_; }
  double Last_Write_Milliseconds() const { return last_write_ms_; }

  // The copies of runs that did not close cleanly, newest first: each is
  // offered until one is taken, which becomes this run's own. A damaged one
  // is reported and left where it is; one declined is removed.
  std::optional<Recovery_Copy> Offer_Left_Copies(Prompts& prompts);
  // The old contents kept by saves that were killed: each is named, and
  // `open` gets the path of the one the user wants to see, which is then
  // no longer offered.
  void Offer_Kept_Copies(Prompts& prompts, const std::function<void(const std::string&)>& open);

 private:
  static void CALLBACK On_Timer(HWND window, UINT, UINT_PTR id, DWORD);
  void Schedule(unsigned milliseconds);
  void Write_Copy();
  void Take_Pieces();
  void Stop_Taking();
  void Start_Write(Recovery_Copy copy);
  void Wait_For_Write();
  void Remove_Copy();
  void Drop_Unfinished_Kept_Copies(const std::wstring& folder);
  std::vector<std::wstring> Folders() const;

  const Document& doc_;
  Rich_Edit& edit_;
  HWND window_ = nullptr;
  Kept_Copy_Place place_;
  std::vector<std::wstring> candidates_;  // where copies may lie
  HANDLE lock_ = INVALID_HANDLE_VALUE;
  std::wstring copy_path_;
  bool copy_exists_ = false;
  // The copy whose text is being taken, a piece between messages.
  struct Taking {
    Recovery_Copy Copy;
    HWND Control = nullptr;
    int32_t Length = 0;
    double Spent_Ms = 0, Longest_Step_Ms = 0;
  };
  std::optional<Taking> taking_;
  // Since when the typing has been giving copies up before they were taken.
  std::optional<std::chrono::steady_clock::time_point> put_off_since_;
  std::thread writer_;
  std::atomic<bool> writing_{false};
  std::atomic<double> last_write_ms_{0};
  double last_snapshot_ms_ = 0, last_step_ms_ = 0;
  std::chrono::steady_clock::time_point last_change_{}, next_write_{};
};
