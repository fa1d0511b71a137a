#include <gtest/gtest.h>

#include <string>

#include "tools/winhelp/context_hash.h"

namespace {

using winhelp::context_hash;

TEST(WinhelpContextHash, WeighsCharactersAsTheFormatDoes) {
  EXPECT_EQ(context_hash("A"), 17);
  EXPECT_EQ(context_hash("Z"), 42);
  EXPECT_EQ(context_hash("1"), 1);
  EXPECT_EQ(context_hash("9"), 9);
  EXPECT_EQ(context_hash("0"), 10);
  EXPECT_EQ(context_hash("."), 12);
  EXPECT_EQ(context_hash("_"), 13);
  EXPECT_EQ(context_hash("AB"), 17 * 43 + 18);
  EXPECT_EQ(context_hash("A0_"), (17 * 43 + 10) * 43 + 13);
  EXPECT_EQ(context_hash(""), 1);
}

TEST(WinhelpContextHash, IgnoresCase) {
  EXPECT_EQ(context_hash("idh_tips"), context_hash("IDH_TIPS"));
  EXPECT_NE(context_hash("IDH_TIPS"), context_hash("IDH_TIPT"));
}

TEST(WinhelpContextHash, WrapsAroundIn32Bits) {
  // Long ids overflow 32 bits many times; readers keep the low 32 bits as
  // a signed value.
  const std::string id = "IDH_SHORTCOMINGS_OF_THE_EDITOR";
  unsigned long long expected = 0;
  for (char c : id) {
    unsigned weight = c == '_' ? 13 : static_cast<unsigned>(c - 'A') + 17;
    expected = (expected * 43 + weight) % 0x100000000ULL;
  }
  EXPECT_EQ(static_cast<std::uint32_t>(context_hash(id)), expected);
}

TEST(WinhelpContextHash, AcceptsOnlyTheCharactersOfContextIds) {
  EXPECT_TRUE(winhelp::is_valid_context_id("IDH_READ_FIRST"));
  EXPECT_TRUE(winhelp::is_valid_context_id("topic.2"));
  EXPECT_FALSE(winhelp::is_valid_context_id(""));
  EXPECT_FALSE(winhelp::is_valid_context_id("two words"));
  EXPECT_FALSE(winhelp::is_valid_context_id("a-b"));
  EXPECT_FALSE(winhelp::is_valid_context_id("\xD1\xEE"));
}

}  // namespace
