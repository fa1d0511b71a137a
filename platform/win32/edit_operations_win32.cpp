#include "platform/win32/edit_operations_win32.h"

#include <richedit.h>

#include <cwchar>
#include <string>

std::wstring Clipboard_Unicode_Text(HWND owner) {
  std::wstring text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool Rich_Edit_Operations::Can_Undo() { return SendMessageW(hwnd_, EM_CANUNDO, 0, 0) != 0; }
bool Rich_Edit_Operations::Can_Redo() { return SendMessageW(hwnd_, EM_CANREDO, 0, 0) != 0; }
void Rich_Edit_Operations::Undo() { SendMessageW(hwnd_, EM_UNDO, 0, 0); }
void Rich_Edit_Operations::Redo() { SendMessageW(hwnd_, EM_REDO, 0, 0); }
void Rich_Edit_Operations::Copy() { SendMessageW(hwnd_, WM_COPY, 0, 0); }
void Rich_Edit_Operations::Cut() { SendMessageW(hwnd_, WM_CUT, 0, 0); }
void Rich_Edit_Operations::Delete_Selection() { SendMessageW(hwnd_, WM_CLEAR, 0, 0); }

void Rich_Edit_Operations::Select_All() {
  CHARRANGE all{0, -1};
  SendMessageW(hwnd_, EM_EXSETSEL, 0, LPARAM(&all));
}

// The control's own paste replaces the whole text rather than the selection
// under some RichEdit versions in plain-text mode; putting the clipboard's
// text over the selection ourselves behaves the same everywhere.
void Rich_Edit_Operations::Paste() {
  const std::wstring text = Clipboard_Unicode_Text(GetParent(hwnd_));
  SendMessageW(hwnd_, EM_REPLACESEL, TRUE, LPARAM(text.c_str()));
}
