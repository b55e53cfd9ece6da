// The install list: parsing of files.cfg lines into index-aligned sources and destinations.
#pragma once

#include <functional>

#include "framework/String.h"
#include "framework/StringArray.h"
#include "install/DestinationRules.h"
#include "install/SourceMarkers.h"

// Splits a line at its first "|". False for lines that do not count (empty, or no "|").
// The destination loses one leading backslash; nothing is trimmed.
bool SplitManifestLine(const CString& line, CString& source, CString& dest);

// Why a load of the list stopped before the end of the file.
enum class ManifestStop {
    None,
    MissingSource,      // a "<INSTDIR>" source matched nothing
    UnsafeDestination,  // a destination Windows cannot hold or that would leave the game directory
};

struct ManifestOutcome {
    ManifestStop stop = ManifestStop::None;
    CString subject;  // the resolved source, or the refused line's destination as shown
};

// Reads lines until nextLine returns false, appending the pairs that count. A source that
// starts with "<INSTDIR>" gets installerDir in place of the marker and must pass exists();
// the first one that does not, the first line with a NUL byte in its source, or the first
// destination the destination rules refuse stops the load, the pairs before it kept.
// Exceptions of nextLine pass through.
ManifestOutcome ReadManifest(const std::function<bool(CString&)>& nextLine,
                             const std::function<bool(const CString&)>& exists, const CString& installerDir,
                             CStringArray& sources, CStringArray& dests);
