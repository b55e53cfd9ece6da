// CString and CStringArray: parts, search, trimming, markers and embedded NULs.
#include <gtest/gtest.h>

#include "framework/String.h"
#include "framework/StringArray.h"

TEST(String, PartsClampToTheText)
{
    const CString s("abcdef");
    EXPECT_EQ(s.Left(2), "ab");
    EXPECT_EQ(s.Left(99), "abcdef");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Mid(4), "ef");
    EXPECT_EQ(s.Mid(9), "");
}

TEST(String, FindsFromEitherEnd)
{
    const CString s("a\\b\\c");
    EXPECT_EQ(s.Find('\\'), 1);
    EXPECT_EQ(s.Find('\\', 2), 3);
    EXPECT_EQ(s.ReverseFind('\\'), 3);
    EXPECT_EQ(s.Find('x'), -1);
    EXPECT_EQ(s.ReverseFind('x'), -1);
    EXPECT_EQ(CString().Find('a'), -1);
}

TEST(String, TrimsWhiteSpaceOnly)
{
    const CString s(" \t\r\n x y \t");
    EXPECT_EQ(CString(s).TrimLeft(), "x y \t");
    EXPECT_EQ(CString(s).TrimRight(), " \t\r\n x y");
    EXPECT_EQ(CString(s).Trim(), "x y");
    EXPECT_TRUE(CString("   ").Trim().IsEmpty());
}

TEST(String, HoldsEmbeddedNuls)
{
    CString s("a\0b", 3);
    s += CString("\0", 1);
    ASSERT_EQ(s.GetLength(), 4);
    EXPECT_EQ(s.Bytes(), std::string("a\0b\0", 4));
    EXPECT_EQ(s.Mid(2), CString("b\0", 2));
    EXPECT_EQ(s.Find('\0', 2), 3);
    EXPECT_EQ(s.ReverseFind('\0'), 3);
    EXPECT_EQ((s + CString("c")).GetLength(), 5);
}

TEST(String, MarkerComparison)
{
    EXPECT_TRUE(CString("<INSTDIR>a").StartsWith("<INSTDIR>"));
    EXPECT_FALSE(CString("<instdir>a").StartsWith("<INSTDIR>"));
    EXPECT_FALSE(CString("<INST").StartsWith("<INSTDIR>"));
    EXPECT_TRUE(CString("<gamedir>a").StartsWithNoCase("<GAMEDIR>"));
    EXPECT_FALSE(CString(" <GAMEDIR>").StartsWithNoCase("<GAMEDIR>"));
}

TEST(StringArray, KeepsOrderAndDuplicates)
{
    CStringArray a;
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.Add("x"), 0);
    EXPECT_EQ(a.Add("x"), 1);
    EXPECT_EQ(a.Add("y"), 2);
    EXPECT_EQ(a.GetSize(), 3);
    EXPECT_EQ(a[1], "x");
    EXPECT_EQ(a.GetAt(2), "y");
}
