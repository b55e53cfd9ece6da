// The restore's command line: which forms start a restore, and what the kept installer hands its copy.
#include <gtest/gtest.h>

#include <string>

#include "install/RestoreCommand.h"

TEST(RestoreCommand, OnlyTheRestoreFormsStartARestore)
{
    const struct {
        const wchar_t* line;
        bool restore;
        const wchar_t* gameDir;
        unsigned long after;
    } cases[] = {
        {L"\"C:\\Hry\\VELAN\\VELANInst.restore\\VELANInst.exe\" /restore", true, L"", 0},
        {L"VELANInst.exe /RESTORE", true, L"", 0},
        {L"x.exe /restore \"C:\\Hry s mezerou\" /after 42", true, L"C:\\Hry s mezerou\\", 42},
        {L"x.exe /restore C:\\Hry\\", true, L"C:\\Hry\\", 0},
        {L"VELANInst.exe", false, L"", 0},
        {L"x.exe /restore /after", false, L"", 0},
        {L"x.exe /restore C:\\a C:\\b", false, L"", 0},
        {L"x.exe /install", false, L"", 0},
    };
    for (const auto& c : cases) {
        const RestoreCommand command = ParseRestoreCommand(c.line);
        EXPECT_EQ(command.restore, c.restore) << c.line;
        EXPECT_EQ(command.gameDir, c.gameDir) << c.line;
        EXPECT_EQ(command.after, c.after) << c.line;
    }
    // What the kept installer hands its copy reads back as it was meant.
    const RestoreCommand handed = ParseRestoreCommand(RestoreCommandLine(L"C:\\Temp\\x.exe", L"D:\\Hra s mezerou\\", 7));
    EXPECT_TRUE(handed.restore);
    EXPECT_EQ(handed.gameDir, L"D:\\Hra s mezerou\\");
    EXPECT_EQ(handed.after, 7u);
}
