#include "text/utf8_kernels.h"

#include <algorithm>

#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
#define LIROVANT_X86_KERNELS 1
#include <immintrin.h>
#else
#define LIROVANT_X86_KERNELS 0
#endif

namespace {

#if LIROVANT_X86_KERNELS

// A page's text grows by a continuation after each byte that is not ASCII.
// The kernels interleave lead and continuation bytes of eight bytes into
// sixteen and take, by which of them are ASCII, the lanes that stand.
struct Spread_Table {
  alignas(16) std::uint8_t index[256][16];
  std::uint8_t length[256];
};

constexpr Spread_Table Make_Spread() {
  Spread_Table t{};
  for (int ascii = 0; ascii < 256; ++ascii) {
    int n = 0;
    for (int i = 0; i < 8; ++i) {
      t.index[ascii][n++] = static_cast<std::uint8_t>(2 * i);
      if ((ascii >> i & 1) == 0) t.index[ascii][n++] = static_cast<std::uint8_t>(2 * i + 1);
    }
    t.length[ascii] = static_cast<std::uint8_t>(n);
    while (n < 16) t.index[ascii][n++] = 0x80;
  }
  return t;
}

// UTF-8 shrinks by its continuations: the lanes of eight that are not
// dropped, in order.
struct Pack_Table {
  alignas(16) std::uint8_t index[256][16];
  std::uint8_t kept[256];
};

constexpr Pack_Table Make_Pack() {
  Pack_Table t{};
  for (int drop = 0; drop < 256; ++drop) {
    int n = 0;
    for (int i = 0; i < 8; ++i)
      if ((drop >> i & 1) == 0) t.index[drop][n++] = static_cast<std::uint8_t>(i);
    t.kept[drop] = static_cast<std::uint8_t>(n);
    while (n < 16) t.index[drop][n++] = 0x80;
  }
  return t;
}

constexpr Spread_Table Spread = Make_Spread();
constexpr Pack_Table Pack = Make_Pack();

// A 128-entry table in eight rows looked up by a key of seven bits: the low
// nibble picks a lane of every row, and bits 4, 5 and 6, each shifted up to
// bit 7 for the blends, pick the row in three rounds. Keys of 0x80 and up
// find zero in every row.
__attribute__((target("sse4.1"))) inline __m128i Row(const std::uint8_t* table, int h, __m128i key) {
  return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(table + 16 * h)), key);
}

__attribute__((target("sse4.1"))) inline __m128i Lookup_128(const std::uint8_t* table, __m128i key) {
  const __m128i bit_4 = _mm_slli_epi16(key, 3), bit_5 = _mm_slli_epi16(key, 2);
  const __m128i quarter_0 = _mm_blendv_epi8(Row(table, 0, key), Row(table, 1, key), bit_4);
  const __m128i quarter_1 = _mm_blendv_epi8(Row(table, 2, key), Row(table, 3, key), bit_4);
  const __m128i quarter_2 = _mm_blendv_epi8(Row(table, 4, key), Row(table, 5, key), bit_4);
  const __m128i quarter_3 = _mm_blendv_epi8(Row(table, 6, key), Row(table, 7, key), bit_4);
  return _mm_blendv_epi8(_mm_blendv_epi8(quarter_0, quarter_1, bit_5),
                         _mm_blendv_epi8(quarter_2, quarter_3, bit_5), _mm_slli_epi16(key, 1));
}

// Every block returns how many of its bytes it took: all of them, or those
// before the first character it cannot take, whose output stays in place
// while the rest of what it stored is overwritten later. The caller's
// careful path then takes that one character.

// How much output the lanes before `at` give: a byte each, and one more (to
// UTF-8) or one fewer (from it) for each lane marked.
inline std::size_t Before(std::uint64_t marked, int at, int per_mark) {
  const int n = __builtin_popcountll(marked & ((std::uint64_t{1} << at) - 1));
  return static_cast<std::size_t>(at + per_mark * n);
}

__attribute__((target("sse4.1"))) inline int Page_Block_16(const std::uint8_t* in, std::uint8_t*& out,
                                                           const Page_Forms& forms) {
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
  const int high = _mm_movemask_epi8(bytes);
  if (high == 0) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), bytes);
    out += 16;
    return 16;
  }
  // The rows are those of bytes 0x80..0xFF: flipping bit 7 makes ASCII the
  // keys that find nothing.
  const __m128i key = _mm_xor_si128(bytes, _mm_set1_epi8(static_cast<char>(0x80)));
  __m128i lead = Lookup_128(forms.lead, key);
  const __m128i cont = Lookup_128(forms.cont, key);
  const int longer = _mm_movemask_epi8(_mm_cmpeq_epi8(lead, _mm_set1_epi8(-1)));
  lead = _mm_or_si128(lead, _mm_andnot_si128(_mm_cmplt_epi8(bytes, _mm_setzero_si128()), bytes));
  const int ascii = ~high & 0xFFFF;
  const __m128i first = _mm_unpacklo_epi8(lead, cont), second = _mm_unpackhi_epi8(lead, cont);
  const int low8 = ascii & 0xFF, high8 = ascii >> 8;
  _mm_storeu_si128(
      reinterpret_cast<__m128i*>(out),
      _mm_shuffle_epi8(first, _mm_load_si128(reinterpret_cast<const __m128i*>(Spread.index[low8]))));
  _mm_storeu_si128(
      reinterpret_cast<__m128i*>(out + Spread.length[low8]),
      _mm_shuffle_epi8(second, _mm_load_si128(reinterpret_cast<const __m128i*>(Spread.index[high8]))));
  if (longer != 0) {
    const int at = __builtin_ctz(static_cast<unsigned>(longer));
    out += Before(static_cast<unsigned>(high), at, 1);
    return at;
  }
  out += Spread.length[low8] + Spread.length[high8];
  return 16;
}

// Sixteen bytes of UTF-8 and the byte after them. A character starting in
// the last lane is taken whole, and *carry tells the next block that its
// first lane is that character's continuation. Blocks of a fixed width keep
// the next load from waiting for this block's work.
__attribute__((target("sse4.1"))) inline int Utf8_Block_16(const std::uint8_t* in, int* carry,
                                                           std::uint8_t*& out, const Utf8_Keys& keys) {
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
  const int high = _mm_movemask_epi8(bytes);
  if (high == 0) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), bytes);
    out += 16;
    *carry = 0;
    return 16;
  }
  const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 1));
  const __m128i below_c0 = _mm_set1_epi8(-64);
  const int cont = _mm_movemask_epi8(_mm_cmplt_epi8(bytes, below_c0));
  const int next_cont = _mm_movemask_epi8(_mm_cmplt_epi8(next, below_c0));
  const __m128i d0 = _mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(0xD0)));
  const __m128i d1 = _mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(0xD1)));
  const __m128i c2 = _mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(0xC2)));
  const __m128i bit_5 = _mm_set1_epi8(0x20);
  const __m128i upper = _mm_cmpeq_epi8(_mm_and_si128(next, bit_5), bit_5);
  const __m128i keyed = _mm_or_si128(d0, _mm_or_si128(_mm_andnot_si128(upper, d1), _mm_and_si128(upper, c2)));
  const int leads = _mm_movemask_epi8(keyed);
  __m128i key =
      _mm_or_si128(_mm_and_si128(next, _mm_set1_epi8(0x3F)), _mm_andnot_si128(d0, _mm_set1_epi8(0x40)));
  key = _mm_or_si128(key, _mm_andnot_si128(keyed, _mm_set1_epi8(static_cast<char>(0x80))));
  const __m128i mapped = Lookup_128(keys.byte, key);
  // Trouble is a byte that is neither ASCII nor a keyed lead nor the
  // continuation of one, a lead without its continuation and a character the
  // target lacks.
  const int expected = leads << 1 | *carry, found = cont | (next_cont & 0x8000) << 1;
  const int unmapped = _mm_movemask_epi8(_mm_cmpeq_epi8(mapped, _mm_setzero_si128())) & leads;
  const int trouble =
      ((high & ~(leads | cont)) | unmapped | (found & ~expected) | (expected & ~found) >> 1) & 0xFFFF;
  const __m128i result = _mm_or_si128(mapped, _mm_andnot_si128(keyed, bytes));
  const int low8 = cont & 0xFF, high8 = cont >> 8;
  const __m128i low_index = _mm_load_si128(reinterpret_cast<const __m128i*>(Pack.index[low8]));
  const __m128i high_index =
      _mm_add_epi8(_mm_load_si128(reinterpret_cast<const __m128i*>(Pack.index[high8])), _mm_set1_epi8(8));
  _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_shuffle_epi8(result, low_index));
  _mm_storel_epi64(reinterpret_cast<__m128i*>(out + Pack.kept[low8]), _mm_shuffle_epi8(result, high_index));
  if (trouble != 0) {
    const int at = __builtin_ctz(static_cast<unsigned>(trouble));
    out += Before(static_cast<unsigned>(cont), at, -1);
    return at;
  }
  out += Pack.kept[low8] + Pack.kept[high8];
  *carry = leads >> 15;
  return 16;
}

__attribute__((target("sse4.1"))) Kernel_Run Page_Sse41(const std::uint8_t* in, std::size_t count,
                                                        std::uint8_t* out, const Page_Forms& forms) {
  std::uint8_t* write = out;
  std::size_t read = 0;
  for (int took = 16; took == 16 && read + 16 <= count; read += took)
    took = Page_Block_16(in + read, write, forms);
  return {read, static_cast<std::size_t>(write - out)};
}

// The run ends where a character starts: after the continuation a block
// carried over, or at trouble, where nothing is carried.
__attribute__((target("sse4.1"))) Kernel_Run Utf8_Sse41(const std::uint8_t* in, std::size_t count,
                                                        std::uint8_t* out, const Utf8_Keys& keys) {
  std::uint8_t* write = out;
  std::size_t read = 0;
  int carry = 0;
  for (int took = 16; read + 17 <= count; read += took) {
    took = Utf8_Block_16(in + read, &carry, write, keys);
    if (took < 16) return {read + took, static_cast<std::size_t>(write - out)};
  }
  return {read + carry, static_cast<std::size_t>(write - out)};
}

// Lookup_128 thirty-two lanes wide.
__attribute__((target("avx2"))) inline __m256i Row_Of(const std::uint8_t* table, int h, __m256i key) {
  const __m128i row = _mm_loadu_si128(reinterpret_cast<const __m128i*>(table + 16 * h));
  return _mm256_shuffle_epi8(_mm256_broadcastsi128_si256(row), key);
}

__attribute__((target("avx2"))) inline __m256i Lookup_128(const std::uint8_t* table, __m256i key) {
  const __m256i bit_4 = _mm256_slli_epi16(key, 3), bit_5 = _mm256_slli_epi16(key, 2);
  const __m256i quarter_0 = _mm256_blendv_epi8(Row_Of(table, 0, key), Row_Of(table, 1, key), bit_4);
  const __m256i quarter_1 = _mm256_blendv_epi8(Row_Of(table, 2, key), Row_Of(table, 3, key), bit_4);
  const __m256i quarter_2 = _mm256_blendv_epi8(Row_Of(table, 4, key), Row_Of(table, 5, key), bit_4);
  const __m256i quarter_3 = _mm256_blendv_epi8(Row_Of(table, 6, key), Row_Of(table, 7, key), bit_4);
  return _mm256_blendv_epi8(_mm256_blendv_epi8(quarter_0, quarter_1, bit_5),
                            _mm256_blendv_epi8(quarter_2, quarter_3, bit_5), _mm256_slli_epi16(key, 1));
}

__attribute__((target("avx2"))) inline __m256i Two_Rows(const std::uint8_t* first,
                                                        const std::uint8_t* second) {
  return _mm256_inserti128_si256(
      _mm256_castsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(first))),
      _mm_load_si128(reinterpret_cast<const __m128i*>(second)), 1);
}

__attribute__((target("avx2"))) inline int Page_Block_32(const std::uint8_t* in, std::uint8_t*& out,
                                                         const Page_Forms& forms) {
  const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in));
  const auto high = static_cast<std::uint32_t>(_mm256_movemask_epi8(bytes));
  if (high == 0) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), bytes);
    out += 32;
    return 32;
  }
  const __m256i key = _mm256_xor_si256(bytes, _mm256_set1_epi8(static_cast<char>(0x80)));
  __m256i lead = Lookup_128(forms.lead, key);
  const __m256i cont = Lookup_128(forms.cont, key);
  const auto longer =
      static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(lead, _mm256_set1_epi8(-1))));
  lead = _mm256_or_si256(lead, _mm256_andnot_si256(_mm256_cmpgt_epi8(_mm256_setzero_si256(), bytes), bytes));
  // The unpacks work within each half: bytes 0-7 and 16-23, then 8-15 and 24-31.
  const std::uint32_t ascii = ~high;
  const unsigned g0 = ascii & 0xFF, g1 = ascii >> 8 & 0xFF, g2 = ascii >> 16 & 0xFF, g3 = ascii >> 24;
  const __m256i first =
      _mm256_shuffle_epi8(_mm256_unpacklo_epi8(lead, cont), Two_Rows(Spread.index[g0], Spread.index[g2]));
  const __m256i second =
      _mm256_shuffle_epi8(_mm256_unpackhi_epi8(lead, cont), Two_Rows(Spread.index[g1], Spread.index[g3]));
  std::uint8_t* write = out;
  _mm_storeu_si128(reinterpret_cast<__m128i*>(write), _mm256_castsi256_si128(first));
  write += Spread.length[g0];
  _mm_storeu_si128(reinterpret_cast<__m128i*>(write), _mm256_castsi256_si128(second));
  write += Spread.length[g1];
  _mm_storeu_si128(reinterpret_cast<__m128i*>(write), _mm256_extracti128_si256(first, 1));
  write += Spread.length[g2];
  _mm_storeu_si128(reinterpret_cast<__m128i*>(write), _mm256_extracti128_si256(second, 1));
  if (longer != 0) {
    const int at = __builtin_ctz(longer);
    out += Before(high, at, 1);
    return at;
  }
  out = write + Spread.length[g3];
  return 32;
}

// Thirty-two bytes of UTF-8 and the byte after them, as Utf8_Block_16 takes them.
__attribute__((target("avx2"))) inline int Utf8_Block_32(const std::uint8_t* in, int* carry,
                                                         std::uint8_t*& out, const Utf8_Keys& keys) {
  const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in));
  const auto high = static_cast<std::uint32_t>(_mm256_movemask_epi8(bytes));
  if (high == 0) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), bytes);
    out += 32;
    *carry = 0;
    return 32;
  }
  const __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + 1));
  const __m256i below_c0 = _mm256_set1_epi8(-64);
  const auto cont = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpgt_epi8(below_c0, bytes)));
  const auto next_cont = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpgt_epi8(below_c0, next)));
  const __m256i d0 = _mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(static_cast<char>(0xD0)));
  const __m256i d1 = _mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(static_cast<char>(0xD1)));
  const __m256i c2 = _mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(static_cast<char>(0xC2)));
  const __m256i bit_5 = _mm256_set1_epi8(0x20);
  const __m256i upper = _mm256_cmpeq_epi8(_mm256_and_si256(next, bit_5), bit_5);
  const __m256i keyed =
      _mm256_or_si256(d0, _mm256_or_si256(_mm256_andnot_si256(upper, d1), _mm256_and_si256(upper, c2)));
  const auto leads = static_cast<std::uint32_t>(_mm256_movemask_epi8(keyed));
  __m256i key = _mm256_or_si256(_mm256_and_si256(next, _mm256_set1_epi8(0x3F)),
                                _mm256_andnot_si256(d0, _mm256_set1_epi8(0x40)));
  key = _mm256_or_si256(key, _mm256_andnot_si256(keyed, _mm256_set1_epi8(static_cast<char>(0x80))));
  const __m256i mapped = Lookup_128(keys.byte, key);
  const std::uint64_t expected = std::uint64_t{leads} << 1 | static_cast<std::uint64_t>(*carry);
  const std::uint64_t found = std::uint64_t{cont} | std::uint64_t{next_cont >> 31} << 32;
  const auto unmapped =
      static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(mapped, _mm256_setzero_si256()))) &
      leads;
  const auto trouble = static_cast<std::uint32_t>((high & ~(leads | cont)) | unmapped | (found & ~expected) |
                                                  (expected & ~found) >> 1);
  const __m256i result = _mm256_or_si256(mapped, _mm256_andnot_si256(keyed, bytes));
  const unsigned g0 = cont & 0xFF, g1 = cont >> 8 & 0xFF, g2 = cont >> 16 & 0xFF, g3 = cont >> 24;
  const __m256i low_halves = _mm256_shuffle_epi8(result, Two_Rows(Pack.index[g0], Pack.index[g2]));
  const __m256i high_halves = _mm256_shuffle_epi8(
      result, _mm256_add_epi8(Two_Rows(Pack.index[g1], Pack.index[g3]), _mm256_set1_epi8(8)));
  std::uint8_t* write = out;
  _mm_storel_epi64(reinterpret_cast<__m128i*>(write), _mm256_castsi256_si128(low_halves));
  write += Pack.kept[g0];
  _mm_storel_epi64(reinterpret_cast<__m128i*>(write), _mm256_castsi256_si128(high_halves));
  write += Pack.kept[g1];
  _mm_storel_epi64(reinterpret_cast<__m128i*>(write), _mm256_extracti128_si256(low_halves, 1));
  write += Pack.kept[g2];
  _mm_storel_epi64(reinterpret_cast<__m128i*>(write), _mm256_extracti128_si256(high_halves, 1));
  if (trouble != 0) {
    const int at = __builtin_ctz(trouble);
    out += Before(cont, at, -1);
    return at;
  }
  out = write + Pack.kept[g3];
  *carry = static_cast<int>(leads >> 31);
  return 32;
}

__attribute__((target("avx2"))) Kernel_Run Page_Avx2(const std::uint8_t* in, std::size_t count,
                                                     std::uint8_t* out, const Page_Forms& forms) {
  std::uint8_t* write = out;
  std::size_t read = 0;
  int took = 32;
  for (; took == 32 && read + 32 <= count; read += took) took = Page_Block_32(in + read, write, forms);
  for (took = took == 32 ? 16 : 0; took == 16 && read + 16 <= count; read += took)
    took = Page_Block_16(in + read, write, forms);
  return {read, static_cast<std::size_t>(write - out)};
}

__attribute__((target("avx2"))) Kernel_Run Utf8_Avx2(const std::uint8_t* in, std::size_t count,
                                                     std::uint8_t* out, const Utf8_Keys& keys) {
  std::uint8_t* write = out;
  std::size_t read = 0;
  int carry = 0;
  for (int took = 32; read + 33 <= count; read += took) {
    took = Utf8_Block_32(in + read, &carry, write, keys);
    if (took < 32) return {read + took, static_cast<std::size_t>(write - out)};
  }
  for (int took = 16; read + 17 <= count; read += took) {
    took = Utf8_Block_16(in + read, &carry, write, keys);
    if (took < 16) return {read + took, static_cast<std::size_t>(write - out)};
  }
  return {read + carry, static_cast<std::size_t>(write - out)};
}

#define LIROVANT_AVX512 "avx512f,avx512bw,avx512vl,avx512vbmi,avx512vbmi2,popcnt"

// Byte permutes look a 128-entry table up in one step, and compression
// drops the unwanted lanes without shuffle tables.
__attribute__((target(LIROVANT_AVX512))) inline int Page_Block_64(const std::uint8_t* in, std::uint8_t*& out,
                                                                  __m512i lead_low, __m512i lead_high,
                                                                  __m512i cont_low, __m512i cont_high) {
  const __m512i bytes = _mm512_loadu_si512(in);
  const __mmask64 high = _mm512_movepi8_mask(bytes);
  if (high == 0) {
    _mm512_storeu_si512(out, bytes);
    out += 64;
    return 64;
  }
  __m512i lead = _mm512_permutex2var_epi8(lead_low, bytes, lead_high);
  const __mmask64 longer = _mm512_mask_cmpeq_epi8_mask(high, lead, _mm512_set1_epi8(-1));
  lead = _mm512_mask_blend_epi8(high, bytes, lead);
  const __m512i cont = _mm512_maskz_permutex2var_epi8(high, cont_low, bytes, cont_high);
  // Byte i and its continuation to lanes 2i and 2i + 1, of the first and then the second half.
  const __m512i pairs = _mm512_set_epi64(0x5F1F5E1E5D1D5C1Cull, 0x5B1B5A1A59195818ull, 0x5717561655155414ull,
                                         0x5313521251115010ull, 0x4F0F4E0E4D0D4C0Cull, 0x4B0B4A0A49094808ull,
                                         0x4707460645054404ull, 0x4303420241014000ull);
  const __m512i first = _mm512_permutex2var_epi8(lead, pairs, cont);
  const __m512i second = _mm512_permutex2var_epi8(lead, _mm512_add_epi8(pairs, _mm512_set1_epi8(32)), cont);
  // A continuation is never zero; the high byte of an ASCII pair always is.
  const __mmask64 leads = 0x5555555555555555ull;
  const __mmask64 keep_first = _mm512_test_epi8_mask(first, first) | leads;
  const __mmask64 keep_second = _mm512_test_epi8_mask(second, second) | leads;
  _mm512_storeu_si512(out, _mm512_maskz_compress_epi8(keep_first, first));
  _mm512_storeu_si512(out + _mm_popcnt_u64(keep_first), _mm512_maskz_compress_epi8(keep_second, second));
  if (longer != 0) {
    const int at = __builtin_ctzll(longer);
    out += Before(high, at, 1);
    return at;
  }
  out += _mm_popcnt_u64(keep_first) + _mm_popcnt_u64(keep_second);
  return 64;
}

// Sixty-four bytes of UTF-8 and the byte after them, as Utf8_Block_16 takes them.
__attribute__((target(LIROVANT_AVX512))) inline int Utf8_Block_64(const std::uint8_t* in, int* carry,
                                                                  std::uint8_t*& out, __m512i keys_low,
                                                                  __m512i keys_high) {
  const __m512i bytes = _mm512_loadu_si512(in);
  const __mmask64 high = _mm512_movepi8_mask(bytes);
  if (high == 0) {
    _mm512_storeu_si512(out, bytes);
    out += 64;
    *carry = 0;
    return 64;
  }
  const __m512i next = _mm512_loadu_si512(in + 1);
  const __m512i below_c0 = _mm512_set1_epi8(-64);
  const __mmask64 cont = _mm512_cmplt_epi8_mask(bytes, below_c0);
  const __mmask64 next_cont = _mm512_cmplt_epi8_mask(next, below_c0);
  const __mmask64 d0 = _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(static_cast<char>(0xD0)));
  const __mmask64 d1 = _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(static_cast<char>(0xD1)));
  const __mmask64 c2 = _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(static_cast<char>(0xC2)));
  const __mmask64 upper = _mm512_test_epi8_mask(next, _mm512_set1_epi8(0x20));
  const __mmask64 leads = d0 | (d1 & ~upper) | (c2 & upper);
  const __m512i key = _mm512_or_si512(_mm512_and_si512(next, _mm512_set1_epi8(0x3F)),
                                      _mm512_maskz_mov_epi8(~d0, _mm512_set1_epi8(0x40)));
  const __m512i mapped = _mm512_permutex2var_epi8(keys_low, key, keys_high);
  // Sixty-five lanes with the byte after the block: its bit is added apart.
  const __mmask64 expected = leads << 1 | static_cast<__mmask64>(*carry);
  const __mmask64 trouble = (high & ~(leads | cont)) | _mm512_mask_testn_epi8_mask(leads, mapped, mapped) |
                            (cont & ~expected) | (expected & ~cont) >> 1 | (leads & ~next_cont & 1ull << 63);
  const __mmask64 keep = ~cont;
  _mm512_storeu_si512(out, _mm512_maskz_compress_epi8(keep, _mm512_mask_blend_epi8(leads, bytes, mapped)));
  if (trouble != 0) {
    const int at = __builtin_ctzll(trouble);
    out += Before(cont, at, -1);
    return at;
  }
  out += _mm_popcnt_u64(keep);
  *carry = static_cast<int>(leads >> 63);
  return 64;
}

__attribute__((target(LIROVANT_AVX512))) Kernel_Run Page_Avx512(const std::uint8_t* in, std::size_t count,
                                                                std::uint8_t* out, const Page_Forms& forms) {
  const __m512i lead_low = _mm512_loadu_si512(forms.lead), lead_high = _mm512_loadu_si512(forms.lead + 64);
  const __m512i cont_low = _mm512_loadu_si512(forms.cont), cont_high = _mm512_loadu_si512(forms.cont + 64);
  std::uint8_t* write = out;
  std::size_t read = 0;
  int took = 64;
  for (; took == 64 && read + 64 <= count; read += took)
    took = Page_Block_64(in + read, write, lead_low, lead_high, cont_low, cont_high);
  for (took = took == 64 ? 16 : 0; took == 16 && read + 16 <= count; read += took)
    took = Page_Block_16(in + read, write, forms);
  return {read, static_cast<std::size_t>(write - out)};
}

__attribute__((target(LIROVANT_AVX512))) Kernel_Run Utf8_Avx512(const std::uint8_t* in, std::size_t count,
                                                                std::uint8_t* out, const Utf8_Keys& keys) {
  const __m512i keys_low = _mm512_loadu_si512(keys.byte), keys_high = _mm512_loadu_si512(keys.byte + 64);
  std::uint8_t* write = out;
  std::size_t read = 0;
  int carry = 0;
  for (int took = 64; read + 65 <= count; read += took) {
    took = Utf8_Block_64(in + read, &carry, write, keys_low, keys_high);
    if (took < 64) return {read + took, static_cast<std::size_t>(write - out)};
  }
  for (int took = 16; read + 17 <= count; read += took) {
    took = Utf8_Block_16(in + read, &carry, write, keys);
    if (took < 16) return {read + took, static_cast<std::size_t>(write - out)};
  }
  return {read + carry, static_cast<std::size_t>(write - out)};
}

bool Processor_Has(Utf8_Kernel kernel) {
  __builtin_cpu_init();
  switch (kernel) {
    case Utf8_Kernel::Scalar:
      return true;
    case Utf8_Kernel::Sse41:
      return __builtin_cpu_supports("sse4.1");
    case Utf8_Kernel::Avx2:
      return __builtin_cpu_supports("avx2");
    case Utf8_Kernel::Avx512:
      return __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl") &&
             __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512vbmi2") &&
             __builtin_cpu_supports("popcnt");
  }
  return false;
}

#else

bool Processor_Has(Utf8_Kernel kernel) { return kernel == Utf8_Kernel::Scalar; }

#endif

Utf8_Kernel Detect_Fastest() {
  for (Utf8_Kernel kernel : {Utf8_Kernel::Avx512, Utf8_Kernel::Avx2, Utf8_Kernel::Sse41})
    if (Processor_Has(kernel)) return kernel;
  return Utf8_Kernel::Scalar;
}

}  // namespace

bool Utf8_Kernel_Available(Utf8_Kernel kernel) { return Processor_Has(kernel); }

Utf8_Kernel Fastest_Utf8_Kernel() {
  static const Utf8_Kernel fastest = Detect_Fastest();
  return fastest;
}

Kernel_Run Page_To_Utf8_Blocks(Utf8_Kernel kernel, const std::uint8_t* in, std::size_t count,
                               std::uint8_t* out, const Page_Forms& forms) {
  switch (kernel) {
#if LIROVANT_X86_KERNELS
    case Utf8_Kernel::Avx512:
      return Page_Avx512(in, count, out, forms);
    case Utf8_Kernel::Avx2:
      return Page_Avx2(in, count, out, forms);
    case Utf8_Kernel::Sse41:
      return Page_Sse41(in, count, out, forms);
#endif
    default:
      return {};
  }
}

Kernel_Run Utf8_To_Page_Blocks(Utf8_Kernel kernel, const std::uint8_t* in, std::size_t count,
                               std::uint8_t* out, const Utf8_Keys& keys) {
  switch (kernel) {
#if LIROVANT_X86_KERNELS
    case Utf8_Kernel::Avx512:
      return Utf8_Avx512(in, count, out, keys);
    case Utf8_Kernel::Avx2:
      return Utf8_Avx2(in, count, out, keys);
    case Utf8_Kernel::Sse41:
      return Utf8_Sse41(in, count, out, keys);
#endif
    default:
      return {};
  }
}
