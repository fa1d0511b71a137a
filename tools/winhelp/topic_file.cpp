#include "tools/winhelp/topic_file.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "tools/winhelp/context_hash.h"
#include "tools/winhelp/fonts.h"

namespace winhelp {
namespace {

constexpr std::size_t kTopicHeaderSize = 28;
constexpr char kBullet = '\x95';  // "•" in Windows-1251

// Formatting commands between the strings of a text record.
constexpr std::uint8_t kCmdFont = 0x80;
constexpr std::uint8_t kCmdEndParagraph = 0x82;
constexpr std::uint8_t kCmdTab = 0x83;
constexpr std::uint8_t kCmdEndHotspot = 0x89;
constexpr std::uint8_t kCmdJump = 0xE3;
constexpr std::uint8_t kCmdEnd = 0xFF;

// Paragraph info bits and their values (half points).
constexpr unsigned kSpaceAbove = 0x0002;
constexpr unsigned kSpaceBelow = 0x0004;
constexpr unsigned kLeftIndent = 0x0010;
constexpr unsigned kFirstLineIndent = 0x0040;
constexpr unsigned kTabStops = 0x0200;
constexpr int kListIndent = 24;

struct Record {
  std::uint8_t type = 0;
  Bytes data1;  // after the 21-byte link header
  Bytes data2;
  std::uint32_t characters = 0;  // what the record adds to TOPICOFFSETs
  std::size_t topic = 0;
  std::size_t logical = 0;  // where it starts in the blocks' data
  std::size_t size() const { return kTopicLinkHeaderSize + data1.size() + data2.size(); }
};

// Strings of LinkData2 interleaved with the commands of LinkData1: every
// command is preceded by one NUL-terminated string, often empty.
class ParagraphText {
 public:
  void add(const std::string& text) { pending_ += text; }

  void command(std::uint8_t code) { command(Bytes{code}); }

  void command(const Bytes& code) {
    strings_.insert(strings_.end(), pending_.begin(), pending_.end());
    strings_.push_back(0);
    pending_.clear();
    put_bytes(commands_, code);
  }

  const Bytes& strings() const { return strings_; }
  const Bytes& commands() const { return commands_; }

 private:
  std::string pending_;
  Bytes strings_;
  Bytes commands_;
};

Bytes font_command(unsigned font) {
  Bytes code{kCmdFont};
  put_u16(code, font);
  return code;
}

Bytes jump_command(const std::string& target) {
  Bytes code{kCmdJump};
  put_u32(code, static_cast<std::uint32_t>(context_hash(target)));
  return code;
}

unsigned base_font(ParagraphStyle style) {
  switch (style) {
    case ParagraphStyle::Heading:
      return kFontHeading;
    case ParagraphStyle::Subheading:
      return kFontBold;
    default:
      return kFontBody;
  }
}

void put_paragraph_info(Bytes& out, ParagraphStyle style) {
  switch (style) {
    case ParagraphStyle::Heading:
      put_u16(out, kSpaceBelow);
      put_compressed_short(out, 12);
      break;
    case ParagraphStyle::Subheading:
      put_u16(out, kSpaceAbove);
      put_compressed_short(out, 16);
      break;
    case ParagraphStyle::Body:
      put_u16(out, kSpaceAbove);
      put_compressed_short(out, 12);
      break;
    case ParagraphStyle::ListItem:
      // A hanging indent with a tab stop at the text edge, so that wrapped
      // lines line up under the first word and not under the bullet.
      put_u16(out, kSpaceAbove | kLeftIndent | kFirstLineIndent | kTabStops);
      put_compressed_short(out, 6);
      put_compressed_short(out, kListIndent);
      put_compressed_short(out, -kListIndent / 2);
      put_compressed_short(out, 1);
      put_compressed_ushort(out, kListIndent);
      break;
  }
}

Record text_record(const Paragraph& paragraph, std::size_t topic) {
  const unsigned font = base_font(paragraph.style);
  ParagraphText text;
  text.command(font_command(font));
  if (paragraph.style == ParagraphStyle::ListItem) {
    text.add(std::string(1, kBullet));
    text.command(kCmdTab);
  }
  for (const Run& run : paragraph.runs) {
    switch (run.kind) {
      case Run::Kind::Plain:
        text.add(run.text);
        break;
      case Run::Kind::Bold:
        text.command(font_command(kFontBold));
        text.add(run.text);
        text.command(font_command(font));
        break;
      case Run::Kind::Jump:
        text.command(jump_command(run.target));
        text.add(run.text);
        text.command(kCmdEndHotspot);
        break;
    }
  }
  text.command(kCmdEndParagraph);
  text.command(kCmdEnd);

  Record record;
  record.type = kRecordText;
  record.topic = topic;
  record.data2 = text.strings();
  if (record.data2.size() >= 0x4000) throw std::invalid_argument("paragraph too long for one record");
  record.characters = static_cast<std::uint32_t>(record.data2.size());
  put_compressed_long(record.data1, static_cast<long>(record.data2.size()));
  put_compressed_ushort(record.data1, record.characters);
  put_u8(record.data1, 0x00);  // unknown byte
  put_u8(record.data1, 0x80);  // unknown byte, biased by 0x80
  put_u16(record.data1, 0);    // paragraph id
  put_paragraph_info(record.data1, paragraph.style);
  put_bytes(record.data1, text.commands());
  return record;
}

Record header_record(const Topic& topic, std::size_t index) {
  Record record;
  record.type = kRecordTopicHeader;
  record.topic = index;
  record.data1.assign(kTopicHeaderSize, 0);  // filled in once positions are known
  put_cstr(record.data2, topic.title);
  return record;
}

// Places records one after another; a link header never straddles two
// blocks, so a record that would start fewer than 21 bytes before a block
// end starts at the next block instead.
std::size_t lay_out(std::vector<Record>& records) {
  std::size_t logical = 0;
  for (Record& record : records) {
    const std::size_t left = kTopicBlockDataSize - logical % kTopicBlockDataSize;
    if (left < kTopicLinkHeaderSize) logical += left;
    record.logical = logical;
    logical += record.size();
  }
  return logical;
}

std::uint32_t block_of(std::size_t logical) {
  return static_cast<std::uint32_t>(logical / kTopicBlockDataSize);
}

// The character count restarts with every block in which a record starts.
std::vector<std::uint32_t> topic_offsets(const std::vector<Record>& records, std::size_t topics) {
  std::vector<std::uint32_t> offsets(topics);
  std::uint32_t block = kNoLink;
  std::uint32_t characters = 0;
  for (const Record& record : records) {
    if (block_of(record.logical) != block) {
      block = block_of(record.logical);
      characters = 0;
    }
    if (record.type == kRecordTopicHeader) offsets[record.topic] = block * 0x8000 + characters;
    characters += record.characters;
    if (characters >= 0x8000) throw std::invalid_argument("too much text in one topic block");
  }
  return offsets;
}

void fill_topic_headers(std::vector<Record>& records) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    Record& record = records[i];
    if (record.type != kRecordTopicHeader) continue;
    std::size_t end = i + 1;
    std::uint32_t size = static_cast<std::uint32_t>(record.size());
    while (end < records.size() && records[end].type != kRecordTopicHeader) {
      size += static_cast<std::uint32_t>(records[end++].size());
    }
    set_u32(record.data1, 0, size);
    set_u32(record.data1, 4, kNoLink);  // no browse sequence backwards
    set_u32(record.data1, 8, kNoLink);  // nor forwards
    set_u32(record.data1, 12, static_cast<std::uint32_t>(record.topic));
    set_u32(record.data1, 16, kNoLink);  // no non-scrolling region
    set_u32(record.data1, 20, i + 1 < end ? topic_pos_of(records[i + 1].logical) : kNoLink);
    set_u32(record.data1, 24, end < records.size() ? topic_pos_of(records[end].logical) : kNoLink);
  }
}

Bytes serialize(const std::vector<Record>& records, std::size_t length) {
  Bytes logical(length, 0);
  for (std::size_t i = 0; i < records.size(); ++i) {
    const Record& record = records[i];
    Bytes link;
    put_u32(link, static_cast<std::uint32_t>(record.size()));
    put_u32(link, static_cast<std::uint32_t>(record.data2.size()));
    put_u32(link, i > 0 ? topic_pos_of(records[i - 1].logical) : kNoLink);
    put_u32(link, i + 1 < records.size() ? topic_pos_of(records[i + 1].logical) : kNoLink);
    put_u32(link, static_cast<std::uint32_t>(kTopicLinkHeaderSize + record.data1.size()));
    put_u8(link, record.type);
    put_bytes(link, record.data1);
    put_bytes(link, record.data2);
    std::copy(link.begin(), link.end(), logical.begin() + static_cast<std::ptrdiff_t>(record.logical));
  }
  return logical;
}

// Each block: the last record started in earlier blocks, the first record
// starting in this one (or later) and the last topic header before it.
Bytes split_into_blocks(const Bytes& logical, const std::vector<Record>& records) {
  const std::size_t blocks = logical.empty() ? 1 : (logical.size() - 1) / kTopicBlockDataSize + 1;
  Bytes out;
  for (std::size_t b = 0; b < blocks; ++b) {
    const std::size_t begin = b * kTopicBlockDataSize;
    std::uint32_t last_link = kNoLink;
    std::uint32_t first_link = kNoLink;
    std::uint32_t last_header = kNoLink;
    for (const Record& record : records) {
      if (record.logical < begin) {
        last_link = topic_pos_of(record.logical);
        if (record.type == kRecordTopicHeader) last_header = last_link;
      } else if (first_link == kNoLink) {
        first_link = topic_pos_of(record.logical);
      }
    }
    put_u32(out, last_link);
    put_u32(out, first_link);
    put_u32(out, last_header);
    const std::size_t end = std::min(logical.size(), begin + kTopicBlockDataSize);
    out.insert(out.end(), logical.begin() + static_cast<std::ptrdiff_t>(begin),
               logical.begin() + static_cast<std::ptrdiff_t>(end));
    // Readers copy whole blocks, so the last one is padded too.
    out.insert(out.end(), begin + kTopicBlockDataSize - end, 0);
  }
  return out;
}

}  // namespace

std::uint32_t topic_pos_of(std::size_t logical) {
  return block_of(logical) * 0x4000 + static_cast<std::uint32_t>(logical % kTopicBlockDataSize) +
         kTopicBlockHeaderSize;
}

TopicFile build_topic_file(const std::vector<Topic>& topics) {
  std::vector<Record> records;
  for (std::size_t t = 0; t < topics.size(); ++t) {
    records.push_back(header_record(topics[t], t));
    for (const Paragraph& paragraph : topics[t].paragraphs) records.push_back(text_record(paragraph, t));
  }
  const std::size_t length = lay_out(records);
  fill_topic_headers(records);

  TopicFile file;
  file.topic_offsets = topic_offsets(records, topics.size());
  for (const Record& record : records) {
    if (record.type == kRecordTopicHeader) file.topic_positions.push_back(topic_pos_of(record.logical));
  }
  file.data = split_into_blocks(serialize(records, length), records);
  return file;
}

}  // namespace winhelp
