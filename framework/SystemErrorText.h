// The system's own text for an error code, as a message box shows it.
#pragma once

#include <windows.h>

#include <string>

// The text without its closing line end; the code itself when the system has no text for it.
std::wstring SystemErrorText(DWORD error);
