// A restore cut off without warning, on real files: undone at the next start before its commit,
// finished after it.
#include <gtest/gtest.h>

#include "install/FileCopy.h"
#include "install/GamePaths.h"
#include "install/RecordFile.h"
#include "install/RestoreFolder.h"
#include "install/RestorePoint.h"
#include "tests/support/RestoreFixture.h"

TEST_F(Restore, ARestoreCutOffAtAnyMomentIsUndoneOrFinishedAtTheNextStart)
{
    const auto before = Timed();
    ASSERT_EQ(Run().result, CopyResult::Done);
    const auto installed = Timed();
    const std::wstring restoreDir = RestoreFolderOf(GameDir());
    RestorePoint point;
    ASSERT_EQ(ReadRestoreFolder(GameDir(), point), RestoreFolderState::Ours);
    std::vector<char> buffer;
    const RestoreJournal journal = PlanRestore(point, [&](const RestoreEntry& file) {
        return CompareWithWritten(GameDir() + file.relative, file.written, buffer) == FileNow::AsWritten
                   ? FileNow::AsWritten
                   : FileNow::Changed;
    });
    const std::vector<FileMove> moves = MovesOf(journal, GameDir(), restoreDir);
    ASSERT_GE(moves.size(), 4u);
    // Killed after `done` moves: the journal on disk, the moves up to there made (the original's
    // read-only mark stays with it; a rename does not ask for it).
    for (std::size_t done = 0; done <= moves.size(); ++done) {
        ASSERT_EQ(WriteRecordFile(restoreDir + L"restoring.rec", SerializeRestoreJournal(journal), nullptr), 0u);
        for (std::size_t i = 0; i < done; ++i) ASSERT_TRUE(::MoveFileExW(moves[i].from.c_str(), moves[i].to.c_str(), 0));
        EXPECT_EQ(RecoverUnfinishedRestore(GameDir()), RestoreRecovery::Undone) << done;
        EXPECT_EQ(DifferencesBetween(installed, Timed()), "") << done;
    }
    // Killed after its commit: the next start finishes it.
    ASSERT_EQ(WriteRecordFile(restoreDir + L"restoring.rec", SerializeRestoreJournal(journal), nullptr), 0u);
    for (const FileMove& move : moves) ASSERT_TRUE(::MoveFileExW(move.from.c_str(), move.to.c_str(), 0));
    ASSERT_TRUE(::DeleteFileW((restoreDir + L"restore.rec").c_str()));
    EXPECT_EQ(RecoverUnfinishedRestore(GameDir()), RestoreRecovery::Finished);
    EXPECT_EQ(DifferencesBetween(before, Timed()), "");
    EXPECT_FALSE(HasRestorePoint());
}
