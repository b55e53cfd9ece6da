// The floor of the start-up benchmark: the least a program can do to show a window like the installer's here. The
// same kind of window (modal dialog from a template, borderless popup, 400x369 dialog units in "MS Sans Serif" 8,
// centred in the work area as the installer places itself), the same title, so that the timer finds both by one
// rule, the same static runtime; no controls, no picture, no files, no extra libraries.
//
// Built twice more for the breakdown of the installer's start-up: VELAN_FLOOR_LIBRARIES imports the libraries the
// installer imports (the loader maps and starts them; nothing of them is called), VELAN_FLOOR_SOUND_INIT also sets
// up the sound library as the installer's window object does when it is made.
#include <windows.h>

#ifdef VELAN_FLOOR_LIBRARIES
#include <commctrl.h>
#include <ole2.h>
#include <olectl.h>
#include <shellapi.h>

#include "soundlib/fsound.h"

// One function of each imported library, kept so that the linker keeps the import.
void* volatile g_imports[] = {reinterpret_cast<void*>(&InitCommonControlsEx), reinterpret_cast<void*>(&OleInitialize),
                              reinterpret_cast<void*>(&OleLoadPicture), reinterpret_cast<void*>(&ShellExecuteA),
                              reinterpret_cast<void*>(&FSOUND_GetError)};
#endif

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
#ifdef VELAN_FLOOR_LIBRARIES
    if (!g_imports[0]) return 1;
#endif
#ifdef VELAN_FLOOR_SOUND_INIT
    FSOUND_SetDriver(0);
    FSOUND_Init(44100, 32, 0);
#endif
    return static_cast<int>(::DialogBoxIndirectParamW(instance, &kTemplate.head, nullptr, Proc, 0));
}
