// Which install-list destinations the installer will write: the rules a destination must pass.
#pragma once

#include "../framework/String.h"

// True when a destination stays inside the game directory: not absolute (no drive letter, no
// leading double backslash) and never climbing above its root with "..".
bool DestinationStaysInside(const CString& dest);

// True when every byte is one a Windows file name can hold: no control character (NUL
// included, which would split the NUL-joined copy lists) and none of < > : " | ? *.
bool DestinationHasOnlyNameBytes(const CString& dest);

// True when every component names an ordinary file or folder: no device name (CON, PRN, AUX,
// NUL, COM1-COM9, LPT1-LPT9, any case, with or without an extension) and no name ending in a
// dot or a blank, which Windows drops so that two names would be one file.
bool DestinationNamesFiles(const CString& dest);

// True when the destination lies outside the undo folder, which only the install run writes.
bool DestinationOutsideUndoFolder(const CString& dest);

// True when the destination passes every rule above.
bool DestinationAcceptable(const CString& dest);

// The destination as a status line shows it: up to its first control byte.
CString ShownDestination(const CString& dest);
