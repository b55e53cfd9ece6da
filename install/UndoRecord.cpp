// The undo record and the steps that undo a run.
#include "UndoRecord.h"

#include <algorithm>

#include "../framework/Utf8.h"
#include "DestinationRules.h"

namespace {

const char kLegacyHeader[] = "VELANInst undo 1\n";
const char kHeader[] = "VELANInst undo 2\n";
const char kEnd[] = "end\n";
const char kPartSuffix[] = ".part";

// The longest paths the file functions take without the long-path prefix: a file's, and a
// folder's, which must leave room for a short name below it.
const std::size_t kLongestFilePath = 259;
const std::size_t kLongestFolderPath = 247;

void AppendPath(std::string& out, const char* kind, const std::wstring& path)
{
    const std::string bytes = Utf8FromUtf16(path);
    out += kind;
    out += ' ';
    out += std::to_string(bytes.size());
    out += ' ';
    out += bytes;
    out += '\n';
}

enum class Read { Line, OutOfBytes, Malformed };

// True when `in` from `at` on is a beginning of `text` (a whole line or one cut short).
bool StartsAsOrCutShort(const std::string& in, std::size_t at, const char* text, bool& cut)
{
    const std::string whole = text;
    const std::size_t left = in.size() - at;
    cut = left < whole.size();
    return in.compare(at, cut ? left : whole.size(), whole, 0, cut ? left : whole.size()) == 0;
}

// Reads "<kind> <length> <bytes>\n" at `at`.
Read ReadPath(const std::string& in, std::size_t& at, std::string& kind, std::string& path)
{
    std::size_t space = at;
    while (space < in.size() && in[space] >= 'a' && in[space] <= 'z') ++space;
    if (space == in.size()) return Read::OutOfBytes;
    if (space == at || in[space] != ' ') return Read::Malformed;
    kind = in.substr(at, space - at);
    std::size_t length = 0;
    std::size_t digits = space + 1;
    for (; digits < in.size() && in[digits] >= '0' && in[digits] <= '9'; ++digits) {
        if (length > in.size()) return Read::Malformed;
        length = length * 10 + static_cast<std::size_t>(in[digits] - '0');
    }
    if (digits == in.size()) return Read::OutOfBytes;
    if (digits == space + 1 || in[digits] != ' ') return Read::Malformed;
    const std::size_t start = digits + 1;
    if (length >= in.size() - start) return Read::OutOfBytes;
    if (in[start + length] != '\n') return Read::Malformed;
    path = in.substr(start, length);
    at = start + length + 1;
    return Read::Line;
}

// A path the run itself could have written: canonical, and one the destination rules accept.
bool Trusted(const std::wstring& path)
{
    return !path.empty() && CanonicalDestination(path) == path && DestinationAcceptable(path);
}

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

bool IsRunFileName(const std::wstring& name)
{
    if (SamePath(name, WideAscii(kUndoRecordName))) return true;
    std::size_t digits = 0;
    while (digits < name.size() && name[digits] >= L'0' && name[digits] <= L'9') ++digits;
    const std::wstring rest = name.substr(digits);
    return digits > 0 && (rest.empty() || rest == WideAscii(kPartSuffix));
}

bool UndoFolderTooDeep(const CopyPlan& plan, const std::wstring& gameDir)
{
    const std::wstring undoDir = UndoFolderOf(gameDir);
    // The part of the last original is the longest name a run puts there.
    const std::size_t longestName =
        std::max(WideAscii(kUndoRecordName).size(), PartName(static_cast<int>(plan.steps.size())).size());
    return undoDir.size() - 1 > kLongestFolderPath || undoDir.size() + longestName > kLongestFilePath;
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
        const Read read = ReadPath(bytes, at, kind, name);
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
