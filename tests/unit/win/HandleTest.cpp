// The handle owner's moves and hand-backs: a handle is closed exactly once, whoever holds it last.
#include <gtest/gtest.h>

#include <utility>

#include "framework/Handle.h"

namespace {

// A stand-in handle: the counter its closes are added to.
struct CountingTraits {
    using Type = int*;
    static Type None() { return nullptr; }
    static bool IsValid(Type handle) { return handle != nullptr; }
    static void Close(Type handle) { ++*handle; }
};

using CCounted = CUniqueHandle<CountingTraits>;

}  // namespace

TEST(UniqueHandle, AMovedHandleIsClosedOnceByItsLastOwner)
{
    int first = 0;
    int second = 0;
    {
        CCounted a(&first);
        CCounted b(std::move(a));
        EXPECT_FALSE(a.IsValid());
        CCounted c(&second);
        c = std::move(b);
        EXPECT_EQ(second, 1) << "the handle overwritten by the move is closed";
        EXPECT_EQ(first, 0);
    }
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
}

TEST(UniqueHandle, ReceivingANewHandleClosesTheOneHeld)
{
    int held = 0;
    int received = 0;
    {
        CCounted owner(&held);
        *owner.Receive() = &received;
        EXPECT_EQ(held, 1);
        EXPECT_EQ(received, 0);
    }
    EXPECT_EQ(received, 1);
}

TEST(UniqueHandle, ADetachedHandleIsLeftOpen)
{
    int count = 0;
    {
        CCounted owner(&count);
        EXPECT_EQ(owner.Detach(), &count);
    }
    EXPECT_EQ(count, 0);
}
