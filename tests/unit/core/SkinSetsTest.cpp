// The image a skinned button shows: pressed over focused over disabled, a missing image falling through.
#include <gtest/gtest.h>

#include "ui/SkinSets.h"

TEST(SkinChoice, PressedOverFocusedOverDisabled)
{
    struct Case {
        bool pressed, focused, disabled, havePressed, haveFocus, haveDisabled;
        SkinSlot expected;
    } cases[] = {
        {false, false, false, true, true, true, SkinSlot::Normal},
        {true, true, true, true, true, true, SkinSlot::Pressed},
        {false, true, true, true, true, true, SkinSlot::Focus},
        {false, false, true, true, true, true, SkinSlot::Disabled},
        {true, false, false, false, true, true, SkinSlot::Normal},
        {true, true, false, false, true, true, SkinSlot::Focus},
        {true, true, true, false, false, true, SkinSlot::Disabled},
        {false, false, true, true, true, false, SkinSlot::Normal},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseSkin(c.pressed, c.focused, c.disabled, c.havePressed, c.haveFocus, c.haveDisabled),
                  c.expected);
    }
}
