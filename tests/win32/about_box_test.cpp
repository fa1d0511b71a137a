#include "about/win32/about_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "about/about_texts.h"
#include "about/win32/about_ids.h"

namespace {

std::wstring Wide(const std::string& utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &out[0], n);
  out.resize(static_cast<std::size_t>(n - 1));
  return out;
}

std::wstring Text_Of(HWND window) {
  wchar_t buffer[1024] = {};
  GetWindowTextW(window, buffer, 1024);
  return buffer;
}

struct Found {
  int Id;
  HWND Window;
};

BOOL CALLBACK Match_Id(HWND window, LPARAM found) {
  auto* f = reinterpret_cast<Found*>(found);
  if (GetDlgCtrlID(window) != f->Id) return TRUE;
  f->Window = window;
  return FALSE;
}

// Any control of the box, however deep among its panels.
HWND Control(HWND box, int id) {
  Found f{id, nullptr};
  EnumChildWindows(box, Match_Id, reinterpret_cast<LPARAM>(&f));
  return f.Window;
}

RECT Place_In(HWND control, HWND container) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void Expect_Place(HWND control, HWND container, int x, int y, int w, int h) {
  ASSERT_NE(control, nullptr);
  const RECT r = Place_In(control, container);
  EXPECT_EQ(r.left, x);
  EXPECT_EQ(r.top, y);
  if (w >= 0) {
    EXPECT_EQ(r.right - r.left, w);
  }
  if (h >= 0) {
    EXPECT_EQ(r.bottom - r.top, h);
  }
}

LOGFONTW Font_Of(HWND control) {
  LOGFONTW lf{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof lf, &lf);
  return lf;
}

struct Label_Look {
  COLORREF Text, Back;
};

// What a label is painted with: its parent answers the colour request.
Label_Look Look_Of(HWND label) {
  HDC dc = CreateCompatibleDC(nullptr);
  SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(label));
  const Label_Look look{GetTextColor(dc), GetBkColor(dc)};
  DeleteDC(dc);
  return look;
}

int Story_Top(HWND box, int k) {
  return Place_In(Control(box, IDC_ABOUT_STORY1 + k - 1), Control(box, IDC_ABOUT_PANEL)).top;
}

void Activate(HWND box) { SendMessageW(box, WM_ACTIVATE, WA_ACTIVE, 0); }
void Deactivate(HWND box) { SendMessageW(box, WM_ACTIVATE, WA_INACTIVE, 0); }
void Tick(HWND box) { SendMessageW(box, WM_TIMER, IDT_ABOUT_TIMER, 0); }

std::vector<std::wstring> Opened;
void Record_Link(HWND, const wchar_t* target) { Opened.push_back(target); }

class AboutBox : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!Owner)
      Owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!Object) Object = new About_Box(Owner);  // lives as long as the test program
    if (!Box) Box = Object->Create(GetModuleHandleW(nullptr));
  }
  void SetUp() override {
    ASSERT_NE(Box, nullptr);
    Panel = Control(Box, IDC_ABOUT_MAY_PANEL);
  }
  void TearDown() override { Deactivate(Box); }
  static HWND Owner;
  static About_Box* Object;
  static HWND Box;
  HWND Panel = nullptr;
};
HWND AboutBox::Owner = nullptr;
About_Box* AboutBox::Object = nullptr;
HWND AboutBox::Box = nullptr;

}  // namespace

TEST_F(AboutBox, IsCreatedOnceHiddenWithItsCaptionAndClientSize) {
  EXPECT_EQ(Object->Create(GetModuleHandleW(nullptr)), Box);
  EXPECT_FALSE(IsWindowVisible(Box));
  EXPECT_EQ(Text_Of(Box), L" О программе");
  EXPECT_EQ(GetWindow(Box, GW_OWNER), Owner);
  RECT client;
  GetClientRect(Box, &client);
  EXPECT_EQ(client.right, 344);
  EXPECT_EQ(client.bottom, 254);
  const LONG style = GetWindowLongW(Box, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
}

// At 96 DPI, then moved to a monitor of 192 and back: the box is built anew
// at each scale, every control where the layout puts it in proportion, every
// label within the outer panel and over no other.
TEST_F(AboutBox, ControlsStandWhereTheLayoutPutsThemAtEveryScale) {
  for (int k : {1, 2, 1}) {
    RECT place{};
    GetWindowRect(Box, &place);
    SendMessageW(Box, WM_DPICHANGED, MAKEWPARAM(96 * k, 96 * k), LPARAM(&place));
    Activate(Box);  // the version gets its text
    Panel = Control(Box, IDC_ABOUT_MAY_PANEL);
    RECT client;
    GetClientRect(Box, &client);
    EXPECT_EQ(client.right, 344 * k);
    EXPECT_EQ(client.bottom, 254 * k);
    Expect_Place(Panel, Box, 8 * k, 8 * k, 329 * k, 209 * k);
    Expect_Place(Control(Box, IDC_ABOUT_PROGRAM_ICON), Panel, 10 * k, 10 * k, 100 * k, 100 * k);
    Expect_Place(Control(Box, IDC_ABOUT_PRODUCT_NAME), Panel, 120 * k, 16 * k, -1, -1);
    Expect_Place(Control(Box, IDC_ABOUT_VERSION), Panel, 120 * k, 35 * k, -1, -1);
    Expect_Place(Control(Box, IDC_ABOUT_LABEL1), Panel, 24 * k, 121 * k, -1, -1);
    Expect_Place(Control(Box, IDC_ABOUT_AUTHOR_CAPTION), Panel, 8 * k, 142 * k, -1, -1);
    Expect_Place(Control(Box, IDC_ABOUT_LABEL2), Panel, 53 * k, 142 * k, -1, -1);
    Expect_Place(Control(Box, IDC_ABOUT_MAIL_TO), Panel, 8 * k, 159 * k, -1, -1);
    Expect_Place(Control(Box, IDC_ABOUT_LABEL3), Panel, 8 * k, 185 * k, -1, -1);
    Expect_Place(Control(Box, IDC_ABOUT_HOME_PAGE), Panel, 88 * k, 185 * k, -1, -1);
    Expect_Place(Control(Box, IDC_ABOUT_PANEL2), Panel, 120 * k, 64 * k, 201 * k, 113 * k);
    Expect_Place(Control(Box, IDC_ABOUT_PANEL), Box, 136 * k, 80 * k, 185 * k, 97 * k);
    Expect_Place(GetDlgItem(Box, IDOK), Box, 137 * k, 224 * k, 75 * k, 25 * k);
    EXPECT_EQ(Font_Of(Control(Box, IDC_ABOUT_STORY1)).lfHeight, -11 * k);
    EXPECT_EQ(Story_Top(Box, 1), 591 * k);  // parked below the story's window
    std::vector<RECT> taken = {Place_In(Control(Box, IDC_ABOUT_PROGRAM_ICON), Panel),
                               Place_In(Control(Box, IDC_ABOUT_PANEL2), Panel)};
    for (int id : {IDC_ABOUT_PRODUCT_NAME, IDC_ABOUT_VERSION, IDC_ABOUT_LABEL1, IDC_ABOUT_AUTHOR_CAPTION,
                   IDC_ABOUT_LABEL2, IDC_ABOUT_MAIL_TO, IDC_ABOUT_LABEL3, IDC_ABOUT_HOME_PAGE}) {
      const RECT r = Place_In(Control(Box, id), Panel);
      EXPECT_LE(r.right, 329 * k) << id;
      EXPECT_GT(r.right - r.left, 0) << id;
      EXPECT_GT(r.bottom - r.top, 0) << id;
      for (const RECT& other : taken) {
        RECT common;
        EXPECT_FALSE(IntersectRect(&common, &r, &other)) << "label " << id << " at " << 96 * k;
      }
      taken.push_back(r);
    }
    Deactivate(Box);
  }
}

TEST_F(AboutBox, LabelsAndButtonCarryTheirTexts) {
  EXPECT_EQ(Text_Of(Control(Box, IDC_ABOUT_PRODUCT_NAME)), L"Имя продукта: \"Лированик\"");
  EXPECT_EQ(Text_Of(Control(Box, IDC_ABOUT_LABEL1)), L"Freeware");
  EXPECT_EQ(Text_Of(Control(Box, IDC_ABOUT_AUTHOR_CAPTION)), L"Автор:");
  EXPECT_EQ(Text_Of(Control(Box, IDC_ABOUT_LABEL2)), Wide(About_Author));
  EXPECT_EQ(Text_Of(Control(Box, IDC_ABOUT_MAIL_TO)), Wide(About_Mail_Address));
  EXPECT_EQ(Text_Of(Control(Box, IDC_ABOUT_LABEL3)), L"Home Page:");
  EXPECT_EQ(Text_Of(Control(Box, IDC_ABOUT_HOME_PAGE)), Wide(About_Home_Page));
  HWND ok = GetDlgItem(Box, IDOK);
  EXPECT_EQ(Text_Of(ok), L"OK");
  EXPECT_EQ(GetWindowLongW(ok, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST_F(AboutBox, FontsAndColoursFollowTheLayout) {
  HWND name = Control(Box, IDC_ABOUT_PRODUCT_NAME);
  EXPECT_EQ(Font_Of(name).lfHeight, -13);
  EXPECT_EQ(Font_Of(Control(Box, IDC_ABOUT_VERSION)).lfHeight, -13);
  const LOGFONTW freeware = Font_Of(Control(Box, IDC_ABOUT_LABEL1));
  EXPECT_EQ(freeware.lfHeight, -16);
  EXPECT_GE(freeware.lfWeight, FW_BOLD);
  EXPECT_EQ(Font_Of(Control(Box, IDC_ABOUT_STORY1)).lfHeight, -11);

  EXPECT_EQ(Look_Of(name).Text, RGB(128, 0, 0));
  EXPECT_EQ(Look_Of(Control(Box, IDC_ABOUT_VERSION)).Text, RGB(128, 0, 0));
  EXPECT_EQ(Look_Of(Control(Box, IDC_ABOUT_LABEL2)).Text, RGB(128, 0, 0));
  EXPECT_EQ(Look_Of(Control(Box, IDC_ABOUT_MAIL_TO)).Text, RGB(0, 0, 128));
  EXPECT_EQ(Look_Of(Control(Box, IDC_ABOUT_HOME_PAGE)).Text, RGB(0, 0, 128));
  EXPECT_EQ(Look_Of(name).Back, GetSysColor(COLOR_BTNFACE));
  const Label_Look story = Look_Of(Control(Box, IDC_ABOUT_STORY1 + 2));
  EXPECT_EQ(story.Text, GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(story.Back, GetSysColor(COLOR_INFOBK));
}

TEST_F(AboutBox, ActivationSetsVersionAndStoryAndParksTheLabels) {
  Activate(Box);
  HWND version = Control(Box, IDC_ABOUT_VERSION);
  EXPECT_EQ(Text_Of(version), L"Версия продукта: 2.8");
  const RECT v = Place_In(version, Panel);
  EXPECT_GT(v.right - v.left, 50);
  EXPECT_LE(v.right, 329);
  for (int k = 1; k <= 5; ++k) {
    HWND lab = Control(Box, IDC_ABOUT_STORY1 + k - 1);
    EXPECT_EQ(Text_Of(lab), Wide(Story_Piece(k))) << k;
    const RECT r = Place_In(lab, Control(Box, IDC_ABOUT_PANEL));
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right - r.left, 185);
    EXPECT_GT(r.bottom - r.top, 3 * 11) << "piece " << k << " is wrapped over several lines";
    EXPECT_EQ(r.top, 591);
  }
}

TEST_F(AboutBox, TicksMoveTheStoryUpWhileActiveOnly) {
  Activate(Box);
  Tick(Box);
  const int first = Story_Top(Box, 1);
  // The pieces are 104 pixels apart, or further where one is taller: no
  // piece covers the last line of the one before it.
  HWND story = Control(Box, IDC_ABOUT_PANEL);
  int gaps = 0;
  for (int k = 2; k <= 5; ++k) {
    const RECT above = Place_In(Control(Box, IDC_ABOUT_STORY1 + k - 2), story);
    const int gap = Story_Top(Box, k) - Story_Top(Box, k - 1);
    EXPECT_EQ(gap, std::max(104, int(above.bottom - above.top))) << k;
    gaps += gap;
  }
  for (int i = 0; i < 10; ++i) Tick(Box);
  EXPECT_EQ(Story_Top(Box, 1), first - 10);
  EXPECT_EQ(Story_Top(Box, 5), first - 10 + gaps);

  Deactivate(Box);
  Tick(Box);  // a stray tick while paused moves nothing
  EXPECT_EQ(Story_Top(Box, 1), first - 10);
  Activate(Box);
  EXPECT_EQ(Story_Top(Box, 1), 591);
  Tick(Box);
  EXPECT_EQ(Story_Top(Box, 1), first - 11);
}

TEST_F(AboutBox, LinksLightUpAndOnlyTheSurroundingPanelPutsThemBack) {
  HWND mail = Control(Box, IDC_ABOUT_MAIL_TO), home = Control(Box, IDC_ABOUT_HOME_PAGE);
  SendMessageW(mail, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(Look_Of(mail).Text, RGB(0, 0, 255));
  EXPECT_TRUE(Font_Of(mail).lfUnderline);
  EXPECT_EQ(Look_Of(home).Text, RGB(0, 0, 128));
  SendMessageW(home, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(Font_Of(home).lfUnderline);

  // Over the button or the scrolling window the highlight stays.
  SendMessageW(GetDlgItem(Box, IDOK), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  SendMessageW(Control(Box, IDC_ABOUT_PANEL), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(Look_Of(mail).Text, RGB(0, 0, 255));
  EXPECT_TRUE(Font_Of(home).lfUnderline);

  SendMessageW(Panel, WM_MOUSEMOVE, 0, MAKELPARAM(200, 200));
  EXPECT_EQ(Look_Of(mail).Text, RGB(0, 0, 128));
  EXPECT_EQ(Look_Of(home).Text, RGB(0, 0, 128));
  EXPECT_FALSE(Font_Of(mail).lfUnderline);
  EXPECT_FALSE(Font_Of(home).lfUnderline);
}

TEST_F(AboutBox, ClickingALinkOpensItsTarget) {
  Opened.clear();
  Object->Set_Link_Opener(Record_Link);
  for (int id : {IDC_ABOUT_MAIL_TO, IDC_ABOUT_HOME_PAGE}) {
    HWND link = Control(Box, id);
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  }
  // A click on a plain label opens nothing.
  SendMessageW(Control(Box, IDC_ABOUT_LABEL2), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  Object->Set_Link_Opener(nullptr);
  ASSERT_EQ(Opened.size(), 2u);
  EXPECT_EQ(Opened[0], L"mailto:" + Wide(About_Mail_Address));
  EXPECT_EQ(Opened[1], Wide(About_Home_Page));
}

TEST_F(AboutBox, PictureIsTheDecodedResourceStretchedTo100) {
  HWND icon = Control(Box, IDC_ABOUT_PROGRAM_ICON);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 100, 100);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(icon, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  const COLORREF corner = GetPixel(dc, 1, 1);
  const COLORREF page = GetPixel(dc, 78, 30);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  // The picture's blue tile at the corner (#7fb2e5 at the top), white page inside.
  EXPECT_NEAR(GetRValue(corner), 0x7F, 16);
  EXPECT_NEAR(GetGValue(corner), 0xB2, 16);
  EXPECT_NEAR(GetBValue(corner), 0xE5, 16);
  EXPECT_GT(GetRValue(page) + GetGValue(page) + GetBValue(page), 3 * 220);
}

// --- modal opening: a thread timer plays the user while the box's loop runs

namespace {

struct Script {
  HWND Box = nullptr, Owner = nullptr;
  int Step = 0;
  bool Visible_At_Start = false, Owner_Disabled = false, Still_Open_After_Esc = false;
  RECT Box_Rect{};
  int Top_At_Start = 0, Top_Later = 0;
  int Extra_Ticks = 0;             // pushed through at the first step
  std::vector<UINT> Closing_Keys;  // none: close from the title bar
};
Script Play;

void Press(HWND target, UINT key) {
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

void CALLBACK Script_Step(HWND, UINT, UINT_PTR, DWORD) {
  HWND focus = GetFocus() ? GetFocus() : GetDlgItem(Play.Box, IDOK);
  switch (Play.Step++) {
    case 0:
      Play.Visible_At_Start = IsWindowVisible(Play.Box);
      Play.Owner_Disabled = !IsWindowEnabled(Play.Owner);
      GetWindowRect(Play.Box, &Play.Box_Rect);
      Play.Top_At_Start = Story_Top(Play.Box, 1);
      for (int i = 0; i < Play.Extra_Ticks; ++i) Tick(Play.Box);
      Press(focus, VK_ESCAPE);
      break;
    case 1:
      Play.Top_Later = Story_Top(Play.Box, 1);
      Play.Still_Open_After_Esc = IsWindowVisible(Play.Box);
      if (Play.Closing_Keys.empty()) PostMessageW(Play.Box, WM_CLOSE, 0, 0);
      for (UINT key : Play.Closing_Keys) Press(focus, key);
      break;
    default:
      // The box did not close: end the loop so that the test can report it.
      PostMessageW(Play.Box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
}

void Open_Modally(About_Box& about, HWND box, HWND owner, std::vector<UINT> closing_keys,
                  int extra_ticks = 0) {
  Play = Script{};
  Play.Box = box;
  Play.Owner = owner;
  Play.Closing_Keys = std::move(closing_keys);
  Play.Extra_Ticks = extra_ticks;
  const UINT_PTR timer = SetTimer(nullptr, 0, 400, Script_Step);
  about.Show();
  KillTimer(nullptr, timer);
}

// Near the start of the story: parked below the window or a few ticks up.
bool Fresh(int top) { return top == 591 || (top <= 89 && top > 60); }

}  // namespace

TEST_F(AboutBox, OpensModallyCentredEscDoesNothingEnterCloses) {
  Open_Modally(*Object, Box, Owner, {VK_RETURN});
  EXPECT_TRUE(Play.Visible_At_Start);
  EXPECT_TRUE(Play.Owner_Disabled);
  EXPECT_TRUE(Play.Still_Open_After_Esc);
  EXPECT_EQ(Play.Step, 2) << "Enter did not close the box";
  EXPECT_FALSE(IsWindowVisible(Box));
  EXPECT_TRUE(IsWindowEnabled(Owner));
  // The timer scrolls the story by itself while the box is open.
  EXPECT_TRUE(Fresh(Play.Top_At_Start)) << Play.Top_At_Start;
  EXPECT_LT(Play.Top_Later, std::min(Play.Top_At_Start, 90));

  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromWindow(Owner, MONITOR_DEFAULTTOPRIMARY), &info);
  const RECT& area = info.rcWork;
  const RECT& r = Play.Box_Rect;
  EXPECT_LE(std::abs((r.left + r.right) - (area.left + area.right)), 2);
  EXPECT_LE(std::abs((r.top + r.bottom) - (area.top + area.bottom)), 2);
}

TEST_F(AboutBox, CloseButtonClosesAndTheNextOpeningStartsTheStoryAgain) {
  Open_Modally(*Object, Box, Owner, {}, 200);
  EXPECT_EQ(Play.Step, 2) << "closing from the title bar did not end the box";
  EXPECT_LT(Play.Top_Later, 90 - 200);
  EXPECT_TRUE(IsWindow(Box));
  EXPECT_FALSE(IsWindowVisible(Box));
  Open_Modally(*Object, Box, Owner, {VK_RETURN});
  EXPECT_TRUE(Fresh(Play.Top_At_Start)) << Play.Top_At_Start;
  EXPECT_EQ(Play.Step, 2);
}
