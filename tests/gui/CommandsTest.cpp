// Commands of the real window: Close, Escape, close command, About box, information document.
#include <gtest/gtest.h>

#include "support/InstallerFixture.h"

namespace {

class Commands : public InstallerTest {
protected:
    void SetUp() override
    {
        m_dir.Write("intro.bik", "");
        m_dir.Write("files.cfg", "");
        m_dir.Write("CZ_info.txt", "Informace o překladu\r\n");
        Start();
    }
};

}  // namespace

TEST_F(Commands, CloseButtonEndsTheProcess)
{
    Press(m_dialog, IDCANCEL);
    EXPECT_TRUE(m_installer->WaitForExit());
}

TEST_F(Commands, EscapeEndsTheProcess)
{
    ::PostMessageW(::GetDlgItem(m_dialog, 1001), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(m_installer->WaitForExit());
}

TEST_F(Commands, CloseCommandEndsTheProcess)
{
    ::PostMessageW(m_dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(m_installer->WaitForExit());
}

TEST_F(Commands, EnterInThePathBoxDoesNotClose)
{
    ::PostMessageW(::GetDlgItem(m_dialog, 1001), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(m_installer->WaitForExit(1000));
}

TEST_F(Commands, AboutBoxThroughTheAboutCommand)
{
    ::PostMessageW(m_dialog, WM_SYSCOMMAND, 0x0010, 0);
    HWND about = m_installer->WaitForWindow(L"About VELANInst");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(::GetWindow(about, GW_OWNER), m_dialog);
    Press(about, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
    EXPECT_FALSE(m_installer->WaitForExit(300));
}

TEST_F(Commands, InfoOpensTheDocument)
{
    Press(m_dialog, 1002);
    HWND notepad = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (notepad = ::FindWindowW(L"Notepad", nullptr)) != nullptr; }, 15000));
    EXPECT_NE(TextOf(notepad).find(L"CZ_info"), std::wstring::npos);
    ::PostMessageW(notepad, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(notepad); }));
}
