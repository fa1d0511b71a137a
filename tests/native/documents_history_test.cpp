// The recent-files list as the document commands move it, and how it
// survives a restart through the settings file.
#include <gtest/gtest.h>

#include "common/settings_file.h"
#include "app/startup_settings.h"
#include "fakes/documents_fakes.h"

namespace {

std::string Path(int n) { return "C:\\Docs\\f" + std::to_string(n) + ".txt"; }

// Opens each path through the open dialog.
void Open_All(Document_Fixture& f, std::initializer_list<int> numbers) {
  for (int n : numbers) {
    f.disk.files[Path(n)] = "file " + std::to_string(n);
    f.dialogs.answers = {Path(n)};
    Open_Document(f.s);
  }
}

TEST(DocumentsHistoryOrder, OpeningAListedFileLeavesItWhereItIs) {
  Document_Fixture f;
  Open_All(f, {1, 2, 3, 4, 5});
  ASSERT_EQ(f.history.Files.Names[4], Path(1));
  Open_All(f, {1});
  EXPECT_EQ(f.history.Files.Names[0], Path(5));
  EXPECT_EQ(f.history.Files.Names[4], Path(1));
  EXPECT_EQ(f.history.Items[4].Caption, "5. " + Path(1));
  // Saving a listed file moves nothing either.
  f.edit.modified = true;
  Save_Command(f.s);
  EXPECT_EQ(f.history.Files.Names[4], Path(1));
}

TEST(DocumentsHistoryOrder, ANinthFilePushesOutTheEighthAndCaptionsRenumber) {
  Document_Fixture f;
  Open_All(f, {1, 2, 3, 4, 5, 6, 7, 8});
  EXPECT_EQ(f.history.Files.Names[7], Path(1));
  Open_All(f, {9});
  for (int i = 0; i < kHistorySize; ++i) {
    EXPECT_EQ(f.history.Files.Names[i], Path(9 - i));
    EXPECT_EQ(f.history.Items[i].Caption, std::to_string(i + 1) + ". " + Path(9 - i));
    EXPECT_TRUE(f.history.Items[i].Visible && f.history.Items[i].Enabled);
  }
}

TEST(DocumentsHistoryOrder, SavingAnUntitledDocumentPutsItFirstAndCaseMatters) {
  Document_Fixture f;
  Open_All(f, {1});
  f.Modified_Document("Лировушка.txt");
  f.dialogs.answers = {std::string("C:\\DOCS\\F1.TXT")};
  Save_Command(f.s);
  EXPECT_EQ(f.history.Files.Names[0], "C:\\DOCS\\F1.TXT");
  EXPECT_EQ(f.history.Files.Names[1], Path(1));
}

TEST(DocumentsHistoryCaption, SeventyCharactersShowWholeAndSeventyOneShorten) {
  const std::string seventy = "C:\\" + std::string(63, 'a') + ".txt";
  ASSERT_EQ(seventy.size(), 70u);
  EXPECT_EQ(History_Caption("1. ", seventy), "1. " + seventy);
  std::string longer = "C:\\0123456789abcdefghij" + std::string(44, 'x') + ".txt";
  ASSERT_EQ(longer.size(), 71u);
  EXPECT_EQ(History_Caption("2. ", longer), "2. " + longer.substr(0, 17) + "..." + longer.substr(21));
  // Letters, not bytes: a Cyrillic path of 70 letters is shown whole.
  std::string cyrillic = "C:\\";
  for (int i = 0; i < 67; ++i) cyrillic += "ж";
  EXPECT_EQ(History_Caption("3. ", cyrillic), "3. " + cyrillic);
}

TEST(DocumentsHistoryCaret, TheCaretComesBackAfterAnotherFileAndARestart) {
  Document_Fixture f;
  Open_All(f, {1});
  f.edit.sel = {4, 4};
  Open_All(f, {2});
  f.edit.sel = {1, 1};
  Open_From_History(f.s, Path(1));
  EXPECT_EQ(f.edit.sel.Start, 4);

  // Close writes the list; the next start reads it back.
  f.edit.sel = {3, 3};
  Remember_Caret(f.s);
  Memory_Profile profile;
  Settings_File file(profile);
  Close_State state;
  state.Files = f.history.Files;
  Write_Close_Settings(file, state);
  const Creation_Settings read = Read_Creation_Settings(file, {}, "C:\\Prog\\Lirovant.exe");

  Document_Fixture next;
  next.history.Files = read.Files;
  next.history.Fill();
  next.disk = f.disk;
  Open_From_History(next.s, Path(2));
  EXPECT_EQ(next.edit.sel.Start, 1);
  Open_From_History(next.s, Path(1));
  EXPECT_EQ(next.edit.sel.Start, 3);
}

TEST(DocumentsHistoryCaret, PositionsAreKeptWithCaretMemoryOffAndNewRecordsNothing) {
  Document_Fixture f;
  f.caret_memory = false;
  Open_All(f, {1});
  f.edit.sel = {5, 5};
  Open_All(f, {2});
  EXPECT_EQ(f.history.Files.Positions[1], "5");
  f.edit.sel = {2, 2};
  New_Document(f.s);
  EXPECT_EQ(f.history.Files.Positions[0], "0");
}

TEST(DocumentsHistoryClear, ClearingLeavesTheEmptyCaptionAndWritesEightEmptyEntries) {
  Document_Fixture f;
  Open_All(f, {1, 2, 3});
  f.history.Clear();
  EXPECT_EQ(f.history.Items[0].Caption, kEmptyHistoryCaption);
  EXPECT_TRUE(f.history.Items[0].Visible);
  EXPECT_FALSE(f.history.Items[0].Enabled);
  for (int i = 1; i < kHistorySize; ++i) EXPECT_FALSE(f.history.Items[i].Visible);

  Memory_Profile profile;
  Settings_File file(profile);
  Close_State state;
  state.Files = f.history.Files;
  Write_Close_Settings(file, state);
  for (int n = 1; n <= kHistorySize; ++n) {
    EXPECT_EQ(profile.values.at("File_Store/FileName" + std::to_string(n)), "");
    EXPECT_EQ(profile.values.at("Poziciya_Store/Poziciya_Kursora_" + std::to_string(n)), "0");
  }
  // The document still open gets no entry until it is opened or saved again.
  EXPECT_EQ(f.history.Files.Names[0], "");
}

}  // namespace
