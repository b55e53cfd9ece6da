// CInstallerApp: runs the installer dialog modally, then lets the process end.
#include "InstallerApp.h"

#include <commctrl.h>
#include <ole2.h>

#include "InstallerDlg.h"

CInstallerApp theApp;

BOOL CInstallerApp::InitInstance()
{
    // OLE for the picture loader; the common controls for the copy's progress bar.
    const bool ole = SUCCEEDED(::OleInitialize(nullptr));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);

    {
        CInstallerDlg dlg;
        dlg.DoModal();
    }  // the dialog object goes first: the music stops with it
    if (ole) ::OleUninitialize();
    return FALSE;
}
