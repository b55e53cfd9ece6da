// The names a run puts in its undo folder: a start clears only those, so any other name there is not ours.
#include <gtest/gtest.h>

#include "install/InstallerFolders.h"

TEST(Recovery, OnlyNamesARunCreatesAreItsOwn)
{
    for (const wchar_t* name : {L"undo.rec", L"UNDO.REC", L"0", L"1999", L"7.part"}) {
        EXPECT_TRUE(IsRunFileName(name)) << name;
    }
    for (const wchar_t* name : {L"", L"readme.txt", L".part", L"7.bak", L"7.part.part", L"x7", L"undo.rec2"}) {
        EXPECT_FALSE(IsRunFileName(name)) << name;
    }
}
