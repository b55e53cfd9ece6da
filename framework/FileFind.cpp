// The existence test: a directory search, or for a plain path the cheaper attribute query.
#include "framework/FileFind.h"

#include <windows.h>

#include <cstring>

#include "framework/Handle.h"

namespace {

// Characters the directory search treats as wildcards (the last three are its DOS forms), and the
// endings the search refuses but the attribute query would accept (a separator, a bare drive).
bool NeedsSearch(const CString& pattern)
{
    const char* text = pattern;
    const std::size_t length = std::strlen(text);
    if (length == 0 || std::strpbrk(text, "*?<>\"")) return true;
    const char last = text[length - 1];
    return last == '\\' || last == '/' || last == ':';
}

}  // namespace

bool FileExists(const CString& pattern)
{
    // A plain path needs no search: under Wine a search opens the folder through the server and
    // costs about 0.17 ms, the attribute query about 0.01 ms, and the install list asks once per
    // shipped file before the window shows.
    if (!NeedsSearch(pattern)) return ::GetFileAttributesA(pattern) != INVALID_FILE_ATTRIBUTES;
    WIN32_FIND_DATAA data;
    const CFindHandle find(::FindFirstFileA(pattern, &data));
    return find.IsValid();
}
