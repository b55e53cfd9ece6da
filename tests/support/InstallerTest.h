// The fixture every GUI test shares: an installer folder, the real program started on it, and what the user sees and does.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "tests/support/InstallerProcess.h"

// The first message box `find` gives (of any process): its text, answered with `answer`; empty when
// none came.
std::wstring AnswerMessageBox(const std::function<HWND()>& find, int answer = IDOK, DWORD timeoutMs = 15000);

class InstallerTest : public ::testing::Test {
protected:
    // An installer folder with the movie and an empty list, the pointer away from the window and no
    // registry value; a test writes over what it needs before Start.
    void SetUp() override;
    void TearDown() override;

    // Starts the program on m_dir and waits for its window.
    void Start(const std::string& exe = InstallerExe())
    {
        Launch(exe);
        AttachWindow();
    }
    void Launch(const std::string& exe = InstallerExe()) { m_installer.reset(new InstallerProcess(m_dir, exe)); }
    void AttachWindow();
    // Presses Close and waits for the process to end.
    void Close();
    HWND Item(int id) const { return ::GetDlgItem(m_dialog, id); }
    std::wstring Status() const { return TextOf(Item(IDC_STATUS)); }
    std::wstring PathBox() const { return TextOf(Item(IDC_PATH)); }
    bool InstallEnabled() const { return ::IsWindowEnabled(Item(IDOK)) != FALSE; }
    // Waits until nothing of the window waits to be painted and a paint under way has ended, so that
    // what a test counts next is not a redraw an earlier change asked for.
    bool WaitForPaint() const;
    void Type(const std::wstring& text) const;
    // The message box over the window: its text, answered with OK (empty when none came).
    std::wstring AnswerBox();
    // Presses Install and waits for the window to be enabled with another status, answering every
    // box on the way (their texts are kept in m_messages).
    std::wstring RunInstall();
    static void SetRegistryPath(const std::string& value);
    // Whether the information document opened in Notepad (a success opens it); it is closed again.
    static bool InfoDocumentOpened();

    TempFolder m_dir;
    std::unique_ptr<InstallerProcess> m_installer;
    HWND m_dialog = nullptr;
    std::wstring m_messages;
};
