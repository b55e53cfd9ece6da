// Status panel text, file-error messages, control colours and path helpers.
#include <gtest/gtest.h>

#include "framework/FileError.h"
#include "framework/PathText.h"
#include "ui/Colours.h"
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

TEST(FileErrors, StandardTextsWithThePath)
{
    EXPECT_EQ(FormatFileError(FileErrorCause::AccessDenied, "C:\\x\\backgrnd.jpg"),
              "Access to C:\\x\\backgrnd.jpg was denied.");
    EXPECT_EQ(FormatFileError(FileErrorCause::SharingViolation, "p"),
              "A sharing violation occurred while accessing p.");
    EXPECT_EQ(FormatFileError(FileErrorCause::LockViolation, "p"), "A locking violation occurred while accessing p.");
    EXPECT_EQ(FormatFileError(FileErrorCause::FileNotFound, "p"), "p was not found.");
    EXPECT_EQ(FormatFileError(FileErrorCause::BadPath, "p"), "p contains an invalid path.");
    EXPECT_EQ(FormatFileError(FileErrorCause::TooManyOpenFiles, "p"),
              "p could not be opened because there are too many open files.");
    EXPECT_EQ(FormatFileError(FileErrorCause::Generic, "p"), "An unknown error occurred while accessing p.");
    // A path with %1 in it stays as it is.
    EXPECT_EQ(FormatFileError(FileErrorCause::FileNotFound, "a%1b"), "a%1b was not found.");
}

TEST(Colours, ThreeControlsHaveTheirOwn)
{
    struct Row {
        int id;
        unsigned background, text, fill;
    } rows[] = {
        {1001, 0x160100, 0x997245, 0x160100},
        {1005, 0x2B1200, 0x04FCF6, 0x2E1200},
        {1007, 0x2E1201, 0x997245, 0x2E1201},
    };
    for (const Row& row : rows) {
        ControlColours c{};
        ASSERT_TRUE(ColoursForControl(row.id, c));
        EXPECT_EQ(c.textBackground, row.background);
        EXPECT_EQ(c.text, row.text);
        EXPECT_EQ(c.fill, row.fill);
    }
    ControlColours unused{};
    for (int id : {0, 1, 2, 1000, 1002, 1006, -1}) EXPECT_FALSE(ColoursForControl(id, unused)) << id;
}

TEST(PathText, FolderAndAppName)
{
    EXPECT_EQ(FolderOfPath("D:\\CZ\\setup.exe"), "D:\\CZ\\");
    EXPECT_EQ(FolderOfPath("setup.exe"), "");
    EXPECT_EQ(AppNameOfPath("D:\\CZ\\VELANInst.exe"), "VELANInst");
    EXPECT_EQ(AppNameOfPath("D:\\a.b\\noext"), "noext");
}
