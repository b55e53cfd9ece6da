// The routing every dialog's messages go through, on a stand-in table: a row matches a command by
// control and notification and a timer by its id, so the focus reaching a button is no click and a
// timer of someone else's is not the hover timer. The installer's own rows are seen at work through
// the real window.
#include <gtest/gtest.h>

#include "framework/MessageRoute.h"

namespace {

struct Target {
    void OnClick() { ++clicks; }
    INT_PTR OnTick(WPARAM, LPARAM)
    {
        ++ticks;
        return 7;
    }
    int clicks = 0;
    int ticks = 0;
};

const UINT kButton = 1001;
const UINT kTimer = 1;

const MessageRoute<Target> kRoutes[] = {
    {WM_COMMAND, kButton, BN_CLICKED, &Target::OnClick, nullptr},
    {WM_TIMER, kTimer, 0, nullptr, &Target::OnTick},
};

}  // namespace

TEST(MessageRoute, OnlyTheClickAndItsOwnTimerReachTheirHandlers)
{
    Target target;
    INT_PTR result = -1;
    EXPECT_FALSE(RouteMessage(target, kRoutes, WM_COMMAND, MAKEWPARAM(kButton, BN_SETFOCUS), 0, result));
    EXPECT_FALSE(RouteMessage(target, kRoutes, WM_TIMER, kTimer + 1, 0, result));
    EXPECT_EQ(target.clicks + target.ticks, 0);

    EXPECT_TRUE(RouteMessage(target, kRoutes, WM_COMMAND, MAKEWPARAM(kButton, BN_CLICKED), 0, result));
    EXPECT_EQ(target.clicks, 1);
    EXPECT_EQ(result, TRUE);
    EXPECT_TRUE(RouteMessage(target, kRoutes, WM_TIMER, kTimer, 0, result));
    EXPECT_EQ(target.ticks, 1);
    EXPECT_EQ(result, 7) << "a handler's own result goes back to the dialog procedure";
}
