#pragma once
// The about box's window and components, shared by the files of the box.
#include <windows.h>

#include <string>

#include "about/jpeg_decode.h"
#include "about/scroll_clock.h"

// Sent by a panel to the box when the mouse moves over the panel itself (not
// over one of its child windows); wParam is the panel's control id.
constexpr UINT WM_ABOUT_PANEL_MOUSE = WM_APP + 0x61;

// The layout's pixels are at 96 DPI; the box is built at the DPI of the
// monitor it shows on, everything in proportion.
constexpr int About_Client_Width = 344;
constexpr int About_Client_Height = 254;
constexpr int About_Story_Width = 185;

constexpr COLORREF About_Maroon = RGB(128, 0, 0);
constexpr COLORREF About_Navy = RGB(0, 0, 128);
constexpr COLORREF About_Blue = RGB(0, 0, 255);

struct TAboutBox {
  HWND Form = nullptr;
  HWND MayPanel = nullptr, ProgramIcon = nullptr, ProductName = nullptr, Version = nullptr;
  HWND Label1 = nullptr, Author_Caption = nullptr, Label2 = nullptr, MailTo = nullptr;
  HWND Label3 = nullptr, HomePage = nullptr, Panel2 = nullptr, Panel = nullptr;
  HWND Story_Labels[Scroll_Clock::Label_Count] = {};
  HWND OKButton = nullptr;

  HFONT Plain_Font = nullptr;     // 11 pixels: captions, links, story, button
  HFONT Link_Hot_Font = nullptr;  // the same, underlined: a link under the mouse
  HFONT Name_Font = nullptr;      // 13 pixels: product name and version
  HFONT Freeware_Font = nullptr;  // bold 16 pixels

  bool MailTo_Hot = false;
  bool HomePage_Hot = false;
  bool Showing = false;  // inside Show_About_Box
  bool Closing = false;  // asked to close while showing

  Scroll_Clock Clock;
  Jpeg_Picture Picture;
  int Dpi = 96;  // what the controls and fonts were built for
};

// UTF-8 text from the portable core, widened for the W functions.
std::wstring About_Wide(const std::string& utf8);

// Panels: a plain child window painted in a system colour with an optional bevel.
enum class Panel_Bevel { None, Lowered_Outer_Raised_Inner, Lowered_Both };
bool Register_About_Panel(HINSTANCE instance);
HWND Create_About_Panel(HWND parent, int id, RECT place, Panel_Bevel bevel, int colour_index);

// The picture: decoded from the RCDATA resource, shown stretched.
Jpeg_Picture Load_About_Picture(HINSTANCE instance);
bool Register_About_Picture(HINSTANCE instance);
HWND Create_About_Picture(HWND parent, int id, RECT place, const Jpeg_Picture* picture);

// Fonts and child controls of the box at box.Dpi, placed as the layout
// table gives them.
bool Build_About_Controls(TAboutBox& box, HINSTANCE instance);
// The controls and fonts go; the box itself and its picture stay.
void Free_About_Controls(TAboutBox& box);
void Free_About_Fonts(TAboutBox& box);
// Sets a label's text and sizes the label to it; wrap_width 0 keeps it on
// one line. The wrap width is in pixels at `dpi`.
void Set_Label_Text(HWND label, const std::wstring& text, int wrap_width, int dpi);
