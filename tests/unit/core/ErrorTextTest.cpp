// The sound library's error texts, byte for byte.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "music/ErrorText.h"

TEST(ErrorText, TableByteForByte)
{
    EXPECT_STREQ(ErrorText(0), "No errors");
    EXPECT_STREQ(ErrorText(1), "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.");
    EXPECT_STREQ(ErrorText(3), "Error initializing output device.");
    EXPECT_STREQ(ErrorText(10), "Unknown file format");
    EXPECT_STREQ(ErrorText(12), "Not enough memory ");
    EXPECT_STREQ(ErrorText(18), "Required Mediaplayer codec is not installed");
}

TEST(ErrorText, OutOfRangeCodes)
{
    for (int code : {19, 100, INT_MAX, -1, INT_MIN}) EXPECT_STREQ(ErrorText(code), "Unknown error") << code;
}
