// Where the real program takes its DLLs from: DLLs named like the system ones it and its sound
// library use, planted in the installer's folder, are never loaded, through music, Browse, a whole
// install and Play. Wine prefers its own DLLs; this test runs with native ones preferred for those
// names (WINEDLLOVERRIDES), as Windows would take them from the program's folder first.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "tests/gui/InstallFixture.h"

namespace {

std::string Contents(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

class DllSearch : public Install {
protected:
    // Whatever stopped the run, no planted DLL may have been loaded.
    void TearDown() override
    {
        const std::string trace = Contents(Trace());
        const std::wstring loaded(reinterpret_cast<const wchar_t*>(trace.data()), trace.size() / sizeof(wchar_t));
        EXPECT_EQ(loaded, L"") << "planted DLLs were loaded";
        Install::TearDown();
    }
    std::string Trace() const { return m_dir / "planted-trace.txt"; }
};

TEST_F(DllSearch, NoDllIsTakenFromTheInstallersFolder)
{
    std::istringstream names(HostPathFromEnvironment("VELAN_PLANTED"));
    for (std::string name; names >> name;) {
        ASSERT_TRUE(::CopyFileA(HostPathFromEnvironment("PLANTED_DLL").c_str(), (m_dir / (name + ".dll")).c_str(), FALSE));
    }
    // The planting works here: loaded by its path, a planted DLL leaves its trace (with Wine's own
    // preferred it would not be loaded at all).
    EXPECT_EQ(::LoadLibraryA((m_dir / "winmm.dll").c_str()), nullptr);
    ASSERT_FALSE(Contents(Trace()).empty()) << "the planted DLL was not loaded: are native DLLs preferred?";
    ::DeleteFileA(Trace().c_str());

    m_dir.Write("backgrnd.snd", Contents(HostPathFromEnvironment("VELAN_SOUND_DATA") + "\\tone-stereo-44100.mp3"));
    m_dir.Write("backgrnd.jpg", Contents(HostPathFromEnvironment("VELAN_TEST_DATA") + "\\pictures\\quadrants.jpg"));
    SetRegistryPath(m_gameDir);
    Start();
    EXPECT_TRUE(SinkGrowsWithin(5000)) << "no music";
    Press(m_dialog, IDC_BROWSE);
    HWND browser = m_installer->WaitForWindow(L"", m_dialog);
    EXPECT_NE(browser, nullptr) << "no folder browser";
    ::PostMessageW(browser, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(browser); }));
    EXPECT_EQ(RunInstall(), kDone) << m_messages;
    EXPECT_TRUE(InfoDocumentOpened());
    Press(m_dialog, IDOK);
    EXPECT_TRUE(m_installer->WaitForExit()) << "Play did not end the installer";
    EXPECT_TRUE(WaitUntil([&] { return Game("launched.txt") != "<missing>"; })) << "the launcher did not start";
}
