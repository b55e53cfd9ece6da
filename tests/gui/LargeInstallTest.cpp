// The install run of a large translation through the real window: the progress window, Storno, a
// run killed midway and undone at the next start, and a second installer meeting the live run.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "tests/gui/InstallFixture.h"

std::unique_ptr<TempFolder> LargeInstall::s_package;

TEST_F(LargeInstall, ProgressWindowFollowsTheCopyWhileTheInstallerKeepsAnswering)
{
    EXPECT_EQ(m_unanswered, 0) << "the installer stopped answering before the copy";
    EXPECT_EQ(::GetWindow(m_progress, GW_OWNER), m_dialog);
    const RECT own = ScreenRectOf(m_progress);
    const RECT installer = ScreenRectOf(m_dialog);
    EXPECT_NEAR(own.left + own.right, installer.left + installer.right, 4) << "centred over the installer";
    EXPECT_NEAR(own.top + own.bottom, installer.top + installer.bottom, 4);
    EXPECT_EQ(TextOf(::GetDlgItem(m_progress, IDCANCEL)), L"Storno");
    std::set<std::wstring> files;
    std::set<int> bars;
    DWORD slowest = 0;
    const DWORD start = ::GetTickCount();
    // Looked at every 50 ms, as often as a user could see the window change.
    WaitUntil([&] {
        if (!::IsWindow(m_progress)) return true;
        files.insert(TextOf(::GetDlgItem(m_progress, IDC_COPY_FILE)));
        bars.insert(Bar());
        const DWORD asked = ::GetTickCount();
        DWORD_PTR answer = 0;
        EXPECT_TRUE(::SendMessageTimeoutW(m_dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &answer));
        slowest = std::max(slowest, ::GetTickCount() - asked);
        return false;
    }, 60000, 50);
    EXPECT_GE(::GetTickCount() - start, 1000u) << "the copy was too short to follow";
    EXPECT_GE(files.size(), 3u);
    EXPECT_GE(bars.size(), 3u);
    EXPECT_LT(slowest, 100u);
    EXPECT_TRUE(WaitUntil([&] { return Status() == kDone; }, 20000)) << m_messages;
    EXPECT_TRUE(InfoDocumentOpened());
    EXPECT_TRUE(Translated());
}

TEST_F(LargeInstall, StornoPutsTheGameBackAndASecondTryCompletes)
{
    ASSERT_TRUE(WaitUntil([&] { return Bar() >= 200; }, 30000));
    Press(m_progress, IDCANCEL);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(m_progress); }, 5000));
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(m_dialog) && !Status().empty(); }, 5000));
    EXPECT_EQ(Status(), kNotDone);
    EXPECT_TRUE(InstallEnabled());
    EXPECT_EQ(FindProcessWindow(m_installer->Id(), L"", m_dialog), nullptr) << "no message box after Storno";
    EXPECT_EQ(DifferencesBetween(m_before, GameTree()), "");
    EXPECT_EQ(RunInstall(), kDone);
    EXPECT_TRUE(InfoDocumentOpened());
}

// The list names its folder in code page 1250, in which the run starts; the next start comes under
// another (Wine takes a process's code page from its locale), as a user's may.
class CzechLargeInstall : public LargeInstall {
protected:
    void SetUp() override
    {
        m_destinations = "Čeština\\";
        LargeInstall::SetUp();
    }
};

TEST_F(CzechLargeInstall, ARunKilledMidwayIsUndoneAtTheNextStartUnderAnyCodePage)
{
    ASSERT_TRUE(WaitUntil([&] { return Bar() >= 100; }, 30000));
    m_installer->Kill();
    EXPECT_EQ(GameTree().count("VELANInst.undo"), 1u);
    ASSERT_NE(DifferencesBetween(m_before, GameTree()), "");
    m_installer.reset(new InstallerProcess(m_dir.Path(), "C.UTF-8"));
    AttachWindow();
    EXPECT_EQ(Status(), L"Předchozí nedokončená instalace byla vrácena zpět.");
    EXPECT_EQ(DifferencesBetween(m_before, GameTree()), "");
    Close();
    Start();
    EXPECT_EQ(RunInstall(), kDone);
    EXPECT_TRUE(InfoDocumentOpened());
    EXPECT_TRUE(Translated());
}

TEST_F(LargeInstall, ASecondInstallerLeavesTheLiveRunAlone)
{
    // One double-click too many while the first window copies: the second window, and Install in
    // it, say so and touch nothing.
    InstallerProcess second(m_dir.Path());
    HWND window = second.MainWindow();
    ASSERT_NE(window, nullptr);
    const std::wstring busy = L"Do této složky právě instaluje jiné okno instalátoru.";
    EXPECT_EQ(TextOf(::GetDlgItem(window, IDC_STATUS)), busy);
    ASSERT_TRUE(PressAndWait(window, IDOK));
    EXPECT_EQ(TextOf(::GetDlgItem(window, IDC_STATUS)), busy);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(window, IDOK)));
    EXPECT_TRUE(WaitUntil([&] { return Status() == kDone; }, 60000)) << m_messages;
    EXPECT_TRUE(InfoDocumentOpened());
    EXPECT_TRUE(Translated());
    Press(window, IDCANCEL);
    EXPECT_TRUE(second.WaitForExit());
}
