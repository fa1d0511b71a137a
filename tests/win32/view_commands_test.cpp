// The view commands in the real main window against Wine's RichEdit: font
// steps and the modified flag, word wrap with its scroll bar and check mark,
// and the time and date from the system's formats.
#include <gtest/gtest.h>
#include <richedit.h>

#include <cstdint>
#include <string>

#include "common/command_ids.h"
#include "app/win32/main_window.h"
#include "test_main_window.h"
#include "documents/view_font.h"
#include "documents/view_time_date.h"
#include "documents/win32/view_commands.h"

namespace {

HWND Edit() { return Probe().Edit().Handle(); }
void Command(int id) { SendMessageW(Probe().Handle(), WM_COMMAND, id, 0); }

void Load(const std::string& text, int32_t start, int32_t end) {
  Probe().Edit().Set_Text(text);
  Probe().Edit().Set_Selection(start, end);
  Probe().Edit().Set_Modified(false);
}

// Size in points of the characters at `offset`.
int Size_At(int32_t offset) {
  const Selection keep = Probe().Edit().Get_Selection();
  Probe().Edit().Set_Selection(offset, offset + 1);
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask = CFM_SIZE;
  SendMessageW(Edit(), EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
  Probe().Edit().Set_Selection(keep.Start, keep.End);
  return format.yHeight / 20;
}

SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour, WORD minute) {
  SYSTEMTIME t{};
  t.wYear = year;
  t.wMonth = month;
  t.wDay = day;
  t.wHour = hour;
  t.wMinute = minute;
  t.wSecond = 33;
  return t;
}

class ViewCommands : public Main_Window_Test {};

}  // namespace

TEST_F(ViewCommands, FontStepsChangeTheTextSizeAndLeaveTheFlagAlone) {
  Probe().Look().Font.Size = 12;
  Window().Apply_Text_Font();
  Load("Привет, мир\rвторая строка", 3, 8);
  Command(IDM_Font_Larger);
  EXPECT_EQ(Probe().Look().Font.Size, 13);
  EXPECT_EQ(Size_At(0), 13);
  EXPECT_EQ(Size_At(15), 13);
  EXPECT_FALSE(Probe().Edit().Modified());
  const Selection sel = Probe().Edit().Get_Selection();
  EXPECT_EQ(sel.Start, 3);
  EXPECT_EQ(sel.End, 3);

  Probe().Edit().Set_Modified(true);
  Command(IDM_Font_Smaller);
  EXPECT_EQ(Probe().Look().Font.Size, 12);
  EXPECT_EQ(Size_At(0), 12);
  EXPECT_TRUE(Probe().Edit().Modified());
}

TEST_F(ViewCommands, SizeStepsStopAtTheSmallestAndLargestShownSizes) {
  Probe().Look().Font.Size = 3;
  Window().Apply_Text_Font();
  Load("abc", 0, 0);
  for (int i = 0; i < 5; ++i) Command(IDM_Font_Smaller);
  EXPECT_EQ(Probe().Look().Font.Size, 1);
  EXPECT_EQ(Size_At(0), 1);
  Command(IDM_Font_Larger);
  EXPECT_EQ(Probe().Look().Font.Size, 2);
  EXPECT_EQ(Size_At(0), 2);
  Probe().Look().Font.Size = INT32_MAX;
  Command(IDM_Font_Larger);
  EXPECT_EQ(Probe().Look().Font.Size, kLargestShownSize);
  EXPECT_EQ(Size_At(0), kLargestShownSize);
  EXPECT_FALSE(Probe().Edit().Modified());
}

TEST_F(ViewCommands, TypedTextAfterAStepGetsTheNewSize) {
  Probe().Look().Font.Size = 12;
  Window().Apply_Text_Font();
  Load("abc", 3, 3);
  Command(IDM_Font_Larger);
  Probe().Edit().Replace_Selection("def");
  EXPECT_EQ(Size_At(4), 13);
  Command(IDM_Font_Smaller);
}

TEST_F(ViewCommands, WordWrapFlipsCheckMarkAndHorizontalBar) {
  const bool start = Probe().Look().Word_Wrap;
  if (!start) Command(IDM_Word_Wrap);
  ASSERT_TRUE(Probe().Look().Word_Wrap);
  Load(std::string(600, 'x') + "\rshort", 603, 603);
  auto horizontal = [] { return (GetWindowLongW(Edit(), GWL_STYLE) & WS_HSCROLL) != 0; };
  auto checked = [] { return (GetMenuState(Probe().Menu(), IDM_Word_Wrap, MF_BYCOMMAND) & MF_CHECKED) != 0; };
  EXPECT_FALSE(horizontal());

  Command(IDM_Word_Wrap);
  EXPECT_FALSE(Probe().Look().Word_Wrap);
  EXPECT_FALSE(checked());
  EXPECT_TRUE(horizontal());
  EXPECT_EQ(Probe().Edit().Line_Count(), 2);
  EXPECT_EQ(Probe().Edit().Get_Selection().Start, 603);

  Command(IDM_Word_Wrap);
  EXPECT_TRUE(Probe().Look().Word_Wrap);
  EXPECT_TRUE(checked());
  EXPECT_FALSE(horizontal());
  EXPECT_GT(Probe().Edit().Line_Count(), 2);
  EXPECT_EQ(Probe().Edit().Get_Selection().Start, 603);
  EXPECT_FALSE(Probe().Edit().Modified());
  if (!start) Command(IDM_Word_Wrap);
}

// The clock writes the time in the formats given, or without them in the
// user's formats of the Russian locale: under Wine HH:mm:ss and dd.MM.yyyy,
// so the hour already has two digits and the year four. The native tests
// check what the command makes of the given formats' texts.
TEST(ViewClock, ClockWritesTheFixedTimeInTheGivenOrTheUsersFormats) {
  Win32_Clock_Text morning(At(2026, 12, 7, 9, 5), L"H:mm:ss", L"dd.MM.yy");
  Win32_Clock_Text later(At(2026, 12, 7, 10, 5), L"H:mm:ss", L"dd.MM.yy");
  Win32_Clock_Text long_year(At(2026, 12, 7, 9, 5), L"H:mm:ss", L"dd.MM.yyyy");
  Win32_Clock_Text user(At(2026, 12, 7, 9, 5), nullptr, nullptr);
  EXPECT_EQ(morning.Long_Time(), "9:05:33");
  EXPECT_EQ(morning.Short_Date(), "07.12.26");
  EXPECT_EQ(later.Long_Time(), "10:05:33");
  EXPECT_EQ(long_year.Short_Date(), "07.12.2026");
  EXPECT_EQ(user.Long_Time(), "09:05:33");
  EXPECT_EQ(user.Short_Date(), "07.12.2026");
  EXPECT_EQ(Time_Date_Text(user.Long_Time(), user.Short_Date()), "09:05 07.12.2026");
}

TEST_F(ViewCommands, TimeDateReplacesTheSelectionAndMarksModified) {
  Load("[old]", 1, 4);
  Win32_Clock_Text clock;
  const std::string before = Time_Date_Text(clock.Long_Time(), clock.Short_Date());
  Command(IDM_Time_Date);
  const std::string after = Time_Date_Text(clock.Long_Time(), clock.Short_Date());
  const std::string text = Probe().Edit().Text();
  ASSERT_GE(text.size(), 2u + 14u);
  EXPECT_EQ(text.front(), '[');
  EXPECT_EQ(text.back(), ']');
  EXPECT_EQ(text.find("old"), std::string::npos);
  const std::string inserted = text.substr(1, text.size() - 2);
  EXPECT_TRUE(inserted == before || inserted == after) << inserted;
  EXPECT_TRUE(Probe().Edit().Modified());
}
