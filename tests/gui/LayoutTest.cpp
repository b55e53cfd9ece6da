// Geometry and colours of the real window, read back from the screen.
#include <gtest/gtest.h>

#include "support/InstallerFixture.h"
#include "support/Screen.h"

namespace {

class Layout : public InstallerTest {
protected:
    void SetUp() override
    {
        m_dir.Write("intro.bik", "");
        m_dir.Write("files.cfg", "<INSTDIR>missing.dat|x\n");
        m_dir.Write("version", "Verze 1.0\n");
        Start();
        ::Sleep(300);  // let the first paint finish
    }
    SIZE SizeOf(int id) const
    {
        const RECT r = ScreenRectOf(::GetDlgItem(m_dialog, id));
        return SIZE{r.right - r.left, r.bottom - r.top};
    }
};

}  // namespace

TEST_F(Layout, WindowIsCentredAndSized)
{
    const RECT window = ScreenRectOf(m_dialog);
    EXPECT_EQ(window.right - window.left, 600);
    EXPECT_EQ(window.bottom - window.top, 600);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(window.left, (work.left + work.right) / 2 - 300);
    EXPECT_EQ(window.top, (work.top + work.bottom) / 2 - 300);
    EXPECT_FALSE(::GetWindowLongW(m_dialog, GWL_STYLE) & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
}

TEST_F(Layout, ControlsHaveTheirPixelSizes)
{
    for (int id : {IDOK, 1000, 1002, IDCANCEL}) {
        EXPECT_EQ(SizeOf(id).cx, 182) << id;
        EXPECT_EQ(SizeOf(id).cy, 52) << id;
    }
    EXPECT_EQ(SizeOf(1006).cx, 98);
    EXPECT_EQ(SizeOf(1006).cy, 49);
    EXPECT_EQ(SizeOf(1001).cx, 356);
    EXPECT_EQ(SizeOf(1001).cy, 16);
    const RECT window = ScreenRectOf(m_dialog);
    const RECT path = ScreenRectOf(::GetDlgItem(m_dialog, 1001));
    EXPECT_EQ(path.left - window.left, 122);
    EXPECT_EQ(path.top - window.top, 494);  // the shrink keeps the top-left corner
    const RECT install = ScreenRectOf(::GetDlgItem(m_dialog, IDOK));
    EXPECT_EQ(install.left - window.left, 209);
    EXPECT_EQ(install.top - window.top, 185);
}

TEST_F(Layout, DrawingPanelsInTheirColours)
{
    const RECT window = ScreenRectOf(m_dialog);
    const ScreenShot shot(window);
    auto inner = [&](int id) {
        RECT r = ScreenRectOf(::GetDlgItem(m_dialog, id));
        OffsetRect(&r, -window.left, -window.top);
        return r;
    };
    const RECT path = inner(1001);
    const RECT status = inner(1005);
    const RECT version = inner(1007);
    // Fill of each panel, away from any text.
    EXPECT_EQ(shot.At(path.right - 3, path.bottom - 2), RGB(0, 1, 22));
    EXPECT_EQ(shot.At(status.right - 3, status.bottom - 3), RGB(0, 18, 46));
    EXPECT_EQ(shot.At(version.right - 3, version.bottom - 3), RGB(1, 18, 46));
    // Behind the status line's characters the text background is one shade darker, and the
    // characters themselves are yellow.
    EXPECT_GT(shot.Count(status, RGB(0, 18, 43)), 200);
    EXPECT_GT(shot.Count(status, RGB(246, 252, 4)), 100);
    EXPECT_GT(shot.Count(version, RGB(69, 114, 153)), 30);
}
