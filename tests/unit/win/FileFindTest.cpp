// The existence test the install list's shipped files go through, against a real installer folder.
// The list's own stop at a missing file is in its table tests; the message, through the real window.
#include <gtest/gtest.h>

#include "framework/FileFind.h"
#include "tests/support/TempFolder.h"

TEST(FileExists, ShippedSourcesAsTheFileSystemFindsThem)
{
    TempFolder dir;
    dir.Write("art\\a.tga", "a");
    const struct {
        std::string source;  // below the installer folder
        bool found;
    } cases[] = {
        {"art\\a.tga", true},   {"art", true},          {"art\\*.tga", true}, {"art\\?.tga", true},
        {"art\\*.png", false},  {"art\\", false},       {"absent.tga", false},
        {std::string(300, 'n'), false},  // longer than a path may be
    };
    for (const auto& c : cases) EXPECT_EQ(FileExists((dir / c.source).c_str()), c.found) << c.source;
}
