#include "about/win32/about_form.h"

#include "about/about_texts.h"
#include "about/win32/about_ids.h"
#include "platform/win32/dpi_win32.h"

namespace {

const wchar_t Font_Face[] = L"MS Sans Serif";

HFONT Make_Font(int pixels, int dpi, bool bold, bool underline) {
  return CreateFontW(-Scaled(pixels, dpi), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, Font_Face);
}

enum class Font_Kind { Plain, Name, Freeware };

// Some font renderers (Wine's among them) draw small text a few pixels wider
// than they measure it; a label cut at the measured width loses its last
// character there.
constexpr int Label_Slack = 3;

// The labels on the outer panel: where they stand within it, how wide a
// wrapped one may grow, their font and fixed text (the version is set on
// activation).
struct Label_Place {
  int Id;
  int X, Y;
  int Wrap_Width;
  Font_Kind Font;
  const char* const* Text;
  bool Link;
};

const char* const No_Text = "";

const Label_Place Panel_Labels[] = {
    {IDC_ABOUT_PRODUCT_NAME, 120, 16, 200, Font_Kind::Name, &About_Product_Name, false},
    {IDC_ABOUT_VERSION, 120, 35, 0, Font_Kind::Name, &No_Text, false},
    {IDC_ABOUT_LABEL1, 24, 121, 0, Font_Kind::Freeware, &About_Freeware, false},
    {IDC_ABOUT_AUTHOR_CAPTION, 8, 142, 0, Font_Kind::Plain, &About_Author_Caption, false},
    {IDC_ABOUT_LABEL2, 53, 142, 0, Font_Kind::Plain, &About_Author, false},
    {IDC_ABOUT_MAIL_TO, 8, 159, 0, Font_Kind::Plain, &About_Mail_Address, true},
    {IDC_ABOUT_LABEL3, 8, 185, 0, Font_Kind::Plain, &About_Home_Caption, false},
    {IDC_ABOUT_HOME_PAGE, 88, 185, 0, Font_Kind::Plain, &About_Home_Page, true},
};

HFONT Font_For(const TAboutBox& box, Font_Kind kind) {
  switch (kind) {
    case Font_Kind::Name:
      return box.Name_Font;
    case Font_Kind::Freeware:
      return box.Freeware_Font;
    case Font_Kind::Plain:
      break;
  }
  return box.Plain_Font;
}

// A one-line label is sized to its text exactly, and the word-wrapping style
// would push a last character that lands on the edge onto an unseen line.
HWND Make_Label(HWND parent, int id, int x, int y, HFONT font, bool wrap, bool link) {
  DWORD style = WS_CHILD | WS_VISIBLE | SS_NOPREFIX | (wrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
  if (link) style |= SS_NOTIFY;  // clicks, and mouse moves reach the link itself
  HWND label = CreateWindowExW(
      0, L"STATIC", L"", style, x, y, 1, 1, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  if (label) SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return label;
}

RECT Place(const TAboutBox& box, int x, int y, int width, int height) {
  const int dpi = box.Dpi;
  return RECT{Scaled(x, dpi), Scaled(y, dpi), Scaled(x + width, dpi), Scaled(y + height, dpi)};
}

bool Make_Fonts(TAboutBox& box) {
  box.Plain_Font = Make_Font(11, box.Dpi, false, false);
  box.Link_Hot_Font = Make_Font(11, box.Dpi, false, true);
  box.Name_Font = Make_Font(13, box.Dpi, false, false);
  box.Freeware_Font = Make_Font(16, box.Dpi, true, false);
  return box.Plain_Font && box.Link_Hot_Font && box.Name_Font && box.Freeware_Font;
}

bool Make_Panel_Labels(TAboutBox& box) {
  HWND* targets[] = {&box.ProductName, &box.Version, &box.Label1, &box.Author_Caption,
                     &box.Label2,      &box.MailTo,  &box.Label3, &box.HomePage};
  int i = 0;
  for (const Label_Place& p : Panel_Labels) {
    HWND label = Make_Label(box.MayPanel, p.Id, Scaled(p.X, box.Dpi), Scaled(p.Y, box.Dpi),
                            Font_For(box, p.Font), p.Wrap_Width > 0, p.Link);
    if (!label) return false;
    Set_Label_Text(label, About_Wide(*p.Text), p.Wrap_Width, box.Dpi);
    *targets[i++] = label;
  }
  return true;
}

bool Make_Story_Labels(TAboutBox& box) {
  for (int k = 0; k < Scroll_Clock::Label_Count; ++k) {
    box.Story_Labels[k] =
        Make_Label(box.Panel, IDC_ABOUT_STORY1 + k, 0, Scaled(box.Clock.Label_Top(k + 1), box.Dpi),
                   box.Plain_Font, true, false);
    if (!box.Story_Labels[k]) return false;
  }
  return true;
}

bool Make_Button(TAboutBox& box) {
  const RECT r = Place(box, 137, 224, 75, 25);
  box.OKButton =
      CreateWindowExW(0, L"BUTTON", About_Wide(About_OK).c_str(),
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, r.left, r.top, r.right - r.left,
                      r.bottom - r.top, box.Form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)),
                      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(box.Form, GWLP_HINSTANCE)), nullptr);
  if (box.OKButton) SendMessageW(box.OKButton, WM_SETFONT, reinterpret_cast<WPARAM>(box.Plain_Font), FALSE);
  return box.OKButton != nullptr;
}

}  // namespace

std::wstring About_Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], length);
  return wide;
}

void Set_Label_Text(HWND label, const std::wstring& text, int wrap_width, int dpi) {
  wrap_width = Scaled(wrap_width, dpi);
  SetWindowTextW(label, text.c_str());
  HDC dc = GetDC(label);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
  RECT r{0, 0, wrap_width, 0};
  UINT format = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_LEFT;
  format |= wrap_width > 0 ? DT_WORDBREAK : DT_SINGLELINE;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  const int width = wrap_width > 0 ? wrap_width : r.right + Scaled(Label_Slack, dpi);
  SetWindowPos(label, nullptr, 0, 0, width, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Build_About_Controls(TAboutBox& box, HINSTANCE instance) {
  if (!Register_About_Panel(instance) || !Register_About_Picture(instance) || !Make_Fonts(box)) return false;
  box.MayPanel = Create_About_Panel(box.Form, IDC_ABOUT_MAY_PANEL, Place(box, 8, 8, 329, 209),
                                    Panel_Bevel::Lowered_Outer_Raised_Inner, COLOR_BTNFACE);
  if (!box.MayPanel) return false;
  box.ProgramIcon =
      Create_About_Picture(box.MayPanel, IDC_ABOUT_PROGRAM_ICON, Place(box, 10, 10, 100, 100), &box.Picture);
  box.Panel2 = Create_About_Panel(box.MayPanel, IDC_ABOUT_PANEL2, Place(box, 120, 64, 201, 113),
                                  Panel_Bevel::Lowered_Both, COLOR_INFOBK);
  if (!box.ProgramIcon || !box.Panel2) return false;
  // Inside the frame, so that it lands at 136, 80 on the box.
  box.Panel = Create_About_Panel(box.Panel2, IDC_ABOUT_PANEL, Place(box, 8, 8, About_Story_Width, 97),
                                 Panel_Bevel::None, COLOR_INFOBK);
  return box.Panel && Make_Panel_Labels(box) && Make_Story_Labels(box) && Make_Button(box);
}

void Free_About_Controls(TAboutBox& box) {
  // The panels take the labels and the picture with them.
  if (box.MayPanel) DestroyWindow(box.MayPanel);
  if (box.OKButton) DestroyWindow(box.OKButton);
  box.MayPanel = box.ProgramIcon = box.ProductName = box.Version = nullptr;
  box.Label1 = box.Author_Caption = box.Label2 = box.MailTo = nullptr;
  box.Label3 = box.HomePage = box.Panel2 = box.Panel = box.OKButton = nullptr;
  for (HWND& label : box.Story_Labels) label = nullptr;
  box.MailTo_Hot = box.HomePage_Hot = false;
  Free_About_Fonts(box);
}

void Free_About_Fonts(TAboutBox& box) {
  for (HFONT* font : {&box.Plain_Font, &box.Link_Hot_Font, &box.Name_Font, &box.Freeware_Font}) {
    if (*font) DeleteObject(*font);
    *font = nullptr;
  }
}
