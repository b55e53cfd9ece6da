// The existence test through FindFirstFileA.
#include "FileFind.h"

#include <windows.h>

bool FileExists(const CString& pattern)
{
    WIN32_FIND_DATAA data;
    const HANDLE find = ::FindFirstFileA(pattern, &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    ::FindClose(find);
    return true;
}
