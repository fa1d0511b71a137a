// The B+ trees of the help file: the internal directory, |CONTEXT and
// |TTLBTREE. Entries go into leaf pages of a fixed size, linked both ways;
// when one page is not enough, index pages above them lead to the leaf that
// holds a key.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/winhelp/bytes.h"

namespace winhelp {

struct BTreeEntry {
  Bytes key;    // written in leaves and, for the first entry of a page, in index pages
  Bytes value;  // written in leaves only
};

struct BTreeShape {
  std::string structure;    // field letters, e.g. "z4" (at most 15)
  std::uint16_t flags;      // 0x0002, plus 0x0400 for the directory
  std::uint16_t page_size;  // bytes per page
};

constexpr std::size_t kBTreeHeaderSize = 38;
constexpr std::size_t kLeafHeaderSize = 8;
constexpr std::size_t kIndexHeaderSize = 6;
constexpr std::uint16_t kBTreeMagic = 0x293B;
constexpr std::uint16_t kNoPage = 0xFFFF;

// Builds the whole tree (header and pages). Entries must already be in key
// order. Throws std::invalid_argument when one entry cannot fit a page.
Bytes build_btree(const BTreeShape& shape, const std::vector<BTreeEntry>& entries);

}  // namespace winhelp
