// The restore run.
#include "install/RestoreRun.h"

#include <new>

#include "install/FileCopy.h"
#include "install/GamePaths.h"
#include "install/RecordFile.h"
#include "install/RestoreFolder.h"

namespace {

RestoreOutcome Failed(DWORD error, const std::wstring& path)
{
    RestoreOutcome outcome;
    outcome.result = error == ERROR_CANCELLED ? RestoreResult::Cancelled : RestoreResult::Failed;
    outcome.error = error;
    outcome.path = path;
    return outcome;
}

}  // namespace

RestoreOutcome RunRestore(const std::wstring& gameDir, CopyProgress& progress, std::vector<std::wstring>& names,
                          const std::function<void(const RestoreOutcome&)>& committed)
{
    const std::wstring restoreDir = RestoreFolderOf(gameDir);
    RestorePoint point;
    const RestoreFolderState state = ReadRestoreFolder(gameDir, point);
    if (state != RestoreFolderState::Ours) {
        RestoreOutcome outcome;
        outcome.result = state == RestoreFolderState::Missing ? RestoreResult::Missing : RestoreResult::Refused;
        if (state == RestoreFolderState::Refused) outcome.path = restoreDir.substr(0, restoreDir.size() - 1);
        return outcome;
    }
    std::vector<char> buffer;
    const RestoreJournal journal = PlanRestore(point, [&](const RestoreEntry& file) {
        return CompareWithWritten(gameDir + file.relative, file.written, buffer);
    });
    for (const RestoreStep& step : journal.steps) names.push_back(step.relative);
    const auto cancelled = [&] { return progress.cancel.load(); };

    CHandle held;
    const std::wstring journalPath = restoreDir + WideAscii(kRestoreJournalName);
    if (const DWORD error = WriteRecordFile(journalPath, SerializeRestoreJournal(journal), &held)) {
        return Failed(error, journalPath);
    }
    const std::vector<FileMove> moves = MovesOf(journal, gameDir, restoreDir);
    RestoreOutcome outcome;
    for (std::size_t i = 0; i < moves.size() && outcome.error == 0; ++i) {
        progress.permille.store(static_cast<int>(i * 1000 / moves.size()));
        const std::wstring& to = moves[i].to;
        progress.step.store(moves[i].step);
        if (cancelled()) {
            outcome = Failed(ERROR_CANCELLED, std::wstring());
            break;
        }
        const DWORD error = MoveFileSafely(moves[i].from, to, moves[i].part, buffer, [&](DWORD) { return !cancelled(); });
        // The user must look for the game's file, whichever end of the move it was.
        if (error != 0) outcome = Failed(error, IsBelow(to, restoreDir) ? moves[i].from : to);
    }
    if (outcome.error == 0) {
        const DWORD error = DeleteRecordDurably(restoreDir, WideAscii(kRestoreRecordName), cancelled);
        if (error == 0) {
            outcome.leftAlone = journal.leftAlone;
            progress.permille.store(1000);
            FinishRestoreInGame(gameDir, journal);
            if (committed) committed(outcome);
            held.Close();
            ClearRestoreFolder(gameDir);
            return outcome;
        }
        outcome = Failed(error, restoreDir + WideAscii(kRestoreRecordName));
    }
    held.Close();
    outcome.restored = UndoRestore(gameDir, journal, buffer) && DeleteFileAnyway(journalPath) == 0;
    return outcome;
}

CRestoreWorker::CRestoreWorker(const std::wstring& gameDir, CopyProgress& progress)
    : m_gameDir(gameDir), m_progress(progress), m_decided(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      m_thread([this] { Work(); })
{
}

std::wstring CRestoreWorker::NameOf(int step) const
{
    return step >= 0 && static_cast<std::size_t>(step) < m_names.size() ? m_names[static_cast<std::size_t>(step)]
                                                                       : std::wstring();
}

void CRestoreWorker::Work()
{
    bool decided = false;
    const auto committed = [this, &decided](const RestoreOutcome& outcome) {
        m_outcome = outcome;
        decided = true;
        ::SetEvent(m_decided.Get());
    };
    try {
        const RestoreOutcome outcome = RunRestore(m_gameDir, m_progress, m_names, committed);
        if (!decided) m_outcome = outcome;
    } catch (const std::bad_alloc&) {
        if (!decided) m_outcome = Failed(ERROR_NOT_ENOUGH_MEMORY, m_gameDir);
    }
    ::SetEvent(m_decided.Get());
}
