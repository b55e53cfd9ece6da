// CFileReadStream: a read-only, seekable IStream over an open file, read through a 4096-byte buffer.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <vector>

class CFileReadStream : public IStream {
public:
    // The file stays owned by the caller. Throws std::bad_alloc when the buffer cannot be had.
    explicit CFileReadStream(HANDLE file);

    // IUnknown: the object lives on its owner's stack; counting only guards against misuse.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_refs; }

    // ISequentialStream / IStream: reading, seeking and the size; writing is refused.
    HRESULT STDMETHODCALLTYPE Read(void* data, ULONG size, ULONG* read) override;
    HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG*) override { return STG_E_ACCESSDENIED; }
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) override;
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return STG_E_ACCESSDENIED; }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }

private:
    bool Fill();

    HANDLE m_file;
    std::vector<char> m_buffer;
    ULONGLONG m_bufferStart = 0;  // file offset of m_buffer[0]
    ULONG m_bufferLength = 0;     // valid bytes in the buffer
    ULONGLONG m_position = 0;     // the stream's position
    ULONGLONG m_size = 0;
    ULONG m_refs = 1;
};
