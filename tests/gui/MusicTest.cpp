// Background music of the real installer, played into a file-backed sound output.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/InstallerFixture.h"
#include "support/ToneFile.h"

namespace {

bool SinkGrows(DWORD withinMs)
{
    const long long start = SinkSize();
    return WaitUntil([&] { return SinkSize() > start; }, withinMs);
}

class GuiMusic : public InstallerTest {
protected:
    void SetUp() override
    {
        m_dir.Write("intro.bik", "");
        m_dir.Write("files.cfg", "");
    }
};

}  // namespace

TEST_F(GuiMusic, WavPlaysWhileOpenAndStopsWithTheWindow)
{
    m_dir.Write("backgrnd.snd", ToneWav(60.0));
    Start();
    EXPECT_TRUE(SinkGrows(5000)) << "no samples reached the output";
    const DWORD pressed = ::GetTickCount();
    Press(m_dialog, IDCANCEL);
    ASSERT_TRUE(m_installer->WaitForExit(5000));
    EXPECT_LT(::GetTickCount() - pressed, 1000u) << "closing took too long";
    ::Sleep(200);
    EXPECT_FALSE(SinkGrows(700)) << "samples still arrive after the window closed";
}

TEST_F(GuiMusic, Mp3ReachesTheOutput)
{
    const std::string mp3 = HostPathFromEnvironment("SOUNDLIB_TEST_DATA") + "\\tone-stereo-44100.mp3";
    ASSERT_TRUE(::CopyFileA(mp3.c_str(), (m_dir / "backgrnd.snd").c_str(), FALSE));
    const long long before = SinkSize();
    Start();
    EXPECT_TRUE(WaitUntil([&] { return SinkSize() > before + 10000; }, 5000)) << "no samples reached the output";
}

TEST_F(GuiMusic, UnreadableMusicLeavesTheInstallerWorking)
{
    m_dir.Write("backgrnd.snd", "no music here");
    Start();
    EXPECT_EQ(FindProcessWindow(m_installer->Id(), L"", m_dialog), nullptr);
    Press(m_dialog, IDCANCEL);
    EXPECT_TRUE(m_installer->WaitForExit(2000));
}
