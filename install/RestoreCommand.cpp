// The restore's command line.
#include "install/RestoreCommand.h"

#include <vector>

#include "install/GamePaths.h"

namespace {

// Blank-separated words; a quoted word may hold blanks (paths hold no quotes).
std::vector<std::wstring> Words(const std::wstring& line)
{
    std::vector<std::wstring> words;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == L' ' || line[at] == L'\t')) ++at;
        if (at == line.size()) break;
        std::wstring word;
        bool quoted = false;
        for (; at < line.size() && (quoted || (line[at] != L' ' && line[at] != L'\t')); ++at) {
            if (line[at] == L'"') {
                quoted = !quoted;
            } else {
                word += line[at];
            }
        }
        words.push_back(word);
    }
    return words;
}

bool Number(const std::wstring& text, unsigned long& value)
{
    if (text.empty() || text.size() > 9) return false;
    value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') return false;
        value = value * 10 + static_cast<unsigned long>(c - L'0');
    }
    return true;
}

}  // namespace

RestoreCommand ParseRestoreCommand(const std::wstring& commandLine)
{
    const std::vector<std::wstring> words = Words(commandLine);
    RestoreCommand command;
    if (words.size() < 2 || !SamePath(words[1], L"/restore")) return command;
    std::size_t at = 2;
    if (at < words.size() && !words[at].empty() && words[at][0] != L'/') {
        command.gameDir = words[at++];
        if (command.gameDir.back() != L'\\') command.gameDir += L'\\';
    }
    if (at + 1 < words.size() && SamePath(words[at], L"/after") && Number(words[at + 1], command.after)) at += 2;
    command.restore = at == words.size();
    if (!command.restore) return RestoreCommand();
    return command;
}

std::wstring RestoreCommandLine(const std::wstring& program, const std::wstring& gameDir, unsigned long after)
{
    // A folder's trailing backslash would escape the closing quote for programs that read
    // arguments the C runtime's way.
    std::wstring folder = gameDir;
    while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    return L"\"" + program + L"\" /restore \"" + folder + L"\" /after " + std::to_wstring(after);
}
