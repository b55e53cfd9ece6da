// Background music of the real installer, played into a file-backed sound output.
#include <gtest/gtest.h>

#include "support/InstallerTest.h"

namespace {

class GuiMusic : public InstallerTest {};

}  // namespace

TEST_F(GuiMusic, PlaysWhileOpenAndStopsWithTheWindow)
{
    m_dir.Write("backgrnd.snd", SilentWav(60.0));
    Start();
    EXPECT_TRUE(SinkGrowsWithin(5000)) << "no samples reached the output";
    const DWORD pressed = ::GetTickCount();
    Close();
    EXPECT_LT(::GetTickCount() - pressed, 1000u) << "closing took too long";
    ::Sleep(200);
    EXPECT_FALSE(SinkGrowsWithin(700)) << "samples still arrive after the window closed";
}
