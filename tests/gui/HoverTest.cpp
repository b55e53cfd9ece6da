// Hover tracking with the real pointer over the real window, pixels read from the screen.
#include <gtest/gtest.h>

#include "support/InstallerFixture.h"
#include "support/Screen.h"

namespace {

const COLORREF kLitFrame = RGB(252, 255, 5);
const COLORREF kPlainFrame = RGB(0, 40, 53);
const COLORREF kGreyLabel = RGB(137, 137, 117);

class Hover : public InstallerTest {
protected:
    void SetUp() override
    {
        m_dir.Write("intro.bik", "");
        ::SetCursorPos(0, 0);
    }
    // Starts with an empty install list, so Install is enabled.
    void StartWithList()
    {
        m_dir.Write("files.cfg", "");
        Start();
    }
    // The colour of a button's frame, 3 pixels in from its top-left corner.
    COLORREF FrameOf(int id) const
    {
        const RECT r = ScreenRectOf(::GetDlgItem(m_dialog, id));
        return ScreenShot(r).At(3, 3);
    }
    bool FrameBecomes(int id, COLORREF colour) const
    {
        return WaitUntil([&] { return FrameOf(id) == colour; }, 2000);
    }
    RECT Rect(int id) const { return ScreenRectOf(::GetDlgItem(m_dialog, id)); }
};

}  // namespace

TEST_F(Hover, ButtonsLightUpUnderThePointer)
{
    StartWithList();
    for (int id : {IDOK, 1000, 1002, IDCANCEL}) {
        const RECT r = Rect(id);
        ::SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        EXPECT_TRUE(FrameBecomes(id, kLitFrame)) << id;
        ::SetCursorPos(0, 0);
        EXPECT_TRUE(FrameBecomes(id, kPlainFrame)) << id;
    }
}

TEST_F(Hover, RightColumnAndBottomRowAreOutside)
{
    StartWithList();
    const RECT r = Rect(1000);
    ::SetCursorPos(r.right - 1, r.bottom - 1);
    EXPECT_TRUE(FrameBecomes(1000, kLitFrame));
    ::SetCursorPos(r.right, r.top + 5);
    EXPECT_TRUE(FrameBecomes(1000, kPlainFrame));
    ::SetCursorPos(r.left + 5, r.bottom - 1);
    EXPECT_TRUE(FrameBecomes(1000, kLitFrame));
    ::SetCursorPos(r.left + 5, r.bottom);
    EXPECT_TRUE(FrameBecomes(1000, kPlainFrame));
}

TEST_F(Hover, MoveStraightFromOneButtonToAnother)
{
    StartWithList();
    const RECT browse = Rect(1000);
    const RECT info = Rect(1002);
    ::SetCursorPos(browse.left + 20, browse.top + 20);
    ASSERT_TRUE(FrameBecomes(1000, kLitFrame));
    ::SetCursorPos(info.left + 20, info.top + 20);
    ASSERT_TRUE(FrameBecomes(1002, kLitFrame));
    EXPECT_EQ(FrameOf(1000), kPlainFrame);
}

TEST_F(Hover, DisabledInstallNeverLightsUp)
{
    Start();  // no install list: Install is disabled
    const RECT r = Rect(IDOK);
    ::SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ::Sleep(400);
    EXPECT_EQ(FrameOf(IDOK), kPlainFrame);
    EXPECT_GT(ScreenShot(r).Count(RECT{0, 0, r.right - r.left, r.bottom - r.top}, kGreyLabel), 50);
    ::SetCursorPos(0, 0);
}

TEST_F(Hover, WebLinkWordLightsUp)
{
    StartWithList();
    const RECT r = Rect(1006);
    auto yellowInWord = [&] { return ScreenShot(r).Count(RECT{0, 0, 72, 16}, kLitFrame); };
    EXPECT_EQ(yellowInWord(), 0);
    ::SetCursorPos(r.left + 50, r.top + 30);
    EXPECT_TRUE(WaitUntil([&] { return yellowInWord() > 20; }, 2000));
    ::SetCursorPos(0, 0);
    EXPECT_TRUE(WaitUntil([&] { return yellowInWord() == 0; }, 2000));
}

TEST_F(Hover, RestingPointerCausesNoReloadOrRedraw)
{
    m_dir.Write("files.cfg", "");
    Start(ProbesExe());
    const RECT r = Rect(1000);
    ::SetCursorPos(r.left + 30, r.top + 30);
    ASSERT_TRUE(FrameBecomes(1000, kLitFrame));
    ::Sleep(300);  // the redraw that the change asked for
    const ULONG_PTR loads = ProbeValue(m_dialog, L"VelanSkinLoads");
    const ULONG_PTR draws = ProbeValue(m_dialog, L"VelanSkinDraws");
    EXPECT_GE(loads, 6u);  // five start sets and the hover set
    ::Sleep(1000);         // ten ticks with the pointer still
    EXPECT_EQ(ProbeValue(m_dialog, L"VelanSkinLoads"), loads);
    EXPECT_EQ(ProbeValue(m_dialog, L"VelanSkinDraws"), draws);
    ::SetCursorPos(0, 0);
    ASSERT_TRUE(FrameBecomes(1000, kPlainFrame));
    EXPECT_EQ(ProbeValue(m_dialog, L"VelanSkinLoads"), loads + 1);
}
