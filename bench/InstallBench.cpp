// Benchmark driver: starts the real installer that bench/install.sh staged beside a large translation,
// types the game folder into the path box, presses Install and times the run from a second process:
// to the success line, or, with BENCH_MODE=storno, from a press of Storno in the progress window to
// the restored state. Prints tab-separated figures for the script. Only calls that never wait on the
// installer's own thread are used while the copy runs (window texts and styles come from the window
// manager), so the driver keeps looking while the installer is busy.
//
// Environment: BENCH_INSTALLER_DIR, BENCH_GAME_DIR, BENCH_SYNC_DIR (host paths, ending in "/");
// BENCH_MODE=storno; BENCH_STORNO_AFTER_S, the least time from Install to Storno (the script passes a
// third of a full run, so the copy is well under way); BENCH_PROGRESS_WAIT_S, how long to wait for
// the progress window before giving up (default 30).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bench/Handshake.h"
#include "tests/support/InstallerProcess.h"

namespace {

std::string Utf8(const std::wstring& text)
{
    if (text.empty()) return std::string();
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                             nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0], length, nullptr,
                          nullptr);
    for (char& ch : bytes) {
        if (ch == '\r' || ch == '\n' || ch == '\t') ch = ' ';
    }
    return bytes;
}

// The window manager's copy of a window's text: no message reaches the owning thread.
std::wstring StoredText(HWND window)
{
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    return text;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 256);
    return name;
}

struct Seen {
    std::string phase;
    HWND window;
    std::wstring className;
    std::wstring title;
    bool visible;
    bool enabled;
};

struct Lister {
    DWORD pid;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param)
{
    Lister& lister = *reinterpret_cast<Lister*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid == lister.pid) lister.windows.push_back(window);
    return TRUE;
}

// Every top-level window of the process, hidden ones too.
std::vector<HWND> TopLevelWindows(DWORD pid)
{
    Lister lister{pid, {}};
    ::EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&lister));
    return lister.windows;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param)
{
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    ::EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

// Texts of the installer, as UTF-16 (escaped: this file's bytes never depend on a code page).
const wchar_t kProgressTitle[] = L"Kop\u00EDrov\u00E1n\u00ED soubor\u016F";
const wchar_t kSucceeded[] = L"Instalace \u00FAsp\u011B\u0161n\u011B dokon\u010Dena";
const wchar_t kNotFinished[] = L"Instalace nebyla dokon\u010Dena";

bool SameClass(HWND window, const wchar_t* name)
{
    return ::lstrcmpiW(ClassOf(window).c_str(), name) == 0;
}

// The progress window the installer shows while it copies: a visible dialog owned by its main dialog,
// with the agreed title. Other windows (message boxes) are not it.
HWND FindProgressWindow(DWORD pid, HWND dialog)
{
    for (HWND window : TopLevelWindows(pid)) {
        if (::IsWindowVisible(window) && ::GetWindow(window, GW_OWNER) == dialog && SameClass(window, L"#32770") &&
            StoredText(window) == kProgressTitle) {
            return window;
        }
    }
    return nullptr;
}

// The file the progress window names: a static whose text is a path, so a caption beside it is skipped.
std::wstring ShownFile(HWND progress)
{
    for (HWND child : Children(progress)) {
        if (!SameClass(child, L"Static")) continue;
        const std::wstring text = StoredText(child);
        if (text.find(L'\\') != std::wstring::npos) return text;
    }
    return std::wstring();
}

bool HasChildOfClass(HWND window, const wchar_t* name)
{
    for (HWND child : Children(window)) {
        if (SameClass(child, name)) return true;
    }
    return false;
}

class Recorder {
public:
    void Look(DWORD pid, const std::string& phase)
    {
        for (HWND window : TopLevelWindows(pid)) {
            const Seen seen{phase, window, ClassOf(window), StoredText(window), ::IsWindowVisible(window) != FALSE,
                            ::IsWindowEnabled(window) != FALSE};
            char key[64];
            std::snprintf(key, sizeof key, "%p|%d", static_cast<void*>(window), seen.visible ? 1 : 0);
            const std::string id = phase + "|" + key + "|" + Utf8(seen.className) + "|" + Utf8(seen.title);
            if (m_seen.emplace(id, seen).second) m_order.push_back(id);
        }
    }
    void Print() const
    {
        for (const std::string& id : m_order) {
            const Seen& s = m_seen.at(id);
            std::printf("window\t%s\t%p\t%s\t%s\t%s\t\"%s\"\n", s.phase.c_str(), static_cast<void*>(s.window),
                        Utf8(s.className).c_str(), s.visible ? "visible" : "hidden", s.enabled ? "enabled" : "disabled",
                        Utf8(s.title).c_str());
        }
    }

private:
    std::map<std::string, Seen> m_seen;
    std::vector<std::string> m_order;
};

bool AnyEntry(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool found = false;
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..") found = true;
    } while (!found && ::FindNextFileA(find, &data));
    ::FindClose(find);
    return found;
}

HWND FindInfoNotepad()
{
    HWND notepad = nullptr;
    while ((notepad = ::FindWindowExW(nullptr, notepad, L"Notepad", nullptr)) != nullptr) {
        if (StoredText(notepad).find(L"CZ_info") != std::wstring::npos) return notepad;
    }
    return nullptr;
}

void Figure(const char* name, double seconds)
{
    std::printf("%s\t%.3f\n", name, seconds);
}

// Runs the installer's copy once; prints the figures and what went wrong, if anything.
class Run {
public:
    Run(InstallerProcess& installer, HWND dialog, const std::string& gameDir, bool storno, double stornoAfter,
        double progressWait)
        : m_installer(installer), m_dialog(dialog), m_status(::GetDlgItem(dialog, 1005)), m_gameDir(gameDir),
          m_storno(storno), m_stornoAfter(stornoAfter), m_progressWait(progressWait)
    {
    }

    // False with an "error" line printed when the run did not end as it should.
    bool Go()
    {
        m_pressed = Now();
        m_lastResponse = m_lastLook = m_pressed;
        Press(m_dialog, IDOK);
        while (true) {
            const LARGE_INTEGER now = Now();
            const double elapsed = Seconds(m_pressed, now);
            if (elapsed > 1800) return Fail("no outcome after 30 minutes");
            if (m_firstWrite < 0 && AnyEntry(m_gameDir)) m_firstWrite = elapsed;
            const std::wstring text = StoredText(m_status);
            if (m_statusShown < 0 && !text.empty() && ::IsWindowVisible(m_status)) {
                m_statusShown = elapsed;
                m_outcome = text;
            }
            if (Seconds(m_lastLook, now) >= 0.25) LookAround();
            WatchProgress(elapsed);
            const bool enabled = ::IsWindowEnabled(m_dialog) != FALSE;
            if (m_storno && m_clickedAt < 0) {
                if (m_statusShown >= 0) {
                    return Fail(m_progressAt < 0 ? "the install ended with no progress window shown (status \"" +
                                                       Utf8(m_outcome) + "\")"
                                                 : "the install ended before Storno was pressed (status \"" +
                                                       Utf8(m_outcome) + "\"); the copy was too short to stop");
                }
                if (m_progressAt < 0 && elapsed > m_progressWait) {
                    char reason[256];
                    std::snprintf(reason, sizeof reason,
                                  "no progress window appeared within %.0f s of Install (a visible #32770 owned by "
                                  "the installer's dialog, titled \"%s\")",
                                  m_progressWait, Utf8(kProgressTitle).c_str());
                    return Fail(reason);
                }
                if (m_fileAt >= 0 && elapsed >= m_stornoAfter && !PressStorno(elapsed)) return false;
            } else if (m_storno) {
                const double sinceClick = Seconds(m_clicked, now);
                if (text == kNotFinished && enabled) {
                    m_restored = sinceClick;
                    break;
                }
                if (text == kSucceeded && enabled) return Fail("Storno was pressed, yet the install completed");
                if (sinceClick > 60) {
                    return Fail("no restored state 60 s after Storno: status \"" + Utf8(text) + "\", dialog " +
                                (enabled ? "enabled" : "disabled") + ", progress window " +
                                (m_progressGone < 0 ? "still shown" : "gone"));
                }
            } else if (m_statusShown >= 0 && enabled) {
                break;
            }
            // Every look costs the wineserver a few requests, which the installer's copy also needs;
            // after Storno the wait is short, as what is timed there is under a second.
            ::Sleep(m_clickedAt >= 0 ? 5 : m_firstWrite < 0 || (m_storno && m_fileAt < 0) ? 10 : 50);
        }
        m_enabled = Seconds(m_pressed, Now());
        return true;
    }

    void Print() const
    {
        Figure("press_to_first_write_s", m_firstWrite);
        Figure("press_to_status_s", m_statusShown);
        Figure("press_to_enabled_s", m_enabled);
        Figure("press_to_progress_window_s", m_progressAt);
        Figure("press_to_file_shown_s", m_fileAt);
        Figure("longest_unresponsive_s", m_longestUnresponsive);
        std::printf("status\t%s\n", Utf8(m_outcome).c_str());
        if (m_storno) {
            Figure("press_to_storno_s", m_clickedAt);
            Figure("storno_to_progress_gone_s", m_progressGone);
            Figure("storno_to_restored_s", m_restored);
            std::printf("storno_file\t%s\n", Utf8(m_fileAtClick).c_str());
            std::printf("storno_button\t%s\n", Utf8(m_buttonText).c_str());
            std::printf("undo_folder_at_storno\t%s\n", m_undoAtClick ? "present" : "absent");
        }
        if (m_progress) {
            std::printf("progress_window\tbar %s, file shown \"%s\"\n",
                        m_progressBar ? "present" : "MISSING", Utf8(m_firstFile).c_str());
        }
        for (const std::wstring& box : m_boxes) std::printf("message_box\t%s\n", Utf8(box).c_str());
        m_windows.Print();
    }

    Recorder& Windows() { return m_windows; }
    LARGE_INTEGER Pressed() const { return m_pressed; }

private:
    bool Fail(const std::string& reason)
    {
        std::printf("error\t%s\n", reason.c_str());
        return false;
    }

    void LookAround()
    {
        m_lastLook = Now();
        m_windows.Look(m_installer.Id(), m_statusShown < 0 ? "copy" : "after");
        DWORD_PTR ignored = 0;
        if (::SendMessageTimeoutW(m_dialog, WM_NULL, 0, 0, SMTO_NORMAL, 100, &ignored)) {
            m_lastResponse = Now();
        } else if (Seconds(m_lastResponse, Now()) > m_longestUnresponsive) {
            m_longestUnresponsive = Seconds(m_lastResponse, Now());
        }
        for (HWND window : TopLevelWindows(m_installer.Id())) {
            if (window == m_dialog || !::IsWindowVisible(window)) continue;
            if (::GetDlgItem(window, 0xFFFF)) {  // a message box: its text kept, answered with OK
                m_boxes.push_back(StoredText(::GetDlgItem(window, 0xFFFF)));
                ::PostMessageW(window, WM_COMMAND, IDOK, 0);
                continue;
            }
            if (m_described.insert(window).second) {
                for (HWND child : Children(window)) {
                    std::printf("child\t%p\t%s\tid %d\t\"%s\"\n", static_cast<void*>(window),
                                Utf8(ClassOf(child)).c_str(), ::GetDlgCtrlID(child), Utf8(StoredText(child)).c_str());
                }
            }
        }
    }

    void WatchProgress(double elapsed)
    {
        if (!m_progress) {
            if (m_statusShown >= 0) return;
            m_progress = FindProgressWindow(m_installer.Id(), m_dialog);
            if (!m_progress) return;
            m_progressAt = elapsed;
        }
        // The window may get its controls after it shows.
        if (!m_progressBar) m_progressBar = HasChildOfClass(m_progress, L"msctls_progress32");
        if (m_fileAt < 0) {
            m_firstFile = ShownFile(m_progress);
            if (!m_firstFile.empty()) m_fileAt = elapsed;
        }
        if (m_clickedAt >= 0 && m_progressGone < 0 && (!::IsWindow(m_progress) || !::IsWindowVisible(m_progress))) {
            m_progressGone = Seconds(m_clicked, Now());
        }
    }

    bool PressStorno(double elapsed)
    {
        HWND button = ::GetDlgItem(m_progress, IDCANCEL);
        if (!button) return Fail("the progress window has no button with id IDCANCEL (2)");
        m_buttonText = StoredText(button);
        m_fileAtClick = ShownFile(m_progress);
        m_undoAtClick = ::GetFileAttributesA((m_gameDir + "VELANInst.undo").c_str()) != INVALID_FILE_ATTRIBUTES;
        m_clickedAt = elapsed;
        m_clicked = Now();
        ::PostMessageW(button, BM_CLICK, 0, 0);
        return true;
    }

    InstallerProcess& m_installer;
    HWND m_dialog;
    HWND m_status;
    std::string m_gameDir;
    bool m_storno;
    double m_stornoAfter;
    double m_progressWait;
    LARGE_INTEGER m_pressed{}, m_lastResponse{}, m_lastLook{}, m_clicked{};
    double m_firstWrite = -1, m_statusShown = -1, m_enabled = -1, m_longestUnresponsive = 0;
    double m_progressAt = -1, m_fileAt = -1, m_clickedAt = -1, m_progressGone = -1, m_restored = -1;
    HWND m_progress = nullptr;
    bool m_progressBar = false, m_undoAtClick = false;
    std::wstring m_outcome, m_firstFile, m_fileAtClick, m_buttonText;
    std::vector<std::wstring> m_boxes;
    std::set<HWND> m_described;
    Recorder m_windows;
};

double SecondsFromEnvironment(const char* name, double fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::atof(text) : fallback;
}

}  // namespace

int main()
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const std::string installerDir = HostPathFromEnvironment("BENCH_INSTALLER_DIR");
    const std::string gameDir = HostPathFromEnvironment("BENCH_GAME_DIR");
    const std::string syncDir = HostPathFromEnvironment("BENCH_SYNC_DIR");
    const char* modeSetting = std::getenv("BENCH_MODE");
    const bool storno = modeSetting && std::string(modeSetting) == "storno";

    InstallerProcess installer(installerDir);
    HWND dialog = installer.MainWindow();
    if (!dialog) {
        std::printf("error\tno installer window\n");
        return 1;
    }
    std::printf("installer_pid\t%lu\n", static_cast<unsigned long>(installer.Id()));
    // The path typed by hand, without its trailing backslash (the installer adds one).
    const std::wstring typed(gameDir.begin(), gameDir.end() - 1);
    ::SendMessageW(::GetDlgItem(dialog, 1001), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
    if (!::IsWindowEnabled(::GetDlgItem(dialog, IDOK))) {
        std::printf("error\tInstall is disabled: %s\n", Utf8(StoredText(::GetDlgItem(dialog, 1005))).c_str());
        return 1;
    }
    ::Sleep(1000);  // past start-up: the idle figures come from a settled window
    Run run(installer, dialog, gameDir, storno, SecondsFromEnvironment("BENCH_STORNO_AFTER_S", 0),
            SecondsFromEnvironment("BENCH_PROGRESS_WAIT_S", 30));
    run.Windows().Look(installer.Id(), "idle");
    if (!Handshake(syncDir, "idle")) return 1;

    const bool ended = run.Go();
    if (!ended) {
        run.Print();
        return 1;  // the installer is ended with this process's InstallerProcess
    }
    double notepad = -1;
    HWND info = nullptr;
    if (!storno && WaitUntil([&] { return (info = FindInfoNotepad()) != nullptr; }, 15000)) {
        notepad = Seconds(run.Pressed(), Now());
    }
    run.Windows().Look(installer.Id(), "after");
    run.Print();
    Figure("press_to_notepad_s", notepad);

    // The script looks at the game folder and the installer's memory while the installer still runs.
    if (!Handshake(syncDir, "done")) return 1;
    if (info) {
        ::PostMessageW(info, WM_CLOSE, 0, 0);
        WaitUntil([&] { return !::IsWindow(info); }, 5000);
    }
    Press(dialog, IDCANCEL);
    std::printf("installer_exit\t%s\n", installer.WaitForExit(10000) ? "closed" : "still running");
    return 0;
}
