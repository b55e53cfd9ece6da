// Snapshots of folder trees.
#include "tests/support/TreeSnapshot.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace {

std::string Content(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return "<unreadable>";
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::map<std::string, std::string> Walk(const std::string& root, bool timed, const std::string& relative = "")
{
    std::map<std::string, std::string> out;
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((root + relative + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return out;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = relative + name;
        const DWORD a = data.dwFileAttributes;
        if (a & FILE_ATTRIBUTE_DIRECTORY) {
            out[path] = "<folder>";
            const auto inside = Walk(root, timed, path + "\\");
            out.insert(inside.begin(), inside.end());
        } else if (timed) {
            const ULARGE_INTEGER time{{data.ftLastWriteTime.dwLowDateTime, data.ftLastWriteTime.dwHighDateTime}};
            out[path] = "@" + std::to_string(time.QuadPart) + ((a & FILE_ATTRIBUTE_READONLY) ? " ro" : "") +
                        ((a & FILE_ATTRIBUTE_HIDDEN) ? " hidden" : "") + ((a & FILE_ATTRIBUTE_SYSTEM) ? " system" : "") +
                        " " + Content(root + path);
        } else {
            out[path] = Content(root + path) + ((a & FILE_ATTRIBUTE_READONLY) ? "+ro" : "");
        }
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return out;
}

std::string Short(const std::string& content)
{
    return content.size() <= 40 ? content : content.substr(0, 20) + "...(" + std::to_string(content.size()) + " bytes)";
}

}  // namespace

std::map<std::string, std::string> SnapshotOf(const std::string& folder)
{
    return Walk(folder, false);
}

std::map<std::string, std::string> TimedSnapshotOf(const std::string& folder)
{
    return Walk(folder, true);
}

std::string DifferencesBetween(const std::map<std::string, std::string>& before,
                               const std::map<std::string, std::string>& after)
{
    std::string shown;
    for (const auto& entry : before) {
        const auto now = after.find(entry.first);
        if (now == after.end()) {
            shown += "gone: " + entry.first + "\n";
        } else if (now->second != entry.second) {
            shown += "changed: " + entry.first + " " + Short(entry.second) + " -> " + Short(now->second) + "\n";
        }
    }
    for (const auto& entry : after) {
        if (!before.count(entry.first)) shown += "new: " + entry.first + " " + Short(entry.second) + "\n";
    }
    return shown;
}
