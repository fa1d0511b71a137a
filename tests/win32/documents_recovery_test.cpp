// Recovery copies of a large text in the real main window: its text is taken
// in pieces between messages, and keys typed meanwhile never leave a copy
// that mixes two states of the text.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "documents/recovery_copy.h"
#include "documents/win32/document_host.h"
#include "platform/win32/file_writer_win32.h"
#include "platform/win32/platform_win32.h"
#include "test_main_window.h"
#include "tools/bench/sample_text.h"

namespace {

class DocumentsRecovery : public Main_Window_Test {
 protected:
  void TearDown() override {
    Probe().Recovery_Files().Clean_Close();
    Probe().Edit().Set_Modified(false);
    Main_Window_Test::TearDown();
  }
};

// Keys typed at the start of the text shift every piece after them: a copy
// taken across a key would hold one of its units twice or lose one. Every
// copy written holds the text as it stood after some number of keys.
TEST_F(DocumentsRecovery, KeysTypedWhileACopyIsTakenLeaveNoMixedCopy) {
  Main_Window_Probe w = Probe();
  const std::string path = Temp_Path("lv_recovery_");
  ASSERT_TRUE(Win32_File_Writer().Write_Whole(path, Sample_File(size_t(2) << 20)));
  w.Documents().With_Session([&](Document_Session& s) { Open_Chosen_File(s, path); });
  DeleteFileW(Wide(path).c_str());
  ASSERT_TRUE(Wait_Until([&w] { return !w.Intake().Busy(); }, 60000));
  const std::wstring text = w.Edit().Control_Text();
  w.Edit().Set_Selection(0, 0);
  constexpr int kKeys = 24;
  std::atomic<bool> done{false};
  std::thread typist([&] {
    for (int k = 0; k < kKeys; ++k) {
      Sleep(k % 6 == 5 ? 300 : 15);  // bursts, and pauses a copy may end in
      SendMessageW(w.Edit().Handle(), WM_CHAR, WPARAM(L'a' + k), 1);
    }
    done = true;
  });
  int checked = 0;
  size_t typed = 0;
  double last = -1;
  const auto check_copy = [&] {
    const auto bytes = Win32_Files().Read_All(Narrow(w.Recovery_Files().Copy_Path()));
    ASSERT_TRUE(bytes);
    const auto copy = Read_Recovery_Copy(*bytes);
    ASSERT_TRUE(copy);
    ASSERT_GE(copy->Text.size(), text.size());
    typed = copy->Text.size() - text.size();
    ASSERT_LE(typed, size_t(kKeys));
    std::wstring expected;
    for (size_t k = 0; k < typed; ++k) expected += wchar_t(L'a' + k);
    ASSERT_TRUE(copy->Text == expected + text) << "a copy after " << typed << " keys is mixed";
    ++checked;
  };
  // Copies begun one after another while the keys come, and the one under
  // way when they end, are each looked at once written.
  const auto copies_checked = [&] {
    const Recovery& r = w.Recovery_Files();
    if (!r.Writing() && r.Last_Write_Milliseconds() != last && r.Last_Write_Milliseconds() > 0) {
      last = r.Last_Write_Milliseconds();
      check_copy();
    }
    if (done) return !r.Writing();
    if (!r.Writing()) w.Recovery_Files().Write_Now();
    return false;
  };
  const bool typed_all = Wait_Until(copies_checked, 60000);
  typist.join();
  ASSERT_TRUE(typed_all);
  w.Recovery_Files().Write_Now();
  ASSERT_TRUE(Wait_Until(copies_checked, 20000));
  check_copy();
  EXPECT_EQ(typed, size_t(kKeys));
  EXPECT_GE(checked, 2);
}

}  // namespace
