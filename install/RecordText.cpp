// The records' line format.
#include "install/RecordText.h"

#include "framework/Utf8.h"
#include "install/DestinationRules.h"
#include "install/GamePaths.h"

void AppendLine(std::string& out, const char* kind, const std::string& bytes)
{
    out += kind;
    out += ' ';
    out += std::to_string(bytes.size());
    out += ' ';
    out += bytes;
    out += '\n';
}

void AppendPath(std::string& out, const char* kind, const std::wstring& path)
{
    AppendLine(out, kind, Utf8FromUtf16(path));
}

bool StartsAsOrCutShort(const std::string& in, std::size_t at, const char* text, bool& cut)
{
    const std::string whole = text;
    const std::size_t left = in.size() - at;
    cut = left < whole.size();
    return in.compare(at, cut ? left : whole.size(), whole, 0, cut ? left : whole.size()) == 0;
}

Read ReadLine(const std::string& in, std::size_t& at, std::string& kind, std::string& bytes)
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
    bytes = in.substr(start, length);
    at = start + length + 1;
    return Read::Line;
}

bool Trusted(const std::wstring& path)
{
    return !path.empty() && CanonicalDestination(path) == path && DestinationAcceptable(path);
}
