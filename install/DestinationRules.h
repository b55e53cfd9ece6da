// Which install-list destinations the installer will write, and which paths of an undo record it
// will act on: the rules a path relative to the game folder must pass. Each rule reads the list's
// bytes and the record's UTF-16 alike.
#pragma once

#include <string>

#include "framework/String.h"





// True when a destination passes every rule: it stays inside the game directory (not absolute,
// no drive letter, no leading double backslash, never climbing above its root with ".."); every
// character is one a Windows file name can hold (no control character, NUL included, and none of
// < > : " | ? *, a colon would also name a stream); every component names an ordinary file or
// folder (no device name CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9 in any case, with or without an
// extension, and no name ending in a dot or a blank, which Windows drops so that two names would
// be one file); and it lies outside the undo and restore folders, which only the installer writes.
bool DestinationAcceptable(const CString& dest);
bool DestinationAcceptable(const std::wstring& dest);

// The destination as a status line shows it: up to its first control byte.
CString ShownDestination(const CString& dest);
