// The install run's copy plan: which pairs are copied, what each one replaces, which folders it
// creates, and which steps must keep the list's order.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "install/GamePaths.h"
#include "install/SourceMarkers.h"

// What stands at a path before the run, and whether it is a link (a symbolic link or junction).
struct PathProbe {
    PathState state = PathState::Missing;
    bool link = false;
    // A file's name as the folder holds it (the asked one may differ in letter case, or be a short
    // name); empty when unknown. The run writes and puts back under this name, so that neither the
    // install nor its undo changes how a game file's name is spelt.
    std::wstring name;
};

struct CopyStep {
    std::wstring source;    // resolved path
    std::wstring relative;  // canonical destination, relative to the game folder
    // A file stands there before the run: it is moved aside first. A destination written twice is
    // moved aside each time, so that undoing the steps last first always ends at the original.
    bool replaces;
    // It must wait for every step before it, and the steps after it for it: it reads from the game
    // folder (which earlier steps may have changed), or its destination may be a file that another
    // step writes too (the same name in another letter case, a short name, a folder reached
    // through a link). The other steps touch nothing another step touches and may run side by side.
    bool ordered;
};

struct CopyPlan {
    std::vector<CopyStep> steps;            // step i is entry i of the undo record
    std::vector<std::wstring> newFolders;   // relative, each after its parent
    // Existing folders through which a destination could reach the undo folder without spelling
    // its name: the first component of every destination, and every link on the way.
    std::vector<std::wstring> gateways;
    // A destination that is an existing folder, or the game folder itself: the run must not start
    // (-1 when none).
    int folderInTheWay = -1;
};

// Pairs in list order; a "<GAMEDIR>" pair whose destination exists already is left out, so a
// backup is made once and never overwritten. gameDir ends in a backslash; probe tells what stands
// at a full path before the run. Two names are one destination when their PathKey is equal
// (NTFS's upcase rule); a case-sensitive volume under Wine may hold both, and both are then
// treated as one, the safe side: they are copied in order.
CopyPlan PlanCopy(const std::vector<std::wstring>& sources, const std::vector<std::wstring>& dests,
                  const std::wstring& gameDir, const std::function<PathProbe(const std::wstring&)>& probe);

// The volume has room only when its free bytes are strictly more than the run writes.
inline bool HasRoomFor(unsigned long long needed, unsigned long long totalFree)
{
    return totalFree > needed;
}
