// The floor of the start-up benchmark: the least a program can do to show a window like the
// installer's under this platform. Same kind of window (modal dialog from a template, borderless
// popup, 400x369 dialog units in "MS Sans Serif" 8, centred), same title so the timer finds both
// by one rule, same static runtime; no controls, no picture, no files, no extra libraries.
//
// Two variants built from this source for the breakdown of the installer's start-up:
// VELAN_FLOOR_LIBRARIES imports the libraries the installer imports (the loader maps and starts
// them; nothing of them is called), VELAN_FLOOR_SOUND_INIT also sets up the sound library as the
// installer's window object does when it is made.
#include <windows.h>

#include <cstring>
#include <vector>

#ifdef VELAN_FLOOR_LIBRARIES
#include <commctrl.h>
#include <ole2.h>
#include <olectl.h>
#include <shellapi.h>

#include "soundlib/fsound.h"

// One function of each imported library, kept so the linker keeps the import.
void* volatile g_imports[] = {reinterpret_cast<void*>(&InitCommonControlsEx), reinterpret_cast<void*>(&OleInitialize),
                              reinterpret_cast<void*>(&OleLoadPicture), reinterpret_cast<void*>(&ShellExecuteA),
                              reinterpret_cast<void*>(&FSOUND_GetError)};
#endif

namespace {

const wchar_t kTitle[] = L"VELAN - Instalace \u010de\u0161tiny";
const wchar_t kFace[] = L"MS Sans Serif";

void Append(std::vector<WORD>& out, const void* data, std::size_t bytes)
{
    const std::size_t at = out.size();
    out.resize(at + (bytes + 1) / 2);
    std::memcpy(out.data() + at, data, bytes);
}

// A DLGTEMPLATE with no items: style, extended style, size, no menu, default class, title, font.
std::vector<WORD> Template()
{
    std::vector<WORD> t;
    DLGTEMPLATE head{};
    head.style = DS_SETFONT | WS_POPUP | WS_VISIBLE;
    head.dwExtendedStyle = WS_EX_APPWINDOW;
    head.cdit = 0;
    head.cx = 400;
    head.cy = 369;
    Append(t, &head, sizeof head);
    t.push_back(0);  // no menu
    t.push_back(0);  // the dialog class
    Append(t, kTitle, sizeof kTitle);
    t.push_back(8);  // point size
    Append(t, kFace, sizeof kFace);
    return t;
}

INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wp, LPARAM)
{
    if (message == WM_INITDIALOG) {
        // Centred in the work area, as the installer places itself, so both cover the same pixels.
        RECT own{}, work{};
        ::GetWindowRect(window, &own);
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        const int x = work.left + ((work.right - work.left) - (own.right - own.left)) / 2;
        const int y = work.top + ((work.bottom - work.top) - (own.bottom - own.top)) / 2;
        ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wp) == IDCANCEL || LOWORD(wp) == IDOK)) {
        ::EndDialog(window, LOWORD(wp));
        return TRUE;
    }
    return FALSE;
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
    const std::vector<WORD> dialog = Template();
    return static_cast<int>(::DialogBoxIndirectParamW(
        instance, reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), nullptr, Proc, 0));
}
