// The undo record and the steps that undo a run.
#include "UndoRecord.h"

#include <string>

namespace {

const char kHeader[] = "VELANInst undo 1\n";
const char kEnd[] = "end\n";

void AppendPath(std::string& out, const char* kind, const CString& path)
{
    out += kind;
    out += ' ';
    out += std::to_string(path.GetLength());
    out += ' ';
    out += path.Bytes();
    out += '\n';
}

// Reads "<kind> <length> <bytes>\n" at `at`; false when the text there is anything else.
bool ReadPath(const std::string& in, std::size_t& at, std::string& kind, CString& path)
{
    const std::size_t space = in.find(' ', at);
    if (space == std::string::npos) return false;
    kind = in.substr(at, space - at);
    std::size_t length = 0;
    std::size_t digits = space + 1;
    for (; digits < in.size() && in[digits] >= '0' && in[digits] <= '9'; ++digits) {
        if (length > in.size()) return false;
        length = length * 10 + static_cast<std::size_t>(in[digits] - '0');
    }
    if (digits == space + 1 || digits >= in.size() || in[digits] != ' ') return false;
    const std::size_t start = digits + 1;
    if (length > in.size() - start || start + length >= in.size() || in[start + length] != '\n') return false;
    path = CString(in.data() + start, length);
    at = start + length + 1;
    return true;
}

}  // namespace

UndoRecord RecordOf(const CopyPlan& plan)
{
    UndoRecord record;
    record.newFolders = plan.newFolders;
    for (const CopyStep& step : plan.steps) {
        if (step.firstWrite) record.files.push_back(UndoEntry{step.relative, step.replaces});
    }
    return record;
}

CString AsideName(int entry)
{
    return CString(std::to_string(entry));
}

CString SerializeUndoRecord(const UndoRecord& record)
{
    std::string out = kHeader;
    for (const CString& folder : record.newFolders) AppendPath(out, "folder", folder);
    for (const UndoEntry& file : record.files) AppendPath(out, file.replaces ? "replaces" : "new", file.relative);
    out += kEnd;
    return CString(std::move(out));
}

bool ParseUndoRecord(const CString& bytes, UndoRecord& record)
{
    const std::string& in = bytes.Bytes();
    if (in.compare(0, sizeof kHeader - 1, kHeader) != 0) return false;
    UndoRecord parsed;
    std::size_t at = sizeof kHeader - 1;
    std::string kind;
    CString path;
    while (in.compare(at, std::string::npos, kEnd) != 0) {
        if (!ReadPath(in, at, kind, path)) return false;
        if (kind == "folder" && parsed.files.empty()) {
            parsed.newFolders.push_back(path);
        } else if (kind == "replaces" || kind == "new") {
            parsed.files.push_back(UndoEntry{path, kind == "replaces"});
        } else {
            return false;
        }
    }
    record = std::move(parsed);
    return true;
}

std::vector<UndoStep> PlanUndo(const UndoRecord& record, const CString& gameDir, const CString& undoDir,
                               const std::function<bool(const CString&)>& exists)
{
    std::vector<UndoStep> steps;
    for (int i = static_cast<int>(record.files.size()) - 1; i >= 0; --i) {
        const UndoEntry& entry = record.files[static_cast<std::size_t>(i)];
        const CString path = gameDir + entry.relative;
        if (entry.replaces) {
            // Without its original in the undo folder the run never reached this file: what
            // stands there is still the game's own.
            const CString aside = undoDir + AsideName(i);
            if (!exists(aside)) continue;
            if (exists(path)) steps.push_back(UndoStep{UndoOp::DeleteFile, path, CString()});
            steps.push_back(UndoStep{UndoOp::MoveBack, path, aside});
        } else if (exists(path)) {
            steps.push_back(UndoStep{UndoOp::DeleteFile, path, CString()});
        }
    }
    for (auto folder = record.newFolders.rbegin(); folder != record.newFolders.rend(); ++folder) {
        const CString path = gameDir + *folder;
        if (exists(path)) steps.push_back(UndoStep{UndoOp::RemoveFolder, path, CString()});
    }
    return steps;
}
