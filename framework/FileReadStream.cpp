// CFileReadStream: buffered reads and seeks over a file handle.
#include "framework/FileReadStream.h"

#include <algorithm>
#include <cstring>

namespace {
const ULONG kBufferSize = 4096;
}

CFileReadStream::CFileReadStream(HANDLE file) : m_file(file), m_buffer(kBufferSize)
{
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file, &size)) m_size = static_cast<ULONGLONG>(size.QuadPart);
}

HRESULT CFileReadStream::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_ISequentialStream || iid == IID_IStream) {
        *object = static_cast<IStream*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

bool CFileReadStream::Fill()
{
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(m_position);
    DWORD got = 0;
    if (!::SetFilePointerEx(m_file, at, nullptr, FILE_BEGIN) ||
        !::ReadFile(m_file, m_buffer.data(), kBufferSize, &got, nullptr)) {
        return false;
    }
    m_bufferStart = m_position;
    m_bufferLength = got;
    return true;
}

HRESULT CFileReadStream::Read(void* data, ULONG size, ULONG* read)
{
    char* out = static_cast<char*>(data);
    ULONG done = 0;
    while (done < size) {
        const bool inBuffer = m_position >= m_bufferStart && m_position < m_bufferStart + m_bufferLength;
        if (!inBuffer) {
            if (!Fill()) {
                if (read) *read = done;
                return STG_E_READFAULT;
            }
            if (m_bufferLength == 0) break;  // end of file
        }
        const ULONG offset = static_cast<ULONG>(m_position - m_bufferStart);
        const ULONG chunk = std::min(size - done, m_bufferLength - offset);
        std::memcpy(out + done, m_buffer.data() + offset, chunk);
        done += chunk;
        m_position += chunk;
    }
    if (read) *read = done;
    return done == size ? S_OK : S_FALSE;
}

HRESULT CFileReadStream::Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position)
{
    LONGLONG base = 0;
    switch (origin) {
    case STREAM_SEEK_SET: base = 0; break;
    case STREAM_SEEK_CUR: base = static_cast<LONGLONG>(m_position); break;
    case STREAM_SEEK_END: base = static_cast<LONGLONG>(m_size); break;
    default: return STG_E_INVALIDFUNCTION;
    }
    const LONGLONG target = base + move.QuadPart;
    if (target < 0) return STG_E_INVALIDFUNCTION;
    m_position = static_cast<ULONGLONG>(target);
    if (position) position->QuadPart = m_position;
    return S_OK;
}

HRESULT CFileReadStream::Stat(STATSTG* stat, DWORD)
{
    if (!stat) return STG_E_INVALIDPOINTER;
    std::memset(stat, 0, sizeof *stat);
    stat->type = STGTY_STREAM;
    stat->cbSize.QuadPart = m_size;
    stat->grfMode = STGM_READ | STGM_SHARE_DENY_WRITE;
    return S_OK;
}
