// Benchmark driver: starts the real installer that bench/install.sh staged beside a large translation,
// types the game folder into the path box, presses Install and times the run from a second process.
// Prints tab-separated figures for the script. Only calls that never wait on the installer's own
// thread are used while the copy runs (window texts and styles come from the window manager), so the
// driver keeps looking while the installer is busy.
//
// Environment: BENCH_INSTALLER_DIR, BENCH_GAME_DIR, BENCH_SYNC_DIR (host paths, ending in "/"),
// BENCH_CANCEL=1 to press Cancel in any progress window the shell shows during the copy.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Handshake.h"
#include "support/InstallerProcess.h"

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

// A Cancel button of a window that is not a plain message box, or null.
HWND CancelButtonOf(HWND window)
{
    for (HWND child : Children(window)) {
        const std::wstring text = StoredText(child);
        if (::GetDlgCtrlID(child) == IDCANCEL || text == L"Cancel" || text == L"Storno" || text == L"&Cancel") {
            return child;
        }
    }
    return nullptr;
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

}  // namespace

int main()
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const std::string installerDir = HostPathFromEnvironment("BENCH_INSTALLER_DIR");
    const std::string gameDir = HostPathFromEnvironment("BENCH_GAME_DIR");
    const std::string syncDir = HostPathFromEnvironment("BENCH_SYNC_DIR");
    const char* cancelSetting = std::getenv("BENCH_CANCEL");
    const bool cancel = cancelSetting && std::string(cancelSetting) == "1";

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
    Recorder windows;
    windows.Look(installer.Id(), "idle");
    if (!Handshake(syncDir, "idle")) return 1;

    HWND status = ::GetDlgItem(dialog, 1005);
    const LARGE_INTEGER pressed = Now();
    Press(dialog, IDOK);
    double firstWrite = -1, statusShown = -1, cancelPressed = -1, longestUnresponsive = 0;
    LARGE_INTEGER lastResponse = pressed, lastLook = pressed;
    std::wstring outcome;
    std::vector<std::wstring> boxes;
    std::set<HWND> described;
    bool done = false;
    while (!done) {
        const LARGE_INTEGER now = Now();
        if (Seconds(pressed, now) > 1800) {
            std::printf("error\tno outcome after 30 minutes\n");
            return 1;
        }
        if (firstWrite < 0 && AnyEntry(gameDir)) firstWrite = Seconds(pressed, now);
        const std::wstring text = StoredText(status);
        if (statusShown < 0 && !text.empty() && ::IsWindowVisible(status)) {
            statusShown = Seconds(pressed, now);
            outcome = text;
        }
        if (Seconds(lastLook, now) >= 0.25) {
            lastLook = now;
            windows.Look(installer.Id(), statusShown < 0 ? "copy" : "after");
            DWORD_PTR ignored = 0;
            if (::SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 100, &ignored)) {
                lastResponse = Now();
            } else if (Seconds(lastResponse, Now()) > longestUnresponsive) {
                longestUnresponsive = Seconds(lastResponse, Now());
            }
            for (HWND window : TopLevelWindows(installer.Id())) {
                if (window == dialog || !::IsWindowVisible(window)) continue;
                if (::GetDlgItem(window, 0xFFFF)) {  // a message box: its text kept, answered with OK
                    boxes.push_back(StoredText(::GetDlgItem(window, 0xFFFF)));
                    ::PostMessageW(window, WM_COMMAND, IDOK, 0);
                    continue;
                }
                if (described.insert(window).second) {
                    for (HWND child : Children(window)) {
                        std::printf("child\t%p\t%s\tid %d\t\"%s\"\n", static_cast<void*>(window),
                                    Utf8(ClassOf(child)).c_str(), ::GetDlgCtrlID(child), Utf8(StoredText(child)).c_str());
                    }
                }
                if (HWND button = CancelButtonOf(window); button && cancel && cancelPressed < 0) {
                    ::PostMessageW(button, BM_CLICK, 0, 0);
                    cancelPressed = Seconds(pressed, Now());
                }
            }
        }
        done = statusShown >= 0 && ::IsWindowEnabled(dialog);
        // Every look costs the wineserver a few requests, which the installer's copy also needs.
        if (!done) ::Sleep(firstWrite < 0 ? 10 : 50);
    }
    const double enabled = Seconds(pressed, Now());
    double notepad = -1;
    HWND info = nullptr;
    if (WaitUntil([&] { return (info = FindInfoNotepad()) != nullptr; }, 15000)) notepad = Seconds(pressed, Now());
    windows.Look(installer.Id(), "after");

    Figure("press_to_first_write_s", firstWrite);
    Figure("press_to_status_s", statusShown);
    Figure("press_to_enabled_s", enabled);
    Figure("press_to_notepad_s", notepad);
    Figure("longest_unresponsive_s", longestUnresponsive);
    Figure("cancel_pressed_s", cancelPressed);
    std::printf("status\t%s\n", Utf8(outcome).c_str());
    for (const std::wstring& box : boxes) std::printf("message_box\t%s\n", Utf8(box).c_str());
    windows.Print();

    if (!Handshake(syncDir, "done")) return 1;
    if (info) {
        ::PostMessageW(info, WM_CLOSE, 0, 0);
        WaitUntil([&] { return !::IsWindow(info); }, 5000);
    }
    Press(dialog, IDCANCEL);
    std::printf("installer_exit\t%s\n", installer.WaitForExit(10000) ? "closed" : "still running");
    return 0;
}
