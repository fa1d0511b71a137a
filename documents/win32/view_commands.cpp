// Font, colour, word wrap and the date and time.
#include "documents/win32/view_commands.h"

#include <commdlg.h>
#include <richedit.h>

#include "common/command_ids.h"
#include "documents/win32/document_host.h"
#include "documents/view_font.h"
#include "common/win1251_unicode.h"

HFONT Create_Text_Font(const Text_Font_Spec& font, int dpi) {
  const int style = font.Style;
  return CreateFontW(-MulDiv(font.Size, dpi, 72), 0, 0, 0, (style & kBold) ? FW_BOLD : FW_NORMAL,
                     (style & kItalic) != 0, (style & kUnderline) != 0, (style & kStrikeOut) != 0,
                     BYTE(font.Charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH, Wide(font.Name).c_str());
}

int32_t Rich_Edit_View::Selection_Font_Size() {
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask = CFM_SIZE;
  SendMessageW(edit_.Handle(), EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
  return format.yHeight / 20;
}

void Rich_Edit_View::Set_Selection_Format(CHARFORMAT2W& format) {
  format.cbSize = sizeof(format);
  SendMessageW(edit_.Handle(), EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
}

void Rich_Edit_View::Set_Selection_Font_Size(int32_t points) {
  CHARFORMAT2W format{};
  format.dwMask = CFM_SIZE;
  format.yHeight = points * 20;
  Set_Selection_Format(format);
}

void Rich_Edit_View::Set_Selection_Font(const Text_Font_Spec& font) {
  CHARFORMAT2W style{};
  style.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
  if (font.Style & kBold) style.dwEffects |= CFE_BOLD;
  if (font.Style & kItalic) style.dwEffects |= CFE_ITALIC;
  if (font.Style & kUnderline) style.dwEffects |= CFE_UNDERLINE;
  if (font.Style & kStrikeOut) style.dwEffects |= CFE_STRIKEOUT;
  Set_Selection_Format(style);
  CHARFORMAT2W charset{};
  charset.dwMask = CFM_CHARSET;
  charset.bCharSet = BYTE(font.Charset);
  Set_Selection_Format(charset);
  CHARFORMAT2W colour{};
  colour.dwMask = CFM_COLOR;
  colour.crTextColor = Resolve_Colour(font.Color);
  Set_Selection_Format(colour);
  CHARFORMAT2W face{};
  face.dwMask = CFM_FACE;
  lstrcpynW(face.szFaceName, Wide(font.Name).c_str(), LF_FACESIZE);
  Set_Selection_Format(face);
  Set_Selection_Font_Size(font.Size);
  Set_Selection_Format(style);
}

void Rich_Edit_View::Set_Default_Font(const Text_Font_Spec& font) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  HFONT handle = Create_Text_Font(font, dpi);
  edit_.Apply_Font(font, handle);
  if (font_slot_) DeleteObject(font_slot_);
  font_slot_ = handle;
}

std::string Win32_Clock_Text::Long_Time() {
  wchar_t text[128] = {};
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, has_fixed_ ? &fixed_ : nullptr, time_picture_, text, 128);
  return Utf16_To_Win1251(text);
}

std::string Win32_Clock_Text::Short_Date() {
  wchar_t text[128] = {};
  GetDateFormatW(LOCALE_USER_DEFAULT, date_picture_ ? 0 : DATE_SHORTDATE, has_fixed_ ? &fixed_ : nullptr,
                 date_picture_, text, 128);
  return Utf16_To_Win1251(text);
}

namespace {

class Win32_Font_Chooser : public Font_Chooser {
 public:
  explicit Win32_Font_Chooser(HWND owner) : owner_(owner) {}
  std::optional<Text_Font_Spec> Choose(const Text_Font_Spec& current) override {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTW log{};
    log.lfHeight = -MulDiv(current.Size, dpi, 72);
    log.lfWeight = (current.Style & kBold) ? FW_BOLD : FW_NORMAL;
    log.lfItalic = (current.Style & kItalic) != 0;
    log.lfUnderline = (current.Style & kUnderline) != 0;
    log.lfStrikeOut = (current.Style & kStrikeOut) != 0;
    log.lfCharSet = BYTE(current.Charset);
    lstrcpynW(log.lfFaceName, Wide(current.Name).c_str(), LF_FACESIZE);
    CHOOSEFONTW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpLogFont = &log;
    dialog.rgbColors = Resolve_Colour(current.Color);
    // Effects give colour, underline and strike-out; no size limits are set.
    dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontW(&dialog)) return std::nullopt;
    Text_Font_Spec chosen = current;
    chosen.Style = (log.lfWeight >= FW_BOLD ? kBold : 0) | (log.lfItalic ? kItalic : 0) |
                   (log.lfUnderline ? kUnderline : 0) | (log.lfStrikeOut ? kStrikeOut : 0);
    chosen.Charset = log.lfCharSet;
    chosen.Color = int32_t(dialog.rgbColors & 0xFFFFFF);
    chosen.Name = Narrow(log.lfFaceName);
    chosen.Size = dialog.iPointSize / 10;
    return chosen;
  }

 private:
  HWND owner_;
};

void Choose_Font_Command(Document_Host& host) {
  Win32_Font_Chooser chooser(host.Window);
  Rich_Edit_View view(host.Control.Edit(), host.Look.Font_Handle);
  Choose_Text_Font(host.Control.Edit(), view, host.Look.Font, chooser);
}

void Step_Font(Document_Host& host, int step) {
  Rich_Edit_View view(host.Control.Edit(), host.Look.Font_Handle);
  Step_Font_Size(host.Control.Edit(), view, host.Look.Font, step);
}

void Choose_Background_Colour(Document_Host& host) {
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = host.Window;
  dialog.rgbResult = Resolve_Colour(host.Look.Back_Color);
  dialog.lpCustColors = host.Custom_Colours.data();
  dialog.Flags = CC_RGBINIT;
  if (!ChooseColorW(&dialog)) return;
  host.Look.Back_Color = int32_t(dialog.rgbResult & 0xFFFFFF);
  host.Control.Edit().Set_Background(host.Look.Back_Color);
}

void Word_Wrap_Command(Document_Host& host) {
  Rich_Edit_View view(host.Control.Edit(), host.Look.Font_Handle);
  Toggle_Word_Wrap(host.Control.Edit(), view, host.Look.Word_Wrap, [&host] { host.Calls.Refresh_Status(); });
  CheckMenuItem(host.Menu, IDM_Word_Wrap, MF_BYCOMMAND | (host.Look.Word_Wrap ? MF_CHECKED : MF_UNCHECKED));
}

void Insert_Time_Date_Command(Document_Host& host) {
  Win32_Clock_Text clock;
  Insert_Time_Date(host.Control.Edit(), clock);
}

}  // namespace

void Document_Commands::Register_View_Commands(Command_Table& table) {
  Document_Host* h = &host_;
  table.Add(IDM_Font, [h] { Choose_Font_Command(*h); });
  table.Add(IDM_Background_Colour, [h] { Choose_Background_Colour(*h); });
  table.Add(IDM_Font_Smaller, [h] { Step_Font(*h, -1); });
  table.Add(IDM_Font_Larger, [h] { Step_Font(*h, +1); });
  table.Add(IDM_Word_Wrap, [h] { Word_Wrap_Command(*h); });
  table.Add(IDM_Time_Date, [h] { Insert_Time_Date_Command(*h); });
}
