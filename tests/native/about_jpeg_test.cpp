#include "about/jpeg_decode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> Read_Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> Shipped_Picture() {
  return Read_Bytes(std::string(TEST_DATA_DIR) + "/../../about/lirovant.jpg");
}

std::vector<std::uint8_t> Data_File(const char* name) {
  return Read_Bytes(std::string(TEST_DATA_DIR) + "/" + name);
}

Jpeg_Picture Decode(const std::vector<std::uint8_t>& bytes) {
  return Decode_Jpeg(bytes.data(), bytes.size());
}

struct Bgr {
  int B, G, R, Pad;
};

Bgr Pixel_At(const Jpeg_Picture& p, int x, int y) {
  const std::uint8_t* q = p.Pixels.data() + (static_cast<std::size_t>(y) * p.Width + x) * 4;
  return {q[0], q[1], q[2], q[3]};
}

bool Near(int value, int expected) { return std::abs(value - expected) <= 12; }

// Offset of the frame header's height field (SOF0 or SOF2), or 0.
std::size_t Frame_Size_Offset(const std::vector<std::uint8_t>& jpeg) {
  for (std::size_t i = 2; i + 8 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) return i + 5;
  return 0;
}

}  // namespace

TEST(AboutJpeg, ShippedPictureDecodesToItsSizeInBlueGreenRedOrder) {
  const auto bytes = Shipped_Picture();
  ASSERT_FALSE(bytes.empty()) << "about/lirovant.jpg is missing";
  EXPECT_LT(bytes.size(), 20u * 1024);
  const Jpeg_Picture p = Decode(bytes);
  ASSERT_FALSE(p.Empty());
  EXPECT_EQ(p.Width, 128);
  EXPECT_EQ(p.Height, 128);
  EXPECT_EQ(p.Pixels.size(), 128u * 128 * 4);
  // The tile's blue gradient runs from #7fb2e5 at the top to #1d4f91 below.
  const Bgr top = Pixel_At(p, 2, 2), bottom = Pixel_At(p, 2, 125);
  EXPECT_TRUE(Near(top.B, 0xE5) && Near(top.G, 0xB2) && Near(top.R, 0x7F))
      << top.B << " " << top.G << " " << top.R;
  EXPECT_TRUE(Near(bottom.B, 0x91) && Near(bottom.G, 0x4F) && Near(bottom.R, 0x1D))
      << bottom.B << " " << bottom.G << " " << bottom.R;
  EXPECT_EQ(top.Pad, 0);
  // The page in the middle is white.
  const Bgr page = Pixel_At(p, 100, 40);
  EXPECT_GT(page.B + page.G + page.R, 3 * 230);
}

TEST(AboutJpeg, GreyAndProgressiveImagesComeOutAsColourPixels) {
  const Jpeg_Picture grey = Decode(Data_File("about_gray.jpg"));
  ASSERT_FALSE(grey.Empty());
  EXPECT_EQ(grey.Width, 24);
  EXPECT_EQ(grey.Height, 16);
  const Bgr g = Pixel_At(grey, 23, 15);
  EXPECT_TRUE(Near(g.B, 128) && g.B == g.G && g.G == g.R);

  const Jpeg_Picture red = Decode(Data_File("about_progressive.jpg"));
  ASSERT_FALSE(red.Empty());
  EXPECT_EQ(red.Width, 32);
  EXPECT_EQ(red.Height, 16);
  const Bgr r = Pixel_At(red, 31, 0);
  EXPECT_TRUE(Near(r.R, 0xE0) && Near(r.G, 0x10) && Near(r.B, 0x10));
}

TEST(AboutJpeg, TruncatedPictureFailsCleanly) {
  const auto bytes = Shipped_Picture();
  ASSERT_GT(bytes.size(), 1000u);
  // Cut inside the entropy-coded data, just before the end marker, and
  // through the headers.
  for (std::size_t keep :
       {bytes.size() - 2, bytes.size() / 2, std::size_t{300}, std::size_t{20}, std::size_t{2}}) {
    const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + keep);
    const Jpeg_Picture p = Decode(cut);
    EXPECT_TRUE(p.Empty()) << "kept " << keep << " bytes";
    EXPECT_EQ(p.Width, 0);
    EXPECT_EQ(p.Height, 0);
  }
}

TEST(AboutJpeg, DamagedOrForeignDataFailsCleanly) {
  auto bytes = Shipped_Picture();
  ASSERT_GT(bytes.size(), 1000u);
  // Markers planted in the middle of the compressed data.
  auto damaged = bytes;
  for (std::size_t i = damaged.size() / 2; i < damaged.size() / 2 + 64; i += 2) {
    damaged[i] = 0xFF;
    damaged[i + 1] = 0xD0 + (i % 8);
  }
  EXPECT_TRUE(Decode(damaged).Empty());

  const std::string text = "Not a picture at all, just some words.";
  EXPECT_TRUE(Decode_Jpeg(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()).Empty());
  EXPECT_TRUE(Decode_Jpeg(nullptr, 100).Empty());
  EXPECT_TRUE(Decode_Jpeg(bytes.data(), 0).Empty());
  // Four-colour images are not pictures this decoder shows.
  EXPECT_TRUE(Decode(Data_File("about_cmyk.jpg")).Empty());
}

TEST(AboutJpeg, HeaderClaimingAGiantPictureIsRefused) {
  auto bytes = Shipped_Picture();
  const std::size_t at = Frame_Size_Offset(bytes);
  ASSERT_NE(at, 0u);
  for (int i = 0; i < 4; ++i) bytes[at + i] = 0xFF;  // 65535 by 65535
  EXPECT_TRUE(Decode(bytes).Empty());
}

TEST(AboutJpeg, DecodingAgainAfterAFailureWorks) {
  const auto bytes = Shipped_Picture();
  const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + bytes.size() / 3);
  EXPECT_TRUE(Decode(cut).Empty());
  EXPECT_EQ(Decode(bytes).Width, 128);
}
