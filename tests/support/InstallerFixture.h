// A test fixture that stages an installer folder and starts the real installer in it.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "InstallerProcess.h"

class InstallerTest : public ::testing::Test {
protected:
    // Starts the installer on what the test has written into m_dir; the window is in m_dialog.
    void Start(const std::string& exe = InstallerExe())
    {
        m_installer.reset(new InstallerProcess(m_dir, exe));
        m_dialog = m_installer->MainWindow();
        ASSERT_NE(m_dialog, nullptr);
    }

    TempFolder m_dir;
    std::unique_ptr<InstallerProcess> m_installer;
    HWND m_dialog = nullptr;
};
