// COM ownership: interface pointers, memory from the task allocator, and the OLE set-up of a thread.
#pragma once

#include <windows.h>
#include <ole2.h>

#include "framework/Handle.h"

template <typename T>
struct ComPointerTraits {
    using Type = T*;
    static Type None() { return nullptr; }
    static bool IsValid(Type object) { return object != nullptr; }
    static void Close(Type object) { object->Release(); }
};

// What the shell and COM hand out for the caller to free (an item list of the folder browser, say).
template <typename T>
struct TaskMemoryTraits {
    using Type = T*;
    static Type None() { return nullptr; }
    static bool IsValid(Type memory) { return memory != nullptr; }
    static void Close(Type memory) { ::CoTaskMemFree(memory); }
};

// One reference to a COM object.
template <typename T>
using CComPtr = CUniqueHandle<ComPointerTraits<T>>;
template <typename T>
using CTaskMemory = CUniqueHandle<TaskMemoryTraits<T>>;

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
