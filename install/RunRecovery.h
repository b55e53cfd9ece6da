// What a start does with an install run it finds unfinished in a game folder.
#pragma once

#include <string>

enum class Recovery {
    None,     // no unfinished run, or one that had changed nothing yet
    Undone,   // a run cut off midway was undone
    Failed,   // it could not be undone completely; the undo folder stays
    Busy,     // a live run owns the undo folder
    Refused,  // the undo folder is not one this installer can undo from: nothing was touched
};

// Undoes a run cut off without warning (the process killed, the power lost) in this game folder.
Recovery RecoverUnfinishedRun(const std::wstring& gameDir);
