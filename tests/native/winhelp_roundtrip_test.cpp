// Builds help files and reads them back with a small reader that follows
// the same rules as help viewers: the directory tree, |SYSTEM records, the
// context map and tree, and the chain of topic records.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tools/winhelp/btree.h"
#include "tools/winhelp/context_hash.h"
#include "tools/winhelp/cp1251.h"
#include "tools/winhelp/help_file.h"
#include "tools/winhelp/help_source.h"
#include "tools/winhelp/topic_file.h"

namespace {

using winhelp::Bytes;
using winhelp::get_u16;
using winhelp::get_u32;

struct Page {
  std::uint32_t offset = 0;
  std::string title;
  std::string text;  // paragraphs end with '\n', tabs are '\t'
  std::vector<std::int32_t> jumps;
};

class Reader {
 public:
  explicit Reader(Bytes data) : data_(std::move(data)) {
    if (get_u32(data_, 0) != winhelp::kHelpFileMagic) throw std::runtime_error("magic");
    if (get_u32(data_, 12) != data_.size()) throw std::runtime_error("file size");
    const Bytes directory = internal_at(get_u32(data_, 4));
    for_each_leaf_entry(directory, [&](const Bytes& tree, std::size_t at) {
      const std::string name(reinterpret_cast<const char*>(&tree[at]));
      files_[name] = internal_at(get_u32(tree, at + name.size() + 1));
      return name.size() + 5;
    });
    read_system();
    read_topics();
  }

  bool has(const std::string& name) const { return files_.count(name) > 0; }
  const Bytes& file(const std::string& name) const { return files_.at(name); }
  const std::map<std::uint16_t, Bytes>& system() const { return system_; }
  const std::vector<Page>& pages() const { return pages_; }

  std::optional<std::uint32_t> offset_by_number(std::int32_t number) const {
    const Bytes& map = file("|CTXOMAP");
    for (unsigned i = 0; i < get_u16(map, 0); ++i) {
      if (static_cast<std::int32_t>(get_u32(map, 2 + 8 * i)) == number) return get_u32(map, 6 + 8 * i);
    }
    return std::nullopt;
  }

  std::optional<std::uint32_t> offset_by_hash(std::int32_t hash) const {
    std::optional<std::uint32_t> found;
    for_each_leaf_entry(file("|CONTEXT"), [&](const Bytes& tree, std::size_t at) {
      if (static_cast<std::int32_t>(get_u32(tree, at)) == hash) found = get_u32(tree, at + 4);
      return std::size_t{8};
    });
    return found;
  }

  std::map<std::uint32_t, std::string> titles() const {
    std::map<std::uint32_t, std::string> out;
    for_each_leaf_entry(file("|TTLBTREE"), [&](const Bytes& tree, std::size_t at) {
      const std::string title(reinterpret_cast<const char*>(&tree[at + 4]));
      out[get_u32(tree, at)] = title;
      return title.size() + 5;
    });
    return out;
  }

  // The page that shows a TOPICOFFSET: the last one starting at or before it.
  const Page* page_at(std::uint32_t offset) const {
    const Page* found = nullptr;
    for (const Page& page : pages_) {
      if (page.offset <= offset && (!found || page.offset > found->offset)) found = &page;
    }
    return found;
  }

 private:
  Bytes internal_at(std::size_t at) const {
    const std::uint32_t reserved = get_u32(data_, at);
    const std::uint32_t used = get_u32(data_, at + 4);
    if (reserved < used + 9 || at + reserved > data_.size()) throw std::runtime_error("internal file size");
    return Bytes(data_.begin() + at + 9, data_.begin() + at + 9 + used);
  }

  template <typename Visit>
  static void for_each_leaf_entry(const Bytes& tree, Visit visit) {
    if (get_u16(tree, 0) != winhelp::kBTreeMagic) throw std::runtime_error("B+ tree magic");
    const std::size_t page_size = get_u16(tree, 4);
    unsigned page = get_u16(tree, 26);
    for (unsigned level = 1; level < get_u16(tree, 32); ++level) {
      page = get_u16(tree, winhelp::kBTreeHeaderSize + page * page_size + 4);
    }
    while (page != winhelp::kNoPage) {
      const std::size_t start = winhelp::kBTreeHeaderSize + page * page_size;
      std::size_t at = start + winhelp::kLeafHeaderSize;
      for (unsigned i = 0; i < get_u16(tree, start + 2); ++i) at += visit(tree, at);
      page = get_u16(tree, start + 6);
    }
  }

  void read_system() {
    const Bytes& system = file("|SYSTEM");
    if (get_u16(system, 0) != winhelp::kSystemMagic) throw std::runtime_error("system magic");
    for (std::size_t at = 12; at + 4 <= system.size(); at += 4 + get_u16(system, at + 2)) {
      system_[get_u16(system, at)] =
          Bytes(system.begin() + at + 4, system.begin() + at + 4 + get_u16(system, at + 2));
    }
  }

  static unsigned compressed_ushort(const Bytes& in, std::size_t& at) {
    if (in[at] & 1) {
      at += 2;
      return get_u16(in, at - 2) / 2;
    }
    return in[at++] / 2;
  }

  static void skip_compressed_short(const Bytes& in, std::size_t& at) { at += (in[at] & 1) ? 2 : 1; }

  // The blocks' data laid end to end, block headers left out.
  Bytes logical_topic() const {
    const Bytes& topic = file("|TOPIC");
    if (topic.size() % winhelp::kTopicBlockSize != 0) throw std::runtime_error("partial topic block");
    Bytes out;
    for (std::size_t b = 0; b < topic.size(); b += winhelp::kTopicBlockSize) {
      out.insert(out.end(), topic.begin() + b + 12, topic.begin() + b + winhelp::kTopicBlockSize);
    }
    return out;
  }

  void read_topics() {
    const Bytes topic = logical_topic();
    std::uint32_t position = 12;
    std::uint32_t block = winhelp::kNoLink;
    std::uint32_t characters = 0;
    while (position != winhelp::kNoLink) {
      const std::uint32_t this_block = (position - 12) >> 14;
      const std::size_t at = this_block * winhelp::kTopicBlockDataSize + ((position - 12) & 0x3FFF);
      if (this_block != block) {
        block = this_block;
        characters = 0;
      }
      const std::uint32_t data1_end = get_u32(topic, at + 16);
      const Bytes data1(topic.begin() + at + 21, topic.begin() + at + data1_end);
      const Bytes data2(topic.begin() + at + data1_end, topic.begin() + at + get_u32(topic, at));
      if (data2.size() != get_u32(topic, at + 4)) throw std::runtime_error("compressed text");
      if (topic[at + 20] == winhelp::kRecordTopicHeader) {
        pages_.push_back(
            {block * 0x8000 + characters, std::string(reinterpret_cast<const char*>(data2.data())), {}, {}});
      } else if (topic[at + 20] == winhelp::kRecordText) {
        characters += read_paragraph(data1, data2);
      } else {
        throw std::runtime_error("record type");
      }
      position = get_u32(topic, at + 12);
    }
  }

  unsigned read_paragraph(const Bytes& data1, const Bytes& data2) {
    Page& page = pages_.back();
    std::size_t at = (data1[0] & 1) ? 4 : 2;  // topic size
    const unsigned length = compressed_ushort(data1, at);
    at += 4;
    const unsigned bits = get_u16(data1, at);
    at += 2;
    for (unsigned bit : {0x02u, 0x04u, 0x08u, 0x10u, 0x20u, 0x40u}) {
      if (bits & bit) skip_compressed_short(data1, at);
    }
    if (bits & 0x0200) {
      const unsigned stops = data1[at] / 2 - 64;
      skip_compressed_short(data1, at);
      for (unsigned i = 0; i < stops; ++i) compressed_ushort(data1, at);
    }
    std::size_t text = 0;
    while (at < data1.size()) {
      const std::string piece(reinterpret_cast<const char*>(&data2[text]));
      page.text += piece;
      text += piece.size() + 1;
      const std::uint8_t command = data1[at++];
      if (command == 0xFF) break;
      if (command == 0x80) at += 2;
      if (command == 0x82) page.text += '\n';
      if (command == 0x83) page.text += '\t';
      if (command == 0xE3) {
        page.jumps.push_back(static_cast<std::int32_t>(get_u32(data1, at)));
        at += 4;
      }
    }
    return length;
  }

  Bytes data_;
  std::map<std::string, Bytes> files_;
  std::map<std::uint16_t, Bytes> system_;
  std::vector<Page> pages_;
};

std::string cp(const std::string& utf8) {
  const auto converted = winhelp::utf8_to_cp1251(utf8);
  if (!converted) throw std::invalid_argument("test text outside Windows-1251");
  return *converted;
}

winhelp::HelpProject project_of(const std::string& source) {
  winhelp::HelpProject project;
  winhelp::parse_help_source(source, "test.txt", project);
  winhelp::finish_project(project);
  return project;
}

const std::string kSample =
    "@title Проверка\n"
    "@contents HOME\n"
    "@topic 7 FIRST Первая\n"
    "Текст **первой** темы.\n"
    "@topic HOME Содержание\n"
    "- [[FIRST]]\n"
    "- [[SECOND|вторая тема]]\n"
    "@topic 135 SECOND Вторая\n"
    "Текст второй темы.\n";

TEST(WinhelpRoundTrip, FindsEachTopicByNumberHashAndTitle) {
  const Reader reader(winhelp::build_help_file(project_of(kSample)));

  for (const char* name : {"|SYSTEM", "|FONT", "|TOPIC", "|CONTEXT", "|CTXOMAP", "|TTLBTREE"}) {
    EXPECT_TRUE(reader.has(name)) << name;
  }
  ASSERT_EQ(reader.pages().size(), 3u);

  const auto first = reader.offset_by_number(7);
  ASSERT_TRUE(first);
  ASSERT_TRUE(reader.page_at(*first));
  EXPECT_EQ(reader.page_at(*first)->title, cp("Первая"));
  EXPECT_EQ(reader.page_at(*first)->text, cp("Первая\nТекст первой темы.\n"));

  const auto second = reader.offset_by_number(135);
  ASSERT_TRUE(second);
  EXPECT_EQ(reader.page_at(*second)->title, cp("Вторая"));
  EXPECT_FALSE(reader.offset_by_number(20)) << "only numbered topics are in the map";

  EXPECT_EQ(reader.offset_by_hash(winhelp::context_hash("HOME")), reader.pages()[1].offset);
  EXPECT_EQ(reader.offset_by_hash(winhelp::context_hash("second")), *second);

  const auto titles = reader.titles();
  ASSERT_EQ(titles.size(), 3u);
  for (const Page& page : reader.pages()) EXPECT_EQ(titles.at(page.offset), page.title);
}

TEST(WinhelpRoundTrip, JumpsAndContentsLeadToTheirTopics) {
  const Reader reader(winhelp::build_help_file(project_of(kSample)));

  const auto& contents = reader.system().at(winhelp::kSysContents);
  ASSERT_EQ(contents.size(), 4u);
  EXPECT_EQ(reader.page_at(get_u32(contents, 0))->title, cp("Содержание"));

  const Page& home = reader.pages()[1];
  EXPECT_EQ(home.text, cp("Содержание\n•\tПервая\n•\tвторая тема\n"));
  ASSERT_EQ(home.jumps.size(), 2u);
  std::vector<std::string> targets;
  for (std::int32_t hash : home.jumps) {
    const auto offset = reader.offset_by_hash(hash);
    ASSERT_TRUE(offset);
    targets.push_back(reader.page_at(*offset)->title);
  }
  EXPECT_EQ(targets, (std::vector<std::string>{cp("Первая"), cp("Вторая")}));
}

TEST(WinhelpRoundTrip, SystemCarriesTitleRussianCharsetAndLocale) {
  const Reader reader(winhelp::build_help_file(project_of(kSample)));
  const auto& system = reader.system();

  EXPECT_EQ(get_u16(reader.file("|SYSTEM"), 2), winhelp::kFormatMinor);
  EXPECT_EQ(get_u16(reader.file("|SYSTEM"), 10), 0) << "uncompressed 4 KiB topic blocks";
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(system.at(winhelp::kSysTitle).data())), cp("Проверка"));
  EXPECT_EQ(get_u16(system.at(winhelp::kSysCharset), 0), 204);
  ASSERT_EQ(system.at(winhelp::kSysLcid).size(), 10u);
  EXPECT_EQ(get_u16(system.at(winhelp::kSysLcid), 8), 0x0419);
  const Bytes& window = system.at(winhelp::kSysWindow);
  ASSERT_EQ(window.size(), 90u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&window[12])), "main");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&window[21])), cp("Проверка"));
}

TEST(WinhelpRoundTrip, OffsetsCountPerBlockWhenTopicsFillSeveralBlocks) {
  // Twelve topics of about 900 characters spread over several 4 KiB
  // blocks; each must still be found by its number.
  std::string source = "@title Big\n";
  for (int t = 0; t < 12; ++t) {
    source +=
        "@topic " + std::to_string(t + 1) + " T" + std::to_string(t) + " Title" + std::to_string(t) + "\n";
    for (int p = 0; p < 3; ++p) source += std::string(290, static_cast<char>('a' + t)) + "\n\n";
  }
  const Bytes file = winhelp::build_help_file(project_of(source));
  const Reader reader(file);

  EXPECT_GE(reader.file("|TOPIC").size() / winhelp::kTopicBlockSize, 3u);
  std::set<std::uint32_t> blocks;
  for (int t = 0; t < 12; ++t) {
    const auto offset = reader.offset_by_number(t + 1);
    ASSERT_TRUE(offset);
    const Page* page = reader.page_at(*offset);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->title, "Title" + std::to_string(t));
    EXPECT_NE(page->text.find(std::string(290, static_cast<char>('a' + t))), std::string::npos);
    blocks.insert(*offset / 0x8000);
  }
  EXPECT_GE(blocks.size(), 3u) << "topics start in several blocks";
}

TEST(WinhelpRoundTrip, ProgramHelpSourcesOpenEveryTopicTheProgramAsksFor) {
  const std::filesystem::path folder =
      std::filesystem::path(TEST_DATA_DIR) / ".." / ".." / "documents" / "help";
  std::vector<std::filesystem::path> sources;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".txt") sources.push_back(entry.path());
  }
  std::sort(sources.begin(), sources.end());
  ASSERT_FALSE(sources.empty());

  winhelp::HelpProject project;
  for (const auto& path : sources) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    winhelp::parse_help_source(text.str(), path.filename().string(), project);
  }
  winhelp::finish_project(project);
  const Reader reader(winhelp::build_help_file(project));

  const std::map<std::int32_t, std::string> expected = {
      {20, "Что нового"}, {100, "Советы"}, {130, "Обязательно прочти"}, {135, "Недостатки"}};
  for (const auto& [number, title] : expected) {
    const auto offset = reader.offset_by_number(number);
    ASSERT_TRUE(offset) << number;
    const Page* page = reader.page_at(*offset);
    ASSERT_TRUE(page) << number;
    EXPECT_EQ(page->title, cp(title)) << number;
    EXPECT_GT(page->text.size(), 200u) << number;
  }
  const auto& contents = reader.system().at(winhelp::kSysContents);
  EXPECT_EQ(reader.page_at(get_u32(contents, 0))->title, cp("Содержание"));
  for (const Page& page : reader.pages()) {
    for (std::int32_t hash : page.jumps) EXPECT_TRUE(reader.offset_by_hash(hash)) << page.title;
  }
}

}  // namespace
