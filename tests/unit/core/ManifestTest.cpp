// The install list: line splitting, markers, the existence test and where loading stops. An empty
// list is run through the real window (nothing to copy completes).
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "install/Manifest.h"

namespace {

struct Loaded {
    std::vector<std::string> sources;
    std::vector<std::string> dests;
    ManifestOutcome outcome;
    std::vector<std::string> tested;
    std::size_t linesRead = 0;
};

// The lines of an install list in the installer folder D:\CZ\, with the shipped files that exist.
Loaded Load(const std::vector<std::string>& lines, const std::set<std::string>& existing)
{
    Loaded result;
    CStringArray sources;
    CStringArray dests;
    std::size_t next = 0;
    result.outcome = ReadManifest(
        [&](CString& line) {
            if (next == lines.size()) return false;
            line = CString(lines[next++]);
            return true;
        },
        [&](const CString& path) {
            result.tested.push_back(path.Bytes());
            return existing.count(path.Bytes()) > 0;
        },
        "D:\\CZ\\", sources, dests);
    result.linesRead = next;
    EXPECT_EQ(sources.GetSize(), dests.GetSize());
    for (int i = 0; i < sources.GetSize(); ++i) {
        result.sources.push_back(sources[i].Bytes());
        result.dests.push_back(dests[i].Bytes());
    }
    return result;
}

const std::vector<std::string> kWorkedExample = {
    "translation files",
    "<GAMEDIR>strings.dat|backup\\strings.dat",
    "<INSTDIR>data\\strings.dat|strings.dat",
    "",
    "<INSTDIR>art\\menu.tga|\\override\\menu.tga",
    "E:\\Extra\\font.ttf|fonts\\font.ttf",
    "<instdir>readme.txt|readme.txt",
};

}  // namespace

TEST(Manifest, WorkedExample)
{
    const Loaded r = Load(kWorkedExample, {"D:\\CZ\\data\\strings.dat", "D:\\CZ\\art\\menu.tga"});
    EXPECT_EQ(r.outcome.stop, ManifestStop::None);
    EXPECT_EQ(r.sources, (std::vector<std::string>{"<GAMEDIR>strings.dat", "D:\\CZ\\data\\strings.dat",
                                                   "D:\\CZ\\art\\menu.tga", "E:\\Extra\\font.ttf",
                                                   "<instdir>readme.txt"}));
    EXPECT_EQ(r.dests, (std::vector<std::string>{"backup\\strings.dat", "strings.dat", "override\\menu.tga",
                                                 "fonts\\font.ttf", "readme.txt"}));
    // Only the two "<INSTDIR>" sources are tested.
    EXPECT_EQ(r.tested, (std::vector<std::string>{"D:\\CZ\\data\\strings.dat", "D:\\CZ\\art\\menu.tga"}));
    // Without the second shipped file the load stops at it: lines 6 and 7 are never read.
    const Loaded missing = Load(kWorkedExample, {"D:\\CZ\\data\\strings.dat"});
    EXPECT_EQ(missing.outcome.stop, ManifestStop::MissingSource);
    EXPECT_EQ(missing.outcome.subject, "D:\\CZ\\art\\menu.tga");
    EXPECT_EQ(missing.linesRead, 5u);
}

TEST(Manifest, LineForms)
{
    struct Case {
        std::string line;
        bool counts;
        std::string source, dest;
    } cases[] = {
        {"a|b|c", true, "a", "b|c"},
        {"|x", true, "", "x"},
        {"x|", true, "x", ""},
        {"|", true, "", ""},
        {"s|\\\\sub\\f.txt", true, "s", "\\sub\\f.txt"},
        {"s|/sub/f.txt", true, "s", "/sub/f.txt"},
        {" s | d ", true, " s ", " d "},
        {"", false, "", ""},
        {"no bar here", false, "", ""},
        {std::string("a\0b|c", 5), true, std::string("a\0b", 3), "c"},
    };
    for (const Case& c : cases) {
        CString source;
        CString dest;
        ASSERT_EQ(SplitManifestLine(CString(c.line), source, dest), c.counts) << c.line;
        if (!c.counts) continue;
        EXPECT_EQ(source.Bytes(), c.source) << c.line;
        EXPECT_EQ(dest.Bytes(), c.dest) << c.line;
    }
}

TEST(Manifest, MarkersCountOnlyAtTheVeryStartAndDuplicatesStay)
{
    const Loaded r = Load({" <INSTDIR>a|a", "<INSTDIR>|root", "<GAMEDIR>x|y", "<GAMEDIR>x|y"}, {"D:\\CZ\\"});
    EXPECT_EQ(r.sources, (std::vector<std::string>{" <INSTDIR>a", "D:\\CZ\\", "<GAMEDIR>x", "<GAMEDIR>x"}));
    EXPECT_EQ(r.tested, (std::vector<std::string>{"D:\\CZ\\"}));
}

TEST(Manifest, RefusedLineStopsTheLoad)
{
    struct Case {
        std::string line;
        std::string shown;  // the destination, up to its first control byte
    } cases[] = {
        {"b|..\\..\\evil.dll", "..\\..\\evil.dll"},
        {std::string("b|a\0C:\\Windows\\y", 16), "a"},
        {std::string("b\0x|ok.txt", 10), "ok.txt"},
        {std::string("<INSTDIR>b\0x|ok.txt", 19), "ok.txt"},
        {"b|data\\tab\there.txt", "data\\tab"},
        {"b|data\\nul.txt", "data\\nul.txt"},
    };
    for (const Case& c : cases) {
        const Loaded r = Load({"a|ok.txt", c.line, "c|later.txt"}, {"D:\\CZ\\b"});
        EXPECT_EQ(r.outcome.stop, ManifestStop::UnsafeDestination) << c.shown;
        EXPECT_EQ(r.outcome.subject.Bytes(), c.shown);
        EXPECT_EQ(r.sources, (std::vector<std::string>{"a"})) << c.shown;
        EXPECT_EQ(r.linesRead, 2u) << c.shown;
        EXPECT_TRUE(r.tested.empty()) << c.shown;  // a source with a NUL is no name to look for
    }
}
