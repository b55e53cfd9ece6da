// Centring arithmetic for the installer window and the About box.
#include <gtest/gtest.h>

#include "framework/Placement.h"

TEST(Placement, CentredOverTheOwnerButInsideTheWorkArea)
{
    const Box screen{0, 0, 1024, 768};
    const struct {
        const char* what;
        Box window, over, work;
        long x, y;
    } cases[] = {
        {"in the work area", {0, 0, 600, 600}, screen, screen, 212, 84},
        {"larger than the work area", {0, 0, 900, 600}, {0, 30, 800, 530}, {0, 30, 800, 530}, 0, 30},
        {"over its owner", {0, 0, 353, 90}, {212, 84, 812, 684}, screen, 512 - 176, 384 - 45},
        {"owner near the edge", {0, 0, 353, 90}, {900, 700, 1100, 800}, screen, 1024 - 353, 768 - 90},
    };
    for (const auto& c : cases) {
        const Position p = CentredPosition(c.window, c.over, c.work);
        EXPECT_EQ(p.x, c.x) << c.what;
        EXPECT_EQ(p.y, c.y) << c.what;
    }
}
