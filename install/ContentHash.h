// A 32-bit hash of a file's content, fed chunk by chunk as the file is copied (the xxHash32
// algorithm, seed 0): fast enough to cost nothing beside the copy, and enough to tell a file the
// translation wrote from one the game or the user wrote since.
#pragma once

#include <cstddef>
#include <cstdint>

class CContentHash {
public:
    void Add(const void* data, std::size_t size);
    std::uint32_t Value() const;

private:
    void Stripe(const unsigned char* bytes);

    std::uint32_t m_lanes[4] = {0x9E3779B1u + 0x85EBCA77u, 0x85EBCA77u, 0u, 0u - 0x9E3779B1u};
    unsigned char m_pending[16] = {};
    std::size_t m_pendingSize = 0;
    std::uint64_t m_total = 0;
};
