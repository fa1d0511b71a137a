#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "tools/winhelp/btree.h"

namespace {

using winhelp::BTreeEntry;
using winhelp::Bytes;
using winhelp::get_u16;
using winhelp::get_u32;

BTreeEntry named(const std::string& name, std::uint32_t value) {
  BTreeEntry entry;
  winhelp::put_cstr(entry.key, name);
  winhelp::put_u32(entry.value, value);
  return entry;
}

// Looks a name up the way help viewers do: down the index pages (the page
// before the first key greater than the name), then along the leaf.
std::optional<std::uint32_t> find_name(const Bytes& tree, const std::string& name) {
  const std::size_t page_size = get_u16(tree, 4);
  unsigned page = get_u16(tree, 26);
  const unsigned levels = get_u16(tree, 32);
  const auto page_at = [&](unsigned number) { return winhelp::kBTreeHeaderSize + number * page_size; };
  for (unsigned level = 1; level < levels; ++level) {
    std::size_t at = page_at(page);
    const unsigned entries = get_u16(tree, at + 2);
    unsigned child = get_u16(tree, at + 4);
    at += winhelp::kIndexHeaderSize;
    for (unsigned i = 0; i < entries; ++i) {
      const std::string key(reinterpret_cast<const char*>(&tree[at]));
      if (key > name) break;
      at += key.size() + 1;
      child = get_u16(tree, at);
      at += 2;
    }
    page = child;
  }
  std::size_t at = page_at(page);
  const unsigned entries = get_u16(tree, at + 2);
  at += winhelp::kLeafHeaderSize;
  for (unsigned i = 0; i < entries; ++i) {
    const std::string key(reinterpret_cast<const char*>(&tree[at]));
    if (key == name) return get_u32(tree, at + key.size() + 1);
    at += key.size() + 5;
  }
  return std::nullopt;
}

TEST(WinhelpBTree, SingleLeafHasHeaderAndEntriesInOrder) {
  const Bytes tree = winhelp::build_btree({"z4", 0x0402, 64}, {named("|A", 7), named("|B", 9)});

  ASSERT_EQ(tree.size(), winhelp::kBTreeHeaderSize + 64);
  EXPECT_EQ(get_u16(tree, 0), 0x293B);
  EXPECT_EQ(get_u16(tree, 2), 0x0402);
  EXPECT_EQ(get_u16(tree, 4), 64);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&tree[6])), "z4");
  EXPECT_EQ(tree[6 + 15], 0) << "structure is NUL padded to 16 bytes";
  EXPECT_EQ(get_u16(tree, 22), 0);       // must be zero
  EXPECT_EQ(get_u16(tree, 26), 0);       // root page
  EXPECT_EQ(get_u16(tree, 28), 0xFFFF);  // must be -1
  EXPECT_EQ(get_u16(tree, 30), 1);       // pages
  EXPECT_EQ(get_u16(tree, 32), 1);       // levels
  EXPECT_EQ(get_u32(tree, 34), 2u);      // entries

  const std::size_t leaf = winhelp::kBTreeHeaderSize;
  const std::size_t used = 2 * (3 + 4);
  EXPECT_EQ(get_u16(tree, leaf), 64 - 8 - used) << "free bytes at the end of the page";
  EXPECT_EQ(get_u16(tree, leaf + 2), 2);
  EXPECT_EQ(get_u16(tree, leaf + 4), 0xFFFF) << "no previous leaf";
  EXPECT_EQ(get_u16(tree, leaf + 6), 0xFFFF) << "no next leaf";
  const Bytes first(tree.begin() + leaf + 8, tree.begin() + leaf + 15);
  EXPECT_EQ(first, (Bytes{'|', 'A', 0, 7, 0, 0, 0}));
  EXPECT_EQ(get_u32(tree, leaf + 8 + 7 + 3), 9u);
  for (std::size_t i = leaf + 8 + used; i < tree.size(); ++i) ASSERT_EQ(tree[i], 0) << i;
}

TEST(WinhelpBTree, ManyEntriesSplitIntoLinkedLeavesUnderIndexPages) {
  std::vector<BTreeEntry> entries;
  std::map<std::string, std::uint32_t> expected;
  for (unsigned i = 0; i < 300; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "|F%05u", i);
    entries.push_back(named(name, i * 3 + 1));
    expected[name] = i * 3 + 1;
  }
  const std::size_t page_size = 128;
  const Bytes tree = winhelp::build_btree({"z4", 0x0402, static_cast<std::uint16_t>(page_size)}, entries);

  const unsigned pages = get_u16(tree, 30);
  ASSERT_EQ(tree.size(), winhelp::kBTreeHeaderSize + pages * page_size);
  EXPECT_GE(get_u16(tree, 32), 3) << "300 entries of 12 bytes need two index levels at 128 bytes a page";

  // The leaves, followed from the first, hold every entry once and in order.
  unsigned page = 0;
  unsigned previous = 0xFFFF;
  unsigned seen = 0;
  while (page != 0xFFFF) {
    const std::size_t at = winhelp::kBTreeHeaderSize + page * page_size;
    EXPECT_EQ(get_u16(tree, at + 4), previous);
    seen += get_u16(tree, at + 2);
    previous = page;
    page = get_u16(tree, at + 6);
  }
  EXPECT_EQ(seen, 300u);

  for (const auto& [name, value] : expected) {
    EXPECT_EQ(find_name(tree, name), value) << name;
  }
  EXPECT_FALSE(find_name(tree, "|F00000x"));
  EXPECT_FALSE(find_name(tree, "|A"));
}

TEST(WinhelpBTree, RejectsAnEntryLargerThanAPage) {
  const std::string long_name(80, 'x');
  EXPECT_THROW(winhelp::build_btree({"z4", 0x0402, 64}, {named(long_name, 1)}), std::invalid_argument);
}

}  // namespace
