// The install run's decisions.
#include "InstallPlan.h"

#include <string>

#include "Manifest.h"

bool IsGameDirSource(const CString& source)
{
    return source.StartsWithNoCase(kGameDirMarker);
}

CString ResolveSource(const CString& source, const CString& gameDir)
{
    return IsGameDirSource(source) ? gameDir + source.Mid(kMarkerLength) : source;
}

CString FormatMegabytes(const CString& pattern, unsigned long long bytes)
{
    const int at = pattern.Find('%');
    if (at < 0 || at + 1 >= pattern.GetLength() || pattern.GetAt(at + 1) != 'd') return pattern;
    const std::string megabytes = std::to_string(bytes / 1048576ULL);
    return pattern.Left(at) + megabytes.c_str() + pattern.Mid(at + 2);
}
