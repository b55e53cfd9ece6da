// CInstallerDlg: the status panel's two operations.
#include "../app/InstallerDlg.h"
#include "../framework/WideText.h"
#include "../res/Resource.h"
#include "StatusText.h"

void CInstallerDlg::AddStatusLine(CString line)
{
    AppendStatusText(WidenFixed(line));
}

void CInstallerDlg::AddStatusLine(const char* pattern, const CString& path)
{
    // The pattern is a fixed text, the path a system text: each converts from its own code page.
    AppendStatusText(FillPattern(WidenFixed(pattern), WidenSystem(path)));
}

void CInstallerDlg::AppendStatusText(const std::wstring& line)
{
    HWND panel = GetDlgItem(IDC_STATUS);
    ::SetWindowTextW(panel, AppendStatusLine(WindowText(panel), line).c_str());
    ::ShowWindow(panel, SW_SHOW);
}

void CInstallerDlg::ClearStatus()
{
    HWND panel = GetDlgItem(IDC_STATUS);
    ::ShowWindow(panel, SW_HIDE);
    ::SetWindowTextW(panel, L"");
}
