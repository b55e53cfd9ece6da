// libFuzzer target: arbitrary bytes as files.cfg and as version, through everything that decides.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "install/CopyPlan.h"
#include "install/DestinationRules.h"
#include "install/InstallPlan.h"
#include "install/Manifest.h"
#include "install/UndoRecord.h"
#include "support/LineChunks.h"

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

    // The copy plan: at most one step per pair, destinations canonical and never in the undo
    // folder, each destination recorded once, and its record read back as written. A path "exists"
    // the second time it is asked for.
    std::set<std::string> asked;
    const CopyPlan plan = PlanCopy(sources, dests, "C:\\Hra\\", [&](const CString& p) {
        return asked.insert(p.Bytes()).second ? PathState::Missing : PathState::File;
    });
    if (plan.steps.size() > static_cast<std::size_t>(sources.GetSize())) __builtin_trap();
    int replaced = 0;
    int entries = 0;
    for (const CopyStep& step : plan.steps) {
        if (CanonicalDestination(step.relative) != step.relative || IsInUndoFolder(step.relative)) __builtin_trap();
        if (step.firstWrite != (step.undoIndex == entries)) __builtin_trap();
        if (step.firstWrite) ++entries;
        if (step.replaces) ++replaced;
    }
    const UndoRecord record = RecordOf(plan);
    UndoRecord parsed;
    if (!ParseUndoRecord(SerializeUndoRecord(record), parsed)) __builtin_trap();
    if (parsed.files.size() != static_cast<std::size_t>(entries) || parsed.newFolders != record.newFolders) {
        __builtin_trap();
    }
    // With every original aside and every file written, the undo deletes each file and moves each
    // original back.
    const std::vector<UndoStep> undo =
        PlanUndo(parsed, "C:\\Hra\\", "C:\\Hra\\u\\", [](const CString&) { return true; });
    const auto count = [&](UndoOp op) {
        return std::count_if(undo.begin(), undo.end(), [&](const UndoStep& u) { return u.op == op; });
    };
    if (count(UndoOp::MoveBack) != replaced || count(UndoOp::DeleteFile) != entries) __builtin_trap();

    // The MB figure over the whole input taken as a byte count.
    FormatMegabytes(CString(bytes), size);
    return 0;
}
