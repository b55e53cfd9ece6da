// Reading a sound file through one Win32 handle and a small block cache.
#include "soundlib/FileSource.h"

#include <cstring>

#include "soundlib/fsound.h"

namespace soundlib {
namespace {

constexpr std::size_t kCacheBytes = 64 * 1024;

int OpenErrorCode(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
    case ERROR_INVALID_DRIVE:
        return FSOUND_ERR_FILE_NOTFOUND;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return FSOUND_ERR_MEMORY;
    default:
        return FSOUND_ERR_FILE_BAD;
    }
}

}  // namespace

int FileSource::Open(const char* name, std::uint64_t offset, std::uint64_t length, std::unique_ptr<FileSource>& file)
{
    Win32Handle handle(::CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!handle) return OpenErrorCode(::GetLastError());
    LARGE_INTEGER total;
    if (!::GetFileSizeEx(handle.Get(), &total)) return FSOUND_ERR_FILE_BAD;
    const std::uint64_t fileSize = static_cast<std::uint64_t>(total.QuadPart);
    if (offset > fileSize) offset = fileSize;
    const std::uint64_t rest = fileSize - offset;
    const std::uint64_t size = (length == 0 || length > rest) ? rest : length;
    file.reset(new FileSource(std::move(handle), offset, size));
    return FSOUND_ERR_NONE;
}

FileSource::FileSource(Win32Handle file, std::uint64_t start, std::uint64_t size)
    : m_file(std::move(file)), m_start(start), m_size(size), m_cache(kCacheBytes)
{
}

bool FileSource::Fill(std::uint64_t offset)
{
    m_cacheOffset = offset;
    const std::uint64_t rest = m_size - offset;
    const DWORD wanted = static_cast<DWORD>(rest < m_cache.size() ? rest : m_cache.size());
    OVERLAPPED at{};
    const std::uint64_t position = m_start + offset;
    at.Offset = static_cast<DWORD>(position);
    at.OffsetHigh = static_cast<DWORD>(position >> 32);
    DWORD got = 0;
    // A synchronous handle with OVERLAPPED offsets reads at that position without a separate seek.
    const bool whole = ::ReadFile(m_file.Get(), m_cache.data(), wanted, &got, &at) && got == wanted;
    m_cacheBytes = got;
    if (!whole) m_failed = true;
    return whole;
}

std::size_t FileSource::ReadAt(std::uint64_t offset, void* buffer, std::size_t count)
{
    auto* out = static_cast<std::uint8_t*>(buffer);
    std::size_t copied = 0;
    while (copied < count && offset < m_size) {
        if (offset < m_cacheOffset || offset >= m_cacheOffset + m_cacheBytes) {
            if (!Fill(offset) && m_cacheBytes == 0) break;
        }
        const std::size_t inCache = static_cast<std::size_t>(m_cacheOffset + m_cacheBytes - offset);
        std::size_t step = count - copied;
        if (step > inCache) step = inCache;
        std::memcpy(out + copied, m_cache.data() + (offset - m_cacheOffset), step);
        copied += step;
        offset += step;
    }
    return copied;
}

}  // namespace soundlib
