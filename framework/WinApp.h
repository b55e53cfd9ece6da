// CWinApp: the application object; the program's entry hands control to it.
#pragma once

#include <windows.h>

class CWinApp {
public:
    virtual ~CWinApp() = default;

    // Runs InitInstance; a FALSE result ends the process without a message loop of its own.
    int Run(HINSTANCE instance);

    HINSTANCE m_hInstance = nullptr;
    int m_nExitCode = 0;  // the process's exit code when InitInstance returns FALSE

protected:
    virtual BOOL InitInstance() = 0;
};
