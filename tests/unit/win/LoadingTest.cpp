// The install list against a real installer folder: what the real existence test lets through.
#include <gtest/gtest.h>

#include "framework/FileFind.h"
#include "framework/TextFile.h"
#include "install/Manifest.h"
#include "support/TempFolder.h"

TEST(Loading, ShippedSourcesAsTheFileSystemFindsThem)
{
    const struct {
        std::string source;  // after <INSTDIR>
        bool found;
    } cases[] = {
        {"art\\a.tga", true},   {"art", true},          {"art\\*.tga", true}, {"art\\?.tga", true},
        {"art\\*.png", false},  {"art\\", false},       {"absent.tga", false},
        {std::string(300, 'n'), false},  // longer than a path may be
    };
    for (const auto& c : cases) {
        TempFolder dir;
        dir.Write("art\\a.tga", "a");
        dir.Write("files.cfg", "<INSTDIR>" + c.source + "|x\n");
        CTextFile file;
        ASSERT_TRUE(file.Open((dir / "files.cfg").c_str()));
        CStringArray sources;
        CStringArray dests;
        const ManifestOutcome outcome = ReadManifest([&file](CString& line) { return file.ReadString(line); },
                                                     FileExists, dir.Path().c_str(), sources, dests);
        EXPECT_EQ(outcome.stop, c.found ? ManifestStop::None : ManifestStop::MissingSource) << c.source;
        EXPECT_EQ(sources.GetSize(), c.found ? 1 : 0) << c.source;
        EXPECT_EQ(outcome.subject, c.found ? CString() : CString((dir / c.source).c_str())) << c.source;
    }
}
