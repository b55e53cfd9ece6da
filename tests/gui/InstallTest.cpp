// The install run through the real window: real copies into a real game folder, then Play.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "res/Resource.h"
#include "support/InstallerFixture.h"
#include "support/Screen.h"
#include "support/TreeSnapshot.h"

#include <commctrl.h>

namespace {

const char kKey[] = "SOFTWARE\\Dorvane\\RN\\VELAN";
const wchar_t kProgressTitle[] = L"Kopírování souborů";

std::string ReadFile(const std::string& path)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(1 << 16, '\0');
    DWORD got = 0;
    ::ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr);
    ::CloseHandle(file);
    bytes.resize(got);
    return bytes;
}

std::wstring Wide(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

class Install : public InstallerTest {
protected:
    void SetUp() override
    {
        ::SetCursorPos(0, 0);
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
        m_dir.Write("intro.bik", "");
        m_dir.Write("CZ_info.txt", "Informace\r\n");
        m_dir.Write("data\\strings.dat", "translated");
        m_dir.Write("art\\menu.tga", "menu");
        m_dir.Write("files.cfg",
                    "<GAMEDIR>strings.dat|backup\\strings.dat\r\n"
                    "<INSTDIR>data\\strings.dat|strings.dat\r\n"
                    "<INSTDIR>art\\menu.tga|\\override\\menu.tga\r\n");
        UseGameFolder("Game");
    }
    void TearDown() override
    {
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
        CloseNotepads();
    }

    // A game installation in a subfolder of the game folder.
    void UseGameFolder(const std::string& name)
    {
        m_gameDir = m_games / name;
        m_games.Write(name + "\\strings.dat", "original");
        m_games.Write(name + "\\keep.txt", "untouched");
        ::CopyFileA(HostPathFromEnvironment("FAKE_LAUNCHER_EXE").c_str(), (m_gameDir + "\\launcher.exe").c_str(),
                    FALSE);
    }
    std::string Game(const std::string& name) const { return ReadFile(m_gameDir + "\\" + name); }
    // Presses Install while the game holds an old override\menu.tga open without sharing, which the
    // list overwrites: the copy fails there.
    std::wstring RunInstallWhileTheGameHoldsTheMenu()
    {
        HANDLE held = ::CreateFileA((m_gameDir + "\\override\\menu.tga").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        if (held == INVALID_HANDLE_VALUE) {
            ADD_FAILURE() << "the game's file could not be held open";
            return std::wstring();
        }
        const std::wstring status = RunInstall();
        ::CloseHandle(held);
        return status;
    }
    std::string Said() const { return std::string(m_messages.begin(), m_messages.end()); }
    void Type(const std::wstring& text)
    {
        ::SendMessageW(::GetDlgItem(m_dialog, IDC_PATH), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    std::wstring Status() { return TextOf(::GetDlgItem(m_dialog, IDC_STATUS)); }
    bool InstallEnabled() { return ::IsWindowEnabled(::GetDlgItem(m_dialog, IDOK)) != FALSE; }

    // Presses Install and waits for the status panel to change, answering any box the shell
    // shows on the way.
    std::wstring RunInstall()
    {
        const std::wstring before = Status();
        Press(m_dialog, IDOK);
        std::wstring now;
        WaitUntil([&] {
            HWND box = FindProcessWindow(m_installer->Id(), L"", m_dialog);
            if (box && TextOf(box) != kProgressTitle) {
                m_messages += MessageBoxText(box) + L"\n";
                ::PostMessageW(box, WM_COMMAND, IDOK, 0);
            }
            now = Status();
            return ::IsWindowEnabled(m_dialog) && now != before && !now.empty();
        }, 20000);
        return now;
    }
    // The progress window of the copy, once it shows a file.
    HWND WaitForProgress()
    {
        HWND window = nullptr;
        WaitUntil([&] {
            window = FindProcessWindow(m_installer->Id(), kProgressTitle, m_dialog);
            return window && !TextOf(::GetDlgItem(window, IDC_COPY_FILE)).empty();
        }, 20000);
        return window;
    }
    // The information document opened after a success, closed again.
    bool InfoDocumentOpened()
    {
        HWND notepad = nullptr;
        const bool opened = WaitUntil([&] {
            notepad = ::FindWindowW(L"Notepad", nullptr);
            return notepad && TextOf(notepad).find(L"CZ_info") != std::wstring::npos;
        }, 15000);
        CloseNotepads();
        return opened;
    }
    static void CloseNotepads()
    {
        while (HWND notepad = ::FindWindowW(L"Notepad", nullptr)) {
            ::PostMessageW(notepad, WM_CLOSE, 0, 0);
            if (!WaitUntil([&] { return !::IsWindow(notepad); }, 5000)) break;
        }
    }
    static void SetRegistryPath(const std::string& value)
    {
        HKEY key = nullptr;
        ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
        ::RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1));
        ::RegCloseKey(key);
    }
    // Presses Play and returns what the launcher recorded: its folder and its command line.
    std::string Play()
    {
        Press(m_dialog, IDOK);
        EXPECT_TRUE(m_installer->WaitForExit(10000)) << "the installer did not close";
        std::string record;
        WaitUntil([&] { return (record = Game("launched.txt")) != "<missing>"; }, 10000);
        return record;
    }

    TempFolder m_games;
    std::string m_gameDir;
    std::wstring m_messages;
};

}  // namespace

TEST_F(Install, TypicalRunFromRegistryToPlay)
{
    SetRegistryPath(m_gameDir);
    Start();
    EXPECT_EQ(TextOf(::GetDlgItem(m_dialog, 1001)), Wide(m_gameDir));
    EXPECT_EQ(RunInstall(), L"Instalace úspěšně dokončena");
    EXPECT_EQ(Game("backup\\strings.dat"), "original");
    EXPECT_EQ(Game("strings.dat"), "translated");
    EXPECT_EQ(Game("override\\menu.tga"), "menu");
    EXPECT_EQ(Game("keep.txt"), "untouched");
    EXPECT_TRUE(InfoDocumentOpened());
    // The box is not rewritten; the button shows the Play skin at once.
    EXPECT_EQ(TextOf(::GetDlgItem(m_dialog, 1001)), Wide(m_gameDir));
    const std::string art = HostPathFromEnvironment("VELAN_ART_DIR");
    EXPECT_TRUE(WaitUntil([&] {
        return DifferencesFromBitmapFile(ScreenRectOf(::GetDlgItem(m_dialog, IDOK)), art + "\\bmp145.bmp") == 0;
    }, 3000));
    EXPECT_EQ(Play(), m_gameDir + "\n\"" + m_gameDir + "\\launcher.exe\"\n");
}

TEST_F(Install, BackupIsNeverOverwritten)
{
    SetRegistryPath(m_gameDir);
    Start();
    ASSERT_EQ(RunInstall(), L"Instalace úspěšně dokončena");
    EXPECT_TRUE(InfoDocumentOpened());
    Press(m_dialog, IDCANCEL);
    ASSERT_TRUE(m_installer->WaitForExit());
    m_dir.Write("data\\strings.dat", "translated again");
    Start();
    EXPECT_EQ(RunInstall(), L"Instalace úspěšně dokončena");
    EXPECT_TRUE(InfoDocumentOpened());
    EXPECT_EQ(Game("backup\\strings.dat"), "original");
    EXPECT_EQ(Game("strings.dat"), "translated again");
}

TEST_F(Install, PathWithBlanksAroundItIsTrimmed)
{
    Start();
    Type(L"  " + Wide(m_gameDir) + L" \t");
    EXPECT_EQ(RunInstall(), L"Instalace úspěšně dokončena");
    EXPECT_TRUE(InfoDocumentOpened());
    EXPECT_EQ(Game("strings.dat"), "translated");
    EXPECT_EQ(TextOf(::GetDlgItem(m_dialog, 1001)), L"  " + Wide(m_gameDir) + L" \t");
}

TEST_F(Install, BlankPathAsksForAPath)
{
    Start(ProbesExe());
    Type(L"   ");
    Press(m_dialog, IDOK);
    HWND box = m_installer->WaitForOtherWindow(m_dialog);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Nejprve zadejte cestu s nainstalovanou hrou!");
    EXPECT_EQ(TextOf(box), L"VELANInst");
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(m_dialog, 1005)));
    // Hover tracking runs again.
    const ULONG_PTR loads = ProbeValue(m_dialog, L"VelanSkinLoads");
    const RECT browse = ScreenRectOf(::GetDlgItem(m_dialog, 1000));
    ::SetCursorPos(browse.left + 10, browse.top + 10);
    EXPECT_TRUE(WaitUntil([&] { return ProbeValue(m_dialog, L"VelanSkinLoads") > loads; }, 2000));
    ::SetCursorPos(0, 0);
}

TEST_F(Install, MissingGameFolder)
{
    Start();
    Type(Wide(m_games / "Nowhere"));
    EXPECT_EQ(RunInstall(), L"Adresář hry neexistuje!");
    EXPECT_TRUE(InstallEnabled());
}

TEST_F(Install, TooLittleSpaceIsReportedInWholeMegabytes)
{
    // A sparse file of 8 TiB: far more than the volume holds, and far past 32 bits.
    const std::string huge = m_dir / "data\\huge.dat";
    HANDLE file = ::CreateFileA(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size;
    size.QuadPart = 8LL << 40;
    ASSERT_TRUE(::SetFilePointerEx(file, size, nullptr, FILE_BEGIN));
    const bool made = ::SetEndOfFile(file) != FALSE;
    ::CloseHandle(file);
    if (!made) GTEST_SKIP() << "this file system makes no 8 TiB sparse files";
    m_dir.Write("files.cfg", "<INSTDIR>data\\strings.dat|strings.dat\r\n<INSTDIR>data\\huge.dat|huge.dat\r\n");
    Start();
    Type(Wide(m_gameDir));
    EXPECT_EQ(RunInstall(),
              L"Nedostatek místa na disku. Pro instalaci je potřeba přibližně 8388608 MB volného místa.");
    EXPECT_TRUE(InstallEnabled());
    EXPECT_EQ(Game("strings.dat"), "original");
}

TEST_F(Install, SourceThatVanishedStopsEverything)
{
    Start();
    ::DeleteFileA((m_dir / "art\\menu.tga").c_str());
    Type(Wide(m_gameDir));
    EXPECT_EQ(RunInstall(), L"Nelze nalézt soubor " + Wide(m_dir / "art\\menu.tga"));
    EXPECT_FALSE(InstallEnabled());
    EXPECT_EQ(Game("backup\\strings.dat"), "<missing>");
    EXPECT_EQ(Game("strings.dat"), "original");
}

TEST_F(Install, FailedCopyPutsEverythingBackAndDisablesInstall)
{
    m_games.Write("Game\\override\\menu.tga", "old menu");
    const std::map<std::string, std::string> before = SnapshotOf(m_gameDir + "\\");
    Start();
    Type(Wide(m_gameDir));
    // Two pairs are copied before the held file is met.
    EXPECT_EQ(RunInstallWhileTheGameHoldsTheMenu(), L"Instalace nebyla dokončena");
    EXPECT_EQ(m_messages.substr(0, m_messages.find(L'\n') + 1),
              L"Soubor " + Wide(m_gameDir) + L"\\override\\menu.tga nelze zkopírovat.\n");
    EXPECT_GT(m_messages.size(), m_messages.find(L'\n') + 2) << "the system's reason follows";
    EXPECT_FALSE(InstallEnabled());
    EXPECT_EQ(DifferencesBetween(before, SnapshotOf(m_gameDir + "\\")), "");
}

TEST_F(Install, RunAgainAfterAFailedCopyKeepsTheOriginal)
{
    m_games.Write("Game\\override\\menu.tga", "old menu");
    Start();
    Type(Wide(m_gameDir));
    ASSERT_EQ(RunInstallWhileTheGameHoldsTheMenu(), L"Instalace nebyla dokončena");
    Press(m_dialog, IDCANCEL);
    ASSERT_TRUE(m_installer->WaitForExit());
    // The user closes the game and runs the installer again.
    Start();
    Type(Wide(m_gameDir));
    EXPECT_EQ(RunInstall(), L"Instalace úspěšně dokončena");
    EXPECT_TRUE(InfoDocumentOpened());
    EXPECT_EQ(Game("backup\\strings.dat"), "original");
    EXPECT_EQ(Game("strings.dat"), "translated");
    EXPECT_EQ(Game("override\\menu.tga"), "menu");
}

TEST_F(Install, ListLinesWindowsCannotHoldAreRefusedAtLoad)
{
    const std::string shipped = "<INSTDIR>data\\strings.dat";
    struct Case {
        std::string line;
        std::string shown;  // the destination up to its first control byte
    } cases[] = {
        {shipped + "|..\\evil.dll", "..\\evil.dll"},
        {shipped + "|C:\\windows\\evil.dll", "C:\\windows\\evil.dll"},
        {shipped + "|\\\\\\server\\share\\evil.dll", "\\\\server\\share\\evil.dll"},
        {shipped + std::string("|a\0C:\\Windows\\y", 15), "a"},
        {shipped + std::string("\0x|ok.txt", 9), "ok.txt"},
        {shipped + "|data\\tab\tx.txt", "data\\tab"},
        {shipped + "|what?.txt", "what?.txt"},
        {shipped + "|data\\nul.txt", "data\\nul.txt"},
        {shipped + "|CON", "CON"},
        {shipped + "|readme.", "readme."},
        {shipped + "|data \\x.txt", "data \\x.txt"},
    };
    for (const Case& c : cases) {
        m_dir.Write("files.cfg", c.line + "\r\n");
        Start();
        EXPECT_EQ(Status(), L"Neplatný cíl v seznamu souborů: " + Wide(c.shown));
        EXPECT_FALSE(InstallEnabled()) << c.shown;
        Press(m_dialog, IDCANCEL);
        EXPECT_TRUE(m_installer->WaitForExit());
    }
}

TEST_F(Install, LookAlikesOfRefusedNamesInstall)
{
    // Under the Czech locale (code page 1250) with the locale generated on the host, as on a
    // Czech Linux system: Wine then writes 1250 names as the Linux names they stand for.
    ASSERT_EQ(::GetACP(), 1250u);
    const std::string czech = "Čeština\\Řeč.txt";  // 1250 bytes
    m_dir.Write("files.cfg",
                "<INSTDIR>data\\strings.dat|data\\con_table.dat\r\n"
                "<INSTDIR>data\\strings.dat|data\\a.b\\c.txt\r\n"
                "<INSTDIR>art\\menu.tga|" + czech + "\r\n"
                "<INSTDIR>art\\menu.tga|\\leading\\slash.txt\r\n");
    Start();
    Type(Wide(m_gameDir));
    EXPECT_EQ(RunInstall(), L"Instalace úspěšně dokončena") << "said: " << Said();
    EXPECT_TRUE(InfoDocumentOpened());
    EXPECT_EQ(Game("data\\con_table.dat"), "translated");
    EXPECT_EQ(Game("data\\a.b\\c.txt"), "translated");
    EXPECT_EQ(Game(czech), "menu");
    EXPECT_EQ(Game("leading\\slash.txt"), "menu");
}

TEST_F(Install, NothingToCopyCountsAsSuccess)
{
    m_dir.Write("files.cfg", "");
    Start();
    Type(Wide(m_gameDir));
    EXPECT_EQ(RunInstall(), L"Instalace úspěšně dokončena");
    EXPECT_TRUE(InfoDocumentOpened());
}

TEST_F(Install, PlayStartsTheLauncherInAFolderWithBlanks)
{
    UseGameFolder("Program Files\\Some Game");
    Start();
    Type(Wide(m_gameDir));
    ASSERT_EQ(RunInstall(), L"Instalace úspěšně dokončena");
    EXPECT_TRUE(InfoDocumentOpened());
    EXPECT_EQ(Play(), m_gameDir + "\n\"" + m_gameDir + "\\launcher.exe\"\n");
}

TEST_F(Install, PlayWithoutALauncherKeepsTheInstallerOpen)
{
    Start();
    Type(Wide(m_gameDir));
    ASSERT_EQ(RunInstall(), L"Instalace úspěšně dokončena");
    EXPECT_TRUE(InfoDocumentOpened());
    const std::string launcher = m_gameDir + "\\launcher.exe";
    ASSERT_TRUE(::DeleteFileA(launcher.c_str()));
    const RECT play = ScreenRectOf(::GetDlgItem(m_dialog, IDOK));
    ::SetCursorPos(play.left + 20, play.top + 20);
    const std::string art = HostPathFromEnvironment("VELAN_ART_DIR");
    const std::string lit = art + "\\bmp146.bmp";
    ASSERT_TRUE(WaitUntil([&] { return DifferencesFromBitmapFile(play, lit) == 0; }, 3000));

    Press(m_dialog, IDOK);
    HWND box = m_installer->WaitForOtherWindow(m_dialog);
    ASSERT_NE(box, nullptr);
    wchar_t reason[512] = {};
    ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_FILE_NOT_FOUND, 0,
                     reason, 512, nullptr);
    std::wstring expected = L"Nelze spustit " + Wide(launcher) + L"\n" + reason;
    while (expected.back() == L'\n' || expected.back() == L'\r') expected.pop_back();
    EXPECT_EQ(MessageBoxText(box), expected);
    EXPECT_EQ(TextOf(box), L"VELANInst");
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
    EXPECT_FALSE(m_installer->WaitForExit(300));
    EXPECT_TRUE(::IsWindowVisible(m_dialog));
    EXPECT_TRUE(::IsWindowEnabled(m_dialog));
    // Hover tracking runs again: Play dims when the pointer leaves and lights when it returns.
    ::SetCursorPos(0, 0);
    EXPECT_TRUE(WaitUntil([&] { return DifferencesFromBitmapFile(play, art + "\\bmp145.bmp") == 0; }, 3000));
    ::SetCursorPos(play.left + 20, play.top + 20);
    EXPECT_TRUE(WaitUntil([&] { return DifferencesFromBitmapFile(play, lit) == 0; }, 3000));

    // The user puts the launcher back and presses Play again.
    ASSERT_TRUE(::CopyFileA(HostPathFromEnvironment("FAKE_LAUNCHER_EXE").c_str(), launcher.c_str(), FALSE));
    EXPECT_EQ(Play(), m_gameDir + "\n\"" + launcher + "\"\n");
}

TEST_F(Install, ReadOnlyGameFilesAreStillReplaced)
{
    // Games installed from a disc often keep the disc's read-only mark on their files.
    ASSERT_TRUE(::SetFileAttributesA((m_gameDir + "\\strings.dat").c_str(), FILE_ATTRIBUTE_READONLY));
    Start();
    Type(Wide(m_gameDir));
    const std::wstring status = RunInstall();
    ::SetFileAttributesA((m_gameDir + "\\strings.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
    ::SetFileAttributesA((m_gameDir + "\\backup\\strings.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(status, L"Instalace úspěšně dokončena")
        << "said: " << Said();
    EXPECT_TRUE(InfoDocumentOpened());
    EXPECT_EQ(Game("backup\\strings.dat"), "original");
    EXPECT_EQ(Game("strings.dat"), "translated");
}

TEST_F(Install, GameOnAReadOnlyLocationLosesNothing)
{
    // The test command mounts a prepared game folder read-only where the host allows it.
    const char* variable = "VELAN_READONLY_GAME";
    char probe[2];
    if (!::GetEnvironmentVariableA(variable, probe, sizeof probe)) {
        GTEST_SKIP() << "no read-only game folder was mounted for this run";
    }
    const std::string game = HostPathFromEnvironment(variable);
    m_gameDir = game;
    ASSERT_EQ(Game("strings.dat"), "original");
    Start();
    Type(Wide(game));
    EXPECT_EQ(RunInstall(), L"Instalace nebyla dokončena")
        << "said: " << Said();
    EXPECT_FALSE(InstallEnabled());
    EXPECT_EQ(Game("strings.dat"), "original");
    EXPECT_EQ(Game("keep.txt"), "untouched");
    EXPECT_EQ(Game("backup\\strings.dat"), "<missing>");
}

namespace {

// A translation large enough that its copy takes a few seconds under Wine, over a game with
// originals to replace. Its files are staged once for all the tests and listed by full path.
class LargeInstall : public Install {
protected:
    static void SetUpTestSuite()
    {
        s_package = new TempFolder();
        const std::string block(kFileBytes, 'c');
        for (int i = 0; i < kFiles; ++i) s_package->Write(Name(i), block);
    }
    static void TearDownTestSuite()
    {
        delete s_package;
        s_package = nullptr;
    }
    static std::string Name(int i) { return "data\\" + std::to_string(i % 20) + "\\f" + std::to_string(i) + ".dat"; }

    void SetUp() override
    {
        Install::SetUp();
        std::string list;
        for (int i = 0; i < kFiles; ++i) {
            list += (*s_package / Name(i)) + "|" + Name(i) + "\r\n";
            if (i % 100 == 0) m_games.Write("Game\\" + Name(i), "original " + std::to_string(i));
        }
        m_dir.Write("files.cfg", list);
        SetRegistryPath(m_gameDir);
        m_before = GameTree();
    }
    std::map<std::string, std::string> GameTree() const { return SnapshotOf(m_gameDir + "\\"); }
    static int BarOf(HWND progress)
    {
        return static_cast<int>(::SendMessageW(::GetDlgItem(progress, IDC_COPY_BAR), PBM_GETPOS, 0, 0));
    }

    static const int kFiles = 5000;
    static const int kFileBytes = 64 << 10;
    static TempFolder* s_package;
    std::map<std::string, std::string> m_before;
};

TempFolder* LargeInstall::s_package = nullptr;

}  // namespace

TEST_F(LargeInstall, ProgressWindowFollowsTheCopyWhileTheInstallerKeepsAnswering)
{
    Start();
    Press(m_dialog, IDOK);
    HWND progress = WaitForProgress();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(::GetWindow(progress, GW_OWNER), m_dialog);
    const RECT own = ScreenRectOf(progress);
    const RECT installer = ScreenRectOf(m_dialog);
    EXPECT_NEAR((own.left + own.right) / 2, (installer.left + installer.right) / 2, 2);
    EXPECT_NEAR((own.top + own.bottom) / 2, (installer.top + installer.bottom) / 2, 2);
    EXPECT_EQ(TextOf(::GetDlgItem(progress, IDCANCEL)), L"Storno");
    std::set<std::wstring> files;
    std::set<int> bars;
    DWORD slowest = 0;
    const DWORD start = ::GetTickCount();
    while (::IsWindow(progress) && ::GetTickCount() - start < 60000) {
        files.insert(TextOf(::GetDlgItem(progress, IDC_COPY_FILE)));
        bars.insert(BarOf(progress));
        const DWORD asked = ::GetTickCount();
        DWORD_PTR answer = 0;
        EXPECT_TRUE(::SendMessageTimeoutW(m_dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &answer));
        slowest = std::max(slowest, ::GetTickCount() - asked);
        ::Sleep(50);
    }
    EXPECT_GE(::GetTickCount() - start, 1000u) << "the copy was too short to follow";
    EXPECT_GE(files.size(), 3u);
    EXPECT_GE(bars.size(), 3u);
    EXPECT_TRUE(files.count(L"data\\7\\f7.dat") || files.size() > 3);
    EXPECT_LT(slowest, 100u);
    EXPECT_TRUE(WaitUntil([&] { return Status() == L"Instalace úspěšně dokončena"; }, 20000)) << Said();
    EXPECT_TRUE(InfoDocumentOpened());
    const std::map<std::string, std::string> after = GameTree();
    EXPECT_EQ(after.count("VELANInst.undo"), 0u);
    EXPECT_EQ(after.at("data\\0\\f0.dat"), std::string(kFileBytes, 'c'));
    EXPECT_EQ(after.at("data\\19\\f4999.dat"), std::string(kFileBytes, 'c'));
}

TEST_F(LargeInstall, StornoPutsTheGameBackAndASecondTryCompletes)
{
    Start();
    Press(m_dialog, IDOK);
    HWND progress = WaitForProgress();
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return BarOf(progress) >= 200; }, 30000));
    Press(progress, IDCANCEL);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(progress); }, 5000));
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(m_dialog) && !Status().empty(); }, 5000));
    EXPECT_EQ(Status(), L"Instalace nebyla dokončena");
    EXPECT_TRUE(InstallEnabled());
    EXPECT_EQ(FindProcessWindow(m_installer->Id(), L"", m_dialog), nullptr) << "no message box after Storno";
    EXPECT_EQ(DifferencesBetween(m_before, GameTree()), "");
    EXPECT_EQ(RunInstall(), L"Instalace úspěšně dokončena");
    EXPECT_TRUE(InfoDocumentOpened());
}

TEST_F(LargeInstall, ARunKilledMidwayIsUndoneAtTheNextStart)
{
    Start();
    Press(m_dialog, IDOK);
    HWND progress = WaitForProgress();
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return BarOf(progress) >= 100; }, 30000));
    m_installer->Kill();
    EXPECT_EQ(GameTree().count("VELANInst.undo"), 1u);
    ASSERT_NE(DifferencesBetween(m_before, GameTree()), "");
    Start();
    EXPECT_EQ(Status(), L"Předchozí nedokončená instalace byla vrácena zpět.");
    EXPECT_EQ(DifferencesBetween(m_before, GameTree()), "");
    EXPECT_EQ(RunInstall(), L"Instalace úspěšně dokončena");
    EXPECT_TRUE(InfoDocumentOpened());
}
