#include <gtest/gtest.h>

#include <cstdint>

#include "documents/view_font.h"
#include "fakes/fake_platform.h"
#include "fakes/view_fakes.h"

namespace {

struct DocumentsViewFontTest : ::testing::Test {
  Fake_Edit edit;
  Fake_View view;
  Text_Font_Spec font;
  void SetUp() override {
    edit.text = "hello world";
    edit.sel = {2, 7};
    view.text_size = font.Size;
  }
};

int refreshes = 0;
void Count_Refresh() { ++refreshes; }

}  // namespace

TEST_F(DocumentsViewFontTest, SizeStepsLeaveTheModifiedFlagAsItWas) {
  Step_Font_Size(edit, view, font, +1);
  EXPECT_FALSE(edit.modified);
  edit.modified = true;
  Step_Font_Size(edit, view, font, -1);
  EXPECT_TRUE(edit.modified);
}

TEST_F(DocumentsViewFontTest, SizeStepMovesFontAndTextByOnePointAndCollapsesTheSelection) {
  Step_Font_Size(edit, view, font, +1);
  EXPECT_EQ(font.Size, 13);
  EXPECT_EQ(view.text_size, 13);
  EXPECT_EQ(view.default_font.Size, 13);
  EXPECT_EQ(edit.sel.Start, 2);
  EXPECT_EQ(edit.sel.End, 2);
}

TEST_F(DocumentsViewFontTest, SizeStopsWhereTheShownSizeStopsAndTurnsBackAtOnce) {
  for (int i = 0; i < 14; ++i) Step_Font_Size(edit, view, font, -1);
  EXPECT_EQ(font.Size, kSmallestShownSize);
  EXPECT_EQ(view.text_size, kSmallestShownSize);
  EXPECT_EQ(view.default_font.Size, kSmallestShownSize);
  Step_Font_Size(edit, view, font, +1);
  EXPECT_EQ(font.Size, 2);
  EXPECT_EQ(view.text_size, 2);
  // Sizes from the settings file may lie anywhere; the first step counts from what is shown.
  font.Size = -40;
  Step_Font_Size(edit, view, font, +1);
  EXPECT_EQ(font.Size, 2);
  font.Size = INT32_MAX;
  Step_Font_Size(edit, view, font, +1);
  EXPECT_EQ(font.Size, kLargestShownSize);
  EXPECT_EQ(view.text_size, kLargestShownSize);
  Step_Font_Size(edit, view, font, -1);
  EXPECT_EQ(view.default_font.Size, kLargestShownSize - 1);
}

TEST_F(DocumentsViewFontTest, CancelledFontDialogChangesNothing) {
  Fake_Font_Chooser chooser;
  const Text_Font_Spec before = font;
  EXPECT_FALSE(Choose_Text_Font(edit, view, font, chooser));
  ASSERT_EQ(chooser.shown.size(), 1u);
  EXPECT_EQ(chooser.shown[0].Name, before.Name);
  EXPECT_EQ(font.Name, before.Name);
  EXPECT_EQ(font.Size, before.Size);
  EXPECT_EQ(view.selection_changes + view.default_changes, 0);
  EXPECT_EQ(edit.sel.Start, 2);
  EXPECT_EQ(edit.sel.End, 7);
}

TEST_F(DocumentsViewFontTest, ChosenFontGoesToTheFontTheTextAndNewText) {
  Fake_Font_Chooser chooser;
  Text_Font_Spec chosen;
  chosen.Name = "Arial";
  chosen.Size = 16;
  chosen.Style = kBold | kItalic;
  chosen.Charset = 0;
  chosen.Color = 0x0000FF;
  chooser.answer = chosen;
  ASSERT_TRUE(Choose_Text_Font(edit, view, font, chooser));
  EXPECT_EQ(font.Name, "Arial");
  EXPECT_EQ(font.Size, 16);
  EXPECT_EQ(font.Style, kBold | kItalic);
  EXPECT_EQ(font.Charset, 0);
  EXPECT_EQ(font.Color, 0x0000FF);
  EXPECT_EQ(view.text_font.Name, "Arial");
  EXPECT_EQ(view.text_size, 16);
  EXPECT_EQ(view.default_font.Name, "Arial");
  EXPECT_FALSE(edit.modified);
  EXPECT_EQ(edit.sel.Start, 2);
  EXPECT_EQ(edit.sel.End, 2);
}

TEST_F(DocumentsViewFontTest, ChosenFontLeavesAModifiedDocumentModified) {
  Fake_Font_Chooser chooser;
  chooser.answer = font;
  edit.modified = true;
  ASSERT_TRUE(Choose_Text_Font(edit, view, font, chooser));
  EXPECT_TRUE(edit.modified);
}

TEST_F(DocumentsViewFontTest, WordWrapFlipsFlagAndWrappingRefreshesAndKeepsTheCaret) {
  bool wrap = true;
  refreshes = 0;
  Toggle_Word_Wrap(edit, view, wrap, Count_Refresh);
  EXPECT_FALSE(wrap);
  EXPECT_FALSE(view.wrap);
  EXPECT_EQ(refreshes, 1);
  EXPECT_EQ(edit.sel.Start, 2);
  EXPECT_EQ(edit.sel.End, 2);
  Toggle_Word_Wrap(edit, view, wrap, Count_Refresh);
  EXPECT_TRUE(wrap);
  EXPECT_TRUE(view.wrap);
  EXPECT_FALSE(edit.modified);
}
