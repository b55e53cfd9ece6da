// The install run's copy, all or nothing.
#include "CopyEngine.h"

#include <new>
#include <vector>

#include "FileCopy.h"
#include "UndoFolder.h"
#include "UndoRecord.h"

namespace {

unsigned long long SizeOf(const CString& path, DWORD& error)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path, GetFileExInfoStandard, &data)) {
        error = ::GetLastError();
        return 0;
    }
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool SamePath(const CString& a, const CString& b)
{
    return a.GetLength() == b.GetLength() && ::CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, a,
                                                              a.GetLength(), b, b.GetLength()) == CSTR_EQUAL;
}

class Run {
public:
    Run(const CopyPlan& plan, const CString& gameDir, CopyProgress& progress)
        : m_plan(plan), m_gameDir(gameDir), m_undoDir(UndoFolderOf(gameDir)), m_progress(progress)
    {
    }

    CopyOutcome Execute()
    {
        if (m_plan.steps.empty()) return m_outcome;
        // Everything that can be checked is checked before the first change.
        if (m_plan.folderInTheWay >= 0) {
            return Fail(ERROR_ACCESS_DENIED, Destination(m_plan.steps[m_plan.folderInTheWay]));
        }
        for (const CopyStep& step : m_plan.steps) {
            DWORD error = 0;
            m_total += SizeOf(step.source, error);
            if (error) return Fail(error, step.source);
        }
        const UndoRecord record = RecordOf(m_plan);
        if (const DWORD error = WriteUndoRecord(m_undoDir, record)) {
            return Fail(error, Destination(m_plan.steps.front()));
        }
        try {
            if (ChangeTheGame()) {
                ClearUndoFolder(m_undoDir);
                return m_outcome;
            }
        } catch (const std::bad_alloc&) {
            Fail(ERROR_NOT_ENOUGH_MEMORY, m_gameDir);
        }
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
    CString Destination(const CopyStep& step) const { return m_gameDir + step.relative; }

    CopyOutcome& Fail(DWORD error, const CString& path)
    {
        m_outcome.result = error == ERROR_CANCELLED ? CopyResult::Cancelled : CopyResult::Failed;
        m_outcome.error = error;
        m_outcome.path = path;
        return m_outcome;
    }

    bool ChangeTheGame()
    {
        for (const CString& folder : m_plan.newFolders) {
            if (!::CreateDirectoryA(m_gameDir + folder, nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
                Fail(::GetLastError(), m_gameDir + folder);
                return false;
            }
        }
        for (std::size_t i = 0; i < m_plan.steps.size(); ++i) {
            if (m_progress.cancel.load()) {
                Fail(ERROR_CANCELLED, CString());
                return false;
            }
            m_progress.step.store(static_cast<int>(i));
            if (!CopyStepOf(m_plan.steps[i])) return false;
        }
        return true;
    }

    bool CopyStepOf(const CopyStep& step)
    {
        const CString destination = Destination(step);
        CString source = step.source;
        if (step.replaces) {
            const CString aside = m_undoDir + AsideName(step.undoIndex);
            if (const DWORD error = MoveFileSafely(destination, aside, m_buffer)) {
                Fail(error, destination);
                return false;
            }
            // A pair that copies a game file onto itself now finds it aside.
            if (SamePath(source, destination)) source = aside;
        }
        const CopyError error = CopyFileInChunks(source, destination, m_buffer, [this](DWORD bytes) {
            m_done += bytes;
            m_progress.permille.store(static_cast<int>(m_total ? m_done * 1000 / m_total : 1000));
            return !m_progress.cancel.load();
        });
        if (error.code == 0) return true;
        // The user must look for the file that failed: a source gone or held, or the destination.
        Fail(error.code, error.atSource ? source : destination);
        return false;
    }

    const CopyPlan& m_plan;
    const CString m_gameDir;
    const CString m_undoDir;
    CopyProgress& m_progress;
    CopyOutcome m_outcome;
    std::vector<char> m_buffer;
    unsigned long long m_total = 0;
    unsigned long long m_done = 0;
};

}  // namespace

CopyOutcome RunCopy(const CopyPlan& plan, const CString& gameDir, CopyProgress& progress)
{
    try {
        return Run(plan, gameDir, progress).Execute();
    } catch (const std::bad_alloc&) {
        // Before the first change (a record that could not even be built): nothing to undo.
        CopyOutcome outcome;
        outcome.result = CopyResult::Failed;
        outcome.error = ERROR_NOT_ENOUGH_MEMORY;
        outcome.path = gameDir;
        return outcome;
    }
}

CCopyWorker::CCopyWorker(const CopyPlan& plan, const CString& gameDir, CopyProgress& progress)
    : m_plan(plan), m_gameDir(gameDir), m_progress(progress)
{
    m_thread = CHandle(::CreateThread(nullptr, 0, &CCopyWorker::ThreadProc, this, 0, nullptr));
    if (!m_thread.IsValid()) m_outcome = RunCopy(m_plan, m_gameDir, m_progress);
}

CCopyWorker::~CCopyWorker()
{
    if (m_thread.IsValid()) ::WaitForSingleObject(m_thread.Get(), INFINITE);
}

DWORD WINAPI CCopyWorker::ThreadProc(LPVOID self)
{
    CCopyWorker* worker = static_cast<CCopyWorker*>(self);
    worker->m_outcome = RunCopy(worker->m_plan, worker->m_gameDir, worker->m_progress);
    return 0;
}
