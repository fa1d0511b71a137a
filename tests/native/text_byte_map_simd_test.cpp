#include "text/byte_map.h"
#include "text/byte_map_kernels.h"
#include "text/codepages.h"
#include "text/layout_retype.h"
#include "text/letter_case.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

struct Named_Table {
  std::string name;
  const Byte_Table* table;
};

// Every table the commands map text with.
std::vector<Named_Table> Program_Tables() {
  std::vector<Named_Table> tables = {
      {"Kirilica", &To_Russian_Table},
      {"Latinica", &To_Latin_Table},
      {"upper case", &Upper_Case_Table},
      {"lower case", &Lower_Case_Table},
  };
  for (int s = 0; s < Codepage_Count; ++s)
    for (int t = 0; t < Codepage_Count; ++t)
      tables.push_back({std::string(Codepage_Name(Codepage(s))) + "->" + Codepage_Name(Codepage(t)),
                        &Conversion_Maps[s][t]});
  return tables;
}

struct Named_Kernel {
  const char* name;
  Byte_Map_Kernel kernel;
};

// The kernels this machine runs; the scalar one always.
std::vector<Named_Kernel> Kernels() {
  std::vector<Named_Kernel> kernels;
  for (const Named_Kernel& k :
       {Named_Kernel{"scalar", Byte_Map_Kernel::Scalar}, Named_Kernel{"ssse3", Byte_Map_Kernel::Ssse3},
        Named_Kernel{"avx2", Byte_Map_Kernel::Avx2}})
    if (Byte_Map_Kernel_Available(k.kernel)) kernels.push_back(k);
  return kernels;
}

// Thirty-two rounds of all 256 byte values, each round shifted by one: every
// value meets every position of a 32-byte (and so of a 16-byte) vector.
std::vector<std::uint8_t> Every_Value_At_Every_Lane() {
  std::vector<std::uint8_t> bytes;
  for (int round = 0; round < 32; ++round)
    for (int k = 0; k < 256; ++k) bytes.push_back(static_cast<std::uint8_t>(k - round));
  return bytes;
}

std::vector<std::uint8_t> Looked_Up(const std::vector<std::uint8_t>& in, const Byte_Table& table) {
  std::vector<std::uint8_t> out;
  for (std::uint8_t b : in) out.push_back(table[b]);
  return out;
}

Byte_Table Random_Table(std::mt19937& random) {
  Byte_Table table{};
  for (auto& entry : table) entry = static_cast<std::uint8_t>(random());
  return table;
}

}  // namespace

TEST(TextByteMapSimd, TheScalarKernelIsAlwaysThereAndTheFastestIsAvailable) {
  EXPECT_TRUE(Byte_Map_Kernel_Available(Byte_Map_Kernel::Scalar));
  EXPECT_TRUE(Byte_Map_Kernel_Available(Fastest_Byte_Map_Kernel()));
  // A wider kernel implies the narrower one, on which its tail relies.
  if (Byte_Map_Kernel_Available(Byte_Map_Kernel::Avx2)) {
    EXPECT_TRUE(Byte_Map_Kernel_Available(Byte_Map_Kernel::Ssse3));
  }
}

TEST(TextByteMapSimd, EveryKernelMapsEveryValueInEveryLaneWithEveryProgramTable) {
  const std::vector<std::uint8_t> in = Every_Value_At_Every_Lane();
  for (const Named_Table& table : Program_Tables()) {
    const std::vector<std::uint8_t> expected = Looked_Up(in, *table.table);
    for (const Named_Kernel& kernel : Kernels()) {
      std::vector<std::uint8_t> out(in.size());
      Map_Byte_Run_With(kernel.kernel, in.data(), out.data(), in.size(), *table.table);
      EXPECT_EQ(out, expected) << kernel.name << ", " << table.name;
    }
  }
}

TEST(TextByteMapSimd, EveryKernelFollowsArbitraryTables) {
  // Random tables have sixteen distinct rows, which the program's tables,
  // mostly identity, do not: a row picked by a wrong high-nibble bit shows.
  std::mt19937 random(1251);
  const std::vector<std::uint8_t> in = Every_Value_At_Every_Lane();
  for (int round = 0; round < 20; ++round) {
    const Byte_Table table = Random_Table(random);
    const std::vector<std::uint8_t> expected = Looked_Up(in, table);
    for (const Named_Kernel& kernel : Kernels()) {
      std::vector<std::uint8_t> out(in.size());
      Map_Byte_Run_With(kernel.kernel, in.data(), out.data(), in.size(), table);
      EXPECT_EQ(out, expected) << kernel.name << ", round " << round;
    }
  }
}

TEST(TextByteMapSimd, LengthsAndOffsetsAroundVectorWidthsTouchOnlyTheirBytes) {
  std::vector<std::size_t> lengths;
  for (std::size_t n = 0; n <= 100; ++n) lengths.push_back(n);
  for (std::size_t n : {127, 128, 129, 255, 256, 257, 1000, 1023, 1024, 1025}) lengths.push_back(n);
  std::mt19937 random(866);
  const Byte_Table& table = Conversion_Maps[Codepage_KOI][Codepage_WIN];
  constexpr std::size_t Guard = 40;
  constexpr std::uint8_t Guard_Byte = 0xA5;
  for (const Named_Kernel& kernel : Kernels())
    for (std::size_t length : lengths)
      for (std::size_t offset = 0; offset < 33; ++offset) {
        std::vector<std::uint8_t> in(offset + length + Guard);
        for (auto& b : in) b = static_cast<std::uint8_t>(random());
        const std::vector<std::uint8_t> run(in.begin() + offset, in.begin() + offset + length);
        const std::vector<std::uint8_t> expected = Looked_Up(run, table);

        std::vector<std::uint8_t> out(in.size(), Guard_Byte);
        Map_Byte_Run_With(kernel.kernel, in.data() + offset, out.data() + offset, length, table);
        const std::vector<std::uint8_t> mapped(out.begin() + offset, out.begin() + offset + length);
        ASSERT_EQ(mapped, expected) << kernel.name << ", length " << length << ", offset " << offset;
        for (std::size_t i = 0; i < out.size(); ++i) {
          if (i < offset || i >= offset + length) {
            ASSERT_EQ(out[i], Guard_Byte)
                << kernel.name << ": byte " << i << " written, length " << length << ", offset " << offset;
          }
        }

        std::vector<std::uint8_t> in_place = in;
        Map_Byte_Run_With(kernel.kernel, in_place.data() + offset, in_place.data() + offset, length, table);
        const std::vector<std::uint8_t> mapped_in_place(in_place.begin() + offset,
                                                        in_place.begin() + offset + length);
        ASSERT_EQ(mapped_in_place, expected) << kernel.name << " in place, length " << length;
        ASSERT_TRUE(std::equal(in.begin(), in.begin() + offset, in_place.begin()));
        ASSERT_TRUE(std::equal(in.begin() + offset + length, in.end(), in_place.begin() + offset + length));
      }
}

TEST(TextByteMapSimd, MapBytesKeepsLengthAcrossItsChunks) {
  // Map_Bytes works through its text in pieces; lengths around their size
  // and a few of them must come out whole and in order.
  std::mt19937 random(1);
  for (std::size_t length : {0, 1, 8191, 8192, 8193, 16384, 3 * 8192 + 5}) {
    std::string text(length, '\0');
    for (char& c : text) c = static_cast<char>(random());
    std::string expected = text;
    for (char& c : expected) c = static_cast<char>(Upper_Case_Table[static_cast<std::uint8_t>(c)]);
    EXPECT_EQ(Map_Bytes(text, Upper_Case_Table), expected) << length;
  }
}
