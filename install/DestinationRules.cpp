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
bool IsSeparator(Char ch)
{
    return ch == '\\' || ch == '/';
}

template <class Char>
unsigned Unit(Char ch)
{
    return sizeof(Char) == 1 ? static_cast<unsigned char>(ch) : static_cast<unsigned>(ch);
}

template <class Char>
bool IsControl(Char ch)
{
    return Unit(ch) < 0x20;
}

template <class Char>
bool SameNoCase(const Char* part, int length, const char* name)
{
    int i = 0;
    for (; i < length && name[i]; ++i) {
        const unsigned unit = Unit(part[i]);
        const unsigned upper = unit >= 'a' && unit <= 'z' ? unit - 'a' + 'A' : unit;
        if (upper != static_cast<unsigned char>(name[i])) return false;
    }
    return i == length && !name[i];
}

// Windows takes a component as a device when the text before its first dot, blanks at its end
// dropped, is a device name: "nul", "NUL.txt" and "nul .txt" alike.
template <class Char>
bool IsDeviceName(const Char* part, int length)
{
    int base = 0;
    while (base < length && part[base] != '.') ++base;
    while (base > 0 && part[base - 1] == ' ') --base;
    for (const char* name : {"CON", "PRN", "AUX", "NUL"}) {
        if (SameNoCase(part, base, name)) return true;
    }
    return base == 4 && (SameNoCase(part, 3, "COM") || SameNoCase(part, 3, "LPT")) && part[3] >= '1' &&
           part[3] <= '9';
}

template <class Char>
bool IsDotOrDotDot(const Char* part, int length)
{
    return (length == 1 && part[0] == '.') || (length == 2 && part[0] == '.' && part[1] == '.');
}

template <class Char>
bool StaysInside(PathText<Char> dest)
{
    const Char* bytes = dest.chars;
    const int end = dest.length;
    if (end >= 2 && bytes[1] == ':') return false;
    if (end >= 2 && IsSeparator(bytes[0]) && IsSeparator(bytes[1])) return false;
    int depth = 0;
    int start = 0;
    for (int i = 0; i <= end; ++i) {
        if (i < end && !IsSeparator(bytes[i])) continue;
        const Char* part = bytes + start;
        const int length = i - start;
        if (length == 2 && part[0] == '.' && part[1] == '.') {
            if (--depth < 0) return false;
        } else if (length > 0 && !(length == 1 && part[0] == '.')) {
            ++depth;
        }
        start = i + 1;
    }
    return true;
}

template <class Char>
bool HasOnlyNameChars(PathText<Char> dest)
{
    for (int i = 0; i < dest.length; ++i) {
        const unsigned unit = Unit(dest.chars[i]);
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
    int start = 0;
    for (int i = 0; i <= dest.length; ++i) {
        if (i < dest.length && !IsSeparator(dest.chars[i])) continue;
        const Char* part = dest.chars + start;
        const int length = i - start;
        start = i + 1;
        // Empty components, "." and ".." are path steps, not names; the rule above weighs them.
        if (length == 0 || IsDotOrDotDot(part, length)) continue;
        if (part[length - 1] == '.' || part[length - 1] == ' ') return false;
        if (IsDeviceName(part, length)) return false;
    }
    return true;
}

template <class Char>
bool OutsideInstallerFolders(PathText<Char> dest)
{
    // Bytes widen one to one: only ASCII letters can spell the folders' names either way.
    std::wstring wide;
    for (int i = 0; i < dest.length; ++i) wide += static_cast<wchar_t>(Unit(dest.chars[i]));
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

PathText<char> TextOf(const CString& dest)
{
    return {dest.GetString(), dest.GetLength()};
}

}  // namespace

bool DestinationStaysInside(const CString& dest)
{
    return StaysInside(TextOf(dest));
}

bool DestinationHasOnlyNameBytes(const CString& dest)
{
    return HasOnlyNameChars(TextOf(dest));
}

bool DestinationNamesFiles(const CString& dest)
{
    return NamesFiles(TextOf(dest));
}

bool DestinationOutsideInstallerFolders(const CString& dest)
{
    return OutsideInstallerFolders(TextOf(dest));
}

bool DestinationAcceptable(const CString& dest)
{
    return Acceptable(TextOf(dest));
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
