// The real installer staged beside a large translation, driven from a second process: the game folder typed into
// the path box, Install pressed, the run timed to the success line or, with storno, from a press of Storno in the
// progress window to the restored state; Storno is pressed once `stornoAfter` seconds have passed (the host side
// passes a third of a full run, so that the copy is well under way). While the copy runs only calls that never wait
// on the installer's own thread are made (texts and styles come from the window manager), so looking never holds
// the copy up.
#include <filesystem>

#include "bench/Bench.h"
#include "tests/support/InstallerProcess.h"

namespace {

// Texts of the installer as UTF-16, escaped: this file's bytes never depend on a code page.
const wchar_t kProgressTitle[] = L"Kop\u00EDrov\u00E1n\u00ED soubor\u016F";
const wchar_t kSucceeded[] = L"Instalace \u00FAsp\u011B\u0161n\u011B dokon\u010Dena";
const wchar_t kNotFinished[] = L"Instalace nebyla dokon\u010Dena";

// The progress window once it names a file being copied (a static whose text is a path): the copy is under way.
HWND CopyUnderWay(DWORD pid, HWND dialog)
{
    for (HWND window : Windows(pid)) {
        if (!::IsWindowVisible(window) || ::GetWindow(window, GW_OWNER) != dialog ||
            StoredText(window) != kProgressTitle) {
            continue;
        }
        for (HWND child : Windows(0, window)) {
            if (ClassOf(child) == L"Static" && StoredText(child).find(L'\\') != std::wstring::npos) return window;
        }
    }
    return nullptr;
}

}  // namespace

int DriveInstall(bool storno, double stornoAfter)
{
    const std::string game = HostPathFromEnvironment("BENCH_GAME_DIR");
    InstallerProcess installer(HostPathFromEnvironment("BENCH_INSTALLER_DIR"));
    const HWND dialog = installer.MainWindow(), status = ::GetDlgItem(dialog, IDC_STATUS);
    if (!dialog) return Error("no installer window");
    const std::wstring typed(game.begin(), game.end() - 1);  // by hand: without the backslash the installer adds
    ::SendMessageW(::GetDlgItem(dialog, IDC_PATH), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
    if (!::IsWindowEnabled(::GetDlgItem(dialog, IDOK))) return Error("Install is off: " + Utf8(StoredText(status)));
    ::Sleep(1000);  // past start-up: the idle figures come from a settled window
    if (!Handshake("idle")) return 1;

    double firstWrite = -1, statusAt = -1, progressAt = -1, clicked = -1, restored = -1, unresponsive = 0;
    double lastLook = 0;
    std::wstring outcome;
    std::string error;
    const double pressed = Now();
    double lastResponse = pressed;
    Press(dialog, IDOK);
    while (error.empty()) {
        const double now = Now(), elapsed = now - pressed;
        std::error_code ignored;
        if (firstWrite < 0 && !std::filesystem::is_empty(game, ignored)) firstWrite = elapsed;
        const std::wstring text = StoredText(status);
        const bool enabled = ::IsWindowEnabled(dialog) != FALSE;
        if (statusAt < 0 && !text.empty() && ::IsWindowVisible(status)) {
            statusAt = elapsed;
            outcome = text;
        }
        if (elapsed - lastLook >= 0.25) {  // does the window answer; a message box is named and answered
            lastLook = elapsed;
            DWORD_PTR answer = 0;
            if (::SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 100, &answer)) lastResponse = Now();
            unresponsive = std::max(unresponsive, Now() - lastResponse);
            for (HWND window : Windows(installer.Id())) {
                if (HWND message = ::IsWindowVisible(window) ? ::GetDlgItem(window, 0xFFFF) : nullptr) {
                    std::printf("message_box\t%s\n", Utf8(StoredText(message)).c_str());
                    ::PostMessageW(window, WM_COMMAND, IDOK, 0);
                }
            }
        }
        const HWND progress = progressAt < 0 || (storno && clicked < 0) ? CopyUnderWay(installer.Id(), dialog) : nullptr;
        if (progress && progressAt < 0) progressAt = elapsed;
        if (elapsed > 1800) {
            error = "no outcome after 30 minutes";
        } else if (!storno) {
            if (statusAt >= 0 && enabled) break;
        } else if (clicked >= 0) {
            if (text == kNotFinished && enabled) {
                restored = now - clicked;
                break;
            }
            if (text == kSucceeded || now - clicked > 60) error = "no restored state after Storno: " + Utf8(text);
        } else if (statusAt >= 0) {
            error = "the install ended before Storno was pressed: " + Utf8(outcome);
        } else if (progress && elapsed >= stornoAfter) {
            clicked = Now();
            ::PostMessageW(::GetDlgItem(progress, IDCANCEL), BM_CLICK, 0, 0);
        }
        // Every look costs the wineserver a few requests, which the copy also needs; after Storno the wait is
        // short, as what is timed there is under a second.
        ::Sleep(clicked >= 0 ? 5 : firstWrite < 0 || progressAt < 0 ? 10 : 50);
    }
    if (!error.empty()) return Error(error);
    const double enabledAt = Now() - pressed;
    HWND info = nullptr;
    const auto infoShown = [&] {  // the information document, opened in Notepad on success
        while ((info = ::FindWindowExW(nullptr, info, L"Notepad", nullptr)) != nullptr) {
            if (StoredText(info).find(L"CZ_info") != std::wstring::npos) return true;
        }
        return false;
    };
    const double notepad = !storno && WaitUntil(infoShown, 15000) ? Now() - pressed : -1;
    std::printf("press_to_first_write_s\t%.3f\npress_to_enabled_s\t%.3f\npress_to_progress_window_s\t%.3f\n"
                "press_to_notepad_s\t%.3f\nlongest_unresponsive_s\t%.3f\nstatus\t%s\n", firstWrite, enabledAt,
                progressAt, notepad, unresponsive, Utf8(outcome).c_str());
    if (storno) std::printf("press_to_storno_s\t%.3f\nstorno_to_restored_s\t%.3f\n", clicked - pressed, restored);

    // The host side looks at the game folder and the installer's memory while the installer still runs.
    if (!Handshake("done")) return 1;
    if (info) ::PostMessageW(info, WM_CLOSE, 0, 0);
    Press(dialog, IDCANCEL);
    return installer.WaitForExit(10000) ? 0 : Error("the installer did not close");
}
