// CInstallerDlg: the status panel's two operations, and hover tracking on the 100 ms timer.
#include "framework/WideText.h"
#include "app/InstallerDlg.h"
#include "res/Resource.h"
#include "ui/Hover.h"
#include "ui/StatusText.h"

void CInstallerDlg::AddStatusLine(CString line)
{
    AppendStatusText(WidenFixed(line));
}

void CInstallerDlg::AddStatusLine(const char* pattern, const CString& path)
{
    // The pattern is a fixed text, the path a system text: each converts from its own code page.
    AppendStatusText(FillPattern(WidenFixed(pattern), WidenSystem(path)));
}

void CInstallerDlg::AddStatusLine(const char* pattern, const std::wstring& path)
{
    AppendStatusText(FillPattern(WidenFixed(pattern), path));
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

INT_PTR CInstallerDlg::OnTimer(WPARAM, LPARAM)
{
    UpdateHover();
    return FALSE;  // the tick goes on to default processing
}

namespace {

struct Tracked {
    CBitmapButton& button;
    BOOL& lit;
    const ButtonSkins& skins;
};

}  // namespace

void CInstallerDlg::UpdateHover()
{
    POINT pointer{};
    ::GetCursorPos(&pointer);
    Tracked tracked[] = {
        {m_btnInstall, m_bHoverInstall, m_bInstalled ? kPlaySkins : kInstallSkins},
        {m_btnBrowse, m_bHoverBrowse, kBrowseSkins},
        {m_btnClose, m_bHoverClose, kCloseSkins},
        {m_btnWeb, m_bHoverWeb, kWebSkins},
        {m_btnInfo, m_bHoverInfo, kInfoSkins},
    };
    for (Tracked& t : tracked) {
        // A disabled Install button stays frozen in the state it had.
        if (&t.button == &m_btnInstall && !m_btnInstall.IsWindowEnabled()) continue;
        RECT r{};
        t.button.GetWindowRect(&r);
        const HoverChange change = HoverStep(PointInside(Box{r.left, r.top, r.right, r.bottom}, pointer.x, pointer.y),
                                             t.lit != FALSE);
        if (change == HoverChange::None) continue;
        t.button.LoadSkinSet(change == HoverChange::Light ? t.skins.hover : t.skins.idle);
        t.button.RedrawErased();
        t.lit = change == HoverChange::Light;
    }
}
