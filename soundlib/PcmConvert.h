// Sample conversions to the 16-bit signed PCM that every decoder delivers.
#pragma once

#include <cstddef>
#include <cstdint>

namespace soundlib {

// Unsigned 8-bit samples (silence at 128) to signed 16-bit little-endian ones; `out` holds 2 * count bytes.
void Widen8BitSamples(const std::uint8_t* in, std::size_t count, std::uint8_t* out);

}  // namespace soundlib
