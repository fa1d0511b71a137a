#include "platform/win32/edit_search_win32.h"

#include <richedit.h>

#include "platform/win32/edit_area_win32.h"
#include "common/text_match.h"
#include "common/control_text.h"

// Not the control's own find: its case-insensitive compare folds only the
// Latin letters on some systems, so Cyrillic capitals would not match.
int32_t Rich_Edit_Search::Find(const std::string& what, int32_t start, int32_t end, Find_Options options) {
  if (!IsWindow(hwnd_)) return -1;
  return Find_Forward([this](int32_t from, int32_t to) { return Text_Range(from, to); }, what, start, end,
                      options);
}

void Rich_Edit_Search::Replace_Selection_Plain(const std::string& text) {
  // A NUL in the text would end it there; it goes in as the control's NUL sign.
  const std::wstring wide = Document_To_Control_Text(text);
  SendMessageW(hwnd_, EM_REPLACESEL, FALSE, LPARAM(wide.c_str()));
}

std::string Rich_Edit_Search::Text_Range(int32_t start, int32_t end) {
  return Rich_Edit(hwnd_).Text_Range(start, end);
}

void Rich_Edit_Search::Focus() { SetFocus(hwnd_); }

void Rich_Edit_Search::Scroll_To_Selection() { SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0); }
