// The install run's decisions: space and the MB figure, destinations. The game folder's marker is
// seen at work in the copy plan's table, in both places it counts (a backup made once, the source).
#include <gtest/gtest.h>

#include <string>

#include "install/InstallPlan.h"
#include "install/Manifest.h"

TEST(InstallPlan, SpaceMustBeStrictlyMore)
{
    EXPECT_FALSE(HasRoomFor(1000, 1000));
    EXPECT_TRUE(HasRoomFor(1000, 1001));
    EXPECT_TRUE(HasRoomFor(0, 1));
    EXPECT_FALSE(HasRoomFor(0, 0));
    // Sizes of 2 GiB and more no longer wrap.
    EXPECT_FALSE(HasRoomFor(3ULL << 30, 2ULL << 30));
    EXPECT_FALSE(HasRoomFor(5ULL << 40, 80ULL << 30));
}

TEST(InstallPlan, MegabytesRoundDownFrom64Bits)
{
    const CString pattern("potřeba přibližně %d MB volného místa.");
    EXPECT_EQ(FormatMegabytes(pattern, 1048575), "potřeba přibližně 0 MB volného místa.");
    EXPECT_EQ(FormatMegabytes(pattern, 1048576), "potřeba přibližně 1 MB volného místa.");
    EXPECT_EQ(FormatMegabytes(pattern, 5ULL << 40), "potřeba přibližně 5242880 MB volného místa.");
}

TEST(Destinations, AcceptedOnlyInsideTheGameAndAsNamesWindowsCanHold)
{
    struct Case {
        std::string dest;
        bool acceptable;
    } cases[] = {
        {"strings.dat", true},         {"override\\menu.tga", true}, {"\\sub\\f.txt", true},
        {"/sub/f.txt", true},          {"a\\..\\b", true},           {"a\\.\\..\\b.txt", true},
        {"", true},                    {"..x\\f", true},             {"..", false},
        {"..\\f", false},              {"a\\..\\..\\f", false},       {"a/../../f", false},
        {"C:\\Windows\\f", false},     {"c:f", false},               {"\\\\server\\share\\f", false},
        {"//server/share", false},     {"\\..\\f", false},
        // Bytes no Windows name holds; a NUL would also split the NUL-joined copy lists.
        {std::string("a\0C:\\Windows\\y", 14), false}, {"a\tb.txt", false}, {"a\x1f", false},
        {"a<b", false}, {"a>b", false}, {"a:b", false}, {"a\"b", false}, {"a|b", false}, {"a?b", false},
        {"a*b", false},
        // Device names in any component, any case, with or without an extension.
        {"CON", false}, {"prn", false}, {"Aux", false}, {"nul.txt", false}, {"NUL.tar.gz", false},
        {"nul .txt", false}, {"data\\com1\\x.txt", false}, {"COM9", false}, {"lpt1.log", false},
        {"LPT9", false},
        // Names Windows would shorten by their last dot or blank.
        {"readme.", false}, {"data.\\x", false}, {"name ", false}, {"data \\x.txt", false}, {"...", false},
        // Look-alikes a translation uses.
        {"data\\con_table.dat", true}, {"data\\a.b\\c.txt", true}, {"Čeština\\Řeč.txt", true},
        {"com10", true}, {"COM0", true}, {"lpt", true}, {"nulx.txt", true}, {"connect\\aux_\\x", true},
        {"a b\\c d.txt", true}, {".hidden", true}, {"data\\", true}, {"a\x7f\xff", true},
        // The installer's own undo folder, however it is spelt.
        {"VELANInst.undo\\0", false}, {"velaninst.UNDO/undo.rec", false}, {"x\\..\\VELANInst.undo", false},
        {"data\\VELANInst.undo\\x", true}, {"VELANInst.undo2", true},
    };
    for (const Case& c : cases) EXPECT_EQ(DestinationAcceptable(CString(c.dest)), c.acceptable) << c.dest;
}
