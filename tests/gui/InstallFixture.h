// The install run's fixture: an installer folder with a translation, a game folder with originals,
// and a translation large enough that its copy takes a few seconds under Wine.
#pragma once

#include <memory>
#include <string>

#include "tests/support/InstallerTest.h"
#include "tests/support/Screen.h"
#include "tests/support/TreeSnapshot.h"

#include <commctrl.h>

const wchar_t kDone[] = L"Instalace úspěšně dokončena";
const wchar_t kNotDone[] = L"Instalace nebyla dokončena";
const char kList[] =
    "<GAMEDIR>strings.dat|backup\\strings.dat\r\n"
    "<INSTDIR>data\\strings.dat|strings.dat\r\n"
    "<INSTDIR>art\\menu.tga|\\override\\menu.tga\r\n";

class Install : public InstallerTest {
protected:
    void SetUp() override
    {
        InstallerTest::SetUp();
        m_dir.Write("CZ_info.txt", "Informace\r\n");
        m_dir.Write("data\\strings.dat", "translated");
        m_dir.Write("art\\menu.tga", "menu");
        m_dir.Write("files.cfg", kList);
        UseGameFolder("Game");
    }
    void UseGameFolder(const std::string& name)
    {
        m_gameDir = m_games / name;
        m_games.Write(name + "\\strings.dat", "original");
        m_games.Write(name + "\\keep.txt", "untouched");
        ::CopyFileA(HostPathFromEnvironment("FAKE_LAUNCHER_EXE").c_str(), (m_gameDir + "\\launcher.exe").c_str(),
                    FALSE);
    }
    std::map<std::string, std::string> GameTree() const { return SnapshotOf(m_gameDir + "\\"); }
    std::string Game(const std::string& name) const
    {
        const std::map<std::string, std::string> tree = GameTree();
        return tree.count(name) ? tree.at(name) : "<missing>";
    }
    bool Shows(int id, const char* bitmap) const
    {
        const std::string file = HostPathFromEnvironment("VELAN_ART_DIR") + "\\" + bitmap;
        return WaitUntil([&] { return DifferencesFromBitmapFile(ScreenRectOf(Item(id)), file) == 0; }, 3000);
    }

    TempFolder m_games;
    std::string m_gameDir;
};

// A translation large enough that its copy takes a few seconds under Wine, over a game with
// originals to replace; the installer is started and Install pressed, up to the progress window.
// Its files are staged once for all the tests and listed by full path.
class LargeInstall : public Install {
protected:
    static void SetUpTestSuite()
    {
        s_package.reset(new TempFolder());
        for (int i = 0; i < kFiles; ++i) s_package->Write(Name(i), std::string(kFileBytes, 'c'));
    }
    static void TearDownTestSuite() { s_package.reset(); }
    static std::string Name(int i) { return "data\\" + std::to_string(i % 20) + "\\f" + std::to_string(i) + ".dat"; }

    void SetUp() override
    {
        Install::SetUp();
        std::string list;
        for (int i = 0; i < kFiles; ++i) {
            list += (*s_package / Name(i)) + "|" + m_destinations + Name(i) + "\r\n";
            if (i % 100 == 0) m_games.Write("Game\\" + m_destinations + Name(i), "original " + std::to_string(i));
        }
        m_dir.Write("files.cfg", list);
        SetRegistryPath(m_gameDir);
        m_before = GameTree();
        Start();
        Press(m_dialog, IDOK);
        WaitUntil([&] {
            // Planning and measuring thousands of files takes a while: the installer answers throughout.
            DWORD_PTR answer = 0;
            if (!::SendMessageTimeoutW(m_dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &answer)) ++m_unanswered;
            m_progress = m_installer->WaitForWindow(L"Kopírování souborů", m_dialog, 100);
            return m_progress && !TextOf(::GetDlgItem(m_progress, IDC_COPY_FILE)).empty();
        }, 20000);
        ASSERT_NE(m_progress, nullptr);
    }
    int Bar() const { return static_cast<int>(::SendMessageW(::GetDlgItem(m_progress, IDC_COPY_BAR), PBM_GETPOS, 0, 0)); }
    // Every listed file holds the translation's bytes.
    bool Translated() const
    {
        const std::map<std::string, std::string> tree = GameTree();
        for (int i = 0; i < kFiles; ++i) {
            const auto found = tree.find(m_destinations + Name(i));
            if (found == tree.end() || found->second != std::string(kFileBytes, 'c')) return false;
        }
        return tree.count("VELANInst.undo") == 0;
    }

    static const int kFiles = 5000;
    static const int kFileBytes = 64 << 10;
    static std::unique_ptr<TempFolder> s_package;
    std::string m_destinations;  // the folder in the game that the list's destinations lie in
    std::map<std::string, std::string> m_before;
    HWND m_progress = nullptr;
    int m_unanswered = 0;  // messages the installer left unanswered for 100 ms between Install and the copy
};

