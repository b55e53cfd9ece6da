// What a start, an Install or a restore does first in a game folder: claims it, undoes or finishes
// what a run or a restore cut off there left behind, and what the user is told about it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "install/RunClaim.h"

struct RecoveryReport {
    bool proceed = true;  // false: nothing may be changed in the folder now
    // Texts to show, each a pattern and its argument (a path; empty for a text without one).
    std::vector<std::pair<const char*, std::wstring>> lines;
};

// gameDir ends in a backslash. The claim is held by the caller for as long as it works there.
RecoveryReport ClaimAndRecover(CRunClaim& claim, const std::wstring& gameDir);
