// Background music of the real installer, played into a file-backed sound output.
#include <gtest/gtest.h>

#include "tests/support/InstallerTest.h"
#include "tests/support/SoundBytes.h"

using GuiMusic = InstallerTest;

TEST_F(GuiMusic, PlaysWhileOpenAndStopsWithTheWindow)
{
    // A minute of silence: the sink counts bytes, so any samples show that music plays.
    m_dir.Write("backgrnd.snd", PcmWav(1, 22050, 16, std::string(60 * 22050 * 2, '\0')));
    Start();
    EXPECT_TRUE(SinkGrowsWithin(5000)) << "no samples reached the output";
    const DWORD pressed = ::GetTickCount();
    Close();
    EXPECT_LT(::GetTickCount() - pressed, 1000u) << "closing took too long";
    // The process has ended, but what its sound output still held may be written after: once the
    // sink has settled, nothing more may come.
    WaitUntil([] { return !SinkGrowsWithin(100); }, 2000);
    EXPECT_FALSE(SinkGrowsWithin(700)) << "samples still arrive after the window closed";
}
