// Where the program looks for DLLs: only in the system folder, so that a DLL lying beside it (in a
// download folder, say) is never run in its place.
#pragma once

#include <windows.h>

#include "framework/Handle.h"

// Makes every later load of a DLL by its name look in the system folder only, where the system
// can (Windows 8 and later, Windows 7 with its 2011 update); called before anything loads a DLL.
void LoadDllsFromSystemFolderOnly();

// A DLL loaded from the system folder by its full path, freed with the object.
class CSystemLibrary {
public:
    explicit CSystemLibrary(const wchar_t* name);

    // One of its functions, or null when the library or the function is missing.
    FARPROC Function(const char* name) const;

private:
    CLibrary m_module;
};
