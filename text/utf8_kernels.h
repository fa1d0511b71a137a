#pragma once
// Vector kernels for the common ground of the exact conversions between a
// code page and UTF-8: ASCII and characters of two UTF-8 bytes. A kernel
// converts block after block and stops at the first character of anything
// else; the caller's careful path takes that character, so every lacking
// character and bad byte is still reported exactly where it stands.
#include <cstddef>
#include <cstdint>

enum class Utf8_Kernel {
  Scalar,  // no blocks at all: the caller's path does everything
  Sse41,   // 16 bytes per step
  Avx2,    // 32 bytes per step
  Avx512,  // 64 bytes per step; needs the byte permutes and compression
};

bool Utf8_Kernel_Available(Utf8_Kernel kernel);
// The widest available kernel, decided on the first call.
Utf8_Kernel Fastest_Utf8_Kernel();

// A page's bytes 0x80..0xFF as UTF-8: lead[b - 0x80] and cont[b - 0x80] are
// the two bytes of b's character, lead 0xFF where its form is not two bytes.
struct Page_Forms {
  std::uint8_t lead[128];
  std::uint8_t cont[128];
};

// The target byte of the two-byte characters a kernel converts, by a key of
// seven bits: D0 80..BF (U+0400..U+043F) are 0x00..0x3F, D1 80..9F
// (U+0440..U+045F) 0x40..0x5F, C2 A0..BF (U+00A0..U+00BF) 0x60..0x7F; 0 where
// the target lacks the character. These hold every Cyrillic letter and sign
// of two UTF-8 bytes that the five pages have but Ґ ґ, ÷, ƒ and the C1
// controls of ISO.
struct Utf8_Keys {
  std::uint8_t byte[128];
};

struct Kernel_Run {
  std::size_t read = 0, written = 0;
};

// Converts from the start of in up to the first byte whose form is not one
// or two bytes, or up to the last bytes, fewer than a block. Writes no byte
// at or beyond out + 2 * count.
Kernel_Run Page_To_Utf8_Blocks(Utf8_Kernel kernel, const std::uint8_t* in, std::size_t count,
                               std::uint8_t* out, const Page_Forms& forms);

// Converts from the start of in, which must start a character, up to the
// first that is not ASCII or a whole two-byte character the keys give, or up
// to the last bytes, fewer than a block and one; the run ends on a
// character's start. Writes no byte at or beyond out + count.
Kernel_Run Utf8_To_Page_Blocks(Utf8_Kernel kernel, const std::uint8_t* in, std::size_t count,
                               std::uint8_t* out, const Utf8_Keys& keys);
