// Plain path text: folder part, application name, the trailing backslash.
#include <gtest/gtest.h>

#include "framework/PathText.h"

TEST(PathText, FolderAndAppName)
{
    EXPECT_EQ(FolderOfPath("D:\\CZ\\setup.exe"), "D:\\CZ\\");
    EXPECT_EQ(FolderOfPath("setup.exe"), "");
    EXPECT_EQ(AppNameOfPath("D:\\CZ\\VELANInst.exe"), "VELANInst");
    EXPECT_EQ(AppNameOfPath("D:\\a.b\\noext"), "noext");
}

TEST(PathText, OneTrailingBackslash)
{
    EXPECT_EQ(WithTrailingBackslash("E:\\Games\\X"), "E:\\Games\\X\\");
    EXPECT_EQ(WithTrailingBackslash("E:\\"), "E:\\");
    EXPECT_EQ(WithTrailingBackslash(" E:\\a "), " E:\\a \\");
}
