// The installer dialog's routing: what the matching of a message to a row decides, and the rows
// nothing in the GUI tests reaches. Install, Close, Browse, the information button, the hover
// timer, the colours of the panels and the painting are all seen at work through the real window.
#include <gtest/gtest.h>

#include <utility>

#include "app/InstallerDlg.h"
#include "res/Resource.h"

namespace {

const MessageRoute<CInstallerDlg>* Find(UINT message, WPARAM wp)
{
    for (std::size_t i = 0; i < CInstallerDlg::s_routeCount; ++i) {
        if (RouteMatches(CInstallerDlg::s_routes[i], message, wp)) return &CInstallerDlg::s_routes[i];
    }
    return nullptr;
}

}  // namespace

TEST(Routing, ClicksTheHoverTimerAndTheRowsNoWindowShows)
{
    const auto* web = Find(WM_COMMAND, MAKEWPARAM(IDC_WEB, BN_CLICKED));
    EXPECT_TRUE(web && web->command == &CInstallerDlg::OnWebLink);
    // The colours asked for the dialog and the buttons show nowhere (the picture and the skins
    // cover both), nor does the drag icon.
    const std::pair<UINT, INT_PTR (CInstallerDlg::*)(WPARAM, LPARAM)> unseen[] = {
        {WM_CTLCOLORDLG, &CInstallerDlg::OnCtlColor},
        {WM_CTLCOLORBTN, &CInstallerDlg::OnCtlColor},
        {WM_QUERYDRAGICON, &CInstallerDlg::OnQueryDragIcon},
    };
    for (const auto& row : unseen) {
        const auto* route = Find(row.first, 0);
        EXPECT_TRUE(route && route->handler == row.second) << row.first;
    }
    // Another notification of a button is no click; another timer is not the hover timer.
    EXPECT_EQ(Find(WM_COMMAND, MAKEWPARAM(IDOK, BN_SETFOCUS)), nullptr);
    EXPECT_EQ(Find(WM_TIMER, 2), nullptr);
}
