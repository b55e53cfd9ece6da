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

CStringArray Array(std::initializer_list<const char*> items)
{
    CStringArray a;
    for (const char* item : items) a.Add(item);
    return a;
}

// A game folder C:\G\ as the plan sees it before the run.
CopyPlan Plan(std::initializer_list<const char*> sources, std::initializer_list<const char*> dests,
              const std::map<std::string, PathState>& disk)
{
    return PlanCopy(Array(sources), Array(dests), "C:\\G\\", [&](const CString& path) {
        const auto found = disk.find(path.Bytes());
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
    // Which of them fall in the undo folder is shown by the destination rules, which refuse those.
    const struct {
        const char* listed;
        const char* canonical;
    } cases[] = {
        {"data\\a.b\\c.txt", "data\\a.b\\c.txt"}, {"data/sub//x.dat", "data\\sub\\x.dat"}, {".\\a\\.\\b\\", "a\\b"},
        {"a\\..\\b.txt", "b.txt"}, {"", ""}, {"velaninst.UNDO/undo.rec", "velaninst.UNDO\\undo.rec"},
        {"data\\..\\VELANInst.undo", "VELANInst.undo"},
    };
    for (const auto& c : cases) EXPECT_EQ(CanonicalDestination(c.listed), c.canonical) << c.listed;
}

TEST(CopyPlan, PairsInOrderWithWhatEachReplaces)
{
    const CopyPlan plan = Plan({"<GAMEDIR>a.tlk", "<GAMEDIR>b.tlk", "D:\\CZ\\a.tlk", "<gamedir>c.tlk", "D:\\CZ\\n.dat",
                                "c:\\g\\extra\\x.dat"},
                               {"a_orig.tlk", "b_orig.tlk", "a.tlk", "c_orig.tlk", "new\\n.dat", "x.dat"},
                               {{"C:\\G\\a.tlk", PathState::File}, {"C:\\G\\b_orig.tlk", PathState::File}});
    // The backup of b exists already and is left out; the lower-case marker is a marker too. What
    // reads from the game folder waits for everything before it.
    EXPECT_EQ(Steps(plan),
              "C:\\G\\a.tlk>a_orig.tlk #0 ordered; D:\\CZ\\a.tlk>a.tlk replaces #1; "
              "C:\\G\\c.tlk>c_orig.tlk #2 ordered; D:\\CZ\\n.dat>new\\n.dat #3; c:\\g\\extra\\x.dat>x.dat #4 ordered; ");
    EXPECT_EQ(Joined(plan.newFolders), "new; ");
    EXPECT_EQ(plan.folderInTheWay, -1);
}

TEST(CopyPlan, ADestinationWrittenTwiceKeepsOnlyTheFirstOriginal)
{
    const CopyPlan plan = Plan({"D:\\1", "D:\\2", "D:\\3"}, {"Data\\x.dat", "data/X.DAT", "data\\y.dat"},
                               {{"C:\\G\\Data", PathState::Folder}, {"C:\\G\\Data\\x.dat", PathState::File},
                                {"C:\\G\\data\\X.DAT", PathState::File}});
    EXPECT_EQ(Steps(plan),
              "D:\\1>Data\\x.dat replaces #0 ordered; D:\\2>data\\X.DAT again ordered; D:\\3>data\\y.dat #1; ");
    EXPECT_TRUE(plan.newFolders.empty());
}

TEST(CopyPlan, FoldersToCreateParentsFirstAndOnce)
{
    const CopyPlan fresh = Plan({"D:\\1", "D:\\2", "D:\\3"}, {"a\\b\\c.txt", "A\\d.txt", "a\\B\\e\\f.txt"}, {});
    EXPECT_EQ(Joined(fresh.newFolders), "a; a\\b; a\\B\\e; ");
    const CopyPlan partly = Plan({"D:\\1"}, {"a\\b\\c.txt"}, {{"C:\\G\\a", PathState::Folder}});
    EXPECT_EQ(Joined(partly.newFolders), "a\\b; ");
}

TEST(CopyPlan, ADestinationThatIsAFolderStopsTheRunBeforeItStarts)
{
    EXPECT_EQ(Plan({"D:\\1", "D:\\2"}, {"a.txt", "data"}, {{"C:\\G\\data", PathState::Folder}}).folderInTheWay, 1);
    EXPECT_EQ(Plan({"D:\\1"}, {"."}, {}).folderInTheWay, 0);
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
    EXPECT_EQ(Joined(parsed.newFolders), Joined(record.newFolders));
    ASSERT_EQ(parsed.files.size(), record.files.size());
    for (std::size_t i = 0; i < record.files.size(); ++i) {
        EXPECT_EQ(parsed.files[i].relative, record.files[i].relative);
        EXPECT_EQ(parsed.files[i].replaces, record.files[i].replaces);
    }
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
    const CopyPlan plan = Plan({"D:\\1", "D:\\2", "D:\\3"}, {"x.dat", "X.dat", "sub\\y.dat"},
                               {{"C:\\G\\x.dat", PathState::File}});
    const UndoRecord record = RecordOf(plan);
    EXPECT_EQ(Joined(record.newFolders), "sub; ");
    ASSERT_EQ(record.files.size(), 2u);
    EXPECT_EQ(record.files[0].relative, "x.dat");
    EXPECT_TRUE(record.files[0].replaces);
    EXPECT_EQ(record.files[1].relative, "sub\\y.dat");
    EXPECT_FALSE(record.files[1].replaces);
    EXPECT_EQ(AsideName(1), "1");
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
