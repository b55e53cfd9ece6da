// Czech texts in the real window, read back as text and drawn on the screen; run under a
// Czech and a Western code page.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/InstallerProcess.h"
#include "support/Screen.h"

namespace {

// Saves the window's pixels as a BMP beside the test program, for a look by eye.
void SaveShot(const ScreenShot& shot, const std::string& name)
{
    const char* lang = std::getenv("LC_ALL");
    const std::string file = name + "-" + (lang && std::string(lang).rfind("cs", 0) == 0 ? "cs" : "cp1252") + ".bmp";
    BITMAPFILEHEADER header{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = shot.Width();
    info.biHeight = -shot.Height();
    info.biPlanes = 1;
    info.biBitCount = 32;
    const DWORD bytes = static_cast<DWORD>(shot.Width() * shot.Height() * 4);
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + bytes;
    std::string data;
    for (int y = 0; y < shot.Height(); ++y) {
        for (int x = 0; x < shot.Width(); ++x) {
            const COLORREF c = shot.At(x, y);
            const char px[4] = {static_cast<char>(GetBValue(c)), static_cast<char>(GetGValue(c)),
                                static_cast<char>(GetRValue(c)), 0};
            data.append(px, 4);
        }
    }
    HANDLE out = ::CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(out, &header, sizeof header, &written, nullptr);
    ::WriteFile(out, &info, sizeof info, &written, nullptr);
    ::WriteFile(out, data.data(), bytes, &written, nullptr);
    ::CloseHandle(out);
}

}  // namespace

TEST(Text, CzechTextsReadBackExactly)
{
    TempFolder dir;
    dir.Write("intro.bik", "");
    dir.Write("version", "Čeština pro hru, verze 1.0\n");
    InstallerProcess installer(dir);
    HWND dialog = installer.MainWindow();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(dialog), L"VELAN - Instalace češtiny");
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, IDCANCEL)), L"Zavřít");
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1002)), L"info o překladu");
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1007)), L"Čeština pro hru, verze 1.0\r\n");
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1005)).substr(0, 20), L"Nelze nalézt soubor ");
}

TEST(Drawing, CzechStatusAndVersionDrawnInTheBoldFont)
{
    TempFolder dir;
    dir.Write("intro.bik", "");
    dir.Write("version", "Čeština: žluťoučký kůň úpěl ďábelské ódy\n");
    InstallerProcess installer(dir);
    HWND dialog = installer.MainWindow();
    ASSERT_NE(dialog, nullptr);
    ::Sleep(300);
    const RECT window = ScreenRectOf(dialog);
    const ScreenShot shot(window);
    SaveShot(shot, "drawing");
    RECT version = ScreenRectOf(::GetDlgItem(dialog, 1007));
    OffsetRect(&version, -window.left, -window.top);
    // The first text row of the version panel carries ink of the text colour.
    RECT firstRow{version.left, version.top, version.right, version.top + 13};
    EXPECT_GT(shot.Count(firstRow, RGB(69, 114, 153)), 150);
}
