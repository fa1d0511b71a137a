// |TOPIC: the topics' titles and paragraphs as a chain of records ("topic
// links") laid out in 4 KiB blocks, stored uncompressed.
//
// Two kinds of address point into it. A TOPICPOS names a record: block
// number * 0x4000 + the record's offset within the block, counting the
// 12-byte block header. A TOPICOFFSET names a place in the text: block
// number * 0x8000 + the characters of the text records that start earlier
// in the same block. |CONTEXT, |CTXOMAP, |TTLBTREE and the contents topic of
// |SYSTEM hold TOPICOFFSETs of topic headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/winhelp/bytes.h"
#include "tools/winhelp/help_source.h"

namespace winhelp {

constexpr std::uint32_t kTopicBlockSize = 0x1000;
constexpr std::uint32_t kTopicBlockHeaderSize = 12;
constexpr std::uint32_t kTopicBlockDataSize = kTopicBlockSize - kTopicBlockHeaderSize;
constexpr std::uint32_t kTopicLinkHeaderSize = 21;
constexpr std::uint32_t kNoLink = 0xFFFFFFFF;

constexpr std::uint8_t kRecordTopicHeader = 0x02;
constexpr std::uint8_t kRecordText = 0x20;

struct TopicFile {
  Bytes data;                                  // the internal file's content
  std::vector<std::uint32_t> topic_offsets;    // TOPICOFFSET of each topic, in source order
  std::vector<std::uint32_t> topic_positions;  // TOPICPOS of each topic's header record
};

// TOPICPOS of the byte at `logical` in the blocks' data laid end to end.
std::uint32_t topic_pos_of(std::size_t logical);

// Lays out the topics of a finished project (jump targets resolved).
// Throws std::invalid_argument for a paragraph too long for the format.
TopicFile build_topic_file(const std::vector<Topic>& topics);

}  // namespace winhelp
