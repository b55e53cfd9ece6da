// libFuzzer target: arbitrary bytes as files.cfg and as version, through everything that decides.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "framework/LineSplitter.h"
#include "install/CopyPlan.h"
#include "install/DestinationRules.h"
#include "install/InstallPlan.h"
#include "install/Manifest.h"
#include "install/UndoRecord.h"

namespace {

// Splits the bytes as the text-file reader does, in chunks whose sizes the input chooses.
class ChunkedLines {
public:
    ChunkedLines(const uint8_t* data, std::size_t size) : m_data(reinterpret_cast<const char*>(data)), m_size(size) {}
    bool Next(CString& line)
    {
        while (!m_lines.NextLine(line)) {
            if (m_lines.AtEnd()) return false;
            if (m_at == m_size) {
                m_lines.Finish();
                continue;
            }
            const std::size_t chunk = 1 + static_cast<unsigned char>(m_data[m_at]) % 61;
            const std::size_t n = chunk < m_size - m_at ? chunk : m_size - m_at;
            const std::size_t used = m_lines.Feed(m_data + m_at, n);
            m_at += n;
            if (used < n) m_at = m_size;  // an end mark: nothing after it is read
        }
        return true;
    }

private:
    const char* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
    CLineSplitter m_lines;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    // As files.cfg: shipped files "exist" when their name has an even length.
    CStringArray sources;
    CStringArray dests;
    ChunkedLines list(data, size);
    const ManifestOutcome outcome = ReadManifest([&](CString& line) { return list.Next(line); },
                                                 [](const CString& p) { return p.GetLength() % 2 == 0; },
                                                 "D:\\CZ\\", sources, dests);
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
    const std::vector<UndoStep> undo = PlanUndo(parsed, "C:\\Hra\\", "C:\\Hra\\u\\", [](const CString&) { return true; });
    const auto count = [&](UndoOp op) { return std::count_if(undo.begin(), undo.end(), [&](const UndoStep& u) { return u.op == op; }); };
    if (count(UndoOp::MoveBack) != replaced || count(UndoOp::DeleteFile) != entries) __builtin_trap();

    // As version: every line comes back with CR LF, and no line holds a line feed.
    ChunkedLines note(data, size);
    CString line;
    CString text;
    while (note.Next(line)) {
        if (line.Find('\n') >= 0) __builtin_trap();
        text += line;
        text += "\r\n";
    }

    // The MB figure over the whole input taken as a byte count.
    FormatMegabytes(CString(reinterpret_cast<const char*>(data), size), size);
    return 0;
}
