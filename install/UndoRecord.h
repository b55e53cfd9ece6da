// The undo record of an install run: what the run will change, written before its first change,
// and the steps that put the game folder back as it was from that record and what is on disk.
#pragma once

#include <functional>
#include <vector>

#include "../framework/String.h"
#include "CopyPlan.h"

// The record's file inside the undo folder.
const char kUndoRecordName[] = "undo.rec";

struct UndoEntry {
    CString relative;  // destination, relative to the game folder
    bool replaces;     // a file stood there: it is moved aside into the undo folder first
};

struct UndoRecord {
    std::vector<CString> newFolders;  // each after its parent
    std::vector<UndoEntry> files;     // in copy order
};

// The record of a plan: every destination once, in the order of its first write.
UndoRecord RecordOf(const CopyPlan& plan);

// Name of the entry's original inside the undo folder.
CString AsideName(int entry);

// The record as bytes, and back. Paths are stored with their lengths, so any byte may stand in
// them. Parsing fails on anything but a whole record: one cut short was written by a run that
// had changed nothing yet.
CString SerializeUndoRecord(const UndoRecord& record);
bool ParseUndoRecord(const CString& bytes, UndoRecord& record);

enum class UndoOp {
    DeleteFile,    // a file the run wrote
    MoveBack,      // an original, from the undo folder to its place
    RemoveFolder,  // a folder the run created (left alone if something else is in it)
};

struct UndoStep {
    UndoOp op;
    CString path;  // full path of what is removed, or where the original goes back
    CString from;  // MoveBack: the original in the undo folder
};

// The steps that undo the run at whatever moment it stopped, last change first. exists() tells
// whether a full path is on disk now. gameDir and undoDir end in a backslash.
std::vector<UndoStep> PlanUndo(const UndoRecord& record, const CString& gameDir, const CString& undoDir,
                               const std::function<bool(const CString&)>& exists);
