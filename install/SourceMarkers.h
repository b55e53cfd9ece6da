// The markers a source of the install list starts with, and what they stand for.
#pragma once

#include <string>

#include "framework/String.h"

// Marker of a file shipped beside the installer; matched byte for byte at the start of a source.
const char kInstallerDirMarker[] = "<INSTDIR>";
// Marker of a file inside the game directory.
const char kGameDirMarker[] = "<GAMEDIR>";
// Both markers are as long; the marker a source starts with is this many bytes.
const int kMarkerLength = sizeof kInstallerDirMarker - 1;
static_assert(sizeof kInstallerDirMarker == sizeof kGameDirMarker, "markers of one length");

// True when the source names a file in the game directory ("<GAMEDIR>", any letter case): as
// the list's bytes, or as the UTF-16 the copy works with.
bool IsGameDirSource(const CString& source);
bool IsGameDirSource(const std::wstring& source);

// The source with a "<GAMEDIR>" marker (any letter case) replaced by the game directory.
CString ResolveSource(const CString& source, const CString& gameDir);
std::wstring ResolveSource(const std::wstring& source, const std::wstring& gameDir);
