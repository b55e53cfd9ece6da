// A run cut off without warning and undone at the next start, on real files: at every moment of
// the run, with an original on another volume, and what a start leaves alone; a run cut off after
// its commit keeps its originals for the restore.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "framework/Utf8.h"
#include "install/GamePaths.h"
#include "install/RecordFile.h"
#include "install/RestorePoint.h"
#include "install/RunRecovery.h"
#include "install/UndoFolder.h"
#include "tests/support/EngineFixture.h"
#include "tests/support/HostCommands.h"
#include "tests/support/RestoreFixture.h"
#include "tests/support/WaitUntil.h"

using UnfinishedRun = EngineFixture;

namespace {

// A game whose folder "linked" is a link to a folder on another volume (the host's memory file
// system): moving a file from there into the undo folder is a copy.
class OtherVolume : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        ASSERT_TRUE(MakeHostLink(m_other.Path().substr(0, m_other.Path().size() - 1), m_game / "linked"));
        m_game.Write("linked\\big.dat", m_original);
        ::SetFileAttributesA((m_game / "linked\\big.dat").c_str(), FILE_ATTRIBUTE_READONLY);
        m_other.Write("probe", "");
        const bool crosses = !::MoveFileExA((m_other / "probe").c_str(), (m_game / "probe").c_str(), 0) &&
                             ::GetLastError() == ERROR_NOT_SAME_DEVICE;
        ::DeleteFileA((m_other / "probe").c_str());
        ::DeleteFileA((m_game / "probe").c_str());
        if (!crosses) GTEST_SKIP() << "no second volume here";
        Pair(m_pkg / "x1", "linked\\big.dat");
    }

    TempFolder m_other{"Z:\\dev\\shm\\"};
    const std::string m_original = std::string(3 << 20, 'o') + "end of the original";
};

}  // namespace

TEST_F(UnfinishedRun, ARunCutOffAtAnyMomentIsUndoneAtTheNextStart)
{
    const CopyPlan plan = Planned();
    const std::wstring gameDir = WidePath(m_game.Path());
    const std::wstring undoDir = UndoFolderOf(gameDir);
    const std::map<std::string, std::string> before = Game();
    std::vector<char> buffer;
    const auto always = [](DWORD) { return true; };
    // The run's own steps, done by hand up to a moment, as a run killed there leaves them; the
    // last moment stops between moving an original aside and copying over it.
    for (std::size_t moment = 0; moment <= plan.steps.size(); ++moment) {
        {
            CHandle held;
            ASSERT_EQ(CreateUndoFolder(undoDir, RecordOf(plan), held), 0u);
        }
        for (const std::wstring& folder : plan.newFolders) ::CreateDirectoryW((gameDir + folder).c_str(), nullptr);
        for (std::size_t i = 0; i < moment; ++i) {
            const CopyStep& step = plan.steps[i];
            const int entry = static_cast<int>(i);
            if (step.replaces) {
                MoveFileSafely(gameDir + step.relative, undoDir + AsideName(entry), undoDir + PartName(entry), buffer, always);
            }
            if (i + 1 < moment || !step.replaces) CopyFileInChunks(step.source, gameDir + step.relative, buffer, always);
        }
        EXPECT_EQ(RecoverUnfinishedRun(gameDir), Recovery::Undone) << moment;
        EXPECT_EQ(DifferencesBetween(before, Game()), "") << moment;
    }
}

TEST_F(OtherVolume, AnOriginalMovedAsideIsWholeOrAbsentAtEveryMoment)
{
    const std::wstring gameDir = WidePath(m_game.Path());
    const std::wstring undoDir = UndoFolderOf(gameDir);
    const CopyPlan plan = Planned();
    const int entry = static_cast<int>(plan.steps.size()) - 1;
    const std::wstring original = gameDir + L"linked\\big.dat";
    const std::map<std::string, std::string> before = Game();
    std::vector<char> buffer;
    // Killed while the original was copied into the undo folder, after it was whole there but
    // before it was deleted, and after that with the new file half written over it.
    const std::function<void()> moments[] = {
        [&] { m_game.Write("VELANInst.undo\\" + Utf8FromUtf16(PartName(entry)), m_original.substr(0, 1 << 20)); },
        [&] { ::CopyFileW(original.c_str(), (undoDir + AsideName(entry)).c_str(), FALSE); },
        [&] {
            ::CopyFileW(original.c_str(), (undoDir + AsideName(entry)).c_str(), FALSE);
            DeleteFileAnyway(original);
            m_game.Write("linked\\big.dat", "first");
        },
    };
    for (const auto& moment : moments) {
        {
            CHandle held;
            ASSERT_EQ(CreateUndoFolder(undoDir, RecordOf(plan), held), 0u);
        }
        moment();
        EXPECT_EQ(RecoverUnfinishedRun(gameDir), Recovery::Undone);
        EXPECT_EQ(DifferencesBetween(before, Game()), "");
    }
    // The whole run, and one stopped within the copy of the original.
    EXPECT_EQ(Run().result, CopyResult::Done);
    EXPECT_EQ(Game().at("linked\\big.dat"), "first x");
    EXPECT_EQ(Game().count("VELANInst.undo"), 0u);
    m_game.Write("linked\\big.dat", std::string(64 << 20, 'b'));
    const std::map<std::string, std::string> big = Game();
    const int bigEntry = static_cast<int>(Planned().steps.size()) - 1;
    std::thread user([&] {
        WaitUntil([&] { return PathExists(undoDir + PartName(bigEntry)); }, 10000, 1);
        m_progress.cancel.store(true);
    });
    const CopyOutcome outcome = Run();
    user.join();
    EXPECT_EQ(outcome.result, CopyResult::Cancelled);
    EXPECT_EQ(DifferencesBetween(big, Game()), "");
}

TEST_F(UnfinishedRun, WhatAStartFindsIsTouchedOnlyWhenARunOfOursLeftIt)
{
    // A record that climbs out of the game folder and an undo folder that is a link are shown
    // through the real window, with what lies outside the game folder.
    m_game.Write("a.dat", "replaced by the run");
    const struct {
        const char* what;
        std::vector<std::pair<std::string, std::string>> files;
        Recovery recovery;
        bool kept;
    } cases[] = {
        {"originals left by a successful run clearing up", {{"0", "x"}, {"1", "y"}, {"2.part", "z"}}, Recovery::None, false},
        {"a record cut short while it was written", {{"undo.rec", "VELANInst undo 2\nnew 3 ab"}}, Recovery::None, false},
        {"a record cut short beside something else", {{"undo.rec", "VELANInst undo 2\n"}, {"0", "?"}}, Recovery::Refused, true},
        {"a file no run makes", {{"readme.txt", "mine"}}, Recovery::Refused, true},
        {"a later version's record", {{"undo.rec", "VELANInst undo 3\nend\n"}, {"0", "?"}}, Recovery::Refused, true},
        {"the first version's record", {{"undo.rec", "VELANInst undo 1\nreplaces 5 a.dat\nend\n"}, {"0", "a's original"}},
         Recovery::Undone, false},
    };
    for (const auto& c : cases) {
        for (const auto& file : c.files) m_game.Write("VELANInst.undo\\" + file.first, file.second);
        const std::map<std::string, std::string> before = Game();
        EXPECT_EQ(RecoverUnfinishedRun(WidePath(m_game.Path())), c.recovery) << c.what;
        const std::map<std::string, std::string> after = Game();
        EXPECT_EQ(after.count("VELANInst.undo"), c.kept ? 1u : 0u) << c.what;
        if (c.kept) {
            EXPECT_EQ(DifferencesBetween(before, after), "") << c.what;
        }
        m_game.Remove("VELANInst.undo");
    }
    EXPECT_EQ(Game().at("a.dat"), "a's original");
    // A live run's record, held open for writing.
    m_game.Write("VELANInst.undo\\undo.rec", "VELANInst undo 2\nend\n");
    HANDLE live = ::CreateFileA((m_game / "VELANInst.undo\\undo.rec").c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(RecoverUnfinishedRun(WidePath(m_game.Path())), Recovery::Busy);
    ::CloseHandle(live);
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
