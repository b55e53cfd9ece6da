// Taking the translation out again, all or nothing: what it created removed, every kept original
// put back, what the game or the user changed since left alone; the list entry and the restore
// point removed once that is committed.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Handle.h"
#include "framework/WorkerThread.h"
#include "install/CopyEngine.h"

enum class RestoreResult {
    Done,
    Cancelled,
    Failed,
    Missing,  // no restore point in the game folder
    Refused,  // a restore point that is not ours: nothing was touched
};

struct RestoreOutcome {
    RestoreResult result = RestoreResult::Done;
    DWORD error = 0;
    std::wstring path;                   // Failed: the file that failed; Refused: the restore folder
    std::vector<std::wstring> leftAlone;  // Done: files changed since the install, kept as they are
    bool restored = true;                // false when a failed restore could not be undone completely
};

// Progress reports steps of the restore in `step` (names in `names`, filled before the first step).
// `committed` gets the outcome of a restore that is done in the game folder (committed, its list
// entry gone) before the restore folder is cleared, which under Wine takes longer than the restore
// itself (a file's deletion costs several renames): the user need not wait for it.
RestoreOutcome RunRestore(const std::wstring& gameDir, CopyProgress& progress, std::vector<std::wstring>& names,
                          const std::function<void(const RestoreOutcome&)>& committed = nullptr);

// RunRestore on a thread of its own.
class CRestoreWorker {
public:
    // The object waits for the thread when it goes.
    CRestoreWorker(const std::wstring& gameDir, CopyProgress& progress);
    CRestoreWorker(const CRestoreWorker&) = delete;
    CRestoreWorker& operator=(const CRestoreWorker&) = delete;

    // Signalled once the outcome is known: the game folder is done with, the restore folder may
    // still be being cleared (the thread's own handle tells when that has ended too).
    HANDLE Decided() const { return m_decided.IsValid() ? m_decided.Get() : m_thread.Handle(); }
    HANDLE Handle() const { return m_thread.Handle(); }
    const RestoreOutcome& Outcome() const { return m_outcome; }
    // The relative name of a step; valid once the step counter has moved past -1.
    std::wstring NameOf(int step) const;

private:
    void Work();

    std::wstring m_gameDir;
    CopyProgress& m_progress;
    std::vector<std::wstring> m_names;
    RestoreOutcome m_outcome;
    CHandle m_decided;
    CWorkerThread m_thread;  // last: the restore it starts uses everything above
};
