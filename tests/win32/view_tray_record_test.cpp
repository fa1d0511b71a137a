// The tray icon's record: the first form of the system's record, with a tip
// that never runs past its 64-unit field.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/win32/window_state.h"
#include "platform/win32/platform_win32.h"

namespace {

NOTIFYICONDATAW Filled(const std::string& tip) {
  NOTIFYICONDATAW record;
  std::memset(&record, 0xCC, sizeof(record));
  Fill_Tray_Record(record, HWND(0x1234), HICON(0x5678), tip);
  return record;
}

bool Untouched_After_Field(const NOTIFYICONDATAW& record) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&record.szTip[64]);
  const auto* end = reinterpret_cast<const unsigned char*>(&record) + sizeof(record);
  for (; bytes < end; ++bytes)
    if (*bytes != 0xCC) return false;
  return true;
}

}  // namespace

TEST(ViewTrayRecord, FirstFormWithIdentifierCallbackAndFlags) {
  const NOTIFYICONDATAW record = Filled("C:\\Тексты\\письмо.txt");
  EXPECT_EQ(record.cbSize, DWORD(NOTIFYICONDATAW_V1_SIZE));
  EXPECT_EQ(record.hWnd, HWND(0x1234));
  EXPECT_EQ(record.uID, 1u);
  EXPECT_EQ(record.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(record.uFlags, 7u);
  EXPECT_EQ(record.uCallbackMessage, 1147u);
  EXPECT_EQ(record.hIcon, HICON(0x5678));
  EXPECT_EQ(std::wstring(record.szTip), Wide("C:\\Тексты\\письмо.txt"));
  EXPECT_TRUE(Untouched_After_Field(record));
}

TEST(ViewTrayRecord, LongPathIsShortenedInsideTheFieldKeepingTheFileName) {
  std::string path = "C:\\";
  for (int i = 0; i < 12; ++i) path += "папка" + std::to_string(i) + "\\";
  path += "итоговый отчёт.txt";
  const NOTIFYICONDATAW record = Filled(path);
  const std::wstring tip(record.szTip);
  EXPECT_LE(tip.size(), 63u);
  EXPECT_EQ(tip.substr(0, 6), L"C:\\...");
  EXPECT_EQ(tip.substr(tip.size() - 18), Wide("итоговый отчёт.txt"));
  EXPECT_TRUE(Untouched_After_Field(record));
}
