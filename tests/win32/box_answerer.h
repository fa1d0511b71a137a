#pragma once
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

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
  static BOOL CALLBACK Find(HWND hwnd, LPARAM found) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (std::wstring(cls) != L"#32770" || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
  }
  void Watch() {
    while (!stop_) {
      HWND box = nullptr;
      EnumThreadWindows(thread_id_, Find, LPARAM(&box));
      if (box) {
        wchar_t text[2048] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 2048);
        texts.push_back(text);
        const int id = GetDlgItem(box, IDYES) ? answer_ : IDOK;
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(box, id)));
        for (int i = 0; i < 200 && IsWindow(box) && IsWindowVisible(box); ++i) Sleep(10);
      }
      Sleep(20);
    }
  }
  int answer_;
  DWORD thread_id_;
  std::atomic<bool> stop_{false};
  std::thread worker_;
};

