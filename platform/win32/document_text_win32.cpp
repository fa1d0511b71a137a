#include "platform/win32/document_text_win32.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "common/control_text.h"
#include "platform/intake_pieces.h"
#include "platform/intake_source.h"

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

void Rich_Edit_Document::Put_Control_Text(std::wstring wide) {
  if (intake_)
    intake_->Begin(Control(), std::move(wide));
  else
    edit_->Set_Control_Text(wide);
  Caret_To_Start(Control());
}

void Rich_Edit_Document::Put(const std::string& text) { Put_Control_Text(Document_To_Control_Text(text)); }

void Rich_Edit_Document::Put_File(Shared_File_Bytes bytes, File_Encoding encoding,
                                  const File_Survey& survey) {
  if (intake_)
    intake_->Begin(Control(), File_Intake_Source(std::move(bytes), encoding, survey));
  else
    edit_->Set_Control_Text(File_To_Control_Text(bytes->View(), encoding));
  Caret_To_Start(Control());
}

std::string Rich_Edit_Document::Take() { return edit_->Text(); }

void Rich_Edit_Document::Put_Unicode(const std::wstring& text) { Put_Control_Text(text); }

bool Rich_Edit_Document::Caret_Waits_For_Text(int32_t offset) {
  return intake_ && intake_->Control() == Control() && intake_->Place_Caret_Later(offset);
}

std::optional<int32_t> Rich_Edit_Document::Waiting_Caret() {
  if (!intake_ || intake_->Control() != Control()) return std::nullopt;
  return intake_->Waiting_Caret();
}

std::wstring Rich_Edit_Document::Take_Unicode() { return edit_->Control_Text(); }

bool Rich_Edit_Document::Take_Pieces(const std::function<bool(Text_Piece)>& sink) {
  const int32_t total = edit_->Text_Length();
  for (int32_t at = 0; at < total;) {
    // Every piece costs the control a walk from the start of the text to the
    // piece's first character. Pieces of half of what is left keep the walks
    // few and the last piece, which nothing overlaps, small, and each piece
    // takes the worker about as long as the control takes to hand out the next.
    const int32_t left = total - at;
    const int32_t end = at + std::min(left, std::max(piece_chars_, left / 2));
    std::wstring wide(size_t(end - at) + 1, L'\0');
    TEXTRANGEW range{{at, end}, wide.data()};
    const auto got = SendMessageW(Control(), EM_GETTEXTRANGE, 0, LPARAM(&range));
    if (got != end - at) return false;
    wide.resize(size_t(got));
    if (!sink([wide = std::move(wide)] { return Control_Text_To_Document_Exactly(wide); })) return true;
    at = end;
  }
  return true;
}

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

// A wrapped text takes a row for every width of the edit area it fills; a
// character is about half as wide as the font is high.
Memory_Need Rich_Edit_Document::Memory_For(std::size_t units, std::size_t lines, std::size_t longest_run) {
  std::size_t rows = lines;
  if (edit_->Word_Wrap() && longest_run <= kLongestWrappedRun) {
    RECT client{};
    GetClientRect(Control(), &client);
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(Control(), EM_GETCHARFORMAT, SCF_DEFAULT, LPARAM(&format));
    const long char_pixels = std::max<long>(1, format.yHeight / 20 / 2);
    const std::size_t row_chars = std::size_t(std::max<long>(16, (client.right - client.left) / char_pixels));
    rows = std::max(rows, units / row_chars);
  }
  MEMORYSTATUSEX memory{};
  memory.dwLength = sizeof memory;
  Memory_Need need;
  need.Needed = Control_Bytes_For(units, rows);
  if (GlobalMemoryStatusEx(&memory)) need.Available = std::min(memory.ullAvailPhys, memory.ullAvailVirtual);
  return need;
}
