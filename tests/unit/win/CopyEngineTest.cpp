// The all-or-nothing copy on real files: a whole run, a run stopped by an error or a cancel at any
// point, the checks made before the first change, and the commit with its record held open.
#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <utility>
#include <vector>

#include "install/CopyEngine.h"
#include "install/FileCopy.h"
#include "install/RunRecovery.h"
#include "install/UndoFolder.h"
#include "tests/support/EngineFixture.h"
#include "tests/support/TreeSnapshot.h"
#include "tests/support/WaitUntil.h"

using CopyEngine = EngineFixture;

TEST_F(CopyEngine, CopiesEveryPairInOrder)
{
    EXPECT_EQ(Run().result, CopyResult::Done);
    const std::map<std::string, std::string> expected = {
        {"backup", "<folder>"},       {"backup\\strings.dat", "original+ro"},
        {"strings.dat", "translated"}, {"Data", "<folder>"},
        {"Data\\x.dat", "second x"},  {"copies", "<folder>"},
        {"copies\\new", "<folder>"},  {"copies\\new\\strings.dat", "translated"},
        {"docs", "<folder>"},         {"docs\\ro.txt", "shipped read-only+ro"},
        {"keep.txt", "untouched"},    {"Čeština", "<folder>"}, {"Čeština\\Řeč.txt", "second ř"},
        // The originals it replaced, kept with their marks; the record and program are the restore's tests' own.
        {"VELANInst.restore", "<folder>"}, {"VELANInst.restore\\1.1", "original+ro"},
        {"VELANInst.restore\\1.2", "old x"},
    };
    std::map<std::string, std::string> game = Game();
    EXPECT_EQ(game.erase("VELANInst.restore\\restore.rec"), 1u);
    EXPECT_EQ(DifferencesBetween(expected, game), "");
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
        EXPECT_EQ(outcome.path, WidePath(m_game / held));
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
    // Counted before the run: planned again midway, the pairs already copied from the game folder
    // would drop out and the cancel would come a file or two early.
    const int last = static_cast<int>(Planned().steps.size()) - 1;
    std::thread user([&] {
        WaitUntil([&] { return m_progress.step.load() >= last; }, 10000, 1);
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
    // Each named as what the user must look at: a source gone since the list was read (or a
    // folder in its place), a destination that is a folder, a file where the undo folder goes, and a game folder so deep that
    // the undo folder's path would be too long, or only the restore folder's (its name is longer).
    TempFolder deep;
    const std::string deepGame = deep / (std::string(234 - deep.Path().size() - 1, 'd') + "\\");
    const std::string lessDeep = deep / (std::string(231 - deep.Path().size() - 1, 'l') + "\\");
    ::CreateDirectoryA(deepGame.c_str(), nullptr);
    ::CreateDirectoryA(lessDeep.c_str(), nullptr);
    const auto nothing = [] {};
    const struct {
        std::function<void()> prepare, restore;
        std::string game;
        CopyResult result;
        DWORD error;
        std::string named;
    } cases[] = {
        {[&] { ::DeleteFileA((m_pkg / "x2").c_str()); }, [&] { m_pkg.Write("x2", "second x"); }, m_game.Path(),
         CopyResult::MissingSource, ERROR_FILE_NOT_FOUND, m_pkg / "x2"},
        {[&] { ::DeleteFileA((m_pkg / "x2").c_str()); m_pkg.MakeFolder("x2"); },
         [&] { ::RemoveDirectoryA((m_pkg / "x2").c_str()); m_pkg.Write("x2", "second x"); }, m_game.Path(),
         CopyResult::MissingSource, ERROR_FILE_NOT_FOUND, m_pkg / "x2"},
        {[&] { m_game.MakeFolder("docs\\ro.txt"); }, [&] { ::RemoveDirectoryA((m_game / "docs\\ro.txt").c_str()); },
         m_game.Path(), CopyResult::Failed, ERROR_ACCESS_DENIED, m_game / "docs\\ro.txt"},
        {[&] { m_game.Write("VELANInst.undo", "the game's"); }, [&] { ::DeleteFileA((m_game / "VELANInst.undo").c_str()); },
         m_game.Path(), CopyResult::Failed, ERROR_ALREADY_EXISTS, m_game / "VELANInst.undo"},
        {nothing, nothing, deepGame, CopyResult::Failed, ERROR_FILENAME_EXCED_RANGE, deepGame + "VELANInst.undo"},
        {nothing, nothing, lessDeep, CopyResult::Failed, ERROR_FILENAME_EXCED_RANGE, lessDeep + "VELANInst.undo"},
    };
    for (const auto& c : cases) {
        c.prepare();
        const std::map<std::string, std::string> before = SnapshotOf(c.game);
        const CopyOutcome outcome = RunCopy(Planned(c.game), WidePath(c.game), m_progress);
        EXPECT_EQ(outcome.result, c.result) << c.named;
        EXPECT_EQ(outcome.error, c.error) << c.named;
        EXPECT_EQ(outcome.path, WidePath(c.named));
        EXPECT_EQ(m_progress.step.load(), -1) << c.named;
        EXPECT_EQ(DifferencesBetween(before, SnapshotOf(c.game)), "") << c.named;
        c.restore();
    }
}

TEST_F(CopyEngine, ACommitHeldBackIsWaitedForAWhileThenUndone)
{
    // A program (a virus scanner, say) opens the record without delete sharing while the last
    // file is copied, and lets go only after the run has ended, or after a second.
    m_pkg.Write("movie.bik", std::string(64 << 20, 'm'));
    Pair(m_pkg / "movie.bik", "movies\\intro.bik");
    const std::map<std::string, std::string> before = Game();
    // 0: held until the run has ended, however long the machine makes it.
    for (const DWORD holdMs : {0, 1000}) {
        CHandle ended(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        const std::string record = m_game / "VELANInst.undo\\undo.rec";
        HANDLE held = INVALID_HANDLE_VALUE;
        std::thread scanner([&] {
            // Asked without a pause: the record must be held from before the commit comes.
            WaitUntil([&] {
                held = ::CreateFileA(record.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
                return held != INVALID_HANDLE_VALUE;
            }, 10000, 0);
            // The time held is what is under test: longer than the run waits for its commit, or shorter.
            ::WaitForSingleObject(ended.Get(), holdMs ? holdMs : 60000);
            ::CloseHandle(held);
        });
        CopyOutcome outcome = Run();
        if (holdMs == 0) ::SetEvent(ended.Get());
        scanner.join();
        ASSERT_NE(held, INVALID_HANDLE_VALUE) << "the record was never seen";
        if (holdMs == 1000) {
            EXPECT_EQ(outcome.result, CopyResult::Done);
            EXPECT_EQ(Game().count("VELANInst.undo"), 0u);
            EXPECT_EQ(RecoverUnfinishedRun(WidePath(m_game.Path())), Recovery::None) << "a success is never undone";
            EXPECT_EQ(Game().at("Data\\x.dat"), "second x");
            continue;
        }
        EXPECT_EQ(outcome.result, CopyResult::Failed);
        EXPECT_EQ(outcome.error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
        EXPECT_EQ(outcome.path, WidePath(record));
        EXPECT_TRUE(outcome.restored);
        // What could not be deleted is an undone run's record, which the next start clears away.
        EXPECT_EQ(RecoverUnfinishedRun(WidePath(m_game.Path())), Recovery::Undone);
        EXPECT_EQ(DifferencesBetween(before, Game()), "");
    }
}
