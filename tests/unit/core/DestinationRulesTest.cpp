// The rules a destination must pass, over the list's bytes (the UTF-16 of a record reads alike).
#include <gtest/gtest.h>

#include <string>

#include "install/DestinationRules.h"

TEST(DestinationRules, AcceptedOnlyInsideTheGameAndAsNamesWindowsCanHold)
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
        // Bytes no Windows name holds; a NUL would end the name early in every file function.
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
