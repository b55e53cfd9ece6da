// Status panel text and the sound library's text for codes it does not know.
#include <gtest/gtest.h>

#include <climits>

#include "music/ErrorText.h"
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

TEST(ErrorText, CodesOutOfTheTableAreUnknown)
{
    for (int code : {19, 100, INT_MAX, -1, INT_MIN}) EXPECT_STREQ(ErrorText(code), "Unknown error") << code;
}
