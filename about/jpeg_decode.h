#pragma once
// Decoding of JPEG images held in memory, for the about box's picture.
#include <cstddef>
#include <cstdint>
#include <vector>

// A decoded picture: rows from top to bottom, four bytes a pixel in the order
// blue, green, red, 0, which is what a top-down 32-bit device-independent
// bitmap takes as it is.
struct Jpeg_Picture {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Pixels;
  bool Empty() const { return Pixels.empty(); }
};

// Larger pictures are refused rather than risk an allocation of gigabytes on
// the strength of a header.
constexpr long long Jpeg_Max_Pixels = 16LL * 1024 * 1024;

// Decodes a baseline or progressive, colour or greyscale JPEG. A damaged,
// truncated or unsupported image gives an empty picture; so does every
// warning of corrupt data, since a half-decoded grey picture is no picture.
Jpeg_Picture Decode_Jpeg(const std::uint8_t* data, std::size_t size);
