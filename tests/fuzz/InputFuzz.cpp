// libFuzzer target: arbitrary bytes as files.cfg and as version, through everything that decides.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "install/CopyPlan.h"
#include "install/DestinationRules.h"
#include "ui/StatusText.h"
#include "install/Manifest.h"
#include "install/UndoRecord.h"
#include "tests/support/LineChunks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    // Split as the text-file reader does, in chunks whose sizes the input chooses. As version:
    // every line is shown with CR LF added, so no line may hold a line feed of its own.
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = LinesInChunks(bytes, [&](std::size_t at) { return 1 + data[at] % 61; });
    for (const std::string& line : lines) {
        if (line.find('\n') != std::string::npos) __builtin_trap();
    }

    // As files.cfg: shipped files "exist" when their name has an even length.
    CStringArray sources;
    CStringArray dests;
    std::size_t next = 0;
    const ManifestOutcome outcome = ReadManifest(
        [&](CString& line) {
            if (next == lines.size()) return false;
            line = CString(lines[next++]);
            return true;
        },
        [](const CString& p) { return p.GetLength() % 2 == 0; }, "D:\\CZ\\", sources, dests);
    if (sources.GetSize() != dests.GetSize()) __builtin_trap();
    if (outcome.stop == ManifestStop::None && !outcome.subject.IsEmpty()) __builtin_trap();
    for (int i = 0; i < dests.GetSize(); ++i) {
        if (!DestinationAcceptable(dests[i])) __builtin_trap();  // refused ones never get in
        if (sources[i].Find('\0') >= 0) __builtin_trap();
    }

    // The copy plan, with the list's bytes widened one to one: at most one step per pair,
    // destinations canonical and never in the undo folder, and its record read back as written
    // (every path in it one a record may be trusted with). A path "exists" the second time it is
    // asked for.
    const auto widened = [](const std::string& bytes) {
        const auto* begin = reinterpret_cast<const unsigned char*>(bytes.data());
        return std::wstring(begin, begin + bytes.size());
    };
    std::vector<std::wstring> wideSources;
    std::vector<std::wstring> wideDests;
    for (int i = 0; i < sources.GetSize(); ++i) {
        wideSources.push_back(widened(sources[i].Bytes()));
        wideDests.push_back(widened(dests[i].Bytes()));
    }
    std::set<std::wstring> asked;
    const CopyPlan plan = PlanCopy(wideSources, wideDests, L"C:\\Hra\\", [&](const std::wstring& p) {
        return PathProbe{asked.insert(p).second ? PathState::Missing : PathState::File, false, L""};
    });
    if (plan.steps.size() > static_cast<std::size_t>(sources.GetSize())) __builtin_trap();
    long replaced = 0;
    for (const CopyStep& step : plan.steps) {
        if (CanonicalDestination(step.relative) != step.relative || IsInInstallerFolder(step.relative)) __builtin_trap();
        if (step.replaces) ++replaced;
    }
    const UndoRecord record = RecordOf(plan);
    UndoRecord parsed;
    const std::string recordBytes = SerializeUndoRecord(record);
    const RecordCheck check =
        ParseUndoRecord(recordBytes, parsed, [](const std::string&, std::wstring&) { return false; });
    // The game folder itself as a destination stops the run before a record is written.
    if (plan.folderInTheWay < 0 && check != RecordCheck::Whole) __builtin_trap();
    if (check == RecordCheck::Whole && (parsed.files.size() != plan.steps.size() || parsed.newFolders != record.newFolders)) {
        __builtin_trap();
    }
    // The input itself as a record: never trusted with a path a list could not name.
    if (ParseUndoRecord(bytes, parsed, [&](const std::string& b, std::wstring& w) {
            w = widened(b);
            return true;
        }) == RecordCheck::Whole) {
        const auto trusted = [](const std::wstring& path) {
            return DestinationAcceptable(path) && CanonicalDestination(path) == path && !path.empty();
        };
        for (const UndoEntry& entry : parsed.files) {
            if (!trusted(entry.relative)) __builtin_trap();
        }
        for (const std::wstring& folder : parsed.newFolders) {
            if (!trusted(folder)) __builtin_trap();
        }
    }
    // With every original aside and every file written, the undo deletes each file and moves each
    // original back.
    const std::vector<UndoStep> undo =
        PlanUndo(record, L"C:\\Hra\\", L"C:\\Hra\\u\\", [](const std::wstring&) { return true; });
    const auto count = [&](UndoOp op) {
        return std::count_if(undo.begin(), undo.end(), [&](const UndoStep& u) { return u.op == op; });
    };
    if (count(UndoOp::MoveBack) != replaced || count(UndoOp::DeleteFile) != static_cast<long>(plan.steps.size())) {
        __builtin_trap();
    }

    // The MB figure over the whole input taken as a byte count.
    FormatMegabytes(CString(bytes), size);
    return 0;
}
