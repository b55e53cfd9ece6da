// The background picture: content of any kind named backgrnd.jpg, stretched over the window.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/InstallerFixture.h"
#include "support/Screen.h"

namespace {

bool Near(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) < 40 && std::abs(GetGValue(a) - GetGValue(b)) < 40 &&
           std::abs(GetBValue(a) - GetBValue(b)) < 40;
}

std::string PictureFile(const char* name)
{
    return HostPathFromEnvironment("VELAN_TEST_DATA") + "\\pictures\\" + name;
}

class Picture : public InstallerTest {
protected:
    void SetUp() override
    {
        m_dir.Write("intro.bik", "");
        m_dir.Write("files.cfg", "");
    }
    ScreenShot Client()
    {
        RECT client{};
        ::GetClientRect(m_dialog, &client);
        ::MapWindowPoints(m_dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
        ::Sleep(300);
        return ScreenShot(client);
    }
};

}  // namespace

TEST_F(Picture, AnyPictureContentFillsTheWindowStretched)
{
    for (const char* name : {"quadrants.jpg", "quadrants.gif", "quadrants.bmp"}) {
        ASSERT_TRUE(::CopyFileA(PictureFile(name).c_str(), (m_dir / "backgrnd.jpg").c_str(), FALSE)) << name;
        Start();
        const ScreenShot shot = Client();
        ASSERT_EQ(shot.Width(), 600);
        ASSERT_EQ(shot.Height(), 600);
        // 300 x 200 stretched 2 times across and 3 times down: each quadrant is 300 x 300.
        EXPECT_TRUE(Near(shot.At(2, 2), RGB(255, 0, 0))) << name;
        EXPECT_TRUE(Near(shot.At(100, 250), RGB(255, 0, 0))) << name;
        EXPECT_TRUE(Near(shot.At(500, 100), RGB(0, 255, 0))) << name;
        EXPECT_TRUE(Near(shot.At(597, 2), RGB(0, 255, 0))) << name;
        EXPECT_TRUE(Near(shot.At(100, 400), RGB(0, 0, 255))) << name;
        EXPECT_TRUE(Near(shot.At(2, 597), RGB(0, 0, 255))) << name;
        EXPECT_TRUE(Near(shot.At(550, 400), RGB(255, 255, 0))) << name;
        EXPECT_TRUE(Near(shot.At(597, 597), RGB(255, 255, 0))) << name;
        Press(m_dialog, IDCANCEL);
        ASSERT_TRUE(m_installer->WaitForExit());
    }
}

TEST_F(Picture, UncoveredPartIsRepaintedFromThePicture)
{
    ASSERT_TRUE(::CopyFileA(PictureFile("quadrants.gif").c_str(), (m_dir / "backgrnd.jpg").c_str(), FALSE));
    Start();
    ::RedrawWindow(m_dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    const ScreenShot shot = Client();
    EXPECT_TRUE(Near(shot.At(100, 100), RGB(255, 0, 0)));
    EXPECT_TRUE(Near(shot.At(550, 400), RGB(255, 255, 0)));
}

TEST_F(Picture, TextContentGivesTheOrdinaryBackgroundSilently)
{
    m_dir.Write("backgrnd.jpg", "this is no picture\r\n");
    Start();
    EXPECT_EQ(FindProcessWindow(m_installer->Id(), L"", m_dialog), nullptr);
    const ScreenShot shot = Client();
    EXPECT_EQ(shot.At(100, 100), ::GetSysColor(COLOR_3DFACE));
}

TEST_F(Picture, FolderNamedLikeThePictureIsReportedBeforeTheWindow)
{
    m_dir.MakeFolder("backgrnd.jpg");
    m_installer.reset(new InstallerProcess(m_dir));
    HWND box = m_installer->WaitForWindow(L"VELANInst");
    ASSERT_NE(box, nullptr);
    const std::string path = m_dir / "backgrnd.jpg";
    EXPECT_EQ(MessageBoxText(box), L"Access to " + std::wstring(path.begin(), path.end()) + L" was denied.");
    EXPECT_EQ(FindProcessWindow(m_installer->Id(), L"", box), nullptr) << "the window showed before the message";
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    m_dialog = m_installer->MainWindow();
    ASSERT_NE(m_dialog, nullptr);
    EXPECT_EQ(Client().At(100, 100), ::GetSysColor(COLOR_3DFACE));
}
