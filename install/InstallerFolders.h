// What the installer puts in its own two folders inside the game folder, the undo folder and the
// restore folder: which names are its own, and whether the longest of them still fits.
#pragma once

#include <string>

#include "install/CopyPlan.h"

// True when a name is one a run puts in the undo folder: the record, an original, a part, the
// restore point it stages and the program kept with it.
bool IsRunFileName(const std::wstring& name);

// True when a file function would refuse a path of the run's undo folder or of the restore folder
// as too long: the folder's own, or a name the run or a later restore puts in it. Checked before
// the first change, as such a failure would otherwise come only midway or after the commit.
// gameDir ends in a backslash.
bool UndoFolderTooDeep(const CopyPlan& plan, const std::wstring& gameDir);
