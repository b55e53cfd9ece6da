// The copy plan and the undo record: destinations as the file system reads them, what each pair
// replaces, the folders a run creates, the record's bytes, and the steps that undo every moment of
// a run (played out on real files in the copy engine's tests).
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "install/CopyPlan.h"
#include "install/UndoRecord.h"

namespace {

const CString kGameDir = "C:\\G\\";

// The game folder holding `disk` (paths below it) as the plan sees it before the run.
CopyPlan Plan(const std::vector<const char*>& sources, const std::vector<const char*>& dests,
              const std::map<std::string, PathState>& disk)
{
    CStringArray sourceArray;
    CStringArray destArray;
    for (const char* source : sources) sourceArray.Add(source);
    for (const char* dest : dests) destArray.Add(dest);
    return PlanCopy(sourceArray, destArray, kGameDir, [&](const CString& path) {
        const auto found = disk.find(path.Mid(kGameDir.GetLength()).Bytes());
        return found == disk.end() ? PathState::Missing : found->second;
    });
}

std::string Steps(const CopyPlan& plan)
{
    std::string shown;
    for (const CopyStep& step : plan.steps) {
        shown += step.source.Bytes() + ">" + step.relative.Bytes();
        if (!step.firstWrite) shown += " again";
        if (step.replaces) shown += " replaces";
        if (step.undoIndex >= 0) shown += " #" + std::to_string(step.undoIndex);
        if (step.ordered) shown += " ordered";
        shown += "; ";
    }
    return shown;
}

std::string Joined(const std::vector<CString>& items)
{
    std::string shown;
    for (const CString& item : items) shown += item.Bytes() + "; ";
    return shown;
}

std::string Shown(const std::vector<UndoStep>& steps)
{
    std::string shown;
    for (const UndoStep& step : steps) {
        const char* op = step.op == UndoOp::DeleteFile ? "delete " : step.op == UndoOp::MoveBack ? "back " : "rmdir ";
        shown += op + step.path.Bytes() + (step.from.IsEmpty() ? "" : " from " + step.from.Bytes()) + "; ";
    }
    return shown;
}

}  // namespace

TEST(CopyPlan, DestinationsAsTheFileSystemReadsThem)
{
    // Listed, then canonical. Which of them fall in the undo folder is shown by the destination
    // rules, which refuse those.
    const std::pair<const char*, const char*> cases[] = {
        {"data\\a.b\\c.txt", "data\\a.b\\c.txt"}, {"data/sub//x.dat", "data\\sub\\x.dat"}, {".\\a\\.\\b\\", "a\\b"},
        {"a\\..\\b.txt", "b.txt"}, {"", ""}, {"velaninst.UNDO/undo.rec", "velaninst.UNDO\\undo.rec"},
        {"data\\..\\VELANInst.undo", "VELANInst.undo"},
    };
    for (const auto& c : cases) EXPECT_EQ(CanonicalDestination(c.first), c.second) << c.first;
}

TEST(CopyPlan, StepsFoldersAndADestinationInTheWay)
{
    const struct {
        std::vector<const char*> sources, dests;
        std::map<std::string, PathState> disk;
        const char* steps;
        const char* newFolders;  // parents first, each once
        int folderInTheWay;
    } cases[] = {
        // Pairs in order with what each replaces. The backup of b exists already and is left out;
        // the lower-case marker is a marker too, one after a blank is none. What reads from the game
        // folder waits for everything before it.
        {{"<GAMEDIR>a.tlk", "<GAMEDIR>b.tlk", "D:\\CZ\\a.tlk", "<gamedir>c.tlk", "D:\\CZ\\n.dat",
          "c:\\g\\extra\\x.dat", " <GAMEDIR>y"},
         {"a_orig.tlk", "b_orig.tlk", "a.tlk", "c_orig.tlk", "new\\n.dat", "x.dat", "y"},
         {{"a.tlk", PathState::File}, {"b_orig.tlk", PathState::File}},
         "C:\\G\\a.tlk>a_orig.tlk #0 ordered; D:\\CZ\\a.tlk>a.tlk replaces #1; C:\\G\\c.tlk>c_orig.tlk #2 ordered; "
         "D:\\CZ\\n.dat>new\\n.dat #3; c:\\g\\extra\\x.dat>x.dat #4 ordered;  <GAMEDIR>y>y #5; ",
         "new; ", -1},
        // A destination written twice, in two letter cases, keeps only the first original.
        {{"D:\\1", "D:\\2", "D:\\3"}, {"Data\\x.dat", "data/X.DAT", "data\\y.dat"},
         {{"Data", PathState::Folder}, {"Data\\x.dat", PathState::File}, {"data\\X.DAT", PathState::File}},
         "D:\\1>Data\\x.dat replaces #0 ordered; D:\\2>data\\X.DAT again ordered; D:\\3>data\\y.dat #1; ", "", -1},
        // New folders in any letter case, and one below a folder that exists.
        {{"D:\\1", "D:\\2", "D:\\3", "D:\\4"}, {"a\\b\\c.txt", "A\\d.txt", "a\\B\\e\\f.txt", "x\\y\\z.txt"},
         {{"x", PathState::Folder}},
         "D:\\1>a\\b\\c.txt #0; D:\\2>A\\d.txt #1; D:\\3>a\\B\\e\\f.txt #2; D:\\4>x\\y\\z.txt #3; ",
         "a; a\\b; a\\B\\e; x\\y; ", -1},
        // A destination that is a folder, and the game folder itself: the run stops before it starts.
        {{"D:\\1", "D:\\2"}, {"a.txt", "data"}, {{"data", PathState::Folder}},
         "D:\\1>a.txt #0; D:\\2>data #1; ", "", 1},
        {{"D:\\1"}, {"."}, {}, "D:\\1> #0; ", "", 0},
    };
    for (const auto& c : cases) {
        const CopyPlan plan = Plan(c.sources, c.dests, c.disk);
        EXPECT_EQ(Steps(plan), c.steps);
        EXPECT_EQ(Joined(plan.newFolders), c.newFolders) << c.steps;
        EXPECT_EQ(plan.folderInTheWay, c.folderInTheWay) << c.steps;
    }
}

TEST(UndoRecord, BytesRoundTripAndOnlyAWholeRecordParses)
{
    UndoRecord record;
    record.newFolders = {CString("backup"), CString("a b\\c")};
    record.files = {{CString("backup\\strings.dat"), false},
                    {CString("\xC8" "e\xB9tina\\\xD8" "e\xE8.txt"), true},
                    {CString("odd\n12 name", 11), true}};
    const CString bytes = SerializeUndoRecord(record);
    UndoRecord parsed;
    ASSERT_TRUE(ParseUndoRecord(bytes, parsed));
    EXPECT_EQ(SerializeUndoRecord(parsed), bytes);
    // Cut short anywhere, as a run stopped while writing it: refused.
    for (int length = 0; length < bytes.GetLength(); ++length) {
        EXPECT_FALSE(ParseUndoRecord(bytes.Left(length), parsed)) << length;
    }
    for (const char* other : {"VELANInst undo 2\nend\n", "VELANInst undo 1\nnew 3 abc\nfolder 1 x\nend\n",
                              "VELANInst undo 1\nmoved 1 a\nend\n", "VELANInst undo 1\nnew 9 abc\nend\n",
                              "VELANInst undo 1\nend\nextra"}) {
        EXPECT_FALSE(ParseUndoRecord(other, parsed)) << other;
    }
}

TEST(UndoRecord, RecordOfAPlanListsEachDestinationOnce)
{
    const CopyPlan plan =
        Plan({"D:\\1", "D:\\2", "D:\\3"}, {"x.dat", "X.dat", "sub\\y.dat"}, {{"x.dat", PathState::File}});
    EXPECT_EQ(SerializeUndoRecord(RecordOf(plan)),
              "VELANInst undo 1\nfolder 3 sub\nreplaces 5 x.dat\nnew 9 sub\\y.dat\nend\n");
}

TEST(UndoRecord, UndoOfEveryMomentOfARun)
{
    UndoRecord record;
    record.newFolders = {CString("new"), CString("new\\sub")};
    record.files = {{CString("a.dat"), true}, {CString("new\\sub\\b.dat"), false}, {CString("c.dat"), true}};
    const struct {
        const char* moment;
        std::set<std::string> disk;
        const char* undo;
    } cases[] = {
        {"record written, nothing changed", {"G\\a.dat", "G\\c.dat"}, ""},
        {"folders made", {"G\\a.dat", "G\\c.dat", "G\\new", "G\\new\\sub"}, "rmdir G\\new\\sub; rmdir G\\new; "},
        {"first original moved aside, not yet copied",
         {"U\\0", "G\\c.dat", "G\\new", "G\\new\\sub"},
         "back G\\a.dat from U\\0; rmdir G\\new\\sub; rmdir G\\new; "},
        {"second file half written",
         {"U\\0", "G\\a.dat", "G\\new\\sub\\b.dat", "G\\c.dat", "G\\new", "G\\new\\sub"},
         "delete G\\new\\sub\\b.dat; delete G\\a.dat; back G\\a.dat from U\\0; rmdir G\\new\\sub; rmdir G\\new; "},
        {"every file copied",
         {"U\\0", "U\\2", "G\\a.dat", "G\\new\\sub\\b.dat", "G\\c.dat", "G\\new", "G\\new\\sub"},
         "delete G\\c.dat; back G\\c.dat from U\\2; delete G\\new\\sub\\b.dat; delete G\\a.dat; "
         "back G\\a.dat from U\\0; rmdir G\\new\\sub; rmdir G\\new; "},
    };
    for (const auto& c : cases) {
        const std::vector<UndoStep> steps =
            PlanUndo(record, "G\\", "U\\", [&](const CString& path) { return c.disk.count(path.Bytes()) > 0; });
        EXPECT_EQ(Shown(steps), c.undo) << c.moment;
    }
}
