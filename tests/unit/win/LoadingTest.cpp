// The install list loaded from a real files.cfg with the real existence test.
#include <gtest/gtest.h>

#include "framework/FileFind.h"
#include "framework/TextFile.h"
#include "install/Manifest.h"
#include "support/TempFolder.h"

namespace {

ManifestOutcome LoadFrom(const TempFolder& dir, CStringArray& sources, CStringArray& dests)
{
    CTextFile file;
    EXPECT_TRUE(file.Open((dir / "files.cfg").c_str()));
    return ReadManifest([&file](CString& line) { return file.ReadString(line); }, FileExists,
                        dir.Path().c_str(), sources, dests);
}

}  // namespace

TEST(Loading, WorkedExampleOnRealFiles)
{
    TempFolder dir;
    dir.Write("data\\strings.dat", "s");
    dir.Write("art\\menu.tga", "m");
    dir.Write("files.cfg",
              "translation files\r\n<GAMEDIR>strings.dat|backup\\strings.dat\r\n<INSTDIR>data\\strings.dat|strings.dat\r\n"
              "\r\n<INSTDIR>art\\menu.tga|\\override\\menu.tga\r\nE:\\Extra\\font.ttf|fonts\\font.ttf\r\n"
              "<instdir>readme.txt|readme.txt\r\n");
    CStringArray sources;
    CStringArray dests;
    EXPECT_EQ(LoadFrom(dir, sources, dests).stop, ManifestStop::None);
    ASSERT_EQ(sources.GetSize(), 5);
    EXPECT_EQ(sources[1], CString((dir / "data\\strings.dat").c_str()));
    EXPECT_EQ(dests[2], "override\\menu.tga");
}

TEST(Loading, FoldersAndPatternsPassTheExistenceTest)
{
    TempFolder dir;
    dir.Write("art\\a.tga", "a");
    dir.Write("files.cfg", "<INSTDIR>art|x\n<INSTDIR>art\\*.tga|y\n<INSTDIR>art\\?.tga|z\n<INSTDIR>art\\*.png|w\n");
    CStringArray sources;
    CStringArray dests;
    const ManifestOutcome outcome = LoadFrom(dir, sources, dests);
    EXPECT_EQ(sources.GetSize(), 3);
    EXPECT_EQ(outcome.stop, ManifestStop::MissingSource);
    EXPECT_EQ(outcome.subject, CString((dir / "art\\*.png").c_str()));
}

TEST(Loading, FolderWithTrailingSeparatorCountsAsMissing)
{
    TempFolder dir;
    dir.Write("art\\a.tga", "a");
    dir.Write("files.cfg", "<INSTDIR>art\\a.tga|x\n<INSTDIR>art\\|y\n");
    CStringArray sources;
    CStringArray dests;
    const ManifestOutcome outcome = LoadFrom(dir, sources, dests);
    EXPECT_EQ(sources.GetSize(), 1);
    EXPECT_EQ(outcome.stop, ManifestStop::MissingSource);
    EXPECT_EQ(outcome.subject, CString((dir / "art\\").c_str()));
}

TEST(Loading, OverlongShippedPathCountsAsMissing)
{
    TempFolder dir;
    dir.Write("files.cfg", "<INSTDIR>" + std::string(300, 'n') + "|x\n");
    CStringArray sources;
    CStringArray dests;
    EXPECT_EQ(LoadFrom(dir, sources, dests).stop, ManifestStop::MissingSource);
    EXPECT_EQ(sources.GetSize(), 0);
}
