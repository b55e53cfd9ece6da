// The install run's decisions.
#include "install/InstallPlan.h"

#include "install/Manifest.h"

namespace {

// The marker's letters in any case, read over bytes or UTF-16 code units alike.
template <class Char>
bool StartsWithGameDirMarker(const Char* text, std::size_t length)
{
    if (length < static_cast<std::size_t>(kMarkerLength)) return false;
    for (int i = 0; i < kMarkerLength; ++i) {
        const unsigned unit = static_cast<unsigned>(text[i]) & (sizeof(Char) == 1 ? 0xFFu : 0xFFFFFFFFu);
        const unsigned upper = unit >= 'a' && unit <= 'z' ? unit - 'a' + 'A' : unit;
        if (upper != static_cast<unsigned char>(kGameDirMarker[i])) return false;
    }
    return true;
}

}  // namespace

bool IsGameDirSource(const CString& source)
{
    return StartsWithGameDirMarker(source.GetString(), static_cast<std::size_t>(source.GetLength()));
}

bool IsGameDirSource(const std::wstring& source)
{
    return StartsWithGameDirMarker(source.data(), source.size());
}

CString ResolveSource(const CString& source, const CString& gameDir)
{
    return IsGameDirSource(source) ? gameDir + source.Mid(kMarkerLength) : source;
}

std::wstring ResolveSource(const std::wstring& source, const std::wstring& gameDir)
{
    return IsGameDirSource(source) ? gameDir + source.substr(kMarkerLength) : source;
}

CString FormatMegabytes(const CString& pattern, unsigned long long bytes)
{
    const int at = pattern.Find('%');
    if (at < 0 || at + 1 >= pattern.GetLength() || pattern.GetAt(at + 1) != 'd') return pattern;
    const std::string megabytes = std::to_string(bytes / 1048576ULL);
    return pattern.Left(at) + megabytes.c_str() + pattern.Mid(at + 2);
}
