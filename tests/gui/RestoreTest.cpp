// The restore through the real programs: an install leaves its entry in the list of installed
// programs, and the entry's command takes the translation out again through a copy of the
// installer outside the game folder, leaving the game as it was before the install.
#include "tests/gui/InstallFixture.h"
#include "tests/support/HostCommands.h"

namespace {

const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// The next message box of any process with the installer's caption: its text, answered with `answer`.
std::wstring AnswerAnyBox(int answer)
{
    return AnswerMessageBox([] { return ::FindWindowW(L"#32770", L"VELANInst"); }, answer, 20000);
}

// The entries of the list (32-bit view) that name `folder` as their place, with their values.
std::map<std::wstring, std::wstring> EntryFor(const std::wstring& folder)
{
    HKEY list = nullptr;
    std::map<std::wstring, std::wstring> found;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ | KEY_WOW64_32KEY, &list) != ERROR_SUCCESS) {
        return found;
    }
    wchar_t name[256];
    for (DWORD i = 0, size = 256; ::RegEnumKeyExW(list, i, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++i, size = 256) {
        std::map<std::wstring, std::wstring> values = {{L"key", name}};
        for (const wchar_t* value : {L"DisplayName", L"InstallLocation", L"UninstallString"}) {
            wchar_t text[1024] = {};
            DWORD bytes = sizeof text - sizeof(wchar_t);
            if (::RegGetValueW(list, name, value, RRF_RT_REG_SZ, nullptr, text, &bytes) == ERROR_SUCCESS) values[value] = text;
        }
        DWORD number = 0;
        DWORD bytes = sizeof number;
        if (::RegGetValueW(list, name, L"NoModify", RRF_RT_REG_DWORD, nullptr, &number, &bytes) == ERROR_SUCCESS) {
            values[L"NoModify"] = std::to_wstring(number);
        }
        if (values[L"InstallLocation"] == folder) found = values;
    }
    ::RegCloseKey(list);
    return found;
}

// Starts the installer kept in the game folder's restore point with /restore, as the list does.
void StartKeptInstaller(const std::string& gameDir)
{
    ASSERT_TRUE(StartProgram(L"\"" + Wide(gameDir) + L"\\VELANInst.restore\\VELANInst.exe\" /restore"));
}

// The restore's progress window once it shows a file.
HWND RestoreProgress()
{
    HWND window = nullptr;
    WaitUntil([&] {
        window = ::FindWindowW(L"#32770", L"Kopírování souborů");
        return window && !TextOf(::GetDlgItem(window, IDC_COPY_FILE)).empty();
    }, 20000);
    return window;
}

}  // namespace

TEST_F(Install, TheListOfInstalledProgramsTakesTheTranslationOutAgain)
{
    m_dir.Write("version", "\xC8" "e\x9Atina pro VELAN, verze 1.0\r\nDruh\xFD \xF8\xE1" "dek\r\n");
    SetRegistryPath(m_gameDir);
    const std::map<std::string, std::string> before = TimedSnapshotOf(m_gameDir + "\\");
    Start();
    ASSERT_EQ(RunInstall(), kDone) << m_messages;
    InfoDocumentOpened();
    Close();

    const std::map<std::wstring, std::wstring> entry = EntryFor(Wide(m_gameDir));
    ASSERT_FALSE(entry.empty()) << "no entry in the list";
    EXPECT_EQ(entry.at(L"DisplayName"), L"Čeština pro VELAN, verze 1.0");
    EXPECT_EQ(entry.at(L"UninstallString"), L"\"" + Wide(m_gameDir) + L"\\VELANInst.restore\\VELANInst.exe\" /restore");
    EXPECT_EQ(entry.at(L"NoModify"), L"1");

    // A start over the installed translation says so.
    Start();
    EXPECT_NE(Status().find(L"Čeština je v této složce již nainstalována"), std::wstring::npos) << Status();
    Close();

    // Removed through the list: the kept installer hands over to its copy, which asks first.
    ASSERT_TRUE(StartProgram(L"uninstaller.exe --remove " + entry.at(L"key")));
    EXPECT_EQ(AnswerAnyBox(IDYES), L"Odebrat češtinu a obnovit původní soubory hry?");
    EXPECT_EQ(AnswerAnyBox(IDOK), L"Původní soubory hry byly obnoveny.");
    EXPECT_TRUE(EntryFor(Wide(m_gameDir)).empty()) << "the entry stays";
    const std::string restoreDir = m_gameDir + "\\VELANInst.restore";
    EXPECT_TRUE(WaitUntil([&] { return ::GetFileAttributesA(restoreDir.c_str()) == INVALID_FILE_ATTRIBUTES; }));
    EXPECT_EQ(DifferencesBetween(before, TimedSnapshotOf(m_gameDir + "\\")), "");
}

TEST_F(LargeInstall, ARestoreStoppedOrKilledMidwayLeavesTheTranslationInstalled)
{
    ASSERT_TRUE(WaitUntil([&] { return Status() == kDone; }, 60000)) << m_messages;
    InfoDocumentOpened();
    Close();
    const std::map<std::string, std::string> installed = TimedSnapshotOf(m_gameDir + "\\");

    // Storno in the progress window: the restore is undone and says so; the restore point stays usable.
    StartKeptInstaller(m_gameDir);
    EXPECT_EQ(AnswerAnyBox(IDYES), L"Odebrat češtinu a obnovit původní soubory hry?");
    HWND progress = RestoreProgress();
    ASSERT_NE(progress, nullptr);
    Press(progress, IDCANCEL);
    EXPECT_EQ(AnswerAnyBox(IDOK), L"Původní soubory hry nebyly obnoveny, čeština zůstala nainstalována.");
    EXPECT_TRUE(WaitUntil([&] { return DifferencesBetween(installed, TimedSnapshotOf(m_gameDir + "\\")).empty(); }))
        << DifferencesBetween(installed, TimedSnapshotOf(m_gameDir + "\\"));

    // Killed midway: the next start of the installer undoes what the restore had done.
    StartKeptInstaller(m_gameDir);
    AnswerAnyBox(IDYES);
    progress = RestoreProgress();
    ASSERT_NE(progress, nullptr);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(progress, &pid);
    HANDLE restore = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    ASSERT_NE(restore, nullptr);
    ::TerminateProcess(restore, 9);
    ::WaitForSingleObject(restore, 10000);
    ::CloseHandle(restore);
    EXPECT_NE(DifferencesBetween(installed, TimedSnapshotOf(m_gameDir + "\\")), "") << "killed before it changed anything";
    Start();
    EXPECT_NE(Status().find(L"Předchozí nedokončené odebrání češtiny bylo vráceno zpět."), std::wstring::npos) << Status();
    Close();
    EXPECT_EQ(DifferencesBetween(installed, TimedSnapshotOf(m_gameDir + "\\")), "");
}
