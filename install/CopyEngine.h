// The install run's copy, all or nothing: every planned pair copied on a worker thread, in the
// list's order wherever order can matter, each replaced game file moved aside first, and on an
// error or a cancel everything put back.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

#include "framework/Handle.h"
#include "framework/WorkerThread.h"
#include "install/CopyPlan.h"

// What the worker tells the window thread while it runs, and the window thread's cancel.
struct CopyProgress {
    std::atomic<int> step{-1};        // index into the plan's steps of the file being copied
    std::atomic<int> permille{0};     // bytes copied so far, in thousandths of all to copy
    std::atomic<bool> cancel{false};  // set by the window thread; the worker stops within a chunk
};

enum class CopyResult {
    Done,
    Cancelled,
    Failed,
    Refused,  // a destination reaches the undo or restore folder through another name, or the
              // restore folder is not ours: nothing was changed
};

// The installer's own files, kept in the restore point so that the restore can start from there
// (empty in runs that keep none).
struct KeptProgram {
    std::wstring program;
    std::wstring library;
};

struct CopyOutcome {
    CopyResult result = CopyResult::Done;
    DWORD error = 0;       // Failed: the system's error code
    std::wstring path;     // Failed: the file that failed (a source gone or held, a destination,
                           // the undo folder or its record); Refused: the destination's folder
    bool restored = true;  // false when the undo could not put everything back (its folder stays)
};

// Runs the plan into gameDir (ending in a backslash). Everything it changes in the game folder is
// recorded in the undo folder first; the game folder ends as before unless the result is Done,
// and Done is only returned once the run is committed on disk, with its restore point.
CopyOutcome RunCopy(const CopyPlan& plan, const std::wstring& gameDir, CopyProgress& progress,
                    const KeptProgram& kept = KeptProgram());

// RunCopy on a thread of its own.
class CCopyWorker {
public:
    CCopyWorker(const CopyPlan& plan, const std::wstring& gameDir, CopyProgress& progress, const KeptProgram& kept);
    // The object waits for the thread when it goes.
    CCopyWorker(const CCopyWorker&) = delete;
    CCopyWorker& operator=(const CCopyWorker&) = delete;

    // Signalled when the run has ended; null when the thread could not be started (the run then
    // happened on the caller's thread, inside the constructor).
    HANDLE Handle() const { return m_thread.Handle(); }
    const CopyOutcome& Outcome() const { return m_outcome; }

private:
    CopyOutcome m_outcome;
    CWorkerThread m_thread;  // last: the run it starts uses everything above
};
