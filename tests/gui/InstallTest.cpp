// The install run through the real window: real copies into a real game folder, refusals, then Play.
#include <gtest/gtest.h>

#include <string>

#include "tests/gui/InstallFixture.h"
#include "tests/support/Screen.h"

TEST_F(Install, TypicalRunFromRegistryToPlayWithTheLauncherGoneOnce)
{
    // A game folder with blanks, read from the registry. Which names a list may give, and a file
    // named twice in two letter cases, are the copy plan's and the copy engine's tests; Czech
    // names through the window, the large install's.
    UseGameFolder("Program Files\\Some Game");
    SetRegistryPath(m_gameDir);
    Start();
    EXPECT_EQ(PathBox(), Wide(m_gameDir));
    Press(m_dialog, IDC_INFO);
    EXPECT_TRUE(InfoDocumentOpened()) << "info o překladu";
    EXPECT_EQ(RunInstall(), kDone) << m_messages;
    EXPECT_TRUE(InfoDocumentOpened());
    const std::map<std::string, std::string> expected = {
        {"backup\\strings.dat", "original"}, {"strings.dat", "translated"}, {"override\\menu.tga", "menu"},
        {"keep.txt", "untouched"}};
    for (const auto& file : expected) EXPECT_EQ(Game(file.first), file.second) << file.first;
    EXPECT_EQ(PathBox(), Wide(m_gameDir)) << "the box is not rewritten";
    EXPECT_TRUE(Shows(IDOK, "bmp145.bmp")) << "Install turns into Play";

    // Play with the launcher gone: the reason in a box, the installer stays and hover still works.
    const std::string launcher = m_gameDir + "\\launcher.exe";
    ASSERT_TRUE(::DeleteFileA(launcher.c_str()));
    const RECT play = ScreenRectOf(Item(IDOK));
    ::SetCursorPos(play.left + 20, play.top + 20);
    ASSERT_TRUE(Shows(IDOK, "bmp146.bmp")) << "Play lights under the pointer";
    Press(m_dialog, IDOK);
    HWND box = m_installer->WaitForWindow(L"", m_dialog);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), L"VELANInst");
    wchar_t reason[512] = {};
    ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_FILE_NOT_FOUND, 0,
                     reason, 512, nullptr);
    std::wstring expectedBox = L"Nelze spustit " + Wide(launcher) + L"\n" + reason;
    expectedBox.erase(expectedBox.find_last_not_of(L"\r\n") + 1);
    EXPECT_EQ(AnswerBox(), expectedBox);
    EXPECT_FALSE(m_installer->WaitForExit(300));
    EXPECT_TRUE(::IsWindowEnabled(m_dialog));
    ::SetCursorPos(0, 0);
    EXPECT_TRUE(Shows(IDOK, "bmp145.bmp"));
    ::SetCursorPos(play.left + 20, play.top + 20);
    EXPECT_TRUE(Shows(IDOK, "bmp146.bmp"));
    // The user puts the launcher back and presses Play again: the installer ends, and the launcher
    // records its folder and command line.
    ASSERT_TRUE(::CopyFileA(HostPathFromEnvironment("FAKE_LAUNCHER_EXE").c_str(), launcher.c_str(), FALSE));
    Press(m_dialog, IDOK);
    EXPECT_TRUE(m_installer->WaitForExit()) << "the installer did not close";
    const std::string launched = m_gameDir + "\n\"" + launcher + "\"\n";
    EXPECT_TRUE(WaitUntil([&] { return Game("launched.txt") == launched; })) << Game("launched.txt");
}

TEST_F(Install, RefusalsBeforeTheFirstChange)
{
    const std::wstring kNoRoom = L"(no room)";
    Start();
    Type(L"   ");  // blanks alone are no path
    Press(m_dialog, IDOK);
    EXPECT_EQ(AnswerBox(), L"Nejprve zadejte cestu s nainstalovanou hrou!");
    EXPECT_FALSE(::IsWindowVisible(Item(IDC_STATUS)));
    Close();
    // A sparse file of 8 TiB: far more than the volume holds, and far past 32 bits.
    HANDLE huge = ::CreateFileA((m_dir / "data\\huge.dat").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    LARGE_INTEGER size;
    size.QuadPart = 8LL << 40;
    const bool sparse = ::SetFilePointerEx(huge, size, nullptr, FILE_BEGIN) && ::SetEndOfFile(huge);
    ::CloseHandle(huge);
    const struct {
        std::string list, typed, removed;
        std::wstring status;
        bool installEnabled;
    } cases[] = {
        {kList, m_games / "Nowhere", "", L"Adresář hry neexistuje!", true},
        {kList, m_gameDir, "art\\menu.tga", L"Nelze nalézt soubor " + Wide(m_dir / "art\\menu.tga"), false},
        // What the run would write: the list's files and the installer kept with the restore point.
        {"<INSTDIR>data\\strings.dat|strings.dat\r\n<INSTDIR>data\\huge.dat|huge.dat\r\n", m_gameDir, "",
         kNoRoom, true},
        // Nothing to copy is no refusal, and blanks around the path are no part of it: the run
        // completes, and the button turns to Play.
        {"", "  " + m_gameDir + " \t", "", kDone, true},
    };
    const std::map<std::string, std::string> before = GameTree();
    for (const auto& c : cases) {
        if (!sparse && c.list.find("huge") != std::string::npos) continue;  // no sparse files here
        m_dir.Write("files.cfg", c.list);
        Start();
        if (!c.removed.empty()) ::DeleteFileA((m_dir / c.removed).c_str());
        Type(Wide(c.typed));
        unsigned long long written = 0;
        for (const char* file : {"data\\strings.dat", "data\\huge.dat", "VELANInst.exe", "fmod.dll"}) {
            written += FileSizeOf(m_dir / file);
        }
        EXPECT_EQ(RunInstall(), c.status != kNoRoom ? c.status
                                                    : L"Nedostatek místa na disku. Pro instalaci je potřeba přibližně " +
                                                          std::to_wstring(written >> 20) + L" MB volného místa.");
        EXPECT_EQ(InstallEnabled(), c.installEnabled) << c.typed;
        EXPECT_EQ(DifferencesBetween(before, GameTree()), "");
        if (c.status == kDone) {
            EXPECT_TRUE(InfoDocumentOpened());
        }
        Close();
    }
}

TEST_F(Install, ListLinesRefusedAtLoad)
{
    // The status line of each kind of stop; each rule is tested on its own below the window.
    const std::string shipped = "<INSTDIR>data\\strings.dat";
    const struct {
        std::string lines;
        std::wstring status;
    } cases[] = {
        {shipped + "|what?.txt", L"Neplatný cíl v seznamu souborů: what?.txt"},
        // A missing shipped file: the first of them is the one named.
        {"translation\r\n" + shipped + "|a\r\n\r\n<INSTDIR>art\\gone.tga|b\r\n<INSTDIR>gone-too.dat|c",
         L"Nelze nalézt soubor " + Wide(m_dir / "art\\gone.tga")},
    };
    for (const auto& c : cases) {
        m_dir.Write("files.cfg", c.lines + "\r\n");
        Start();
        EXPECT_EQ(Status(), c.status);
        EXPECT_FALSE(InstallEnabled()) << Status();
        Close();
    }
}

TEST_F(Install, GameOnAReadOnlyLocationIsReportedAsNotInstalled)
{
    // The test command mounts a prepared game folder read-only where the host allows it (so its
    // files cannot change whatever the installer does).
    char probe[2];
    if (!::GetEnvironmentVariableA("VELAN_READONLY_GAME", probe, sizeof probe)) {
        GTEST_SKIP() << "no read-only game folder was mounted for this run";
    }
    m_gameDir = HostPathFromEnvironment("VELAN_READONLY_GAME");
    ASSERT_EQ(Game("strings.dat"), "original");
    Start();
    Type(Wide(m_gameDir));
    EXPECT_EQ(RunInstall(), kNotDone) << m_messages;
    EXPECT_FALSE(InstallEnabled());
}

