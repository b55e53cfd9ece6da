// What to do with an undo folder found in the game folder.
#include "install/RecoveryRules.h"

RecoveryAction DecideRecovery(const UndoFolderFacts& facts)
{
    switch (facts.folder) {
    case UndoFolderKind::Missing:
    case UndoFolderKind::NotAFolder:
        return RecoveryAction::Nothing;
    case UndoFolderKind::Link:
        return RecoveryAction::Refuse;
    case UndoFolderKind::Folder:
        break;
    }
    switch (facts.record) {
    case RecordState::Held:
        return RecoveryAction::Busy;
    case RecordState::Unreadable:
        return RecoveryAction::Refuse;
    case RecordState::Missing:
        // A run removes its record first when it has succeeded, and writes it before its first change.
        // Once committed, its staged restore point says which of the originals left here are kept.
        if (!facts.onlyRunFiles || facts.staged == UndoFolderFacts::Staged::Bad) return RecoveryAction::Refuse;
        return facts.staged == UndoFolderFacts::Staged::Whole ? RecoveryAction::FinishCommit
                                                              : RecoveryAction::ClearLeftovers;
    case RecordState::Read:
        break;
    }
    switch (facts.check) {
    case RecordCheck::Whole:
        return RecoveryAction::Undo;
    case RecordCheck::Torn:
        // Cut short while it was written: the run had changed nothing, unless something stands beside it.
        return facts.recordAlone ? RecoveryAction::ClearLeftovers : RecoveryAction::Refuse;
    case RecordCheck::Foreign:
        break;
    }
    return RecoveryAction::Refuse;
}
