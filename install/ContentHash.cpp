// xxHash32 over a stream.
#include "install/ContentHash.h"

#include <cstring>

namespace {

const std::uint32_t kPrime1 = 0x9E3779B1u;
const std::uint32_t kPrime2 = 0x85EBCA77u;
const std::uint32_t kPrime3 = 0xC2B2AE3Du;
const std::uint32_t kPrime4 = 0x27D4EB2Fu;
const std::uint32_t kPrime5 = 0x165667B1u;

std::uint32_t Rotate(std::uint32_t value, int bits)
{
    return (value << bits) | (value >> (32 - bits));
}

std::uint32_t Word(const unsigned char* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::uint32_t Round(std::uint32_t lane, std::uint32_t input)
{
    return Rotate(lane + input * kPrime2, 13) * kPrime1;
}

}  // namespace

void CContentHash::Stripe(const unsigned char* bytes)
{
    for (int lane = 0; lane < 4; ++lane) m_lanes[lane] = Round(m_lanes[lane], Word(bytes + 4 * lane));
}

void CContentHash::Add(const void* data, std::size_t size)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    m_total += size;
    if (m_pendingSize > 0) {
        const std::size_t take = size < 16 - m_pendingSize ? size : 16 - m_pendingSize;
        std::memcpy(m_pending + m_pendingSize, bytes, take);
        m_pendingSize += take;
        bytes += take;
        size -= take;
        if (m_pendingSize < 16) return;
        Stripe(m_pending);
        m_pendingSize = 0;
    }
    for (; size >= 16; bytes += 16, size -= 16) Stripe(bytes);
    std::memcpy(m_pending, bytes, size);
    m_pendingSize = size;
}

std::uint32_t CContentHash::Value() const
{
    std::uint32_t hash = m_total >= 16 ? Rotate(m_lanes[0], 1) + Rotate(m_lanes[1], 7) + Rotate(m_lanes[2], 12) +
                                             Rotate(m_lanes[3], 18)
                                       : kPrime5;
    hash += static_cast<std::uint32_t>(m_total);
    std::size_t at = 0;
    for (; at + 4 <= m_pendingSize; at += 4) hash = Rotate(hash + Word(m_pending + at) * kPrime3, 17) * kPrime4;
    for (; at < m_pendingSize; ++at) hash = Rotate(hash + m_pending[at] * kPrime5, 11) * kPrime1;
    hash ^= hash >> 15;
    hash *= kPrime2;
    hash ^= hash >> 13;
    hash *= kPrime3;
    hash ^= hash >> 16;
    return hash;
}
