// A long text in the real main window: the first screen is in at once, the
// rest comes in between messages, and once it is in everything stands as
// after a text put in in one step. Commands, keys and saves wait for it.
#include <windows.h>

#include <gtest/gtest.h>
#include <richedit.h>

#include <string>

#include "app/win32/main_window.h"
#include "common/command_ids.h"
#include "common/control_text.h"
#include "common/win1251_unicode.h"
#include "documents/win32/document_host.h"
#include "platform/intake_pieces.h"
#include "platform/win32/file_writer_win32.h"
#include "platform/win32/platform_win32.h"
#include "box_answerer.h"
#include "test_main_window.h"

namespace {

// Numbered lines of Russian words, CR LF line ends, about `size` bytes.
std::string Long_File(size_t size) {
  std::string out;
  for (int line = 0; out.size() < size; ++line)
    out += std::to_string(line) + " \xF1\xEB\xEE\xE2\xEE \xF2\xE5\xEA\xF1\xF2 words\r\n";
  return out;
}

std::string Working(std::string file) {
  std::string out;
  for (char c : file)
    if (c != '\n') out += c;
  return out;
}

void Open(const std::string& path) {
  Probe().Documents().With_Session([&](Document_Session& s) { Open_Chosen_File(s, path); });
}

bool Whole_Text_In() {
  return Wait_Until([] { return !Probe().Intake().Busy(); }, 60000);
}

// Waits for the intake's next run and lets it go in, nothing else: the
// control's paint is still to come.
bool Take_Next_Run(HWND edit) {
  const ULONGLONG end = GetTickCount64() + 5000;
  MSG timer{};
  while (!PeekMessageW(&timer, edit, WM_TIMER, WM_TIMER, PM_REMOVE)) {
    if (GetTickCount64() > end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_TIMER);
  }
  DispatchMessageW(&timer);
  return true;
}

class Intake : public Main_Window_Test {
 protected:
  void TearDown() override {
    DeleteFileW(Wide(path_).c_str());
    Main_Window_Test::TearDown();
  }
  std::string path_ = Temp_Path("lv_intake_");
};

TEST_F(Intake, AnOpenedLongFileShowsItsStartAtOnceAndEndsAsInOneStep) {
  const std::string file = Long_File(size_t(1) << 20);
  ASSERT_TRUE(Win32_File_Writer().Write_Whole(path_, file));
  Open(path_);
  ASSERT_TRUE(Probe().Intake().Busy());
  // The first piece fills the window twice over, so that Page Down shows text too.
  const int32_t first = Probe().Edit().Text_Length();
  RECT client{};
  GetClientRect(Probe().Edit().Handle(), &client);
  POINTL bottom{0, client.bottom - 1};
  const auto shown = SendMessageW(Probe().Edit().Handle(), EM_CHARFROMPOS, 0, LPARAM(&bottom));
  EXPECT_LT(2 * shown, first);
  EXPECT_LT(size_t(first), Working(file).size());
  EXPECT_FALSE(Probe().Edit().Modified());
  EXPECT_EQ(Probe().Status().Text(kPanelMode).rfind("Загружено: ", 0), 0u);

  ASSERT_TRUE(Whole_Text_In());
  EXPECT_EQ(Probe().Edit().Text(), Working(file));
  EXPECT_FALSE(Probe().Edit().Modified());
  EXPECT_EQ(Probe().Edit().Get_Selection().Start, 0);
  EXPECT_EQ(Probe().Edit().Get_Selection().End, 0);
  EXPECT_EQ(SendMessageW(Probe().Edit().Handle(), EM_CANUNDO, 0, 0), 0);
  EXPECT_EQ(Probe().Status().Text(kPanelMode), kInsertText);
  const int32_t lines = Probe().Edit().Line_Count();

  // The same text in one step shows as many lines.
  Window().Reset_Editor();
  Probe().Edit().Set_Text(Working(file));
  EXPECT_EQ(Probe().Edit().Line_Count(), lines);

  // A UTF-8 file comes in from its bytes too, every character as it is.
  const std::wstring wide = Win1251_To_Utf16(Working(file)) + L"\u2014\U0001F600";
  ASSERT_TRUE(Win32_File_Writer().Write_Whole(path_, "\xEF\xBB\xBF" + Utf16_To_Utf8(wide)));
  Open(path_);
  ASSERT_TRUE(Probe().Intake().Busy());
  ASSERT_TRUE(Whole_Text_In());
  EXPECT_EQ(Probe().Doc().Encoding, File_Encoding::Utf8_Bom);
  EXPECT_TRUE(Probe().Edit().Control_Text() == wide);
}

TEST_F(Intake, TheRememberedCaretWaitsForItsTextUnlessTheUserMovesMeanwhile) {
  ASSERT_TRUE(Win32_File_Writer().Write_Whole(path_, Long_File(size_t(1) << 20)));
  const int32_t caret = 700000;
  Probe().Settings().Caret_Memory = true;
  for (const bool user_moves : {false, true}) {
    Probe().History_List().Add(path_, caret);
    Open(path_);
    ASSERT_TRUE(Probe().Intake().Busy());
    EXPECT_EQ(Probe().Intake().Waiting_Caret().value_or(-1), caret);
    // The history keeps where the reader stands, not where the caret waits.
    EXPECT_EQ(Probe().History_List().Caret_To_Restore(path_, true).value_or(-1), caret);
    if (user_moves) Probe().Edit().Set_Selection(10, 12);
    ASSERT_TRUE(Whole_Text_In());
    EXPECT_EQ(Probe().Edit().Get_Selection().Start, user_moves ? 10 : caret);
    EXPECT_EQ(Probe().Edit().Get_Selection().End, user_moves ? 12 : caret);
  }
}

TEST_F(Intake, SaveAndCommandsTakeTheWholeTextInFirst) {
  const std::string file = Long_File(size_t(1) << 20);
  ASSERT_TRUE(Win32_File_Writer().Write_Whole(path_, file));
  // A file of this size comes in from a view of the file, which must be let
  // go before the file is saved over: the save then writes it anew.
  const FILETIME long_ago{0, 0x01000000};
  HANDLE handle =
      CreateFileW(Wide(path_).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  SetFileTime(handle, nullptr, nullptr, &long_ago);
  CloseHandle(handle);
  Open(path_);
  ASSERT_TRUE(Probe().Intake().Busy());
  SendMessageW(Probe().Handle(), WM_COMMAND, IDM_Save, 0);
  EXPECT_FALSE(Probe().Intake().Busy());
  EXPECT_EQ(Win32_Files().Read_All(path_).value_or(""), file);
  EXPECT_FALSE(Probe().Edit().Modified());
  WIN32_FILE_ATTRIBUTE_DATA saved{};
  ASSERT_TRUE(GetFileAttributesExW(Wide(path_).c_str(), GetFileExInfoStandard, &saved));
  EXPECT_GT(saved.ftLastWriteTime.dwHighDateTime, long_ago.dwHighDateTime);
}

TEST_F(Intake, TypingWaitsForTheWholeTextAndLandsWhereTheCaretIs) {
  const std::string file = Long_File(size_t(1) << 20);
  ASSERT_TRUE(Win32_File_Writer().Write_Whole(path_, file));
  Open(path_);
  ASSERT_TRUE(Probe().Intake().Busy());
  Probe().Edit().Set_Selection(3, 3);
  MSG msg{Probe().Edit().Handle(), WM_CHAR, 'Z', 1, 0, {0, 0}};
  EXPECT_FALSE(Window().Take_Message(msg));
  EXPECT_FALSE(Probe().Intake().Busy());
  DispatchMessageW(&msg);
  std::string expected = Working(file);
  expected.insert(3, "Z");
  EXPECT_EQ(Probe().Edit().Text(), expected);
  EXPECT_TRUE(Probe().Edit().Modified());
  // The control records the user's own edits again.
  EXPECT_NE(SendMessageW(Probe().Edit().Handle(), EM_CANUNDO, 0, 0), 0);
}

TEST_F(Intake, MovingAboutThePartInLeavesTheRestComing) {
  ASSERT_TRUE(Win32_File_Writer().Write_Whole(path_, Long_File(size_t(1) << 20)));
  Open(path_);
  ASSERT_TRUE(Probe().Intake().Busy());
  const HWND edit = Probe().Edit().Handle();
  for (int i = 0; i < 3; ++i) {
    MSG msg{edit, WM_KEYDOWN, VK_NEXT, 1, 0, {0, 0}};
    if (!Window().Take_Message(msg)) DispatchMessageW(&msg);
  }
  ASSERT_TRUE(Probe().Intake().Busy());
  EXPECT_GT(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  // Scrolled away from the caret, as by the wheel: the runs of pieces that
  // follow leave the view where the user put it, and paint it again only
  // when it showed the end of what was in.
  for (const bool at_end : {false, true}) {
    SendMessageW(edit, EM_LINESCROLL, 0, at_end ? Probe().Edit().Line_Count() : 100);
    UpdateWindow(edit);
    const LRESULT first = SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
    const int32_t lines = Probe().Edit().Line_Count();
    const std::string count = Probe().Status().Text(kPanelCount);
    ASSERT_TRUE(Probe().Intake().Busy());
    ASSERT_TRUE(Take_Next_Run(edit));
    EXPECT_GT(Probe().Edit().Line_Count(), lines);
    // The status bar counts the lines in so far.
    EXPECT_NE(Probe().Status().Text(kPanelCount), count);
    EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), first);
    EXPECT_EQ(GetUpdateRect(edit, nullptr, FALSE) != FALSE, at_end);
  }
}

TEST_F(Intake, AnEditOfThePartInLeavesTheRestComingInBehindTheEnd) {
  const std::string file = Long_File(size_t(1) << 20);
  ASSERT_TRUE(Win32_File_Writer().Write_Whole(path_, file));
  Open(path_);
  ASSERT_TRUE(Probe().Intake().Busy());
  // As a drop of text by the mouse would: straight into the control.
  Probe().Edit().Set_Selection(0, 2);
  Probe().Edit().Replace_Selection("abc");
  ASSERT_TRUE(Whole_Text_In());
  EXPECT_EQ(Probe().Edit().Text(), "abc" + Working(file).substr(2));
  EXPECT_TRUE(Probe().Edit().Modified());
}

TEST_F(Intake, ATextWithARunTooLongToWrapIsShownUnwrapped) {
  Probe().Control().Replace_Whole_Text(Document_To_Control_Text(std::string(kLongestWrappedRun + 1, 'x')),
                                       false);
  EXPECT_EQ(Probe().Edit().Line_Count(), 1);
  Probe().Control().Replace_Whole_Text(Document_To_Control_Text(std::string(kLongestWrappedRun, 'x')), false);
  EXPECT_GT(Probe().Edit().Line_Count(), 1);
}

TEST_F(Intake, AWholeTextReplacementComesInIsWholeWhenReadAndUndoesInOneStep) {
  Probe().Edit().Set_Text("before");
  const std::string text = Working(Long_File(size_t(1) << 20));
  Probe().Control().Replace_Whole_Text(Document_To_Control_Text(text), true);
  ASSERT_TRUE(Probe().Intake().Busy());
  // Read through the document's edit area, a long text is whole at once.
  Edit_Area& area = Probe().Control().Area();
  EXPECT_EQ(area.Text_Length(), int32_t(text.size()));
  EXPECT_EQ(area.Get_Selection().Start, int32_t(text.size()));
  // Reading the text takes the rest in at once.
  EXPECT_EQ(area.Text(), text);
  EXPECT_FALSE(Probe().Intake().Busy());
  EXPECT_EQ(Probe().Edit().Text(), text);
  EXPECT_EQ(Probe().Edit().Get_Selection().Start, int32_t(text.size()));
  EXPECT_TRUE(Probe().Edit().Modified());
  SendMessageW(Probe().Handle(), WM_COMMAND, IDM_Undo, 0);
  EXPECT_EQ(Probe().Edit().Text(), "before");
  SendMessageW(Probe().Handle(), WM_COMMAND, IDM_Redo, 0);
  EXPECT_EQ(Probe().Edit().Text(), text);
}

TEST_F(Intake, AnUnchangedDocumentClosesWithoutWaitingAndAChangedOneIsWholeFirst) {
  ASSERT_TRUE(Win32_File_Writer().Write_Whole(path_, Long_File(size_t(1) << 20)));
  Open(path_);
  ASSERT_TRUE(Probe().Intake().Busy());
  EXPECT_TRUE(Window().May_Close());
  EXPECT_TRUE(Probe().Intake().Busy());
  Probe().Edit().Set_Modified(true);
  Box_Answerer answerer(IDCANCEL);
  EXPECT_FALSE(Window().May_Close());
  EXPECT_EQ(answerer.texts.size(), 1u);
  EXPECT_FALSE(Probe().Intake().Busy());
}

}  // namespace
