// The real window as the user sees it: Czech texts read back, its place, and the panels drawn in their colours; run under a Czech and a Western code page.
#include <gtest/gtest.h>

#include "tests/support/InstallerTest.h"
#include "tests/support/Screen.h"

namespace {

class Window : public InstallerTest {
protected:
    void SetUp() override
    {
        InstallerTest::SetUp();
        ::DeleteFileA((m_dir / "files.cfg").c_str());  // so the status panel has a line to show
        m_dir.Write("version", "Čeština: žluťoučký kůň úpěl ďábelské ódy\nVerze 1.0");
        Start();
    }
    RECT Inside(int id) const
    {
        RECT r = ScreenRectOf(Item(id));
        const RECT window = ScreenRectOf(m_dialog);
        ::OffsetRect(&r, -window.left, -window.top);
        return r;
    }
};

}  // namespace

TEST_F(Window, CzechTextsReadBackExactlyAndTheWindowCentredWithoutAFrame)
{
    EXPECT_EQ(TextOf(m_dialog), L"VELAN - Instalace češtiny");
    EXPECT_EQ(TextOf(Item(IDCANCEL)), L"Zavřít");
    EXPECT_EQ(TextOf(Item(IDC_INFO)), L"info o překladu");
    EXPECT_EQ(TextOf(Item(IDC_VERSION)), L"Čeština: žluťoučký kůň úpěl ďábelské ódy\r\nVerze 1.0\r\n");
    EXPECT_EQ(Status().substr(0, 20), L"Nelze nalézt soubor ");
    const RECT window = ScreenRectOf(m_dialog);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(window.left + window.right, work.left + work.right);
    EXPECT_EQ(window.top + window.bottom, work.top + work.bottom);
    EXPECT_FALSE(::GetWindowLongW(m_dialog, GWL_STYLE) & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
}

TEST_F(Window, PanelsAndTheirTextsInTheirColours)
{
    const RECT path = Inside(IDC_PATH);
    const RECT status = Inside(IDC_STATUS);
    const RECT version = Inside(IDC_VERSION);
    // Each panel paints its fill and its text at once: with every fill on the screen, so are the texts.
    const ScreenShot shot = ScreenShotWhen(ScreenRectOf(m_dialog), [&](const ScreenShot& s) {
        return s.At(path.right - 3, path.bottom - 2) == RGB(0, 1, 22) &&
               s.At(status.right - 3, status.bottom - 3) == RGB(0, 18, 46) &&
               s.At(version.right - 3, version.bottom - 3) == RGB(1, 18, 46);
    });
    // The fill of each panel, away from any text.
    EXPECT_EQ(shot.At(path.right - 3, path.bottom - 2), RGB(0, 1, 22));
    EXPECT_EQ(shot.At(status.right - 3, status.bottom - 3), RGB(0, 18, 46));
    EXPECT_EQ(shot.At(version.right - 3, version.bottom - 3), RGB(1, 18, 46));
    // Behind the status line's characters the background is one shade darker; the ink is yellow.
    EXPECT_GT(shot.Count(status, RGB(0, 18, 43)), 200);
    EXPECT_GT(shot.Count(status, RGB(246, 252, 4)), 100);
    // The Czech first row of the version panel is drawn in its ink, in the bold font, in both code pages.
    EXPECT_GT(shot.Count(RECT{version.left, version.top, version.right, version.top + 13}, RGB(69, 114, 153)), 150);
}
