#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tools/winhelp/topic_file.h"

namespace {

using winhelp::get_u32;
using winhelp::kTopicBlockDataSize;
using winhelp::kTopicBlockSize;

TEST(WinhelpTopicFile, PositionsCountBlocksBy0x4000AndSkipTheBlockHeader) {
  EXPECT_EQ(winhelp::topic_pos_of(0), 12u);
  EXPECT_EQ(winhelp::topic_pos_of(100), 112u);
  EXPECT_EQ(winhelp::topic_pos_of(kTopicBlockDataSize - 1), 0xFFFu);
  EXPECT_EQ(winhelp::topic_pos_of(kTopicBlockDataSize), 0x4000u + 12);
  EXPECT_EQ(winhelp::topic_pos_of(2 * kTopicBlockDataSize + 5), 0x8000u + 17);
}

std::vector<winhelp::Topic> topics_of_size(int count, std::size_t paragraph_bytes, int paragraphs) {
  std::vector<winhelp::Topic> topics;
  for (int t = 0; t < count; ++t) {
    winhelp::Topic topic;
    topic.context_id = "T" + std::to_string(t);
    topic.title = "Title " + std::to_string(t);
    for (int p = 0; p < paragraphs; ++p) {
      topic.paragraphs.push_back({winhelp::ParagraphStyle::Body,
                                  {{winhelp::Run::Kind::Plain, std::string(paragraph_bytes + p, 'x'), {}}}});
    }
    topics.push_back(std::move(topic));
  }
  return topics;
}

// Follows the record chain through the blocks' data laid end to end and
// returns the logical start of each record.
std::vector<std::size_t> record_starts(const winhelp::Bytes& file) {
  winhelp::Bytes logical;
  for (std::size_t b = 0; b < file.size(); b += kTopicBlockSize) {
    logical.insert(logical.end(), file.begin() + b + 12, file.begin() + b + kTopicBlockSize);
  }
  std::vector<std::size_t> starts;
  for (std::uint32_t pos = 12; pos != winhelp::kNoLink;) {
    const std::size_t at = ((pos - 12) >> 14) * kTopicBlockDataSize + ((pos - 12) & 0x3FFF);
    starts.push_back(at);
    pos = get_u32(logical, at + 12);
  }
  return starts;
}

TEST(WinhelpTopicFile, RecordHeadersNeverStraddleBlocksAndBlocksAreWhole) {
  // Paragraph sizes vary by one byte so that some record ends close to a
  // block boundary.
  const auto topics = topics_of_size(6, 170, 25);
  const winhelp::TopicFile file = winhelp::build_topic_file(topics);

  ASSERT_EQ(file.data.size() % kTopicBlockSize, 0u);
  const auto starts = record_starts(file.data);
  EXPECT_EQ(starts.size(), 6u * 26u) << "one header and 25 paragraphs per topic";
  for (std::size_t start : starts) {
    EXPECT_LE(start % kTopicBlockDataSize + winhelp::kTopicLinkHeaderSize, kTopicBlockDataSize) << start;
  }
  ASSERT_EQ(file.topic_positions.size(), 6u);
  EXPECT_EQ(file.topic_positions[0], 12u);
  EXPECT_EQ(file.topic_offsets[0], 0u);
}

TEST(WinhelpTopicFile, BlockHeadersPointAtTheRecordsAroundThem) {
  const auto topics = topics_of_size(4, 400, 12);
  const winhelp::TopicFile file = winhelp::build_topic_file(topics);
  const auto starts = record_starts(file.data);

  const std::size_t blocks = file.data.size() / kTopicBlockSize;
  ASSERT_GE(blocks, 3u);
  EXPECT_EQ(get_u32(file.data, 0), winhelp::kNoLink) << "nothing before the first block";
  EXPECT_EQ(get_u32(file.data, 4), 12u);
  for (std::size_t b = 1; b < blocks; ++b) {
    const std::size_t begin = b * kTopicBlockDataSize;
    std::uint32_t last_before = winhelp::kNoLink;
    std::uint32_t first_from = winhelp::kNoLink;
    for (std::size_t start : starts) {
      if (start < begin)
        last_before = winhelp::topic_pos_of(start);
      else if (first_from == winhelp::kNoLink)
        first_from = winhelp::topic_pos_of(start);
    }
    EXPECT_EQ(get_u32(file.data, b * kTopicBlockSize), last_before) << b;
    EXPECT_EQ(get_u32(file.data, b * kTopicBlockSize + 4), first_from) << b;
    const std::uint32_t last_header = get_u32(file.data, b * kTopicBlockSize + 8);
    EXPECT_NE(std::find(file.topic_positions.begin(), file.topic_positions.end(), last_header),
              file.topic_positions.end())
        << b;
  }
}

TEST(WinhelpTopicFile, RejectsAParagraphTooLongForOneRecord) {
  const auto topics = topics_of_size(1, 0x4000, 1);
  EXPECT_THROW(winhelp::build_topic_file(topics), std::invalid_argument);
}

}  // namespace
