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
                outcome.stoppedAtMissing = true;
                outcome.missingSource = source;
                return outcome;
            }
        }
        sources.Add(source);
        dests.Add(dest);
    }
    return outcome;
}
