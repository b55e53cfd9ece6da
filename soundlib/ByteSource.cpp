// Exact reads from a ByteSource.
#include "soundlib/ByteSource.h"

namespace soundlib {

bool ReadExactly(ByteSource& source, std::uint64_t offset, void* buffer, std::size_t count)
{
    return source.ReadAt(offset, buffer, count) == count;
}

}  // namespace soundlib
