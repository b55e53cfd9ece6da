// COM ownership: interface pointers, memory from the task allocator, and the OLE set-up of a thread.
#pragma once

#include <windows.h>
#include <ole2.h>

#include "framework/Handle.h"

template <typename T>
void ReleaseReference(T* object)
{
    object->Release();
}

// One reference to a COM object.
template <typename T>
using CComPtr = CUniqueHandle<NullEmptyTraits<T*, ReleaseReference<T>>>;
// What the shell and COM hand out for the caller to free (an item list of the folder browser, say).
template <typename T>
using CTaskMemory = CUniqueHandle<NullEmptyTraits<T*, ::CoTaskMemFree>>;

// OLE on the calling thread while the object lives; undone only where it was done, as the system
// counts each success and wants as many undos.
class COleSession {
public:
    COleSession() : m_started(SUCCEEDED(::OleInitialize(nullptr))) {}
    ~COleSession()
    {
        if (m_started) ::OleUninitialize();
    }
    COleSession(const COleSession&) = delete;
    COleSession& operator=(const COleSession&) = delete;

private:
    bool m_started;
};
