#include "platform/win32/document_text_win32.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>


namespace {

struct Stream_Buffer {
  std::string bytes;
  size_t at = 0;
};

DWORD CALLBACK Stream_In(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* in = reinterpret_cast<Stream_Buffer*>(cookie);
  const size_t n = std::min(size_t(wanted), in->bytes.size() - in->at);
  memcpy(buffer, in->bytes.data() + in->at, n);
  in->at += n;
  *given = LONG(n);
  return 0;
}

DWORD CALLBACK Stream_Out(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* taken) {
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), size_t(count));
  *taken = count;
  return 0;
}

void Caret_To_Start(HWND control) {
  CHARRANGE start{0, 0};
  SendMessageW(control, EM_EXSETSEL, 0, LPARAM(&start));
}

}  // namespace

void Rich_Edit_Document::Put(const std::string& text) {
  edit_->Set_Text(text);
  Caret_To_Start(Control());
}

std::string Rich_Edit_Document::Take() { return edit_->Text(); }

bool Rich_Edit_Document::Put_Rich(const std::string& rtf) {
  Stream_Buffer in{rtf, 0};
  EDITSTREAM stream{DWORD_PTR(&in), 0, Stream_In};
  SendMessageW(Control(), EM_STREAMIN, SF_RTF, LPARAM(&stream));
  Caret_To_Start(Control());
  return stream.dwError == 0;
}

std::string Rich_Edit_Document::Take_Rich() {
  std::string out;
  EDITSTREAM stream{DWORD_PTR(&out), 0, Stream_Out};
  SendMessageW(Control(), EM_STREAMOUT, SF_RTF, LPARAM(&stream));
  return out;
}
