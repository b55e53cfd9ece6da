// Paths inside the game folder.
#include "install/GamePaths.h"

#include <algorithm>
#include <iterator>

namespace {

struct UpcaseRun {
    unsigned first;
    unsigned last;
    unsigned step;
    int distance;
};

const UpcaseRun kUpcaseRuns[] = {
#include "install/UpcaseTable.inc"
};

}  // namespace

std::wstring WideAscii(const char* text)
{
    std::wstring wide;
    for (; *text; ++text) wide += static_cast<wchar_t>(static_cast<unsigned char>(*text));
    return wide;
}

std::wstring UndoFolderOf(const std::wstring& gameDir)
{
    return gameDir + WideAscii(kUndoFolderName) + L'\\';
}

std::wstring RestoreFolderOf(const std::wstring& gameDir)
{
    return gameDir + WideAscii(kRestoreFolderName) + L'\\';
}

wchar_t UpcaseCodeUnit(wchar_t unit)
{
    const unsigned value = static_cast<unsigned>(unit);
    const auto after = std::upper_bound(std::begin(kUpcaseRuns), std::end(kUpcaseRuns), value,
                                        [](unsigned v, const UpcaseRun& run) { return v < run.first; });
    if (after == std::begin(kUpcaseRuns)) return unit;
    const UpcaseRun& run = *(after - 1);
    if (value > run.last || (value - run.first) % run.step != 0) return unit;
    return static_cast<wchar_t>(static_cast<int>(value) + run.distance);
}

std::wstring PathKey(const std::wstring& path)
{
    std::wstring key = path;
    for (wchar_t& unit : key) unit = UpcaseCodeUnit(unit);
    return key;
}

bool SamePath(const std::wstring& a, const std::wstring& b)
{
    return a.size() == b.size() && PathKey(a) == PathKey(b);
}

bool IsBelow(const std::wstring& path, const std::wstring& folder)
{
    return path.size() > folder.size() && SamePath(path.substr(0, folder.size()), folder);
}

std::vector<std::wstring> PathComponents(const std::wstring& dest)
{
    std::vector<std::wstring> parts;
    EachComponent(dest.data(), dest.size(), [&parts](const wchar_t* part, std::size_t length) {
        if (IsDotDot(part, length)) {
            if (!parts.empty()) parts.pop_back();
        } else if (length > 0 && !IsDot(part, length)) {
            parts.emplace_back(part, length);
        }
        return true;
    });
    return parts;
}

std::wstring CanonicalDestination(const std::wstring& dest)
{
    std::wstring joined;
    for (const std::wstring& part : PathComponents(dest)) {
        if (!joined.empty()) joined += L'\\';
        joined += part;
    }
    return joined;
}

std::vector<std::wstring> FoldersAbove(const std::wstring& relative)
{
    std::vector<std::wstring> folders;
    for (std::size_t at = relative.find(L'\\'); at != std::wstring::npos; at = relative.find(L'\\', at + 1)) {
        folders.push_back(relative.substr(0, at));
    }
    return folders;
}

std::wstring WithLastName(const std::wstring& path, const std::wstring& name)
{
    const std::size_t separator = path.find_last_of(L"\\/");
    return (separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1)) + name;
}

bool IsInInstallerFolder(const std::wstring& dest)
{
    const std::vector<std::wstring> parts = PathComponents(dest);
    return !parts.empty() && (SamePath(parts.front(), WideAscii(kUndoFolderName)) ||
                              SamePath(parts.front(), WideAscii(kRestoreFolderName)));
}
