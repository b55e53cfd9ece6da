// The install run's copy plan.
#include "install/CopyPlan.h"

#include <map>


namespace {

// A name that could be a short (8.3) name of some other file or folder: "PROGRA~1", "VELA~VCR.UND".
bool MayBeShortName(const std::wstring& path)
{
    return path.find(L'~') != std::wstring::npos;
}

}  // namespace

CopyPlan PlanCopy(const std::vector<std::wstring>& sources, const std::vector<std::wstring>& dests,
                  const std::wstring& gameDir, const std::function<PathProbe(const std::wstring&)>& probe)
{
    CopyPlan plan;
    std::map<std::wstring, int> writes;
    for (const std::wstring& dest : dests) ++writes[PathKey(CanonicalDestination(dest))];
    // Folders seen so far, existing or planned: whether a link lies on the way to each.
    std::map<std::wstring, bool> folders;
    std::map<std::wstring, std::wstring> gateways;  // by key: one check for every spelling
    for (std::size_t i = 0; i < sources.size() && i < dests.size(); ++i) {
        std::wstring relative = CanonicalDestination(dests[i]);
        const PathProbe destination = probe(gameDir + relative);
        if (destination.state == PathState::File && !destination.name.empty()) {
            relative = WithLastName(relative, destination.name);
        }
        if (IsGameDirSource(sources[i]) && destination.state != PathState::Missing) continue;
        if (destination.state == PathState::Folder || relative.empty()) {
            if (plan.folderInTheWay < 0) plan.folderInTheWay = static_cast<int>(plan.steps.size());
        }
        // The folders above it, parents first; below a missing one everything is missing.
        bool linked = false;
        bool missing = false;
        const std::vector<std::wstring> above = FoldersAbove(relative);
        for (const std::wstring& folder : above) {
            const auto seen = folders.find(PathKey(folder));
            if (seen != folders.end()) {
                linked = seen->second;
                missing = false;  // a later folder below it is probed afresh
                continue;
            }
            const PathProbe found = missing ? PathProbe{} : probe(gameDir + folder);
            missing = found.state == PathState::Missing;
            linked = linked || found.link;
            folders.emplace(PathKey(folder), linked);
            if (missing) plan.newFolders.push_back(folder);
            if (found.link) gateways.emplace(PathKey(folder), folder);
        }
        if (!above.empty()) gateways.emplace(PathKey(above.front()), above.front());
        const std::wstring source = ResolveSource(sources[i], gameDir);
        const bool ordered = IsBelow(source, gameDir) || MayBeShortName(source) || MayBeShortName(relative) ||
                             linked || writes[PathKey(relative)] > 1;
        plan.steps.push_back(CopyStep{source, relative, destination.state == PathState::File, ordered});
    }
    for (const auto& gateway : gateways) plan.gateways.push_back(gateway.second);
    return plan;
}
