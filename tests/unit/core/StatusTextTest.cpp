// Status panel text: lines joined as the panel shows them, patterns filled with a path taken
// literally, the MB figure of the space report.
#include <gtest/gtest.h>

#include "ui/StatusText.h"

TEST(StatusText, LinesJoinWithCrLf)
{
    EXPECT_EQ(AppendStatusLine(L"", L"first"), L"first");
    EXPECT_EQ(AppendStatusLine(L"first", L"second"), L"first\r\nsecond");
    EXPECT_EQ(AppendStatusLine(L"first", L""), L"first\r\n");
    EXPECT_EQ(AppendStatusLine(L"", L""), L"");
    EXPECT_EQ(AppendStatusLine(L"100%", L"%s%d"), L"100%\r\n%s%d");
}

TEST(StatusText, PatternTakesItsArgumentLiterally)
{
    EXPECT_EQ(FillPattern(L"Nelze nalézt soubor %s", L"C:\\a%sb%d"), L"Nelze nalézt soubor C:\\a%sb%d");
    EXPECT_EQ(FillPattern(L"%s!", L""), L"!");
    EXPECT_EQ(FillPattern(L"no slot", L"x"), L"no slot");
}

TEST(StatusText, MegabytesRoundDownFrom64Bits)
{
    const CString pattern("potřeba přibližně %d MB volného místa.");
    EXPECT_EQ(FormatMegabytes(pattern, 1048575), "potřeba přibližně 0 MB volného místa.");
    EXPECT_EQ(FormatMegabytes(pattern, 1048576), "potřeba přibližně 1 MB volného místa.");
    EXPECT_EQ(FormatMegabytes(pattern, 5ULL << 40), "potřeba přibližně 5242880 MB volného místa.");
}
