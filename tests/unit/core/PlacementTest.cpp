// Centring arithmetic for the installer window and the About box.
#include <gtest/gtest.h>

#include "framework/Placement.h"

TEST(Placement, CentredInTheWorkArea)
{
    const Box work{0, 0, 1024, 768};
    const Position p = CentredPosition(Box{0, 0, 600, 600}, work, work);
    EXPECT_EQ(p.x, 212);
    EXPECT_EQ(p.y, 84);
}

TEST(Placement, LargerThanTheWorkAreaAlignsWithItsTopLeft)
{
    const Box work{0, 30, 800, 530};
    const Position p = CentredPosition(Box{0, 0, 900, 600}, work, work);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 30);
}

TEST(Placement, OverAnOwnerButInsideTheWorkArea)
{
    const Box work{0, 0, 1024, 768};
    const Box about{0, 0, 353, 90};
    const Position centred = CentredPosition(about, Box{212, 84, 812, 684}, work);
    EXPECT_EQ(centred.x, 512 - 176);
    EXPECT_EQ(centred.y, 384 - 45);
    const Position kept = CentredPosition(about, Box{900, 700, 1100, 800}, work);
    EXPECT_EQ(kept.x, 1024 - 353);
    EXPECT_EQ(kept.y, 768 - 90);
}
