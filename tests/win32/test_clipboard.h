#pragma once
// The clipboard as another program would fill and read it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

// Waits a little while another program has the clipboard open.
inline bool Open_Clipboard(HWND owner) {
  for (int i = 0; i < 50; ++i) {
    if (OpenClipboard(owner)) return true;
    Sleep(20);
  }
  return false;
}

inline void Put_Clipboard_Text(HWND owner, const std::wstring& text, bool with_rich_text = false) {
  ASSERT_TRUE(Open_Clipboard(owner));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  if (with_rich_text) {
    const char rtf[] = "{\\rtf1\\ansi \\b bold\\b0}";
    HGLOBAL rich = GlobalAlloc(GMEM_MOVEABLE, sizeof rtf);
    memcpy(GlobalLock(rich), rtf, sizeof rtf);
    GlobalUnlock(rich);
    SetClipboardData(RegisterClipboardFormatW(L"Rich Text Format"), rich);
  }
  CloseClipboard();
}

inline std::wstring Clipboard_Unicode() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return L"<closed>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

inline std::string Clipboard_Ansi() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "<closed>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}
