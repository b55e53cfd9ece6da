// Paths inside the game folder as the file system reads them, the one vocabulary of install/: how
// a path splits into components, one rule for when two names are one file, the canonical form of
// a destination, what stands at a path, and the names of the installer's own folders. Where the
// install list's bytes and UTF-16 are both read, the rule is written once for either.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

enum class PathState { Missing, File, Folder };

// The folder inside the game folder that holds what an unfinished run must put back.
const char kUndoFolderName[] = "VELANInst.undo";

// An ASCII text (a name of ours) as UTF-16.
std::wstring WideAscii(const char* text);

// The folder inside the game folder that keeps what the translation replaced, so that it can be
// taken out again; it sorts beside the undo folder.
const char kRestoreFolderName[] = "VELANInst.restore";

// The undo folder and the restore folder of a game folder (all end in a backslash).
std::wstring UndoFolderOf(const std::wstring& gameDir);
std::wstring RestoreFolderOf(const std::wstring& gameDir);

// A UTF-16 code unit as the file system upcases it to compare names (NTFS keeps such a table on
// every volume): simple uppercase where that maps back, so U+0131 and U+017F are not "I" and "S".
wchar_t UpcaseCodeUnit(wchar_t unit);

// A byte of the list or a UTF-16 code unit as a number; bytes widen one to one, so only ASCII
// letters can spell an ASCII name either way.
template <class Char>
unsigned CodeUnit(Char ch)
{
    return sizeof(Char) == 1 ? static_cast<unsigned char>(ch) : static_cast<unsigned>(ch);
}

// True when the text starts with an ASCII name (a marker, a device, one of our folders) as the
// file system compares names; whole says the text must end there too.
template <class Char>
bool StartsWithName(const Char* text, std::size_t length, const char* name, bool whole = false)
{
    std::size_t i = 0;
    for (; name[i]; ++i) {
        if (i >= length) return false;
        const unsigned upper = static_cast<unsigned>(UpcaseCodeUnit(static_cast<wchar_t>(CodeUnit(text[i]))));
        if (upper != static_cast<unsigned>(UpcaseCodeUnit(static_cast<wchar_t>(static_cast<unsigned char>(name[i]))))) {
            return false;
        }
    }
    return !whole || i == length;
}

template <class Char>
bool IsPathSeparator(Char ch)
{
    return ch == '\\' || ch == '/';
}

// Calls visit(start, length) for every component between separators, empty ones included, and
// stops early when visit returns false; returns whether every call returned true.
template <class Char, class Visit>
bool EachComponent(const Char* text, std::size_t length, Visit visit)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i <= length; ++i) {
        if (i < length && !IsPathSeparator(text[i])) continue;
        if (!visit(text + start, i - start)) return false;
        start = i + 1;
    }
    return true;
}

template <class Char>
bool IsDot(const Char* part, std::size_t length)
{
    return length == 1 && part[0] == '.';
}

template <class Char>
bool IsDotDot(const Char* part, std::size_t length)
{
    return length == 2 && part[0] == '.' && part[1] == '.';
}

// Two names are one file when their keys are equal: every code unit upcased, nothing else (no
// normalization, no locale), as NTFS compares them; a case-sensitive folder under Wine may tell
// such names apart, and the installer still takes them as one file, the safe side.
std::wstring PathKey(const std::wstring& path);
bool SamePath(const std::wstring& a, const std::wstring& b);
// True when path lies below folder (which ends in a backslash), compared as above.
bool IsBelow(const std::wstring& path, const std::wstring& folder);

// The components of a destination as the file system reads them: "\" and "/" both separate,
// empty and "." components are dropped and ".." takes one back (never above the root, which the
// destination rules refuse beforehand).
std::vector<std::wstring> PathComponents(const std::wstring& dest);
// The components joined with "\": no leading or trailing separator.
std::wstring CanonicalDestination(const std::wstring& dest);
// The folders above a canonical destination, each after its parent ("a\b\c" -> "a", "a\b").
std::vector<std::wstring> FoldersAbove(const std::wstring& relative);
// A path with its last component replaced by name ("a\b.txt", "B.TXT" -> "a\B.TXT").
std::wstring WithLastName(const std::wstring& path, const std::wstring& name);

// True when the destination's first component is spelt as the undo or the restore folder, as the
// file system compares names. (A short name or a link to one is recognised on disk by the copy engine.)
bool IsInInstallerFolder(const std::wstring& dest);
