// Taking the translation out again, on real files: an install then a restore gives the game back
// with times and marks, over two installs too; a file changed since stays; a restore that fails,
// is cancelled or is cut off at any moment leaves the translation installed; a restore point that
// is not ours is never acted on.
#include <gtest/gtest.h>

#include "install/GamePaths.h"
#include "install/RecordFile.h"
#include "install/RestoreFolder.h"
#include "install/RestoreRun.h"
#include "install/RunRecovery.h"
#include "install/UndoFolder.h"
#include "tests/support/EngineFixture.h"
#include "tests/support/HostCommands.h"

namespace {

class Restore : public EngineFixture {
protected:
    std::map<std::string, std::string> Timed() const { return TimedSnapshotOf(m_game.Path()); }
    std::wstring GameDir() const { return WidePath(m_game.Path()); }
    RestoreOutcome RestoreNow()
    {
        std::vector<std::wstring> names;
        return RunRestore(GameDir(), m_progress, names);
    }
    bool HasRestorePoint() const { return ::GetFileAttributesA((m_game / "VELANInst.restore").c_str()) != INVALID_FILE_ATTRIBUTES; }
};

}  // namespace

TEST_F(Restore, AnInstallThenARestoreGivesTheGameBackWithTimesAndMarks)
{
    const auto before = Timed();
    ASSERT_EQ(Run().result, CopyResult::Done);
    ASSERT_TRUE(HasRestorePoint());
    const RestoreOutcome outcome = RestoreNow();
    EXPECT_EQ(outcome.result, RestoreResult::Done);
    EXPECT_TRUE(outcome.leftAlone.empty());
    EXPECT_EQ(DifferencesBetween(before, Timed()), "");
    EXPECT_FALSE(HasRestorePoint());
    EXPECT_EQ(RestoreNow().result, RestoreResult::Missing);
}

TEST_F(Restore, ASecondInstallKeepsTheFirstOriginals)
{
    const auto before = Timed();
    ASSERT_EQ(Run().result, CopyResult::Done);
    m_pkg.Write("data\\strings.dat", "translated, version 2");
    m_pkg.Write("extra", "new in version 2");
    Pair(m_pkg / "extra", "Data\\x.dat");
    Pair(m_pkg / "extra", "keep.txt");
    Pair(m_pkg / "extra", "v2\\only.txt");
    ASSERT_EQ(Run().result, CopyResult::Done);
    EXPECT_EQ(SnapshotOf(m_game.Path())["keep.txt"], "new in version 2");
    EXPECT_EQ(RestoreNow().result, RestoreResult::Done);
    EXPECT_EQ(DifferencesBetween(before, Timed()), "");
}

TEST_F(Restore, AFileChangedSinceStaysAsItIsAndIsNamed)
{
    const auto before = SnapshotOf(m_game.Path());
    ASSERT_EQ(Run().result, CopyResult::Done);
    // The game writes one file; another is written again with the very bytes the install wrote.
    m_game.Write("Data\\x.dat", "game update");
    ::SetFileAttributesA((m_game / "docs\\ro.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    m_game.Write("docs\\ro.txt", "shipped read-only");
    const RestoreOutcome outcome = RestoreNow();
    EXPECT_EQ(outcome.result, RestoreResult::Done);
    EXPECT_EQ(outcome.leftAlone, (std::vector<std::wstring>{L"Data\\x.dat"}));
    auto expected = before;
    expected["Data\\x.dat"] = "game update";
    EXPECT_EQ(DifferencesBetween(expected, SnapshotOf(m_game.Path())), "");
}

TEST_F(Restore, AFailureOrACancelLeavesTheTranslationInstalled)
{
    ASSERT_EQ(Run().result, CopyResult::Done);
    const auto installed = Timed();
    // Held without sharing, a file of the translation cannot be moved: the restore meets it midway.
    HANDLE held = ::CreateFileA((m_game / "docs\\ro.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    RestoreOutcome outcome = RestoreNow();
    ::CloseHandle(held);
    EXPECT_EQ(outcome.result, RestoreResult::Failed);
    EXPECT_EQ(outcome.path, WidePath(m_game / "docs\\ro.txt"));
    EXPECT_TRUE(outcome.restored);
    EXPECT_EQ(DifferencesBetween(installed, Timed()), "");

    m_progress.cancel = true;
    outcome = RestoreNow();
    EXPECT_EQ(outcome.result, RestoreResult::Cancelled);
    EXPECT_EQ(DifferencesBetween(installed, Timed()), "");
    m_progress.cancel = false;
    EXPECT_EQ(RestoreNow().result, RestoreResult::Done) << "still usable";
}

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
        return CompareWithWritten(GameDir() + file.relative, file.written, buffer) == FileMatch::Same ? FileNow::AsWritten
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

TEST_F(Restore, AnInstallCutOffAfterItsCommitKeepsItsOriginalsAtTheNextStart)
{
    const auto before = Timed();
    ASSERT_EQ(Run().result, CopyResult::Done);
    // As if the run had stopped right after its commit: its originals and its staged restore point
    // back in the undo folder, the restore folder not yet made.
    const std::wstring undoDir = UndoFolderOf(GameDir());
    const std::wstring restoreDir = RestoreFolderOf(GameDir());
    ASSERT_TRUE(::MoveFileExW(restoreDir.substr(0, restoreDir.size() - 1).c_str(),
                              undoDir.substr(0, undoDir.size() - 1).c_str(), 0));
    RestorePoint point;
    std::string bytes;
    ASSERT_TRUE(ReadRecordFile(undoDir + L"restore.rec", bytes) && ParseRestorePoint(bytes, point));
    for (const KeptOriginal& original : OriginalsToKeep(point)) {
        ASSERT_TRUE(::MoveFileExW((undoDir + original.kept).c_str(), (undoDir + AsideName(original.step)).c_str(), 0));
    }
    EXPECT_EQ(RecoverUnfinishedRun(GameDir()), Recovery::None);
    EXPECT_FALSE(PathExists(undoDir));
    EXPECT_EQ(RestoreNow().result, RestoreResult::Done);
    EXPECT_EQ(DifferencesBetween(before, Timed()), "");
}

TEST_F(Restore, ARestorePointThatIsNotOursIsNeverActedOn)
{
    ASSERT_EQ(Run().result, CopyResult::Done);
    const std::string record = SnapshotOf(m_game.Path())["VELANInst.restore\\restore.rec"];
    const std::string outside = record.substr(0, record.find("created ")) + "created 9 ..\\x.dll\nwritten 5 1 2 3\nend\n";
    const struct {
        std::function<void()> plant;
        const char* what;
    } foreign[] = {
        {[&] { m_game.Write("VELANInst.restore\\notes.txt", "mine"); }, "a name that is not ours"},
        {[&] { m_game.Write("VELANInst.restore\\restore.rec", outside); }, "a path outside the game folder"},
        {[&] {
             m_game.Remove("VELANInst.restore");
             ASSERT_TRUE(MakeHostLink(m_pkg.Path().substr(0, m_pkg.Path().size() - 1), m_game / "VELANInst.restore"));
         },
         "a link"},
    };
    for (const auto& f : foreign) {
        f.plant();
        const auto planted = SnapshotOf(m_game.Path());
        const RestoreOutcome outcome = RestoreNow();
        EXPECT_EQ(outcome.result, RestoreResult::Refused) << f.what;
        EXPECT_EQ(outcome.path, WidePath(m_game / "VELANInst.restore")) << f.what;
        EXPECT_EQ(Run().result, CopyResult::Refused) << f.what;
        EXPECT_EQ(DifferencesBetween(planted, SnapshotOf(m_game.Path())), "") << f.what;
    }
}
