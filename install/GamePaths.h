// Paths inside the game folder as the file system reads them: one rule for when two names are one
// file, the canonical form of a destination, and the undo folder's name.
#pragma once

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

// Two names are one file when their keys are equal: every code unit upcased, nothing else (no
// normalization, no locale), as the file system compares them.
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

// True when the destination's first component is spelt as the undo or the restore folder, as the
// file system compares names. (A short name or a link to one is recognised on disk by the copy engine.)
bool IsInInstallerFolder(const std::wstring& dest);
