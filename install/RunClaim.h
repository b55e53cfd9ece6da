// The claim an install run holds on a game folder while it lasts, so that a second installer (a
// double-click, another copy) never takes a live run for a dead one. A named mutex: the system
// releases it when the process ends, however it ends.
#pragma once

#include <string>

#include "framework/Handle.h"

class CRunClaim {
public:
    enum class Result {
        Claimed,
        Busy,    // another thread or process holds the claim on this folder
        Absent,  // the folder cannot be opened: there is nothing to claim
    };

    CRunClaim() = default;
    ~CRunClaim() { Release(); }
    CRunClaim(const CRunClaim&) = delete;
    CRunClaim& operator=(const CRunClaim&) = delete;

    // Claims the folder, known by what it is on its volume rather than by its spelling: a link to
    // it, its short name or another letter case meet the same claim. Does not wait.
    Result Claim(const std::wstring& folder);
    void Release();

private:
    CHandle m_mutex;
    bool m_owned = false;
};
