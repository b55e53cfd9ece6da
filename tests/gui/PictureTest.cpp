// The background picture: content of any kind named backgrnd.jpg, stretched over the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "tests/support/InstallerTest.h"
#include "tests/support/Screen.h"

namespace {

bool Near(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) < 40 && std::abs(GetGValue(a) - GetGValue(b)) < 40 &&
           std::abs(GetBValue(a) - GetBValue(b)) < 40;
}

bool OrdinaryBackground(const ScreenShot& client)
{
    return client.At(100, 100) == ::GetSysColor(COLOR_3DFACE);
}

class Picture : public InstallerTest {
protected:
    template <class Drawn>
    ScreenShot Client(Drawn drawn) const
    {
        RECT client{};
        ::GetClientRect(m_dialog, &client);
        ::MapWindowPoints(m_dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
        return ScreenShotWhen(client, drawn);
    }
};

}  // namespace

TEST_F(Picture, AnyPictureContentFillsTheWindowStretched)
{
    // 300 x 200 in four colours, stretched 2 times across and 3 times down: each quadrant 300 x 300.
    const struct {
        int x, y;
        COLORREF colour;
    } points[] = {{2, 2, RGB(255, 0, 0)},     {100, 250, RGB(255, 0, 0)},   {500, 100, RGB(0, 255, 0)},
                  {597, 2, RGB(0, 255, 0)},   {100, 400, RGB(0, 0, 255)},   {2, 597, RGB(0, 0, 255)},
                  {550, 400, RGB(255, 255, 0)}, {597, 597, RGB(255, 255, 0)}};
    for (const char* name : {"quadrants.jpg", "quadrants.gif", "quadrants.bmp"}) {
        const std::string file = HostPathFromEnvironment("VELAN_TEST_DATA") + "\\pictures\\" + name;
        ASSERT_TRUE(::CopyFileA(file.c_str(), (m_dir / "backgrnd.jpg").c_str(), FALSE)) << name;
        Start();
        const ScreenShot shot = Client([&](const ScreenShot& drawn) {
            return std::all_of(std::begin(points), std::end(points),
                               [&](const auto& p) { return Near(drawn.At(p.x, p.y), p.colour); });
        });
        for (const auto& p : points) EXPECT_TRUE(Near(shot.At(p.x, p.y), p.colour)) << name << " " << p.x << "," << p.y;
        Close();
    }
}

TEST_F(Picture, TextContentGivesTheOrdinaryBackgroundSilently)
{
    m_dir.Write("backgrnd.jpg", "this is no picture\r\n");
    Start();
    EXPECT_EQ(FindProcessWindow(m_installer->Id(), L"", m_dialog), nullptr);
    EXPECT_EQ(Client(OrdinaryBackground).At(100, 100), ::GetSysColor(COLOR_3DFACE));
}

TEST_F(Picture, FolderNamedLikeThePictureIsReportedBeforeTheWindow)
{
    m_dir.MakeFolder("backgrnd.jpg");
    Launch();
    HWND box = m_installer->WaitForWindow(L"VELANInst");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(FindProcessWindow(m_installer->Id(), L"", box), nullptr) << "the window showed before the message";
    EXPECT_EQ(AnswerBox(), L"Access to " + Wide(m_dir / "backgrnd.jpg") + L" was denied.");
    AttachWindow();
    EXPECT_EQ(Client(OrdinaryBackground).At(100, 100), ::GetSysColor(COLOR_3DFACE));
}
