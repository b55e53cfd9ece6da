// The copy plan: what each pair replaces, which steps keep the list's order, the folders a run
// creates, and the folders through which a destination could reach the undo folder.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "install/CopyPlan.h"

namespace {

const std::wstring kGameDir = L"C:\\G\\";

// What stands below the game folder before the run, by exact spelling; links are marked.
using Disk = std::map<std::wstring, PathProbe>;
const PathProbe kFile{PathState::File, false, L""};
const PathProbe kFolder{PathState::Folder, false, L""};
const PathProbe kLink{PathState::Folder, true, L""};
const PathProbe kStored{PathState::File, false, L"x.dat"};  // a file's name as its folder holds it

CopyPlan Plan(const std::vector<std::wstring>& sources, const std::vector<std::wstring>& dests, const Disk& disk)
{
    return PlanCopy(sources, dests, kGameDir, [&](const std::wstring& path) {
        const auto found = disk.find(path.substr(kGameDir.size()));
        return found == disk.end() ? PathProbe{} : found->second;
    });
}

std::wstring Steps(const CopyPlan& plan)
{
    std::wstring shown;
    for (const CopyStep& step : plan.steps) {
        shown += step.source + L">" + step.relative;
        if (step.replaces) shown += L" replaces";
        if (step.ordered) shown += L" ordered";
        shown += L"; ";
    }
    return shown;
}

std::wstring Joined(const std::vector<std::wstring>& items)
{
    std::wstring shown;
    for (const std::wstring& item : items) shown += item + L"; ";
    return shown;
}

}  // namespace

TEST(CopyPlan, StepsFoldersAndWhatMayMeetTheUndoFolder)
{
    const struct {
        std::vector<std::wstring> sources, dests;
        Disk disk;
        const wchar_t* steps;
        const wchar_t* newFolders;  // parents first, each once
        const wchar_t* gateways;
        int folderInTheWay;
    } cases[] = {
        // Pairs in order with what each replaces. The backup of b exists already and is left out;
        // the lower-case marker is a marker too, one after a blank is none. What reads from the game
        // folder, in any letter case, waits for everything before it.
        {{L"<GAMEDIR>a.tlk", L"<GAMEDIR>b.tlk", L"D:\\CZ\\a.tlk", L"<gamedir>c.tlk", L"D:\\CZ\\n.dat",
          L"c:\\g\\extra\\x.dat", L" <GAMEDIR>y"},
         {L"a_orig.tlk", L"b_orig.tlk", L"a.tlk", L"c_orig.tlk", L"new\\n.dat", L"x.dat", L"y"},
         {{L"a.tlk", kFile}, {L"b_orig.tlk", kFile}},
         L"C:\\G\\a.tlk>a_orig.tlk ordered; D:\\CZ\\a.tlk>a.tlk replaces; C:\\G\\c.tlk>c_orig.tlk ordered; "
         L"D:\\CZ\\n.dat>new\\n.dat; c:\\g\\extra\\x.dat>x.dat ordered;  <GAMEDIR>y>y; ",
         L"new; ", L"new; ", -1},
        // One file under names that differ in letter case, Czech letters too: every write keeps the
        // order and moves aside what stood there, so that undoing them last first ends at the
        // original; one that stands there is written under the name it has.
        {{L"D:\\1", L"D:\\2", L"D:\\3", L"D:\\4", L"D:\\5"},
         {L"Data\\x.dat", L"data/X.DAT", L"data\\y.dat", L"\u010Ce\u0161tina\\a.txt", L"\u010De\u0161tina\\A.TXT"},
         {{L"Data", kFolder}, {L"Data\\x.dat", kStored}, {L"data\\X.DAT", kStored}},
         L"D:\\1>Data\\x.dat replaces ordered; D:\\2>data\\x.dat replaces ordered; D:\\3>data\\y.dat; "
         L"D:\\4>\u010Ce\u0161tina\\a.txt ordered; D:\\5>\u010De\u0161tina\\A.TXT ordered; ",
         L"\u010Ce\u0161tina; ", L"Data; \u010Ce\u0161tina; ", -1},
        // New folders in any letter case, and one below a folder that exists.
        {{L"D:\\1", L"D:\\2", L"D:\\3", L"D:\\4"}, {L"a\\b\\c.txt", L"A\\d.txt", L"a\\B\\e\\f.txt", L"x\\y\\z.txt"},
         {{L"x", kFolder}},
         L"D:\\1>a\\b\\c.txt; D:\\2>A\\d.txt; D:\\3>a\\B\\e\\f.txt; D:\\4>x\\y\\z.txt; ",
         L"a; a\\b; a\\B\\e; x\\y; ", L"a; x; ", -1},
        // Names the text cannot tell apart: a possible short name, and a folder reached through a
        // link (which may also lead into the undo folder).
        {{L"D:\\1", L"D:\\2", L"D:\\3", L"D:\\4", L"D:\\5", L"D:\\PROGRA~1\\6"},
         {L"GAMEDA~1\\x", L"data\\lnk\\y", L"data\\lnk\\deep\\z", L"data\\w", L"v", L"u"},
         {{L"data", kFolder}, {L"data\\lnk", kLink}, {L"data\\lnk\\deep", kFolder}},
         L"D:\\1>GAMEDA~1\\x ordered; D:\\2>data\\lnk\\y ordered; D:\\3>data\\lnk\\deep\\z ordered; D:\\4>data\\w; "
         L"D:\\5>v; D:\\PROGRA~1\\6>u ordered; ",
         L"GAMEDA~1; ", L"data; data\\lnk; GAMEDA~1; ", -1},
        // A destination that is a folder, and the game folder itself: the run stops before it starts.
        {{L"D:\\1", L"D:\\2"}, {L"a.txt", L"data"}, {{L"data", kFolder}}, L"D:\\1>a.txt; D:\\2>data; ", L"", L"", 1},
        {{L"D:\\1"}, {L"."}, {}, L"D:\\1>; ", L"", L"", 0},
    };
    for (const auto& c : cases) {
        const CopyPlan plan = Plan(c.sources, c.dests, c.disk);
        EXPECT_EQ(Steps(plan), c.steps);
        EXPECT_EQ(Joined(plan.newFolders), c.newFolders) << c.steps;
        EXPECT_EQ(Joined(plan.gateways), c.gateways) << c.steps;
        EXPECT_EQ(plan.folderInTheWay, c.folderInTheWay) << c.steps;
    }
}

TEST(CopyPlan, SpaceMustBeStrictlyMore)
{
    EXPECT_FALSE(HasRoomFor(1000, 1000));
    EXPECT_TRUE(HasRoomFor(1000, 1001));
    EXPECT_TRUE(HasRoomFor(0, 1));
    EXPECT_FALSE(HasRoomFor(0, 0));
    // Sizes of 2 GiB and more no longer wrap.
    EXPECT_FALSE(HasRoomFor(3ULL << 30, 2ULL << 30));
    EXPECT_FALSE(HasRoomFor(5ULL << 40, 80ULL << 30));
}
