// BrowseCallback: what it asks of the browser window, recorded by a stand-in window.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include "install/FolderBrowser.h"

namespace {

struct Request {
    WPARAM isPath;
    std::string path;
};
std::vector<Request> g_requests;

LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wp, LPARAM lp)
{
    if (message == BFFM_SETSELECTIONA) {
        g_requests.push_back(Request{wp, reinterpret_cast<const char*>(lp)});
        return TRUE;
    }
    return ::DefWindowProcA(window, message, wp, lp);
}

// A window standing in for the browser; it records selection requests.
class StandIn {
public:
    StandIn()
    {
        WNDCLASSA cls{};
        cls.lpfnWndProc = Recorder;
        cls.hInstance = ::GetModuleHandleA(nullptr);
        cls.lpszClassName = "VelanBrowserStandIn";
        ::RegisterClassA(&cls);
        m_window = ::CreateWindowA(cls.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, cls.hInstance, nullptr);
        g_requests.clear();
    }
    ~StandIn() { ::DestroyWindow(m_window); }
    HWND Get() const { return m_window; }

private:
    HWND m_window;
};

}  // namespace

TEST(BrowseCallback, PreselectsTheUntrimmedPathAndOnlyThat)
{
    StandIn browser;
    const BrowseStart start{"Vyberte", " D:\\Hry\\VELAN\\ "};
    EXPECT_EQ(BrowseCallback(browser.Get(), BFFM_INITIALIZED, 0, reinterpret_cast<LPARAM>(&start)), 0);
    ASSERT_EQ(g_requests.size(), 1u);
    EXPECT_EQ(g_requests[0].isPath, static_cast<WPARAM>(TRUE));
    EXPECT_EQ(g_requests[0].path, " D:\\Hry\\VELAN\\ ");
    // An empty path, and any other notification, ask nothing.
    g_requests.clear();
    const BrowseStart empty{"Vyberte", CString()};
    EXPECT_EQ(BrowseCallback(browser.Get(), BFFM_INITIALIZED, 0, reinterpret_cast<LPARAM>(&empty)), 0);
    const BrowseStart root{"Vyberte", "C:\\"};
    EXPECT_EQ(BrowseCallback(browser.Get(), BFFM_SELCHANGED, 0, reinterpret_cast<LPARAM>(&root)), 0);
    EXPECT_TRUE(g_requests.empty());
}
