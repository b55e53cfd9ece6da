// The install list parser.
#include "install/Manifest.h"

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

ManifestOutcome Refused(const CString& dest)
{
    ManifestOutcome outcome;
    outcome.stop = ManifestStop::UnsafeDestination;
    outcome.subject = ShownDestination(dest);
    return outcome;
}

}  // namespace

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
        // A NUL would end the source early in every file function: the line names no real file.
        if (source.Find('\0') >= 0) return Refused(dest);
        if (source.StartsWith(kInstallerDirMarker)) {
            source = installerDir + source.Mid(kMarkerLength);
            if (!exists(source)) {
                outcome.stop = ManifestStop::MissingSource;
                outcome.subject = source;
                return outcome;
            }
        }
        if (!DestinationAcceptable(dest)) return Refused(dest);
        sources.Add(std::move(source));
        dests.Add(std::move(dest));
    }
    return outcome;
}
