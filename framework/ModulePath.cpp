// The running executable's path.
#include "ModulePath.h"

#include <windows.h>

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
