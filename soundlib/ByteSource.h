// Random-access bytes of a sound file, so that the parsers never touch a platform file API.
#pragma once

#include <cstddef>
#include <cstdint>

namespace soundlib {

class ByteSource {
public:
    virtual ~ByteSource() = default;

    virtual std::uint64_t Size() const = 0;

    // Copies up to `count` bytes from `offset`; fewer only at the end or when reading failed.
    virtual std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) = 0;

    // Whether some read failed, which tells a damaged medium apart from a short file.
    virtual bool Failed() const = 0;
};

// True when all `count` bytes could be read.
bool ReadExactly(ByteSource& source, std::uint64_t offset, void* buffer, std::size_t count);

}  // namespace soundlib
