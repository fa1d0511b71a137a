// The text commands in the real main window, against Wine's RichEdit: what
// each takes and puts back, undo, caret, clipboard, check marks, and what
// the user sees in the status bar and message boxes.
#include <gtest/gtest.h>
#include <richedit.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "common/command_ids.h"
#include "documents/document_commands.h"
#include "platform/status_text.h"
#include "app/win32/main_window.h"
#include "documents/win32/whole_text_win32.h"
#include "box_answerer.h"
#include "test_clipboard.h"
#include "test_main_window.h"
#include "common/clipboard_text.h"
#include "text/codepages.h"
#include "text/menu_conversion.h"
#include "text/command_frame.h"
#include "text/smart_format.h"
#include "common/win1251_unicode.h"
#include "text/win32/conversion_marks.h"
#include "text/win32/rich_edit_extras.h"

namespace {

std::string W(const std::string& utf8) { return Utf8_To_Win1251(utf8); }

HWND Edit() { return Probe().Edit().Handle(); }
// The text as the menu's conversion from s to t makes it.
std::string Converted(std::string text, Codepage s, Codepage t) {
  Convert_Menu_Run(text, 0, text.size(), s, t);
  return text;
}
void Command(int id) { SendMessageW(Probe().Handle(), WM_COMMAND, id, 0); }
// What the Edit menu offers once it has been opened.
bool Offered(int id) {
  SendMessageW(Probe().Handle(), WM_INITMENUPOPUP, WPARAM(GetSubMenu(Probe().Menu(), 1)), 1);
  return !(GetMenuState(Probe().Menu(), id, MF_BYCOMMAND) & MF_GRAYED);
}
bool Can_Undo() { return Offered(IDM_Undo); }
bool Can_Redo() { return Offered(IDM_Redo); }
bool Checked(int id) { return GetMenuState(Probe().Menu(), id, MF_BYCOMMAND) & MF_CHECKED; }

void Load(const std::string& text, int32_t start, int32_t end) {
  Probe().Edit().Set_Text(text);
  Probe().Edit().Set_Selection(start, end);
  SendMessageW(Edit(), EM_EMPTYUNDOBUFFER, 0, 0);
  Probe().Control().History().Forget();
  Probe().Edit().Set_Modified(false);
}

void Set_Wrap(bool on) {
  Probe().Look().Word_Wrap = on;
  Probe().Edit().Set_Word_Wrap(on);
}

class TextCommands : public Main_Window_Test {
 protected:
  void SetUp() override {
    Main_Window_Test::SetUp();
    Set_Wrap(false);
  }
};

TEST_F(TextCommands, DosWinWholeDocumentIsOneUndoStepCaretBackOnClipboardChecked) {
  const std::string win = W("Привет, мир!\rВторая строка: съешь ещё этих булок. ЁЛКА №5\r");
  const std::string dos = Converted(win, Codepage_WIN, Codepage_DOS);
  ASSERT_EQ(dos.substr(dos.size() - 8), "\xF0\x8B\x8A\x80 \xFC\x35\r");
  Load(dos, 5, 17);
  Command(IDM_DOS_WIN);
  EXPECT_EQ(Probe().Edit().Text(), win);
  EXPECT_EQ(Probe().Edit().Get_Selection().Start, 5);
  EXPECT_EQ(Probe().Edit().Get_Selection().End, 5);
  EXPECT_TRUE(Probe().Edit().Modified());
  EXPECT_EQ(Clipboard_Unicode(), Win1251_To_Utf16(To_Clipboard_Line_Breaks(win)));
  EXPECT_EQ(Clipboard_Ansi(), To_Clipboard_Line_Breaks(win));
  for (int i = 0; i < Conversion_Count; ++i) EXPECT_EQ(Checked(IDM_DOS_WIN + i), i == 0) << i;
  ASSERT_TRUE(Can_Undo());
  Command(IDM_Undo);
  EXPECT_EQ(Probe().Edit().Text(), dos);
  EXPECT_FALSE(Can_Undo());
  EXPECT_TRUE(IsWindowEnabled(Probe().Handle()));
  ASSERT_TRUE(Can_Redo());
  Command(IDM_Redo);
  EXPECT_EQ(Probe().Edit().Text(), win);
  EXPECT_TRUE(Can_Undo());
  EXPECT_FALSE(Can_Redo());
}

void Type(const std::string& keys) {
  for (char c : keys) SendMessageW(Edit(), WM_CHAR, WPARAM(c), 1);
}

// Conversions, commands on the selection and over the whole text follow one
// another with typing in between; each is one undo step, undo walks back
// through all of it in order, redo forward again, and the parked texts never
// show.
TEST_F(TextCommands, UndoWalksBackThroughConversionsCommandsAndTyping) {
  const std::string win = W("Ёлка в лесу\r");
  Load(win, 0, 0);
  Command(IDM_WIN_KOI);
  const std::string koi = Converted(win, Codepage_WIN, Codepage_KOI);
  ASSERT_EQ(Probe().Edit().Text(), koi);
  Type("x");
  ASSERT_EQ(Probe().Edit().Text(), "x" + koi);
  Command(IDM_KOI_WIN);
  const std::string back = Converted("x" + koi, Codepage_KOI, Codepage_WIN);
  ASSERT_EQ(Probe().Edit().Text(), back);
  Probe().Edit().Set_Selection(0, 0);
  Type("ghbdtn ");
  Probe().Edit().Set_Selection(0, 6);
  Command(IDM_Retype_To_Russian);
  const std::string retyped = W("привет ") + back;
  ASSERT_EQ(Probe().Edit().Text(), retyped);
  Probe().Edit().Set_Selection(7, 7);
  Type("ab  ");
  Probe().Edit().Set_Selection(0, 3);
  Command(IDM_Toggle_Case);
  const std::string toggled = W("ПРИвет ab  ") + back;
  ASSERT_EQ(Probe().Edit().Text(), toggled);
  Probe().Edit().Set_Selection(0, -1);
  Command(IDM_Squeeze_Spaces);
  const std::string squeezed = W("ПРИвет ab ") + back;
  ASSERT_EQ(Probe().Edit().Text(), squeezed);
  Type("!");

  const std::vector<std::string> expected = {
      squeezed, toggled, W("привет ab  ") + back, retyped, "ghbdtn " + back, back, "x" + koi, koi, win};
  for (const std::string& text : expected) {
    ASSERT_TRUE(Can_Undo());
    Command(IDM_Undo);
    EXPECT_EQ(Probe().Edit().Text(), text);
    EXPECT_TRUE(Probe().Edit().Modified());
  }
  EXPECT_FALSE(Can_Undo());
  for (auto text = expected.rbegin() + 1; text != expected.rend(); ++text) {
    ASSERT_TRUE(Can_Redo());
    Command(IDM_Redo);
    EXPECT_EQ(Probe().Edit().Text(), *text);
  }
  Command(IDM_Redo);
  EXPECT_EQ(Probe().Edit().Text(), squeezed + "!");
  EXPECT_FALSE(Can_Redo());
  for (size_t i = 0; i < expected.size(); ++i) Command(IDM_Undo);
  EXPECT_EQ(Probe().Edit().Text(), win);
  // One edit control shows the document; the parked ones are hidden.
  int shown = 0;
  for (HWND child = GetWindow(Probe().Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == GetDlgCtrlID(Edit()) && IsWindowVisible(child)) ++shown;
  }
  EXPECT_EQ(shown, 1);

  // Typing now ends the way forward.
  Command(IDM_Redo);
  EXPECT_EQ(Probe().Edit().Text(), koi);
  SendMessageW(Edit(), WM_CHAR, 'y', 1);
  EXPECT_FALSE(Can_Redo());
}

TEST_F(TextCommands, EmptyDocumentKeepsMarksAndClipboard) {
  Load(W("x"), 0, 0);
  Command(IDM_KOI_WIN);
  ASSERT_TRUE(Checked(IDM_KOI_WIN));
  Load("", 0, 0);
  Command(IDM_WIN_DOS);
  EXPECT_TRUE(Checked(IDM_KOI_WIN));
  EXPECT_FALSE(Checked(IDM_WIN_DOS));
  EXPECT_EQ(Clipboard_Ansi(), "x");
  EXPECT_FALSE(Probe().Edit().Modified());
}

TEST_F(TextCommands, MarksFollowTheMenuItemsAndALoadClearsThem) {
  for (int i = 0; i < Conversion_Count; ++i) {
    const std::wstring caption = Visible_Caption(Probe().Menu(), UINT(IDM_DOS_WIN + i));
    std::string expected = Conversion_Caption(Conversions[i]);
    if (Conversions[i].alt_key) expected += std::string("\tAlt+") + Conversions[i].alt_key;
    EXPECT_EQ(Narrow(caption), expected) << i;
    Mark_Conversion(Probe().Menu(), Conversions[i].Menu_Id);
    for (int j = 0; j < Conversion_Count; ++j) EXPECT_EQ(Checked(IDM_DOS_WIN + j), i == j);
  }
  Mark_Conversion(Probe().Menu(), No_Conversion);
  for (int j = 0; j < Conversion_Count; ++j) EXPECT_FALSE(Checked(IDM_DOS_WIN + j));
}

TEST_F(TextCommands, RetypingAndCaseOnTheSelection) {
  Load(W("> Ghbdtn Ntrcn <"), 2, 14);
  Command(IDM_Retype_To_Russian);
  EXPECT_EQ(Probe().Edit().Text(), W("> Привет Текст <"));
  EXPECT_EQ(Probe().Edit().Get_Selection().Start, 14);
  EXPECT_EQ(Probe().Edit().Get_Selection().End, 14);
  Probe().Edit().Set_Selection(2, 14);
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  SendMessageW(Edit(), EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
  EXPECT_TRUE(format.dwMask & CFM_CHARSET);
  EXPECT_EQ(format.bCharSet, BYTE(Probe().Look().Font.Charset));

  Load(W("руддщ, ХЪ"), 0, 9);
  Command(IDM_Retype_To_Latin);
  EXPECT_EQ(Probe().Edit().Text(), "hello, []");
  EXPECT_EQ(Probe().Edit().Get_Selection().Start, 9);

  Load(W("[Привет] ёЛКА"), 1, 7);
  Command(IDM_Toggle_Case);
  EXPECT_EQ(Probe().Edit().Text(), W("[ПРИВЕТ] ёЛКА"));
  EXPECT_EQ(Probe().Edit().Get_Selection().Start, 1);
  EXPECT_EQ(Probe().Edit().Get_Selection().End, 7);
  Command(IDM_Toggle_Case);
  EXPECT_EQ(Probe().Edit().Text(), W("[привет] ёЛКА"));
  Probe().Edit().Set_Selection(9, 13);
  Command(IDM_Toggle_Case);
  EXPECT_EQ(Probe().Edit().Text(), W("[привет] ЁЛКА"));
  EXPECT_TRUE(IsWindowEnabled(Probe().Handle()));

  // A NUL inside the selection goes back in with everything behind it.
  const std::string with_nul("[ab\0cd\0] e", 10);
  Load(with_nul, 1, 7);
  Command(IDM_Toggle_Case);
  EXPECT_EQ(Probe().Edit().Text(), std::string("[AB\0CD\0] e", 10));
  EXPECT_EQ(Probe().Edit().Text_Length(), 10);
  Load(with_nul, 1, 7);
  Command(IDM_Retype_To_Russian);
  EXPECT_EQ(Probe().Edit().Text(), W("[фи") + std::string(1, '\0') + W("св") + std::string("\0] e", 4));
}

void Load_Wide(const std::wstring& text, int32_t start, int32_t end) {
  Load("", 0, 0);
  Probe().Edit().Set_Control_Text(text);
  Probe().Edit().Set_Selection(start, end);
}

std::wstring Held() { return Probe().Edit().Control_Text(); }

// Characters Windows-1251 lacks pass through the commands on the selection
// as they are, undo brings back exactly what was there, and the commands
// that read the whole text as its bytes leave it alone and say why.
TEST_F(TextCommands, CharactersOutsideWin1251StayAsTheyAre) {
  const std::wstring emoji{wchar_t(0xD83D), wchar_t(0xDE00)};
  const std::wstring other = L" \u00E4\u00DF \u4E2D" + emoji + L" ";
  const std::wstring before = L"<\u0429\u0443\u043A\u0430" + other + L"ab>";
  Load_Wide(before, 1, int32_t(before.size() - 1));
  Command(IDM_Toggle_Case);
  EXPECT_EQ(Held(), L"<\u0429\u0423\u041A\u0410" + other + L"AB>");
  Command(IDM_Undo);
  EXPECT_EQ(Held(), before);

  Probe().Edit().Set_Selection(0, -1);  // the whole text goes through a new control
  Command(IDM_Transliterate);
  EXPECT_EQ(Held(), L"<Schuka" + other + L"ab>");
  Command(IDM_Undo);
  EXPECT_EQ(Held(), before);

  for (const int id : {IDM_WIN_KOI, IDM_Smart_Format}) {
    Load_Wide(L"one\r\u00E4 two\r" + emoji, 0, 0);
    std::vector<std::wstring> texts;
    {
      Box_Answerer answerer(IDYES);
      Command(id);
      texts = answerer.texts;
    }
    EXPECT_EQ(Held(), L"one\r\u00E4 two\r" + emoji) << id;
    ASSERT_EQ(texts.size(), 1u) << id;
    EXPECT_EQ(Narrow(texts[0]), Outside_Win1251_Refusal(L"\u00E4")) << id;
    EXPECT_FALSE(Can_Undo());
  }
}

// What a repaint in the middle of a long command sees.
struct Midway {
  bool seen = false, taking_input = true;
  std::string label, marks;
};
Midway midway;

LRESULT CALLBACK Midway_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP && !midway.seen) {
    midway = {true, !Probe().Busy().Busy(), Probe().Status().Text(2), Probe().Status().Text(3)};
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND Midway_Window() {
  static HWND window = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Midway_Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TextCommandsMidway";
    RegisterClassW(&wc);
    return CreateWindowW(L"TextCommandsMidway", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  }();
  return window;
}

struct Cleanup_Case {
  int id;
  const char* before;
  const char* after;
};

TEST_F(TextCommands, CleanupsShowProgressRefuseTypingAndPutBackTheSelection) {
  const Cleanup_Case cases[] = {
      {IDM_Remove_Line_Breaks, "a\rb\r\rc\r d", "a b\r\rc\r d"},
      {IDM_Remove_Leading_Space, " a\r  b\r c", "a\r b\rc"},
      {IDM_Squeeze_Spaces, "x\r   y  z", "x\r   y z"},
      {IDM_Remove_Trailing_Spaces, "a  \rb \r  \rc  ", "a\rb\r\rc  "},
      {IDM_Tabs_To_Spaces, "\ta\t", "    a    "},
      {IDM_Transliterate, "Щука, объём; Ель; № 5", "Schuka, obyom; El`; # 5"},
      {IDM_Add_Spaces, "ab\rcd", "a b \r c d"},
  };
  const std::string before_mode = Probe().Status().Text(2);
  for (const Cleanup_Case& c : cases) {
    const std::string body = W(c.before);
    Load("<" + body + ">", 1, int32_t(1 + body.size()));
    midway = {};
    PostMessageW(Midway_Window(), WM_APP, 0, 0);
    PostMessageW(Edit(), WM_CHAR, 'Z', 0);  // typed while the command runs
    Command(c.id);
    EXPECT_EQ(Probe().Edit().Text(), "<" + W(c.after) + ">") << c.before;
    const int32_t behind = int32_t(1 + W(c.after).size());
    EXPECT_EQ(Probe().Edit().Get_Selection().Start, behind) << c.before;
    EXPECT_EQ(Probe().Edit().Get_Selection().End, behind) << c.before;
    EXPECT_TRUE(Probe().Edit().Modified());
    ASSERT_TRUE(midway.seen) << c.before;
    EXPECT_FALSE(midway.taking_input) << c.before;
    EXPECT_EQ(midway.marks, "|") << c.before;
    if (c.id == IDM_Add_Spaces)  // works without the progress label; the mark may show already
      EXPECT_EQ(Mark_Modified(midway.label, true), Mark_Modified(before_mode, true)) << c.before;
    else
      EXPECT_EQ(midway.label, "Делаю:") << c.before;
    EXPECT_TRUE(IsWindowEnabled(Probe().Handle()));
    EXPECT_EQ(Probe().Status().Text(2), Mark_Modified(before_mode, true));  // changed, and marked so
    EXPECT_EQ(Probe().Status().Text(3), "");
    Pump();
    EXPECT_EQ(Probe().Edit().Text(), "<" + W(c.after) + ">") << "typing got through";
  }
}

HWND Main() { return Probe().Handle(); }

// What the user does while a long command runs.
struct Interruption {
  const char* what;
  HWND (*to)();
  UINT message;
  WPARAM wp;
  LPARAM lp;
  bool closes;
};

// Esc, Alt+F4, the close button and a close request that comes while a long
// command runs stop it: the text stays as it was and the status bar says
// so. Esc never closes the program; a close request comes again once the
// command is over, and then asks about unsaved changes as usual.
TEST_F(TextCommands, EscOrAClosingRequestStopsALongCommandAndLeavesTheText) {
  Probe().Settings().Escape_Closes = true;
  const Interruption interruptions[] = {
      {"Esc", Edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001, false},
      {"Alt+F4", Edit, WM_SYSKEYDOWN, VK_F4, 0x203E0001, true},
      {"close button", Main, WM_NCLBUTTONDOWN, HTCLOSE, 0, true},
      {"close request", Main, WM_CLOSE, 0, 0, true},
  };
  const std::string text = W("a\rещё ЁЛКА №5\r  b\r");
  for (const Interruption& i : interruptions) {
    for (const int id : {IDM_KOI_WIN, IDM_Remove_Line_Breaks, IDM_Transliterate, IDM_Recognize_Page}) {
      Load(text, 0, -1);
      Probe().Status().Set_Text(kPanelCount, "");
      PostMessageW(i.to(), i.message, i.wp, i.lp);
      Command(id);
      EXPECT_EQ(Probe().Edit().Text(), text) << i.what << " " << id;
      EXPECT_FALSE(Can_Undo()) << i.what << " " << id;
      EXPECT_EQ(Probe().Status().Text(kPanelCount), " Команда прервана") << i.what << " " << id;
      EXPECT_EQ(Probe().Status().Text(3), "");
      MSG close{};
      EXPECT_EQ(PeekMessageW(&close, Main(), WM_CLOSE, WM_CLOSE, PM_REMOVE) != FALSE, i.closes) << i.what;
      Pump();
      ASSERT_TRUE(IsWindow(Main())) << i.what;
      EXPECT_FALSE(Probe().Busy().Busy());
    }
  }
  // An Esc held down past the command repeats; only a fresh press closes.
  SendMessageW(Edit(), WM_CHAR, VK_ESCAPE, 0x40010001);
  MSG close{};
  EXPECT_FALSE(PeekMessageW(&close, Main(), WM_CLOSE, WM_CLOSE, PM_REMOVE));

  // The close request that comes again asks about the unsaved text.
  Load(text, 0, -1);
  Probe().Edit().Set_Modified(true);
  PostMessageW(Main(), WM_CLOSE, 0, 0);
  Command(IDM_Squeeze_Spaces);
  std::vector<std::wstring> texts;
  {
    Box_Answerer answerer(IDCANCEL);
    Settle();
    texts = answerer.texts;
  }
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(Narrow(texts[0]), kSaveChangesQuestion);
  EXPECT_TRUE(IsWindow(Main()));
  EXPECT_EQ(Probe().Edit().Text(), text);
}

// The commands read U+0098, the byte 0x98 of a file, as that byte: their
// tables move it to Ш.
TEST_F(TextCommands, RetypingAndTransliterationMoveByte98) {
  for (const int id : {IDM_Retype_To_Russian, IDM_Retype_To_Latin, IDM_Transliterate}) {
    Load_Wide(L"<\u0098\u00E4>", 1, 3);
    Command(id);
    EXPECT_EQ(Held(), L"<\u0428\u00E4>") << id;
  }
}

const char* const Example = "a b c d\rab cd ef gh  \rx y\rend.\r new para\ra  b c\t\rq";
const char* const Justified = "a   b  c  d\rab cd ef gh\rx         y\rend.\r new   para\ra      b  c\rq\r";

TEST_F(TextCommands, SmartFormattingJustifiesAsksAndTellsAndEmptiesUndo) {
  Load(Example, 3, 3);
  Probe().Edit().Set_Selection(0, 1);
  Probe().Edit().Replace_Selection("a");  // an undoable edit before
  ASSERT_TRUE(Can_Undo());
  std::vector<std::wstring> texts;
  {
    Box_Answerer answerer(IDYES);
    Command(IDM_Smart_Format);
    texts = answerer.texts;
  }
  EXPECT_EQ(Probe().Edit().Text(), Justified);
  EXPECT_FALSE(Can_Undo());
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(Narrow(texts[0]), Smart_Format_Warning);
  EXPECT_EQ(Narrow(texts[1]), Smart_Format_Done);
  EXPECT_TRUE(IsWindowEnabled(Probe().Handle()));
  EXPECT_EQ(Probe().Status().Text(3), "");
}

TEST_F(TextCommands, SmartFormattingBeepsOnOneLineAndNoChangesNothing) {
  Load("only one line", 0, 0);
  {
    Box_Answerer answerer(IDYES);
    Command(IDM_Smart_Format);
    // A box would have held the command until the answerer closed it.
    Settle();
    EXPECT_TRUE(answerer.texts.empty());
  }
  EXPECT_EQ(Probe().Edit().Text(), "only one line");
  Load(Example, 0, 0);
  {
    Box_Answerer answerer(IDNO);
    Command(IDM_Smart_Format);
    EXPECT_EQ(answerer.texts.size(), 1u);
  }
  EXPECT_EQ(Probe().Edit().Text(), Example);
}

// The edit area's own display lines, asked one by one.
std::vector<size_t> Display_Starts() { return Line_Starts_Of(Probe().Edit()); }

// Word wrap on in a narrow window with a proportional font, for the length of
// a test; the font, the wrap and the window's place come back afterwards.
class Narrow_Proportional_Window {
 public:
  Narrow_Proportional_Window(int font_size, int width, int height) : old_font_(Probe().Look().Font) {
    GetWindowRect(Probe().Handle(), &old_place_);
    Probe().Look().Font.Name = "Arial";
    Probe().Look().Font.Size = font_size;
    Window().Apply_Text_Font();
    Set_Wrap(true);
    MoveWindow(Probe().Handle(), 0, 0, width, height, TRUE);
    Pump();
  }
  ~Narrow_Proportional_Window() {
    Probe().Look().Font = old_font_;
    Window().Apply_Text_Font();
    Set_Wrap(false);
    MoveWindow(Probe().Handle(), old_place_.left, old_place_.top, old_place_.right - old_place_.left,
               old_place_.bottom - old_place_.top, TRUE);
  }

 private:
  Text_Font_Spec old_font_;
  RECT old_place_{};
};

TEST_F(TextCommands, SmartFormattingOnANarrowProportionalWindowKeepsEveryLine) {
  Narrow_Proportional_Window window(10, 260, 400);
  // Narrow letters make long display lines, wide ones short lines that grow
  // wider than the window once widened with spaces, and wrap again.
  std::string text;
  for (int i = 0; i < 30; ++i) text += "il ii li ";
  for (int i = 0; i < 20; ++i) text += W("ШЖЮ ЩМ ");
  text += "\r\r";
  for (int i = 0; i < 20; ++i) text += W("МЖ ") + "il ";
  text += "end\r";
  Load(text, 0, 0);
  const Line_List shown = Cut_Display_Lines(text, Display_Starts());
  ASSERT_GT(shown.size(), 6u);
  const Rebuilt_Lines rebuilt = Smart_Format_Rebuild(shown);
  const std::string expected = Smart_Format_Justify(rebuilt.lines, rebuilt.Max_Line_Length);
  {
    Box_Answerer answerer(IDYES);
    Command(IDM_Smart_Format);
  }
  const std::string result = Probe().Edit().Text();
  EXPECT_EQ(result, expected);
  // The justified lines did wrap again on screen: more display lines than lines.
  const size_t lines = Split_Lines(result).size();
  EXPECT_EQ(lines, shown.size());
  EXPECT_GT(size_t(Probe().Edit().Line_Count()), lines + 1);
}

// Display lines are read from a scratch control a batch of paragraphs at a
// time; they must be the lines the edit area itself shows, scroll bar, font,
// paragraphs longer than a batch and empty ones included.
TEST_F(TextCommands, DisplayLineStartsAreTheEditAreasOwn) {
  Narrow_Proportional_Window window(11, 300, 300);
  std::string text;
  for (int paragraph = 0; paragraph < 120; ++paragraph) {
    for (int word = 0; word < paragraph % 23; ++word) text += word % 3 ? "il " : W("ШЖЮЩ ");
    text += paragraph % 50 == 0 ? std::string(2000, 'x') + "\r" : "\r";
  }
  for (const std::string& sample : {text, text + "tail", std::string()}) {
    Load(sample, 0, 0);
    Text_Host host = Probe().Text_Parts();
    Rich_Edit_Extras extras(host);
    extras.Batch = 500;
    const std::vector<size_t> batched = extras.Display_Line_Starts(sample), own = Display_Starts();
    size_t first_difference = 0;
    while (first_difference < std::min(batched.size(), own.size()) &&
           batched[first_difference] == own[first_difference])
      ++first_difference;
    EXPECT_EQ(batched, own) << "text of " << sample.size() << " bytes, " << batched.size() << " against "
                            << own.size() << " lines, first difference at line " << first_difference;
  }
}

// "Определить кодировку" reads a KOI8-R text shown as WIN in KOI8-R, one
// undo step; a DOS text with box drawing comes out with the boxes themselves,
// and a WIN document unchanged since its file came in becomes that file's
// page, so that a save writes the file back as it came.
TEST_F(TextCommands, RecognizePageReadsTheTextInItsPageAsOneUndoStep) {
  const std::wstring koi_as_win =
      Win1251_To_Utf16("\xF0\xD2\xC9\xD7\xC5\xD4, \xCD\xC9\xD2! \xE5\xDD\xA3 \xC5\xDD\xA3\r");
  Load("", 0, 0);
  Probe().Edit().Set_Control_Text(koi_as_win);
  Probe().Edit().Set_Selection(3, 3);
  Command(IDM_Recognize_Page);
  EXPECT_EQ(Probe().Edit().Control_Text(), Utf8_To_Utf16("Привет, мир! Ещё ещё\r"));
  Settle();
  EXPECT_EQ(Probe().Status().Text(kPanelCount), " Распознано: KOI");
  EXPECT_EQ(Probe().Edit().Get_Selection().Start, 3);
  ASSERT_TRUE(Can_Undo());
  Command(IDM_Undo);
  EXPECT_EQ(Probe().Edit().Control_Text(), koi_as_win);
  Command(IDM_Redo);
  EXPECT_EQ(Probe().Edit().Control_Text(), Utf8_To_Utf16("Привет, мир! Ещё ещё\r"));

  const std::string dos_box =
      "\xC9\xCD\xBB \x8F\xE0\xA8\xA2\xA5\xE2, \xAC\xA8\xE0! \x85\xE9\xF1 \xA5\xE9\xF1 \xFC 5\r";
  Load(dos_box, 0, 0);
  Probe().Doc().Encoding = File_Encoding::Win;
  Command(IDM_Recognize_Page);
  EXPECT_EQ(Probe().Edit().Control_Text(), Utf8_To_Utf16("╔═╗ Привет, мир! Ещё ещё № 5\r"));
  EXPECT_EQ(Probe().Status().Text(kPanelCount), " Распознано: DOS");
  EXPECT_EQ(Probe().Doc().Encoding, File_Encoding::Dos);
  Probe().Doc().Encoding = File_Encoding::Win;

  // UTF-8 read as WIN and saved as UTF-8, that file shown as WIN: one
  // command and one undo step.
  const std::string garbled = Utf16_To_Utf8(Win1251_To_Utf16("Привет, мир! Ещё ещё\r"));
  Load("", 0, 0);
  Probe().Edit().Set_Control_Text(Win1251_To_Utf16(garbled));
  Command(IDM_Recognize_Page);
  EXPECT_EQ(Probe().Edit().Control_Text(), Utf8_To_Utf16("Привет, мир! Ещё ещё\r"));
  Settle();
  EXPECT_EQ(Probe().Status().Text(kPanelCount), " Распознано: UTF-8 ×2");
  EXPECT_EQ(Probe().Doc().Encoding, File_Encoding::Win);  // put right twice: a new text
  Command(IDM_Undo);
  EXPECT_EQ(Probe().Edit().Control_Text(), Win1251_To_Utf16(garbled));
}

}  // namespace
