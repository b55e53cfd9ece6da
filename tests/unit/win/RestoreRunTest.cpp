// Taking the translation out again, on real files: an install then a restore gives the game back
// with times and marks, over two installs; a file changed since stays; a restore that fails or
// is cancelled leaves the translation installed; a restore point that is not ours is never acted on.
#include <gtest/gtest.h>

#include <functional>

#include "tests/support/HostCommands.h"
#include "tests/support/RestoreFixture.h"

TEST_F(Restore, AnInstallThenARestoreGivesTheGameBackWithTimesAndMarks)
{
    const auto before = Timed();
    ASSERT_EQ(Run().result, CopyResult::Done);
    ASSERT_TRUE(HasRestorePoint());
    // A second install over the first keeps the first one's originals. A restore after one install
    // alone is played out by the restore's other tests here and in RestoreFolderTest.cpp.
    m_pkg.Write("data\\strings.dat", "translated, version 2");
    m_pkg.Write("extra", "new in version 2");
    Pair(m_pkg / "extra", "Data\\x.dat");
    Pair(m_pkg / "extra", "keep.txt");
    Pair(m_pkg / "extra", "v2\\only.txt");
    ASSERT_EQ(Run().result, CopyResult::Done);
    EXPECT_EQ(Game()["keep.txt"], "new in version 2");
    const RestoreOutcome outcome = RestoreNow();
    EXPECT_EQ(outcome.result, RestoreResult::Done);
    EXPECT_TRUE(outcome.leftAlone.empty());
    EXPECT_EQ(DifferencesBetween(before, Timed()), "");
    EXPECT_FALSE(HasRestorePoint());
    EXPECT_EQ(RestoreNow().result, RestoreResult::Missing);
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
