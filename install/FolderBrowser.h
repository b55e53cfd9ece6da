// The folder browser's callback: preselects the game directory as the browser starts.
#pragma once

#include <windows.h>

// Browse callback: on BFFM_INITIALIZED, selects g_strGamePath (untrimmed) when it is not empty.
int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM parameter, LPARAM data);
