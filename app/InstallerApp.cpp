// CInstallerApp: runs the installer dialog modally, then lets the process end.
#include "InstallerApp.h"

#include <commctrl.h>
#include <ole2.h>

#include "InstallerDlg.h"

CInstallerApp theApp;

BOOL CInstallerApp::InitInstance()
{
    // The toolkit's counterparts of OLE support and 3-D control drawing: OLE for the picture
    // loader, and the common controls.
    const bool ole = SUCCEEDED(::OleInitialize(nullptr));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);

    {
        CInstallerDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
        m_pMainWnd = nullptr;
    }  // the dialog object goes first: the music stops with it
    if (ole) ::OleUninitialize();
    return FALSE;
}
