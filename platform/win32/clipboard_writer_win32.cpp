#include "platform/win32/clipboard_writer_win32.h"

#include <cstring>

#include "common/clipboard_text.h"
#include "common/win1251_unicode.h"

namespace {

HGLOBAL Global_Copy(const void* data, size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!block) return nullptr;
  std::memcpy(GlobalLock(block), data, size);
  GlobalUnlock(block);
  return block;
}

// Another program may hold the clipboard open for a moment.
bool Open_Clipboard(HWND owner) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(10);
  }
  return false;
}

void Give(UINT format, HGLOBAL block) {
  if (block && !SetClipboardData(format, block)) GlobalFree(block);
}

}  // namespace

bool Win32_Clipboard_Writer::Put_Text(const std::string& text) {
  const std::string ansi = To_Clipboard_Line_Breaks(text);
  const std::wstring wide = Win1251_To_Utf16(ansi);
  const LCID russian = MAKELCID(MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), SORT_DEFAULT);
  if (!Open_Clipboard(owner_)) return false;
  EmptyClipboard();
  Give(CF_UNICODETEXT, Global_Copy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t)));
  Give(CF_TEXT, Global_Copy(ansi.c_str(), ansi.size() + 1));
  Give(CF_LOCALE, Global_Copy(&russian, sizeof(russian)));
  CloseClipboard();
  return true;
}
