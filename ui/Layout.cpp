// The bold font and the path-box shrink.
#include "ui/Layout.h"

LOGFONTW BoldFontDescription()
{
    LOGFONTW font{};
    font.lfHeight = 11;
    font.lfWeight = FW_BOLD;
    font.lfCharSet = EASTEUROPE_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = FF_SWISS | DEFAULT_PITCH;
    lstrcpynW(font.lfFaceName, L"MS Sans Serif", LF_FACESIZE);
    return font;
}

void ShrinkPathBox(HWND pathBox, HWND dialog)
{
    RECT box{};
    ::GetWindowRect(pathBox, &box);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    ::SetWindowPos(pathBox, nullptr, 0, 0, box.right - box.left, box.bottom - box.top - kPathBoxShrink,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(pathBox, nullptr, TRUE);
}
