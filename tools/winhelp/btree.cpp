#include "tools/winhelp/btree.h"

#include <stdexcept>

namespace winhelp {
namespace {

struct Page {
  Bytes body;  // entries after the page header
  unsigned entries = 0;
  std::uint16_t previous = kNoPage;  // leaves: previous leaf; index pages: first child
};

// A page of the level below, as the level above sees it.
struct Child {
  std::uint16_t page;
  Bytes first_key;
};

std::vector<Page> fill_leaves(const BTreeShape& shape, const std::vector<BTreeEntry>& entries,
                              std::vector<Bytes>& first_keys) {
  std::vector<Page> leaves(1);
  first_keys.clear();
  for (const BTreeEntry& entry : entries) {
    const std::size_t size = entry.key.size() + entry.value.size();
    if (kLeafHeaderSize + size > shape.page_size) {
      throw std::invalid_argument("B+ tree entry larger than a page");
    }
    if (kLeafHeaderSize + leaves.back().body.size() + size > shape.page_size) leaves.emplace_back();
    Page& page = leaves.back();
    if (page.entries == 0) first_keys.push_back(entry.key);
    put_bytes(page.body, entry.key);
    put_bytes(page.body, entry.value);
    ++page.entries;
  }
  if (first_keys.empty()) first_keys.emplace_back();
  return leaves;
}

// One level of index pages over the given children; the first child of each
// page is its "previous page", every further child an entry (key, page).
std::vector<Page> fill_index_level(const BTreeShape& shape, const std::vector<Child>& children,
                                   std::vector<Bytes>& first_keys) {
  std::vector<Page> pages;
  first_keys.clear();
  for (const Child& child : children) {
    const std::size_t size = child.first_key.size() + 2;
    if (kIndexHeaderSize + size > shape.page_size) {
      throw std::invalid_argument("B+ tree key larger than an index page");
    }
    if (pages.empty() || kIndexHeaderSize + pages.back().body.size() + size > shape.page_size) {
      pages.emplace_back();
      pages.back().previous = child.page;
      first_keys.push_back(child.first_key);
      continue;
    }
    Page& page = pages.back();
    put_bytes(page.body, child.first_key);
    put_u16(page.body, child.page);
    ++page.entries;
  }
  return pages;
}

void write_page(Bytes& out, const BTreeShape& shape, const Page& page, bool leaf, std::uint16_t next) {
  const std::size_t header = leaf ? kLeafHeaderSize : kIndexHeaderSize;
  const std::size_t unused = shape.page_size - header - page.body.size();
  put_u16(out, static_cast<unsigned>(unused));
  put_u16(out, page.entries);
  put_u16(out, page.previous);
  if (leaf) put_u16(out, next);
  put_bytes(out, page.body);
  out.insert(out.end(), unused, 0);
}

}  // namespace

Bytes build_btree(const BTreeShape& shape, const std::vector<BTreeEntry>& entries) {
  if (shape.structure.size() > 15) throw std::invalid_argument("B+ tree structure too long");

  std::vector<Bytes> first_keys;
  std::vector<Page> leaves = fill_leaves(shape, entries, first_keys);
  for (std::size_t i = 1; i < leaves.size(); ++i) leaves[i].previous = static_cast<std::uint16_t>(i - 1);

  // Pages are numbered leaves first, then each index level bottom-up; the
  // root is the last page written.
  std::vector<std::vector<Page>> index_levels;
  std::vector<Child> children;
  for (std::size_t i = 0; i < leaves.size(); ++i) {
    children.push_back({static_cast<std::uint16_t>(i), first_keys[i]});
  }
  std::size_t next_page = leaves.size();
  while (children.size() > 1) {
    std::vector<Page> level = fill_index_level(shape, children, first_keys);
    children.clear();
    for (std::size_t i = 0; i < level.size(); ++i) {
      children.push_back({static_cast<std::uint16_t>(next_page + i), first_keys[i]});
    }
    next_page += level.size();
    index_levels.push_back(std::move(level));
  }
  if (next_page > 0xFFFE) throw std::invalid_argument("B+ tree has too many pages");

  Bytes out;
  put_u16(out, kBTreeMagic);
  put_u16(out, shape.flags);
  put_u16(out, shape.page_size);
  std::string structure = shape.structure;
  structure.resize(16, '\0');
  out.insert(out.end(), structure.begin(), structure.end());
  put_u16(out, 0);                                               // must be zero
  put_u16(out, 0);                                               // page splits
  put_u16(out, static_cast<unsigned>(next_page - 1));            // root page
  put_u16(out, 0xFFFF);                                          // must be -1
  put_u16(out, static_cast<unsigned>(next_page));                // total pages
  put_u16(out, static_cast<unsigned>(index_levels.size() + 1));  // levels
  put_u32(out, static_cast<std::uint32_t>(entries.size()));

  for (std::size_t i = 0; i < leaves.size(); ++i) {
    const std::uint16_t next = i + 1 < leaves.size() ? static_cast<std::uint16_t>(i + 1) : kNoPage;
    write_page(out, shape, leaves[i], true, next);
  }
  for (const auto& level : index_levels) {
    for (const Page& page : level) write_page(out, shape, page, false, 0);
  }
  return out;
}

}  // namespace winhelp
