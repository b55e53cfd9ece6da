// BrowseCallback: what it asks of the browser window, recorded by a stand-in window.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>

#include "ui/FolderBrowser.h"

namespace {

std::string g_requests;  // each selection request as "<wParam> <path>;"

LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wp, LPARAM lp)
{
    if (message != BFFM_SETSELECTIONA) return ::DefWindowProcA(window, message, wp, lp);
    g_requests += std::to_string(wp) + " " + reinterpret_cast<const char*>(lp) + ";";
    return TRUE;
}

}  // namespace

TEST(BrowseCallback, PreselectsTheUntrimmedPathAndOnlyThat)
{
    WNDCLASSA cls{};
    cls.lpfnWndProc = Recorder;
    cls.hInstance = ::GetModuleHandleA(nullptr);
    cls.lpszClassName = "VelanBrowserStandIn";
    ::RegisterClassA(&cls);
    HWND browser = ::CreateWindowA(cls.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, cls.hInstance, nullptr);
    // Only the start with a path asks for a selection: an empty path and any other notification
    // ask nothing.
    const BrowseStart path{"Vyberte", " D:\\Hry\\VELAN\\ "};
    const BrowseStart empty{"Vyberte", CString()};
    EXPECT_EQ(BrowseCallback(browser, BFFM_INITIALIZED, 0, reinterpret_cast<LPARAM>(&path)), 0);
    EXPECT_EQ(BrowseCallback(browser, BFFM_INITIALIZED, 0, reinterpret_cast<LPARAM>(&empty)), 0);
    EXPECT_EQ(BrowseCallback(browser, BFFM_SELCHANGED, 0, reinterpret_cast<LPARAM>(&path)), 0);
    EXPECT_EQ(g_requests, "1  D:\\Hry\\VELAN\\ ;");
    ::DestroyWindow(browser);
}
