// The restore point: the record and what is trusted in it, how a second install adds to it, what a
// restore does with each file, how a restore cut off is taken back, and the names of the restore
// folder. Played out on real files in the restore's own tests.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "install/RestorePoint.h"

namespace {

CopyStep Step(const wchar_t* relative, bool replaces)
{
    return CopyStep{L"src", relative, replaces, false};
}

WrittenFile Written(unsigned long long size)
{
    return WrittenFile{size, static_cast<std::uint32_t>(size * 7), size * 11};
}

std::wstring Shown(const RestorePoint& point)
{
    std::wstring shown = L"g" + std::to_wstring(point.generation) + L";";
    for (const std::wstring& folder : point.folders) shown += L" dir " + folder + L";";
    for (const RestoreEntry& file : point.files) {
        shown += L" " + file.relative + L"=" + (file.kept.empty() ? L"created" : file.kept) + L"@" +
                 std::to_wstring(file.written.size) + L";";
    }
    return shown;
}

}  // namespace

TEST(RestorePoint, RecordComesBackWholeAndOnlyAWholeRecordOfOurPathsAndNamesIsTrusted)
{
    RestorePoint point;
    point.generation = 2;
    point.folders = {L"Čeština", L"Čeština\\sub"};
    point.files = {{L"strings.dat", L"1.1", WrittenFile{10, 0xFFFFFFFFu, 0xFFFFFFFFFFFFFFFFull}},
                   {L"Čeština\\Řeč.txt", L"", WrittenFile{0, 0, 0}}};
    const std::string bytes = SerializeRestorePoint(point);
    RestorePoint back;
    ASSERT_TRUE(ParseRestorePoint(bytes, back));
    EXPECT_EQ(Shown(back), Shown(point));
    EXPECT_EQ(back.files[0].written.hash, 0xFFFFFFFFu);
    EXPECT_EQ(back.files[0].written.time, 0xFFFFFFFFFFFFFFFFull);

    const std::string header = "VELANInst restore 1\ngeneration 1 2\n";
    const struct {
        std::string bytes;
        const char* why;
    } refused[] = {
        {bytes.substr(0, bytes.size() - 1), "cut short"},
        {bytes + "x", "bytes after the end"},
        {"VELANInst restore 2\ngeneration 1 2\nend\n", "a later version"},
        {header + "created 9 ..\\x.dll\nwritten 5 1 2 3\nend\n", "a path above the game folder"},
        {header + "created 8 C:\\x.dll\nwritten 5 1 2 3\nend\n", "a drive"},
        {header + "original 1 a\nkept 8 ..\\1.dll\nwritten 5 1 2 3\nend\n", "a kept name that is a path"},
        {header + "original 1 a\nwritten 5 1 2 3\nend\n", "an original without its kept name"},
        {header + "created 1 a\nwritten 5 1 2 x\nend\n", "a time that is no number"},
        {header + "created 1 a\nwritten 12 1 4294967296 3\nend\n", "a hash of more than 32 bits"},
        {header + "created 1 a\nend\n", "a file without what was written"},
        {"VELANInst restore 1\ncreated 1 a\nwritten 5 1 2 3\nend\n", "no generation"},
        {header + "created 1 a\nwritten 5 1 2 3\nfolder 1 b\nend\n", "a folder after the files"},
    };
    for (const auto& r : refused) EXPECT_FALSE(ParseRestorePoint(r.bytes, back)) << r.why;
}

TEST(RestorePoint, ASecondInstallKeepsTheFirstOriginalsAndWhatTheFirstCreated)
{
    CopyPlan first;
    first.newFolders = {L"new"};
    first.steps = {Step(L"a.dat", true), Step(L"new\\b.dat", false), Step(L"A.DAT", true)};
    const RestorePoint one = MergeRestorePoint(RestorePoint(), first, {Written(1), Written(2), Written(3)});
    // Written twice in one run: the first step moved the original aside, the second what the first wrote.
    EXPECT_EQ(Shown(one), L"g1; dir new; a.dat=1.0@3; new\\b.dat=created@2;");

    CopyPlan second;
    second.newFolders = {L"NEW", L"new\\more"};
    second.steps = {Step(L"new\\B.dat", true), Step(L"c.dat", true), Step(L"a.dat", true), Step(L"new\\more\\d", false)};
    const RestorePoint two = MergeRestorePoint(one, second, {Written(4), Written(5), Written(6), Written(7)});
    EXPECT_EQ(Shown(two), L"g2; dir new; dir new\\more; a.dat=1.0@6; new\\b.dat=created@4; c.dat=2.1@5; new\\more\\d=created@7;");

    // Only the second run's own originals leave its undo folder for the restore folder.
    const std::vector<KeptOriginal> keep = OriginalsToKeep(two);
    ASSERT_EQ(keep.size(), 1u);
    EXPECT_EQ(keep[0].step, 1);
    EXPECT_EQ(keep[0].kept, L"2.1");
}

TEST(RestorePoint, RestoreRemovesWhatIsAsWrittenPutsOriginalsBackAndLeavesChangedFilesAlone)
{
    RestorePoint point;
    point.folders = {L"new", L"new\\deep"};
    const struct {
        const wchar_t* relative;
        const wchar_t* kept;
        FileNow now;
        const wchar_t* step;  // what the restore does, or "" for nothing, "left" for left alone
    } files[] = {
        {L"created-as-written", L"", FileNow::AsWritten, L"aside"},
        {L"created-gone", L"", FileNow::Missing, L""},
        {L"created-changed", L"", FileNow::Changed, L"left"},
        {L"replaced-as-written", L"1.3", FileNow::AsWritten, L"aside+back"},
        {L"replaced-gone", L"1.4", FileNow::Missing, L"back"},
        {L"replaced-changed", L"1.5", FileNow::Changed, L"left"},
    };
    std::map<std::wstring, FileNow> now;
    for (const auto& f : files) {
        point.files.push_back(RestoreEntry{f.relative, f.kept, WrittenFile()});
        now[f.relative] = f.now;
    }
    const RestoreJournal journal = PlanRestore(point, [&](const RestoreEntry& file) { return now.at(file.relative); });
    std::map<std::wstring, std::wstring> did;
    for (const RestoreStep& step : journal.steps) {
        did[step.relative] = std::wstring(step.aside ? L"aside" : L"") + (step.aside && !step.kept.empty() ? L"+" : L"") +
                             (step.kept.empty() ? L"" : L"back");
    }
    for (const std::wstring& file : journal.leftAlone) did[file] = L"left";
    for (const auto& f : files) {
        EXPECT_EQ(did.count(f.relative) ? did[f.relative] : L"", f.step) << f.relative;
    }
    EXPECT_EQ(journal.folders, (std::vector<std::wstring>{L"new\\deep", L"new"}));

    RestoreJournal back;
    ASSERT_TRUE(ParseRestoreJournal(SerializeRestoreJournal(journal), back));
    EXPECT_EQ(SerializeRestoreJournal(back), SerializeRestoreJournal(journal));
    EXPECT_FALSE(ParseRestoreJournal("VELANInst restoring 1\nmissing 1 a\nend\n", back)) << "a step that moves nothing";
    EXPECT_FALSE(ParseRestoreJournal("VELANInst restoring 1\naside 4 ..\\a\nend\n", back)) << "a path above the game";

    const std::vector<FileMove> moves = MovesOf(journal, L"G\\", L"G\\R\\");
    std::wstring shown;
    for (const FileMove& move : moves) shown += move.from + L">" + move.to + L"; ";
    EXPECT_EQ(shown,
              L"G\\created-as-written>G\\R\\0.out; G\\replaced-as-written>G\\R\\1.out; G\\R\\1.3>G\\replaced-as-written; "
              L"G\\R\\1.4>G\\replaced-gone; ");
}

TEST(RestorePoint, ARestoreCutOffAtAnyMomentIsTakenBackToWhereItStarted)
{
    // One replaced file (its translation moved aside to R\0.out, then its original R\1.0 back), one
    // created file (moved aside to R\1.out), one replaced file that was gone (R\1.2 moved back).
    RestoreJournal journal;
    journal.steps = {{L"f", L"1.0", true}, {L"c", L"", true}, {L"g", L"1.2", false}};
    const struct {
        std::set<std::wstring> onDisk;
        const wchar_t* reverse;
    } moments[] = {
        {{L"G\\f", L"R\\1.0", L"G\\c", L"R\\1.2"}, L""},  // before the first move
        {{L"G\\f", L"R\\0.out", L"R\\1.0", L"G\\c", L"R\\1.2"}, L"delete G\\f; back G\\f from R\\0.out; "},  // copied aside, not yet deleted
        {{L"R\\0.out", L"R\\1.0", L"G\\c", L"R\\1.2"}, L"back G\\f from R\\0.out; "},  // moved aside
        {{L"G\\f", L"R\\0.out", L"G\\c", L"R\\1.2"}, L"back R\\1.0 from G\\f; back G\\f from R\\0.out; "},
        {{L"G\\f", L"R\\0.out", L"R\\1.out", L"R\\1.2"}, L"back G\\c from R\\1.out; back R\\1.0 from G\\f; back G\\f from R\\0.out; "},
        {{L"G\\f", L"R\\0.out", L"R\\1.out", L"G\\g", L"R\\1.2"},  // the last copy across volumes cut short
         L"delete G\\g; back G\\c from R\\1.out; back R\\1.0 from G\\f; back G\\f from R\\0.out; "},
        {{L"G\\f", L"R\\0.out", L"R\\1.out", L"G\\g"},  // after every move
         L"back R\\1.2 from G\\g; back G\\c from R\\1.out; back R\\1.0 from G\\f; back G\\f from R\\0.out; "},
    };
    for (const auto& m : moments) {
        const std::vector<UndoStep> steps = PlanRestoreReverse(
            journal, L"G\\", L"R\\", [&](const std::wstring& path) { return m.onDisk.count(path) > 0; });
        std::wstring shown;
        for (const UndoStep& step : steps) {
            shown += step.op == UndoOp::DeleteFile ? L"delete " + step.path + L"; "
                                                   : L"back " + step.path + L" from " + step.from + L"; ";
        }
        EXPECT_EQ(shown, m.reverse);
    }
}

TEST(RestorePoint, NamesInTheRestoreFolderAreOursOrNot)
{
    const struct {
        const wchar_t* name;
        bool ours;
    } names[] = {{L"restore.rec", true}, {L"RESTORING.REC", true}, {L"12.345", true}, {L"7.out", true},
                 {L"VELANInst.exe", true}, {L"fmod.dll", true}, {L"3.out.part", true}, {L"1.", false}, {L".2", false},
                 {L"1.2.3", false}, {L"x.out", false}, {L"game.exe", false}, {L"1234567890.1", false}};
    for (const auto& n : names) EXPECT_EQ(IsRestoreFileName(n.name), n.ours) << n.name;
}
