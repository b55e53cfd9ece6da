// The destination rules of the install list, kept in one table.
#include "DestinationRules.h"

#include <cstring>

#include "CopyPlan.h"

namespace {

using DestinationRule = bool (*)(const CString& dest);

// Every rule a destination must pass, in the order they are asked; a new rule is one more line.
const DestinationRule kDestinationRules[] = {
    DestinationHasOnlyNameBytes,
    DestinationStaysInside,
    DestinationNamesFiles,
    DestinationOutsideUndoFolder,
};

bool IsSeparator(char ch)
{
    return ch == '\\' || ch == '/';
}

bool IsControl(char ch)
{
    return static_cast<unsigned char>(ch) < 0x20;
}

char UpperAscii(char ch)
{
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

bool SameNoCase(const char* part, int length, const char* name)
{
    if (static_cast<int>(std::strlen(name)) != length) return false;
    for (int i = 0; i < length; ++i) {
        if (UpperAscii(part[i]) != name[i]) return false;
    }
    return true;
}

// Windows takes a component as a device when the text before its first dot, blanks at its end
// dropped, is a device name: "nul", "NUL.txt" and "nul .txt" alike.
bool IsDeviceName(const char* part, int length)
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

bool IsDotOrDotDot(const char* part, int length)
{
    return (length == 1 && part[0] == '.') || (length == 2 && part[0] == '.' && part[1] == '.');
}

}  // namespace

bool DestinationStaysInside(const CString& dest)
{
    if (dest.GetLength() >= 2 && dest.GetAt(1) == ':') return false;
    if (dest.GetLength() >= 2 && IsSeparator(dest.GetAt(0)) && IsSeparator(dest.GetAt(1))) return false;
    const char* bytes = dest.GetString();
    const int end = dest.GetLength();
    int depth = 0;
    int start = 0;
    for (int i = 0; i <= end; ++i) {
        if (i < end && !IsSeparator(bytes[i])) continue;
        const char* part = bytes + start;
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

bool DestinationHasOnlyNameBytes(const CString& dest)
{
    for (const char ch : dest.Bytes()) {
        if (IsControl(ch) || std::strchr("<>:\"|?*", ch) != nullptr) return false;
    }
    return true;
}

bool DestinationNamesFiles(const CString& dest)
{
    const char* bytes = dest.GetString();
    const int end = dest.GetLength();
    int start = 0;
    for (int i = 0; i <= end; ++i) {
        if (i < end && !IsSeparator(bytes[i])) continue;
        const char* part = bytes + start;
        const int length = i - start;
        start = i + 1;
        // Empty components, "." and ".." are path steps, not names; the rule above weighs them.
        if (length == 0 || IsDotOrDotDot(part, length)) continue;
        if (part[length - 1] == '.' || part[length - 1] == ' ') return false;
        if (IsDeviceName(part, length)) return false;
    }
    return true;
}

bool DestinationOutsideUndoFolder(const CString& dest)
{
    return !IsInUndoFolder(dest);
}

bool DestinationAcceptable(const CString& dest)
{
    for (const DestinationRule rule : kDestinationRules) {
        if (!rule(dest)) return false;
    }
    return true;
}

CString ShownDestination(const CString& dest)
{
    int length = 0;
    while (length < dest.GetLength() && !IsControl(dest.GetAt(length))) ++length;
    return dest.Left(length);
}
