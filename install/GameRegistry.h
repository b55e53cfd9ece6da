// The game's installation path as its registry value holds it.
#pragma once

#include "framework/String.h"

// Reads HKEY_LOCAL_MACHINE\SOFTWARE\Dorvane\RN\VELAN, value Path, into a 260-byte buffer and
// takes the text up to its first NUL. False, with path left empty, when the key or the value
// is missing, unreadable or longer than the buffer.
bool ReadGamePathValue(CString& path);
