#pragma once
// The kernels of the byte lookup, one per instruction set. Map_Byte_Run picks
// the fastest once; the others stay callable so that each can be held against
// the plain table lookup on the machine at hand.
#include <cstddef>
#include <cstdint>

#include "text/byte_map.h"

enum class Byte_Map_Kernel {
  Scalar,  // one table load per byte; every processor
  Ssse3,   // 16 bytes per step
  Avx2,    // 32 bytes per step
};

// Whether this build and this processor can run the kernel.
bool Byte_Map_Kernel_Available(Byte_Map_Kernel kernel);

// The widest available kernel, decided on the first call.
Byte_Map_Kernel Fastest_Byte_Map_Kernel();

// Map_Byte_Run with a chosen kernel, which must be available.
void Map_Byte_Run_With(Byte_Map_Kernel kernel, const std::uint8_t* in, std::uint8_t* out, std::size_t count,
                       const Byte_Table& map);
