#include "tools/winhelp/bytes.h"

#include <stdexcept>

namespace winhelp {

void put_u8(Bytes& out, unsigned value) { out.push_back(static_cast<std::uint8_t>(value & 0xFF)); }

void put_u16(Bytes& out, unsigned value) {
  put_u8(out, value);
  put_u8(out, value >> 8);
}

void put_u32(Bytes& out, std::uint32_t value) {
  put_u16(out, value & 0xFFFF);
  put_u16(out, value >> 16);
}

void put_bytes(Bytes& out, const Bytes& data) { out.insert(out.end(), data.begin(), data.end()); }

void put_cstr(Bytes& out, const std::string& text) {
  out.insert(out.end(), text.begin(), text.end());
  out.push_back(0);
}

void set_u32(Bytes& out, std::size_t at, std::uint32_t value) {
  if (at + 4 > out.size()) throw std::out_of_range("set_u32 past the end");
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint16_t get_u16(const Bytes& in, std::size_t at) {
  if (at + 2 > in.size()) throw std::out_of_range("get_u16 past the end");
  return static_cast<std::uint16_t>(in[at] | (in[at + 1] << 8));
}

std::uint32_t get_u32(const Bytes& in, std::size_t at) {
  return get_u16(in, at) | (static_cast<std::uint32_t>(get_u16(in, at + 2)) << 16);
}

void put_compressed_ushort(Bytes& out, unsigned value) {
  if (value < 0x80) {
    put_u8(out, value * 2);
  } else if (value < 0x8000) {
    put_u16(out, value * 2 + 1);
  } else {
    throw std::out_of_range("compressed unsigned short");
  }
}

void put_compressed_short(Bytes& out, int value) {
  if (value >= -0x40 && value < 0x40) {
    put_u8(out, static_cast<unsigned>(value + 0x40) * 2);
  } else if (value >= -0x4000 && value < 0x4000) {
    put_u16(out, static_cast<unsigned>(value + 0x4000) * 2 + 1);
  } else {
    throw std::out_of_range("compressed short");
  }
}

void put_compressed_long(Bytes& out, long value) {
  if (value >= -0x4000 && value < 0x4000) {
    put_u16(out, static_cast<unsigned>(value + 0x4000) * 2);
  } else if (value >= -0x40000000L && value < 0x40000000L) {
    put_u32(out, static_cast<std::uint32_t>(value + 0x40000000L) * 2 + 1);
  } else {
    throw std::out_of_range("compressed long");
  }
}

void put_compressed_ulong(Bytes& out, unsigned long value) {
  if (value < 0x8000) {
    put_u16(out, static_cast<unsigned>(value) * 2);
  } else if (value < 0x80000000UL) {
    put_u32(out, static_cast<std::uint32_t>(value) * 2 + 1);
  } else {
    throw std::out_of_range("compressed unsigned long");
  }
}

}  // namespace winhelp
