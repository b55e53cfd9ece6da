// The folder browser driven from this process: Cancel, OK with a chosen folder, and hover behind it.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "tests/support/InstallerTest.h"
#include "tests/support/RemoteText.h"
#include "tests/support/Screen.h"

namespace {

const int kTree = 14145;
const int kTitle = 14146;

class Browse : public InstallerTest {
protected:
    // Presses Browse and waits until the browser is up and active.
    HWND OpenBrowser()
    {
        Press(m_dialog, IDC_BROWSE);
        HWND browser = nullptr;
        WaitUntil([&] {
            return (browser = m_installer->WaitForWindow(L"", m_dialog, 100)) && ::GetDlgItem(browser, kTree) &&
                   ::GetForegroundWindow() == browser;
        });
        return browser;
    }
    void Close(HWND browser, int button)
    {
        Press(browser, button);
        WaitUntil([&] { return !::IsWindow(browser); });
    }

    TempFolder m_games{"C:\\"};  // a game folder outside the user's profile folders
};

}  // namespace

TEST_F(Browse, CancelKeepsTheTextAndOkPutsTheChosenFolder)
{
    m_games.MakeFolder("Game Folder");
    Start(ProbesExe());  // the counters show hover tracking behind the browser
    Type(L"  typed, not a folder  ");
    HWND browser = OpenBrowser();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(browser, kTitle)), L"Vyberte hlavní adresář hry");
    // The browser has no owner: the installer window stays enabled and keeps its timer.
    EXPECT_TRUE(::IsWindowEnabled(m_dialog));
    const ULONG_PTR loads = ProbeValue(m_dialog, L"VelanSkinLoads");
    const RECT close = ScreenRectOf(Item(IDCANCEL));
    ::SetCursorPos(close.left + 10, close.top + 10);
    // At least one load: a change the pointer caused before it moved here may still be on its way.
    EXPECT_TRUE(WaitUntil([&] { return ProbeValue(m_dialog, L"VelanSkinLoads") > loads; }, 2000));
    ::SetCursorPos(0, 0);
    Close(browser, IDCANCEL);
    EXPECT_EQ(PathBox(), L"  typed, not a folder  ");

    // Wine's browser now and then drops a selection by path half-way down the tree (about one try
    // in five), so the user chooses again until the box shows the folder.
    const std::wstring folder = Wide(m_games / "Game Folder");
    EXPECT_TRUE(WaitUntil([&] {
        browser = OpenBrowser();
        // Sent, not posted: when the send returns the browser has taken the selection or dropped it.
        SendWithRemoteText(browser, BFFM_SETSELECTIONW, TRUE, folder);
        Close(browser, IDOK);
        return PathBox() == folder + L"\\";
    }, 60000)) << PathBox();
}
