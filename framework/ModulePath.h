// The running executable's path and the application name derived from it.
#pragma once

#include "framework/String.h"

#include <string>

// Full path of the running executable, read into a buffer of 261 characters.
CString GetModulePath();
// The same in UTF-16, whatever its length: the copies the restore point keeps are made from it.
std::wstring GetModulePathWide();
// The executable's file name without its extension: the caption of the program's message boxes.
CString GetAppName();
