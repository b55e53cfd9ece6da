// Bytes in memory seen as a sound file, optionally failing to read past a point like a bad medium.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#include "soundlib/ByteSource.h"

class MemorySource : public soundlib::ByteSource {
public:
    explicit MemorySource(std::string bytes, std::uint64_t failFrom = UINT64_MAX)
        : m_bytes(std::move(bytes)), m_failFrom(failFrom)
    {
    }

    std::uint64_t Size() const override { return m_bytes.size(); }
    bool Failed() const override { return m_failed; }

    // Up to the fail point, and from then on nothing but the failure.
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override
    {
        if (offset >= m_bytes.size()) return 0;
        const std::uint64_t end = std::min<std::uint64_t>(offset + count, m_bytes.size());
        if (end > m_failFrom) m_failed = true;
        const std::size_t got = static_cast<std::size_t>(std::max(offset, std::min(end, m_failFrom)) - offset);
        std::memcpy(buffer, m_bytes.data() + offset, got);
        return got;
    }

private:
    std::string m_bytes;
    std::uint64_t m_failFrom;
    bool m_failed = false;
};
