// The image a skinned button shows, and the skin-set table.
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

TEST(SkinSets, IrregularSets)
{
    // The web link's pressed image is lit when it starts and plain once idle.
    EXPECT_EQ(kWebSkins.start.pressed, 144u);
    EXPECT_EQ(kWebSkins.idle.pressed, 143u);
    // Info's idle set has no disabled image; Play's start set neither.
    EXPECT_EQ(kInfoSkins.idle.disabled, 0u);
    EXPECT_EQ(kPlaySkins.start.disabled, 0u);
    EXPECT_EQ(kPlaySkins.hover.disabled, 145u);
    // Every focus image is the normal image of its set.
    for (const ButtonSkins* b : {&kInstallSkins, &kPlaySkins, &kBrowseSkins, &kCloseSkins, &kWebSkins, &kInfoSkins}) {
        for (const SkinSet* s : {&b->start, &b->hover, &b->idle}) EXPECT_EQ(s->focus, s->normal);
    }
    EXPECT_EQ(kInstallSkins.start.disabled, 139u);
}
