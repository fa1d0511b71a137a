// Little-endian byte building blocks of the help file format, including the
// "compressed" numbers that topic records use (one or two bytes for short
// values, two or four for long ones, the low bit telling which).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace winhelp {

using Bytes = std::vector<std::uint8_t>;

void put_u8(Bytes& out, unsigned value);
void put_u16(Bytes& out, unsigned value);
void put_u32(Bytes& out, std::uint32_t value);
void put_bytes(Bytes& out, const Bytes& data);
// The string's bytes followed by one NUL.
void put_cstr(Bytes& out, const std::string& text);
void set_u32(Bytes& out, std::size_t at, std::uint32_t value);

std::uint16_t get_u16(const Bytes& in, std::size_t at);
std::uint32_t get_u32(const Bytes& in, std::size_t at);

// Compressed numbers; each throws std::out_of_range for a value that the
// encoding cannot hold.
void put_compressed_ushort(Bytes& out, unsigned value);      // 0 .. 32767
void put_compressed_short(Bytes& out, int value);            // -16384 .. 16383
void put_compressed_long(Bytes& out, long value);            // -2^30 .. 2^30-1
void put_compressed_ulong(Bytes& out, unsigned long value);  // 0 .. 2^31-1

}  // namespace winhelp
