// Printing and the help menu.
#include "documents/win32/print_help_commands.h"

#include <commdlg.h>

#include "common/command_ids.h"
#include "common/help_topics.h"
#include "documents/win32/document_host.h"
#include "documents/documents_texts.h"
#include "documents/print_document.h"
#include "documents/win32/view_commands.h"
#include "common/win1251_unicode.h"

Gdi_Print_Device::Gdi_Print_Device(HDC dc, const Text_Font_Spec& font, SIZE page, std::wstring title)
    : dc_(dc),
      font_(Create_Text_Font(font, GetDeviceCaps(dc, LOGPIXELSY))),
      page_(page),
      title_(std::move(title)) {
  Select_Font();
  SetTextColor(dc_, Resolve_Colour(font.Color));
  SetBkMode(dc_, TRANSPARENT);
}

Gdi_Print_Device::~Gdi_Print_Device() {
  if (old_font_) SelectObject(dc_, old_font_);
  DeleteObject(font_);
}

void Gdi_Print_Device::Select_Font() {
  HGDIOBJ previous = SelectObject(dc_, font_);
  if (!old_font_) old_font_ = previous;
}

bool Gdi_Print_Device::Start_Document() {
  DOCINFOW info{};
  info.cbSize = sizeof(info);
  info.lpszDocName = title_.c_str();
  if (StartDocW(dc_, &info) <= 0) return false;
  if (StartPage(dc_) <= 0) return false;
  Select_Font();
  return true;
}

bool Gdi_Print_Device::End_Document() { return EndPage(dc_) > 0 && EndDoc(dc_) > 0; }

void Gdi_Print_Device::Abort_Document() { AbortDoc(dc_); }

SIZE Gdi_Print_Device::Extent(const std::string& text) {
  const std::wstring wide = Win1251_To_Utf16(text);
  SIZE size{};
  GetTextExtentPoint32W(dc_, wide.c_str(), int(wide.size()), &size);
  return size;
}

int32_t Gdi_Print_Device::Text_Width(const std::string& text) { return Extent(text).cx; }
int32_t Gdi_Print_Device::Text_Height(const std::string& text) { return Extent(text).cy; }

int32_t Gdi_Print_Device::Average_Char_Width() {
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  return metrics.tmAveCharWidth;
}

int32_t Gdi_Print_Device::Char_Height() { return Extent("0").cy; }

bool Gdi_Print_Device::Draw(int32_t x, int32_t y, const std::string& text) {
  const std::wstring wide = Win1251_To_Utf16(text);
  return TextOutW(dc_, x, y, wide.c_str(), int(wide.size())) != FALSE;
}

bool Gdi_Print_Device::New_Page() {
  if (EndPage(dc_) <= 0 || StartPage(dc_) <= 0) return false;
  Select_Font();
  return true;
}

namespace {

void Report_Printer_Error(Document_Host& host) {
  const DWORD code = GetLastError();
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                 nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  host.Prompts.Error(text ? Narrow(text) : Printer_Error_Text(code));
  if (text) LocalFree(text);
}

// The whole document is printed even when the dialog's selection range is chosen.
void Print_Document(Document_Host& host) {
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = host.Window;
  dialog.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOPAGENUMS;
  if (!PrintDlgW(&dialog)) return;
  const std::vector<std::string> lines = Printed_Lines(host.Control.Edit());
  bool printed = false;
  {
    const SIZE page{GetDeviceCaps(dialog.hDC, HORZRES), GetDeviceCaps(dialog.hDC, VERTRES)};
    Gdi_Print_Device device(dialog.hDC, host.Look.Font, page, Wide(host.Doc.Name));
    printed = Print_Lines(lines, device);
  }
  if (!printed) Report_Printer_Error(host);
  DeleteDC(dialog.hDC);
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
}

// The viewer opens beside the editor; a missing topic is its to report.
void Show_Help(Document_Host& host, std::optional<int> topic) {
  if (!Show_Help_Topic(*host.Help, host.Exe_Path, topic))
    host.Prompts.Error(Help_Missing_Text(Help_Page_Path(host.Exe_Path, topic)));
}

}  // namespace

void Document_Commands::Register_Print_Help_Commands(Command_Table& table) {
  Document_Host* h = &host_;
  table.Add(IDM_Print, [h] { Print_Document(*h); });
  table.Add(IDM_Help_Contents, [h] { Show_Help(*h, std::nullopt); });
  table.Add(IDM_Tips, [h] { Show_Help(*h, kTopicTips); });
  table.Add(IDM_Whats_New, [h] { Show_Help(*h, kTopicWhatsNew); });
  table.Add(IDM_Shortcomings, [h] { Show_Help(*h, kTopicShortcomings); });
  table.Add(IDM_Lines_Help, [h] { Show_Help(*h, kTopicReadFirst); });
}
