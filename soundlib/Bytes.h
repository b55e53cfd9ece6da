// Little-endian field readers and tag comparison for the file headers.
#pragma once

#include <cstdint>
#include <cstring>

namespace soundlib {

inline std::uint16_t LittleEndian16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t LittleEndian32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline bool HasTag(const std::uint8_t* p, const char* tag)
{
    return std::memcmp(p, tag, std::strlen(tag)) == 0;
}

}  // namespace soundlib
