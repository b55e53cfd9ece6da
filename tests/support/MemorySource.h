// Bytes in memory seen as a sound file, optionally failing to read past a point like a bad medium.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "ByteSource.h"

class MemorySource : public soundlib::ByteSource {
public:
    explicit MemorySource(std::string bytes, std::uint64_t failFrom = std::numeric_limits<std::uint64_t>::max())
        : m_bytes(std::move(bytes)), m_failFrom(failFrom)
    {
    }

    std::uint64_t Size() const override { return m_bytes.size(); }
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override;
    bool Failed() const override { return m_failed; }

private:
    std::string m_bytes;
    std::uint64_t m_failFrom;
    bool m_failed = false;
};
