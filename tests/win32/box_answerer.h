#pragma once
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

// The first visible dialog or message box of a thread, or nullptr.
inline HWND Shown_Dialog(DWORD thread_id) {
  HWND found = nullptr;
  EnumThreadWindows(
      thread_id,
      [](HWND hwnd, LPARAM out) -> BOOL {
        wchar_t cls[16] = {};
        GetClassNameW(hwnd, cls, 16);
        if (std::wstring(cls) != L"#32770" || !IsWindowVisible(hwnd)) return TRUE;
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
      },
      LPARAM(&found));
  return found;
}

// Clicks a button of the dialog and gives it a few seconds to go.
inline void Press_Dialog_Button(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dialog, id)));
  for (int i = 0; i < 300 && IsWindow(dialog) && IsWindowVisible(dialog); ++i) Sleep(10);
}

// Answers the message boxes of the main thread from another thread and notes
// their texts: `answer` to a question, OK to a notice.
class Box_Answerer {
 public:
  explicit Box_Answerer(int answer) : answer_(answer), thread_id_(GetCurrentThreadId()) {
    worker_ = std::thread([this] { Watch(); });
  }
  ~Box_Answerer() {
    stop_ = true;
    worker_.join();
  }
  std::vector<std::wstring> texts;

 private:
  void Watch() {
    while (!stop_) {
      if (HWND box = Shown_Dialog(thread_id_)) {
        wchar_t text[2048] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 2048);
        texts.push_back(text);
        Press_Dialog_Button(box, GetDlgItem(box, IDYES) ? answer_ : IDOK);
      }
      Sleep(20);
    }
  }
  int answer_;
  DWORD thread_id_;
  std::atomic<bool> stop_{false};
  std::thread worker_;
};
