// The install run's copy, all or nothing.
#include "install/CopyEngine.h"

#include <mutex>
#include <new>
#include <vector>

#include "install/DestinationProbe.h"
#include "install/FileCopy.h"
#include "install/InstallerFolders.h"
#include "install/RecordFile.h"
#include "install/RestoreFolder.h"
#include "install/RestorePoint.h"
#include "install/UndoFolder.h"
#include "install/UndoRecord.h"

namespace {

// The size of a file; a folder, or a path that cannot be asked, is an error. The attribute query,
// not an open: under Wine opening a file costs about 0.15 ms, a third of a second for a list of
// 2,000 files, the query a twentieth of that.
unsigned long long SizeOf(const std::wstring& path, DWORD& error)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        error = ::GetLastError();
        return 0;
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        error = ERROR_FILE_NOT_FOUND;
        return 0;
    }
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// True unless the volume is known to hold fewer free bytes than needed: without an answer there is
// nothing to compare, and the copy reports a shortage itself.
bool VolumeHasRoomFor(const std::wstring& gameDir, unsigned long long needed)
{
    ULARGE_INTEGER available{};
    ULARGE_INTEGER capacity{};
    ULARGE_INTEGER free{};
    if (!::GetDiskFreeSpaceExW(gameDir.c_str(), &available, &capacity, &free)) return true;
    return HasRoomFor(needed, free.QuadPart);
}

// Which file or folder a path is on its volume, whatever name reaches it; false when it cannot be opened.
bool IdentityOf(const std::wstring& path, BY_HANDLE_FILE_INFORMATION& identity)
{
    CHandle object(::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return object.IsValid() && ::GetFileInformationByHandle(object.Get(), &identity);
}

bool SameIdentity(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b)
{
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
}

// Runs of fewer free steps than this are copied one by one: more threads would not pay.
const std::size_t kSideBySideFrom = 4;
// Threads that copy beside the worker's own.
const std::size_t kHelpers = 3;

class Run {
public:
    Run(const CopyPlan& plan, const std::wstring& gameDir, CopyProgress& progress, const KeptProgram& kept)
        : m_plan(plan), m_gameDir(gameDir), m_undoDir(UndoFolderOf(gameDir)), m_progress(progress), m_kept(kept),
          m_written(plan.steps.size())
    {
    }

    CopyOutcome Execute(const std::function<void()>& measured)
    {
        if (m_plan.steps.empty()) return m_outcome;
        // Everything that can be checked is checked before the first change.
        if (m_plan.folderInTheWay >= 0) {
            Fail(ERROR_ACCESS_DENIED, Destination(m_plan.steps[static_cast<std::size_t>(m_plan.folderInTheWay)]));
            return m_outcome;
        }
        if (UndoFolderTooDeep(m_plan, m_gameDir)) {
            Fail(ERROR_FILENAME_EXCED_RANGE, UndoFolderPath());
            return m_outcome;
        }
        if (!Measure()) return m_outcome;
        if (measured) measured();
        // The restore point this run adds to: one that is not ours is never written into.
        if (ReadRestoreFolder(m_gameDir, m_earlier) == RestoreFolderState::Refused) {
            m_outcome.result = CopyResult::Refused;
            m_outcome.path = RestoreFolderOf(m_gameDir);
            m_outcome.path.pop_back();
            return m_outcome;
        }
        const UndoRecord record = RecordOf(m_plan);
        CHandle held;
        if (const DWORD error = CreateUndoFolder(m_undoDir, record, held)) {
            Fail(error, UndoFolderPath());
            return m_outcome;
        }
        if (const std::wstring* gateway = GatewayToUndoFolder()) {
            held.Close();
            ClearUndoFolder(m_undoDir);
            m_outcome.result = CopyResult::Refused;
            m_outcome.path = *gateway;
            return m_outcome;
        }
        try {
            if (ChangeTheGame() && StageRestorePoint()) {
                const DWORD error = CommitRun(m_undoDir, held, [this] { return Stopped(); });
                if (error == 0) {
                    // Committed: what is left is moving files within the game folder's volume,
                    // and what a cut-off leaves of it the next start finishes.
                    FinishInstall(m_gameDir);
                    return m_outcome;
                }
                // Still held after the wait: the run is undone rather than left to look unfinished.
                Fail(error, m_undoDir + WideAscii(kUndoRecordName));
            }
        } catch (const std::bad_alloc&) {
            Fail(ERROR_NOT_ENOUGH_MEMORY, m_gameDir);
        }
        held.Close();
        bool restored = false;
        try {
            restored = UndoRun(m_gameDir, record, m_buffer);
        } catch (const std::bad_alloc&) {
            // The undo folder stays with its record: the next start finishes the undo.
        }
        m_outcome.restored = restored;
        return m_outcome;
    }

private:
    // The one size pass: every planned source, and the program kept with the restore point, against
    // the volume's free space. The replaced originals only move, so they cost nothing.
    bool Measure()
    {
        for (const CopyStep& step : m_plan.steps) {
            DWORD error = 0;
            m_total += SizeOf(step.source, error);
            if (error) return Stop(CopyResult::MissingSource, error, step.source);
        }
        unsigned long long kept = 0;
        for (const std::wstring* file : {&m_kept.program, &m_kept.library}) {
            DWORD error = 0;
            if (!file->empty()) kept += SizeOf(*file, error);
        }
        if (!VolumeHasRoomFor(m_gameDir, m_total + kept)) {
            m_outcome.bytes = m_total + kept;
            return Stop(CopyResult::NoRoom, 0, std::wstring());
        }
        return true;
    }

    bool Stop(CopyResult result, DWORD error, const std::wstring& path)
    {
        m_outcome.result = result;
        m_outcome.error = error;
        m_outcome.path = path;
        return false;
    }

    std::wstring Destination(const CopyStep& step) const { return m_gameDir + step.relative; }
    std::wstring UndoFolderPath() const { return m_undoDir.substr(0, m_undoDir.size() - 1); }

    // A folder of the plan that is the undo or restore folder under another name (its short name,
    // a link to it): a destination through it would overwrite the originals kept there. Null when none.
    const std::wstring* GatewayToUndoFolder() const
    {
        BY_HANDLE_FILE_INFORMATION own[2]{};
        const bool known[2] = {IdentityOf(m_undoDir, own[0]), IdentityOf(RestoreFolderOf(m_gameDir), own[1])};
        for (const std::wstring& gateway : m_plan.gateways) {
            BY_HANDLE_FILE_INFORMATION other{};
            if (ProbePath(m_gameDir + gateway).state != PathState::Folder || !IdentityOf(m_gameDir + gateway, other)) {
                continue;
            }
            for (int i = 0; i < 2; ++i) {
                if (known[i] && SameIdentity(own[i], other)) return &gateway;
            }
        }
        return nullptr;
    }

    // Before the commit, so that a failure here is undone like any other: the restore point the
    // run leaves, and the program that takes it out again, staged in the undo folder.
    bool StageRestorePoint()
    {
        for (const std::wstring* file : {&m_kept.program, &m_kept.library}) {
            if (file->empty()) continue;
            const std::wstring name = file == &m_kept.program ? WideAscii(kKeptProgramName) : WideAscii(kKeptLibraryName);
            const CopyError error = CopyFileInChunks(*file, m_undoDir + name, m_buffer, [this](DWORD) { return !Stopped(); });
            if (error.code != 0) {
                Fail(error.code, error.atSource ? *file : m_undoDir + name);
                return false;
            }
        }
        const RestorePoint point = MergeRestorePoint(m_earlier, m_plan, m_written);
        const std::wstring staged = m_undoDir + WideAscii(kRestoreRecordName);
        if (const DWORD error = WriteRecordFile(staged, SerializeRestorePoint(point), nullptr)) {
            Fail(error, staged);
            return false;
        }
        return !Stopped();
    }

    // The first reason to stop is the one reported; a cancel counts as one.
    void Fail(DWORD error, const std::wstring& path)
    {
        std::lock_guard<std::mutex> lock(m_failure);
        if (m_outcome.result != CopyResult::Done) return;
        m_outcome.result = error == ERROR_CANCELLED ? CopyResult::Cancelled : CopyResult::Failed;
        m_outcome.error = error;
        m_outcome.path = path;
        m_stopped.store(true);
    }

    bool Stopped()
    {
        if (m_progress.cancel.load()) Fail(ERROR_CANCELLED, std::wstring());
        return m_stopped.load();
    }

    bool ChangeTheGame()
    {
        for (const std::wstring& folder : m_plan.newFolders) {
            const std::wstring path = m_gameDir + folder;
            if (!::CreateDirectoryW(path.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
                Fail(::GetLastError(), path);
                return false;
            }
        }
        // Ordered steps one at a time, each after all before it; the free steps between them four
        // at a time: under Wine most of a small file's copy is waiting for the server or for its
        // flush to reach the disk, which the other threads' reading and writing fill (with every file
        // flushed, four measured faster than three, six no faster).
        const std::size_t count = m_plan.steps.size();
        for (std::size_t first = 0; first < count && !Stopped();) {
            std::size_t end = first;
            while (end < count && !m_plan.steps[end].ordered) ++end;
            if (end - first >= kSideBySideFrom) {
                CopySideBySide(first, end);
                first = end;
            } else {
                CopyStepAt(first++, m_buffer);
            }
        }
        return !Stopped();
    }

    void CopySideBySide(std::size_t first, std::size_t end)
    {
        std::atomic<std::size_t> next{first};
        const auto work = [&](std::vector<char>& buffer) {
            try {
                for (std::size_t at; !Stopped() && (at = next++) < end;) CopyStepAt(at, buffer);
            } catch (const std::bad_alloc&) {
                Fail(ERROR_NOT_ENOUGH_MEMORY, m_gameDir);
            }
        };
        // Each helper is waited for as the array goes, before `next` and `work` do.
        CWorkerThread helpers[kHelpers];
        for (std::size_t i = 0; i < kHelpers; ++i) {
            std::vector<char>& buffer = m_helperBuffers[i];
            // A helper that cannot start leaves its steps to the others.
            helpers[i].Start([&work, &buffer] { work(buffer); });
        }
        work(m_buffer);
    }

    void CopyStepAt(std::size_t at, std::vector<char>& buffer)
    {
        const CopyStep& step = m_plan.steps[at];
        const int entry = static_cast<int>(at);
        m_progress.step.store(entry);
        const std::wstring destination = Destination(step);
        std::wstring source = step.source;
        if (step.replaces) {
            const std::wstring aside = m_undoDir + AsideName(entry);
            const DWORD error = MoveFileSafely(destination, aside, m_undoDir + PartName(entry), buffer,
                                               [this](DWORD) { return !Stopped(); });
            if (error != 0) return Fail(error, destination);
            // A pair that copies a game file onto itself now finds it aside.
            if (SamePath(source, destination)) source = aside;
        }
        const CopyError error = CopyFileInChunks(
            source, destination, buffer,
            [this](DWORD bytes) {
                const unsigned long long done = m_done += bytes;
                m_progress.permille.store(static_cast<int>(m_total ? done * 1000 / m_total : 1000));
                return !Stopped();
            },
            &m_written[at]);
        // The user must look for the file that failed: a source gone or held, or the destination.
        if (error.code != 0) Fail(error.code, error.atSource ? source : destination);
    }

    const CopyPlan& m_plan;
    const std::wstring m_gameDir;
    const std::wstring m_undoDir;
    CopyProgress& m_progress;
    const KeptProgram& m_kept;
    RestorePoint m_earlier;
    std::vector<WrittenFile> m_written;  // what each step wrote, for the restore point
    CopyOutcome m_outcome;
    std::mutex m_failure;           // guards m_outcome while steps run side by side
    std::atomic<bool> m_stopped{false};
    std::vector<char> m_buffer;
    std::vector<char> m_helperBuffers[kHelpers];
    unsigned long long m_total = 0;
    std::atomic<unsigned long long> m_done{0};
};

}  // namespace

CopyOutcome RunCopy(const CopyPlan& plan, const std::wstring& gameDir, CopyProgress& progress,
                    const KeptProgram& kept, const std::function<void()>& measured)
{
    try {
        return Run(plan, gameDir, progress, kept).Execute(measured);
    } catch (const std::bad_alloc&) {
        // Before the first change (a record that could not even be built): nothing to undo.
        return CopyOutcome{CopyResult::Failed, ERROR_NOT_ENOUGH_MEMORY, gameDir};
    }
}

CCopyWorker::CCopyWorker(InstallRequest request, CopyProgress& progress)
    : m_request(std::move(request)), m_progress(progress), m_measured(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      m_thread([this] { Work(); })
{
}

std::wstring CCopyWorker::NameOf(int step) const
{
    return step >= 0 && static_cast<std::size_t>(step) < m_plan.steps.size()
               ? m_plan.steps[static_cast<std::size_t>(step)].relative
               : std::wstring();
}

void CCopyWorker::Work()
{
    const auto measured = [this] { ::SetEvent(m_measured.Get()); };
    try {
        m_plan = PlanCopy(m_request.sources, m_request.dests, m_request.gameDir, CDestinationProbe());
        m_outcome = RunCopy(m_plan, m_request.gameDir, m_progress, m_request.kept, measured);
    } catch (const std::bad_alloc&) {
        // Before the first change: the plan could not even be made.
        m_outcome = CopyOutcome{CopyResult::Failed, ERROR_NOT_ENOUGH_MEMORY, m_request.gameDir};
    }
    measured();
}
