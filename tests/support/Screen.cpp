// ScreenShot: a block copy of the screen into a top-down 32-bit bitmap.
#include "Screen.h"

ScreenShot::ScreenShot(const RECT& area)
    : m_width(area.right - area.left),
      m_height(area.bottom - area.top),
      m_pixels(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height))
{
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = m_width;
    info.bmiHeader.biHeight = -m_height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, m_width, m_height, screen, area.left, area.top, SRCCOPY);
    ::GdiFlush();
    const DWORD* source = static_cast<const DWORD*>(bits);
    m_pixels.assign(source, source + m_pixels.size());
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
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
    HBITMAP bitmap = static_cast<HBITMAP>(
        ::LoadImageA(nullptr, bmpPath.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap) return -1;
    BITMAP info{};
    ::GetObjectW(bitmap, sizeof info, &info);
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof request.bmiHeader;
    request.bmiHeader.biWidth = info.bmWidth;
    request.bmiHeader.biHeight = -info.bmHeight;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<std::size_t>(info.bmWidth) * static_cast<std::size_t>(info.bmHeight));
    HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &request, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    ::DeleteObject(bitmap);
    const ScreenShot shot(area);
    int differences = 0;
    for (int y = 0; y < info.bmHeight && y < shot.Height(); ++y) {
        for (int x = 0; x < info.bmWidth && x < shot.Width(); ++x) {
            const DWORD p = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(info.bmWidth) + x];
            differences += shot.At(x, y) != RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        }
    }
    return differences;
}
