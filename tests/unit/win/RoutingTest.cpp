// The installer dialog's routing: what the matching of a message to a row decides, and the two rows
// nothing in the GUI tests reaches. Install, Close, Browse, the information button, the hover
// timer, the colours and the painting are all seen at work through the real window.
#include <gtest/gtest.h>

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

TEST(Routing, ClicksAndTheHoverTimerByTheirIds)
{
    const auto* web = Find(WM_COMMAND, MAKEWPARAM(IDC_WEB, BN_CLICKED));
    EXPECT_TRUE(web && web->command == &CInstallerDlg::OnWebLink);
    const auto* dragIcon = Find(WM_QUERYDRAGICON, 0);
    EXPECT_TRUE(dragIcon && dragIcon->handler == &CInstallerDlg::OnQueryDragIcon);
    // Another notification of a button is no click; another timer is not the hover timer.
    EXPECT_EQ(Find(WM_COMMAND, MAKEWPARAM(IDOK, BN_SETFOCUS)), nullptr);
    EXPECT_EQ(Find(WM_TIMER, 2), nullptr);
}
