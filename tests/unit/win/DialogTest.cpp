// A modeless dialog's window lives no longer than its object, and the object lets go of a window
// destroyed elsewhere, so that it never destroys a later window given the same handle.
#include <gtest/gtest.h>

#include "framework/Dialog.h"
#include "res/Resource.h"

TEST(Dialog, AModelessWindowGoesWithItsObject)
{
    HWND window = nullptr;
    {
        CDialog dialog(IDD_ABOUTBOX, nullptr);
        ASSERT_TRUE(dialog.Create());
        window = dialog.GetSafeHwnd();
        EXPECT_TRUE(::IsWindow(window));
    }
    EXPECT_FALSE(::IsWindow(window));
}

TEST(Dialog, AWindowDestroyedElsewhereIsNoLongerHeld)
{
    CDialog dialog(IDD_ABOUTBOX, nullptr);
    ASSERT_TRUE(dialog.Create());
    ::DestroyWindow(dialog.GetSafeHwnd());
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}
