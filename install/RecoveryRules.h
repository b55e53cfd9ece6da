// What a start or an Install does with an undo folder it finds in the game folder, decided from
// what stands there; the undo folder's files are only ever acted on through a record that passed.
#pragma once

#include "install/UndoRecord.h"

enum class UndoFolderKind {
    Missing,
    NotAFolder,  // a file of that name: not ours to touch (the run then names it as what failed)
    Link,        // a link or other reparse point: never entered, never deleted through
    Folder,
};

enum class RecordState {
    Missing,
    Held,        // open for writing by a live run (of this or another installer): not ours to touch
    Unreadable,  // it could not be read
    Read,        // read: ParseUndoRecord's verdict says what it is
};

struct UndoFolderFacts {
    UndoFolderKind folder = UndoFolderKind::Missing;
    RecordState record = RecordState::Missing;
    RecordCheck check = RecordCheck::Foreign;  // when the record was read
    bool onlyRunFiles = false;  // the folder holds nothing but names a run puts there (no folder, no link)
    bool recordAlone = false;   // the folder holds the record and nothing else
    // The restore point a run staged there before its commit: none, a whole one of ours, or
    // anything else.
    enum class Staged { None, Whole, Bad } staged = Staged::None;
};

enum class RecoveryAction {
    Nothing,         // no unfinished run here
    Busy,            // a live run owns it
    Refuse,          // not something this installer can undo: nothing is touched, the user is told
    ClearLeftovers,  // a run that succeeded and was clearing up, or one stopped before its first change
    FinishCommit,    // a run that committed and was keeping its originals in the restore point
    Undo,            // a run cut off midway: undo it from its record
};

RecoveryAction DecideRecovery(const UndoFolderFacts& facts);
