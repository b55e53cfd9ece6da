// Start-up of the real installer: the movie message, a missing install list, garbage input, the commands that end it and the About box.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/InstallerTest.h"

using Startup = InstallerTest;

TEST_F(Startup, MovieMessageComesFirstAndAMissingListDisablesInstall)
{
    ::DeleteFileA((m_dir / "intro.bik").c_str());
    ::DeleteFileA((m_dir / "files.cfg").c_str());
    Launch();
    HWND box = m_installer->WaitForWindow(L"");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), L"VELAN - Instalace češtiny");
    EXPECT_EQ(FindProcessWindow(m_installer->Id(), L"", box), nullptr) << "the window showed before the message";
    EXPECT_EQ(AnswerBox(), L"Tato verze instalátoru češtiny neobsahuje přeložené filmy. Jejich překlad je přiložen "
                           L"v sekci \"O překladu\".");
    AttachWindow();
    EXPECT_TRUE(::IsWindowVisible(Item(IDC_STATUS)));
    EXPECT_EQ(Status(), L"Nelze nalézt soubor " + Wide(m_dir / "files.cfg"));
    EXPECT_FALSE(InstallEnabled());
    EXPECT_EQ(TextOf(Item(IDC_VERSION)), L"");
}

TEST_F(Startup, OverGarbageInputTheWindowWorksAndTheseCommandsEndIt)
{
    // Binary garbage as the list and the version: either the list loaded or a line was refused,
    // and either way the window is up, says so and answers its commands.
    std::string garbage(200000, '\0');
    unsigned seed = 12345;
    for (char& byte : garbage) byte = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 16);
    m_dir.Write("files.cfg", garbage);
    m_dir.Write("version", garbage);
    const struct {
        const char* what;
        int target;  // a control, or 0 for the window
        UINT message;
        WPARAM wp;
        bool ends;
    } cases[] = {
        {"Close", IDCANCEL, BM_CLICK, 0, true},
        {"Escape in the path box", IDC_PATH, WM_KEYDOWN, VK_ESCAPE, true},
        {"the close command", 0, WM_SYSCOMMAND, SC_CLOSE, true},
        {"Enter in the path box", IDC_PATH, WM_KEYDOWN, VK_RETURN, false},
    };
    for (const auto& c : cases) {
        Start();
        EXPECT_TRUE(InstallEnabled() || !Status().empty());
        ::PostMessageW(c.target ? Item(c.target) : m_dialog, c.message, c.wp, 0);
        EXPECT_EQ(m_installer->WaitForExit(c.ends ? 10000 : 1000), c.ends) << c.what;
    }
}

TEST_F(Startup, AboutBoxOverTheWindow)
{
    Start();
    ::PostMessageW(m_dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = m_installer->WaitForWindow(L"About VELANInst");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(::GetWindow(about, GW_OWNER), m_dialog);
    Press(about, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
    EXPECT_FALSE(m_installer->WaitForExit(300));
}
