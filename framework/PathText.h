// Path text helpers that need no platform: folder part, application name, the trailing backslash.
#pragma once

#include <string>

#include "framework/String.h"

// Everything up to and including the last backslash ("D:\CZ\setup.exe" -> "D:\CZ\").
CString FolderOfPath(const CString& path);
std::wstring FolderOfPath(const std::wstring& path);
// The file name without its extension ("D:\CZ\VELANInst.exe" -> "VELANInst").
CString AppNameOfPath(const CString& path);
// The path with a backslash appended unless it already ends in one (a drive root does): the one
// backslash every folder path ends in.
CString WithTrailingBackslash(const CString& path);
