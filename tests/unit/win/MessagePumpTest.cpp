// Disk work handed off by the window thread: it runs on a thread of its own while the window keeps
// answering, and what it throws comes back to the caller.
#include <gtest/gtest.h>

#include <new>

#include "framework/Dialog.h"
#include "framework/MessagePump.h"
#include "res/Resource.h"

TEST(MessagePump, WorkRunsElsewhereWhileTheWindowAnswersAndItsFailureComesBack)
{
    CDialog dialog(IDD_ABOUTBOX, nullptr);
    ASSERT_TRUE(dialog.Create());
    DWORD worker = ::GetCurrentThreadId();
    bool answered = false;
    RunWhileAnswering([&] {
        worker = ::GetCurrentThreadId();
        DWORD_PTR result = 0;
        answered = ::SendMessageTimeoutW(dialog.GetSafeHwnd(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result) != 0;
    });
    EXPECT_NE(worker, ::GetCurrentThreadId());
    EXPECT_TRUE(answered);
    EXPECT_THROW(RunWhileAnswering([] { throw std::bad_alloc(); }), std::bad_alloc);
}
