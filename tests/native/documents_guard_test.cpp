// The unsaved-changes guard, one column at a time.
#include <gtest/gtest.h>

#include "fakes/documents_fakes.h"

namespace {

struct Column_Rules {
  Guard_Column column;
  const char* name;
  bool named_save_clears_modified;
  bool dialog_proposes_untitled;  // otherwise the dialog keeps its last file name
  bool dialog_save_renames;       // the document takes the saved name
};

void PrintTo(const Column_Rules& rules, std::ostream* os) { *os << rules.name; }

const Column_Rules kColumns[] = {
    {Guard_Column::History_Load, "HistoryLoad", true, false, true},
    {Guard_Column::Open, "Open", true, false, true},
    {Guard_Column::New, "New", false, true, false},
    {Guard_Column::Close, "Close", false, true, false},
};

class DocumentsGuard : public ::testing::TestWithParam<Column_Rules> {
 protected:
  Document_Fixture f;
  Guard_Result Run() { return Save_Changes_Guard(f.s, GetParam().column); }
};

TEST_P(DocumentsGuard, AnUnmodifiedDocumentIsNotAskedAbout) {
  f.doc.Name = "C:\\Docs\\a.txt";
  f.window.Show_Document();
  EXPECT_EQ(Run(), Guard_Result::Go_On);
  EXPECT_TRUE(f.prompts.asked.empty());
  EXPECT_TRUE(f.disk.written.empty());
}

TEST_P(DocumentsGuard, CancelStopsAndNoSavesNothing) {
  f.Modified_Document("C:\\Docs\\a.txt");
  f.prompts.answers = {Answer::Cancel};
  EXPECT_EQ(Run(), Guard_Result::Stop);
  ASSERT_EQ(f.prompts.asked, std::vector<std::string>{kSaveChangesQuestion});
  f.prompts.answers = {Answer::No};
  EXPECT_EQ(Run(), Guard_Result::Go_On);
  EXPECT_TRUE(f.disk.written.empty());
  EXPECT_TRUE(f.edit.modified);
  EXPECT_EQ(f.current_path, "C:\\Docs\\start.txt");
  EXPECT_EQ(f.history.Files.Names[0], "");
}

TEST_P(DocumentsGuard, YesSavesANamedDocumentWithoutADialog) {
  const Column_Rules& rules = GetParam();
  f.Modified_Document("C:\\Docs\\a.txt", "one\rtwo");
  f.save_dialog.File_Name = "C:\\Elsewhere\\last.txt";
  f.edit.sel = {3, 3};
  f.prompts.answers = {Answer::Yes};
  EXPECT_EQ(Run(), Guard_Result::Go_On);
  EXPECT_TRUE(f.dialogs.shown.empty());
  EXPECT_EQ(f.disk.files["C:\\Docs\\a.txt"], "one\r\ntwo");
  EXPECT_EQ(f.edit.modified, !rules.named_save_clears_modified);
  EXPECT_EQ(f.current_path, "C:\\Docs\\a.txt");
  EXPECT_EQ(f.history.Files.Names[0], "C:\\Docs\\a.txt");
  EXPECT_EQ(f.history.Files.Positions[0], "3");
  EXPECT_EQ(f.window.caption, "C:\\Docs\\a.txt");
}

TEST_P(DocumentsGuard, YesOnAnUntitledDocumentSavesThroughTheDialog) {
  const Column_Rules& rules = GetParam();
  f.Modified_Document("Лировушка.txt", "text");
  f.save_dialog.File_Name = "C:\\Elsewhere\\last.txt";
  f.prompts.answers = {Answer::Yes};
  f.dialogs.answers = {std::string("C:\\New\\saved.txt")};
  EXPECT_EQ(Run(), Guard_Result::Go_On);
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_TRUE(f.dialogs.shown[0].save);
  EXPECT_EQ(f.dialogs.shown[0].folder, "C:\\Docs\\start.txt");
  EXPECT_EQ(f.dialogs.shown[0].file_name,
            rules.dialog_proposes_untitled ? "Лировушка.txt" : "C:\\Elsewhere\\last.txt");
  EXPECT_EQ(f.disk.files["C:\\New\\saved.txt"], "text");
  EXPECT_EQ(f.current_path, "C:\\New\\saved.txt");
  EXPECT_EQ(f.history.Files.Names[0], "C:\\New\\saved.txt");
  EXPECT_EQ(f.window.caption, rules.dialog_save_renames ? "C:\\New\\saved.txt" : "Лировушка.txt");
  EXPECT_EQ(f.edit.modified, !rules.dialog_save_renames);
  EXPECT_EQ(f.window.title, "Лировушка.txt");
  EXPECT_EQ(f.save_dialog.File_Name, "C:\\New\\saved.txt");
}

// Yes, then no file name: the changes are kept and the command stops.
TEST_P(DocumentsGuard, ACancelledSaveDialogStopsTheCommandAndKeepsTheText) {
  f.Modified_Document("Лировушка.txt", "text");
  f.prompts.answers = {Answer::Yes};
  EXPECT_EQ(Run(), Guard_Result::Stop);
  EXPECT_TRUE(f.edit.modified);
  EXPECT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_TRUE(f.disk.written.empty());
  EXPECT_EQ(f.current_path, "C:\\Docs\\start.txt");
  EXPECT_EQ(f.edit.text, "text");
}

TEST_P(DocumentsGuard, AFailedSaveStopsTheCommandAndChangesNothing) {
  f.Modified_Document("C:\\Docs\\locked.txt", "new");
  f.disk.files["C:\\Docs\\locked.txt"] = "old";
  f.disk.read_only = {"C:\\Docs\\locked.txt", "C:\\New\\locked.txt"};
  f.prompts.answers = {Answer::Yes, Answer::Yes};
  EXPECT_EQ(Run(), Guard_Result::Stop);
  f.doc.Name = "Лировушка.txt";
  f.window.Show_Document();
  f.dialogs.answers = {std::string("C:\\New\\locked.txt")};
  EXPECT_EQ(Run(), Guard_Result::Stop);
  EXPECT_EQ(f.prompts.file_errors, (std::vector<std::string>{"Cannot create file C:\\Docs\\locked.txt",
                                                             "Cannot create file C:\\New\\locked.txt"}));
  EXPECT_EQ(f.disk.files["C:\\Docs\\locked.txt"], "old");
  EXPECT_TRUE(f.edit.modified);
  EXPECT_EQ(f.window.caption, "Лировушка.txt");
  EXPECT_EQ(f.current_path, "C:\\Docs\\start.txt");
  EXPECT_EQ(f.history.Files.Names[0], "");
}

INSTANTIATE_TEST_SUITE_P(Columns, DocumentsGuard, ::testing::ValuesIn(kColumns),
                         [](const auto& info) { return std::string(info.param.name); });

// What each command does after the guard let it go on.
TEST(DocumentsGuardFollowUp, YesThenACancelledDialogKeepsTheDraftEverywhere) {
  Document_Fixture f;
  f.disk.files["C:\\Docs\\b.txt"] = "bee";
  f.Modified_Document("Лировушка.txt", "draft");
  f.prompts.answers = {Answer::Yes};
  EXPECT_FALSE(May_Close(f.s));
  EXPECT_EQ(f.edit.text, "draft");

  f.prompts.answers = {Answer::Yes};
  f.dialogs.answers = {std::nullopt, std::string("C:\\Docs\\b.txt")};
  Open_Document(f.s);
  ASSERT_EQ(f.dialogs.shown.size(), 2u);  // no open dialog follows
  EXPECT_EQ(f.edit.text, "draft");

  f.prompts.answers = {Answer::Yes};
  f.dialogs.answers = {std::nullopt};
  New_Document(f.s);
  EXPECT_EQ(f.edit.text, "draft");
  EXPECT_TRUE(f.edit.modified);
}

TEST(DocumentsGuardFollowUp, ClosingAsksOnlyWhenModifiedAndCancelKeepsTheWindow) {
  Document_Fixture f;
  EXPECT_TRUE(May_Close(f.s));
  f.Modified_Document("C:\\Docs\\a.txt");
  f.prompts.answers = {Answer::Cancel};
  EXPECT_FALSE(May_Close(f.s));
  f.prompts.answers = {Answer::No};
  EXPECT_TRUE(May_Close(f.s));
  f.prompts.answers = {Answer::Yes};
  EXPECT_TRUE(May_Close(f.s));
  EXPECT_EQ(f.disk.files["C:\\Docs\\a.txt"], "changed");
}

}  // namespace
