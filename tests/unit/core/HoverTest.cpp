// Hover decisions.
#include <gtest/gtest.h>

#include "ui/Hover.h"

TEST(Hover, RightAndBottomEdgesAreOutside)
{
    const Box button{209, 185, 391, 237};
    EXPECT_TRUE(PointInside(button, 209, 185));
    EXPECT_TRUE(PointInside(button, 390, 236));
    EXPECT_FALSE(PointInside(button, 391, 200));
    EXPECT_FALSE(PointInside(button, 300, 237));
    EXPECT_FALSE(PointInside(button, 208, 200));
}

TEST(Hover, OnlyAChangeOfStateDoesAnything)
{
    EXPECT_EQ(HoverStep(true, false), HoverChange::Light);
    EXPECT_EQ(HoverStep(false, true), HoverChange::Dim);
    EXPECT_EQ(HoverStep(true, true), HoverChange::None);
    EXPECT_EQ(HoverStep(false, false), HoverChange::None);
}
