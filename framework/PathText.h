// Path text helpers that need no platform: folder part and application name.
#pragma once

#include "String.h"

// Everything up to and including the last backslash ("D:\CZ\setup.exe" -> "D:\CZ\").
CString FolderOfPath(const CString& path);
// The file name without its extension ("D:\CZ\VELANInst.exe" -> "VELANInst").
CString AppNameOfPath(const CString& path);
