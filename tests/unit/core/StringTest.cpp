// CString: parts clamped to the text, trimming and embedded NULs. Parts within the text, search and
// the markers' comparisons are exercised by the path, install list and copy plan tests.
#include <gtest/gtest.h>

#include "framework/String.h"

TEST(String, PartsClampToTheText)
{
    const CString s("abcdef");
    EXPECT_EQ(s.Left(99), "abcdef");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Mid(9), "");
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
    EXPECT_EQ(s.Bytes(), std::string("a\0b\0", 4));
    EXPECT_EQ(s.Mid(2), CString("b\0", 2));
    EXPECT_EQ(s.Find('\0', 2), 3);
    EXPECT_EQ(s.ReverseFind('\0'), 3);
    EXPECT_EQ((s + CString("c")).GetLength(), 5);
}
