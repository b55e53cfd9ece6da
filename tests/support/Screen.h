// Pixels read back from the screen, and from bitmap files to compare them with.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/WaitUntil.h"

class ScreenShot {
public:
    // Copies a screen rectangle.
    explicit ScreenShot(const RECT& area);
    // The pixels of a bitmap file (empty when it does not load).
    explicit ScreenShot(const std::string& bmpPath);
    // The colour at a point relative to the rectangle's corner, as 0x00BBGGRR.
    COLORREF At(int x, int y) const;
    // How many pixels of a rectangle (relative) have exactly this colour.
    int Count(const RECT& part, COLORREF colour) const;

private:
    friend int DifferencesFromBitmapFile(const RECT& area, const std::string& bmpPath);
    void Copy(HDC source, int x, int y);

    int m_width = 0;
    int m_height = 0;
    std::vector<DWORD> m_pixels;
};

// How many pixels of a screen rectangle differ from a bitmap file drawn at its corner (-1: no file).
int DifferencesFromBitmapFile(const RECT& area, const std::string& bmpPath);

// The screen rectangle of a window, or of a control of a dialog.
RECT ScreenRectOf(HWND window);

// The screen rectangle as soon as it shows what `drawn` looks for, or as it is once the time is up
// (for the test to fail on): a window is painted after it shows, and under Wine its pixels reach the
// screen after that, when its thread next goes idle.
template <class Drawn>
ScreenShot ScreenShotWhen(const RECT& area, Drawn drawn, DWORD timeoutMs = 3000)
{
    ScreenShot shot(area);
    WaitUntil([&] {
        shot = ScreenShot(area);
        return drawn(shot);
    }, timeoutMs);
    return shot;
}
