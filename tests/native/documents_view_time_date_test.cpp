#include <gtest/gtest.h>

#include "documents/view_time_date.h"
#include "fakes/fake_platform.h"
#include "fakes/view_fakes.h"

// Hours and minutes, then the date: seconds and the day's period go, a
// one-digit hour takes a leading zero beside a two-digit year only, and a
// time without a colon keeps its first two characters.
TEST(DocumentsViewTimeDate, TheTextIsHoursMinutesAndTheDate) {
  const char* const cases[][3] = {
      {"9:05:33", "07.12.26", "09:05 07.12.26"},      {"10:05:33", "07.12.26", "10:05 07.12.26"},
      {"14:05:00", "07.12.26", "14:05 07.12.26"},     {"9:05:33", "07.12.2026", "9:05 07.12.2026"},
      {"14:05:33", "07.12.2026", "14:05 07.12.2026"}, {"09:05:33", "07.12.26", "09:05 07.12.26"},
      {"9:05:33 PM", "12/7/2026", "9:05 12/7/2026"},  {"0905", "07.12.26", "009 07.12.26"},
      {"9:5", "07.12.2026", "9:5 07.12.2026"},  // shorter than the cut: what there is
  };
  for (const auto& c : cases) EXPECT_EQ(Time_Date_Text(c[0], c[1]), c[2]) << c[0] << " " << c[1];
}

// It goes in at the caret or over the selection; the document is modified.
TEST(DocumentsViewTimeDate, InsertsAtTheCaretOrOverTheSelection) {
  Fake_Edit edit;
  edit.text = "ab";
  edit.sel = {1, 1};
  Fixed_Clock morning("9:05:33", "07.12.26"), afternoon("14:05:33", "07.12.26");
  Insert_Time_Date(edit, morning);
  EXPECT_EQ(edit.text, "a09:05 07.12.26b");
  EXPECT_TRUE(edit.modified);
  EXPECT_EQ(edit.sel.Start, 15);
  EXPECT_EQ(edit.sel.End, 15);
  edit.text = "x old y";
  edit.sel = {2, 5};
  Insert_Time_Date(edit, afternoon);
  EXPECT_EQ(edit.text, "x 14:05 07.12.26 y");
}
