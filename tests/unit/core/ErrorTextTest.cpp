// The sound library's error texts, for codes it does not know.
#include <gtest/gtest.h>

#include <climits>

#include "music/ErrorText.h"

TEST(ErrorText, CodesOutOfTheTableAreUnknown)
{
    for (int code : {19, 100, INT_MAX, -1, INT_MIN}) EXPECT_STREQ(ErrorText(code), "Unknown error") << code;
}
