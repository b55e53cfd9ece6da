// The install run, all or nothing: the list planned against the disk and measured once, the
// space checked for what it will write, then every planned pair copied (side by side where no
// order can matter, in the list's order wherever it can), each replaced game file moved aside
// first, and on an error or a cancel everything put back.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

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
    MissingSource,  // a planned source is gone or is a folder: nothing was changed
    NoRoom,         // the volume cannot hold what the run would write: nothing was changed
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
    std::wstring path;     // Failed: the file that failed (a source held, a destination, the undo
                           // folder or its record); Refused: the destination's folder;
                           // MissingSource: the source
    unsigned long long bytes = 0;  // NoRoom: what the run would write
    bool restored = true;  // false when the undo could not put everything back (its folder stays)
};

// What one install is asked to do: the list's pairs (sources with their markers) into gameDir,
// which ends in a backslash.
struct InstallRequest {
    std::vector<std::wstring> sources;
    std::vector<std::wstring> dests;
    std::wstring gameDir;
    KeptProgram kept;
};

// Runs the plan into gameDir (ending in a backslash). Every planned source is measured first, and
// the run stops before its first change when one is missing or the volume has no room for what it
// would write; measured() is then called, once the run will go on. Everything it changes in the game
// folder is recorded in the undo folder first; the game folder ends as before unless the result is
// Done, and Done is only returned once the run is committed on disk, with its restore point.
CopyOutcome RunCopy(const CopyPlan& plan, const std::wstring& gameDir, CopyProgress& progress,
                    const KeptProgram& kept = KeptProgram(), const std::function<void()>& measured = {});

// The whole install on a thread of its own: the plan against the disk, then RunCopy.
class CCopyWorker {
public:
    CCopyWorker(InstallRequest request, CopyProgress& progress);
    // The object waits for the thread when it goes.
    CCopyWorker(const CCopyWorker&) = delete;
    CCopyWorker& operator=(const CCopyWorker&) = delete;

    // Signalled once the plan is measured and the run goes on to change the game, or when it has
    // ended; from then on NameOf may be asked.
    HANDLE Measured() const { return m_measured.IsValid() ? m_measured.Get() : m_thread.Handle(); }
    // Signalled when the run has ended; null when the thread could not be started (the run then
    // happened on the caller's thread, inside the constructor).
    HANDLE Handle() const { return m_thread.Handle(); }
    // The destination of a step of the plan, relative to the game folder.
    std::wstring NameOf(int step) const;
    const CopyOutcome& Outcome() const { return m_outcome; }

private:
    void Work();

    const InstallRequest m_request;
    CopyProgress& m_progress;
    CopyPlan m_plan;
    CopyOutcome m_outcome;
    CHandle m_measured;
    CWorkerThread m_thread;  // last: the run it starts uses everything above
};
