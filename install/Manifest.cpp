// The install list parser.
#include "Manifest.h"

bool SplitManifestLine(const CString& line, CString& source, CString& dest)
{
    if (line.IsEmpty()) return false;
    const int bar = line.Find('|');
    if (bar < 0) return false;
    source = line.Left(bar);
    dest = line.Mid(bar + 1);
    if (!dest.IsEmpty() && dest.GetAt(0) == '\\') dest = dest.Mid(1);
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
    int depth = 0;
    int start = 0;
    for (int i = 0; i <= dest.GetLength(); ++i) {
        if (i < dest.GetLength() && !IsSeparator(dest.GetAt(i))) continue;
        const CString part = dest.Mid(start, i - start);
        if (part == "..") {
            if (--depth < 0) return false;
        } else if (!part.IsEmpty() && part != ".") {
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
        sources.Add(source);
        dests.Add(dest);
    }
    return outcome;
}
