// Hover tracking with the real pointer over the real window, read back from the screen and the probes build's counters.
#include <gtest/gtest.h>

#include "tests/support/InstallerTest.h"
#include "tests/support/Screen.h"

namespace {

const COLORREF kLitFrame = RGB(252, 255, 5);
const COLORREF kPlainFrame = RGB(0, 40, 53);

class Hover : public InstallerTest {
protected:
    // The colour of a button's frame, 3 pixels in from its top-left corner.
    COLORREF FrameOf(int id) const { return ScreenShot(ScreenRectOf(Item(id))).At(3, 3); }
    bool FrameBecomes(int id, COLORREF colour) const
    {
        return WaitUntil([&] { return FrameOf(id) == colour; }, 2000);
    }
    void PointAt(int id, int dx = 20, int dy = 20) const
    {
        const RECT r = ScreenRectOf(Item(id));
        ::SetCursorPos(r.left + dx, r.top + dy);
    }
    ULONG_PTR Loads() const { return ProbeValue(m_dialog, L"VelanSkinLoads"); }
};

}  // namespace

TEST_F(Hover, ButtonsLightUnderThePointerAndARestingPointerCostsNothing)
{
    Start(ProbesExe());
    for (int id : {IDOK, IDC_BROWSE, IDC_INFO, IDCANCEL}) {
        PointAt(id);
        EXPECT_TRUE(FrameBecomes(id, kLitFrame)) << id;
        ::SetCursorPos(0, 0);
        EXPECT_TRUE(FrameBecomes(id, kPlainFrame)) << id;
    }
    const RECT web = ScreenRectOf(Item(IDC_WEB));
    auto yellowInWord = [&] { return ScreenShot(web).Count(RECT{0, 0, 72, 16}, kLitFrame); };
    EXPECT_EQ(yellowInWord(), 0);
    PointAt(IDC_WEB, 50, 30);
    EXPECT_TRUE(WaitUntil([&] { return yellowInWord() > 20; }, 2000));

    PointAt(IDC_BROWSE, 30, 30);
    ASSERT_TRUE(FrameBecomes(IDC_BROWSE, kLitFrame));
    ASSERT_TRUE(WaitForPaint());
    const ULONG_PTR loads = Loads();
    const ULONG_PTR draws = ProbeValue(m_dialog, L"VelanSkinDraws");
    // The time is what is under test: ten ticks of the hover timer with the pointer still, which
    // must load and draw nothing.
    ::Sleep(1000);
    EXPECT_EQ(Loads(), loads);
    EXPECT_EQ(ProbeValue(m_dialog, L"VelanSkinDraws"), draws);
    ::SetCursorPos(0, 0);
    ASSERT_TRUE(FrameBecomes(IDC_BROWSE, kPlainFrame));
    EXPECT_EQ(Loads(), loads + 1);
}

TEST_F(Hover, DisabledInstallStaysGreyUnderThePointer)
{
    ::DeleteFileA((m_dir / "files.cfg").c_str());  // no install list: Install is disabled
    Start();
    PointAt(IDOK);
    // The time is what is under test: four ticks of the hover timer with the pointer over the
    // disabled button, none of which may light it.
    ::Sleep(400);
    EXPECT_EQ(FrameOf(IDOK), kPlainFrame);
    const RECT r = ScreenRectOf(Item(IDOK));
    EXPECT_GT(ScreenShot(r).Count(RECT{0, 0, r.right - r.left, r.bottom - r.top}, RGB(137, 137, 117)), 50)
        << "the grey label of the disabled image";
}
