// The all-or-nothing copy on real files: a whole run, a run stopped by an error or a cancel at
// any point, the checks made before the first change, and the undo of a run cut off midway.
#include <gtest/gtest.h>

#include <thread>
#include <utility>
#include <vector>

#include "install/CopyEngine.h"
#include "install/FileCopy.h"
#include "install/UndoFolder.h"
#include "support/TempFolder.h"
#include "support/TreeSnapshot.h"

namespace {

class CopyEngine : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pkg.Write("data\\strings.dat", "translated");
        m_pkg.Write("x1", "first x");
        m_pkg.Write("x2", "second x");
        m_pkg.Write("ro.txt", "shipped read-only");
        ::SetFileAttributesA((m_pkg / "ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
        m_game.Write("strings.dat", "original");
        ::SetFileAttributesA((m_game / "strings.dat").c_str(), FILE_ATTRIBUTE_READONLY);
        m_game.Write("Data\\x.dat", "old x");
        m_game.Write("keep.txt", "untouched");
        // A backup made first, the file it saves replaced, a destination written twice in two
        // letter cases, a game file copied after it was replaced, new folders, a read-only source.
        Pair("<GAMEDIR>strings.dat", "backup\\strings.dat");
        Pair(m_pkg / "data\\strings.dat", "strings.dat");
        Pair(m_pkg / "x1", "Data\\x.dat");
        Pair(m_pkg / "x2", "data/X.DAT");
        Pair("<GAMEDIR>strings.dat", "copies\\new\\strings.dat");
        Pair(m_pkg / "ro.txt", "\\docs\\ro.txt");
    }

    void Pair(const std::string& source, const std::string& dest)
    {
        m_sources.Add(source.c_str());
        m_dests.Add(dest.c_str());
    }
    CopyPlan Planned() const { return PlanCopy(m_sources, m_dests, m_game.Path().c_str(), ProbePath); }
    CopyOutcome Run() { return RunCopy(Planned(), m_game.Path().c_str(), m_progress); }
    std::map<std::string, std::string> Game() const { return SnapshotOf(m_game.Path()); }

    TempFolder m_pkg;
    TempFolder m_game;
    CStringArray m_sources;
    CStringArray m_dests;
    CopyProgress m_progress;
};

}  // namespace

TEST_F(CopyEngine, CopiesEveryPairInOrder)
{
    EXPECT_EQ(Run().result, CopyResult::Done);
    const std::map<std::string, std::string> expected = {
        {"backup", "<folder>"},       {"backup\\strings.dat", "original+ro"},
        {"strings.dat", "translated"}, {"Data", "<folder>"},
        {"Data\\x.dat", "second x"},  {"copies", "<folder>"},
        {"copies\\new", "<folder>"},  {"copies\\new\\strings.dat", "translated"},
        {"docs", "<folder>"},         {"docs\\ro.txt", "shipped read-only+ro"},
        {"keep.txt", "untouched"},
    };
    EXPECT_EQ(DifferencesBetween(expected, Game()), "");
}

TEST_F(CopyEngine, AnErrorAtAnyPairPutsEverythingBack)
{
    // Ten pairs more, copied side by side, one replacing a game file.
    for (int i = 0; i < 10; ++i) {
        m_pkg.Write("free\\" + std::to_string(i), "free " + std::to_string(i));
        Pair(m_pkg / ("free\\" + std::to_string(i)), "side\\" + std::to_string(i) + ".dat");
    }
    m_game.Write("side\\5.dat", "game's side 5");
    // The game holds one file open without sharing: the run meets it at the first pair (reading
    // it for the backup), among the pairs copied side by side, or where a file of the game's own
    // is added.
    for (const char* held : {"strings.dat", "side\\5.dat", "docs\\ro.txt"}) {
        if (std::string(held) == "docs\\ro.txt") m_game.Write(held, "game's own");
        const std::map<std::string, std::string> start = Game();
        HANDLE file = ::CreateFileA((m_game / held).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        const CopyOutcome outcome = Run();
        ::CloseHandle(file);
        EXPECT_EQ(outcome.result, CopyResult::Failed) << held;
        EXPECT_EQ(outcome.error, static_cast<DWORD>(ERROR_SHARING_VIOLATION)) << held;
        EXPECT_EQ(outcome.path.Bytes(), m_game / held);
        EXPECT_TRUE(outcome.restored);
        EXPECT_EQ(DifferencesBetween(start, Game()), "") << held;
    }
}

TEST_F(CopyEngine, ACancelWithinTheLastFilePutsEverythingBack)
{
    // The cancel comes while the last file is being copied: it must stop that file, not only the
    // files after it.
    m_pkg.Write("movie.bik", std::string(64 << 20, 'm'));
    Pair(m_pkg / "movie.bik", "movies\\intro.bik");
    const std::map<std::string, std::string> before = Game();
    std::thread user([&] {
        const DWORD start = ::GetTickCount();
        while (m_progress.step.load() < 6 && ::GetTickCount() - start < 10000) ::Sleep(1);
        m_progress.cancel.store(true);
    });
    const CopyOutcome outcome = Run();
    user.join();
    EXPECT_EQ(outcome.result, CopyResult::Cancelled);
    EXPECT_TRUE(outcome.restored);
    EXPECT_EQ(DifferencesBetween(before, Game()), "");
}

TEST_F(CopyEngine, WhatCanBeCheckedStopsTheRunBeforeItsFirstChange)
{
    // A source gone since the list was read, then also a destination that is a folder.
    ::DeleteFileA((m_pkg / "x2").c_str());
    for (const std::string& named : {m_pkg / "x2", m_game / "docs\\ro.txt"}) {
        if (named != m_pkg / "x2") m_game.MakeFolder("docs\\ro.txt");
        const std::map<std::string, std::string> before = Game();
        const CopyOutcome outcome = Run();
        EXPECT_EQ(outcome.result, CopyResult::Failed) << named;
        EXPECT_EQ(outcome.error, named == m_pkg / "x2" ? DWORD{ERROR_FILE_NOT_FOUND} : DWORD{ERROR_ACCESS_DENIED});
        EXPECT_EQ(outcome.path.Bytes(), named);
        EXPECT_EQ(m_progress.step.load(), -1) << named;
        EXPECT_EQ(DifferencesBetween(before, Game()), "") << named;
    }
}

TEST_F(CopyEngine, ARunCutOffAtAnyMomentIsUndoneAtTheNextStart)
{
    const CopyPlan plan = Planned();
    const CString gameDir = m_game.Path().c_str();
    const CString undoDir = UndoFolderOf(gameDir);
    const std::map<std::string, std::string> before = Game();
    std::vector<char> buffer;
    // The run's own steps, done by hand up to a moment, as a run killed there leaves them; the
    // last moment stops between moving an original aside and copying over it.
    for (std::size_t moment = 0; moment <= plan.steps.size(); ++moment) {
        ASSERT_EQ(WriteUndoRecord(undoDir, RecordOf(plan)), 0u);
        for (const CString& folder : plan.newFolders) ::CreateDirectoryA(gameDir + folder, nullptr);
        for (std::size_t i = 0; i < moment; ++i) {
            const CopyStep& step = plan.steps[i];
            if (step.replaces) MoveFileSafely(gameDir + step.relative, undoDir + AsideName(step.undoIndex), buffer);
            if (i + 1 < moment || !step.replaces) {
                CopyFileInChunks(step.source, gameDir + step.relative, buffer, [](DWORD) { return true; });
            }
        }
        EXPECT_EQ(RecoverUnfinishedRun(gameDir), Recovery::Undone) << moment;
        EXPECT_EQ(DifferencesBetween(before, Game()), "") << moment;
    }
}

TEST_F(CopyEngine, LeftoversWithoutAWholeRecordAreClearedOnlyWhenNothingWasChanged)
{
    const struct {
        const char* what;
        std::vector<std::pair<const char*, const char*>> files;
        Recovery recovery;
    } cases[] = {
        {"originals left by a successful run clearing up", {{"0", "replaced"}, {"1", "replaced"}}, Recovery::None},
        {"a record cut short while it was written", {{"undo.rec", "VELANInst undo 1\nnew 3 ab"}}, Recovery::None},
        {"a record cut short beside something else", {{"undo.rec", "VELANInst undo 1\n"}, {"0", "?"}},
         Recovery::Failed},
    };
    const std::map<std::string, std::string> before = Game();
    for (const auto& c : cases) {
        for (const auto& file : c.files) m_game.Write(std::string("VELANInst.undo\\") + file.first, file.second);
        EXPECT_EQ(RecoverUnfinishedRun(m_game.Path().c_str()), c.recovery) << c.what;
        const PathState left = ProbePath((m_game / "VELANInst.undo").c_str());
        EXPECT_EQ(left, c.recovery == Recovery::Failed ? PathState::Folder : PathState::Missing) << c.what;
    }
    EXPECT_EQ(RecoverUnfinishedRun(m_pkg.Path().c_str()), Recovery::None);
    std::map<std::string, std::string> after = Game();
    after.erase("VELANInst.undo");
    after.erase("VELANInst.undo\\undo.rec");
    after.erase("VELANInst.undo\\0");
    EXPECT_EQ(DifferencesBetween(before, after), "");
}
