// CInstallerApp: runs the installer dialog modally, then lets the process end.
#include "app/InstallerApp.h"

#include <commctrl.h>

#include "app/InstallerDlg.h"
#include "app/RestoreMode.h"
#include "framework/Com.h"
#include "framework/SystemLibrary.h"

CInstallerApp theApp;

BOOL CInstallerApp::InitInstance()
{
    // OLE for the picture loader; the common controls for the copy's progress bar. comctl32 is not
    // among the DLLs Windows always takes from its system folder: imported, it would be looked for
    // beside the program first.
    const COleSession ole;
    CSystemLibrary commonControls(L"comctl32.dll");
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const FARPROC function = commonControls.Function("InitCommonControlsEx");
    const auto init = reinterpret_cast<InitFunction>(reinterpret_cast<void*>(function));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    if (init) init(&controls);

    const RestoreCommand restore = ParseRestoreCommand(::GetCommandLineW());
    if (restore.restore) {
        m_nExitCode = RunRestoreMode(restore);
    } else {
        CInstallerDlg dlg;
        dlg.DoModal();
    }  // the dialog object goes first (the music stops with it), OLE last
    return FALSE;
}
