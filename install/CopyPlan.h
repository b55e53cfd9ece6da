// The install run's copy plan: which pairs are copied, what each one replaces, which folders it creates.
#pragma once

#include <functional>
#include <vector>

#include "../framework/String.h"
#include "../framework/StringArray.h"

// The folder inside the game folder that holds what an unfinished run must put back.
const char kUndoFolderName[] = "VELANInst.undo";

// A destination as the file system will read it: separators unified to "\", empty and "."
// components dropped, ".." taken back; no leading or trailing separator. Destinations that
// climb above the game folder are refused at load, so ".." never leaves the root here.
CString CanonicalDestination(const CString& dest);

// True when a destination lies in the undo folder (any letter case), which no list may write to.
bool IsInUndoFolder(const CString& dest);

enum class PathState { Missing, File, Folder };

struct CopyStep {
    CString source;      // resolved path
    CString relative;    // canonical destination, relative to the game folder
    bool firstWrite;     // the first step of the run that writes this destination
    bool replaces;       // firstWrite, and a file stands there now: it is moved aside first
    int undoIndex;       // its entry in the undo record; -1 for later writes of the same destination
    // It must wait for every step before it, and the steps after it for it: it reads from the game
    // folder (which earlier steps may have changed), or its destination is written more than once.
    // The other steps touch nothing another step touches and may run side by side.
    bool ordered;
};

struct CopyPlan {
    std::vector<CopyStep> steps;
    std::vector<CString> newFolders;  // relative, each after its parent
    // A destination that is an existing folder: the run must not start (-1 when none).
    int folderInTheWay = -1;
};

// Pairs in list order; a "<GAMEDIR>" pair whose destination exists already is left out, so a
// backup is made once and never overwritten. A source is in the game folder when its path starts
// with gameDir, letter case aside. probe tells what stands at a full path before the
// run. Destinations are compared ignoring ASCII letter case, as the file system would.
CopyPlan PlanCopy(const CStringArray& sources, const CStringArray& dests, const CString& gameDir,
                  const std::function<PathState(const CString&)>& probe);
