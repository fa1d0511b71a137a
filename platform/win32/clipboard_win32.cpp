#include "platform/win32/clipboard_win32.h"

#include <cstring>
#include <string>

namespace {

// Another program may hold the clipboard for a moment.
bool Open(HWND owner) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(20);
  }
  return false;
}

// The clipboard's text as UTF-16, which the system also makes from 8-bit text.
bool Read_Text(std::wstring& text) {
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return false;
  const auto* chars = static_cast<const wchar_t*>(GlobalLock(data));
  if (!chars) return false;
  const size_t room = GlobalSize(data) / sizeof(wchar_t);
  text.assign(chars, wcsnlen(chars, room));
  GlobalUnlock(data);
  return true;
}

bool Put_Text(const std::wstring& text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (!memory) return false;
  auto* chars = static_cast<wchar_t*>(GlobalLock(memory));
  memcpy(chars, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  if (SetClipboardData(CF_UNICODETEXT, memory)) return true;
  GlobalFree(memory);
  return false;
}

}  // namespace

bool Win32_Clipboard::Holds_Text() { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

bool Win32_Clipboard::Keep_Only_Text() {
  if (!Open(owner_)) return false;
  std::wstring text;
  const bool ok = Read_Text(text) && EmptyClipboard() && Put_Text(text);
  CloseClipboard();
  return ok;
}
