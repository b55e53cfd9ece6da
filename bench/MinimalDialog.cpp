// The floor of the start-up benchmark: the least a program can do to show a window like the installer's here. The
// same kind of window (modal dialog from a template, borderless popup, 400x369 dialog units in "MS Sans Serif" 8,
// centred in the work area as the installer places itself), the same title, so that the timer finds both by one
// rule, the same static runtime; no controls, no picture, no files, no extra libraries.
#include <windows.h>

namespace {

// A dialog template with no items: no menu, the dialog class, the title, the font.
struct alignas(4) Template {
    DLGTEMPLATE head;
    WORD menu, dialogClass;
    wchar_t title[26];
    WORD points;
    wchar_t face[14];
};
const Template kTemplate = {{DS_SETFONT | DS_CENTER | WS_POPUP | WS_VISIBLE, WS_EX_APPWINDOW, 0, 0, 0, 400, 369},
                            0, 0, L"VELAN - Instalace \u010de\u0161tiny", 8, L"MS Sans Serif"};

INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wp, LPARAM)
{
    // The timer closes the window with WM_CLOSE, which a dialog turns into IDCANCEL.
    if (message == WM_COMMAND && (LOWORD(wp) == IDCANCEL || LOWORD(wp) == IDOK)) return ::EndDialog(window, LOWORD(wp));
    return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return static_cast<int>(::DialogBoxIndirectParamW(instance, &kTemplate.head, nullptr, Proc, 0));
}
