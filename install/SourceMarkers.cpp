// The markers a source of the install list starts with.
#include "install/SourceMarkers.h"

#include "install/GamePaths.h"

bool IsGameDirSource(const CString& source)
{
    return StartsWithName(source.GetString(), static_cast<std::size_t>(source.GetLength()), kGameDirMarker);
}

bool IsGameDirSource(const std::wstring& source)
{
    return StartsWithName(source.data(), source.size(), kGameDirMarker);
}

CString ResolveSource(const CString& source, const CString& gameDir)
{
    return IsGameDirSource(source) ? gameDir + source.Mid(kMarkerLength) : source;
}

std::wstring ResolveSource(const std::wstring& source, const std::wstring& gameDir)
{
    return IsGameDirSource(source) ? gameDir + source.substr(kMarkerLength) : source;
}
