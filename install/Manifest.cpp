// The install list parser.
#include "Manifest.h"

#include <utility>

bool SplitManifestLine(const CString& line, CString& source, CString& dest)
{
    if (line.IsEmpty()) return false;
    const int bar = line.Find('|');
    if (bar < 0) return false;
    // Assigned in place: a list is parsed line after line into the same two strings.
    const char* bytes = line.GetString();
    const int rest = bar + 1 + (bar + 1 < line.GetLength() && bytes[bar + 1] == '\\' ? 1 : 0);
    source.Assign(bytes, static_cast<std::size_t>(bar));
    dest.Assign(bytes + rest, static_cast<std::size_t>(line.GetLength() - rest));
    return true;
}

namespace {

bool IsSeparator(char ch)
{
    return ch == '\\' || ch == '/';
}

}  // namespace

bool DestinationStaysInside(const CString& dest)
{
    if (dest.GetLength() >= 2 && dest.GetAt(1) == ':') return false;
    if (dest.GetLength() >= 2 && IsSeparator(dest.GetAt(0)) && IsSeparator(dest.GetAt(1))) return false;
    const char* bytes = dest.GetString();
    const int end = dest.GetLength();
    int depth = 0;
    int start = 0;
    for (int i = 0; i <= end; ++i) {
        if (i < end && !IsSeparator(bytes[i])) continue;
        const char* part = bytes + start;
        const int length = i - start;
        if (length == 2 && part[0] == '.' && part[1] == '.') {
            if (--depth < 0) return false;
        } else if (length > 0 && !(length == 1 && part[0] == '.')) {
            ++depth;
        }
        start = i + 1;
    }
    return true;
}

ManifestOutcome ReadManifest(const std::function<bool(CString&)>& nextLine,
                             const std::function<bool(const CString&)>& exists, const CString& installerDir,
                             CStringArray& sources, CStringArray& dests)
{
    ManifestOutcome outcome;
    CString line;
    CString source;
    CString dest;
    while (nextLine(line)) {
        if (!SplitManifestLine(line, source, dest)) continue;
        if (source.StartsWith(kInstallerDirMarker)) {
            source = installerDir + source.Mid(kMarkerLength);
            if (!exists(source)) {
                outcome.stop = ManifestStop::MissingSource;
                outcome.subject = source;
                return outcome;
            }
        }
        if (!DestinationStaysInside(dest)) {
            outcome.stop = ManifestStop::UnsafeDestination;
            outcome.subject = dest;
            return outcome;
        }
        sources.Add(std::move(source));
        dests.Add(std::move(dest));
    }
    return outcome;
}
