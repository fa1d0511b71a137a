#include "platform/win32/edit_area_win32.h"

#include <richedit.h>

#include "common/control_text.h"
#include "common/win1251_unicode.h"
#include "platform/win32/dpi_win32.h"

namespace {
// The undo limit lives with the control, so every wrapper of it agrees.
constexpr wchar_t kUndoLimitProperty[] = L"Lirovant.UndoLimit";
}  // namespace

COLORREF Resolve_Colour(int32_t colour) {
  return Is_System_Colour(colour) ? GetSysColor(System_Colour_Index(colour)) : COLORREF(colour & 0xFFFFFF);
}

HWND Rich_Edit::Create(HWND parent, int id, bool word_wrap, bool scroll_bars) {
  // Loaded once for the process and never let go; the handle itself is not needed.
  static const HMODULE library = LoadLibraryW(L"riched20.dll");
  (void)library;
  DWORD style =
      WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL | ES_WANTRETURN | ES_SAVESEL;
  if (scroll_bars) style |= WS_VSCROLL;
  if (!word_wrap) style |= (scroll_bars ? WS_HSCROLL : 0) | ES_AUTOHSCROLL;
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, RICHEDIT_CLASSW, L"", style, 0, 0, 10, 10, parent,
                              HMENU(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
  if (!edit) return nullptr;
  SendMessageW(edit, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
  SendMessageW(edit, EM_EXLIMITTEXT, 0, 2147483645);
  SendMessageW(edit, EM_AUTOURLDETECT, TRUE, 0);
  SendMessageW(edit, EM_SETOPTIONS, ECOOP_AND, ~LPARAM(ECO_AUTOWORDSELECTION));
  const LRESULT lang = SendMessageW(edit, EM_GETLANGOPTIONS, 0, 0);
  SendMessageW(edit, EM_SETLANGOPTIONS, 0, lang & ~(IMF_AUTOKEYBOARD | IMF_AUTOFONT));
  SendMessageW(edit, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE | ENM_LINK | ENM_KEYEVENTS);
  SendMessageW(edit, EM_SETTARGETDEVICE, 0, word_wrap ? 0 : 1);
  return edit;
}

std::string Rich_Edit::Text() { return Control_Text_To_Document(Control_Text()); }

std::wstring Rich_Edit::Control_Text() {
  GETTEXTLENGTHEX len{GTL_NUMCHARS | GTL_PRECISE, 1200};
  const auto count = SendMessageW(hwnd_, EM_GETTEXTLENGTHEX, WPARAM(&len), 0);
  std::wstring wide(size_t(count) + 1, L'\0');
  GETTEXTEX get{};
  get.cb = DWORD(wide.size() * sizeof(wchar_t));
  get.flags = GT_DEFAULT;
  get.codepage = 1200;
  const auto got = SendMessageW(hwnd_, EM_GETTEXTEX, WPARAM(&get), LPARAM(wide.data()));
  wide.resize(size_t(got));
  return wide;
}

void Rich_Edit::Set_Text(const std::string& text) { Set_Control_Text(Document_To_Control_Text(text)); }

void Rich_Edit::Set_Control_Text(const std::wstring& wide) {
  SETTEXTEX set{ST_DEFAULT, 1200};
  // The replaced text is not undoable anyway, and without undo records the
  // control takes a large text several times faster.
  SendMessageW(hwnd_, EM_SETUNDOLIMIT, 0, 0);
  SendMessageW(hwnd_, EM_SETTEXTEX, WPARAM(&set), LPARAM(wide.c_str()));
  SendMessageW(hwnd_, EM_SETUNDOLIMIT, WPARAM(Undo_Limit()), 0);
}

int32_t Rich_Edit::Text_Length() {
  GETTEXTLENGTHEX len{GTL_NUMCHARS | GTL_PRECISE, 1200};
  return int32_t(SendMessageW(hwnd_, EM_GETTEXTLENGTHEX, WPARAM(&len), 0));
}

Selection Rich_Edit::Get_Selection() {
  CHARRANGE range{};
  SendMessageW(hwnd_, EM_EXGETSEL, 0, LPARAM(&range));
  return {range.cpMin, range.cpMax};
}

void Rich_Edit::Set_Selection(int32_t start, int32_t end) {
  CHARRANGE range{start, end};
  SendMessageW(hwnd_, EM_EXSETSEL, 0, LPARAM(&range));
}

std::wstring Rich_Edit::Control_Text_Range(int32_t start, int32_t end) {
  if (end <= start) return {};
  std::wstring wide(size_t(end - start) + 1, L'\0');
  TEXTRANGEW range{{start, end}, wide.data()};
  const auto got = SendMessageW(hwnd_, EM_GETTEXTRANGE, 0, LPARAM(&range));
  wide.resize(size_t(got));
  return wide;
}

std::string Rich_Edit::Text_Range(int32_t start, int32_t end) {
  return Control_Text_To_Document(Control_Text_Range(start, end));
}

std::string Rich_Edit::Selected_Text() {
  const Selection sel = Get_Selection();
  return Text_Range(sel.Start, sel.End);
}

void Rich_Edit::Replace_Selection(const std::string& text) {
  const std::wstring wide = Document_To_Control_Text(text);
  SendMessageW(hwnd_, EM_REPLACESEL, TRUE, LPARAM(wide.c_str()));
}

int32_t Rich_Edit::Line_Count() { return int32_t(SendMessageW(hwnd_, EM_GETLINECOUNT, 0, 0)); }

int32_t Rich_Edit::Line_From_Char(int32_t offset) {
  return int32_t(SendMessageW(hwnd_, EM_EXLINEFROMCHAR, 0, offset));
}

int32_t Rich_Edit::Line_Index(int32_t line) { return int32_t(SendMessageW(hwnd_, EM_LINEINDEX, line, 0)); }

int32_t Rich_Edit::Line_Length(int32_t line) {
  const int32_t start = Line_Index(line);
  return start < 0 ? 0 : int32_t(SendMessageW(hwnd_, EM_LINELENGTH, start, 0));
}

bool Rich_Edit::Modified() { return SendMessageW(hwnd_, EM_GETMODIFY, 0, 0) != 0; }
void Rich_Edit::Set_Modified(bool modified) { SendMessageW(hwnd_, EM_SETMODIFY, modified, 0); }

int32_t Rich_Edit::Undo_Limit() {
  // Stored one above the limit: no property at all reads as the control's default.
  const auto stored = reinterpret_cast<intptr_t>(GetPropW(hwnd_, kUndoLimitProperty));
  return stored ? int32_t(stored - 1) : 100;
}

void Rich_Edit::Set_Undo_Limit(int32_t limit) {
  SetPropW(hwnd_, kUndoLimitProperty, reinterpret_cast<HANDLE>(intptr_t(limit) + 1));
  SendMessageW(hwnd_, EM_SETUNDOLIMIT, WPARAM(limit), 0);
}

void Rich_Edit::Apply_Font(const Text_Font_Spec& font, HFONT handle) {
  const bool was_modified = Modified();
  SendMessageW(hwnd_, WM_SETFONT, WPARAM(handle), TRUE);
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask =
      CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
  if (font.Style & kBold) format.dwEffects |= CFE_BOLD;
  if (font.Style & kItalic) format.dwEffects |= CFE_ITALIC;
  if (font.Style & kUnderline) format.dwEffects |= CFE_UNDERLINE;
  if (font.Style & kStrikeOut) format.dwEffects |= CFE_STRIKEOUT;
  format.yHeight = font.Size * 20;
  format.bCharSet = BYTE(font.Charset);
  format.crTextColor = Resolve_Colour(font.Color);
  const std::wstring face = Utf8_To_Utf16(font.Name);
  lstrcpynW(format.szFaceName, face.c_str(), LF_FACESIZE);
  SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_ALL, LPARAM(&format));
  SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, LPARAM(&format));
  Set_Modified(was_modified);
}

void Rich_Edit::Set_Dpi(int dpi) {
  const int system = System_Dpi();
  // A zoom of 0 by 0 is none at all.
  SendMessageW(hwnd_, EM_SETZOOM, dpi == system ? 0 : WPARAM(dpi), dpi == system ? 0 : LPARAM(system));
}

void Rich_Edit::Set_Background(int32_t colour) {
  SendMessageW(hwnd_, EM_SETBKGNDCOLOR, 0, LPARAM(Resolve_Colour(colour)));
}

void Rich_Edit::Set_Word_Wrap(bool on) {
  wrap_ = on;
  SendMessageW(hwnd_, EM_SETTARGETDEVICE, 0, on ? 0 : 1);
  SendMessageW(hwnd_, EM_SHOWSCROLLBAR, SB_HORZ, !on);
}
