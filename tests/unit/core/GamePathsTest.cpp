// Paths inside the game folder: one rule for when two names are one file (checked against the
// platform's own, code unit by code unit, in the Win32 tests), and the canonical destination.
#include <gtest/gtest.h>

#include <string>

#include "install/GamePaths.h"

TEST(GamePaths, NamesAreOneFileAsTheFileSystemUpcasesThem)
{
    const struct {
        const wchar_t* a;
        const wchar_t* b;
        bool same;
    } cases[] = {
        {L"data\\x.dat", L"DATA\\X.DAT", true}, {L"\u010Ce\u0161tina\\\u0159e\u010D", L"\u010CE\u0160TINA\\\u0158E\u010C", true},
        {L"\u00FF", L"\u0178", true}, {L"\u1F80", L"\u1F88", true}, {L"\uFF41", L"\uFF21", true},
        // Mappings that do not come back are not the file system's: dotless i, long s, final
        // sigma, a title-case letter, sharp s; nor is any folding beyond letter case.
        {L"\u0131", L"I", false}, {L"\u017F", L"S", false}, {L"\u03C2", L"\u03A3", false}, {L"\u01C5", L"\u01C4", false},
        {L"\u00DF", L"\u1E9E", false}, {L"e\u0301", L"\u00E9", false}, {L"a", L"a ", false}, {L"x/y", L"x\\y", false},
    };
    for (const auto& c : cases) EXPECT_EQ(SamePath(c.a, c.b), c.same) << c.a << L" " << c.b;
    EXPECT_TRUE(IsBelow(L"c:\\hra\\data\\x", L"C:\\Hra\\"));
    EXPECT_FALSE(IsBelow(L"C:\\Hra", L"C:\\Hra\\"));
    EXPECT_FALSE(IsBelow(L"C:\\Hrad\\x", L"C:\\Hra\\"));
}

TEST(GamePaths, DestinationsAsTheFileSystemReadsThem)
{
    const struct {
        const wchar_t* listed;
        const wchar_t* canonical;
        bool inOwnFolder;
    } cases[] = {
        {L"data\\a.b\\c.txt", L"data\\a.b\\c.txt", false}, {L"data/sub//x.dat", L"data\\sub\\x.dat", false},
        {L".\\a\\.\\b\\", L"a\\b", false}, {L"a\\..\\b.txt", L"b.txt", false}, {L"", L"", false},
        {L"velaninst.UNDO/undo.rec", L"velaninst.UNDO\\undo.rec", true}, {L"data\\..\\VELANInst.undo", L"VELANInst.undo", true},
        {L"data\\VELANInst.undo\\0", L"data\\VELANInst.undo\\0", false}, {L"VELANInst.undo2", L"VELANInst.undo2", false},
        {L"./velaninst.RESTORE\\1.0", L"velaninst.RESTORE\\1.0", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CanonicalDestination(c.listed), c.canonical) << c.listed;
        EXPECT_EQ(IsInInstallerFolder(c.listed), c.inOwnFolder) << c.listed;
    }
}
