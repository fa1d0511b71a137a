#include <gtest/gtest.h>

#include <cstring>

#include "zmk/name_file.h"

TEST(NameFileInPath, TakesThePartAfterTheLastSeparator) {
  char buffer[64];
  EXPECT_TRUE(Name_File_In_Path("C:\\Мои документы\\отчёт.txt", buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "отчёт.txt");
  EXPECT_TRUE(Name_File_In_Path("Лировушка.txt", buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "Лировушка.txt");
  EXPECT_TRUE(Name_File_In_Path("D:name.txt", buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "name.txt");
}

TEST(NameFileInPath, NoNameOrNoRoomGivesAnEmptyBufferAndNeverOverruns) {
  char buffer[8];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_FALSE(Name_File_In_Path("C:\\folder\\", buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "");
  char small[6] = {'x', 'x', 'x', 'x', 'x', '#'};
  EXPECT_FALSE(Name_File_In_Path("C:\\long-name.txt", small, 5));
  EXPECT_EQ(small[5], '#');
  EXPECT_FALSE(Name_File_In_Path(nullptr, buffer, sizeof buffer));
}
