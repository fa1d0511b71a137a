#include "tools/winhelp/help_file.h"

#include <algorithm>
#include <stdexcept>

#include "tools/winhelp/btree.h"
#include "tools/winhelp/context_hash.h"
#include "tools/winhelp/fonts.h"
#include "tools/winhelp/topic_file.h"

namespace winhelp {
namespace {

constexpr std::size_t kFileHeaderSize = 9;
constexpr std::size_t kFaceNameSize = 20;

struct FontDescriptor {
  std::uint8_t attributes;  // 1 bold
  std::uint8_t half_points;
  std::uint8_t red, green, blue;
};

// Indexed by FontIndex.
constexpr FontDescriptor kFonts[kFontCount] = {
    {0, 20, 0x00, 0x00, 0x00},  // body: 10 pt
    {1, 20, 0x00, 0x00, 0x00},  // bold body
    {1, 28, 0x00, 0x00, 0x80},  // topic heading: 14 pt, dark blue
};
constexpr char kFaceName[] = "Arial";
constexpr std::uint8_t kFamilySwiss = 3;

void put_file_header(Bytes& out, std::size_t used) {
  put_u32(out, static_cast<std::uint32_t>(used + kFileHeaderSize));  // reserved, header included
  put_u32(out, static_cast<std::uint32_t>(used));
  put_u8(out, kFileFlags);
}

void put_system_record(Bytes& out, std::uint16_t type, const Bytes& data) {
  put_u16(out, type);
  put_u16(out, static_cast<unsigned>(data.size()));
  put_bytes(out, data);
}

// The main window's definition, so that viewers caption it with the help
// file's title; position, size and colours stay the viewer's defaults.
Bytes main_window(const std::string& title) {
  constexpr unsigned kNameValid = 0x0002;
  constexpr unsigned kCaptionValid = 0x0004;
  Bytes out;
  put_u16(out, kNameValid | kCaptionValid);
  out.insert(out.end(), 10, 0);  // type
  std::string name = "main";
  name.resize(9, '\0');
  out.insert(out.end(), name.begin(), name.end());
  std::string caption = title.substr(0, 50);
  caption.resize(51, '\0');
  out.insert(out.end(), caption.begin(), caption.end());
  for (int i = 0; i < 5; ++i) put_u16(out, 0);  // x, y, width, height, maximize
  put_u32(out, 0);                              // colour of the scrolling region
  put_u32(out, 0);                              // and of the non-scrolling one
  return out;
}

Bytes system_file(const HelpProject& project, std::uint32_t contents_offset) {
  Bytes out;
  put_u16(out, kSystemMagic);
  put_u16(out, kFormatMinor);
  put_u16(out, 1);  // major
  put_u32(out, 0);  // no build date, so that equal sources give equal files
  put_u16(out, 0);  // flags: topic blocks of 4 KiB, not compressed

  Bytes title;
  put_cstr(title, project.title);
  put_system_record(out, kSysTitle, title);

  Bytes contents;
  put_u32(contents, contents_offset);
  put_system_record(out, kSysContents, contents);

  Bytes lcid;
  for (int i = 0; i < 4; ++i) put_u16(lcid, 0);
  put_u16(lcid, kLcidRussian);
  put_system_record(out, kSysLcid, lcid);

  Bytes charset;
  put_u16(charset, kCharsetRussian);
  put_system_record(out, kSysCharset, charset);

  put_system_record(out, kSysWindow, main_window(project.title));
  return out;
}

Bytes font_file() {
  Bytes out;
  const std::size_t faces_at = 8;
  put_u16(out, 1);  // face names
  put_u16(out, kFontCount);
  put_u16(out, static_cast<unsigned>(faces_at));
  put_u16(out, static_cast<unsigned>(faces_at + kFaceNameSize));
  std::string face = kFaceName;
  face.resize(kFaceNameSize, '\0');
  out.insert(out.end(), face.begin(), face.end());
  for (const FontDescriptor& font : kFonts) {
    put_u8(out, font.attributes);
    put_u8(out, font.half_points);
    put_u8(out, kFamilySwiss);
    put_u16(out, 0);  // face name index
    put_u8(out, font.red);
    put_u8(out, font.green);
    put_u8(out, font.blue);
    for (int i = 0; i < 3; ++i) put_u8(out, 0xFF);  // background, unused
  }
  return out;
}

Bytes context_file(const HelpProject& project, const TopicFile& topics) {
  std::vector<std::pair<std::int32_t, std::uint32_t>> rows;
  for (std::size_t i = 0; i < project.topics.size(); ++i) {
    rows.emplace_back(context_hash(project.topics[i].context_id), topics.topic_offsets[i]);
  }
  std::sort(rows.begin(), rows.end());  // signed order, as readers compare
  std::vector<BTreeEntry> entries;
  for (const auto& row : rows) {
    BTreeEntry entry;
    put_u32(entry.key, static_cast<std::uint32_t>(row.first));
    put_u32(entry.value, row.second);
    entries.push_back(std::move(entry));
  }
  return build_btree({"L4", 0x0002, 0x0800}, entries);
}

Bytes context_map_file(const HelpProject& project, const TopicFile& topics) {
  std::vector<std::pair<std::int32_t, std::uint32_t>> rows;
  for (std::size_t i = 0; i < project.topics.size(); ++i) {
    if (project.topics[i].number) rows.emplace_back(*project.topics[i].number, topics.topic_offsets[i]);
  }
  std::sort(rows.begin(), rows.end());
  Bytes out;
  put_u16(out, static_cast<unsigned>(rows.size()));
  for (const auto& row : rows) {
    put_u32(out, static_cast<std::uint32_t>(row.first));
    put_u32(out, row.second);
  }
  return out;
}

Bytes title_file(const HelpProject& project, const TopicFile& topics) {
  std::vector<std::pair<std::uint32_t, std::string>> rows;
  for (std::size_t i = 0; i < project.topics.size(); ++i) {
    rows.emplace_back(topics.topic_offsets[i], project.topics[i].title);
  }
  std::sort(rows.begin(), rows.end());
  std::vector<BTreeEntry> entries;
  for (const auto& row : rows) {
    BTreeEntry entry;
    put_u32(entry.key, row.first);
    put_cstr(entry.value, row.second);
    entries.push_back(std::move(entry));
  }
  return build_btree({"Lz", 0x0002, 0x0800}, entries);
}

std::uint32_t contents_offset(const HelpProject& project, const TopicFile& topics) {
  for (std::size_t i = 0; i < project.topics.size(); ++i) {
    if (project.topics[i].context_id == project.contents_id) return topics.topic_offsets[i];
  }
  throw std::invalid_argument("contents topic missing");
}

}  // namespace

Bytes build_container(std::vector<InternalFile> files) {
  // The directory is searched with a byte-wise comparison of names.
  std::sort(files.begin(), files.end(),
            [](const InternalFile& a, const InternalFile& b) { return a.first < b.first; });
  Bytes out(16, 0);
  std::vector<BTreeEntry> directory;
  for (const auto& [name, content] : files) {
    BTreeEntry entry;
    put_cstr(entry.key, name);
    put_u32(entry.value, static_cast<std::uint32_t>(out.size()));
    directory.push_back(std::move(entry));
    put_file_header(out, content.size());
    put_bytes(out, content);
  }
  const std::size_t directory_at = out.size();
  const Bytes tree = build_btree({"z4", 0x0402, 0x0400}, directory);
  put_file_header(out, tree.size());
  put_bytes(out, tree);

  set_u32(out, 0, kHelpFileMagic);
  set_u32(out, 4, static_cast<std::uint32_t>(directory_at));
  set_u32(out, 8, 0xFFFFFFFF);  // no free blocks
  set_u32(out, 12, static_cast<std::uint32_t>(out.size()));
  return out;
}

Bytes build_help_file(const HelpProject& project) {
  const TopicFile topics = build_topic_file(project.topics);
  return build_container({
      {"|SYSTEM", system_file(project, contents_offset(project, topics))},
      {"|FONT", font_file()},
      {"|TOPIC", topics.data},
      {"|CONTEXT", context_file(project, topics)},
      {"|CTXOMAP", context_map_file(project, topics)},
      {"|TTLBTREE", title_file(project, topics)},
  });
}

}  // namespace winhelp
