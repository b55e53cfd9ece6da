// libFuzzer target: arbitrary bytes as files.cfg and as version, through everything that decides.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "framework/LineSplitter.h"
#include "install/InstallPlan.h"
#include "install/Manifest.h"

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

    // The copy lists: one entry per pair at most, each list closed by its extra NUL.
    std::set<std::string> existing;
    const CopyLists lists = BuildCopyLists(sources, dests, "C:\\Hra\\", [&](const CString& p) {
        return !existing.insert(p.Bytes()).second;
    });
    if (lists.count > sources.GetSize()) __builtin_trap();
    if (lists.from.IsEmpty() || lists.from.GetAt(lists.from.GetLength() - 1) != '\0') __builtin_trap();
    // Every pair stays a pair for the shell: one NUL after each entry and one closing each list.
    const auto nuls = [](const CString& list) { return std::count(list.Bytes().begin(), list.Bytes().end(), '\0'); };
    if (nuls(lists.from) != lists.count + 1 || nuls(lists.to) != lists.count + 1) __builtin_trap();

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
