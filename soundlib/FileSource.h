// A sound file (or a part of one) opened for reading, seen as a ByteSource.
#pragma once

#include <memory>
#include <vector>

#include "soundlib/ByteSource.h"
#include "soundlib/Win32Handle.h"

namespace soundlib {

class FileSource : public ByteSource {
public:
    // Opens `name`; `length` 0 means up to the end. Returns 0 or the FSOUND error code.
    static int Open(const char* name, std::uint64_t offset, std::uint64_t length, std::unique_ptr<FileSource>& file);

    std::uint64_t Size() const override { return m_size; }
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override;
    bool Failed() const override { return m_failed; }

private:
    FileSource(Win32Handle file, std::uint64_t start, std::uint64_t size);
    bool Fill(std::uint64_t offset);

    Win32Handle m_file;
    std::uint64_t m_start;
    std::uint64_t m_size;
    bool m_failed = false;
    // The frame walk reads four bytes per frame; one read of a block serves many of them.
    std::vector<std::uint8_t> m_cache;
    std::uint64_t m_cacheOffset = 0;
    std::size_t m_cacheBytes = 0;
};

}  // namespace soundlib
