// The installer dialog's routing table: every source reaches its handler.
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

TEST(Routing, CommandsReachTheirHandlers)
{
    struct Row {
        int id;
        void (CInstallerDlg::*handler)();
    } rows[] = {
        {IDOK, &CInstallerDlg::OnInstall},   {IDCANCEL, &CInstallerDlg::OnClose},
        {IDC_BROWSE, &CInstallerDlg::OnBrowse}, {IDC_INFO, &CInstallerDlg::OnInfo},
        {IDC_WEB, &CInstallerDlg::OnWebLink},
    };
    for (const Row& row : rows) {
        const auto* route = Find(WM_COMMAND, MAKEWPARAM(row.id, BN_CLICKED));
        ASSERT_NE(route, nullptr) << row.id;
        EXPECT_TRUE(route->command == row.handler) << row.id;
    }
    // Other notifications of the same buttons are not commands.
    EXPECT_EQ(Find(WM_COMMAND, MAKEWPARAM(IDOK, BN_SETFOCUS)), nullptr);
    EXPECT_EQ(Find(WM_COMMAND, MAKEWPARAM(IDC_PATH, EN_CHANGE)), nullptr);
}

TEST(Routing, MessagesReachTheirHandlers)
{
    EXPECT_TRUE(Find(WM_TIMER, 1)->handler == &CInstallerDlg::OnTimer);
    EXPECT_EQ(Find(WM_TIMER, 2), nullptr);
    for (UINT m : {WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC, WM_CTLCOLORDLG, WM_CTLCOLORBTN}) {
        EXPECT_TRUE(Find(m, 0)->handler == &CInstallerDlg::OnCtlColor) << m;
    }
    EXPECT_TRUE(Find(WM_ERASEBKGND, 0)->handler == &CInstallerDlg::OnEraseBackground);
    EXPECT_TRUE(Find(WM_PAINT, 0)->handler == &CInstallerDlg::OnPaint);
    EXPECT_TRUE(Find(WM_QUERYDRAGICON, 0)->handler == &CInstallerDlg::OnQueryDragIcon);
    EXPECT_TRUE(Find(WM_SYSCOMMAND, SC_CLOSE)->handler == &CInstallerDlg::OnSysCommand);
}
