// The real installer staged beside a large translation, driven from a second process: the game folder typed into
// the path box, Install pressed, the run timed to the success line or, with storno, from a press of Storno in the
// progress window to the restored state; Storno is pressed once `stornoAfter` seconds have passed (the host side
// passes a third of a full run, so that the copy is well under way). While the copy runs only calls that never wait
// on the installer's own thread are made (texts and styles come from the window manager), so looking never holds
// the copy up.
#include <filesystem>
#include <set>

#include "bench/Bench.h"
#include "tests/support/InstallerProcess.h"

namespace {

// Texts of the installer as UTF-16, escaped: this file's bytes never depend on a code page.
const wchar_t kProgressTitle[] = L"Kop\u00EDrov\u00E1n\u00ED soubor\u016F";
const wchar_t kSucceeded[] = L"Instalace \u00FAsp\u011B\u0161n\u011B dokon\u010Dena";
const wchar_t kNotFinished[] = L"Instalace nebyla dokon\u010Dena";

// The file the progress window names: a static whose text is a path, so that a caption beside it is skipped.
std::wstring ShownFile(HWND progress)
{
    for (HWND child : Windows(0, progress)) {
        const std::wstring text = ClassOf(child) == L"Static" ? StoredText(child) : L"";
        if (text.find(L'\\') != std::wstring::npos) return text;
    }
    return L"";
}

}  // namespace

int DriveInstall(bool storno, double stornoAfter)
{
    const std::string game = HostPathFromEnvironment("BENCH_GAME_DIR");
    const std::string sync = HostPathFromEnvironment("BENCH_SYNC_DIR");
    InstallerProcess installer(HostPathFromEnvironment("BENCH_INSTALLER_DIR"));
    const DWORD pid = installer.Id();
    const HWND dialog = installer.MainWindow(), status = ::GetDlgItem(dialog, IDC_STATUS);
    if (!dialog) return Error("no installer window");
    std::printf("installer_pid\t%lu\n", pid);
    const std::wstring typed(game.begin(), game.end() - 1);  // by hand: without the backslash the installer adds
    ::SendMessageW(::GetDlgItem(dialog, IDC_PATH), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
    if (!::IsWindowEnabled(::GetDlgItem(dialog, IDOK))) {
        return Error("Install is disabled: " + Utf8(StoredText(status)));
    }
    ::Sleep(1000);  // past start-up: the idle figures come from a settled window

    // Each top-level window of the installer once per phase and state, with the enabled state first seen.
    std::set<std::string> seen;
    std::vector<std::string> windows, boxes;
    const auto look = [&](const char* phase) {
        for (HWND window : Windows(pid)) {
            char handle[32];
            std::snprintf(handle, sizeof handle, "%p", static_cast<void*>(window));
            const std::string what = std::string(handle) + "\t" + Utf8(ClassOf(window)) + "\t" +
                                     (::IsWindowVisible(window) ? "visible" : "hidden");
            const std::string title = "\"" + Utf8(StoredText(window)) + "\"";
            if (seen.insert(phase + what + title).second) {
                windows.push_back(std::string("window\t") + phase + "\t" + what + "\t" +
                                  (::IsWindowEnabled(window) ? "enabled" : "disabled") + "\t" + title);
            }
        }
    };
    look("idle");
    if (!Handshake(sync, "idle")) return 1;

    double firstWrite = -1, statusAt = -1, progressAt = -1, fileAt = -1, clickedAt = -1, progressGone = -1;
    double restored = -1, unresponsive = 0, lastLook = 0, clicked = 0;
    HWND progress = nullptr;
    bool bar = false, undoAtClick = false;
    std::wstring outcome, firstFile, fileAtClick, button;
    std::set<HWND> described;
    std::string error;
    const double pressed = Now();
    double lastResponse = pressed;
    Press(dialog, IDOK);
    for (;;) {
        const double now = Now(), elapsed = now - pressed;
        std::error_code ignored;
        if (firstWrite < 0 && !std::filesystem::is_empty(game, ignored)) firstWrite = elapsed;
        const std::wstring text = StoredText(status);
        if (statusAt < 0 && !text.empty() && ::IsWindowVisible(status)) {
            statusAt = elapsed;
            outcome = text;
        }
        if (elapsed - lastLook >= 0.25) {
            lastLook = Now() - pressed;
            look(statusAt < 0 ? "copy" : "after");
            DWORD_PTR answer = 0;
            if (::SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 100, &answer)) lastResponse = Now();
            unresponsive = std::max(unresponsive, Now() - lastResponse);
            for (HWND window : Windows(pid)) {
                if (window == dialog || !::IsWindowVisible(window)) continue;
                if (HWND message = ::GetDlgItem(window, 0xFFFF)) {  // a message box: its text kept, answered with OK
                    boxes.push_back("message_box\t" + Utf8(StoredText(message)));
                    ::PostMessageW(window, WM_COMMAND, IDOK, 0);
                } else if (described.insert(window).second) {
                    for (HWND child : Windows(0, window)) {
                        std::printf("child\t%p\t%s\tid %d\t\"%s\"\n", static_cast<void*>(window),
                                    Utf8(ClassOf(child)).c_str(), ::GetDlgCtrlID(child),
                                    Utf8(StoredText(child)).c_str());
                    }
                }
            }
        }
        // The progress window: visible, owned by the main dialog, with the agreed title (message boxes are not it).
        for (HWND window : !progress && statusAt < 0 ? Windows(pid) : std::vector<HWND>()) {
            if (::IsWindowVisible(window) && ::GetWindow(window, GW_OWNER) == dialog && ClassOf(window) == L"#32770" &&
                StoredText(window) == kProgressTitle) {
                progress = window;
                progressAt = elapsed;
                break;
            }
        }
        if (progress) {
            for (HWND child : bar ? std::vector<HWND>() : Windows(0, progress)) {  // its controls may come late
                bar = bar || ClassOf(child) == L"msctls_progress32";
            }
            if (fileAt < 0 && !(firstFile = ShownFile(progress)).empty()) fileAt = elapsed;
            if (clickedAt >= 0 && progressGone < 0 && (!::IsWindow(progress) || !::IsWindowVisible(progress))) {
                progressGone = Now() - clicked;
            }
        }
        const bool enabled = ::IsWindowEnabled(dialog) != FALSE;
        const bool due = storno && clickedAt < 0 && fileAt >= 0 && elapsed >= stornoAfter;
        const HWND cancel = due ? ::GetDlgItem(progress, IDCANCEL) : nullptr;
        if (elapsed > 1800) {
            error = "no outcome after 30 minutes";
        } else if (!storno) {
            if (statusAt >= 0 && enabled) break;
        } else if (clickedAt >= 0) {
            if (text == kNotFinished && enabled) {
                restored = now - clicked;
                break;
            }
            if (text == kSucceeded && enabled) {
                error = "Storno was pressed, yet the install completed";
            } else if (now - clicked > 60) {
                error = "no restored state 60 s after Storno: status \"" + Utf8(text) + "\", dialog " +
                        (enabled ? "enabled" : "disabled") + ", progress window " +
                        (progressGone < 0 ? "still shown" : "gone");
            }
        } else if (statusAt >= 0) {
            error = "the install ended " + std::string(progressAt < 0 ? "with no progress window shown" : "before "
                    "Storno was pressed") + " (status \"" + Utf8(outcome) + "\")" +
                    (progressAt < 0 ? "" : "; the copy was too short to stop");
        } else if (progressAt < 0 && elapsed > 30) {
            error = "no progress window appeared within 30 s of Install (a visible #32770 owned by the installer's "
                    "dialog, titled \"" + Utf8(kProgressTitle) + "\")";
        } else if (due && !cancel) {
            error = "the progress window has no button with id IDCANCEL (2)";
        } else if (due) {
            button = StoredText(cancel);
            fileAtClick = ShownFile(progress);
            undoAtClick = ::GetFileAttributesA((game + "VELANInst.undo").c_str()) != INVALID_FILE_ATTRIBUTES;
            clickedAt = elapsed;
            clicked = Now();
            ::PostMessageW(cancel, BM_CLICK, 0, 0);
        }
        if (!error.empty()) break;
        // Every look costs the wineserver a few requests, which the copy also needs; after Storno the wait is
        // short, as what is timed there is under a second.
        ::Sleep(clickedAt >= 0 ? 5 : firstWrite < 0 || (storno && fileAt < 0) ? 10 : 50);
    }
    const double enabledAt = error.empty() ? Now() - pressed : -1;
    double notepad = -1;
    HWND info = nullptr;
    const auto infoShown = [&] {  // the information document, opened in Notepad on success
        while ((info = ::FindWindowExW(nullptr, info, L"Notepad", nullptr)) != nullptr) {
            if (StoredText(info).find(L"CZ_info") != std::wstring::npos) return true;
        }
        return false;
    };
    if (error.empty() && !storno && WaitUntil(infoShown, 15000)) notepad = Now() - pressed;
    if (error.empty()) look("after");
    else Error(error);

    std::printf("press_to_first_write_s\t%.3f\npress_to_status_s\t%.3f\npress_to_enabled_s\t%.3f\n"
                "press_to_progress_window_s\t%.3f\npress_to_file_shown_s\t%.3f\nlongest_unresponsive_s\t%.3f\n"
                "status\t%s\n", firstWrite, statusAt, enabledAt, progressAt, fileAt, unresponsive,
                Utf8(outcome).c_str());
    if (storno) {
        std::printf("press_to_storno_s\t%.3f\nstorno_to_progress_gone_s\t%.3f\nstorno_to_restored_s\t%.3f\n"
                    "storno_file\t%s\nstorno_button\t%s\nundo_folder_at_storno\t%s\n", clickedAt, progressGone,
                    restored, Utf8(fileAtClick).c_str(), Utf8(button).c_str(), undoAtClick ? "present" : "absent");
    }
    if (progress) {
        std::printf("progress_window\tbar %s, file shown \"%s\"\n", bar ? "present" : "MISSING",
                    Utf8(firstFile).c_str());
    }
    for (const std::string& line : boxes) std::printf("%s\n", line.c_str());
    for (const std::string& line : windows) std::printf("%s\n", line.c_str());
    if (!error.empty()) return 1;  // the installer ends with `installer`
    std::printf("press_to_notepad_s\t%.3f\n", notepad);

    // The host side looks at the game folder and the installer's memory while the installer still runs.
    if (!Handshake(sync, "done")) return 1;
    if (info) {
        ::PostMessageW(info, WM_CLOSE, 0, 0);
        WaitUntil([&] { return !::IsWindow(info); }, 5000);
    }
    Press(dialog, IDCANCEL);
    std::printf("installer_exit\t%s\n", installer.WaitForExit(10000) ? "closed" : "still running");
    return 0;
}
