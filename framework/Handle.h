// The program's handle owners: one move-only template that closes what it holds, a traits type per
// kind of handle, and a borrowing type for handles it uses but must leave to their owner.
#pragma once

#include <windows.h>

// Owns one handle of the kind Traits describes and closes it; not copyable, movable. Traits give
// Type, None() (the value that holds nothing), IsValid(handle) and Close(handle).
template <typename Traits>
class CUniqueHandle {
public:
    using Type = typename Traits::Type;

    CUniqueHandle() = default;
    explicit CUniqueHandle(Type handle) : m_handle(handle) {}
    ~CUniqueHandle() { Close(); }
    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;
    CUniqueHandle(CUniqueHandle&& other) noexcept : m_handle(other.Detach()) {}
    CUniqueHandle& operator=(CUniqueHandle&& other) noexcept
    {
        if (this != &other) {
            Close();
            m_handle = other.Detach();
        }
        return *this;
    }

    Type Get() const { return m_handle; }
    bool IsValid() const { return Traits::IsValid(m_handle); }
    Type Detach()
    {
        const Type handle = m_handle;
        m_handle = Traits::None();
        return handle;
    }
    void Close()
    {
        if (IsValid()) Traits::Close(m_handle);
        m_handle = Traits::None();
    }
    // For the functions that hand a new handle back through a pointer: what was held goes first,
    // or it would be overwritten unclosed.
    Type* Receive()
    {
        Close();
        return &m_handle;
    }

private:
    Type m_handle = Traits::None();
};

// A handle used but not owned: whoever handed it over closes it. Copyable; closes nothing, so the
// type alone says that no one here has to.
template <typename H>
class CBorrowed {
public:
    CBorrowed() = default;
    explicit CBorrowed(H handle) : m_handle(handle) {}
    H Get() const { return m_handle; }
    bool IsNull() const { return m_handle == nullptr; }

private:
    H m_handle = nullptr;
};

// A handle kind whose empty value is null, closed by CloseFn.
template <typename T, auto CloseFn>
struct NullEmptyTraits {
    using Type = T;
    static Type None() { return nullptr; }
    static bool IsValid(Type handle) { return handle != nullptr; }
    static void Close(Type handle) { CloseFn(handle); }
};

// Kernel objects come back null or INVALID_HANDLE_VALUE on failure, depending on the function.
struct KernelHandleTraits : NullEmptyTraits<HANDLE, ::CloseHandle> {
    static bool IsValid(Type handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
};

// A directory search's handle is no kernel handle: CloseHandle would not end the search.
struct FindHandleTraits : KernelHandleTraits {
    static Type None() { return INVALID_HANDLE_VALUE; }
    static void Close(Type handle) { ::FindClose(handle); }
};

using CHandle = CUniqueHandle<KernelHandleTraits>;
using CFindHandle = CUniqueHandle<FindHandleTraits>;
using CRegistryKey = CUniqueHandle<NullEmptyTraits<HKEY, ::RegCloseKey>>;
using CMenu = CUniqueHandle<NullEmptyTraits<HMENU, ::DestroyMenu>>;
using CLibrary = CUniqueHandle<NullEmptyTraits<HMODULE, ::FreeLibrary>>;
// Memory the system allocated for the caller with LocalAlloc (FormatMessage's text, say).
template <typename T>
using CLocalMemory = CUniqueHandle<NullEmptyTraits<T*, ::LocalFree>>;

// A menu another object owns, such as a window's system menu.
using CBorrowedMenu = CBorrowed<HMENU>;
