// The undo record of an install run: what the run will change, written before its first change;
// what a record read back may be trusted with; and the steps that put the game folder back as it
// was from that record and what is on disk.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "install/CopyPlan.h"

// The record's file inside the undo folder.
const char kUndoRecordName[] = "undo.rec";

struct UndoEntry {
    std::wstring relative;  // destination, relative to the game folder
    bool replaces;          // a file stood there: it is moved aside into the undo folder first
};

struct UndoRecord {
    std::vector<std::wstring> newFolders;  // each after its parent
    std::vector<UndoEntry> files;          // entry i is step i of the plan
};

// The record of a plan: its new folders and every step.
UndoRecord RecordOf(const CopyPlan& plan);

// Names inside the undo folder: the original of entry i, and the same while it is being copied
// from another volume.
const char kPartSuffix[] = ".part";
std::wstring AsideName(int entry);
std::wstring PartName(int entry);

// The record as bytes: paths as UTF-8, each with its length, so that any name comes back
// exactly whatever code page the reading process has.
std::string SerializeUndoRecord(const UndoRecord& record);

enum class RecordCheck {
    Whole,    // a whole record whose every path passes the destination rules, in canonical form
    Torn,     // a record of ours cut short: it was being written when the run stopped, before any change
    Foreign,  // anything else: another program's, a later version's, or a path no list could name
};

// Reads a record. The installer's first version wrote names as bytes of the system code page;
// legacyName turns such bytes into UTF-16 (false when they are no text).
RecordCheck ParseUndoRecord(const std::string& bytes, UndoRecord& record,
                            const std::function<bool(const std::string&, std::wstring&)>& legacyName);

enum class UndoOp {
    DeleteFile,    // a file the run wrote
    MoveBack,      // an original, from the undo folder to its place
    RemoveFolder,  // a folder the run created (left alone if something else is in it)
};

struct UndoStep {
    UndoOp op;
    std::wstring path;  // full path of what is removed, or where the original goes back
    std::wstring from;  // MoveBack: the original in the undo folder
};

// The steps that undo the run at whatever moment it stopped, last change first. exists() tells
// whether a full path is on disk now. gameDir and undoDir end in a backslash.
std::vector<UndoStep> PlanUndo(const UndoRecord& record, const std::wstring& gameDir, const std::wstring& undoDir,
                               const std::function<bool(const std::wstring&)>& exists);
