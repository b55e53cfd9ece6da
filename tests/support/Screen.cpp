// ScreenShot: a block copy into a top-down 32-bit bitmap, from the screen or from a bitmap file.
#include "tests/support/Screen.h"

#include <algorithm>

#include "framework/Gdi.h"

ScreenShot::ScreenShot(const RECT& area) : m_width(area.right - area.left), m_height(area.bottom - area.top)
{
    HDC screen = ::GetDC(nullptr);
    Copy(screen, area.left, area.top);
    ::ReleaseDC(nullptr, screen);
}

ScreenShot::ScreenShot(const std::string& bmpPath)
{
    const CGdiObject bitmap(
        ::LoadImageA(nullptr, bmpPath.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    BITMAP info{};
    if (bitmap.IsNull() || !::GetObjectW(bitmap.GetSafeHandle(), sizeof info, &info)) return;
    m_width = info.bmWidth;
    m_height = info.bmHeight;
    const CMemoryDC file(::CreateCompatibleDC(nullptr));
    const CSelectGuard selected(file.Get(), bitmap.GetSafeHandle());
    Copy(file.Get(), 0, 0);
}

void ScreenShot::Copy(HDC source, int x, int y)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, m_width, -m_height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top-down
    void* bits = nullptr;
    const CGdiObject bitmap(::CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const CMemoryDC memory(::CreateCompatibleDC(source));
    const CSelectGuard selected(memory.Get(), bitmap.GetSafeHandle());
    ::BitBlt(memory.Get(), 0, 0, m_width, m_height, source, x, y, SRCCOPY);
    ::GdiFlush();
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    m_pixels.assign(pixels, pixels + static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height));
}

COLORREF ScreenShot::At(int x, int y) const
{
    const DWORD bgra = m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

int ScreenShot::Count(const RECT& part, COLORREF colour) const
{
    int n = 0;
    for (int y = part.top; y < part.bottom; ++y) {
        for (int x = part.left; x < part.right; ++x) n += At(x, y) == colour;
    }
    return n;
}

RECT ScreenRectOf(HWND window)
{
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

int DifferencesFromBitmapFile(const RECT& area, const std::string& bmpPath)
{
    const ScreenShot file(bmpPath);
    if (file.m_pixels.empty()) return -1;
    const ScreenShot shot(area);
    int differences = 0;
    for (int y = 0; y < std::min(file.m_height, shot.m_height); ++y) {
        for (int x = 0; x < std::min(file.m_width, shot.m_width); ++x) differences += shot.At(x, y) != file.At(x, y);
    }
    return differences;
}
