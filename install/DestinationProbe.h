// What stands at each destination before a run, for its plan: one attribute query a path, and for a
// file that is there the name its folder holds it under, read from one listing of that folder.
#pragma once

#include <map>
#include <string>

#include "install/CopyPlan.h"

class CDestinationProbe {
public:
    PathProbe operator()(const std::wstring& path);

private:
    // Folder key -> name key (long and short names) -> the stored long name.
    std::map<std::wstring, std::map<std::wstring, std::wstring>> m_listings;
};
