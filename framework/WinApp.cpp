// CWinApp: start of the application.
#include "framework/WinApp.h"

int CWinApp::Run(HINSTANCE instance)
{
    m_hInstance = instance;
    if (!InitInstance()) return m_nExitCode;
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
