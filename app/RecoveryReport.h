// What a start, an Install or a restore does first in a game folder: claims it, undoes or finishes
// what a run or a restore cut off there left behind, and what the user is told about it.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "install/RunClaim.h"

struct RecoveryReport {
    bool proceed = true;    // false: nothing may be changed in the folder now
    bool installed = false;  // the folder holds a restore point of ours
    bool unlisted = false;   // ...that the list of installed programs lacks (an install cut off after its commit)
    // Texts to show, each a pattern and its argument (a path; empty for a text without one).
    std::vector<std::pair<const char*, std::wstring>> lines;
};

// Hands disk work to be done, and returns once it is: on this thread, or on another while this
// thread's window keeps answering.
using DiskWorkRunner = std::function<void(const std::function<void()>&)>;

// gameDir ends in a backslash. The claim is taken on the calling thread (it belongs to the thread)
// and held by the caller for as long as it works there; the recovery's disk work goes to `run`,
// or is done here.
RecoveryReport ClaimAndRecover(CRunClaim& claim, const std::wstring& gameDir, const DiskWorkRunner& run = nullptr);
