// Faults in the installer's input, through the real window: each ends in the promised state.
#include <gtest/gtest.h>

#include <string>

#include "support/InstallerFixture.h"

namespace {

class Fault : public InstallerTest {
protected:
    void SetUp() override { m_dir.Write("intro.bik", ""); }
    std::wstring Status() { return TextOf(::GetDlgItem(m_dialog, 1005)); }
    std::wstring Version() { return TextOf(::GetDlgItem(m_dialog, 1007)); }
    bool InstallEnabled() { return ::IsWindowEnabled(::GetDlgItem(m_dialog, IDOK)) != FALSE; }
};

}  // namespace

TEST_F(Fault, VersionHeldOpenForWritingLeavesThePanelEmpty)
{
    m_dir.Write("files.cfg", "");
    m_dir.Write("version", "Verze 1\n");
    HANDLE writer = ::CreateFileA((m_dir / "version").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    Start();
    ::CloseHandle(writer);
    EXPECT_EQ(Version(), L"");
    EXPECT_TRUE(InstallEnabled());
}

TEST_F(Fault, TenMegabyteLineIsReadWhole)
{
    m_dir.Write("files.cfg", "a|" + std::string(10 * 1024 * 1024, 'd') + "\r\nb|" + std::string(300, 'e'));
    Start();
    EXPECT_TRUE(InstallEnabled());
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(m_dialog, 1005)));
}

TEST_F(Fault, EndMarkMidwayEndsTheList)
{
    m_dir.Write("files.cfg", "a|b\r\n\x1A<INSTDIR>missing|c\r\n");
    Start();
    EXPECT_TRUE(InstallEnabled());  // the missing file after the mark is never read
    EXPECT_EQ(Status(), L"");
}

TEST_F(Fault, BinaryGarbageNeverCrashes)
{
    std::string garbage;
    unsigned seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1103515245u + 12345u;
        garbage.push_back(static_cast<char>(seed >> 16));
    }
    m_dir.Write("files.cfg", garbage);
    m_dir.Write("version", garbage);
    Start();
    EXPECT_FALSE(m_installer->WaitForExit(500));
    // Either the list loaded or a line was refused; either way the window is up and says so.
    EXPECT_TRUE(InstallEnabled() || !Status().empty());
}

TEST_F(Fault, HundredThousandEntriesLoad)
{
    std::string list;
    for (int i = 0; i < 100000; ++i) list += "<GAMEDIR>f" + std::to_string(i) + ".dat|backup\\f" + std::to_string(i) + ".dat\r\n";
    m_dir.Write("files.cfg", list);
    Start();
    EXPECT_TRUE(InstallEnabled());
    EXPECT_EQ(Status(), L"");
}

TEST_F(Fault, OverlongShippedPathIsReportedAsMissing)
{
    const std::string name = std::string(300, 'n');
    m_dir.Write("files.cfg", "<INSTDIR>" + name + "|x\r\n");
    Start();
    EXPECT_EQ(Status(), L"Nelze nalézt soubor " + std::wstring(m_dir.Path().begin(), m_dir.Path().end()) +
                            std::wstring(name.begin(), name.end()));
    EXPECT_FALSE(InstallEnabled());
}

TEST_F(Fault, RegistryValueWithoutItsNul)
{
    const char kKey[] = "SOFTWARE\\Dorvane\\RN\\VELAN";
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const char value[] = "C:\\Hry\\VELAN";
    ::RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value - 1);
    ::RegCloseKey(key);
    m_dir.Write("files.cfg", "");
    Start();
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
    EXPECT_EQ(TextOf(::GetDlgItem(m_dialog, 1001)), L"C:\\Hry\\VELAN");
}
