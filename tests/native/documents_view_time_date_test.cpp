#include <gtest/gtest.h>

#include "documents/view_time_date.h"
#include "fakes/fake_platform.h"
#include "fakes/view_fakes.h"

TEST(DocumentsViewTimeDate, OneDigitHourGetsALeadingZeroWithATwoDigitYear) {
  EXPECT_EQ(Time_Date_Text("9:05:33", "07.12.26"), "09:05 07.12.26");
  EXPECT_EQ(Time_Date_Text("10:05:33", "07.12.26"), "10:05 07.12.26");
  EXPECT_EQ(Time_Date_Text("14:05:00", "07.12.26"), "14:05 07.12.26");
}

TEST(DocumentsViewTimeDate, FourDigitYearIsLongEnoughWithoutAZero) {
  EXPECT_EQ(Time_Date_Text("9:05:33", "07.12.2026"), "9:05 07.12.2026");
  EXPECT_EQ(Time_Date_Text("14:05:33", "07.12.2026"), "14:05 07.12.2026");
}

TEST(DocumentsViewTimeDate, SecondsAndDayPeriodAreDropped) {
  EXPECT_EQ(Time_Date_Text("09:05:33", "07.12.26"), "09:05 07.12.26");
  EXPECT_EQ(Time_Date_Text("9:05:33 PM", "12/7/2026"), "9:05 12/7/2026");
}

TEST(DocumentsViewTimeDate, TimeWithoutColonKeepsItsFirstTwoCharacters) {
  EXPECT_EQ(Time_Date_Text("0905", "07.12.26"), "009 07.12.26");
  // A time shorter than the cut gives what there is.
  EXPECT_EQ(Time_Date_Text("9:5", "07.12.2026"), "9:5 07.12.2026");
}

TEST(DocumentsViewTimeDate, InsertsAtTheCaretAndMarksTheDocumentModified) {
  Fake_Edit edit;
  edit.text = "ab";
  edit.sel = {1, 1};
  Fixed_Clock clock("9:05:33", "07.12.26");
  Insert_Time_Date(edit, clock);
  EXPECT_EQ(edit.text, "a09:05 07.12.26b");
  EXPECT_TRUE(edit.modified);
  EXPECT_EQ(edit.sel.Start, 15);
  EXPECT_EQ(edit.sel.End, 15);
}

TEST(DocumentsViewTimeDate, ReplacesTheSelection) {
  Fake_Edit edit;
  edit.text = "x old y";
  edit.sel = {2, 5};
  Fixed_Clock clock("14:05:33", "07.12.26");
  Insert_Time_Date(edit, clock);
  EXPECT_EQ(edit.text, "x 14:05 07.12.26 y");
}
