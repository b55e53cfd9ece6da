// The restore point a successful install leaves in the game folder: what the translation created,
// the originals it replaced (kept in the restore folder), and what it wrote to each file; how a
// later install adds to it; and the steps that take the translation out again.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "install/CopyPlan.h"
#include "install/UndoRecord.h"

// The restore point's record (staged in the undo folder until the run commits, then moved into
// the restore folder), and the journal a restore keeps in the restore folder while it runs.
const char kRestoreRecordName[] = "restore.rec";
const char kRestoreJournalName[] = "restoring.rec";
// The installer and the library it loads, kept so that the restore can start without the
// translation's own folder.
const char kKeptProgramName[] = "VELANInst.exe";
const char kKeptLibraryName[] = "fmod.dll";

// What the run wrote to a file: enough to tell later whether it is still the translation's.
struct WrittenFile {
    unsigned long long size = 0;
    std::uint32_t hash = 0;       // of the content
    unsigned long long time = 0;  // of the last change, in FILETIME's units
};

struct RestoreEntry {
    std::wstring relative;  // canonical, relative to the game folder
    std::wstring kept;      // the original's name in the restore folder; empty: the translation created it
    WrittenFile written;
};

struct RestorePoint {
    unsigned generation = 0;            // installs it holds; install g keeps its originals as "g.<step>"
    std::vector<std::wstring> folders;  // created by the translation, each after its parent
    std::vector<RestoreEntry> files;
};

// An original's name in the restore folder, and whether a name is one.
std::wstring KeptName(unsigned generation, int step);
bool IsKeptName(const std::wstring& name);
// Whether a name in the restore folder is one the installer puts there.
bool IsRestoreFileName(const std::wstring& name);

std::string SerializeRestorePoint(const RestorePoint& point);
// False unless the bytes are a whole record of ours whose every path the install could have
// written and whose every kept name is one of ours.
bool ParseRestorePoint(const std::string& bytes, RestorePoint& point);

// The restore point after a run of `plan` that wrote `written` (one per step) over a game that
// held `earlier` (empty when none). An original kept before stays kept, and a file an earlier run
// created stays created: what such a run moved aside is the translation's own file.
RestorePoint MergeRestorePoint(const RestorePoint& earlier, const CopyPlan& plan,
                               const std::vector<WrittenFile>& written);

// The originals the run that made `point` keeps: moved from the undo folder (step's aside) into
// the restore folder under `kept`.
struct KeptOriginal {
    int step;
    std::wstring kept;
};
std::vector<KeptOriginal> OriginalsToKeep(const RestorePoint& point);

// What stands at an entry's path now.
enum class FileNow { Missing, AsWritten, Changed };

// A restore: each step moves what the translation wrote aside into the restore folder (when it is
// still there as written), then, for a replaced file, its original back.
struct RestoreStep {
    std::wstring relative;
    std::wstring kept;  // empty: only moved aside
    bool aside;         // the translation's file is there: it is moved aside first
};

struct RestoreJournal {
    std::vector<RestoreStep> steps;
    std::vector<std::wstring> folders;    // removed once committed, when empty
    std::vector<std::wstring> leftAlone;  // changed since the install: kept as they are
};

RestoreJournal PlanRestore(const RestorePoint& point, const std::function<FileNow(const RestoreEntry&)>& now);

std::string SerializeRestoreJournal(const RestoreJournal& journal);
bool ParseRestoreJournal(const std::string& bytes, RestoreJournal& journal);

// The name in the restore folder that step i moves the translation's file to.
std::wstring MovedAsideName(int step);

// The journal as moves of whole files, in order. gameDir and restoreDir end in a backslash.
struct FileMove {
    std::wstring from;
    std::wstring to;
    std::wstring part;  // where a copy across volumes is made before it is renamed to `to` (or empty)
    int step;           // of the journal
};
std::vector<FileMove> MovesOf(const RestoreJournal& journal, const std::wstring& gameDir,
                              const std::wstring& restoreDir);

// The steps that take a restore cut off at any moment back to where it started, last step first.
// A file moved aside into the restore folder is there only whole (across volumes it is copied to a
// part first), so whatever stands at the game's path beside it goes, and it moves back; an
// original moved back goes back to the restore folder. exists() tells what is on disk now.
std::vector<UndoStep> PlanRestoreReverse(const RestoreJournal& journal, const std::wstring& gameDir,
                                         const std::wstring& restoreDir,
                                         const std::function<bool(const std::wstring&)>& exists);
