// Pixels read back from the screen.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class ScreenShot {
public:
    // Copies a screen rectangle.
    explicit ScreenShot(const RECT& area);
    // The colour at a point relative to the rectangle's corner, as 0x00BBGGRR.
    COLORREF At(int x, int y) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // How many pixels of a rectangle (relative) have exactly this colour.
    int Count(const RECT& part, COLORREF colour) const;

private:
    int m_width;
    int m_height;
    std::vector<DWORD> m_pixels;
};

// How many pixels of a screen rectangle differ from a bitmap file drawn at its corner.
int DifferencesFromBitmapFile(const RECT& area, const std::string& bmpPath);

// The screen rectangle of a window, or of a control of a dialog.
RECT ScreenRectOf(HWND window);
