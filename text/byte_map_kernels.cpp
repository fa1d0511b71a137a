#include "text/byte_map_kernels.h"

#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
#define LIROVANT_X86_KERNELS 1
#include <immintrin.h>
#else
#define LIROVANT_X86_KERNELS 0
#endif

// The vector kernels read a 256-byte table as sixteen rows of sixteen bytes:
// row h holds the images of the bytes 0xh0..0xhF. A byte shuffle with the low
// nibble picks the right lane out of a row; what remains is picking the row
// by the high nibble. No table needs another layout for that.

namespace {

void Map_Scalar(const std::uint8_t* in, std::uint8_t* out, std::size_t count, const std::uint8_t* table) {
  for (std::size_t i = 0; i < count; ++i) out[i] = table[in[i]];
}

#if LIROVANT_X86_KERNELS

// Row selection by OR-ing sixteen lookups of which at most one is not zero:
// after the XOR the high nibble is zero only in the lanes of row h, and the
// saturating add then leaves bit 7 clear only there, and a shuffle yields zero
// wherever the index has bit 7 set.
__attribute__((target("ssse3"))) void Map_Ssse3(const std::uint8_t* in, std::uint8_t* out, std::size_t count,
                                                const std::uint8_t* table) {
  const __m128i clear_bit_7_only_in_row = _mm_set1_epi8(0x70);
  std::size_t i = 0;
  for (; i + 16 <= count; i += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
    __m128i mapped = _mm_setzero_si128();
    for (int h = 0; h < 16; ++h) {
      const __m128i row = _mm_loadu_si128(reinterpret_cast<const __m128i*>(table + 16 * h));
      const __m128i in_row = _mm_xor_si128(bytes, _mm_set1_epi8(static_cast<char>(h << 4)));
      const __m128i index = _mm_adds_epu8(in_row, clear_bit_7_only_in_row);
      mapped = _mm_or_si128(mapped, _mm_shuffle_epi8(row, index));
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), mapped);
  }
  Map_Scalar(in + i, out + i, count - i, table);
}

__attribute__((target("avx2"))) inline __m256i Row_Lookup(const std::uint8_t* table, int h,
                                                          __m256i low_nibbles) {
  const __m128i row = _mm_loadu_si128(reinterpret_cast<const __m128i*>(table + 16 * h));
  return _mm256_shuffle_epi8(_mm256_broadcastsi128_si256(row), low_nibbles);
}

// Rows h and h + 1 (h even), the one that bit 4 of each byte picks. The
// kernel narrows pairs to quads, halves and the whole table the same way with
// bits 5, 6 and 7. A blend follows bit 7 of each mask byte, so bit k of the
// byte is shifted up to bit 7 first; the 16-bit shift carries bits of the
// neighbouring byte only into the low bits, which the blend ignores.
__attribute__((target("avx2"))) inline __m256i Row_Pair(const std::uint8_t* table, int h, __m256i low_nibbles,
                                                        __m256i bit_4) {
  return _mm256_blendv_epi8(Row_Lookup(table, h, low_nibbles), Row_Lookup(table, h + 1, low_nibbles), bit_4);
}

__attribute__((target("avx2"))) void Map_Avx2(const std::uint8_t* in, std::uint8_t* out, std::size_t count,
                                              const std::uint8_t* table) {
  const __m256i low_nibble = _mm256_set1_epi8(0x0F);
  std::size_t i = 0;
  for (; i + 32 <= count; i += 32) {
    const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + i));
    const __m256i low = _mm256_and_si256(bytes, low_nibble);
    const __m256i bit_4 = _mm256_slli_epi16(bytes, 3);
    const __m256i bit_5 = _mm256_slli_epi16(bytes, 2);
    const __m256i bit_6 = _mm256_slli_epi16(bytes, 1);
    __m256i quads[4];
    for (int q = 0; q < 4; ++q)
      quads[q] = _mm256_blendv_epi8(Row_Pair(table, 4 * q, low, bit_4),
                                    Row_Pair(table, 4 * q + 2, low, bit_4), bit_5);
    const __m256i low_half = _mm256_blendv_epi8(quads[0], quads[1], bit_6);
    const __m256i high_half = _mm256_blendv_epi8(quads[2], quads[3], bit_6);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), _mm256_blendv_epi8(low_half, high_half, bytes));
  }
  Map_Ssse3(in + i, out + i, count - i, table);
}

bool Processor_Has(Byte_Map_Kernel kernel) {
  __builtin_cpu_init();
  switch (kernel) {
    case Byte_Map_Kernel::Scalar:
      return true;
    case Byte_Map_Kernel::Ssse3:
      return __builtin_cpu_supports("ssse3");
    case Byte_Map_Kernel::Avx2:
      return __builtin_cpu_supports("avx2");
  }
  return false;
}

#else

bool Processor_Has(Byte_Map_Kernel kernel) { return kernel == Byte_Map_Kernel::Scalar; }

#endif

Byte_Map_Kernel Detect_Fastest() {
  for (Byte_Map_Kernel kernel : {Byte_Map_Kernel::Avx2, Byte_Map_Kernel::Ssse3})
    if (Processor_Has(kernel)) return kernel;
  return Byte_Map_Kernel::Scalar;
}

}  // namespace

bool Byte_Map_Kernel_Available(Byte_Map_Kernel kernel) { return Processor_Has(kernel); }

Byte_Map_Kernel Fastest_Byte_Map_Kernel() {
  static const Byte_Map_Kernel fastest = Detect_Fastest();
  return fastest;
}

void Map_Byte_Run_With(Byte_Map_Kernel kernel, const std::uint8_t* in, std::uint8_t* out, std::size_t count,
                       const Byte_Table& map) {
  switch (kernel) {
#if LIROVANT_X86_KERNELS
    case Byte_Map_Kernel::Avx2:
      Map_Avx2(in, out, count, map.data());
      return;
    case Byte_Map_Kernel::Ssse3:
      Map_Ssse3(in, out, count, map.data());
      return;
#endif
    default:
      Map_Scalar(in, out, count, map.data());
      return;
  }
}

void Map_Byte_Run(const std::uint8_t* in, std::uint8_t* out, std::size_t count, const Byte_Table& map) {
  Map_Byte_Run_With(Fastest_Byte_Map_Kernel(), in, out, count, map);
}
