// The folder browser driven from this process: preselection, OK and Cancel.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "support/InstallerFixture.h"
#include "support/RemoteTree.h"
#include "support/Screen.h"

namespace {

const int kTree = 14145;
const int kTitle = 14146;

class Browse : public InstallerTest {
protected:
    void SetUp() override
    {
        m_dir.Write("intro.bik", "");
        m_dir.Write("files.cfg", "");
        m_games.MakeFolder("Game Folder");
        ::SetCursorPos(0, 0);
        Start(ProbesExe());  // the counters show hover tracking behind the browser
    }
    void Type(const std::wstring& text)
    {
        ::SendMessageW(::GetDlgItem(m_dialog, 1001), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    // Presses Browse and waits until the browser is up and active.
    HWND OpenBrowser()
    {
        Press(m_dialog, 1000);
        HWND browser = nullptr;
        WaitUntil([&] {
            browser = FindProcessWindow(m_installer->Id(), L"", m_dialog);
            return browser && ::GetDlgItem(browser, kTree);
        });
        if (browser) ::Sleep(500);
        return browser;
    }
    // Selects a folder in the browser, as a user would by clicking, and checks that it took.
    // Wine's browser now and then drops a selection by path half-way down the tree (seen in
    // about one try in five), so the choice is made again, as a user would click again.
    void Choose(HWND browser, const std::wstring& path, const std::wstring& itemText)
    {
        HWND tree = ::GetDlgItem(browser, kTree);
        const bool chosen = WaitUntil([&] {
            SendWithRemoteText(browser, BFFM_SETSELECTIONW, TRUE, path);
            return SelectedTreeItemText(tree).find(itemText) != std::wstring::npos;
        }, 5000);
        ASSERT_TRUE(chosen) << "the browser did not select " << std::string(path.begin(), path.end());
    }
    void Close(HWND browser, int button)
    {
        Press(browser, button);
        WaitUntil([&] { return !::IsWindow(browser); });
    }
    TempFolder m_games{"C:\\"};  // a game folder outside the user's profile folders

    std::wstring PathBox() { return TextOf(::GetDlgItem(m_dialog, 1001)); }
    std::wstring GameFolder() const
    {
        const std::string path = m_games / "Game Folder";
        return std::wstring(path.begin(), path.end());
    }
};

}  // namespace

TEST_F(Browse, OkPutsTheChosenFolderWithOneBackslash)
{
    Type(L"typed");
    HWND browser = OpenBrowser();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(browser, kTitle)), L"Vyberte hlavní adresář hry");
    Choose(browser, GameFolder(), L"Game Folder");
    Close(browser, IDOK);
    EXPECT_EQ(PathBox(), GameFolder() + L"\\");
}

TEST_F(Browse, DriveRootGetsNoSecondBackslash)
{
    HWND browser = OpenBrowser();
    ASSERT_NE(browser, nullptr);
    Choose(browser, L"C:\\", L"C:");
    Close(browser, IDOK);
    EXPECT_EQ(PathBox(), L"C:\\");
}

TEST_F(Browse, CancelLeavesTypedTextAlone)
{
    Type(L"  typed, not a folder  ");
    HWND browser = OpenBrowser();
    ASSERT_NE(browser, nullptr);
    Close(browser, IDCANCEL);
    EXPECT_EQ(PathBox(), L"  typed, not a folder  ");
}

TEST_F(Browse, ButtonsKeepFollowingThePointerWhileTheBrowserIsOpen)
{
    HWND browser = OpenBrowser();
    ASSERT_NE(browser, nullptr);
    // The browser has no owner: the installer window stays enabled and keeps its timer.
    EXPECT_TRUE(::IsWindowEnabled(m_dialog));
    const ULONG_PTR loads = ProbeValue(m_dialog, L"VelanSkinLoads");
    const RECT close = ScreenRectOf(::GetDlgItem(m_dialog, IDCANCEL));
    ::SetCursorPos(close.left + 10, close.top + 10);
    EXPECT_TRUE(WaitUntil([&] { return ProbeValue(m_dialog, L"VelanSkinLoads") == loads + 1; }, 2000));
    ::SetCursorPos(0, 0);
    Close(browser, IDCANCEL);
}
