// CInstallerDlg: hover tracking on the 100 ms timer.
#include "../app/InstallerDlg.h"
#include "Hover.h"

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
