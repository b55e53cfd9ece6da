// The undo record: its bytes, what a record read back is trusted with, and the steps that undo every
// moment of a run (played out on real files in the recovery's tests).
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "install/UndoRecord.h"

namespace {

// The first version's names were bytes of the system code page; Latin-1 stands in for it here.
bool Latin1(const std::string& bytes, std::wstring& name)
{
    name.clear();
    for (const char ch : bytes) name += static_cast<wchar_t>(static_cast<unsigned char>(ch));
    return true;
}

RecordCheck Check(const std::string& bytes, UndoRecord& record)
{
    return ParseUndoRecord(bytes, record, Latin1);
}

std::wstring Shown(const std::vector<UndoStep>& steps)
{
    std::wstring shown;
    for (const UndoStep& step : steps) {
        const wchar_t* op = step.op == UndoOp::DeleteFile ? L"delete " : step.op == UndoOp::MoveBack ? L"back " : L"rmdir ";
        shown += op + step.path + (step.from.empty() ? L"" : L" from " + step.from) + L"; ";
    }
    return shown;
}

}  // namespace

TEST(UndoRecord, BytesAreUtf8AndOnlyAWholeRecordOfTrustedPathsIsActedOn)
{
    UndoRecord record;
    record.newFolders = {L"backup", L"a b\\c"};
    record.files = {{L"backup\\strings.dat", false}, {L"\u010Ce\u0161tina\\\u0158e\u010D.txt", true},
                    {std::wstring(L"odd\xD800 12 name"), true}};
    const std::string bytes = SerializeUndoRecord(record);
    EXPECT_EQ(bytes, "VELANInst undo 2\nfolder 6 backup\nfolder 5 a b\\c\nnew 18 backup\\strings.dat\n"
                     "replaces 19 \xC4\x8C" "e\xC5\xA1tina\\\xC5\x98" "e\xC4\x8D.txt\n"
                     "replaces 14 odd\xED\xA0\x80 12 name\nend\n");
    UndoRecord parsed;
    ASSERT_EQ(Check(bytes, parsed), RecordCheck::Whole);
    EXPECT_EQ(SerializeUndoRecord(parsed), bytes);
    // Cut short anywhere, as a run stopped while writing it: ours, but with nothing to act on.
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        EXPECT_EQ(Check(bytes.substr(0, length), parsed), RecordCheck::Torn) << length;
    }
    // The first version's record, read by its system code page.
    EXPECT_EQ(Check("VELANInst undo 1\nreplaces 6 \xC8" "e.dat\nend\n", parsed), RecordCheck::Whole);
    EXPECT_EQ(parsed.files.at(0).relative, L"\u00C8e.dat");
    // Anything a run of ours never writes.
    const char* const foreign[] = {
        "VELANInst undo 3\nend\n", "VELANInst undo 2\nend\nextra", "velanInst undo 2\nend\n",
        "VELANInst undo 2\nnew 3 abc\nfolder 1 x\nend\n", "VELANInst undo 2\nmoved 1 a\nend\n",
        "VELANInst undo 2\nnew 3 abcd\nend\n", "VELANInst undo 2\nnew 2 \xC0\x80\nend\n",
        // Paths that leave the game folder or that no list could name.
        "VELANInst undo 2\nnew 6 ..\\x.d\nend\n", "VELANInst undo 2\nnew 9 a\\..\\..\\x\nend\n",
        "VELANInst undo 2\nnew 12 C:\\Windows\\x\nend\n", "VELANInst undo 2\nnew 10 \\\\server\\x\nend\n",
        "VELANInst undo 2\nnew 5 \\a\\bc\nend\n", "VELANInst undo 2\nfolder 3 a\\.\nend\n", "VELANInst undo 2\nnew 0 \nend\n",
        "VELANInst undo 2\nnew 9 a.txt:ads\nend\n", "VELANInst undo 2\nnew 7 nul.txt\nend\n",
        "VELANInst undo 2\nnew 16 VELANInst.undo\\0\nend\n", "VELANInst undo 2\nnew 2 a.\nend\n",
    };
    for (const char* other : foreign) EXPECT_EQ(Check(other, parsed), RecordCheck::Foreign) << other;
}

TEST(UndoRecord, UndoOfEveryMomentOfARun)
{
    UndoRecord record;
    record.newFolders = {L"new", L"new\\sub"};
    record.files = {{L"a.dat", true}, {L"new\\sub\\b.dat", false}, {L"c.dat", true}, {L"A.DAT", true}};
    const struct {
        const wchar_t* moment;
        std::set<std::wstring> disk;
        const wchar_t* undo;
    } cases[] = {
        {L"record written, nothing changed", {L"G\\a.dat", L"G\\c.dat"}, L""},
        {L"folders made", {L"G\\a.dat", L"G\\c.dat", L"G\\new", L"G\\new\\sub"}, L"rmdir G\\new\\sub; rmdir G\\new; "},
        {L"first original moved aside, not yet copied",
         {L"U\\0", L"G\\c.dat", L"G\\new", L"G\\new\\sub"},
         L"delete G\\a.dat; back G\\a.dat from U\\0; rmdir G\\new\\sub; rmdir G\\new; "},
        {L"second file half written",
         {L"U\\0", L"G\\a.dat", L"G\\new\\sub\\b.dat", L"G\\c.dat", L"G\\new", L"G\\new\\sub"},
         L"delete G\\new\\sub\\b.dat; delete G\\a.dat; back G\\a.dat from U\\0; rmdir G\\new\\sub; rmdir G\\new; "},
        // The last step writes the first file again under another spelling: its own aside holds
        // the first step's copy, which goes back first, then the original.
        {L"every file copied",
         {L"U\\0", L"U\\2", L"U\\3", L"G\\a.dat", L"G\\A.DAT", L"G\\new\\sub\\b.dat", L"G\\c.dat", L"G\\new",
          L"G\\new\\sub"},
         L"delete G\\A.DAT; back G\\A.DAT from U\\3; delete G\\c.dat; back G\\c.dat from U\\2; "
         L"delete G\\new\\sub\\b.dat; delete G\\a.dat; back G\\a.dat from U\\0; rmdir G\\new\\sub; rmdir G\\new; "},
    };
    for (const auto& c : cases) {
        const std::vector<UndoStep> steps =
            PlanUndo(record, L"G\\", L"U\\", [&](const std::wstring& path) { return c.disk.count(path) > 0; });
        EXPECT_EQ(Shown(steps), c.undo) << c.moment;
    }
}
