// The install run's copy plan.
#include "CopyPlan.h"

#include <map>
#include <set>
#include <string>

#include "InstallPlan.h"

namespace {

bool IsSeparator(char ch)
{
    return ch == '\\' || ch == '/';
}

std::string FoldedKey(const CString& text)
{
    std::string key = text.Bytes();
    for (char& ch : key) {
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    }
    return key;
}

std::vector<std::string> Components(const CString& dest)
{
    std::vector<std::string> parts;
    std::string part;
    const std::string& bytes = dest.Bytes();
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && !IsSeparator(bytes[i])) {
            part += bytes[i];
            continue;
        }
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    }
    return parts;
}

}  // namespace

CString CanonicalDestination(const CString& dest)
{
    std::string joined;
    for (const std::string& part : Components(dest)) {
        if (!joined.empty()) joined += '\\';
        joined += part;
    }
    return CString(std::move(joined));
}

bool IsInUndoFolder(const CString& dest)
{
    const std::vector<std::string> parts = Components(dest);
    return !parts.empty() && FoldedKey(CString(parts.front())) == FoldedKey(kUndoFolderName);
}

CopyPlan PlanCopy(const CStringArray& sources, const CStringArray& dests, const CString& gameDir,
                  const std::function<PathState(const CString&)>& probe)
{
    CopyPlan plan;
    std::map<std::string, int> writes;
    for (int i = 0; i < dests.GetSize(); ++i) ++writes[FoldedKey(CanonicalDestination(dests[i]))];
    const std::string gameKey = FoldedKey(gameDir);
    std::set<std::string> written;
    std::set<std::string> folders;  // folders seen, existing or planned
    int undoEntries = 0;
    for (int i = 0; i < sources.GetSize(); ++i) {
        const CString relative = CanonicalDestination(dests[i]);
        const CString destination = gameDir + relative;
        const PathState state = probe(destination);
        if (IsGameDirSource(sources[i]) && state != PathState::Missing) continue;
        if (state == PathState::Folder || relative.IsEmpty()) {
            if (plan.folderInTheWay < 0) plan.folderInTheWay = static_cast<int>(plan.steps.size());
        }
        // The folders above it, parents first; below a missing one everything is missing.
        bool missing = false;
        for (int at = relative.Find('\\'); at >= 0; at = relative.Find('\\', at + 1)) {
            const CString folder = relative.Left(at);
            if (!folders.insert(FoldedKey(folder)).second) continue;
            if (!missing) missing = probe(gameDir + folder) == PathState::Missing;
            if (missing) plan.newFolders.push_back(folder);
        }
        const std::string key = FoldedKey(relative);
        const bool first = written.insert(key).second;
        const bool replaces = first && state == PathState::File;
        const CString source = ResolveSource(sources[i], gameDir);
        const bool ordered = FoldedKey(source).compare(0, gameKey.size(), gameKey) == 0 || writes[key] > 1;
        plan.steps.push_back(CopyStep{source, relative, first, replaces, first ? undoEntries++ : -1, ordered});
    }
    return plan;
}
