// Start-up of the real installer: movie message, version note, install list and its reports.
#include <gtest/gtest.h>

#include "support/InstallerProcess.h"

namespace {

const wchar_t kTitle[] = L"VELAN - Instalace češtiny";

std::wstring Widen(const std::string& s)
{
    return std::wstring(s.begin(), s.end());  // the test folders are ASCII
}

bool Enabled(HWND dialog, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE;
}

bool Visible(HWND dialog, int id)
{
    return ::IsWindowVisible(::GetDlgItem(dialog, id)) != FALSE;
}

}  // namespace

TEST(Startup, NothingButTheProgram)
{
    TempFolder dir;
    InstallerProcess installer(dir);
    HWND box = installer.WaitForWindow(L"");
    ASSERT_NE(box, nullptr);
    // The movie message comes first, before the window is shown.
    EXPECT_EQ(TextOf(box), kTitle);
    EXPECT_EQ(MessageBoxText(box),
              L"Tato verze instalátoru češtiny neobsahuje přeložené filmy. Jejich překlad je přiložen v sekci "
              L"\"O překladu\".");
    EXPECT_EQ(FindProcessWindow(installer.Id(), L"", box), nullptr) << "the window showed before the message";
    HWND dialog = installer.MainWindow(true);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(dialog), kTitle);
    EXPECT_TRUE(Visible(dialog, 1005));
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1005)), L"Nelze nalézt soubor " + Widen(dir / "files.cfg"));
    EXPECT_FALSE(Enabled(dialog, IDOK));
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1007)), L"");
}

TEST(Startup, MissingShippedFileStopsTheList)
{
    TempFolder dir;
    dir.Write("intro.bik", "");
    dir.Write("data\\strings.dat", "s");
    dir.Write("files.cfg",
              "translation files\r\n<GAMEDIR>strings.dat|backup\\strings.dat\r\n<INSTDIR>data\\strings.dat|strings.dat\r\n"
              "\r\n<INSTDIR>art\\menu.tga|\\override\\menu.tga\r\n<INSTDIR>missing-too.dat|x\r\n");
    InstallerProcess installer(dir);
    HWND dialog = installer.MainWindow();
    ASSERT_NE(dialog, nullptr);
    // Only the first missing file is reported: the rest of the list is not read.
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1005)), L"Nelze nalézt soubor " + Widen(dir / "art\\menu.tga"));
    EXPECT_FALSE(Enabled(dialog, IDOK));
}

TEST(Startup, CompleteListLeavesInstallEnabledAndNoStatus)
{
    for (const char* list : {"", "<INSTDIR>data\\strings.dat|strings.dat\n<GAMEDIR>a|b\nE:\\x|y",
                             "<INSTDIR>data|d\n<INSTDIR>data\\*.dat|e\n"}) {
        TempFolder dir;
        dir.Write("intro.bik", "");
        dir.Write("data\\strings.dat", "s");
        dir.Write("files.cfg", list);
        InstallerProcess installer(dir);
        HWND dialog = installer.MainWindow();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(Enabled(dialog, IDOK)) << list;
        EXPECT_FALSE(Visible(dialog, 1005)) << list;
        EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1005)), L"") << list;
    }
}

TEST(Startup, ListHeldOpenForWritingIsReportedAsMissing)
{
    TempFolder dir;
    dir.Write("intro.bik", "");
    dir.Write("files.cfg", "a|b\n");
    HANDLE writer = ::CreateFileA((dir / "files.cfg").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    InstallerProcess installer(dir);
    HWND dialog = installer.MainWindow();
    ::CloseHandle(writer);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1005)), L"Nelze nalézt soubor " + Widen(dir / "files.cfg"));
    EXPECT_FALSE(Enabled(dialog, IDOK));
}

TEST(Startup, VersionNoteFillsThePanel)
{
    TempFolder dir;
    dir.Write("intro.bik", "");
    dir.Write("files.cfg", "");
    dir.Write("version", "Verze 1.2\nPřeklad: tým\x1Aignored");
    InstallerProcess installer(dir);
    HWND dialog = installer.MainWindow();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1007)), L"Verze 1.2\r\nPřeklad: tým\r\n");
}
