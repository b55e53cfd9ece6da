// The running executable's path.
#include "framework/ModulePath.h"

#include <windows.h>

#include "framework/PathText.h"

CString GetModulePath()
{
    char buffer[261] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return CString(buffer, length < sizeof buffer ? length : sizeof buffer - 1);
}

CString GetAppName()
{
    return AppNameOfPath(GetModulePath());
}

std::wstring GetModulePathWide()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}
