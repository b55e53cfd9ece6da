// The system folder browser: choosing the game folder, with the current one selected as it starts.
#pragma once

#include <windows.h>

#include "framework/String.h"

// What the browser shows as it starts.
struct BrowseStart {
    const char* title;  // instruction text above the tree, Windows-1250
    CString folder;     // selected as the browser starts, untrimmed; nothing selected when empty
};

// Browse callback: on BFFM_INITIALIZED, shows the title as Unicode and selects the folder of the
// BrowseStart that `data` points to.
int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM parameter, LPARAM data);

// Shows the browser; true with the chosen folder when the user chose one.
bool ChooseFolder(const BrowseStart& start, CString& chosen);
