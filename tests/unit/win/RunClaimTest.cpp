// The claim a run holds on a game folder: one holder at a time, whatever name reaches the folder,
// and free again when its holder ends without letting go.
#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

#include "install/RunClaim.h"
#include "tests/support/EngineFixture.h"
#include "tests/support/HostCommands.h"

TEST(RunClaim, OneHolderPerFolderWhateverItsName)
{
    TempFolder root;
    root.MakeFolder("Game Folder");
    ASSERT_TRUE(MakeHostLink(root / "Game Folder", root / "link"));
    char shortName[MAX_PATH] = {};
    ::GetShortPathNameA((root / "Game Folder").c_str(), shortName, MAX_PATH);
    // Another thread stands for another installer (a thread may take its own claim again); it ends
    // without letting go, as a process killed midway would.
    CRunClaim* held = new CRunClaim();
    CHandle claimed(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    CHandle end(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::thread holder([&] {
        EXPECT_EQ(held->Claim(WidePath(root / "Game Folder")), CRunClaim::Result::Claimed);
        ::SetEvent(claimed.Get());
        ::WaitForSingleObject(end.Get(), 10000);
    });
    ::WaitForSingleObject(claimed.Get(), 10000);
    for (const std::string& name : {root / "game folder\\", std::string(shortName), root / "link"}) {
        CRunClaim other;
        EXPECT_EQ(other.Claim(WidePath(name)), CRunClaim::Result::Busy) << name;
    }
    CRunClaim elsewhere;
    EXPECT_EQ(elsewhere.Claim(WidePath(root.Path())), CRunClaim::Result::Claimed);
    EXPECT_EQ(elsewhere.Claim(WidePath(root / "missing")), CRunClaim::Result::Absent);
    ::SetEvent(end.Get());
    holder.join();
    CRunClaim after;
    EXPECT_EQ(after.Claim(WidePath(root / "link")), CRunClaim::Result::Claimed);
    delete held;
}
