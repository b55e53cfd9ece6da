// The restore point's record, how installs add to it, and the restore's steps.
#include "install/RestorePoint.h"

#include <map>
#include <set>

#include "framework/Utf8.h"
#include "install/GamePaths.h"
#include "install/RecordText.h"

namespace {

const char kPointHeader[] = "VELANInst restore 1\n";
const char kJournalHeader[] = "VELANInst restoring 1\n";
const char kEnd[] = "end\n";
const wchar_t kAsideSuffix[] = L".out";

bool AllDigits(const std::wstring& text, std::size_t from, std::size_t to)
{
    if (from >= to || to - from > 9) return false;
    for (std::size_t i = from; i < to; ++i) {
        if (text[i] < L'0' || text[i] > L'9') return false;
    }
    return true;
}

bool ParseNumber(const std::string& text, unsigned long long& value)
{
    if (text.empty() || text.size() > 20) return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        const unsigned long long next = value * 10 + static_cast<unsigned>(c - '0');
        if (next / 10 != value) return false;
        value = next;
    }
    return true;
}

std::string WrittenText(const WrittenFile& written)
{
    return std::to_string(written.size) + ' ' + std::to_string(written.hash) + ' ' + std::to_string(written.time);
}

bool ParseWritten(const std::string& text, WrittenFile& written)
{
    const std::size_t first = text.find(' ');
    const std::size_t second = first == std::string::npos ? first : text.find(' ', first + 1);
    if (second == std::string::npos) return false;
    unsigned long long hash = 0;
    if (!ParseNumber(text.substr(0, first), written.size) ||
        !ParseNumber(text.substr(first + 1, second - first - 1), hash) || hash > 0xFFFFFFFFu ||
        !ParseNumber(text.substr(second + 1), written.time)) {
        return false;
    }
    written.hash = static_cast<std::uint32_t>(hash);
    return true;
}

// Reads the lines between a header and "end" of a whole record; false when it is not one.
bool ReadLines(const std::string& bytes, const char* header,
               const std::function<bool(const std::string&, const std::string&)>& line)
{
    bool cut = false;
    if (!StartsAsOrCutShort(bytes, 0, header, cut) || cut) return false;
    std::size_t at = std::string(header).size();
    std::string kind;
    std::string text;
    while (!(StartsAsOrCutShort(bytes, at, kEnd, cut) && !cut)) {
        if (ReadLine(bytes, at, kind, text) != Read::Line || !line(kind, text)) return false;
    }
    return at + sizeof kEnd - 1 == bytes.size();
}

bool TrustedPath(const std::string& text, std::wstring& path)
{
    return Utf16FromUtf8(text, path) && Trusted(path);
}

}  // namespace

std::wstring KeptName(unsigned generation, int step)
{
    return std::to_wstring(generation) + L'.' + std::to_wstring(step);
}

bool IsKeptName(const std::wstring& name)
{
    const std::size_t dot = name.find(L'.');
    return dot != std::wstring::npos && AllDigits(name, 0, dot) && AllDigits(name, dot + 1, name.size());
}

std::wstring MovedAsideName(int step)
{
    return std::to_wstring(step) + kAsideSuffix;
}

bool IsRestoreFileName(const std::wstring& name)
{
    std::wstring suffix = kAsideSuffix;
    bool aside = name.size() > suffix.size() && SamePath(name.substr(name.size() - suffix.size()), suffix) &&
                 AllDigits(name, 0, name.size() - suffix.size());
    suffix += WideAscii(kPartSuffix);
    aside = aside || (name.size() > suffix.size() && SamePath(name.substr(name.size() - suffix.size()), suffix) &&
                      AllDigits(name, 0, name.size() - suffix.size()));
    return aside || IsKeptName(name) || SamePath(name, WideAscii(kRestoreRecordName)) ||
           SamePath(name, WideAscii(kRestoreJournalName)) || SamePath(name, WideAscii(kKeptProgramName)) ||
           SamePath(name, WideAscii(kKeptLibraryName));
}

std::string SerializeRestorePoint(const RestorePoint& point)
{
    std::string out = kPointHeader;
    AppendLine(out, "generation", std::to_string(point.generation));
    for (const std::wstring& folder : point.folders) AppendPath(out, "folder", folder);
    for (const RestoreEntry& file : point.files) {
        if (file.kept.empty()) {
            AppendPath(out, "created", file.relative);
        } else {
            AppendPath(out, "original", file.relative);
            AppendPath(out, "kept", file.kept);
        }
        AppendLine(out, "written", WrittenText(file.written));
    }
    out += kEnd;
    return out;
}

bool ParseRestorePoint(const std::string& bytes, RestorePoint& point)
{
    RestorePoint parsed;
    bool haveGeneration = false;
    // Each file is "created" or "original" + "kept", then "written".
    enum class Expect { Any, Kept, Written } expect = Expect::Any;
    const bool whole = ReadLines(bytes, kPointHeader, [&](const std::string& kind, const std::string& text) {
        std::wstring path;
        if (expect == Expect::Kept) {
            expect = Expect::Written;
            return kind == "kept" && Utf16FromUtf8(text, parsed.files.back().kept) && IsKeptName(parsed.files.back().kept);
        }
        if (expect == Expect::Written) {
            expect = Expect::Any;
            return kind == "written" && ParseWritten(text, parsed.files.back().written);
        }
        if (kind == "generation" && !haveGeneration) {
            unsigned long long generation = 0;
            haveGeneration = ParseNumber(text, generation) && generation <= 0xFFFFFFu;
            parsed.generation = static_cast<unsigned>(generation);
            return haveGeneration;
        }
        if (!haveGeneration || !TrustedPath(text, path)) return false;
        if (kind == "folder" && parsed.files.empty()) {
            parsed.folders.push_back(path);
            return true;
        }
        if (kind != "created" && kind != "original") return false;
        parsed.files.push_back(RestoreEntry{path, std::wstring(), WrittenFile()});
        expect = kind == "original" ? Expect::Kept : Expect::Written;
        return true;
    });
    if (!whole || expect != Expect::Any || !haveGeneration) return false;
    point = std::move(parsed);
    return true;
}

RestorePoint MergeRestorePoint(const RestorePoint& earlier, const CopyPlan& plan,
                               const std::vector<WrittenFile>& written)
{
    RestorePoint merged = earlier;
    merged.generation = earlier.generation + 1;
    std::set<std::wstring> folders;
    for (const std::wstring& folder : merged.folders) folders.insert(PathKey(folder));
    for (const std::wstring& folder : plan.newFolders) {
        if (folders.insert(PathKey(folder)).second) merged.folders.push_back(folder);
    }
    std::map<std::wstring, std::size_t> index;
    for (std::size_t i = 0; i < merged.files.size(); ++i) index[PathKey(merged.files[i].relative)] = i;
    for (std::size_t step = 0; step < plan.steps.size(); ++step) {
        const CopyStep& copy = plan.steps[step];
        const auto found = index.find(PathKey(copy.relative));
        if (found != index.end()) {
            // Written again: what it holds now is what a restore must find there.
            merged.files[found->second].written = written[step];
            continue;
        }
        const std::wstring kept = copy.replaces ? KeptName(merged.generation, static_cast<int>(step)) : std::wstring();
        index[PathKey(copy.relative)] = merged.files.size();
        merged.files.push_back(RestoreEntry{copy.relative, kept, written[step]});
    }
    return merged;
}

std::vector<KeptOriginal> OriginalsToKeep(const RestorePoint& point)
{
    const std::wstring prefix = std::to_wstring(point.generation) + L'.';
    std::vector<KeptOriginal> keep;
    for (const RestoreEntry& file : point.files) {
        if (file.kept.compare(0, prefix.size(), prefix) == 0 && file.kept.size() > prefix.size()) {
            keep.push_back(KeptOriginal{std::stoi(file.kept.substr(prefix.size())), file.kept});
        }
    }
    return keep;
}

RestoreJournal PlanRestore(const RestorePoint& point, const std::function<FileNow(const RestoreEntry&)>& now)
{
    RestoreJournal journal;
    for (const RestoreEntry& file : point.files) {
        const FileNow state = now(file);
        if (state == FileNow::Changed) {
            journal.leftAlone.push_back(file.relative);
        } else if (state == FileNow::AsWritten || !file.kept.empty()) {
            // A replaced file that is gone gets its original back all the same.
            journal.steps.push_back(RestoreStep{file.relative, file.kept, state == FileNow::AsWritten});
        }
    }
    journal.folders.assign(point.folders.rbegin(), point.folders.rend());
    return journal;
}

std::string SerializeRestoreJournal(const RestoreJournal& journal)
{
    std::string out = kJournalHeader;
    for (const RestoreStep& step : journal.steps) {
        AppendPath(out, step.aside ? "aside" : "missing", step.relative);
        if (!step.kept.empty()) AppendPath(out, "kept", step.kept);
    }
    for (const std::wstring& folder : journal.folders) AppendPath(out, "folder", folder);
    for (const std::wstring& file : journal.leftAlone) AppendPath(out, "left", file);
    out += kEnd;
    return out;
}

bool ParseRestoreJournal(const std::string& bytes, RestoreJournal& journal)
{
    RestoreJournal parsed;
    const bool whole = ReadLines(bytes, kJournalHeader, [&](const std::string& kind, const std::string& text) {
        std::wstring path;
        if (kind == "kept") {
            if (parsed.steps.empty() || !parsed.steps.back().kept.empty() || !parsed.folders.empty()) return false;
            return Utf16FromUtf8(text, parsed.steps.back().kept) && IsKeptName(parsed.steps.back().kept);
        }
        if (!TrustedPath(text, path)) return false;
        if ((kind == "aside" || kind == "missing") && parsed.folders.empty() && parsed.leftAlone.empty()) {
            parsed.steps.push_back(RestoreStep{path, std::wstring(), kind == "aside"});
        } else if (kind == "folder" && parsed.leftAlone.empty()) {
            parsed.folders.push_back(path);
        } else if (kind == "left") {
            parsed.leftAlone.push_back(path);
        } else {
            return false;
        }
        return true;
    });
    if (!whole) return false;
    for (const RestoreStep& step : parsed.steps) {
        if (!step.aside && step.kept.empty()) return false;
    }
    journal = std::move(parsed);
    return true;
}

std::vector<FileMove> MovesOf(const RestoreJournal& journal, const std::wstring& gameDir,
                              const std::wstring& restoreDir)
{
    std::vector<FileMove> moves;
    for (std::size_t i = 0; i < journal.steps.size(); ++i) {
        const RestoreStep& step = journal.steps[i];
        const std::wstring path = gameDir + step.relative;
        const int at = static_cast<int>(i);
        const std::wstring aside = restoreDir + MovedAsideName(at);
        if (step.aside) moves.push_back(FileMove{path, aside, aside + WideAscii(kPartSuffix), at});
        if (!step.kept.empty()) moves.push_back(FileMove{restoreDir + step.kept, path, std::wstring(), at});
    }
    return moves;
}

std::vector<UndoStep> PlanRestoreReverse(const RestoreJournal& journal, const std::wstring& gameDir,
                                         const std::wstring& restoreDir,
                                         const std::function<bool(const std::wstring&)>& exists)
{
    std::vector<UndoStep> steps;
    for (int i = static_cast<int>(journal.steps.size()) - 1; i >= 0; --i) {
        const RestoreStep& step = journal.steps[static_cast<std::size_t>(i)];
        const std::wstring path = gameDir + step.relative;
        const std::wstring aside = restoreDir + MovedAsideName(i);
        const std::wstring kept = restoreDir + step.kept;
        const bool there = exists(path);
        if (step.aside && !exists(aside)) continue;  // never moved aside: the step had not begun
        if (!step.kept.empty() && !exists(kept)) {
            // The original was moved back whole: it returns to the restore folder.
            if (there) steps.push_back(UndoStep{UndoOp::MoveBack, kept, path});
        } else if (there && (step.aside || !step.kept.empty())) {
            // Either the translation's own file not yet deleted after its copy aside, or an
            // original's copy cut short: the restore folder holds both whole.
            steps.push_back(UndoStep{UndoOp::DeleteFile, path, std::wstring()});
        }
        if (step.aside) steps.push_back(UndoStep{UndoOp::MoveBack, path, aside});
    }
    return steps;
}
