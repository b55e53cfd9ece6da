// The destination rules, kept in one table and read over bytes or UTF-16 code units alike.
#include "install/DestinationRules.h"

#include "install/GamePaths.h"

namespace {

// A path as the rules read it: its characters (bytes or UTF-16 code units) and their number.
template <class Char>
struct PathText {
    const Char* chars;
    int length;
};

template <class Char>
using DestinationRule = bool (*)(PathText<Char> dest);

template <class Char>
bool IsControl(Char ch)
{
    return CodeUnit(ch) < 0x20;
}

// Windows takes a component as a device when the text before its first dot, blanks at its end
// dropped, is a device name: "nul", "NUL.txt" and "nul .txt" alike.
template <class Char>
bool IsDeviceName(const Char* part, std::size_t length)
{
    std::size_t base = 0;
    while (base < length && part[base] != '.') ++base;
    while (base > 0 && part[base - 1] == ' ') --base;
    for (const char* name : {"CON", "PRN", "AUX", "NUL"}) {
        if (StartsWithName(part, base, name, true)) return true;
    }
    return base == 4 && (StartsWithName(part, 3, "COM") || StartsWithName(part, 3, "LPT")) && part[3] >= '1' &&
           part[3] <= '9';
}

template <class Char>
bool StaysInside(PathText<Char> dest)
{
    const Char* chars = dest.chars;
    const std::size_t end = static_cast<std::size_t>(dest.length);
    if (end >= 2 && chars[1] == ':') return false;
    if (end >= 2 && IsPathSeparator(chars[0]) && IsPathSeparator(chars[1])) return false;
    int depth = 0;
    return EachComponent(chars, end, [&depth](const Char* part, std::size_t length) {
        if (IsDotDot(part, length)) {
            if (--depth < 0) return false;
        } else if (length > 0 && !IsDot(part, length)) {
            ++depth;
        }
        return true;
    });
}

template <class Char>
bool HasOnlyNameChars(PathText<Char> dest)
{
    for (int i = 0; i < dest.length; ++i) {
        const unsigned unit = CodeUnit(dest.chars[i]);
        if (unit < 0x20 || unit == '<' || unit == '>' || unit == ':' || unit == '"' || unit == '|' || unit == '?' ||
            unit == '*') {
            return false;
        }
    }
    return true;
}

template <class Char>
bool NamesFiles(PathText<Char> dest)
{
    return EachComponent(dest.chars, static_cast<std::size_t>(dest.length), [](const Char* part, std::size_t length) {
        // Empty components, "." and ".." are path steps, not names; the rule above weighs them.
        if (length == 0 || IsDot(part, length) || IsDotDot(part, length)) return true;
        return part[length - 1] != '.' && part[length - 1] != ' ' && !IsDeviceName(part, length);
    });
}

template <class Char>
bool OutsideInstallerFolders(PathText<Char> dest)
{
    // Bytes widen one to one: only ASCII letters can spell the folders' names either way.
    std::wstring wide;
    for (int i = 0; i < dest.length; ++i) wide += static_cast<wchar_t>(CodeUnit(dest.chars[i]));
    return !IsInInstallerFolder(wide);
}

// Every rule a destination must pass, in the order they are asked; a new rule is one more line.
template <class Char>
bool Acceptable(PathText<Char> dest)
{
    static const DestinationRule<Char> kRules[] = {
        HasOnlyNameChars<Char>,
        StaysInside<Char>,
        NamesFiles<Char>,
        OutsideInstallerFolders<Char>,
    };
    for (const DestinationRule<Char> rule : kRules) {
        if (!rule(dest)) return false;
    }
    return true;
}

}  // namespace

bool DestinationAcceptable(const CString& dest)
{
    return Acceptable(PathText<char>{dest.GetString(), dest.GetLength()});
}

bool DestinationAcceptable(const std::wstring& dest)
{
    return Acceptable(PathText<wchar_t>{dest.data(), static_cast<int>(dest.size())});
}

CString ShownDestination(const CString& dest)
{
    int length = 0;
    while (length < dest.GetLength() && !IsControl(dest.GetAt(length))) ++length;
    return dest.Left(length);
}
