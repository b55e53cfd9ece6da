// The undo record and the steps that undo a run.
#include "install/UndoRecord.h"

#include <algorithm>

#include "framework/Utf8.h"
#include "install/RecordText.h"

namespace {

const char kLegacyHeader[] = "VELANInst undo 1\n";
const char kHeader[] = "VELANInst undo 2\n";
const char kEnd[] = "end\n";

}  // namespace

UndoRecord RecordOf(const CopyPlan& plan)
{
    UndoRecord record;
    record.newFolders = plan.newFolders;
    for (const CopyStep& step : plan.steps) record.files.push_back(UndoEntry{step.relative, step.replaces});
    return record;
}

std::wstring AsideName(int entry)
{
    return std::to_wstring(entry);
}

std::wstring PartName(int entry)
{
    return AsideName(entry) + WideAscii(kPartSuffix);
}

std::string SerializeUndoRecord(const UndoRecord& record)
{
    std::string out = kHeader;
    for (const std::wstring& folder : record.newFolders) AppendPath(out, "folder", folder);
    for (const UndoEntry& file : record.files) AppendPath(out, file.replaces ? "replaces" : "new", file.relative);
    out += kEnd;
    return out;
}

RecordCheck ParseUndoRecord(const std::string& bytes, UndoRecord& record,
                            const std::function<bool(const std::string&, std::wstring&)>& legacyName)
{
    bool cut = false;
    const bool legacy = StartsAsOrCutShort(bytes, 0, kLegacyHeader, cut) && !cut;
    if (!legacy && !StartsAsOrCutShort(bytes, 0, kHeader, cut)) return RecordCheck::Foreign;
    if (cut) return RecordCheck::Torn;
    UndoRecord parsed;
    std::size_t at = sizeof kHeader - 1;
    std::string kind;
    std::string name;
    while (!(StartsAsOrCutShort(bytes, at, kEnd, cut) && !cut && at + sizeof kEnd - 1 == bytes.size())) {
        if (StartsAsOrCutShort(bytes, at, kEnd, cut) && cut) return RecordCheck::Torn;
        const Read read = ReadLine(bytes, at, kind, name);
        if (read == Read::OutOfBytes) return RecordCheck::Torn;
        if (read == Read::Malformed) return RecordCheck::Foreign;
        std::wstring path;
        const bool text = legacy ? legacyName(name, path) : Utf16FromUtf8(name, path);
        if (!text || !Trusted(path)) return RecordCheck::Foreign;
        if (kind == "folder" && parsed.files.empty()) {
            parsed.newFolders.push_back(path);
        } else if (kind == "replaces" || kind == "new") {
            parsed.files.push_back(UndoEntry{path, kind == "replaces"});
        } else {
            return RecordCheck::Foreign;
        }
    }
    record = std::move(parsed);
    return RecordCheck::Whole;
}

std::vector<UndoStep> PlanUndo(const UndoRecord& record, const std::wstring& gameDir, const std::wstring& undoDir,
                               const std::function<bool(const std::wstring&)>& exists)
{
    std::vector<UndoStep> steps;
    for (int i = static_cast<int>(record.files.size()) - 1; i >= 0; --i) {
        const UndoEntry& entry = record.files[static_cast<std::size_t>(i)];
        const std::wstring path = gameDir + entry.relative;
        if (entry.replaces) {
            // Without its original in the undo folder the run never reached this file: what
            // stands there is still the game's own. With it, whatever stands there goes first: what
            // the run wrote, or what the undo of a later step put back under another spelling.
            const std::wstring aside = undoDir + AsideName(i);
            if (!exists(aside)) continue;
            steps.push_back(UndoStep{UndoOp::DeleteFile, path, std::wstring()});
            steps.push_back(UndoStep{UndoOp::MoveBack, path, aside});
        } else if (exists(path)) {
            steps.push_back(UndoStep{UndoOp::DeleteFile, path, std::wstring()});
        }
    }
    for (auto folder = record.newFolders.rbegin(); folder != record.newFolders.rend(); ++folder) {
        const std::wstring path = gameDir + *folder;
        if (exists(path)) steps.push_back(UndoStep{UndoOp::RemoveFolder, path, std::wstring()});
    }
    return steps;
}
