// Owner of a Win32 kernel handle (files, events, threads).
#pragma once

#include <windows.h>

namespace soundlib {

class Win32Handle {
public:
    Win32Handle() = default;
    explicit Win32Handle(HANDLE handle) : m_handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~Win32Handle()
    {
        if (m_handle) ::CloseHandle(m_handle);
    }
    Win32Handle(Win32Handle&& other) noexcept : m_handle(other.m_handle) { other.m_handle = nullptr; }
    Win32Handle& operator=(Win32Handle&& other) noexcept
    {
        if (this != &other) {
            if (m_handle) ::CloseHandle(m_handle);
            m_handle = other.m_handle;
            other.m_handle = nullptr;
        }
        return *this;
    }
    Win32Handle(const Win32Handle&) = delete;
    Win32Handle& operator=(const Win32Handle&) = delete;

    HANDLE Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    HANDLE m_handle = nullptr;
};

}  // namespace soundlib
