// CInstallerApp: runs the installer dialog modally, then lets the process end.
#include "InstallerApp.h"

#include <commctrl.h>

#include "InstallerDlg.h"

CInstallerApp theApp;

BOOL CInstallerApp::InitInstance()
{
    // The toolkit's counterpart of control hosting and 3-D control drawing: the common controls.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    CInstallerDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
