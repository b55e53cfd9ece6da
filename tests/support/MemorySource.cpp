// Reads from memory, with the simulated read failure.
#include "MemorySource.h"

#include <cstring>

std::size_t MemorySource::ReadAt(std::uint64_t offset, void* buffer, std::size_t count)
{
    if (offset >= m_bytes.size()) return 0;
    std::uint64_t end = offset + count;
    if (end > m_bytes.size()) end = m_bytes.size();
    if (end > m_failFrom) {
        m_failed = true;
        end = offset < m_failFrom ? m_failFrom : offset;
    }
    std::memcpy(buffer, m_bytes.data() + offset, static_cast<std::size_t>(end - offset));
    return static_cast<std::size_t>(end - offset);
}
